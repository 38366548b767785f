#include "radio/recordfile.h"

#include <QCryptographicHash>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include "radio/writeplan.h"

const QStringList &recordHeader()
{
    static const QStringList header = { "time", "port", "product", "module", "mode", "unit_address",
                                        "network_address", "work_mode", "baud", "link_rate", "power",
                                        "repeater", "result", "differences" };
    return header;
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

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << csvField(field);
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

// Addresses as the unit holds them (the form may show leading zeros).
QString addressOf(const QString &text)
{
    return text.isEmpty() ? QString() : QString::number(addressFromText(text));
}

// The whole of `bytes`, or nothing: a short write (a full disk) is cut back,
// so no half row stays behind.
bool writeWhole(QFile &file, const QByteArray &bytes, QString *error)
{
    const qint64 before = file.size();
    if (file.write(bytes) == bytes.size() && file.flush())
        return true;
    const QString message = file.errorString();
    file.resize(before);
    if (error)
        *error = message;
    return false;
}

// Other programs (another kvx-cli, the window) may write the same record:
// one lock per record, in the temporary folder so that a record in a folder
// we may not create files in can still be locked.
class RecordLock
{
public:
    explicit RecordLock(const QString &path)
        : m_lock(lockPathFor(path))
    {
        m_lock.setStaleLockTime(30000);
        m_locked = m_lock.tryLock(10000);
    }
    bool isLocked() const { return m_locked; }

private:
    static QString lockPathFor(const QString &path)
    {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        const QByteArray hash = QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        return QDir::temp().filePath(QStringLiteral("kvx-record-%1.lock").arg(QString::fromLatin1(hash)));
    }

    QLockFile m_lock;
    bool m_locked = false;
};

bool failWith(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

// Under the lock: opens the record for appending, writing the header into
// an empty file, and ends a row a crash left unterminated.
bool openForAppend(QFile &file, QString *error)
{
    const qint64 size = QFileInfo(file.fileName()).size();
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return failWith(error, file.errorString());
    QByteArray lead;
    if (size == 0 || file.size() == 0) {
        lead = csvLine(recordHeader()).toUtf8();
    } else {
        char last = 0;
        if (file.seek(file.size() - 1) && file.getChar(&last) && last != '\n')
            lead = "\r\n";
    }
    if (lead.isEmpty())
        return true;
    return writeWhole(file, lead, error);
}

} // namespace

QByteArray recordLine(const UnitRecord &r)
{
    const bool multipoint = isMultipoint(r.config.mode);
    return csvLine({ r.time.toUTC().toString(Qt::ISODate), r.config.port, productKey(r.config.product),
                     moduleKey(r.config.module), modeKey(r.config.mode),
                     multipoint ? addressOf(r.settings.unitAddress) : QString(), addressOf(r.settings.networkAddress),
                     r.settings.workMode, r.settings.baud, r.settings.linkRate, r.settings.power,
                     repeaterText(r.settings.repeaterRow), r.result, r.detail })
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
        return failWith(error, QStringLiteral("the record is locked by another program"));
    QFile file(m_path);
    return openForAppend(file, error);
}

QByteArray RecordFile::writeRow(const QByteArray &handle, const UnitRecord &record, QString *error)
{
    const QByteArray line = recordLine(record);
    if (handle.isEmpty())
        return appendLine(line, error);
    return replaceLine(handle, line, error) ? line : QByteArray();
}

QByteArray RecordFile::appendLine(const QByteArray &line, QString *error)
{
    RecordLock lock(m_path);
    if (!lock.isLocked()) {
        failWith(error, QStringLiteral("the record is locked by another program"));
        return {};
    }
    QFile file(m_path);
    if (!openForAppend(file, error) || !writeWhole(file, line, error))
        return {};
    return line;
}

bool RecordFile::replaceLine(const QByteArray &pending, const QByteArray &line, QString *error)
{
    RecordLock lock(m_path);
    if (!lock.isLocked())
        return failWith(error, QStringLiteral("the record is locked by another program"));
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return failWith(error, file.errorString());
    QByteArray text = file.readAll();
    file.close();
    // The pending row starts a line of its own.
    qsizetype at = text.startsWith(pending) ? 0 : -1;
    if (at < 0) {
        at = text.indexOf("\n" + pending);
        if (at >= 0)
            ++at;
    }
    if (at < 0) {
        if (!openForAppend(file, error))
            return false;
        return writeWhole(file, line, error);
    }
    text.replace(at, pending.size(), line);
    // Written aside and renamed over the record, so a crash leaves either
    // the old or the new file; in place where the folder allows no new file.
    QSaveFile save(m_path);
    save.setDirectWriteFallback(true);
    if (!save.open(QIODevice::WriteOnly) || save.write(text) != text.size() || !save.commit())
        return failWith(error, save.errorString());
    return true;
}

QList<QStringList> RecordFile::textRows() const
{
    QFile file(m_path);
    if (m_path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return parseCsv(QString::fromUtf8(file.readAll()));
}

bool RecordFile::holdsUnit(const QString &unitAddress, const QString &networkAddress) const
{
    const QList<RecordRow> all = rows();
    return std::any_of(all.begin(), all.end(), [&](const RecordRow &row) {
        return holdsItsAddress(row) && row.record.settings.unitAddress == addressOf(unitAddress)
               && row.record.settings.networkAddress == addressOf(networkAddress);
    });
}

QList<QStringList> readRecordRows(const QString &path)
{
    return RecordFile(path).textRows();
}

QList<RecordRow> RecordFile::rows(QString *error) const
{
    QList<RecordRow> list;
    if (!QFileInfo::exists(m_path))
        return list;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return list;
    }
    const QList<QStringList> all = parseCsv(QString::fromUtf8(file.readAll()));
    for (qsizetype i = 1; i < all.size(); ++i) {
        RecordRow row;
        if (recordFromFields(all.at(i), &row.record))
            list << row;
    }
    return list;
}

bool recordFromFields(const QStringList &f, UnitRecord *r)
{
    if (f.size() != recordHeader().size())
        return false;
    r->time = QDateTime::fromString(f.at(0), Qt::ISODate);
    r->config.port = f.at(1);
    const std::optional<Product> product = productForKey(f.at(2));
    const std::optional<Module> module = moduleForKey(f.at(3));
    const std::optional<LinkMode> mode = modeForKey(f.at(4));
    if (!product || !module || !mode)
        return false;
    r->config.product = *product;
    r->config.module = *module;
    r->config.mode = *mode;
    RadioSettings &s = r->settings;
    s.unitAddress = f.at(5);
    s.hasUnitAddress = !s.unitAddress.isEmpty();
    s.networkAddress = f.at(6);
    s.hasNetworkAddress = !s.networkAddress.isEmpty();
    s.workMode = f.at(7);
    s.baud = f.at(8);
    s.linkRate = f.at(9);
    s.power = f.at(10);
    s.repeaterRow = f.at(11) == QLatin1String("on") ? 1 : f.at(11) == QLatin1String("off") ? 0 : -1;
    r->result = f.at(12);
    r->detail = f.at(13);
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

