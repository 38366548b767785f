// The day's report in a browser nobody here wrote (headless Chromium) at a
// window 1000 pixels wide: nothing wider than the window, the busiest hour
// in view, a legend, the zone of the hours named, failures by cause.

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "print/dayreport.h"

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void fitsTheWindow()
    {
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (chromium.isEmpty())
            QSKIP("Chromium is not installed");
        RecordFigures figures;
        figures.from = QDateTime(QDate(2026, 12, 8), QTime(0, 0), Qt::UTC);
        figures.to = figures.from.addDays(1);
        for (int hour = 0; hour < 24; ++hour)
            figures.perHour.insert(figures.from.addSecs(3600 * hour), { hour == 23 ? 40 : hour % 3, hour == 23 ? 31 : 0 });
        figures.total = { 63, 31 };
        figures.failures = { { "line refused: ATS103", 4 }, { "read back otherwise: S103", 3 }, { "device lost before storing", 2 } };
        figures.byStation = { { "line-1", { 40, 31 } }, { QString(60, QLatin1Char('s')), { 23, 0 } } };
        figures.byOperator = { { "ann", { 63, 31 } } };
        QString html = reportHtml(figures, QStringLiteral("Units of 2026-12-08"));
        for (const char *text : { "attempts", "good units", "failures", "Hours in local time", "line refused: ATS103" })
            QVERIFY2(html.contains(QLatin1String(text)), text);
        // The page measures itself: its width, and the right edge of each chart.
        html.replace(QStringLiteral("</body>"),
                     QStringLiteral("<script>document.body.setAttribute('data-fit', document.documentElement.scrollWidth + ' '"
                                    " + Math.max(...[...document.querySelectorAll('svg')].map(s => s.getBoundingClientRect().right)));"
                                    "</script></body>"));
        QTemporaryDir dir;
        QFile page(dir.filePath("report.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write(html.toUtf8());
        page.close();
        QProcess browser;
        browser.start(chromium, { "--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                                  "--no-first-run", "--user-data-dir=" + dir.filePath("profile"), "--window-size=1000,800",
                                  "--dump-dom", QUrl::fromLocalFile(page.fileName()).toString() });
        QVERIFY(browser.waitForFinished(120000));
        const QRegularExpressionMatch fit =
            QRegularExpression(QStringLiteral("data-fit=\"(\\d+) ([\\d.]+)\"")).match(QString::fromUtf8(browser.readAllStandardOutput()));
        QVERIFY2(fit.hasMatch(), browser.readAllStandardError().constData());
        QVERIFY2(fit.captured(1).toInt() <= 1000 && fit.captured(2).toDouble() <= 1000, qPrintable(fit.captured(0)));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
