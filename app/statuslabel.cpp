#include "app/statuslabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

StatusLabel::StatusLabel(QWidget *parent)
    : QLabel(parent)
{
}

void StatusLabel::setElideMode(Qt::TextElideMode mode)
{
    m_mode = mode;
    update();
}

void StatusLabel::setMessage(const QString &text)
{
    setText(text);
    fitToolTip();
}

void StatusLabel::fitToolTip()
{
    setToolTip(isCut() ? text() : QString());
}

QString StatusLabel::shownText() const
{
    return fontMetrics().elidedText(text(), m_mode, contentsRect().width());
}

QSize StatusLabel::minimumSizeHint() const
{
    // Room for a few letters and the ellipsis: the rest of the window sets
    // its width, never the message.
    const QSize hint = QLabel::minimumSizeHint();
    const QMargins margins = contentsMargins();
    return { fontMetrics().horizontalAdvance(QStringLiteral("Mmm…")) + margins.left() + margins.right(), hint.height() };
}

void StatusLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect();
    style()->drawItemText(&painter, room, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), fontMetrics().elidedText(text(), m_mode, room.width()), foregroundRole());
}

void StatusLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fitToolTip();
}

void StatusLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
