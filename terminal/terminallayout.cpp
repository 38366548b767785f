#include "terminal/terminallayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Wider than any line; a document without a text width does not wrap.
constexpr qreal unwrappedWidth = 1e6;

} // namespace

TerminalLayout::TerminalLayout(QTextDocument *document)
    : QAbstractTextDocumentLayout(document)
{
}

void TerminalLayout::setEagerHeight(qreal height)
{
    eagerHeight = qMax<qreal>(height, 1);
}

qreal TerminalLayout::availableWidth() const
{
    return width > 0 ? qMax<qreal>(width - 2 * margin, 0) : unwrappedWidth;
}

qreal TerminalLayout::top(int blockNumber) const
{
    if (tops.size() < heights.size() + 1)
        tops.resize(heights.size() + 1);
    if (validTops == 0) {
        tops[0] = 0;
        validTops = 1;
    }
    while (validTops <= size_t(blockNumber)) {
        tops[validTops] = tops[validTops - 1] + heights[validTops - 1];
        ++validTops;
    }
    return tops[size_t(blockNumber)];
}

int TerminalLayout::blockAt(qreal y) const
{
    const int count = int(heights.size());
    if (count == 0)
        return 0;
    top(count);
    const auto end = tops.begin() + count;
    const auto it = std::upper_bound(tops.begin(), end, y - margin);
    return std::clamp(int(it - tops.begin()) - 1, 0, count - 1);
}

// Lines of the text (line separators break them) times the rows each takes
// at the average character width, at the height of the last line laid out.
qreal TerminalLayout::estimatedHeight(const QTextBlock &block) const
{
    const QString text = block.text();
    const qreal charsPerRow = qMax<qreal>(1, std::floor(availableWidth() / averageCharWidth));
    qsizetype rows = 0;
    // A search per line rather than a test per character: a flood's blocks
    // come by the hundred.
    for (qsizetype lineStart = 0;;) {
        const qsizetype end = text.indexOf(QChar::LineSeparator, lineStart);
        const qsizetype length = (end < 0 ? text.size() : end) - lineStart;
        rows += qMax<qsizetype>(1, qsizetype(std::ceil(qreal(length) / charsPerRow)));
        if (end < 0)
            break;
        lineStart = end + 1;
    }
    return qreal(rows) * lineHeight;
}

bool TerminalLayout::ensureLaidOut(const QTextBlock &block) const
{
    const int n = block.blockNumber();
    if (n < 0 || size_t(n) >= heights.size() || laidOut[size_t(n)])
        return false;
    QTextLayout *layout = block.layout();
    layout->setTextOption(document()->defaultTextOption());
    layout->setCacheEnabled(true);
    const qreal lineWidth = availableWidth();
    qreal y = 0;
    layout->beginLayout();
    for (;;) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        line.setLineWidth(lineWidth);
        line.setPosition(QPointF(0, y));
        y += line.height();
        lineHeight = line.height();
    }
    layout->endLayout();
    laidOut[size_t(n)] = true;
    if (!shaped.contains(n))
        shaped.append(n);
    if (heights[size_t(n)] == y)
        return false;
    heights[size_t(n)] = y;
    validTops = qMin(validTops, size_t(n) + 1);
    return true;
}

void TerminalLayout::release(int blockNumber) const
{
    const QTextBlock block = document()->findBlockByNumber(blockNumber);
    if (!block.isValid())
        return;
    // An empty layout run frees what a cached one kept.
    QTextLayout *layout = block.layout();
    layout->setCacheEnabled(false);
    layout->beginLayout();
    layout->endLayout();
    laidOut[size_t(blockNumber)] = false;
}

void TerminalLayout::announceSizeLater() const
{
    if (sizeAnnouncePending)
        return;
    sizeAnnouncePending = true;
    // Not from inside a paint or a caller's layout query: the view adjusts
    // its scroll bars and repaints on it.
    QMetaObject::invokeMethod(const_cast<TerminalLayout *>(this), [this] {
        sizeAnnouncePending = false;
        auto *self = const_cast<TerminalLayout *>(this);
        emit self->documentSizeChanged(documentSize());
        emit self->update(QRectF(0, 0, unwrappedWidth, qreal(INT_MAX)));
    }, Qt::QueuedConnection);
}

void TerminalLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    Q_UNUSED(charsRemoved);
    Q_UNUSED(charsAdded);
    QTextDocument *doc = document();
    margin = doc->documentMargin();
    int first = qMax(0, doc->findBlock(from).blockNumber());
    if (doc->textWidth() != width || heights.empty()) {
        width = doc->textWidth();
        first = 0;
        const QFontMetricsF metrics(doc->defaultFont());
        averageCharWidth = qMax<qreal>(metrics.averageCharWidth(), 1);
        if (lineHeight <= 0)
            lineHeight = std::ceil(metrics.height() + metrics.leading());
    }
    first = qMin(first, int(heights.size()));

    // Glyphs kept for a first draw that did not come are given up.
    for (int n : std::as_const(shaped)) {
        if (size_t(n) < laidOut.size())
            release(n);
    }
    shaped.clear();

    heights.resize(size_t(first));
    laidOut.resize(size_t(first));
    validTops = qMin(validTops, size_t(first) + 1);
    for (QTextBlock block = doc->findBlockByNumber(first); block.isValid(); block = block.next()) {
        heights.push_back(estimatedHeight(block));
        laidOut.push_back(false);
    }
    // The end is what the view shows.
    qreal covered = 0;
    for (QTextBlock block = doc->lastBlock(); block.isValid() && covered < eagerHeight; block = block.previous()) {
        ensureLaidOut(block);
        covered += heights[size_t(block.blockNumber())];
    }

    emit documentSizeChanged(documentSize());
    emit update(QRectF(0, margin + top(first), unwrappedWidth, qreal(INT_MAX)));
}

void TerminalLayout::draw(QPainter *painter, const PaintContext &context)
{
    QTextDocument *doc = document();
    const int count = int(heights.size());
    if (count == 0)
        return;
    const QRectF clip = context.clip.isValid() ? context.clip : QRectF(0, 0, unwrappedWidth, qreal(INT_MAX));
    bool resized = false;
    painter->save();
    painter->setPen(context.palette.color(QPalette::Text));
    int n = blockAt(clip.top());
    for (QTextBlock block = doc->findBlockByNumber(n); block.isValid() && n < count; block = block.next(), ++n) {
        const qreal y = margin + top(n);
        if (y > clip.bottom())
            break;
        resized = ensureLaidOut(block) || resized;
        if (y + heights[size_t(n)] < clip.top())
            continue;
        QTextLayout *layout = block.layout();
        layout->setPosition(QPointF(margin, y));

        const int position = block.position();
        const int length = block.length();
        QList<QTextLayout::FormatRange> selections;
        for (const Selection &selection : context.selections) {
            const int start = selection.cursor.selectionStart() - position;
            const int end = selection.cursor.selectionEnd() - position;
            if (start < length && end > 0 && end > start) {
                QTextLayout::FormatRange range;
                range.start = start;
                range.length = end - start;
                range.format = selection.format;
                selections.append(range);
            }
        }
        // Drawn once with the glyphs from the layout run, which the draw
        // then lets go of.
        layout->setCacheEnabled(false);
        shaped.removeOne(n);
        layout->draw(painter, QPointF(), selections, clip);
        if (context.cursorPosition >= position && context.cursorPosition < position + length) {
            const int cursorWidth = property("cursorWidth").isValid() ? property("cursorWidth").toInt() : 1;
            layout->drawCursor(painter, QPointF(), context.cursorPosition - position, cursorWidth);
        }
    }
    painter->restore();
    if (resized)
        announceSizeLater();
}

// As the document's own layout answers: above the text is its start, below
// it its end, and within a paragraph the line at the point's height.
int TerminalLayout::hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const
{
    if (heights.empty())
        return -1;
    const int n = blockAt(point.y());
    const QTextBlock block = document()->findBlockByNumber(n);
    if (!block.isValid())
        return -1;
    if (ensureLaidOut(block))
        announceSizeLater();
    const qreal y = margin + top(n);
    const int last = document()->characterCount() - 1;
    if (point.y() < y)
        return accuracy == Qt::ExactHit ? -1 : block.position();
    if (point.y() > y + heights[size_t(n)])
        return accuracy == Qt::ExactHit ? -1 : qMin(block.position() + block.length(), last);
    const QTextLayout *layout = block.layout();
    const QPointF local = point - QPointF(margin, y);
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        const QRectF rect = line.naturalTextRect();
        if (rect.bottom() <= local.y() && i + 1 < layout->lineCount())
            continue;
        if (accuracy == Qt::ExactHit) {
            if (local.x() < rect.left() || local.x() > rect.right())
                return -1;
            return block.position() + line.xToCursor(local.x(), QTextLine::CursorOnCharacter);
        }
        return qMin(block.position() + line.xToCursor(local.x(), QTextLine::CursorBetweenCharacters), last);
    }
    return block.position();
}

int TerminalLayout::pageCount() const
{
    return 1;
}

QSizeF TerminalLayout::documentSize() const
{
    const qreal height = 2 * margin + top(int(heights.size()));
    return QSizeF(width > 0 ? width : 2 * margin, height);
}

QRectF TerminalLayout::frameBoundingRect(QTextFrame *frame) const
{
    if (frame != document()->rootFrame())
        return QRectF();
    return QRectF(QPointF(0, 0), documentSize());
}

QRectF TerminalLayout::blockBoundingRect(const QTextBlock &block) const
{
    if (!block.isValid() || block.document() != document())
        return QRectF();
    const int n = block.blockNumber();
    if (n < 0 || size_t(n) >= heights.size())
        return QRectF();
    if (ensureLaidOut(block))
        announceSizeLater();
    const qreal y = margin + top(n);
    block.layout()->setPosition(QPointF(margin, y));
    return QRectF(margin, y, availableWidth(), heights[size_t(n)]);
}
