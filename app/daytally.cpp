#include "app/daytally.h"

#include <QSettings>
#include <QStringList>

#include "records/recordfile.h"

namespace {

constexpr char DayKey[] = "day/date";
constexpr char CountsKey[] = "day/verified";
constexpr char LastKey[] = "day/lastUnits";

} // namespace

void DayTally::add(const UnitRecord &record, bool verified)
{
    const QDate day = record.time.toLocalTime().date();
    if (day != m_day) {
        m_day = day;
        m_verified.clear();
    }
    if (verified)
        ++m_verified[recordNetworkAddress(record)];
    m_last.prepend(record);
    while (m_last.size() > lastKept)
        m_last.removeLast();
}

int DayTally::verifiedOn(const QString &network, const QDate &today) const
{
    return today == m_day ? m_verified.value(network) : 0;
}

// Readable in the settings file: "network=count", and each row as the
// journal writes it, read back by the journal's own rules.
void DayTally::load(const QSettings &settings)
{
    m_day = QDate::fromString(settings.value(QLatin1String(DayKey)).toString(), Qt::ISODate);
    m_verified.clear();
    const QStringList counts = settings.value(QLatin1String(CountsKey)).toStringList();
    for (const QString &count : counts) {
        const qsizetype equals = count.lastIndexOf(u'=');
        if (equals > 0)
            m_verified.insert(count.left(equals), count.mid(equals + 1).toInt());
    }
    m_last.clear();
    const QStringList rows = settings.value(QLatin1String(LastKey)).toStringList();
    for (const QString &row : rows) {
        UnitRecord record;
        const QList<QStringList> fields = parseCsv(row);
        if (!fields.isEmpty() && recordFromFields(fields.first(), &record) && m_last.size() < lastKept)
            m_last.append(record);
    }
}

void DayTally::save(QSettings &settings) const
{
    settings.setValue(QLatin1String(DayKey), m_day.toString(Qt::ISODate));
    QStringList counts;
    for (auto it = m_verified.cbegin(); it != m_verified.cend(); ++it)
        counts << QStringLiteral("%1=%2").arg(it.key()).arg(it.value());
    settings.setValue(QLatin1String(CountsKey), counts);
    QStringList rows;
    for (const UnitRecord &record : m_last) {
        QStringList cells;
        for (const QString &field : recordFields(record))
            cells << csvField(field);
        rows << cells.join(u',');
    }
    settings.setValue(QLatin1String(LastKey), rows);
}
