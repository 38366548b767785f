// The CSV journal as LibreOffice (a client nobody here wrote) opens it and
// gives it back: a new file's Chinese and times read right; an old file
// without a byte order mark comes back garbled, and import says so.

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "records/recordfile.h"

namespace {

UnitRecord unit()
{
    UnitRecord r;
    r.time = QDateTime(QDate(2026, 12, 8), QTime(9, 15, 2), Qt::UTC);
    r.config = { QStringLiteral("/dev/ttyUSB0"), Product::Kv5, Module::Tarn, LinkMode::PointToMultipoint };
    r.settings.registers = { { Reg::WorkMode, 2 }, { Reg::NetworkAddress, 25819 }, { Reg::UnitAddress, 3 } };
    r.result = QStringLiteral("verified");
    r.station = QStringLiteral("装配线-1");
    r.serial = QStringLiteral("序列-003");
    return r;
}

} // namespace

class TestSpreadsheet : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_office;

    // LibreOffice converting `file` into `format` in `folder`, as its
    // import takes it with `filter` (none: its default), in a profile of
    // its own.
    QString convert(const QString &file, const QString &format, const QString &filter = QString())
    {
        QStringList arguments { QStringLiteral("-env:UserInstallation=file://%1").arg(m_dir.filePath("profile")), "--headless" };
        if (!filter.isEmpty())
            arguments << QStringLiteral("--infilter=%1").arg(filter);
        const QString folder = m_dir.filePath(QStringLiteral("out-%1").arg(QFileInfo(file).baseName()));
        arguments << "--convert-to" << format << "--outdir" << folder << file;
        QProcess office;
        office.start(m_office, arguments);
        if (!office.waitForFinished(120000))
            return QString();
        const QStringList made = QDir(folder).entryList(QDir::Files);
        return made.isEmpty() ? QString() : QDir(folder).filePath(made.first());
    }

private slots:
    void initTestCase()
    {
        m_office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (m_office.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");
    }

    // A double-click's import (the character set found from the file):
    // the code whole, the time a date and time, UTC as the header says; and
    // what LibreOffice saves again imports as it was.
    void newFileOpensRight()
    {
        const QString path = m_dir.filePath("new.csv");
        QVERIFY(!RecordFile(path).writeRow({}, unit(), nullptr).isEmpty());
        QFile sheet(convert(path, QStringLiteral("fods"), QStringLiteral("CSV:44,34,")));
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        const QString cells = QString::fromUtf8(sheet.readAll());
        QVERIFY(cells.contains(QStringLiteral("序列-003")) && cells.contains(QStringLiteral("装配线-1")));
        QVERIFY(cells.contains(QStringLiteral("office:value-type=\"date\" office:date-value=\"2026-12-08T09:15:02\"")));
        QVERIFY(cells.contains(QStringLiteral("time_utc")));

        const QString again = convert(path, QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"), QStringLiteral("CSV:44,34,"));
        QFile file(again);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QList<RecordRow> rows;
        QString error;
        QVERIFY2(readImportRows(&file, &rows, &error), qPrintable(error));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().record.serial, unit().serial);
        QCOMPARE(rows.first().record.time, unit().time);
    }

    // LibreOffice's default import of a file without the mark takes UTF-8
    // for Windows-1252; saved again, the garbled text is valid UTF-8, and
    // import refuses it, saying what it was.
    void garbledRoundTripRefused()
    {
        const QString path = m_dir.filePath("old.csv");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(recordLine(unit(), QStringLiteral("a1")).prepend(
            "time,port,product,module,mode,unit_address,network_address,work_mode,baud,link_rate,power,repeater,result,"
            "differences,attempt,station,operator,tool_version,pauses,serial\r\n"));
        old.close();
        QFile file(convert(path, QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray garbled = file.readAll();
        QVERIFY2(!garbled.contains("序列") && garbled.contains("\xc3\xa5\xc2\xba"), garbled.constData());
        QVERIFY(file.seek(0));
        QList<RecordRow> rows;
        QString error;
        QVERIFY(!readImportRows(&file, &rows, &error));
        QVERIFY2(error.contains(QStringLiteral("Windows-1252")) && error.contains(QStringLiteral("\"装配线-1\"")), qPrintable(error));
        QVERIFY(rows.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheet)
#include "tst_spreadsheet.moc"
