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

#include "protocol/writeplan.h"

namespace {

struct RecordFileText {
    Q_DECLARE_TR_FUNCTIONS(RecordFile)
};

// The widths of older files: before the attempt column, before the serial.
constexpr int OldColumns = 14;
constexpr int AttemptColumns = 15;

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
    explicit RecordLock(const QString &path)
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
        m_locked = m_lock->tryLock(10000);
        return m_locked;
    }

    std::unique_ptr<QLockFile> m_lock;
    bool m_locked = false;
};

// A record is a file of its own: a device, a pipe or a folder is not one.
bool isRecordFile(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return failWith(error, RecordFileText::tr("not a regular file"));
    return true;
}

// Under the lock: opens the record for appending, writing the header into
// an empty file, and ends a row a crash left unterminated.
bool openForAppend(QFile &file, QString *error)
{
    if (!isRecordFile(file.fileName(), error))
        return false;
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return failWith(error, file.errorString());
    QByteArray lead;
    if (file.size() == 0) {
        lead = csvLine(recordHeader()).toUtf8();
    } else {
        char last = 0;
        if (file.seek(file.size() - 1) && file.getChar(&last) && last != '\n')
            lead = "\r\n";
    }
    return lead.isEmpty() || appendWhole(file, lead, error);
}

} // namespace

const QStringList &recordHeader()
{
    static const QStringList header = { "time", "port", "product", "module", "mode", "unit_address",
                                        "network_address", "work_mode", "baud", "link_rate", "power",
                                        "repeater", "result", "differences", "attempt", "serial" };
    return header;
}

bool isRecordHeader(const QStringList &fields)
{
    return fields == recordHeader() || fields == recordHeader().mid(0, OldColumns)
           || fields == recordHeader().mid(0, AttemptColumns);
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

QByteArray recordLine(const UnitRecord &r, const QString &attempt)
{
    return csvLine(QStringList { r.time.toUTC().toString(Qt::ISODate), r.config.port, productKey(r.config.product),
                                 moduleKey(r.config.module), modeKey(r.config.mode), recordUnitAddress(r),
                                 recordNetworkAddress(r) }
                   + recordCaptions(r) + QStringList { r.result, r.detail, attempt, r.serial })
        .toUtf8();
}

RecordFile::RecordFile(const QString &path)
    : m_path(path)
{
}

bool RecordFile::prepare(QString *error)
{
    RecordLock lock(m_path);
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
    const QList<QStringList> first = parseCsv(QString::fromUtf8(file.readLine()));
    if (!first.isEmpty() && !isRecordHeader(first.first()))
        return failWith(error, RecordFileText::tr("not a provisioning record"));
    return true;
}

QByteArray RecordFile::writeRow(const QByteArray &handle, const UnitRecord &record, QString *error)
{
    const QString attempt = handle.isEmpty() ? newAttemptId() : QString::fromLatin1(handle);
    RecordLock lock(m_path);
    if (!lock.isLocked()) {
        failWith(error, lock.failure());
        return {};
    }
    QFile file(m_path);
    if (!openForAppend(file, error) || !appendWhole(file, recordLine(record, attempt), error))
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

// The last row of each attempt of a parsed file, in the order the attempts
// began; `badRow`, when given, gets the first line that is no record row.
QList<RecordRow> attemptsOf(const QList<QStringList> &all, qsizetype *badRow = nullptr)
{
    QList<RecordRow> list;
    QHash<QString, qsizetype> placeOf;
    for (qsizetype i = 1; i < all.size(); ++i) {
        RecordRow row;
        if (!recordFromFields(all.at(i), &row.record, &row.attempt)) {
            if (badRow) {
                *badRow = i + 1;
                return {};
            }
            continue;
        }
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

bool readImportFile(const QString &path, QList<RecordRow> *rows, QString *error)
{
    rows->clear();
    const QFileInfo info(path);
    if (!info.exists())
        return failWith(error, RecordFileText::tr("no such file"));
    // A device or a pipe could be read for ever.
    if (!info.isFile())
        return failWith(error, RecordFileText::tr("not a regular file"));
    if (info.size() > MaxImportBytes)
        return failWith(error, RecordFileText::tr("larger than %1 MiB: not a provisioning record").arg(MaxImportBytes >> 20));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failWith(error, file.errorString());
    const QByteArray bytes = file.read(MaxImportBytes + 1);
    if (bytes.size() > MaxImportBytes)
        return failWith(error, RecordFileText::tr("larger than %1 MiB: not a provisioning record").arg(MaxImportBytes >> 20));
    const QList<QStringList> all = parseCsv(QString::fromUtf8(bytes));
    if (all.isEmpty() || !isRecordHeader(all.first()))
        return failWith(error, RecordFileText::tr("not a provisioning record (its first line must be the header %1)")
                                   .arg(recordHeader().join(QLatin1Char(','))));
    qsizetype badRow = 0;
    *rows = attemptsOf(all, &badRow);
    if (badRow)
        return failWith(error, RecordFileText::tr("line %1 is not a record row").arg(badRow));
    // A row of an older file is known by the whole of it.
    for (RecordRow &row : *rows) {
        if (row.attempt.isEmpty())
            row.attempt = QStringLiteral("row-") + QString::fromLatin1(QCryptographicHash::hash(recordLine(row.record), QCryptographicHash::Sha1).toHex());
    }
    return true;
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
        shown << parseCsv(QString::fromUtf8(recordLine(row.record, row.attempt))).value(0);
    return shown;
}

bool recordFromFields(const QStringList &f, UnitRecord *r, QString *attempt)
{
    if (f.size() != recordHeader().size() && f.size() != OldColumns && f.size() != AttemptColumns)
        return false;
    const std::optional<Product> product = productForKey(f.at(2));
    const std::optional<Module> module = moduleForKey(f.at(3));
    const std::optional<LinkMode> mode = modeForKey(f.at(4));
    if (!product || !module || !mode)
        return false;
    r->time = QDateTime::fromString(f.at(0), Qt::ISODate);
    r->config.port = f.at(1);
    r->config.product = *product;
    r->config.module = *module;
    r->config.mode = *mode;
    setRecordSettings(r, f.at(5), f.at(6), f.mid(7, 5));
    r->result = f.at(12);
    r->detail = f.at(13);
    if (attempt)
        *attempt = f.value(14);
    r->serial = f.value(15);
    return true;
}

QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
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
