// The port watcher: a port named in KVX_EXTRA_PORTS (a link, as a
// simulator or udev makes them) is seen as it comes and goes, told by the
// system and not found by a poll.

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/portwatcher.h"

class TestPortWatcher : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qunsetenv("KVX_EXTRA_PORTS"); }

    void linkComesAndGoes_data()
    {
        QTest::addColumn<QString>("folder");       // the link's folder under the temporary one
        QTest::addColumn<bool>("targetVanishes");  // what it points to goes, not the link
        QTest::newRow("link removed") << "" << false;
        QTest::newRow("device gone under the link") << "" << true;
        QTest::newRow("folder made later") << "line/station" << false;
    }
    void linkComesAndGoes()
    {
        QFETCH(QString, folder);
        QFETCH(bool, targetVanishes);
        QTemporaryDir links;
        QTemporaryDir devices;
        const QString device = devices.filePath(QStringLiteral("pts0"));
        QFile file(device);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString link = QDir(links.filePath(folder)).filePath(QStringLiteral("ttyKVX"));
        qputenv("KVX_EXTRA_PORTS", link.toLocal8Bit());

        PortWatcher watcher;
        QSignalSpy appeared(&watcher, &PortWatcher::portAppeared);
        QSignalSpy vanished(&watcher, &PortWatcher::portVanished);
        watcher.start();
        for (const PortEntry &port : watcher.ports())
            QVERIFY(port.path != link);
        QVERIFY(QDir().mkpath(links.filePath(folder)));
        QVERIFY(QFile::link(device, link));
        QVERIFY(appeared.wait(500));
        QCOMPARE(appeared.constFirst().constFirst().value<PortEntry>().path, link);
        QVERIFY(QFile::remove(targetVanishes ? device : link));
        QVERIFY(vanished.wait(500));
        QCOMPARE(vanished.constFirst().constFirst().toString(), link);
        QCOMPARE(appeared.size(), 1);
#ifdef Q_OS_LINUX
        // Told by inotify: no timer ran meanwhile.
        QVERIFY(!watcher.isPolling());
#endif
    }
};

QTEST_GUILESS_MAIN(TestPortWatcher)
#include "tst_portwatcher.moc"
