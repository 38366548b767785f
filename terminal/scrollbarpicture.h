#pragma once
#include <QObject>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <QStyle>

class QScrollBar;
class QStyleOptionSlider;

// Draws a scroll bar's repaints from a picture of it while it looks the same.
// A view that follows a growing text changes the bar's range and value on
// every append, and each change repaints the bar; once the handle is at its
// shortest and at the end, the style would draw the same pixels again, and
// its gradients cost more than the new text. Hover, presses and fading bars
// are left to the bar itself.
class ScrollBarPicture : public QObject
{
public:
    explicit ScrollBarPicture(QScrollBar *bar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Everything the style's picture of the bar depends on.
    struct Look
    {
        QSize size;
        QStyle::State state;
        QRect handle;
        bool atMinimum = false;
        bool atMaximum = false;
        qint64 paletteKey = 0;
        qreal pixelRatio = 1;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        const QStyle *style = nullptr;

        bool operator==(const Look &other) const;
    };

    QStyleOptionSlider option() const;

    QScrollBar *bar;
    QPixmap picture;
    Look pictured;
};
