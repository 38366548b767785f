#pragma once
// The day's charts, drawn one way for every place they are shown: the
// report's HTML (as SVG) and PDF, and the record view in the window. Hours
// stand as columns, their labels thinned out so none runs into the next;
// stations, operators and causes stand as rows, each label beside its bar;
// every chart has its legend, and the hours say their zone.

#include <QDateTime>
#include <QList>
#include <QString>

#include "records/recordfigures.h"

class QPainter;
class QRectF;

struct ChartBar {
    QString label;
    int value = 0;   // attempts (or failures)
    int good = -1;   // the good ones among them; -1: a single series
};

struct ChartData {
    enum Shape { Columns, Rows };
    QString title;
    QString note;        // under the title: the zone of the hours
    Shape shape = Rows;
    QList<ChartBar> bars;
    QString valueName;   // the legend: what a bar counts ("attempts", "failures")
    QString goodName;    // and what is drawn over it ("good units"); empty for one series
};

// The four charts of a range's figures: units per hour, failures by cause,
// by station and by operator, in the language installed.
QList<ChartData> reportCharts(const RecordFigures &figures);

// The zone local times are given in, as a reader is told it:
// "Europe/Berlin, UTC+01:00".
QString zoneName(const QDateTime &at);

// The height a chart needs at `width`, its text `fontPixels` high.
qreal chartHeight(const ChartData &chart, qreal width, qreal fontPixels);
// Draws the chart into `area`, its text `fontPixels` high (in the painter's
// units).
void paintChart(QPainter &painter, const QRectF &area, const ChartData &chart, qreal fontPixels);
