#include "records/recordfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QUuid>

#include <algorithm>

#include "protocol/unitcode.h"
#include "protocol/writeplan.h"
#include "records/csvreader.h"

namespace {

struct RecordFileText {
    Q_DECLARE_TR_FUNCTIONS(RecordFile)
};

// The widths of older files: before the attempt, before the station's columns.
constexpr int OldColumns = 14;
constexpr int AttemptColumns = 15;
// Files written before the pauses column.
constexpr int StationColumns = 18;
// Files written before the serial column.
constexpr int PausesColumns = 19;

// What makes a spreadsheet read the file as UTF-8 (Chinese included).
const QByteArray Utf8Bom("\xEF\xBB\xBF");
// The first column's name since it names the zone.
const QByteArray TimeUtcColumn("time_utc");

// An address asked about, as the record holds it (a caller may give
// leading zeros).
QString addressOf(const QString &text)
{
    return text.isEmpty() ? QString() : QString::number(addressFromText(text));
}

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << csvField(field);
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

bool failWith(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

// The whole of `bytes`, or nothing: a short or failed write (a full disk, a
// file too large) is cut back to the length the file had, so no half row
// stays behind. The file is unbuffered, so nothing is left to be written
// later behind the cut.
bool appendWhole(QFile &file, const QByteArray &bytes, QString *error)
{
    const qint64 before = file.size();
    // A short write says nothing of why; the next one says (no space left).
    qint64 done = 0;
    for (qint64 part = 0; done < bytes.size(); done += part) {
        part = file.write(bytes.constData() + done, bytes.size() - done);
        if (part <= 0)
            break;
    }
    if (done == bytes.size())
        return true;
    const QString message = file.errorString();
    file.resize(before);
    return failWith(error, message);
}

// The record's canonical path: the same for every spelling of it (a
// symlinked folder, a relative path), also before the file exists.
QString canonicalPath(const QString &path)
{
    const QFileInfo info(path);
    const QString file = info.canonicalFilePath();
    if (!file.isEmpty())
        return file;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

// Other programs (another kvx-cli, the window) may append to the same
// record: one lock per record, beside it and named from its canonical path,
// so that every program agrees whatever its temporary folder or its
// spelling of the path. Where the record's folder takes no new file (no
// permission, no space left), the lock lives in the temporary folder,
// still named from the canonical path.
class RecordLock
{
public:
    // Waits up to `waitMs` for another program's append.
    RecordLock(const QString &path, int waitMs)
        : m_waitMs(waitMs)
    {
        const QString canonical = canonicalPath(path);
        const QFileInfo info(canonical);
        m_lock = std::make_unique<QLockFile>(QDir(info.absolutePath()).filePath(QStringLiteral(".%1.lock").arg(info.fileName())));
        if (take() || m_lock->error() == QLockFile::LockFailedError)
            return;
        const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        m_lock = std::make_unique<QLockFile>(QDir::temp().filePath(QStringLiteral("kvx-record-%1.lock").arg(QString::fromLatin1(hash))));
        take();
    }
    bool isLocked() const { return m_locked; }
    QString failure() const
    {
        return m_lock->error() == QLockFile::LockFailedError
                   ? RecordFileText::tr("the record is locked by another program")
                   : RecordFileText::tr("the record cannot be locked (%1)").arg(QDir::toNativeSeparators(m_lock->fileName()));
    }

private:
    bool take()
    {
        // A lock is held for one append; one older than this was left by a
        // program that died holding it.
        m_lock->setStaleLockTime(30000);
        m_locked = m_lock->tryLock(m_waitMs);
        return m_locked;
    }

    std::unique_ptr<QLockFile> m_lock;
    bool m_locked = false;
    int m_waitMs;
};

// A record is a file of its own: a device, a pipe or a folder is not one.
bool isRecordFile(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return failWith(error, RecordFileText::tr("not a regular file"));
    return true;
}

// Under the lock: opens the record for appending, writing the byte order
// mark and the header into an empty file, and ends a row a crash left
// unterminated. A file that exists is appended to as it is, in the time
// spelling of its header (`style`).
bool openForAppend(QFile &file, QString *error, RecordTimeStyle *style = nullptr)
{
    if (!isRecordFile(file.fileName(), error))
        return false;
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return failWith(error, file.errorString());
    QByteArray lead;
    RecordTimeStyle spelling = RecordTimeStyle::Spreadsheet;
    if (file.size() == 0) {
        lead = recordFileStart();
    } else {
        char last = 0;
        if (file.seek(file.size() - 1) && file.getChar(&last) && last != '\n')
            lead = "\r\n";
        QByteArray start;
        if (file.seek(0))
            start = file.read(Utf8Bom.size() + TimeUtcColumn.size() + 1);
        if (start.startsWith(Utf8Bom))
            start = start.mid(Utf8Bom.size());
        if (!start.startsWith(TimeUtcColumn + ','))
            spelling = RecordTimeStyle::Spaced;
    }
    if (style)
        *style = spelling;
    return lead.isEmpty() || appendWhole(file, lead, error);
}

} // namespace

const QStringList &recordHeader()
{
    static const QStringList header = { "time_utc", "port", "product", "module", "mode", "unit_address",
                                        "network_address", "work_mode", "baud", "link_rate", "power",
                                        "repeater", "result", "differences", "attempt", "station",
                                        "operator", "tool_version", "pauses", "serial" };
    return header;
}

bool isRecordHeader(const QStringList &given)
{
    // Files before the zone was named call the first column "time".
    QStringList fields = given;
    if (!fields.isEmpty() && fields.first() == QLatin1String("time"))
        fields.first() = recordHeader().first();
    return fields == recordHeader() || fields == recordHeader().mid(0, OldColumns)
           || fields == recordHeader().mid(0, AttemptColumns) || fields == recordHeader().mid(0, StationColumns)
           || fields == recordHeader().mid(0, PausesColumns);
}

QString newAttemptId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

namespace {

// What a spreadsheet takes for the start of a formula.
bool startsFormula(const QString &text)
{
    static const QString Starts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && Starts.contains(text.at(0));
}

bool isGuarded(const QString &text)
{
    return text.size() > 1 && text.at(0) == QLatin1Char('\'')
           && (startsFormula(text.mid(1, 1)) || text.at(1) == QLatin1Char('\''));
}

} // namespace

// A text that starts with an apostrophe before what would be guarded is
// guarded as well, so that taking one apostrophe off always gives the text
// back, and any other text (an older file's) is read as it stands.
QString guardedCell(const QString &text)
{
    return startsFormula(text) || isGuarded(text) ? QLatin1Char('\'') + text : text;
}

QString unguardedCell(const QString &text)
{
    return isGuarded(text) ? text.mid(1) : text;
}

QByteArray recordFileStart()
{
    return Utf8Bom + csvLine(recordHeader()).toUtf8();
}

QString recordTimeText(const QDateTime &time, RecordTimeStyle style)
{
    return time.toUTC().toString(style == RecordTimeStyle::Spreadsheet ? QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")
                                                                       : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime recordTimeFromText(const QString &text)
{
    // Read as UTC from the start (the header names the zone): a local time
    // would ask the system's zone for every row.
    if (text.size() == 19 && (text.at(10) == QLatin1Char(' ') || text.at(10) == QLatin1Char('T'))) {
        const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
        const QTime clock = QTime::fromString(text.mid(11), QStringLiteral("HH:mm:ss"));
        return date.isValid() && clock.isValid() ? QDateTime(date, clock, Qt::UTC) : QDateTime();
    }
    // Older files: ISO 8601 with its zone.
    const QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    return time.isValid() && time.timeSpec() != Qt::LocalTime ? time.toUTC() : QDateTime();
}

QStringList recordFields(const UnitRecord &r, const QString &attempt, RecordTimeStyle style)
{
    return QStringList { recordTimeText(r.time, style), r.config.port, productKey(r.config.product), moduleKey(r.config.module),
                         modeKey(r.config.mode), recordUnitAddress(r), recordNetworkAddress(r) }
           + recordCaptions(r) + QStringList { r.result, r.detail, attempt, r.station, r.operatorName, r.toolVersion, r.pauses,
                                          r.serial };
}

QByteArray recordLine(const UnitRecord &r, const QString &attempt, RecordTimeStyle style)
{
    QStringList cells = recordFields(r, attempt, style);
    for (QString &cell : cells)
        cell = guardedCell(cell);
    return csvLine(cells).toUtf8();
}

RecordFile::RecordFile(const QString &path)
    : m_path(path)
{
}

bool RecordFile::prepare(QString *error)
{
    RecordLock lock(m_path, callBound());
    if (!lock.isLocked())
        return failWith(error, lock.failure());
    QFile file(m_path);
    return openForAppend(file, error);
}

bool RecordFile::openExisting(QString *error)
{
    const QFileInfo info(m_path);
    if (!info.exists())
        return failWith(error, RecordFileText::tr("no such record"));
    if (!isRecordFile(m_path, error))
        return false;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return failWith(error, file.errorString());
    QByteArray line = file.readLine();
    if (line.startsWith(Utf8Bom))
        line = line.mid(Utf8Bom.size());
    const QList<QStringList> first = parseCsv(QString::fromUtf8(line));
    if (!first.isEmpty() && !isRecordHeader(first.first()))
        return failWith(error, RecordFileText::tr("not a provisioning record"));
    return true;
}

QByteArray RecordFile::writeRow(const QByteArray &handle, const UnitRecord &record, QString *error)
{
    const QString attempt = handle.isEmpty() ? newAttemptId() : QString::fromLatin1(handle);
    RecordLock lock(m_path, callBound());
    if (!lock.isLocked()) {
        failWith(error, lock.failure());
        return {};
    }
    QFile file(m_path);
    RecordTimeStyle style = RecordTimeStyle::Spreadsheet;
    if (!openForAppend(file, error, &style) || !appendWhole(file, recordLine(record, attempt, style), error))
        return {};
    return attempt.toLatin1();
}

QList<QStringList> RecordFile::journal() const
{
    QFile file(m_path);
    if (m_path.isEmpty() || !QFileInfo(m_path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return parseCsv(QString::fromUtf8(file.readAll()));
}

namespace {

bool readRow(const QStringList &cells, UnitRecord *r, QString *attempt, QString *why, bool strict);

// The last row of each attempt of a parsed file, in the order the attempts
// began.
QList<RecordRow> attemptsOf(const QList<QStringList> &all)
{
    QList<RecordRow> list;
    QHash<QString, qsizetype> placeOf;
    for (qsizetype i = 1; i < all.size(); ++i) {
        RecordRow row;
        if (!readRow(all.at(i), &row.record, &row.attempt, nullptr, false))
            continue;
        if (!row.attempt.isEmpty()) {
            const auto seen = placeOf.constFind(row.attempt);
            if (seen != placeOf.cend()) {
                list[seen.value()] = row;
                continue;
            }
            placeOf.insert(row.attempt, list.size());
        }
        list << row;
    }
    return list;
}

} // namespace

QList<RecordRow> RecordFile::rows(QString *error) const
{
    if (!QFileInfo::exists(m_path) || !isRecordFile(m_path, error))
        return {};
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        failWith(error, file.errorString());
        return {};
    }
    return attemptsOf(parseCsv(QString::fromUtf8(file.readAll())));
}

ImportFile::ImportFile() = default;
ImportFile::~ImportFile() = default;

bool ImportFile::open(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failWith(error, RecordFileText::tr("no such file"));
    // A device or a pipe could be read for ever.
    if (!info.isFile())
        return failWith(error, RecordFileText::tr("not a regular file"));
    if (info.size() > MaxImportBytes)
        return failWith(error, RecordFileText::tr("larger than %1 MiB: not a provisioning record").arg(MaxImportBytes >> 20));
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return failWith(error, file->errorString());
    m_file = std::move(file);
    return open(m_file.get(), error);
}

bool ImportFile::open(QIODevice *device, QString *error)
{
    QString unsaid;
    if (!error)
        error = &unsaid;
    m_device = device;
    m_lastRowOf.clear();
    m_size = 0;
    if (!rewind(error))
        return false;
    // The first pass: every row checked, each attempt's last row noted.
    RecordRow row;
    qint64 read = 0;
    while (readRow(&row, error)) {
        // However the device is fed, it is read no further than a file.
        read += row.record.detail.size() + row.record.config.port.size() + 128;
        if (read > MaxImportBytes)
            return failWith(error, RecordFileText::tr("larger than %1 MiB: not a provisioning record").arg(MaxImportBytes >> 20));
        m_lastRowOf.insert(row.attempt, m_row);
    }
    m_size = m_lastRowOf.size();
    return error->isEmpty();
}

bool ImportFile::rewind(QString *error)
{
    QString unsaid;
    if (!error)
        error = &unsaid;
    error->clear();
    if (!m_device->seek(0))
        return failWith(error, RecordFileText::tr("cannot be read again from its start"));
    // Room for every column and a few more: a row of many more is none.
    m_reader = std::make_unique<CsvReader>(m_device, MaxRecordRowBytes, int(recordHeader().size()) + 8);
    m_row = 0;
    QStringList fields;
    const CsvReader::Status status = m_reader->next(&fields);
    if (status == CsvReader::Refused)
        return failWith(error, m_reader->error());
    if (status == CsvReader::End || !isRecordHeader(fields))
        return failWith(error, RecordFileText::tr("not a provisioning record (its first line must be the header %1)")
                                   .arg(recordHeader().join(QLatin1Char(','))));
    return true;
}

bool ImportFile::readRow(RecordRow *row, QString *error)
{
    QStringList fields;
    const CsvReader::Status status = m_reader->next(&fields);
    if (status != CsvReader::Row) {
        if (status == CsvReader::Refused)
            failWith(error, m_reader->error());
        return false;
    }
    ++m_row;
    *row = RecordRow();
    // A spreadsheet that took the file for Windows-1252 gives back valid
    // UTF-8 of other characters: taken in, every code of it would be wrong.
    for (const QString &field : std::as_const(fields)) {
        const QString meant = misreadUtf8(field);
        if (!meant.isEmpty())
            return failWith(error, RecordFileText::tr("line %1: \"%2\" is UTF-8 text that was read as Windows-1252 and "
                                                      "saved again (a spreadsheet opened the file without knowing it "
                                                      "was UTF-8); it was \"%3\". Open the original file, or choose "
                                                      "UTF-8 when the spreadsheet asks for the character set")
                                       .arg(m_reader->line())
                                       .arg(shownUnitCode(field), shownUnitCode(meant)));
    }
    QString why;
    if (!recordFromFields(fields, &row->record, &row->attempt, &why))
        return failWith(error, RecordFileText::tr("line %1: %2").arg(m_reader->line()).arg(why));
    // A row of an older file is known by the whole of it.
    if (row->attempt.isEmpty())
        row->attempt = QStringLiteral("row-")
                       + QString::fromLatin1(QCryptographicHash::hash(recordLine(row->record, QString(), RecordTimeStyle::Spaced),
                                                                      QCryptographicHash::Sha1)
                                                 .toHex());
    return true;
}

bool ImportFile::next(RecordRow *row, QString *error)
{
    QString unsaid;
    if (!error)
        error = &unsaid;
    while (readRow(row, error)) {
        if (m_lastRowOf.value(row->attempt, -1) != m_row)
            continue;
        if (row->record.station.isEmpty())
            row->record.station = m_station;
        return true;
    }
    return false;
}

bool readImportRows(QIODevice *device, QList<RecordRow> *rows, QString *error)
{
    QString unsaid;
    if (!error)
        error = &unsaid;
    rows->clear();
    ImportFile file;
    if (!file.open(device, error) || !file.rewind(error))
        return false;
    RecordRow row;
    while (file.next(&row, error))
        *rows << row;
    if (!error->isEmpty())
        rows->clear();
    return error->isEmpty();
}

bool RecordFile::holdsUnit(const QString &unitAddress, const QString &networkAddress) const
{
    const QList<RecordRow> all = rows();
    return std::any_of(all.begin(), all.end(), [&](const RecordRow &row) {
        return holdsItsAddress(row) && recordUnitAddress(row.record) == addressOf(unitAddress)
               && recordNetworkAddress(row.record) == addressOf(networkAddress);
    });
}

bool RecordFile::release(const QString &networkAddress, const QString &unitAddress, QList<RecordRow> *released,
                         QString *error)
{
    released->clear();
    QString failure;
    const QList<RecordRow> all = rows(&failure);
    if (!failure.isEmpty())
        return failWith(error, failure);
    for (const RecordRow &row : all) {
        const UnitRecord &r = row.record;
        if (row.superseded || r.result != QLatin1String("pending") || recordNetworkAddress(r) != addressOf(networkAddress)
            || recordUnitAddress(r) != addressOf(unitAddress))
            continue;
        UnitRecord ended = r;
        ended.time = QDateTime::currentDateTimeUtc();
        ended.result = QStringLiteral("released");
        ended.detail = QStringLiteral("released by hand (was pending)");
        // A row of an older file has no attempt a later row could end.
        if (row.attempt.isEmpty())
            return failWith(error, RecordFileText::tr("the pending row of %1 has no attempt id to end").arg(r.time.toString(Qt::ISODate)));
        if (writeRow(row.attempt.toLatin1(), ended, error).isEmpty())
            return false;
        *released << row;
    }
    return true;
}

QList<QStringList> readRecordRows(const QString &path)
{
    const RecordFile file(path);
    const QList<QStringList> journal = file.journal();
    if (journal.isEmpty())
        return {};
    QList<QStringList> shown { journal.first() };
    for (const RecordRow &row : file.rows())
        shown << recordFields(row.record, row.attempt).mid(0, journal.first().size());
    return shown;
}

namespace {

// A row's cells as a record. `strict`: each value as a write would take
// it, or the row is refused; else (this program's own journal) a value the
// module lacks is left out and the row kept, as it always was read.
bool readRow(const QStringList &cells, UnitRecord *r, QString *attempt, QString *why, bool strict)
{
    QString reason;
    if (!why)
        why = &reason;
    if (cells.size() != recordHeader().size() && cells.size() != OldColumns && cells.size() != AttemptColumns
        && cells.size() != StationColumns && cells.size() != PausesColumns) {
        *why = RecordFileText::tr("%1 fields, where a record row has %2").arg(cells.size()).arg(recordHeader().size());
        return false;
    }
    QStringList f;
    for (const QString &cell : cells)
        f << unguardedCell(cell);
    const auto unknown = [why](const QString &column, const QString &value, const QString &allowed) {
        *why = RecordFileText::tr("%1 \"%2\" is none of %3").arg(column, value, allowed);
        return false;
    };
    const std::optional<Product> product = productForKey(f.at(2));
    if (!product)
        return unknown(QStringLiteral("product"), f.at(2), QStringLiteral("kv5, kv6"));
    const std::optional<Module> module = moduleForKey(f.at(3));
    if (!module)
        return unknown(QStringLiteral("module"), f.at(3), QStringLiteral("tarn, brae-loch, skerry, half-fjord"));
    const std::optional<LinkMode> mode = modeForKey(f.at(4));
    if (!mode)
        return unknown(QStringLiteral("mode"), f.at(4), QStringLiteral("p2p, p2mp"));
    r->time = recordTimeFromText(f.at(0));
    if (strict && !r->time.isValid()) {
        *why = RecordFileText::tr("time \"%1\" is not a date and time with its zone").arg(f.at(0));
        return false;
    }
    r->config.port = f.at(1);
    r->config.product = *product;
    r->config.module = *module;
    r->config.mode = *mode;
    // Each setting as a write takes it: a caption of the row's module, an
    // address in range.
    static const struct {
        int column;
        const char *key;
        const char *name;
    } Settings[] = { { 7, "workMode", "work_mode" }, { 8, "baud", "baud" }, { 9, "linkRate", "link_rate" },
                     { 10, "power", "power" }, { 11, "repeater", "repeater" }, { 6, "networkAddress", "network_address" },
                     { 5, "unitAddress", "unit_address" } };
    r->settings = RadioSettings();
    for (const auto &setting : Settings) {
        const QString &value = f.at(setting.column);
        QString allowed;
        if (!value.isEmpty()
            && !setSetting(&r->settings, QLatin1String(setting.key), value, *module, *mode, &allowed) && strict)
            return unknown(QLatin1String(setting.name), value, allowed);
    }
    r->result = f.at(12);
    if (strict && !recordResults().contains(r->result))
        return unknown(QStringLiteral("result"), r->result, recordResults().join(QStringLiteral(", ")));
    r->detail = f.at(13);
    const QString id = f.value(14);
    if (strict
        && (id.size() > 64 || std::any_of(id.begin(), id.end(), [](QChar c) { return !c.isPrint() || c.isSpace(); }))) {
        *why = RecordFileText::tr("attempt \"%1\" is not an attempt id").arg(id);
        return false;
    }
    if (attempt)
        *attempt = id;
    r->station = f.value(15);
    r->operatorName = f.value(16);
    r->toolVersion = f.value(17);
    r->pauses = f.value(18);
    if (strict && !r->pauses.isEmpty() && r->pauses != QLatin1String("specified") && r->pauses != QLatin1String("quick"))
        return unknown(QStringLiteral("pauses"), r->pauses, QStringLiteral("specified, quick"));
    r->serial = f.value(19);
    if (strict && !r->serial.isEmpty()) {
        const QString problem = unitCodeProblem(r->serial);
        if (!problem.isEmpty()) {
            *why = problem;
            return false;
        }
    }
    return true;
}

} // namespace

bool recordFromFields(const QStringList &fields, UnitRecord *record, QString *attempt, QString *why)
{
    return readRow(fields, record, attempt, why, true);
}

QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool any = false;
    // A byte order mark opens the file; it is no part of the first field.
    for (qsizetype i = text.startsWith(QChar(0xFEFF)) ? 1 : 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            any = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
            any = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            if (any || !field.isEmpty()) {
                row << field;
                rows << row;
            }
            row.clear();
            field.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || !field.isEmpty()) {
        row << field;
        rows << row;
    }
    return rows;
}
