// The CSV journal from both ends. Input: one byte choosing the end (its
// value modulo 3), then
//  - the journal's reading (0) or `record import`'s (2): the bytes are a
//    file, as a spreadsheet may have saved it. A row taken must be one the
//    journal itself could have written (field for field the line it writes
//    for that row), it reads back as taken, both readings take the same
//    rows, and the reading's heap stays within a small multiple of the file;
//  - the writer's end (1): the bytes make a unit's row, written by the
//    journal into a file of its own and read back: every field as it was
//    written.

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <sanitizer/allocator_interface.h>

#include "fuzz/fuzzcheck.h"
#include "protocol/radiosettings.h"
#include "records/recordfile.h"

namespace {

// Heap in use, counted while a reading runs (the target is single-threaded).
bool counting = false;
qint64 inUse = 0;
qint64 peak = 0;

void onMalloc(const volatile void *, size_t size)
{
    if (!counting)
        return;
    inUse += qint64(size);
    peak = std::max(peak, inUse);
}

void onFree(const volatile void *pointer)
{
    if (counting && pointer)
        inUse -= qint64(__sanitizer_get_allocated_size(pointer));
}

// A reader keeps the file, its text and the rows it takes; more than this
// per byte of the file is a reader that can be made to run out of memory.
constexpr qint64 HeapPerByte = 32;
constexpr qint64 HeapSlack = 1 << 20;

QTemporaryDir *folder = nullptr;   // made once, removed at the end

// Known faults can be passed over by hand, to look for what lies beyond
// them: KVX_FUZZ_SKIP=import-memory,row-values.
bool skipped(const char *property)
{
    static const QStringList names = qEnvironmentVariable("KVX_FUZZ_SKIP").split(QLatin1Char(','));
    return names.contains(QLatin1String(property));
}

QString filePath()
{
    return QDir(folder->path()).filePath(QStringLiteral("units.csv"));
}

void writeFile(const QByteArray &bytes)
{
    QFile file(filePath());
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
          "the input is written to a file");
}

bool sameRecord(const UnitRecord &a, const UnitRecord &b)
{
    return a.time == b.time && a.config.port == b.config.port && a.config.product == b.config.product
           && a.config.module == b.config.module && a.config.mode == b.config.mode
           && a.settings.registers == b.settings.registers && a.result == b.result && a.detail == b.detail;
}

// Every row a reader takes is one the journal could have written: what it
// writes for that row is the row as the file had it.
void checkRowsTaken(const QByteArray &bytes)
{
    const QList<QStringList> lines = parseCsv(QString::fromUtf8(bytes));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList &fields = lines.at(i);
        UnitRecord record;
        QString attempt;
        if (!recordFromFields(fields, &record, &attempt) || skipped("row-values"))
            continue;
        // A row may spell a value otherwise than the journal does (an older
        // file's time, leading zeros); what it says must come back the same.
        UnitRecord again;
        QString attemptAgain;
        check(recordFromFields(parseCsv(QString::fromUtf8(recordLine(record, attempt))).value(0), &again, &attemptAgain),
              "a row taken is one the journal writes");
        check(sameRecord(record, again) && attempt == attemptAgain, "a row taken reads back as the journal writes it");
    }
}

// A row taken writes a row that reads back as taken.
void checkReadsBack(const QList<RecordRow> &rows)
{
    for (const RecordRow &row : rows) {
        UnitRecord again;
        QString attempt;
        check(recordFromFields(parseCsv(QString::fromUtf8(recordLine(row.record, row.attempt))).value(0), &again,
                               &attempt),
              "a row taken writes a row that is read");
        check(sameRecord(row.record, again), "a row taken reads back as taken");
    }
}

// The journal keeps a row it cannot fully read (an unreadable time, a
// caption the module lacks) rather than hide it: such a row, written again,
// reads back the same through the journal's own reading.
void checkJournalReadsBack(const QList<RecordRow> &rows)
{
    QByteArray again = recordHeader().join(QLatin1Char(',')).toUtf8() + "\r\n";
    for (const RecordRow &row : rows)
        again += recordLine(row.record, row.attempt);
    const QString path = QDir(folder->path()).filePath(QStringLiteral("again.csv"));
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(again) == again.size(),
          "the rows are written again");
    file.close();
    const QList<RecordRow> read = RecordFile(path).rows();
    check(read.size() == rows.size(), "a row taken is read back once");
    for (qsizetype i = 0; i < rows.size() && i < read.size(); ++i)
        check(sameRecord(rows.at(i).record, read.at(i).record), "a row taken reads back as taken");
}

// The journal's own reading (the window's record view, kvx-cli record list).
void journalEnd(const QByteArray &bytes)
{
    writeFile(bytes);
    inUse = peak = 0;
    counting = true;
    const QList<RecordRow> rows = RecordFile(filePath()).rows();
    counting = false;
    check(peak <= HeapPerByte * bytes.size() + HeapSlack, "reading the journal takes a small multiple of its size");
    checkRowsTaken(bytes);
    checkJournalReadsBack(rows);
}

// `record import`'s reading of a file from elsewhere.
void importEnd(const QByteArray &bytes)
{
    writeFile(bytes);
    QList<RecordRow> imported;
    QString error;
    inUse = peak = 0;
    counting = true;
    QFile file(filePath());
    check(file.open(QIODevice::ReadOnly), "the input is read back");
    const bool taken = readImportRows(&file, &imported, &error);
    counting = false;
    const qint64 importPeak = peak;
    check(taken || !error.isEmpty(), "a refused file says why");
    check(taken || imported.isEmpty(), "nothing taken from a refused file");
    checkRowsTaken(bytes);
    checkReadsBack(imported);
    if (taken)
        check(RecordFile(filePath()).rows().size() == imported.size(), "the journal and an import take the same rows");
    // Last, so that the rest is tried where only this fails.
    if (!skipped("import-memory"))
        check(importPeak <= HeapPerByte * bytes.size() + HeapSlack, "an import takes a small multiple of the file");
}

// A text as the operator or a unit could give it: any characters, commas,
// quotes and line ends among them.
QString anyText(FuzzInput &in)
{
    return QString::fromUtf8(in.text());
}

void writerEnd(FuzzInput &in)
{
    UnitRecord record;
    // Whole seconds: the journal keeps no more.
    const quint32 seconds = quint32(in.byte()) << 24 | quint32(in.byte()) << 16 | quint32(in.byte()) << 8 | in.byte();
    record.time = QDateTime::fromSecsSinceEpoch(qint64(seconds), Qt::UTC);
    record.config.product = allProducts().at(in.byte() % allProducts().size());
    record.config.module = allModules().at(in.byte() % allModules().size());
    record.config.mode = allLinkModes().at(in.byte() % allLinkModes().size());
    const quint8 present = in.byte();
    for (int reg : { int(Reg::WorkMode), int(Reg::SerialBaud), int(Reg::LinkRate), int(Reg::OutputPower) }) {
        const QStringList &rows = settingRows(record.config.module, reg);
        const int row = in.byte() % int(rows.size());
        // What a unit can be given: a row with a caption.
        if (present & (1 << (reg % 8)) && !rows.at(row).isEmpty())
            record.settings.set(reg, valueForRow(record.config.module, reg, row));
    }
    if (present & 0x80)
        record.settings.set(Reg::RepeaterEnable, in.byte() & 1);
    const auto address = [&] {
        return qint64(quint32(in.byte()) << 24 | quint32(in.byte()) << 16 | quint32(in.byte()) << 8 | in.byte());
    };
    if (present & 0x40)
        record.settings.set(Reg::NetworkAddress, address());
    if (present & 0x20 && isMultipoint(record.config.mode))
        record.settings.set(Reg::UnitAddress, address());
    record.config.port = anyText(in);
    record.result = anyText(in);
    record.detail = anyText(in);

    QFile::remove(filePath());
    RecordFile journal(filePath());
    QString error;
    check(journal.prepare(&error), "a new journal is made");
    const QByteArray attempt = journal.writeRow(QByteArray(), record, &error);
    check(!attempt.isEmpty(), "the row is written");
    const QList<RecordRow> rows = journal.rows(&error);
    check(rows.size() == 1, "the one row written reads back as one row");
    check(rows.first().attempt == QString::fromLatin1(attempt), "its attempt reads back");
    check(sameRecord(rows.first().record, record), "every field reads back as written");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(silence);
    static QTemporaryDir files;
    folder = &files;
    check(folder->isValid(), "a folder for the files");
    __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    switch (in.byte() % 3) {
    case 0: journalEnd(in.bytes(in.left())); break;
    case 1: writerEnd(in); break;
    default: importEnd(in.bytes(in.left())); break;
    }
    return 0;
}
