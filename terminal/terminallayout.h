#pragma once
#include <QAbstractTextDocumentLayout>
#include <QList>
#include <QRectF>

#include <vector>

class QTextLayout;

// Lays out the output area's document for a console that grows at the end.
//
// The document's own layout lays out every paragraph as soon as it is
// inserted, so a fast modem pays for the layout of megabytes of text that
// scroll past before anyone can see them. This layout lays out a paragraph
// when it is drawn, hit or asked for its place, and the paragraphs at the end
// of the document as they arrive (they are the ones in view); the height of
// any other paragraph is estimated from its text until it is laid out, and
// once known it is kept. A paragraph laid out on arrival keeps its shaped
// glyphs until it is first drawn, so drawing does not shape it a second time.
//
// Plain text only: paragraph and character formats other than fonts are not
// looked at, there are no tables, frames or images.
class TerminalLayout : public QAbstractTextDocumentLayout
{
    Q_OBJECT

public:
    explicit TerminalLayout(QTextDocument *document);

    void draw(QPainter *painter, const PaintContext &context) override;
    int hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override;
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame *frame) const override;
    QRectF blockBoundingRect(const QTextBlock &block) const override;

    // How much of the end of the document is laid out as it arrives: at
    // least the height of the view, so what is shown is measured, not guessed.
    void setEagerHeight(qreal height);

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    qreal estimatedHeight(const QTextBlock &block) const;
    // Lays `block` out if it is not; true when its height changed.
    bool ensureLaidOut(const QTextBlock &block) const;
    qreal top(int blockNumber) const;
    int blockAt(qreal y) const;
    qreal availableWidth() const;
    // Gives up the glyphs, and with them the lines, of a paragraph laid out
    // on arrival that scrolled past undrawn.
    void release(int blockNumber) const;
    void announceSizeLater() const;

    qreal width = 0;          // the document's text width the heights belong to
    qreal margin = 0;
    qreal eagerHeight = 1000;
    mutable qreal lineHeight = 0;   // of the last laid out line, for estimates
    qreal averageCharWidth = 1;

    mutable std::vector<qreal> heights;    // per paragraph, laid out or estimated
    mutable std::vector<bool> laidOut;     // its QTextLayout holds lines for `width`
    mutable std::vector<qreal> tops;       // running sums of `heights`
    mutable size_t validTops = 0;          // tops[0 .. validTops) are right
    mutable QList<int> shaped;             // paragraphs keeping glyphs for their first draw
    mutable bool sizeAnnouncePending = false;
};
