#include "terminal/atinterface.h"
#include "ui_atinterface.h"

#include "terminal/scrollbarpicture.h"
#include "terminal/terminallayout.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

namespace {

// Every line end of the modem's text as one "\n", which the document turns
// into one paragraph break. A lone "\r" breaks the line too rather than being
// drawn as a glyph.
void unifyLineEnds(QString &text)
{
    if (!text.contains(u'\r'))
        return;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
}

// Makes a piece of received text ready for insertion at the end of the
// output, in one pass: every line end ("\r\n", a lone "\r", "\n") becomes
// one line break, and the lines are joined into paragraphs of
// ATInterface::linesPerParagraph lines by line separators. The first and the
// last line break stay paragraph breaks, so the paragraph open at the end of
// the output never holds more than a partial line: an insertion re-lays out
// and repaints only that line besides the new ones, and the lines already in
// view are scrolled, not drawn again.
QString preparedForDocument(const QString &text)
{
    const qsizetype size = text.size();
    const QChar *in = text.constData();
    QString out(size, Qt::Uninitialized);
    QChar *dst = out.data();
    int lines = -1; // line breaks in the current paragraph; -1 before the first
    qsizetype lastBreak = -1;
    for (qsizetype i = 0; i < size; ++i) {
        QChar c = in[i];
        switch (c.unicode()) {
        case u'\r':
            if (i + 1 < size && in[i + 1] == u'\n')
                ++i;
            Q_FALLTHROUGH();
        case u'\n':
        case QChar::LineSeparator:
            if (lines >= 0 && ++lines < ATInterface::linesPerParagraph) {
                c = QChar::LineSeparator;
            } else {
                c = QChar::ParagraphSeparator;
                lines = 0;
            }
            lastBreak = dst - out.constData();
            break;
        case QChar::ParagraphSeparator: // paragraph breaks to the document
        case 0xFDD0:
        case 0xFDD1:
            lines = 0;
            lastBreak = -1;
            break;
        default:
            break;
        }
        *dst++ = c;
    }
    if (lastBreak >= 0)
        out[lastBreak] = QChar::ParagraphSeparator;
    out.truncate(dst - out.constData());
    return out;
}

} // namespace

ATInterface::ATInterface(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ATInterface)
{
    ui->setupUi(this);
    QTextEdit *output = ui->OutputTextEdit;

    // The output is never edited by hand; keeping undo steps for megabytes of
    // modem output would only cost memory and time.
    output->setUndoRedoEnabled(false);
    // Laying out the text is most of the cost of showing it. Latin text needs
    // no shaping to be readable (scripts that need it are still shaped), and
    // skipping it makes the layout more than twice as fast.
    QFont outputFont = output->font();
    outputFont.setStyleStrategy(QFont::PreferNoShaping);
    output->setFont(outputFont);
    // A console runs left to right; this spares guessing each paragraph's
    // direction from its text.
    QTextOption option = output->document()->defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    output->document()->setDefaultTextOption(option);
    // Text is laid out when it comes into view, not as it arrives.
    outputLayout = new TerminalLayout(output->document());
    output->document()->setDocumentLayout(outputLayout);

    // The style sheet's background makes the view transparent, so every
    // repaint of it repainted the window behind it as well, and scrolling
    // could not reuse the pixels already shown. The view paints its own
    // background instead (see eventFilter) and scrolls by moving pixels.
    output->viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    output->viewport()->installEventFilter(this);
    new ScrollBarPicture(output->verticalScrollBar());

    // Received text is gathered for a moment and shown in one insertion, so a
    // fast line costs one document update and repaint per display delay, not
    // one per read.
    displayTimer.setSingleShot(true);
    displayTimer.setInterval(displayDelayMs);
    connect(&displayTimer, &QTimer::timeout, this, &ATInterface::flushPending);

    // The document grows its scroll range after the insertion, when its layout
    // catches up; a view that follows the end has to follow that too. A cursor
    // placed elsewhere with the mouse means the operator is reading back.
    connect(output->verticalScrollBar(), &QScrollBar::rangeChanged, this, [output](int, int max) {
        if (output->textCursor().atEnd())
            output->verticalScrollBar()->setValue(max);
    });

}

ATInterface::~ATInterface()
{
    delete ui;
}

bool ATInterface::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *viewport = ui->OutputTextEdit->viewport();
    if (watched == viewport) {
        if (event->type() == QEvent::Paint) {
            // Under the text, before QTextEdit draws it.
            QPainter painter(viewport);
            painter.fillRect(static_cast<QPaintEvent *>(event)->rect(),
                             viewport->palette().brush(viewport->backgroundRole()));
        } else if (event->type() == QEvent::Resize) {
            outputLayout->setEagerHeight(viewport->height());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ATInterface::appendReceived(QString text)
{
    if (text.isEmpty())
        return;
    takeText(text, waitingForDisplay() > 0);
}

void ATInterface::appendReceivedBytes(const QByteArray &chunk)
{
    if (chunk.isEmpty())
        return;
    takeText(decoder.decode(chunk), waitingForDisplay() > 0);
}

void ATInterface::resetDecoder()
{
    decoder.resetState();
}

qsizetype ATInterface::waitingForDisplay() const
{
    return pending.size();
}

void ATInterface::takeText(const QString &text, bool wasWaiting)
{
    transcript += text;
    pending += text;
    if (waitingForDisplay() == 0)
        return;
    if (!wasWaiting) {
        pendingAge.start();
        const bool fast = fastStream && !sinceShown.hasExpired(2 * fastStreamDelayMs);
        displayTimer.start(fast ? fastStreamDelayMs : displayDelayMs);
        return;
    }
    // While bytes keep arriving the event loop may not get round to the
    // timer, and a large batch would freeze the window while it is laid out:
    // show the text now if it has waited long enough or grown large.
    if (pendingAge.hasExpired(displayTimer.interval()) || waitingForDisplay() >= displayBatchChars)
        flushPending();
}

void ATInterface::flushPending()
{
    displayTimer.stop();
    const qsizetype batch = waitingForDisplay();
    if (batch == 0)
        return;
    qint64 sincePrevious = -1;
    if (sinceShown.isValid())
        sincePrevious = sinceShown.restart();
    else
        sinceShown.start();
    fastStream = sincePrevious > 0 && batch * 1000 >= fastStreamCharsPerSecond * sincePrevious;
    QString text;
    text.swap(pending);
    showText(text);
}

void ATInterface::showText(QString text)
{
    // A "\r\n" split between two reads: its "\r" has already broken the line.
    if (shownEndsInCR && text.startsWith(u'\n'))
        text.remove(0, 1);
    if (text.isEmpty()) {
        shownEndsInCR = false;
        return;
    }
    shownEndsInCR = text.endsWith(u'\r');
    // Inserted as plain text at the end: markup from the modem shows as it
    // came, and the cost does not grow with what is already shown.
    QTextCursor cursor(ui->OutputTextEdit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    cursor.insertText(preparedForDocument(text));
    cursor.endEditBlock();
}

QString ATInterface::shownText(const QString &received)
{
    QString text = received;
    unifyLineEnds(text);
    for (QChar &c : text) {
        switch (c.unicode()) {
        case 0x2028: // line separator
        case 0x2029: // paragraph separator
        case 0xFDD0: // the document's frame marks
        case 0xFDD1:
            c = u'\n';
            break;
        case 0x00A0: // no-break space
            c = u' ';
            break;
        default:
            break;
        }
    }
    return text;
}

void ATInterface::clearTranscript()
{
    transcript.clear();
    decoder.resetState();
    pending.clear();
    displayTimer.stop();
    shownEndsInCR = false;
    ui->OutputTextEdit->clear();
}

void ATInterface::focusInput()
{
    ui->IntputTextEdit->setFocus(Qt::OtherFocusReason);
}

void ATInterface::on_pushButton_clicked()
{
    const QString line = QStringLiteral("%1\r\n").arg(ui->IntputTextEdit->toPlainText());
    emit signal_sendMessage(line);
    ui->IntputTextEdit->clear();
}

void ATInterface::on_OutputTextEdit_textChanged()
{
    ui->OutputTextEdit->moveCursor(QTextCursor::End, QTextCursor::MoveAnchor);
    // Making the cursor visible stops short of the bottom margin.
    QScrollBar *bar = ui->OutputTextEdit->verticalScrollBar();
    bar->setValue(bar->maximum());
}
