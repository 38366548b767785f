#include "app/chartwidget.h"

#include <QPainter>

#include <cmath>

ChartWidget::ChartWidget(const ChartData &chart, QWidget *parent)
    : QWidget(parent)
    , m_chart(chart)
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setToolTip(chart.title);
}

qreal ChartWidget::fontPixels() const
{
    return QFontInfo(font()).pixelSize();
}

int ChartWidget::heightForWidth(int width) const
{
    return int(std::ceil(chartHeight(m_chart, width, fontPixels())));
}

QSize ChartWidget::sizeHint() const
{
    const int width = int(fontPixels() * 30);
    return { width, heightForWidth(width) };
}

QSize ChartWidget::minimumSizeHint() const
{
    const int width = int(fontPixels() * 16);
    return { width, heightForWidth(width) };
}

void ChartWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintChart(painter, QRectF(rect()).adjusted(6, 4, -6, -4), m_chart, fontPixels());
}
