// Labels and the day's report as a stranger reads them: the label's PDF made
// into a picture (pdftoppm) and its QR code read by zbarimg, and the report's
// figures in its page and its PDF's text (pdftotext).

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "print/dayreport.h"
#include "print/unitlabel.h"
#include "records/recordfile.h"

namespace {

UnitRecord unit(const QString &code, qint64 address, LinkMode mode = LinkMode::PointToMultipoint)
{
    UnitRecord r;
    r.time = QDateTime(QDate(2026, 12, 8), QTime(10, 15), Qt::UTC);
    r.config = { QStringLiteral("/dev/ttyUSB0"), Product::Kv6, Module::BraeLoch, mode };
    r.settings.set(Reg::NetworkAddress, 25819);
    r.settings.set(Reg::UnitAddress, address);
    r.result = QStringLiteral("verified");
    r.serial = code;
    r.station = QStringLiteral("line-1");
    return r;
}

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return "failed: " + process.readAllStandardError();
    return process.readAllStandardOutput();
}

} // namespace

class TestLabels : public QObject
{
    Q_OBJECT

private slots:
    void labelDecodes_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("labels");
        QTest::newRow("62 x 29 mm") << "62x29" << 1;
        QTest::newRow("50 x 25 mm") << "50x25" << 2;
        QTest::newRow("A4 sheet") << "a4" << 3;
    }
    void labelDecodes()
    {
        QFETCH(QString, size);
        QFETCH(int, labels);
        QList<UnitRecord> units;
        QStringList lines;
        for (int i = 0; i < labels; ++i) {
            // Separators, a backslash and Chinese: the scan gives the code back as it is.
            units << unit(QStringLiteral("序列;00%1=x\\y").arg(i), 5 + i, i == 1 ? LinkMode::PointToPoint : LinkMode::PointToMultipoint);
            lines << labelLine(units.last());
        }
        QCOMPARE(lines.first(), QStringLiteral("KVX;product=KV6 - KV7;module=Brae - Loch;mode=p2mp;network=25819;unit=5;"
                                               "code=序列\\;000\\=x\\\\y;date=%1;station=line-1")
                                    .arg(units.first().time.toLocalTime().date().toString(Qt::ISODate)));
        QTemporaryDir dir;
        LabelSize labelSize;
        QVERIFY(labelSizeForKey(size, &labelSize));
        QString error;
        QVERIFY2(writeLabelsPdf(units, labelSize, dir.filePath("l.pdf"), &error), qPrintable(error));
        const QString info = QString::fromUtf8(run("pdfinfo", { dir.filePath("l.pdf") }));
        QCOMPARE(QRegularExpression("Pages: +(\\d+)").match(info).captured(1).toInt(), size == "a4" ? 1 : labels);
        run("pdftoppm", { "-r", "300", "-gray", "-png", dir.filePath("l.pdf"), dir.filePath("page") });
        QStringList decoded;
        for (const QString &picture : QDir(dir.path()).entryList({ "page*.png" }))
            decoded += QString::fromUtf8(run("zbarimg", { "--raw", "-q", dir.filePath(picture) })).split('\n', Qt::SkipEmptyParts);
        decoded.sort();
        lines.sort();
        QCOMPARE(decoded, lines);
        // Its code's text is on the label too.
        const QString text = QString::fromUtf8(run("pdftotext", { dir.filePath("l.pdf"), "-" }));
        QVERIFY2(text.contains(units.first().serial), qPrintable(text));
    }

    // A code of the longest a code may be, Chinese, still gets its QR code
    // and its whole text; a label that cannot have both is refused whole.
    void labelWholeOrNone_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("station");
        QTest::addColumn<bool>("made");
        QTest::newRow("64 Chinese characters") << QString(64, QChar(0x5E8F)) << "line-1" << true;
        QTest::newRow("a station too long for a QR code") << "SN-1" << QString(2000, QLatin1Char('s')) << false;
    }
    void labelWholeOrNone()
    {
        QFETCH(QString, code);
        QFETCH(QString, station);
        QFETCH(bool, made);
        UnitRecord r = unit(code, 5);
        r.station = station;
        QTemporaryDir dir;
        QString error;
        QVERIFY2(writeLabelsPdf({ r }, LabelSize::Label50x25, dir.filePath("l.pdf"), &error) == made, qPrintable(error));
        QCOMPARE(QFileInfo::exists(dir.filePath("l.pdf")), made);
        if (!made)
            return;
        run("pdftoppm", { "-r", "600", "-gray", "-png", dir.filePath("l.pdf"), dir.filePath("page") });
        QCOMPARE(QString::fromUtf8(run("zbarimg", { "--raw", "-q", dir.filePath("page-1.png") })).trimmed(), labelLine(r));
        QVERIFY(QString::fromUtf8(run("pdftotext", { dir.filePath("l.pdf"), "-" })).remove(QLatin1Char('\n')).contains(code));
    }

    // label --network: every verified unit of the network, each unit
    // address once (its last row); --unit picks one.
    void labelsOfNetwork_data()
    {
        QTest::addColumn<QStringList>("choice");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("the network") << QStringList { "--network", "4321" } << QStringList { "A", "B2", "C" };
        QTest::newRow("one unit") << QStringList { "--network", "4321", "--unit", "2" } << QStringList { "B2" };
    }
    void labelsOfNetwork()
    {
        QFETCH(QStringList, choice);
        QFETCH(QStringList, codes);
        QTemporaryDir dir;
        RecordFile record(dir.filePath("units.csv"));
        const struct {
            const char *code;
            qint64 network;
            qint64 unit;
            const char *result;
        } rows[] = { { "A", 4321, 1, "verified" }, { "B", 4321, 2, "verified" }, { "C", 4321, 3, "verified" },
                     { "D", 4321, 4, "failed" },   { "B2", 4321, 2, "verified" }, { "E", 9999, 1, "verified" } };
        for (const auto &row : rows) {
            UnitRecord r = unit(QLatin1String(row.code), row.unit);
            r.settings.set(Reg::NetworkAddress, row.network);
            r.result = QLatin1String(row.result);
            QVERIFY(!record.writeRow({}, r, nullptr).isEmpty());
        }
        const QByteArray said = run(QCoreApplication::applicationDirPath() + "/kvx-print",
                                    QStringList { "label", "--record", record.path(), "--pdf", dir.filePath("l.pdf") } + choice);
        QVERIFY2(said.startsWith(QByteArray::number(codes.size()) + " label"), said.constData());
        run("pdftoppm", { "-r", "300", "-gray", "-png", dir.filePath("l.pdf"), dir.filePath("page") });
        QStringList decoded;
        for (const QString &picture : QDir(dir.path()).entryList({ "page*.png" }))
            decoded << QString::fromUtf8(run("zbarimg", { "--raw", "-q", dir.filePath(picture) })).trimmed().section(";code=", 1).section(';', 0, 0);
        decoded.sort();
        QCOMPARE(decoded, codes);
    }

    // The figures of known rows, in the page (no network: nothing fetched)
    // and in the PDF.
    void reportShowsFigures()
    {
        RecordFigures figures;
        figures.from = QDateTime(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC);
        figures.to = figures.from.addSecs(2 * 3600);
        figures.total = { 5, 3 };
        figures.perHour = { { figures.from, { 2, 1 } }, { figures.from.addSecs(3600), { 3, 2 } } };
        figures.failures = { { "refused", 2 } };
        figures.byStation = { { "line-1", { 5, 3 } } };
        figures.byOperator = { { "ann", { 5, 3 } } };
        const QString html = reportHtml(figures, "Units of 2026-12-08");
        QVERIFY(html.contains("3 good units of 5 attempts (60 %)"));
        QCOMPARE(html.count("<svg"), 4);
        QVERIFY(html.contains("<td>refused</td><td>2</td>"));
        QVERIFY(html.contains("<td>line-1</td><td>3 / 5</td>"));
        QVERIFY(!html.contains("src=") && !html.contains("href=\"http") && !html.contains("@import"));
        QTemporaryDir dir;
        QString error;
        QVERIFY2(writeReportPdf(figures, "Units of 2026-12-08", dir.filePath("r.pdf"), &error), qPrintable(error));
        const QByteArray text = run("pdftotext", { dir.filePath("r.pdf"), "-" });
        QVERIFY2(text.contains("3 good units of 5 attempts (60 %)") && text.contains("line-1") && text.contains("refused"),
                 text.constData());
    }
};

QTEST_MAIN(TestLabels)
#include "tst_labels.moc"
