#include "records/recordfigures.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

struct FiguresText {
    Q_DECLARE_TR_FUNCTIONS(RecordFigures)
};

// The start of a written unit's detail when its check did not happen.
const QLatin1String NotVerified("not verified");

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
    return result == QLatin1String("verified")
           || (result == QLatin1String("written") && !row.record.detail.startsWith(NotVerified));
}

QString failureCause(const UnitRecord &r)
{
    const QString &result = r.result;
    if (result == QLatin1String("refused")) {
        // "refused ATS103=8, …": the command refused, whatever its value.
        const QRegularExpressionMatch line = QRegularExpression(QStringLiteral("^refused ([^=,; ]+)")).match(r.detail);
        return line.hasMatch() ? FiguresText::tr("line refused: %1").arg(line.captured(1)) : FiguresText::tr("a line refused");
    }
    if (result == QLatin1String("mismatch")) {
        QStringList registers;
        QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("\\b(S\\d+) reads")).globalMatch(r.detail);
        while (it.hasNext())
            registers << it.next().captured(1);
        return registers.isEmpty() ? FiguresText::tr("read back otherwise")
                                   : FiguresText::tr("read back otherwise: %1").arg(registers.join(QStringLiteral(", ")));
    }
    if (result == QLatin1String("lost"))
        return FiguresText::tr("device lost before storing");
    if (result == QLatin1String("lost-after-store"))
        return FiguresText::tr("device lost after storing");
    if (result == QLatin1String("interrupted"))
        return FiguresText::tr("stopped before storing");
    if (result == QLatin1String("written"))
        return r.detail.contains(QLatin1String("stopped before")) ? FiguresText::tr("stopped before the check")
                                                           : FiguresText::tr("no answer to the check");
    if (result == QLatin1String("pending"))
        return FiguresText::tr("result never came (pending)");
    if (result == QLatin1String("reserved") || result == QLatin1String("expired"))
        return FiguresText::tr("reservation with no result");
    if (result == QLatin1String("released"))
        return FiguresText::tr("released by hand");
    if (r.detail.contains(QLatin1String("lines unanswered")))
        return FiguresText::tr("lines left unanswered");
    // A failure's reason, to its first colon or bracket, its numbers and
    // the port left out: "no settings report from the modem within N ms".
    QString reason = r.detail.section(QRegularExpression(QStringLiteral("[:：(（;；]")), 0, 0).trimmed();
    if (!r.config.port.isEmpty())
        reason.replace(r.config.port, QStringLiteral("…"));
    reason.replace(QRegularExpression(QStringLiteral("\\d+")), QStringLiteral("N"));
    return reason.isEmpty() ? FiguresText::tr("failed, no reason recorded") : reason;
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
            ++figures.failures[failureCause(r)];
    }
    return figures;
}

QPair<QDateTime, QDateTime> dayRange(const QDate &day)
{
    return { QDateTime(day, QTime(0, 0)).toUTC(), QDateTime(day.addDays(1), QTime(0, 0)).toUTC() };
}
