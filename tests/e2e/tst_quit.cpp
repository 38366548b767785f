// Quitting in the middle of a pause: the program must end at once instead of
// spinning out the pause.

#include <QApplication>
#include <QtTest>

#include <ctime>

#include "rig.h"

class TestQuit : public QObject
{
    Q_OBJECT

private slots:
    void quitDuringPause_data()
    {
        QTest::addColumn<QString>("pause");
        QTest::addColumn<bool>("viaExit");
        for (const char *pause : { "connect", "read", "write" }) {
            QTest::addRow("%s, Exit", pause) << QString::fromLatin1(pause) << true;
            QTest::addRow("%s, window closed", pause) << QString::fromLatin1(pause) << false;
        }
    }
    void quitDuringPause()
    {
        QFETCH(QString, pause);
        QFETCH(bool, viaExit);
        Rig rig;
        QVERIFY(rig.start(KV6, Tarn, PointToMultipoint));
        if (pause != QLatin1String("connect")) {
            rig.toggleLink();
            QVERIFY(rig.read());
        }
        const char *button = pause == QLatin1String("connect") ? "ConnectButton"
                             : pause == QLatin1String("read")  ? "RefreshButton"
                                                               : "ConfigButton";
        QTimer::singleShot(0, [&] { rig.button(QLatin1String(button))->click(); });
        QTimer::singleShot(200, [&] {
            if (viaExit)
                rig.action("Exit")->trigger();
            else
                rig.window->close();
        });
        QElapsedTimer wall;
        wall.start();
        const std::clock_t cpuStart = std::clock();
        QApplication::exec();
        const qint64 ms = wall.elapsed();
        const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        // The shortest of these pauses still had 800 ms to go when the window
        // closed; the write more than 3 s.
        QVERIFY2(ms < 750, qPrintable(QStringLiteral("the program ended %1 ms after the start").arg(ms)));
        QVERIFY2(cpuMs < 500, qPrintable(QStringLiteral("%1 ms of CPU time").arg(cpuMs)));
        QVERIFY(!rig.window->isVisible());
    }
};

QTEST_MAIN(TestQuit)
#include "tst_quit.moc"
