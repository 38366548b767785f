#pragma once
// Port names as the operator tells them apart: two adapters or
// pseudo-terminals in one long folder differ only at the end of their paths,
// so a name too long for its room keeps its start's first folder and as much
// of its end as fits, with "…" between; the whole name is in the tooltip.
// Shared by the window's port list, the terminal's and the batch dialog's.

#include <QComboBox>
#include <QStyledItemDelegate>

class QFontMetrics;

// `name` shortened to `width` pixels: whole when it fits; else its first
// folder ("/dev/", "/tmp/"), "…" and the longest end that fits; where not
// even that fits, "…" and the end alone.
QString elidedPortName(const QString &name, const QFontMetrics &metrics, int width);

// Draws an item's text as elidedPortName() shortens it (check boxes and
// icons as the style draws them).
class PortNameDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

// A port list whose closed box and open list show the names so shortened,
// each item's tooltip (set by its owner) the whole.
class PortBox : public QComboBox
{
    Q_OBJECT

public:
    explicit PortBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
