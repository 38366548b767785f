// The window on a screen smaller than its form (a 1280 x 900 laptop scaled
// up): it asks for no more than the screen has, and the form scrolls in it,
// whole, in both languages.

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "app/mainwindow.h"
#include "app/resultbanner.h"
#include "support/windowlanguages.h"

class TestWindowFit : public QObject
{
    Q_OBJECT

private slots:
    void fitsTheScreen_data()
    {
        addWindowLanguages();
    }

    void fitsTheScreen()
    {
        QFETCH(QString, language);
        MainWindow w;
        w.findChild<QAction *>(language)->trigger();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect room = w.screen()->availableGeometry();
        // The screen is smaller than the form: otherwise this proves nothing.
        QVERIFY2(room.width() < 915, qPrintable(QString::number(room.width())));
        QVERIFY2(room.contains(w.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6")
                                                                  .arg(w.frameGeometry().x()).arg(w.frameGeometry().y())
                                                                  .arg(w.frameGeometry().width()).arg(w.frameGeometry().height())
                                                                  .arg(room.width()).arg(room.height())));
        QVERIFY(w.minimumWidth() <= room.width() && w.minimumHeight() <= room.height());

        // Nothing is cut: scrolled to it, Connect is on show whole.
        auto *area = w.findChild<QScrollArea *>(QStringLiteral("FormScrollArea"));
        QVERIFY(area && area->isVisible());
        // The result stays in view beside the form that scrolls.
        auto *result = w.findChild<QWidget *>(QStringLiteral("ResultPanel"));
        QVERIFY(!area->widget()->isAncestorOf(result));
        QVERIFY(w.rect().contains(QRect(result->mapTo(&w, QPoint(0, 0)), result->size())));
        QVERIFY(area->horizontalScrollBar()->maximum() > 0);
        auto *connect = w.findChild<QPushButton *>(QStringLiteral("ConnectButton"));
        area->ensureWidgetVisible(connect, 0, 0);
        const QRect shown(connect->mapTo(area->viewport(), QPoint(0, 0)), connect->size());
        QVERIFY(area->viewport()->rect().contains(shown));

        // The terminal and back keep the scrolling form.
        w.findChild<QAction *>(QStringLiteral("ATCommand"))->trigger();
        QVERIFY(room.contains(w.frameGeometry()));
        w.findChild<QAction *>(QStringLiteral("ATCommand"))->trigger();
        QVERIFY(w.centralWidget()->isAncestorOf(area));
        QVERIFY(connect->isVisible());
    }

    // The result's word has its whole room in the window at its smallest,
    // whatever the word, the language and the screen's scale.
    void outcomeWordWhole_data()
    {
        addWindowLanguages();
    }
    void outcomeWordWhole()
    {
        QFETCH(QString, language);
        MainWindow w;
        w.findChild<QAction *>(language)->trigger();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(w.minimumSize());
        auto *banner = w.findChild<ResultBanner *>();
        QVERIFY(banner);
        QLabel *word = banner->outcomeLabel();
        const QStringList words = ResultBanner::outcomeWords();
        QCOMPARE(words.size(), 3);
        for (const QString &text : words) {
            word->setText(text);
            QCoreApplication::processEvents();
            const int room = word->contentsRect().width();
            QVERIFY2(word->fontMetrics().horizontalAdvance(text) <= room,
                     qPrintable(QStringLiteral("%1: %2 > %3").arg(text).arg(word->fontMetrics().horizontalAdvance(text)).arg(room)));
            QVERIFY(word->fontMetrics().height() <= word->contentsRect().height());
            // Large: well above the status line's letters.
            QVERIFY(word->font().pixelSize() >= 24 || word->fontMetrics().height() >= 28);
        }
    }
};

QTEST_MAIN(TestWindowFit)
#include "tst_windowfit.moc"
