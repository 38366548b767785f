#include "print/dayreport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QtMath>

#include "print/chart.h"

namespace {

struct ReportText {
    Q_DECLARE_TR_FUNCTIONS(DayReport)
};

// The charts' width in the page: with the page's margins it fits a window
// of 1000 pixels, and a narrower one scales it down.
constexpr int ChartWidth = 880;
constexpr int ChartFontPixels = 14;

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
    return ReportText::tr("from %1 to %2 (%3)")
        .arg(f.from.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
             f.to.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), zoneName(f.from));
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString chartSvg(const ChartData &chart)
{
    const QSize size(ChartWidth, qCeil(chartHeight(chart, ChartWidth, ChartFontPixels)));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(chart.title);
    {
        QPainter painter(&svg);
        paintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), chart, ChartFontPixels);
    }
    QString text = QString::fromUtf8(buffer.data());
    // Inline in the page: no XML prologue; scaled to the page's width where
    // that is narrower.
    const qsizetype start = text.indexOf(QLatin1String("<svg"));
    text = start >= 0 ? text.mid(start) : text;
    const QRegularExpressionMatch given =
        QRegularExpression(QStringLiteral("^<svg[^>]*?\\b(width=\"[^\"]*\" height=\"[^\"]*\")")).match(text);
    if (given.hasMatch())
        text.replace(given.capturedStart(1), given.capturedLength(1),
                     QStringLiteral("width=\"%1\" height=\"%2\"").arg(size.width()).arg(size.height()));
    return text;
}

QString tableOf(const ChartData &chart)
{
    const QString heading = chart.goodName.isEmpty() ? chart.valueName : ReportText::tr("good / attempts");
    QString html = QStringLiteral("<table><tr><th></th><th>%1</th></tr>").arg(escaped(heading));
    for (const ChartBar &bar : chart.bars) {
        // The chart shows the quiet hours; the table only those with attempts.
        if (chart.shape == ChartData::Columns && bar.value == 0)
            continue;
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
                                  "svg{display:block;max-width:100%;height:auto}"
                                  "td,th{border:1px solid #ccc;padding:2px 8px;text-align:right}"
                                  "td:first-child{text-align:left}</style></head><body>\n")
                       .arg(escaped(title));
    html += QStringLiteral("<h1>%1</h1>\n<p>%2</p>\n<p><strong>%3</strong></p>\n")
                .arg(escaped(title), escaped(rangeLine(figures)), escaped(summaryLine(figures)));
    for (const ChartData &chart : reportCharts(figures))
        html += QStringLiteral("<section>\n") + chartSvg(chart) + tableOf(chart) + QStringLiteral("\n</section>\n");
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
    // The charts one under the other, a page after another as they need.
    const qreal fontPixels = area.width() / 60;
    qreal y = area.height() * 0.1;
    for (const ChartData &chart : reportCharts(figures)) {
        const qreal height = chartHeight(chart, area.width(), fontPixels);
        if (y + height > area.height() && y > 0) {
            writer.newPage();
            y = 0;
        }
        paintChart(painter, QRectF(0, y, area.width(), height), chart, fontPixels);
        y += height + fontPixels * 2;
    }
    if (!painter.end()) {
        if (error)
            *error = ReportText::tr("cannot write %1").arg(path);
        return false;
    }
    return true;
}
