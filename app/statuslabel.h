#pragma once
// A one-line label that never grows its window nor shrinks its font: a text
// longer than the room ends in "…" (or is cut in the middle) and is whole in
// the tooltip and in text(). A click asks for more (the message log).

#include <QLabel>

class StatusLabel : public QLabel
{
    Q_OBJECT

public:
    explicit StatusLabel(QWidget *parent = nullptr);

    void setElideMode(Qt::TextElideMode mode);
    // The text, and the tooltip that holds it whole where it is cut.
    void setMessage(const QString &text);
    // The text as drawn in the room there is now.
    QString shownText() const;
    bool isCut() const { return shownText() != text(); }

    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fitToolTip();

    Qt::TextElideMode m_mode = Qt::ElideRight;
};
