#include "print/dayreport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

struct ReportText {
    Q_DECLARE_TR_FUNCTIONS(DayReport)
};

struct Bar {
    QString label;
    int value = 0;      // attempts (or failures)
    int good = -1;      // good ones among them; -1: a single series
};

struct Chart {
    QString title;
    QList<Bar> bars;
};

const QColor AttemptColour(0xb8, 0xc7, 0xdc);
const QColor GoodColour(0x2e, 0x7d, 0x32);
const QColor FailureColour(0xc6, 0x28, 0x28);

QList<Bar> countBars(const QMap<QString, FigureCount> &counts, const QString &none)
{
    QList<Bar> bars;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        bars << Bar { it.key().isEmpty() ? none : it.key(), it.value().attempts, it.value().good };
    return bars;
}

QList<Chart> chartsOf(const RecordFigures &f)
{
    QList<Bar> hours;
    const bool manyDays = f.from.secsTo(f.to) > 24 * 3600;
    for (auto it = f.perHour.cbegin(); it != f.perHour.cend(); ++it) {
        const QDateTime local = it.key().toLocalTime();
        hours << Bar { local.toString(manyDays ? QStringLiteral("MM-dd HH") : QStringLiteral("HH")), it.value().attempts,
                       it.value().good };
    }
    QList<Bar> failures;
    for (auto it = f.failures.cbegin(); it != f.failures.cend(); ++it)
        failures << Bar { it.key(), it.value(), -1 };
    return { { ReportText::tr("Units per hour (good of attempts)"), hours },
             { ReportText::tr("Failures by reason"), failures },
             { ReportText::tr("By station (good of attempts)"), countBars(f.byStation, ReportText::tr("(none)")) },
             { ReportText::tr("By operator (good of attempts)"), countBars(f.byOperator, ReportText::tr("(none)")) } };
}

// A bar chart: each bar the attempts, the good ones drawn over them.
void paintChart(QPainter &p, const QRectF &area, const Chart &chart)
{
    p.save();
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(int(area.height() / 14));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    const qreal titleHeight = area.height() / 9;
    p.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, chart.title);
    font.setBold(false);
    font.setPixelSize(int(area.height() / 18));
    p.setFont(font);
    const QRectF plot(area.left() + area.width() * 0.06, area.top() + titleHeight * 1.3, area.width() * 0.92,
                      area.height() - titleHeight * 2.6);
    int top = 1;
    for (const Bar &bar : chart.bars)
        top = qMax(top, bar.value);
    p.setPen(QPen(Qt::gray, 0));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawText(QRectF(area.left(), plot.top() - titleHeight / 2, plot.left() - area.left() - 4, titleHeight),
               Qt::AlignRight | Qt::AlignVCenter, QString::number(top));
    p.drawText(QRectF(area.left(), plot.bottom() - titleHeight / 2, plot.left() - area.left() - 4, titleHeight),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    if (chart.bars.isEmpty()) {
        p.drawText(plot, Qt::AlignCenter, ReportText::tr("none"));
        p.restore();
        return;
    }
    // A few bars stay bars, not walls.
    const qreal slot = qMin(plot.width() / chart.bars.size(), plot.width() / 8);
    for (int i = 0; i < chart.bars.size(); ++i) {
        const Bar &bar = chart.bars.at(i);
        const qreal x = plot.left() + i * slot + slot * 0.15;
        const qreal width = slot * 0.7;
        const auto barRect = [&](int value) {
            const qreal h = plot.height() * value / top;
            return QRectF(x, plot.bottom() - h, width, h);
        };
        p.fillRect(barRect(bar.value), bar.good < 0 ? FailureColour : AttemptColour);
        if (bar.good >= 0)
            p.fillRect(barRect(bar.good), GoodColour);
        p.setPen(Qt::black);
        const QString value = bar.good < 0 ? QString::number(bar.value) : QStringLiteral("%1/%2").arg(bar.good).arg(bar.value);
        if (bar.value > 0)
            p.drawText(QRectF(x - slot * 0.15, barRect(bar.value).top() - titleHeight * 0.7, slot, titleHeight * 0.7),
                       Qt::AlignHCenter | Qt::AlignBottom, value);
        p.drawText(QRectF(x - slot * 0.15, plot.bottom() + 2, slot, titleHeight), Qt::AlignHCenter | Qt::AlignTop,
                   bar.label);
    }
    p.restore();
}

QString summaryLine(const RecordFigures &f)
{
    const int percent = f.total.attempts ? qRound(100.0 * f.total.good / f.total.attempts) : 0;
    QString line = ReportText::tr("%1 good units of %2 attempts (%3 %)").arg(f.total.good).arg(f.total.attempts).arg(percent);
    if (f.inspections)
        line += ReportText::tr("; %1 units checked against a profile").arg(f.inspections);
    return line;
}

QString rangeLine(const RecordFigures &f)
{
    return ReportText::tr("from %1 to %2").arg(f.from.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                               f.to.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString chartSvg(const Chart &chart, const QSize &size)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(chart.title);
    {
        QPainter painter(&svg);
        paintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), chart);
    }
    QString text = QString::fromUtf8(buffer.data());
    // Inline in the page: no XML prologue.
    const qsizetype start = text.indexOf(QLatin1String("<svg"));
    return start >= 0 ? text.mid(start) : text;
}

QString tableOf(const Chart &chart)
{
    QString html = QStringLiteral("<table><tr><th></th><th>%1</th></tr>").arg(escaped(ReportText::tr("good / attempts")));
    for (const Bar &bar : chart.bars) {
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(escaped(bar.label),
                         bar.good < 0 ? QString::number(bar.value) : QStringLiteral("%1 / %2").arg(bar.good).arg(bar.value));
    }
    return html + QStringLiteral("</table>");
}

} // namespace

QString reportHtml(const RecordFigures &figures, const QString &title)
{
    QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>\n"
                                  "<style>body{font-family:sans-serif;margin:2em;color:#222}"
                                  "section{margin:1.5em 0}table{border-collapse:collapse;margin-top:.5em}"
                                  "td,th{border:1px solid #ccc;padding:2px 8px;text-align:right}"
                                  "td:first-child{text-align:left}</style></head><body>\n")
                       .arg(escaped(title));
    html += QStringLiteral("<h1>%1</h1>\n<p>%2</p>\n<p><strong>%3</strong></p>\n")
                .arg(escaped(title), escaped(rangeLine(figures)), escaped(summaryLine(figures)));
    for (const Chart &chart : chartsOf(figures)) {
        html += QStringLiteral("<section>\n") + chartSvg(chart, QSize(qMax(360, 40 * int(chart.bars.size()) + 80), 240))
                + tableOf(chart) + QStringLiteral("\n</section>\n");
    }
    return html + QStringLiteral("</body></html>\n");
}

bool writeReportHtml(const RecordFigures &figures, const QString &title, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(reportHtml(figures, title).toUtf8()) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writeReportPdf(const RecordFigures &figures, const QString &title, const QString &path, QString *error)
{
    QPdfWriter writer(path);
    writer.setResolution(150);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("kvx-config"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15)));
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = ReportText::tr("cannot write %1").arg(path);
        return false;
    }
    const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
    const QRectF area(0, 0, page.width(), page.height());
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(int(area.height() / 40));
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(0, 0, area.width(), area.height() / 25), Qt::AlignLeft | Qt::AlignVCenter, title);
    font.setBold(false);
    font.setPixelSize(int(area.height() / 60));
    painter.setFont(font);
    painter.drawText(QRectF(0, area.height() / 25, area.width(), area.height() / 40), Qt::AlignLeft | Qt::AlignVCenter,
                     rangeLine(figures));
    painter.drawText(QRectF(0, area.height() / 25 + area.height() / 40, area.width(), area.height() / 40),
                     Qt::AlignLeft | Qt::AlignVCenter, summaryLine(figures));
    const qreal top = area.height() * 0.12;
    const QList<Chart> charts = chartsOf(figures);
    const qreal each = (area.height() - top) / charts.size();
    for (int i = 0; i < charts.size(); ++i)
        paintChart(painter, QRectF(0, top + i * each, area.width(), each * 0.92), charts.at(i));
    if (!painter.end()) {
        if (error)
            *error = ReportText::tr("cannot write %1").arg(path);
        return false;
    }
    return true;
}
