#pragma once
// One of the day's charts in a window, drawn as the report draws it
// (print/chart.h), in the widget's own font.

#include <QWidget>

#include "print/chart.h"

class ChartWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ChartWidget(const ChartData &chart, QWidget *parent = nullptr);

    const ChartData &chart() const { return m_chart; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal fontPixels() const;

    ChartData m_chart;
};
