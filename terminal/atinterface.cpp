#include "terminal/atinterface.h"
#include "ui_atinterface.h"

#include "terminal/portbox.h"
#include "terminal/scrollbarpicture.h"
#include "terminal/terminallayout.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFontDatabase>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QTime>

#include <cmath>
#include <memory>

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
QString preparedForDocument(QStringView text)
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

// The hex view: rows of `hexdump -C`, each a line of the document. All rows
// but the last are full and equally long, so a row's place in the document
// follows from its number, and new bytes only rewrite the view from the last
// row on. Rows are joined into paragraphs like received lines.
constexpr int hexRowBytes = 16;
constexpr int hexTextColumn = 61; // after offset and hex columns: "|" and the text
// A row of n bytes is hexTextColumn + n + 1 characters long ("|" closes it),
// and a line break follows it.
constexpr qsizetype hexRowStride = hexTextColumn + hexRowBytes + 2;
constexpr int hexOffsetLength = 8;

QString hexOffset(qsizetype offset)
{
    return QStringLiteral("%1").arg(offset, hexOffsetLength, 16, QLatin1Char('0'));
}

// Rows from `firstRow` on, then the end offset; each followed by `newline`,
// or by the document's line and paragraph breaks when `newline` is null.
QString hexRows(const QByteArray &bytes, qsizetype firstRow, QChar newline = QChar())
{
    static const char digits[] = "0123456789abcdef";
    QString out;
    if (bytes.isEmpty())
        return out;
    const qsizetype rows = (bytes.size() + hexRowBytes - 1) / hexRowBytes;
    out.reserve((rows - firstRow + 1) * hexRowStride);
    auto lineBreak = [&](qsizetype row) {
        if (!newline.isNull())
            return newline;
        return (row + 1) % ATInterface::linesPerParagraph == 0 ? QChar(QChar::ParagraphSeparator)
                                                                : QChar(QChar::LineSeparator);
    };
    for (qsizetype row = firstRow; row < rows; ++row) {
        const qsizetype start = row * hexRowBytes;
        const qsizetype count = qMin<qsizetype>(hexRowBytes, bytes.size() - start);
        out += hexOffset(start);
        out += QLatin1String("  ");
        for (int i = 0; i < hexRowBytes; ++i) {
            if (i < count) {
                const uchar byte = uchar(bytes.at(start + i));
                out += QLatin1Char(digits[byte >> 4]);
                out += QLatin1Char(digits[byte & 0xF]);
                out += QLatin1Char(' ');
            } else {
                out += QLatin1String("   ");
            }
            if (i == 7)
                out += QLatin1Char(' ');
        }
        out += QLatin1String(" |");
        for (qsizetype i = 0; i < count; ++i) {
            const char byte = bytes.at(start + i);
            out += QLatin1Char(byte >= 0x20 && byte < 0x7F ? byte : '.');
        }
        out += QLatin1Char('|');
        out += lineBreak(row);
    }
    out += hexOffset(bytes.size());
    if (!newline.isNull())
        out += newline;
    return out;
}

// Length in the document of the hex view of `size` bytes.
qsizetype hexViewLength(qsizetype size)
{
    if (size == 0)
        return 0;
    const qsizetype fullRows = size / hexRowBytes;
    const qsizetype rest = size % hexRowBytes;
    qsizetype length = fullRows * hexRowStride + hexOffsetLength;
    if (rest > 0)
        length += hexTextColumn + rest + 2;
    return length;
}

// Hex digits need columns that line up.
QTextCharFormat hexFormat(const QFont &outputFont)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(outputFont.pointSizeF());
    QTextCharFormat format;
    format.setFont(font);
    return format;
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

    saveTranscriptAction = new QAction(tr("Save transcript…"), this);
    saveTranscriptAction->setObjectName(QStringLiteral("saveTranscriptAction"));
    connect(saveTranscriptAction, &QAction::triggered, this, &ATInterface::saveTranscript);
    showHexAction = new QAction(tr("Show as hex"), this);
    showHexAction->setObjectName(QStringLiteral("showHexAction"));
    showHexAction->setCheckable(true);
    connect(showHexAction, &QAction::toggled, this, &ATInterface::setHexView);
    output->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(output, &QWidget::customContextMenuRequested, this, &ATInterface::showOutputMenu);

    // The operator's choices, beside the transcript's tools.
    showSentAction = new QAction(this);
    showSentAction->setObjectName(QStringLiteral("showSentAction"));
    showSentAction->setCheckable(true);
    connect(showSentAction, &QAction::toggled, this, &ATInterface::setShowSentLines);
    logAction = new QAction(this);
    logAction->setObjectName(QStringLiteral("logToFileAction"));
    logAction->setCheckable(true);
    connect(logAction, &QAction::triggered, this, [this](bool on) {
        // Checked once a file is logged to, not before.
        logAction->setChecked(logFile != nullptr);
        if (on)
            chooseLogFile();
        else
            logTo(QString());
    });

    // The port and the link within reach, so the next unit is linked without
    // leaving the terminal.
    auto *linkRow = new QHBoxLayout;
    linkRow->setObjectName(QStringLiteral("linkLayout"));
    linkLabel = new QLabel(this);
    linkLabel->setObjectName(QStringLiteral("linkLabel"));
    linkLabel->setFont(ui->label->font());
    linkPortBox = new PortBox(this);
    linkPortBox->setObjectName(QStringLiteral("TerminalPortBox"));
    linkPortBox->setMinimumWidth(140);
    // Wide enough for most names; a longer one keeps its end (PortBox).
    linkPortBox->setMaximumWidth(360);
    linkPortBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // The product decides the line's rate: a KV5 is silent to a link
    // opened at a KV6 - KV7's 115200 baud, and the other way round.
    linkProductBox = new QComboBox(this);
    linkProductBox->setObjectName(QStringLiteral("TerminalProductBox"));
    linkProductBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    linkButton = new QPushButton(this);
    linkButton->setObjectName(QStringLiteral("TerminalConnectButton"));
    linkButton->setFont(ui->pushButton->font());
    connect(linkButton, &QPushButton::clicked, this, &ATInterface::signal_toggleLink);
    linkRow->addWidget(linkLabel);
    linkRow->addWidget(linkPortBox);
    linkRow->addWidget(linkProductBox);
    linkRow->addWidget(linkButton);
    linkRow->addStretch(1);
    ui->verticalLayout->addLayout(linkRow);
    setLinkButton(QStringLiteral("Connect"), true);

    for (QWidget *widget : { static_cast<QWidget *>(ui->IntputTextEdit), static_cast<QWidget *>(ui->pushButton),
                             static_cast<QWidget *>(linkPortBox), static_cast<QWidget *>(linkProductBox),
                             static_cast<QWidget *>(linkButton) })
        widget->installEventFilter(this);

    // A unit that hears a line answers it at once; one that stays silent is
    // most often a unit of the other product, at the other rate.
    answerTimer.setSingleShot(true);
    answerTimer.setInterval(answerWaitMs);
    connect(&answerTimer, &QTimer::timeout, this, &ATInterface::signal_noAnswer);

    // The line typed stays in view, however the font and the screen's
    // scale make its row.
    QTextEdit *input = ui->IntputTextEdit;
    input->setLineWrapMode(QTextEdit::NoWrap);
    input->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(input->document(), &QTextDocument::contentsChanged, this, &ATInterface::fitInputHeight);
    connect(input, &QTextEdit::cursorPositionChanged, input, &QTextEdit::ensureCursorVisible);
    fitInputHeight();
}

void ATInterface::fitInputHeight()
{
    QTextEdit *input = ui->IntputTextEdit;
    constexpr int shownRows = 4;
    QTextDocument *document = input->document();
    const int frame = 2 * input->frameWidth();
    const int rows = document->lineCount();
    const int tallest = shownRows * input->fontMetrics().lineSpacing() + 2 * int(document->documentMargin()) + 2;
    const int height = qMax(30, qMin(tallest, int(std::ceil(document->size().height()))) + frame);
    if (input->minimumHeight() != height || input->maximumHeight() != height)
        input->setFixedHeight(height);
    input->setVerticalScrollBarPolicy(rows > shownRows ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    input->ensureCursorVisible();
}

ATInterface::~ATInterface()
{
    delete logFile;
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
    } else if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        // Accepted, the key comes as a key press and copies; ignored, the
        // window's Ctrl+C acts.
        event->setAccepted(copySelection(false));
        return true;
    } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        if (copySelection(true))
            return true;
    } else if (watched == ui->IntputTextEdit && event->type() == QEvent::KeyPress) {
        if (inputKey(static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ATInterface::appendReceived(QString text)
{
    if (text.isEmpty())
        return;
    answerTimer.stop();
    const bool wasWaiting = waitingForDisplay() > 0;
    const QByteArray bytes = text.toUtf8();
    received += bytes;
    logBytes(bytes, false);
    takeText(text, wasWaiting);
}

void ATInterface::appendReceivedBytes(const QByteArray &chunk)
{
    if (chunk.isEmpty())
        return;
    answerTimer.stop();
    const bool wasWaiting = waitingForDisplay() > 0;
    received += chunk;
    logBytes(chunk, false);
    takeText(decoder.decode(chunk), wasWaiting);
}

void ATInterface::resetDecoder()
{
    decoder.resetState();
}

qsizetype ATInterface::waitingForDisplay() const
{
    // A byte takes about five characters of the hex view.
    return hexView ? (received.size() - hexShownBytes) * 5 : transcript.size() - shownChars;
}

void ATInterface::takeText(const QString &text, bool wasWaiting)
{
    // Shown from the transcript itself: no second copy of every chunk.
    transcript += text;
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
    if (hexView) {
        showHexTail();
        return;
    }
    const qsizetype from = shownChars;
    shownChars = transcript.size();
    showText(QStringView(transcript).mid(from));
}

void ATInterface::showText(QStringView text)
{
    // A "\r\n" split between two reads: its "\r" has already broken the line.
    if (shownEndsInCR && text.startsWith(u'\n'))
        text = text.mid(1);
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

void ATInterface::showHexTail()
{
    QTextDocument *document = ui->OutputTextEdit->document();
    if (document->characterCount() - 1 != hexViewLength(hexShownBytes)) {
        // The view was changed by other means (a paste): show it afresh.
        showEverything();
        return;
    }
    const qsizetype firstRow = hexShownBytes / hexRowBytes;
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.setPosition(int(firstRow * hexRowStride));
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.insertText(hexRows(received, firstRow), hexFormat(ui->OutputTextEdit->font()));
    cursor.endEditBlock();
    hexShownBytes = received.size();
}

// The output afresh, in the view chosen, from all that was received.
void ATInterface::showEverything()
{
    displayTimer.stop();
    shownChars = transcript.size();
    shownEndsInCR = false;
    hexShownBytes = 0;
    QTextEdit *output = ui->OutputTextEdit;
    output->clear();
    if (hexView) {
        showHexTail();
    } else {
        // The lines sent, between what came before and after each.
        qsizetype from = 0;
        for (const SentMark &mark : std::as_const(sentMarks)) {
            if (!showSent)
                break;
            showText(QStringView(transcript).mid(from, mark.at - from));
            insertSentLine(mark.shown);
            from = mark.at;
        }
        showText(QStringView(transcript).mid(from));
    }
}

void ATInterface::setHexView(bool on)
{
    if (on == hexView)
        return;
    hexView = on;
    showEverything();
}

QString ATInterface::hexDump(const QByteArray &bytes)
{
    return hexRows(bytes, 0, QLatin1Char('\n'));
}

void ATInterface::showOutputMenu(const QPoint &position)
{
    QTextEdit *output = ui->OutputTextEdit;
    QMenu *menu = output->createStandardContextMenu(position);
    menu->setObjectName(QStringLiteral("outputMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Captions in the language chosen now.
    saveTranscriptAction->setText(tr("Save transcript…"));
    showHexAction->setText(tr("Show as hex"));
    showSentAction->setText(tr("Show sent lines"));
    logAction->setText(tr("Log to file…"));
    logAction->setChecked(logFile != nullptr);
    logAction->setToolTip(logPath());
    menu->addSeparator();
    menu->addAction(saveTranscriptAction);
    menu->addAction(showHexAction);
    menu->addSeparator();
    menu->addAction(showSentAction);
    menu->addAction(logAction);
    menu->popup(output->viewport()->mapToGlobal(position));
}

void ATInterface::saveTranscript()
{
    if (saveDirectory.isEmpty())
        saveDirectory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(saveDirectory).filePath(
        QStringLiteral("transcript-%1.txt").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    // Modal to the window and answered by a signal: the link keeps running
    // while the operator chooses. Dark text, as the window's white labels
    // would be unreadable on the dialog's light grey.
    auto *dialog = new QFileDialog(this, tr("Save transcript"), suggested, tr("Text files (*.txt);;All files (*)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setStyleSheet(QStringLiteral("QLabel { color: rgb(0, 0, 0); }"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // What was received up to the moment the name is chosen.
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) { saveTranscriptTo(path); });
    dialog->open();
}

void ATInterface::saveTranscriptTo(const QString &path)
{
    saveDirectory = QFileInfo(path).absolutePath();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(received) != received.size() || !file.commit()) {
        auto *box = new QMessageBox(QMessageBox::Warning, tr("Save transcript"),
                                    tr("The transcript could not be saved to %1: %2")
                                        .arg(QDir::toNativeSeparators(path), file.errorString()),
                                    QMessageBox::Ok, this);
        box->setStyleSheet(QStringLiteral("QLabel { color: rgb(0, 0, 0); }"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
    }
    emit signal_notice(tr("Transcript saved to %1 (%n byte(s)).", nullptr, int(received.size())).arg(QDir::toNativeSeparators(path)));
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
    sentMarks.clear();
    received.clear();
    hexShownBytes = 0;
    decoder.resetState();
    shownChars = 0;
    displayTimer.stop();
    shownEndsInCR = false;
    ui->OutputTextEdit->clear();
}

void ATInterface::focusInput()
{
    ui->IntputTextEdit->setFocus(Qt::OtherFocusReason);
}

// Return (Enter on the keypad, with Ctrl too) sends as the button does;
// Shift+Return breaks the line in the box. Ctrl+Up and Ctrl+Down step
// through the commands sent, as shells do.
bool ATInterface::inputKey(QKeyEvent *key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool returnKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (returnKey && modifiers == Qt::ShiftModifier) {
        // A plain line break (the box's own would be a line separator).
        ui->IntputTextEdit->insertPlainText(QStringLiteral("\n"));
        return true;
    }
    if (returnKey && modifiers == Qt::NoModifier) {
        on_pushButton_clicked();
        return true;
    }
    if (modifiers != Qt::ControlModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        on_pushButton_clicked();
        return true;
    case Qt::Key_Up:
        recall(-1);
        return true;
    case Qt::Key_Down:
        recall(1);
        return true;
    default:
        return false;
    }
}

void ATInterface::recall(int step)
{
    const qsizetype index = historyIndex + step;
    if (index < 0 || index > history.size())
        return;
    if (historyIndex == history.size())
        historyDraft = ui->IntputTextEdit->toPlainText();
    historyIndex = index;
    QTextEdit *input = ui->IntputTextEdit;
    input->setPlainText(index == history.size() ? historyDraft : history.at(index));
    input->moveCursor(QTextCursor::End);
}

void ATInterface::on_pushButton_clicked()
{
    if (!linkOpen) {
        emit signal_notice(tr("No link is open: connect first. The line is kept."));
        return;
    }
    // Each line of the box goes as a line of its own, as it stands (an
    // empty one too, as an empty box sends "\r\n"): a line break inside a
    // line is an error to the modem.
    const QStringList commands = ui->IntputTextEdit->toPlainText().split(
        QRegularExpression(QStringLiteral("\r\n|[\r\n\u2028\u2029]")));
    for (const QString &one : std::as_const(commands))
        sendLine(one);
    ui->IntputTextEdit->clear();
    // An empty line or the same command again adds nothing to step through.
    for (const QString &one : std::as_const(commands)) {
        if (!one.isEmpty() && (history.isEmpty() || history.constLast() != one)) {
            history.append(one);
            if (history.size() > historyLength)
                history.removeFirst();
        }
    }
    historyIndex = history.size();
    historyDraft.clear();
}

void ATInterface::sendLine(const QString &command)
{
    const QString line = QStringLiteral("%1\r\n").arg(command);
    // What came before the line is shown (and logged) before it.
    flushPending();
    emit signal_sendMessage(line);
    logBytes(line.toUtf8(), true);
    if (linkOpen)
        answerTimer.start();
    const QString shown = QStringLiteral("\u00bb %1  %2").arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), command);
    sentMarks.append({ transcript.size(), shown });
    if (showSent && !hexView)
        insertSentLine(shown);
}

// A sent line on a line of its own, in a colour of its own: the unit's
// text is white.
void ATInterface::insertSentLine(const QString &shown)
{
    QTextDocument *document = ui->OutputTextEdit->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    const QChar before = cursor.position() > 0 ? document->characterAt(cursor.position() - 1) : QChar();
    if (!before.isNull() && before != QChar::ParagraphSeparator && before != QChar::LineSeparator)
        cursor.insertBlock();
    QTextCharFormat sent;
    sent.setForeground(QColor(255, 204, 102));
    cursor.insertText(shown, sent);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.endEditBlock();
    shownEndsInCR = false;
}

bool ATInterface::copySelection(bool copyNow)
{
    QTextEdit *input = ui->IntputTextEdit;
    QTextEdit *output = ui->OutputTextEdit;
    QTextEdit *from = input->textCursor().hasSelection() ? input
                      : output->textCursor().hasSelection() ? output
                                                             : nullptr;
    if (from && copyNow)
        from->copy();
    return from != nullptr;
}

void ATInterface::setShowSentLines(bool on)
{
    showSentAction->setChecked(on);
    if (on == showSent)
        return;
    showSent = on;
    // The lines sent so far appear, or go, too.
    if (!hexView)
        showEverything();
    emit signal_choicesChanged();
}

QString ATInterface::logPath() const
{
    return logFile ? logFile->fileName() : QString();
}

bool ATInterface::logTo(const QString &path, QString *error)
{
    const QString before = logPath();
    delete logFile;
    logFile = nullptr;
    bool opened = path.isEmpty();
    if (!path.isEmpty()) {
        auto file = std::make_unique<QFile>(path);
        // Added to what the file holds: a log is never cut short.
        if (file->open(QIODevice::WriteOnly | QIODevice::Append)) {
            const QByteArray start = "# " + QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8()
                                     + " log opened: > sent, < received\n";
            opened = file->write(start) == start.size() && file->flush();
        }
        if (opened) {
            logFile = file.release();
            logAtLineStart = true;
        } else if (error) {
            *error = file->errorString();
        }
    }
    logAction->setChecked(logFile != nullptr);
    if (logPath() != before)
        emit signal_choicesChanged();
    return opened;
}

void ATInterface::chooseLogFile()
{
    if (saveDirectory.isEmpty())
        saveDirectory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    auto *dialog = new QFileDialog(this, tr("Log to file"), QDir(saveDirectory).filePath(QStringLiteral("terminal-log.txt")),
                                   tr("Text files (*.txt *.log);;All files (*)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // The log is added to, never overwritten.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setStyleSheet(QStringLiteral("QLabel { color: rgb(0, 0, 0); }"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) {
        saveDirectory = QFileInfo(path).absolutePath();
        QString error;
        if (logTo(path, &error))
            emit signal_notice(tr("Logging to %1.").arg(QDir::toNativeSeparators(path)));
        else
            emit signal_notice(tr("Cannot log to %1: %2").arg(QDir::toNativeSeparators(path), error));
    });
    dialog->open();
}

// Each line of the log begins with the time and its direction; the bytes
// follow as they went or came.
void ATInterface::logBytes(const QByteArray &bytes, bool sent)
{
    if (!logFile || bytes.isEmpty())
        return;
    const QByteArray mark = QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")).toLatin1() + (sent ? " > " : " < ");
    QByteArray out;
    // A line the unit has not finished yet is broken off by a line sent.
    if (!logAtLineStart && sent != logLastSent) {
        out += '\n';
        logAtLineStart = true;
    }
    for (qsizetype i = 0; i < bytes.size();) {
        if (logAtLineStart) {
            out += mark;
            logAtLineStart = false;
            logLastSent = sent;
        }
        const qsizetype lineEnd = bytes.indexOf('\n', i);
        const qsizetype end = lineEnd < 0 ? bytes.size() : lineEnd + 1;
        out += QByteArrayView(bytes).sliced(i, end - i);
        logAtLineStart = lineEnd >= 0;
        i = end;
    }
    if (logFile->write(out) != out.size() || !logFile->flush()) {
        const QString path = logFile->fileName();
        const QString error = logFile->errorString();
        logTo(QString());
        emit signal_notice(tr("The log %1 could not be written: %2. Logging stopped.").arg(QDir::toNativeSeparators(path), error));
    }
}

void ATInterface::setLinkButton(const QString &caption, bool enabled)
{
    linkLabel->setText(tr("Port :"));
    linkButton->setText(caption);
    linkButton->setEnabled(enabled);
}

void ATInterface::on_OutputTextEdit_textChanged()
{
    ui->OutputTextEdit->moveCursor(QTextCursor::End, QTextCursor::MoveAnchor);
    // Making the cursor visible stops short of the bottom margin.
    QScrollBar *bar = ui->OutputTextEdit->verticalScrollBar();
    bar->setValue(bar->maximum());
}
