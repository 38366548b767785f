#include "radio/recordstore.h"

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
    return !row.superseded
           && (row.record.result == QLatin1String("verified") || row.record.result == QLatin1String("written"));
}

RecordStore::~RecordStore() = default;

QByteArray RecordStore::reserveUnit(UnitRecord *, qint64, bool, bool, QString *error, bool *inUse)
{
    if (inUse)
        *inUse = false;
    if (error)
        *error = QCoreApplication::translate("RecordCheck", "this record cannot reserve unit addresses (a database can)");
    return {};
}

qint64 RecordStore::nextFreeUnit(const QString &networkAddress, qint64 start, QString *error) const
{
    const QList<RecordRow> all = rows(error);
    QSet<qint64> taken;
    for (const RecordRow &row : all) {
        if (holdsItsAddress(row) && row.record.settings.networkAddress == networkAddress)
            taken.insert(row.record.settings.unitAddress.toLongLong());
    }
    qint64 address = start;
    while (taken.contains(address) && address < MaxAddress)
        ++address;
    return address;
}

QList<RecordFinding> checkRecord(const QList<RecordRow> &rows)
{
    QList<RecordFinding> findings;
    // Each unit: the last row that stored settings under its unit address;
    // a point-to-point row stands for a unit of its own.
    QMap<QString, QList<int>> unitsOfNetwork;
    QMap<QPair<QString, QString>, QList<int>> rowsOfUnit;
    for (int i = 0; i < rows.size(); ++i) {
        const RecordRow &row = rows.at(i);
        if (!storedSettings(row))
            continue;
        const QString network = row.record.settings.networkAddress;
        const QString unit = isMultipoint(row.record.config.mode) ? row.record.settings.unitAddress : QString();
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
    for (auto it = unitsOfNetwork.cbegin(); it != unitsOfNetwork.cend(); ++it) {
        QMap<QString, int> rates;
        QMap<QString, int> modes;
        for (int i : it.value()) {
            ++rates[rows.at(i).record.settings.linkRate];
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
