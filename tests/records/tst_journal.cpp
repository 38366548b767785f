// The CSV record as a journal: only ever appended to, one lock for every
// program whatever its temporary folder or spelling of the path, and a full
// filesystem that costs no earlier row.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/mount.h>

#include "records/recordfile.h"

namespace {

UnitRecord unitRecord(const QString &result, qint64 unit = 7)
{
    UnitRecord record;
    record.time = QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0), Qt::UTC);
    record.config = { QStringLiteral("/dev/tty,\"odd\""), Product::Kv5, Module::BraeLoch, LinkMode::PointToMultipoint };
    record.settings.registers = { { Reg::WorkMode, 0 }, { Reg::NetworkAddress, 42 }, { Reg::UnitAddress, unit },
                                  { Reg::RepeaterEnable, 1 } };
    record.result = result;
    return record;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Run as a second program: `count` units, each a pending row and its final one.
int appendUnits(const QString &path, int count)
{
    RecordFile record(path);
    for (int i = 0; i < count; ++i) {
        QString error;
        const QByteArray attempt = record.writeRow({}, unitRecord(QStringLiteral("pending"), i), &error);
        if (attempt.isEmpty() || record.writeRow(attempt, unitRecord(QStringLiteral("verified"), i), &error).isEmpty()) {
            qWarning("append failed: %s", qPrintable(error));
            return 1;
        }
    }
    return 0;
}

} // namespace

class TestJournal : public QObject
{
    Q_OBJECT

private slots:
    // A unit's pending row and its final row are two rows of one attempt;
    // readers see the last; a torn row and an older file stay readable.
    void attemptsAreAppended()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("record.csv");
        RecordFile record(path);
        QVERIFY(record.prepare());
        const QByteArray first = record.writeRow({}, unitRecord("pending"), nullptr);
        QVERIFY(!first.isEmpty());
        UnitRecord other = unitRecord("mismatch", 8);
        other.detail = QStringLiteral("S103 reads 7, 8 was written");
        QVERIFY(!record.writeRow({}, other, nullptr).isEmpty());
        // A crash tore a row: it stays, and the next starts a line of its own.
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write("2026-12-07T10:00:01Z,/dev/ttyUSB1,kv5");
        file.close();
        const QByteArray before = contents(path);
        QCOMPARE(record.writeRow(first, unitRecord("verified"), nullptr), first);
        QVERIFY(contents(path).startsWith(before));

        QCOMPARE(record.journal().size(), 5);
        const QList<RecordRow> rows = record.rows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).record.result, QStringLiteral("verified"));
        QCOMPARE(rows.at(0).attempt, QString::fromLatin1(first));
        QCOMPARE(rows.at(0).record.config.port, QStringLiteral("/dev/tty,\"odd\""));
        QCOMPARE(rows.at(1).record.detail, other.detail);
        QVERIFY(record.holdsUnit("07", "42"));
        QVERIFY(!record.holdsUnit("8", "42"));

        // A file written before attempts had a column: each row its own.
        const QString old = dir.filePath("old.csv");
        QFile oldFile(old);
        QVERIFY(oldFile.open(QIODevice::WriteOnly));
        oldFile.write(recordHeader().mid(0, 14).join(',').toUtf8() + "\r\n"
                      "2026-12-01T10:00:00Z,/dev/ttyUSB0,kv5,tarn,p2mp,1,500,Slave(Remote),9600,172800,1000mW,,pending,\r\n");
        oldFile.close();
        RecordFile older(old);
        QVERIFY(older.openExisting(nullptr));
        QVERIFY(!older.writeRow({}, unitRecord("verified"), nullptr).isEmpty());
        QCOMPARE(older.rows().size(), 2);
        QCOMPARE(older.rows().first().record.result, QStringLiteral("pending"));
        QVERIFY(older.rows().first().attempt.isEmpty());

        // One written before the pauses column: its attempts stand.
        oldFile.setFileName(dir.filePath("before-pauses.csv"));
        QVERIFY(oldFile.open(QIODevice::WriteOnly));
        oldFile.write(recordHeader().mid(0, 15).join(',').toUtf8()
                      + "\r\n2026-12-01T10:00:00Z,/dev/ttyUSB0,kv5,tarn,p2mp,1,500,Slave(Remote),9600,172800,1000mW,,pending,,a1\r\n");
        oldFile.close();
        UnitRecord quick = unitRecord("verified");
        quick.pauses = QStringLiteral("quick");
        QVERIFY(!RecordFile(oldFile.fileName()).writeRow("a1", quick, nullptr).isEmpty());
        const QList<RecordRow> unpaused = RecordFile(oldFile.fileName()).rows();
        QCOMPARE(unpaused.size(), 1);
        QCOMPARE(unpaused.first().record.pauses, QStringLiteral("quick"));
    }

    // A new file opens right in a spreadsheet: a byte order mark, the zone
    // in the header, times a spreadsheet reads as times. A file that exists
    // is appended to as it is: no mark, its header and its spelling of time.
    void spreadsheetFile_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("rowStart");
        const QByteArray oldHeader = "time,port,product,module,mode,unit_address,network_address,work_mode,baud,link_rate,"
                                     "power,repeater,result,differences,attempt,station,operator,tool_version,pauses,serial\r\n";
        QTest::newRow("new file") << QByteArray() << QByteArray("\xEF\xBB\xBFtime_utc,port,") << QByteArray("2026-12-07T10:00:00,");
        QTest::newRow("file of the last version")
            << oldHeader + "2026-12-06 08:00:00,/dev/ttyUSB0,kv5,tarn,p2mp,1,500,Slave(Remote),9600,172800,1000mW,,verified,,a1,,,,,\r\n"
            << oldHeader << QByteArray("2026-12-07 10:00:00,");
        QTest::newRow("file with its own mark")
            << "\xEF\xBB\xBF" + oldHeader << "\xEF\xBB\xBF" + oldHeader << QByteArray("2026-12-07 10:00:00,");
    }
    void spreadsheetFile()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, rowStart);
        QTemporaryDir dir;
        const QString path = dir.filePath("units.csv");
        if (!existing.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(existing);
        }
        RecordFile record(path);
        QVERIFY(record.prepare());
        UnitRecord unit = unitRecord("verified");
        unit.serial = QStringLiteral("序列-003");
        QVERIFY(!record.writeRow({}, unit, nullptr).isEmpty());
        const QByteArray bytes = contents(path);
        QVERIFY2(bytes.startsWith(existing.isEmpty() ? start : existing), bytes.constData());
        QCOMPARE(bytes.count("\xEF\xBB\xBF"), start.startsWith("\xEF") ? 1 : 0);
        QVERIFY2(bytes.mid(bytes.lastIndexOf("\r\n", bytes.size() - 3) + 2).startsWith(rowStart), bytes.constData());
        // Read back as written, the time as UTC, the code whole.
        const QList<RecordRow> rows = record.rows();
        QCOMPARE(rows.last().record.time, unit.time);
        QCOMPARE(rows.last().record.serial, unit.serial);
        QCOMPARE(readRecordRows(path).first().first(), existing.isEmpty() ? QStringLiteral("time_utc") : QStringLiteral("time"));
    }

    // Two programs with their own temporary folders, one reaching the new
    // record through a symlinked folder: one header, every unit final.
    void twoProgramsShareTheLock()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("real"));
        QVERIFY(QFile::link(dir.filePath("real"), dir.filePath("link")));
        const int units = 60;
        std::vector<std::unique_ptr<QProcess>> programs;
        const QStringList paths { dir.filePath("real/units.csv"), dir.filePath("link/units.csv") };
        for (int i = 0; i < 2; ++i) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tmp%1").arg(i)));
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("TMPDIR", dir.filePath(QStringLiteral("tmp%1").arg(i)));
            programs.push_back(std::make_unique<QProcess>());
            programs.back()->setProcessEnvironment(environment);
            programs.back()->start(QCoreApplication::applicationFilePath(),
                                   { "--append-units", paths.at(i), QString::number(units) });
        }
        for (const auto &program : programs) {
            QVERIFY(program->waitForFinished(60000));
            QCOMPARE(program->exitCode(), 0);
        }
        const RecordFile record(paths.first());
        const QList<QStringList> journal = record.journal();
        QCOMPARE(journal.count(recordHeader()), 1);
        QCOMPARE(journal.first(), recordHeader());
        QCOMPARE(journal.size(), 1 + 4 * units);
        const QList<RecordRow> rows = record.rows();
        QCOMPARE(rows.size(), 2 * units);
        for (const RecordRow &row : rows)
            QCOMPARE(row.record.result, QStringLiteral("verified"));
    }

    // A filesystem with no room left: an append fails whole, and every row
    // written before it, and the header, stays as it was.
    void fullFilesystem()
    {
        QTemporaryDir dir;
        const QString mountPoint = dir.filePath("small");
        QVERIFY(QDir(dir.path()).mkdir("small"));
        if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=8k") != 0)
            QSKIP("cannot mount a small tmpfs here (needs root); CI runs as root");
        struct Unmount {
            QByteArray point;
            ~Unmount() { ::umount(point.constData()); }
        } unmount { QFile::encodeName(mountPoint) };

        RecordFile record(mountPoint + "/units.csv");
        QVERIFY(record.prepare());
        // The rest of the filesystem is taken: only the record's own page
        // has room left.
        QFile filler(mountPoint + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(512, 'x')) == 512) {
        }
        filler.close();

        int written = 0;
        QString error;
        QByteArray kept = contents(record.path());
        for (;;) {
            const QByteArray attempt = record.writeRow({}, unitRecord("pending", written), &error);
            if (attempt.isEmpty())
                break;
            kept = contents(record.path());
            if (record.writeRow(attempt, unitRecord("verified", written), &error).isEmpty())
                break;
            kept = contents(record.path());
            ++written;
        }
        QVERIFY2(error.contains("space", Qt::CaseInsensitive), qPrintable(error));
        QVERIFY(written > 0);
        // Nothing of the failed row is left, nothing earlier is lost.
        QCOMPARE(contents(record.path()), kept);
        const QList<RecordRow> rows = record.rows();
        QVERIFY(rows.size() == written || rows.size() == written + 1);
        for (int i = 0; i < written; ++i)
            QCOMPARE(rows.at(i).record.result, QStringLiteral("verified"));
        // A record holding only its header keeps it.
        QVERIFY(QFile::remove(record.path()) && QFile::remove(filler.fileName()));
        QVERIFY(record.prepare());
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) == 4096) {
        }
        const QByteArray header = contents(record.path());
        while (!record.writeRow({}, unitRecord("verified"), nullptr).isEmpty()) {
        }
        QVERIFY(contents(record.path()).startsWith(header));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--append-units")
        return appendUnits(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    TestJournal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_journal.moc"
