#include "terminal/portbox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStylePainter>

QString elidedPortName(const QString &name, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(name) <= width)
        return name;
    const QString dots(QChar(0x2026));
    // The first folder tells the kind of port; it is kept where the end
    // still has room beside it.
    QString start;
    const qsizetype second = name.indexOf(QRegularExpression(QStringLiteral("[/\\\\]")), 1);
    if (second > 0)
        start = name.left(second + 1);
    const qsizetype lastSeparator = qMax(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    const QString fileName = name.mid(lastSeparator + 1);
    if (start.isEmpty() || metrics.horizontalAdvance(start + dots + fileName) > width)
        start.clear();
    // The longest end that fits after the start and the dots.
    const int room = width - metrics.horizontalAdvance(start + dots);
    qsizetype from = name.size();
    while (from > start.size() && metrics.horizontalAdvance(name.mid(from - 1)) <= room)
        --from;
    return start + dots + name.mid(from);
}

void PortNameDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem shown = option;
    initStyleOption(&shown, index);
    QStyle *style = shown.widget ? shown.widget->style() : QApplication::style();
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &shown, shown.widget);
    // The style's own margins inside the text's rectangle.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, shown.widget) + 1;
    shown.text = elidedPortName(shown.text, shown.fontMetrics, text.width() - 2 * margin);
    shown.textElideMode = Qt::ElideNone;
    style->drawControl(QStyle::CE_ItemViewItem, &shown, painter, shown.widget);
}

PortBox::PortBox(QWidget *parent)
    : QComboBox(parent)
{
    view()->setItemDelegate(new PortNameDelegate(this));
    view()->setTextElideMode(Qt::ElideNone);
}

void PortBox::paintEvent(QPaintEvent *)
{
    // As QComboBox draws itself, with the name shortened to the box.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect text = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = elidedPortName(option.currentText, fontMetrics(), text.width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
