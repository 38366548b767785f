#include "records/recordstore.h"

#include <QCoreApplication>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace {

struct RecordCheckText {
    Q_DECLARE_TR_FUNCTIONS(RecordCheck)
};

// Rows whose settings went into a unit.
bool storedSettings(const RecordRow &row)
{
    static const QStringList Stored = { "verified", "written", "mismatch", "refused", "lost-after-store" };
    return !row.superseded && Stored.contains(row.record.result);
}

QString counted(const QMap<QString, int> &counts)
{
    QStringList parts;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        parts << RecordCheckText::tr("%1 (%n unit(s))", nullptr, it.value()).arg(it.key().isEmpty() ? QStringLiteral("?") : it.key());
    return parts.join(QStringLiteral(", "));
}

} // namespace

bool holdsItsAddress(const RecordRow &row)
{
    // A unit stored whose result never came may hold it too: counted, to be
    // safe, until it is written again or released.
    static const QStringList Holding = { "verified", "written", "pending" };
    return !row.superseded && Holding.contains(row.record.result);
}

const QStringList &recordResults()
{
    // The words of a unit's end, of a check against a profile, and the
    // record's own for a unit address held and given back.
    static const QStringList words = { "verified", "written", "mismatch", "refused", "interrupted", "lost",
                                       "lost-after-store", "failed", "pending", "matches", "differs",
                                       "reserved", "expired", "released" };
    return words;
}

const char *resultCaptionSource(const QString &key)
{
    static const struct {
        const char *key;
        const char *caption;
    } Captions[] = {
        { "verified", QT_TRANSLATE_NOOP("UnitOutcome", "verified") },
        { "written", QT_TRANSLATE_NOOP("UnitOutcome", "written") },
        { "mismatch", QT_TRANSLATE_NOOP("UnitOutcome", "mismatch") },
        { "refused", QT_TRANSLATE_NOOP("UnitOutcome", "refused") },
        { "interrupted", QT_TRANSLATE_NOOP("UnitOutcome", "interrupted") },
        { "lost", QT_TRANSLATE_NOOP("UnitOutcome", "lost") },
        { "lost-after-store", QT_TRANSLATE_NOOP("UnitOutcome", "lost after storing") },
        { "failed", QT_TRANSLATE_NOOP("UnitOutcome", "failed") },
        { "pending", QT_TRANSLATE_NOOP("UnitOutcome", "pending (result unknown)") },
        { "reserved", QT_TRANSLATE_NOOP("UnitOutcome", "reserved") },
        { "expired", QT_TRANSLATE_NOOP("UnitOutcome", "reservation ended") },
        { "released", QT_TRANSLATE_NOOP("UnitOutcome", "released") },
        { "matches", QT_TRANSLATE_NOOP("UnitOutcome", "matches the profile") },
        { "differs", QT_TRANSLATE_NOOP("UnitOutcome", "differs from the profile") },
    };
    for (const auto &caption : Captions) {
        if (key == QLatin1String(caption.key))
            return caption.caption;
    }
    return nullptr;
}

QStringList recordCaptions(const UnitRecord &record)
{
    const RadioSettings &s = record.settings;
    const Module module = record.config.module;
    return { settingCaption(s, module, Reg::WorkMode), settingCaption(s, module, Reg::SerialBaud),
             settingCaption(s, module, Reg::LinkRate), settingCaption(s, module, Reg::OutputPower), repeaterText(s) };
}

QString recordUnitAddress(const UnitRecord &record)
{
    return isMultipoint(record.config.mode) ? addressText(record.settings, Reg::UnitAddress) : QString();
}

QString recordNetworkAddress(const UnitRecord &record)
{
    return addressText(record.settings, Reg::NetworkAddress);
}

void setRecordSettings(UnitRecord *record, const QString &unitAddress, const QString &networkAddress,
                       const QStringList &captions)
{
    // The columns in the order of the settings' keys.
    const QStringList texts = captions + QStringList { networkAddress, unitAddress };
    record->settings = RadioSettings();
    for (int i = 0; i < settingKeys().size(); ++i) {
        QString allowed;
        if (!texts.value(i).isEmpty())
            setSetting(&record->settings, settingKeys().at(i), texts.value(i), record->config.module, record->config.mode,
                       &allowed);
    }
}

QString oneLine(const QString &text)
{
    return text.simplified();
}

QString findingKey(RecordFinding::Kind kind)
{
    switch (kind) {
    case RecordFinding::LinkMismatch: return QStringLiteral("link");
    case RecordFinding::DuplicateUnit: return QStringLiteral("duplicate");
    case RecordFinding::NeverVerified: return QStringLiteral("never-verified");
    case RecordFinding::Pending: return QStringLiteral("pending");
    case RecordFinding::CodeTwoAddresses: return QStringLiteral("code-addresses");
    case RecordFinding::AddressTwoCodes: return QStringLiteral("address-codes");
    case RecordFinding::Expired: break;
    }
    return QStringLiteral("expired");
}

RecordStore::~RecordStore() = default;

QByteArray RecordStore::reserveUnit(const QByteArray &, UnitRecord *, qint64, bool, bool, QString *error, bool *inUse)
{
    if (inUse)
        *inUse = false;
    if (error)
        *error = QCoreApplication::translate("RecordCheck", "this record cannot reserve unit addresses (a database can)");
    return {};
}

bool RecordStore::release(const QString &, const QString &, QList<RecordRow> *, QString *error)
{
    if (error)
        *error = QCoreApplication::translate("RecordCheck", "this record cannot release unit addresses");
    return false;
}

bool RecordStore::writeStationState(const RecordIdentity &, int, QString *)
{
    return true;
}

qint64 RecordStore::nextFreeUnit(const QString &networkAddress, qint64 start, QString *error) const
{
    const QList<RecordRow> all = rows(error);
    QSet<qint64> taken;
    for (const RecordRow &row : all) {
        if (holdsItsAddress(row) && recordNetworkAddress(row.record) == networkAddress)
            taken.insert(row.record.settings.value(Reg::UnitAddress, 0));
    }
    qint64 address = start;
    while (taken.contains(address) && address < MaxAddress)
        ++address;
    return address;
}

namespace {

// Who left a row, and when: "station A (operator ann) at 2026-12-01T10:00:00Z".
QString leftBy(const UnitRecord &r)
{
    QString who = r.station.isEmpty() ? r.config.port : RecordCheckText::tr("station %1").arg(r.station);
    if (!r.operatorName.isEmpty())
        who += RecordCheckText::tr(" (operator %1)").arg(r.operatorName);
    return RecordCheckText::tr("%1 at %2").arg(who, r.time.toUTC().toString(Qt::ISODate));
}

QString unitOf(const UnitRecord &r)
{
    return recordUnitAddress(r);
}

} // namespace

namespace {

bool configured(const RecordRow &row)
{
    return !row.superseded
           && (row.record.result == QLatin1String("verified") || row.record.result == QLatin1String("written"));
}

QString addressOf(const UnitRecord &r)
{
    const QString unit = recordUnitAddress(r);
    return unit.isEmpty() ? RecordCheckText::tr("network %1").arg(recordNetworkAddress(r))
                          : RecordCheckText::tr("network %1 unit %2").arg(recordNetworkAddress(r), unit);
}

// Unit codes against addresses: a code is one unit, so it holds one address;
// an address is held by one unit, so by one code. For a code, the units
// configured now count: the last row that stored settings under each unit
// address, and every point-to-point row.
QList<RecordFinding> checkCodes(const QList<RecordRow> &rows, const QMap<QPair<QString, QString>, QList<int>> &rowsOfUnit)
{
    QList<int> current;
    for (const QList<int> &unitRows : rowsOfUnit) {
        if (configured(rows.at(unitRows.last())))
            current << unitRows.last();
    }
    for (int i = 0; i < rows.size(); ++i) {
        if (configured(rows.at(i)) && recordUnitAddress(rows.at(i).record).isEmpty())
            current << i;
    }
    std::sort(current.begin(), current.end());
    QMap<QString, QMap<QString, QList<int>>> addressesOfCode;
    QMap<QPair<QString, QString>, QMap<QString, QList<int>>> codesOfUnit;
    for (int i : current) {
        const UnitRecord &r = rows.at(i).record;
        if (r.serial.isEmpty())
            continue;
        addressesOfCode[r.serial][addressOf(r)] << i;
    }
    // Every unit that holds a unit address, as the duplicate check counts
    // them (two units of a point-to-point pair share their network address).
    for (auto it = rowsOfUnit.cbegin(); it != rowsOfUnit.cend(); ++it) {
        for (int i : it.value()) {
            if (configured(rows.at(i)) && !rows.at(i).record.serial.isEmpty())
                codesOfUnit[it.key()][rows.at(i).record.serial] << i;
        }
    }
    QList<RecordFinding> findings;
    for (auto it = addressesOfCode.cbegin(); it != addressesOfCode.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        RecordFinding finding;
        finding.kind = RecordFinding::CodeTwoAddresses;
        const UnitRecord &first = rows.at(it.value().first().first()).record;
        finding.networkAddress = recordNetworkAddress(first);
        finding.unitAddress = recordUnitAddress(first);
        for (const QList<int> &held : it.value())
            finding.rows << held;
        std::sort(finding.rows.begin(), finding.rows.end());
        finding.text = RecordCheckText::tr("unit code %1 is configured with %2 addresses (%3)")
                           .arg(it.key())
                           .arg(it.value().size())
                           .arg(it.value().keys().join(QStringLiteral(", ")));
        findings << finding;
    }
    for (auto it = codesOfUnit.cbegin(); it != codesOfUnit.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        RecordFinding finding;
        finding.kind = RecordFinding::AddressTwoCodes;
        finding.networkAddress = it.key().first;
        finding.unitAddress = it.key().second;
        for (const QList<int> &held : it.value())
            finding.rows << held;
        std::sort(finding.rows.begin(), finding.rows.end());
        finding.text = RecordCheckText::tr("network %1: unit address %2 is configured in units of %3 codes (%4)")
                           .arg(finding.networkAddress, finding.unitAddress)
                           .arg(it.value().size())
                           .arg(it.value().keys().join(QStringLiteral(", ")));
        findings << finding;
    }
    return findings;
}

} // namespace

QList<RecordRow> unitsWithCodes(const QList<RecordRow> &rows, const QStringList &codes)
{
    QList<RecordRow> found;
    for (const QString &code : codes) {
        for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
            if (!code.isEmpty() && it->record.serial == code && configured(*it)) {
                found << *it;
                break;
            }
        }
    }
    return found;
}

QString codeHolderText(const RecordRow &holder)
{
    const UnitRecord &r = holder.record;
    QString when = r.time.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm 'UTC'"));
    if (!r.station.isEmpty())
        when = RecordCheckText::tr("%1, station %2").arg(when, r.station);
    return RecordCheckText::tr("unit code %1 is recorded for %2 (%3 %4)").arg(r.serial, addressOf(r), r.result, when);
}

QList<RecordFinding> checkRecord(const QList<RecordRow> &rows, const QDateTime &now, int reservationTimeoutS)
{
    QList<RecordFinding> findings;
    // Attempts a station left unfinished.
    for (int i = 0; i < rows.size(); ++i) {
        const RecordRow &row = rows.at(i);
        const UnitRecord &r = row.record;
        if (row.superseded)
            continue;
        RecordFinding finding;
        finding.networkAddress = recordNetworkAddress(r);
        finding.unitAddress = unitOf(r);
        finding.rows = { i };
        const QString unit = finding.unitAddress.isEmpty() ? r.config.port : RecordCheckText::tr("unit address %1").arg(finding.unitAddress);
        if (r.result == QLatin1String("pending")) {
            // Its row comes before the unit's first line: the unit may have
            // been stored, or may not.
            finding.kind = RecordFinding::Pending;
            finding.text = finding.unitAddress.isEmpty()
                               ? RecordCheckText::tr("network %1: the unit on %2 may have been written: %3 began writing "
                                                     "it, its result never came (check the unit)")
                                     .arg(finding.networkAddress, r.config.port, leftBy(r))
                               : RecordCheckText::tr("network %1: a unit may hold unit address %2: %3 began writing it, "
                                                     "its result never came (check the unit)")
                                     .arg(finding.networkAddress, finding.unitAddress, leftBy(r));
        } else if ((r.result == QLatin1String("reserved") && r.time.secsTo(now) >= reservationTimeoutS)
                   || r.result == QLatin1String("expired")) {
            // Ended with no result, whichever station's next reservation
            // marked it expired: until it is released, someone must look.
            finding.kind = RecordFinding::Expired;
            finding.text = RecordCheckText::tr("network %1: %2 was reserved by %3 and never written (the reservation has ended)")
                               .arg(finding.networkAddress, unit, leftBy(r));
        } else {
            continue;
        }
        findings << finding;
    }
    // Each unit: the last row that stored settings under its unit address;
    // a point-to-point row stands for a unit of its own.
    QMap<QString, QList<int>> unitsOfNetwork;
    QMap<QPair<QString, QString>, QList<int>> rowsOfUnit;
    for (int i = 0; i < rows.size(); ++i) {
        const RecordRow &row = rows.at(i);
        if (!storedSettings(row))
            continue;
        const QString network = recordNetworkAddress(row.record);
        const QString unit = recordUnitAddress(row.record);
        if (unit.isEmpty()) {
            unitsOfNetwork[network] << i;
            continue;
        }
        rowsOfUnit[{ network, unit }] << i;
    }
    for (auto it = rowsOfUnit.cbegin(); it != rowsOfUnit.cend(); ++it) {
        const QList<int> &unitRows = it.value();
        unitsOfNetwork[it.key().first] << unitRows.last();
        QList<int> holders;
        bool verified = false;
        for (int i : unitRows) {
            const QString &result = rows.at(i).record.result;
            if (result == QLatin1String("verified") || result == QLatin1String("written"))
                holders << i;
            verified = verified || result == QLatin1String("verified");
        }
        if (holders.size() > 1) {
            RecordFinding finding;
            finding.kind = RecordFinding::DuplicateUnit;
            finding.networkAddress = it.key().first;
            finding.unitAddress = it.key().second;
            finding.rows = holders;
            QStringList ports;
            for (int i : holders)
                ports << QStringLiteral("%1 %2").arg(rows.at(i).record.config.port,
                                                     rows.at(i).record.time.toUTC().toString(Qt::ISODate));
            finding.text = RecordCheckText::tr("network %1: unit address %2 is held by %3 units (%4)")
                               .arg(finding.networkAddress, finding.unitAddress)
                               .arg(holders.size())
                               .arg(ports.join(QStringLiteral(", ")));
            findings << finding;
        }
        if (!verified) {
            RecordFinding finding;
            finding.kind = RecordFinding::NeverVerified;
            finding.networkAddress = it.key().first;
            finding.unitAddress = it.key().second;
            finding.rows = unitRows;
            finding.text = RecordCheckText::tr("network %1: unit address %2 was never verified (last: %3)")
                               .arg(finding.networkAddress, finding.unitAddress, rows.at(unitRows.last()).record.result);
            findings << finding;
        }
    }
    findings << checkCodes(rows, rowsOfUnit);
    for (auto it = unitsOfNetwork.cbegin(); it != unitsOfNetwork.cend(); ++it) {
        QMap<QString, int> rates;
        QMap<QString, int> modes;
        for (int i : it.value()) {
            ++rates[settingCaption(rows.at(i).record.settings, rows.at(i).record.config.module, Reg::LinkRate)];
            ++modes[modeKey(rows.at(i).record.config.mode)];
        }
        if (rates.size() < 2 && modes.size() < 2)
            continue;
        RecordFinding finding;
        finding.kind = RecordFinding::LinkMismatch;
        finding.networkAddress = it.key();
        finding.rows = it.value();
        std::sort(finding.rows.begin(), finding.rows.end());
        QStringList parts;
        if (rates.size() > 1)
            parts << RecordCheckText::tr("link rate %1").arg(counted(rates));
        if (modes.size() > 1)
            parts << RecordCheckText::tr("link mode %1").arg(counted(modes));
        finding.text = RecordCheckText::tr("network %1: units cannot link: %2")
                           .arg(finding.networkAddress, parts.join(QStringLiteral("; ")));
        findings << finding;
    }
    return findings;
}
