#include "print/chart.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QTimeZone>

#include <cmath>

namespace {

struct ChartText {
    Q_DECLARE_TR_FUNCTIONS(DayReport)
};

const QColor AttemptColour(0xb8, 0xc7, 0xdc);
const QColor GoodColour(0x2e, 0x7d, 0x32);
const QColor FailureColour(0xc6, 0x28, 0x28);
const QColor GridColour(0xdd, 0xdd, 0xdd);
const QColor TextColour(0x22, 0x22, 0x22);

QList<ChartBar> countBars(const QMap<QString, FigureCount> &counts)
{
    QList<ChartBar> bars;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        bars << ChartBar { it.key().isEmpty() ? ChartText::tr("(none)") : it.key(), it.value().attempts, it.value().good };
    return bars;
}

// The parts of a chart from the top, in units of the text's height.
constexpr qreal TitleLines = 1.6;
constexpr qreal NoteLines = 1.3;
constexpr qreal LegendLines = 1.5;
constexpr qreal PlotLines = 9;
constexpr qreal ValueLines = 1.3;
constexpr qreal AxisLines = 1.5;
constexpr qreal RowLines = 1.8;

qreal headerHeight(const ChartData &chart, qreal f)
{
    return f * (TitleLines + (chart.note.isEmpty() ? 0 : NoteLines) + LegendLines);
}

QFont chartFont(qreal pixels, bool bold = false)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(qMax(1, qRound(pixels)));
    font.setBold(bold);
    return font;
}

QString valueText(const ChartBar &bar)
{
    return bar.good < 0 ? QString::number(bar.value) : QStringLiteral("%1/%2").arg(bar.good).arg(bar.value);
}

// 1, 2 or 5 times a power of ten: the axis's step for about four lines.
int niceStep(int top)
{
    const double raw = std::max(1.0, top / 4.0);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : { 1.0, 2.0, 5.0, 10.0 }) {
        if (factor * power >= raw)
            return int(factor * power);
    }
    return int(10 * power);
}

void paintHeader(QPainter &p, const QRectF &area, const ChartData &chart, qreal f)
{
    p.setPen(TextColour);
    p.setFont(chartFont(f * 1.15, true));
    qreal y = area.top();
    p.drawText(QRectF(area.left(), y, area.width(), f * TitleLines), Qt::AlignLeft | Qt::AlignVCenter, chart.title);
    y += f * TitleLines;
    p.setFont(chartFont(f * 0.9));
    if (!chart.note.isEmpty()) {
        p.drawText(QRectF(area.left(), y, area.width(), f * NoteLines), Qt::AlignLeft | Qt::AlignVCenter, chart.note);
        y += f * NoteLines;
    }
    // The legend: a square of each colour and what it counts.
    QList<std::pair<QColor, QString>> keys;
    if (chart.goodName.isEmpty()) {
        keys.append({ FailureColour, chart.valueName });
    } else {
        keys.append({ AttemptColour, chart.valueName });
        keys.append({ GoodColour, chart.goodName });
    }
    const QFontMetricsF metrics(p.font(), p.device());
    qreal x = area.left();
    const qreal square = f * 0.8;
    for (const auto &[colour, name] : keys) {
        p.fillRect(QRectF(x, y + (f * LegendLines - square) / 2, square, square), colour);
        x += square + f * 0.35;
        p.drawText(QRectF(x, y, area.right() - x, f * LegendLines), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += metrics.horizontalAdvance(name) + f * 1.2;
    }
}

void paintColumns(QPainter &p, const QRectF &area, const ChartData &chart, qreal f)
{
    const QFont font = chartFont(f * 0.85);
    p.setFont(font);
    const QFontMetricsF metrics(font, p.device());
    int top = 1;
    for (const ChartBar &bar : chart.bars)
        top = qMax(top, bar.value);
    const int step = niceStep(top);
    top = (top + step - 1) / step * step;
    const qreal axis = metrics.horizontalAdvance(QString::number(top)) + f * 0.6;
    const QRectF plot(area.left() + axis, area.top() + headerHeight(chart, f) + f * ValueLines, area.width() - axis,
                      f * PlotLines);
    for (int tick = 0; tick <= top; tick += step) {
        const qreal y = plot.bottom() - plot.height() * tick / top;
        p.setPen(QPen(tick == 0 ? Qt::gray : GridColour, 0));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(TextColour);
        p.drawText(QRectF(area.left(), y - f, axis - f * 0.3, 2 * f), Qt::AlignRight | Qt::AlignVCenter, QString::number(tick));
    }
    if (chart.bars.isEmpty())
        return;
    const qreal slot = plot.width() / chart.bars.size();
    const qreal width = qMin(slot * 0.7, f * 4);
    // Every label, or every second, third ...: never two that touch.
    qreal widest = 0;
    for (const ChartBar &bar : chart.bars)
        widest = qMax(widest, metrics.horizontalAdvance(bar.label));
    const int every = qMax(1, int(std::ceil((widest + f * 0.6) / slot)));
    for (int i = 0; i < chart.bars.size(); ++i) {
        const ChartBar &bar = chart.bars.at(i);
        const qreal centre = plot.left() + (i + 0.5) * slot;
        const auto barRect = [&](int value) {
            const qreal h = plot.height() * value / top;
            return QRectF(centre - width / 2, plot.bottom() - h, width, h);
        };
        p.fillRect(barRect(bar.value), bar.good < 0 ? FailureColour : AttemptColour);
        if (bar.good >= 0)
            p.fillRect(barRect(bar.good), GoodColour);
        p.setPen(TextColour);
        const QString value = valueText(bar);
        if (bar.value > 0 && metrics.horizontalAdvance(value) <= slot * 0.95)
            p.drawText(QRectF(centre - slot / 2, barRect(bar.value).top() - f * ValueLines, slot, f * ValueLines),
                       Qt::AlignHCenter | Qt::AlignBottom, value);
        if (i % every == 0)
            p.drawText(QRectF(centre - slot * every / 2.0, plot.bottom() + f * 0.2, slot * every, f * AxisLines),
                       Qt::AlignHCenter | Qt::AlignTop, bar.label);
    }
}

void paintRows(QPainter &p, const QRectF &area, const ChartData &chart, qreal f)
{
    const QFont font = chartFont(f * 0.9);
    p.setFont(font);
    const QFontMetricsF metrics(font, p.device());
    const qreal top = area.top() + headerHeight(chart, f);
    if (chart.bars.isEmpty()) {
        p.setPen(TextColour);
        p.drawText(QRectF(area.left(), top, area.width(), f * RowLines), Qt::AlignLeft | Qt::AlignVCenter,
                   ChartText::tr("none"));
        return;
    }
    int most = 1;
    qreal labels = 0;
    qreal values = 0;
    for (const ChartBar &bar : chart.bars) {
        most = qMax(most, bar.value);
        labels = qMax(labels, metrics.horizontalAdvance(bar.label));
        values = qMax(values, metrics.horizontalAdvance(valueText(bar)));
    }
    // A label takes what it needs up to two fifths of the width; only one
    // longer than that is cut, in the middle, its ends kept. A browser sets
    // the report's SVG text in a font of its own, often wider than the one
    // measured here (DejaVu against a Chinese font's Latin letters): there,
    // room is left between a label and its bar so it never runs under it.
    const bool browserSetsText = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::SVG;
    const qreal slack = browserSetsText ? labels * 0.35 : 0;
    const qreal labelWidth = qMin(labels + slack + f, area.width() * 0.4);
    const qreal textWidth = qMax(f, labelWidth - f * 0.5 - slack);
    const qreal barsLeft = area.left() + labelWidth;
    const qreal barsWidth = qMax(f, area.width() - labelWidth - values - f);
    for (int i = 0; i < chart.bars.size(); ++i) {
        const ChartBar &bar = chart.bars.at(i);
        const qreal y = top + i * f * RowLines;
        p.setPen(TextColour);
        p.drawText(QRectF(area.left(), y, textWidth, f * RowLines), Qt::AlignRight | Qt::AlignVCenter,
                   metrics.elidedText(bar.label, Qt::ElideMiddle, textWidth));
        const qreal h = f * RowLines * 0.62;
        const auto barRect = [&](int value) {
            return QRectF(barsLeft, y + (f * RowLines - h) / 2, barsWidth * value / most, h);
        };
        p.fillRect(barRect(bar.value), bar.good < 0 ? FailureColour : AttemptColour);
        if (bar.good >= 0)
            p.fillRect(barRect(bar.good), GoodColour);
        p.drawText(QRectF(barRect(bar.value).right() + f * 0.4, y, values + f, f * RowLines),
                   Qt::AlignLeft | Qt::AlignVCenter, valueText(bar));
    }
}

} // namespace

QString zoneName(const QDateTime &at)
{
    const QDateTime local = at.toLocalTime();
    const int offset = local.offsetFromUtc();
    const QString utc = QStringLiteral("UTC%1%2:%3")
                            .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                            .arg(std::abs(offset) / 3600, 2, 10, QLatin1Char('0'))
                            .arg(std::abs(offset) % 3600 / 60, 2, 10, QLatin1Char('0'));
    const QString id = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    const bool plainUtc = offset == 0 && (id.endsWith(QLatin1String("UTC")) || id.endsWith(QLatin1String("Universal")));
    if (plainUtc)
        return QStringLiteral("UTC");
    return id.isEmpty() ? utc : QStringLiteral("%1, %2").arg(id, utc);
}

QList<ChartData> reportCharts(const RecordFigures &f)
{
    ChartData hours;
    hours.title = ChartText::tr("Units per hour");
    hours.note = ChartText::tr("Hours in local time (%1)").arg(zoneName(f.from));
    hours.shape = ChartData::Columns;
    const bool manyDays = f.from.secsTo(f.to) > 24 * 3600;
    for (auto it = f.perHour.cbegin(); it != f.perHour.cend(); ++it)
        hours.bars << ChartBar { it.key().toLocalTime().toString(manyDays ? QStringLiteral("MM-dd HH") : QStringLiteral("HH")),
                                 it.value().attempts, it.value().good };
    ChartData failures;
    failures.title = ChartText::tr("Failures by cause");
    for (auto it = f.failures.cbegin(); it != f.failures.cend(); ++it)
        failures.bars << ChartBar { it.key(), it.value(), -1 };
    failures.valueName = ChartText::tr("failures");
    ChartData stations;
    stations.title = ChartText::tr("By station");
    stations.bars = countBars(f.byStation);
    ChartData operators;
    operators.title = ChartText::tr("By operator");
    operators.bars = countBars(f.byOperator);
    for (ChartData *chart : { &hours, &stations, &operators }) {
        chart->valueName = ChartText::tr("attempts");
        chart->goodName = ChartText::tr("good units");
    }
    return { hours, failures, stations, operators };
}

qreal chartHeight(const ChartData &chart, qreal, qreal f)
{
    if (chart.shape == ChartData::Columns)
        return headerHeight(chart, f) + f * (ValueLines + PlotLines + AxisLines + 0.5);
    return headerHeight(chart, f) + f * (RowLines * qMax<qsizetype>(1, chart.bars.size()) + 0.5);
}

void paintChart(QPainter &painter, const QRectF &area, const ChartData &chart, qreal fontPixels)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintHeader(painter, area, chart, fontPixels);
    if (chart.shape == ChartData::Columns)
        paintColumns(painter, area, chart, fontPixels);
    else
        paintRows(painter, area, chart, fontPixels);
    painter.restore();
}
