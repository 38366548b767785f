#include "terminal/scrollbarpicture.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionSlider>

namespace {

bool isOpaque(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

} // namespace

ScrollBarPicture::ScrollBarPicture(QScrollBar *scrollBar)
    : QObject(scrollBar)
    , bar(scrollBar)
{
    bar->installEventFilter(this);
}

bool ScrollBarPicture::Look::operator==(const Look &other) const
{
    return size == other.size && state == other.state && handle == other.handle && atMinimum == other.atMinimum
        && atMaximum == other.atMaximum && paletteKey == other.paletteKey && pixelRatio == other.pixelRatio
        && direction == other.direction && style == other.style;
}

// The option QScrollBar paints itself with when neither hovered nor pressed.
QStyleOptionSlider ScrollBarPicture::option() const
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return option;
}

bool ScrollBarPicture::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != bar || event->type() != QEvent::Paint)
        return false;
    QStyle *style = bar->style();
    const QStyleOptionSlider opt = option();
    if ((opt.state & QStyle::State_MouseOver) || bar->isSliderDown()
        || QGuiApplication::mouseButtons() != Qt::NoButton
        || style->styleHint(QStyle::SH_ScrollBar_Transient, &opt, bar)) {
        picture = QPixmap();
        return false;
    }

    Look look;
    look.size = bar->size();
    look.state = opt.state;
    look.handle = style->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
    look.atMinimum = opt.sliderValue <= opt.minimum;
    look.atMaximum = opt.sliderValue >= opt.maximum;
    look.paletteKey = bar->palette().cacheKey();
    look.pixelRatio = bar->devicePixelRatioF();
    look.direction = bar->layoutDirection();
    look.style = style;
    if (picture.isNull() || !(look == pictured)) {
        picture = QPixmap(look.size * look.pixelRatio);
        picture.setDevicePixelRatio(look.pixelRatio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        style->drawComplexControl(QStyle::CC_ScrollBar, &opt, &painter, bar);
        painter.end();
        pictured = look;
        // A bar that covers all of its place spares the widgets behind it a
        // repaint each time it changes.
        bar->setAttribute(Qt::WA_OpaquePaintEvent, !picture.toImage().hasAlphaChannel() || isOpaque(picture.toImage()));
    }
    QPainter painter(bar);
    painter.drawPixmap(0, 0, picture);
    return true;
}
