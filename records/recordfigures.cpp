#include "records/recordfigures.h"

namespace {

bool isInspection(const QString &result)
{
    return result == QLatin1String("matches") || result == QLatin1String("differs");
}

void count(FigureCount *figure, bool good)
{
    ++figure->attempts;
    if (good)
        ++figure->good;
}

} // namespace

bool isGoodRow(const RecordRow &row)
{
    const QString &result = row.record.result;
    return result == QLatin1String("verified") || result == QLatin1String("written");
}

RecordFigures recordFigures(const QList<RecordRow> &rows, const QDateTime &from, const QDateTime &to)
{
    RecordFigures figures;
    figures.from = from.toUTC();
    figures.to = to.toUTC();
    // Every hour of the range, so the chart shows the quiet ones too.
    QDateTime hour = figures.from;
    hour.setTime(QTime(hour.time().hour(), 0));
    for (int guard = 0; hour < figures.to && guard < 24 * 366; ++guard, hour = hour.addSecs(3600))
        figures.perHour.insert(hour, FigureCount());
    for (const RecordRow &row : rows) {
        const UnitRecord &r = row.record;
        const QDateTime time = r.time.toUTC();
        if (!time.isValid() || time < figures.from || time >= figures.to || row.superseded)
            continue;
        if (isInspection(r.result)) {
            ++figures.inspections;
            continue;
        }
        const bool good = isGoodRow(row);
        QDateTime start = time;
        start.setTime(QTime(time.time().hour(), 0));
        count(&figures.total, good);
        count(&figures.perHour[start], good);
        count(&figures.byStation[r.station], good);
        count(&figures.byOperator[r.operatorName], good);
        if (!good)
            ++figures.failures[r.result];
    }
    return figures;
}

QPair<QDateTime, QDateTime> dayRange(const QDate &day)
{
    return { QDateTime(day, QTime(0, 0)).toUTC(), QDateTime(day.addDays(1), QTime(0, 0)).toUTC() };
}
