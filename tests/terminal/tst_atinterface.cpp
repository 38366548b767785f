// Panel-level tests of the AT terminal: what a click sends, what the output
// area shows for received text, clearing and focus. No serial port involved.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "terminal/atinterface.h"

namespace {

// Generous: the display timer is tens of milliseconds, slow CI machines and
// sanitizer builds need far more headroom than that.
constexpr int kWaitMs = 10000;

struct Panel
{
    ATInterface widget;
    QTextEdit *output = nullptr;
    QTextEdit *input = nullptr;
    QPushButton *enter = nullptr;

    Panel()
    {
        output = widget.findChild<QTextEdit *>(QStringLiteral("OutputTextEdit"));
        input = widget.findChild<QTextEdit *>(QStringLiteral("IntputTextEdit"));
        enter = widget.findChild<QPushButton *>(QStringLiteral("pushButton"));
    }
};

// Remembers the reason of the last focus-in its watched widget got.
class FocusReasonProbe : public QObject
{
public:
    Qt::FocusReason reason = Qt::NoFocusReason;
    bool gotFocus = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            gotFocus = true;
            reason = static_cast<QFocusEvent *>(event)->reason();
        }
        return QObject::eventFilter(watched, event);
    }
};

QString manyLines(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("S%1=%2 some modem output line\r\n").arg(100 + i % 50).arg(i);
    return text;
}

// The pieces of `text` as a port may deliver them: each ends right after a
// "\r", so every "\n" of a "\r\n" starts the next piece.
QStringList splitAfterCR(const QString &text)
{
    QStringList pieces;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\r')) {
            pieces << text.mid(from, i + 1 - from);
            from = i + 1;
        }
    }
    pieces << text.mid(from);
    return pieces;
}

} // namespace

class TestATInterface : public QObject
{
    Q_OBJECT

private slots:
    void formWidgets();
    void formSizesAndFonts_data();
    void formSizesAndFonts();
    void initialDocumentsAreEmptyCalibri();

    void sendsInputLine_data();
    void sendsInputLine();
    void sentLineIsNotEchoed();
    void ctrlReturnSends_data();
    void ctrlReturnSends();
    void historySteps_data();
    void historySteps();
    void historyKeepsTheLastHundred();
    void lineBreaks_data();
    void lineBreaks();
    void typedLinesStayVisible();
    void silentUnitSaid();
    void sentLinesShownAndLogged();
    void ctrlCCopiesOnlyASelection();

    void receivedTextShowsLiterally_data();
    void receivedTextShowsLiterally();
    void piecesShowTranscript_data();
    void piecesShowTranscript();
    void appendWaitsForDisplayTimer();
    void largeBatchShowsAtOnce();
    void longWaitingTextShowsWithoutTimer();
    void everyLineHasItsOwnRow();
    void viewFollowsEnd();

    void clearTranscriptEmptiesOutputKeepsInput();
    void clearDropsPendingText();
    void focusInputFocusesInputBox();
};

void TestATInterface::formWidgets()
{
    Panel p;
    QCOMPARE(p.widget.objectName(), QStringLiteral("ATInterface"));
    QCOMPARE(p.widget.size(), QSize(900, 277));
    QCOMPARE(p.widget.windowTitle(), QStringLiteral("Form"));
    QCOMPARE(p.widget.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(p.widget.sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(p.widget.styleSheet(),
             QStringLiteral("QTextEdit {\n\tbackground-color: rgb(100, 100, 100);\n\tcolor: rgb(255, 255, 255);\n}"));

    QVERIFY(p.output);
    QVERIFY(p.input);
    QVERIFY(p.enter);
    auto *label = p.widget.findChild<QLabel *>(QStringLiteral("label"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("AT Command :"));
    QCOMPARE(label->alignment(), Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter);
    QCOMPARE(p.enter->text(), QStringLiteral("Enter"));
    QVERIFY(p.enter->shortcut().isEmpty());

    QCOMPARE(p.output->focusPolicy(), Qt::NoFocus);
    QVERIFY(!p.output->hasMouseTracking());

    auto *vertical = p.widget.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout"));
    auto *horizontal = p.widget.findChild<QHBoxLayout *>(QStringLiteral("horizontalLayout"));
    QVERIFY(vertical);
    QVERIFY(horizontal);
    QCOMPARE(vertical->indexOf(p.output), 0);
    QCOMPARE(horizontal->indexOf(label), 0);
    QCOMPARE(horizontal->indexOf(p.input), 1);
    QCOMPARE(horizontal->indexOf(p.enter), 2);
}

void TestATInterface::formSizesAndFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("bold");

    const QSize largest(16777215, 16777215);
    QTest::newRow("output") << "OutputTextEdit" << QSize(0, 0) << largest << 12 << false;
    QTest::newRow("label") << "label" << QSize(120, 30) << QSize(200, 30) << 13 << true;
    QTest::newRow("button") << "pushButton" << QSize(0, 0) << largest << 13 << false;
}

void TestATInterface::formSizesAndFonts()
{
    QFETCH(QString, name);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);
    QFETCH(int, pointSize);
    QFETCH(bool, bold);

    Panel p;
    auto *w = p.widget.findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->minimumSize(), minimum);
    QCOMPARE(w->maximumSize(), maximum);
    QCOMPARE(w->font().family(), QStringLiteral("Calibri"));
    QCOMPARE(w->font().pointSize(), pointSize);
    QCOMPARE(w->font().bold(), bold);
}

void TestATInterface::initialDocumentsAreEmptyCalibri()
{
    Panel p;
    for (QTextEdit *edit : { p.output, p.input }) {
        QVERIFY(edit->toPlainText().isEmpty());
        QCOMPARE(edit->document()->blockCount(), 1);
        const QFont font = edit->currentFont();
        QCOMPARE(font.family(), QStringLiteral("Calibri"));
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), QFont::Normal);
        QCOMPARE(font.style(), QFont::StyleNormal);
    }
}

void TestATInterface::sendsInputLine_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byKeys");
    QTest::addColumn<QByteArray>("expectedUtf8");

    QTest::newRow("AT&V") << "AT&V" << true << QByteArray("AT&V\r\n");
    QTest::newRow("empty box") << "" << true << QByteArray("\r\n");
    QTest::newRow("spaces kept") << "  at+x  " << true << QByteArray("  at+x  \r\n");
    QTest::newRow("percent markers") << "AT%1%2" << true << QByteArray("AT%1%2\r\n");
    QTest::newRow("markup-looking") << "<b>x</b>" << true << QByteArray("<b>x</b>\r\n");
    QTest::newRow("non-ASCII") << QString::fromUtf8("AT+NAME=温度°C") << false
                               << QByteArray("AT+NAME=\xe6\xb8\xa9\xe5\xba\xa6\xc2\xb0""C\r\n");
}

void TestATInterface::sendsInputLine()
{
    QFETCH(QString, typed);
    QFETCH(bool, byKeys);
    QFETCH(QByteArray, expectedUtf8);

    Panel p;
    p.widget.show();
    QSignalSpy spy(&p.widget, &ATInterface::signal_sendMessage);
    if (byKeys)
        QTest::keyClicks(p.input, typed);
    else
        p.input->setPlainText(typed);
    QCOMPARE(p.input->toPlainText(), typed);

    QTest::mouseClick(p.enter, Qt::LeftButton);

    QCOMPARE(spy.count(), 1);
    const QString line = spy.at(0).at(0).toString();
    QCOMPARE(line, QString::fromUtf8(expectedUtf8));
    QCOMPARE(line.toUtf8(), expectedUtf8);
    QVERIFY(p.input->toPlainText().isEmpty());
}

void TestATInterface::sentLineIsNotEchoed()
{
    Panel p;
    QTest::keyClicks(p.input, QStringLiteral("ATI"));
    QTest::mouseClick(p.enter, Qt::LeftButton);
    p.widget.flushPending();
    QVERIFY(p.output->toPlainText().isEmpty());
}

// A line feed never goes out inside a line: Return sends, Shift+Return
// breaks the line in the box, and each line of the box goes as its own.
void TestATInterface::lineBreaks_data()
{
    QTest::addColumn<QString>("typed");      // "|" is Return, "^" Shift+Return, "#" the Enter button
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("Return sends") << "AT&V|" << QStringList { "AT&V\r\n" };
    QTest::newRow("Return on an empty box") << "|" << QStringList { "\r\n" };
    QTest::newRow("Shift+Return: two lines") << "AT^ATI#" << QStringList { "AT\r\n", "ATI\r\n" };
    QTest::newRow("a break at the end") << "AT&V^|" << QStringList { "AT&V\r\n", "\r\n" };
    QTest::newRow("pasted lines") << "AT\r\nATI\nAT&V\u2028ATS1?#"
                                  << QStringList { "AT\r\n", "ATI\r\n", "AT&V\r\n", "ATS1?\r\n" };
}

void TestATInterface::lineBreaks()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, lines);

    Panel p;
    p.widget.show();
    QSignalSpy spy(&p.widget, &ATInterface::signal_sendMessage);
    QString part;
    for (const QChar c : typed) {
        if (c != u'|' && c != u'^' && c != u'#') {
            part += c;
            continue;
        }
        // Typed, or pasted where it holds line breaks.
        if (part.contains(u'\n') || part.contains(QChar(0x2028)))
            p.input->insertPlainText(part);
        else
            QTest::keyClicks(p.input, part);
        part.clear();
        if (c == u'#')
            QTest::mouseClick(p.enter, Qt::LeftButton);
        else
            QTest::keyClick(p.input, Qt::Key_Return, c == u'^' ? Qt::ShiftModifier : Qt::NoModifier);
    }
    QStringList sent;
    for (const QList<QVariant> &signal : std::as_const(spy))
        sent << signal.at(0).toString();
    QCOMPARE(sent, lines);
    for (const QString &line : std::as_const(sent))
        QVERIFY2(!line.chopped(2).contains(u'\n') && !line.chopped(2).contains(u'\r'), qPrintable(line));
    QVERIFY(p.input->toPlainText().isEmpty());
}

// The box is as tall as its lines, up to a few: what was typed stays in view.
void TestATInterface::typedLinesStayVisible()
{
    Panel p;
    p.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.widget));
    const int oneRow = p.input->height();
    QVERIFY(oneRow >= 30);
    QCOMPARE(p.input->font().pointSize(), 12);
    QTest::keyClicks(p.input, QStringLiteral("AT"));
    QVERIFY(p.input->viewport()->rect().contains(p.input->cursorRect()));
    QTest::keyClick(p.input, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(p.input, QStringLiteral("ATI"));
    QVERIFY(p.input->height() > oneRow);
    QCOMPARE(p.input->verticalScrollBar()->value(), 0);
    const QRect first = p.input->cursorRect(QTextCursor(p.input->document()));
    QVERIFY(p.input->viewport()->rect().contains(first));
    QVERIFY(p.input->viewport()->rect().contains(p.input->cursorRect()));
}

// A line that gets no answer says so; an answer in time says nothing.
void TestATInterface::silentUnitSaid()
{
    Panel p;
    QSignalSpy silent(&p.widget, &ATInterface::signal_noAnswer);
    p.input->setPlainText(QStringLiteral("AT"));
    QTest::mouseClick(p.enter, Qt::LeftButton);
    p.widget.appendReceivedBytes("OK\r\n");
    p.input->setPlainText(QStringLiteral("ATI"));
    QTest::mouseClick(p.enter, Qt::LeftButton);
    QVERIFY(silent.wait(ATInterface::answerWaitMs + kWaitMs));
    QCOMPARE(silent.count(), 1);
}

// Sent lines appear among the replies with their time, apart from them; the
// log holds both directions as they went.
void TestATInterface::sentLinesShownAndLogged()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("terminal.log"));
    Panel p;
    p.widget.setShowSentLines(true);
    QVERIFY(p.widget.logTo(path));
    p.widget.appendReceived(QStringLiteral("READY\r\n"));
    QTest::keyClicks(p.input, QStringLiteral("ATI"));
    QTest::mouseClick(p.enter, Qt::LeftButton);
    p.widget.appendReceivedBytes("KV5 Tarn\r\nOK\r\n");
    p.widget.flushPending();

    const QStringList shown = p.output->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(shown.size(), 5);
    QCOMPARE(shown.at(0), QStringLiteral("READY"));
    QVERIFY2(QRegularExpression(QStringLiteral("^\u00bb \\d\\d:\\d\\d:\\d\\d  ATI$")).match(shown.at(1)).hasMatch(),
             qPrintable(shown.at(1)));
    QCOMPARE(shown.mid(2), QStringList({ "KV5 Tarn", "OK", "" }));
    // What was saved is still what came, without the sent lines.
    QCOMPARE(p.widget.receivedBytes(), QByteArray("READY\r\nKV5 Tarn\r\nOK\r\n"));

    QVERIFY(p.widget.logTo(QString()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> log = file.readAll().split('\n');
    QCOMPARE(log.size(), 6);
    QVERIFY(log.at(0).startsWith("# "));
    const QList<QByteArray> ends { "< READY\r", "> ATI\r", "< KV5 Tarn\r", "< OK\r", "" };
    for (qsizetype i = 0; i < ends.size() - 1; ++i)
        QVERIFY2(log.at(i + 1).endsWith(" " + ends.at(i)) && log.at(i + 1).at(2) == ':', log.at(i + 1).constData());
}

// Ctrl+C copies a selection; with none it is left to the window (whose
// Ctrl+C leaves the terminal).
void TestATInterface::ctrlCCopiesOnlyASelection()
{
    Panel p;
    p.widget.show();
    p.widget.appendReceived(QStringLiteral("OK\r\n"));
    p.widget.flushPending();
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(p.input, &override);
    QVERIFY(!override.isAccepted());

    p.output->selectAll();
    QKeyEvent again(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(p.input, &again);
    QVERIFY(again.isAccepted());
    QApplication::clipboard()->clear();
    QTest::keyClick(p.input, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("OK")));
}

void TestATInterface::ctrlReturnSends_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("sends");

    QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << true;
    QTest::newRow("Ctrl+Enter on the keypad") << int(Qt::Key_Enter) << int(Qt::ControlModifier | Qt::KeypadModifier) << true;
    QTest::newRow("Enter on the keypad alone") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("Shift+Return") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << false;
    QTest::newRow("Ctrl+Shift+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
}

void TestATInterface::ctrlReturnSends()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, sends);

    Panel p;
    p.widget.show();
    QSignalSpy spy(&p.widget, &ATInterface::signal_sendMessage);
    QTest::keyClicks(p.input, QStringLiteral("AT+RSSI?"));
    QTest::keyClick(p.input, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (sends) {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("AT+RSSI?\r\n"));
        QVERIFY(p.input->toPlainText().isEmpty());
    } else {
        QCOMPARE(spy.count(), 0);
        QVERIFY(p.input->toPlainText().startsWith(QStringLiteral("AT+RSSI?")));
    }
}

void TestATInterface::historySteps_data()
{
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("steps"); // u: Ctrl+Up, d: Ctrl+Down
    QTest::addColumn<QString>("shown");

    const QStringList three { "AT", "ATI", "AT&V" };
    QTest::newRow("the last command") << three << "" << "u" << "AT&V";
    QTest::newRow("three back") << three << "" << "uuu" << "AT";
    QTest::newRow("stops at the first") << three << "" << "uuuuu" << "AT";
    QTest::newRow("and forward again") << three << "" << "uuud" << "ATI";
    QTest::newRow("back to the line being typed") << three << "ATS1" << "uudd" << "ATS1";
    QTest::newRow("nothing after the line being typed") << three << "ATS1" << "dd" << "ATS1";
    QTest::newRow("no history yet") << QStringList() << "AT+X" << "u" << "AT+X";
    QTest::newRow("a repeated command once") << QStringList { "AT", "ATI", "ATI" } << "" << "uu" << "AT";
    QTest::newRow("empty lines not kept") << QStringList { "AT", "", "ATI" } << "" << "uu" << "AT";
}

void TestATInterface::historySteps()
{
    QFETCH(QStringList, sent);
    QFETCH(QString, typed);
    QFETCH(QString, steps);
    QFETCH(QString, shown);

    Panel p;
    p.widget.show();
    QSignalSpy spy(&p.widget, &ATInterface::signal_sendMessage);
    for (const QString &command : sent) {
        p.input->setPlainText(command);
        QTest::mouseClick(p.enter, Qt::LeftButton);
    }
    QCOMPARE(spy.count(), sent.size());
    QTest::keyClicks(p.input, typed);
    for (QChar step : steps)
        QTest::keyClick(p.input, step == u'u' ? Qt::Key_Up : Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(p.input->toPlainText(), shown);
    QVERIFY(p.input->textCursor().atEnd());
    QCOMPARE(spy.count(), sent.size());

    // What is recalled goes out as typed.
    QTest::keyClick(p.input, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(spy.constLast().at(0).toString(), shown + QStringLiteral("\r\n"));
}

void TestATInterface::historyKeepsTheLastHundred()
{
    Panel p;
    p.widget.show();
    for (int i = 0; i < 105; ++i) {
        p.input->setPlainText(QStringLiteral("ATS%1=1").arg(i));
        QTest::keyClick(p.input, Qt::Key_Return, Qt::ControlModifier);
    }
    for (int i = 0; i < ATInterface::historyLength; ++i)
        QTest::keyClick(p.input, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(p.input->toPlainText(), QStringLiteral("ATS5=1"));
    QTest::keyClick(p.input, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(p.input->toPlainText(), QStringLiteral("ATS5=1"));
}

void TestATInterface::receivedTextShowsLiterally_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("bold tag") << "<b>x</b>";
    QTest::newRow("html document") << "<html><body><h1>Hi</h1></body></html>\r\nOK\r\n";
    QTest::newRow("entities") << "&amp; &lt;tag&gt;\r\n";
    QTest::newRow("tag on first line, more after") << "<i>AT</i>\r\nOK\r\n<br>\r\n";
}

void TestATInterface::receivedTextShowsLiterally()
{
    QFETCH(QString, text);

    Panel p;
    p.widget.show();
    p.widget.appendReceived(text);
    QTRY_COMPARE_WITH_TIMEOUT(p.output->toPlainText(), ATInterface::shownText(text), kWaitMs);
    QVERIFY(p.output->toPlainText().contains(QLatin1Char('<')) || p.output->toPlainText().contains(QLatin1Char('&')));
    // Nothing was taken as formatting.
    for (QTextBlock b = p.output->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            QVERIFY(!it.fragment().charFormat().font().bold());
    }
}

void TestATInterface::piecesShowTranscript_data()
{
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<QString>("shown");

    QTest::newRow("CR LF lines") << QStringList { "AT\r\n", "OK\r\n" } << "AT\nOK\n";
    QTest::newRow("CR LF split between pieces") << QStringList { "OK\r", "\nERROR\r\n" } << "OK\nERROR\n";
    QTest::newRow("lone CR breaks the line") << QStringList { "abc\rdef" } << "abc\ndef";
    QTest::newRow("CR then CR LF") << QStringList { "a\r", "\r", "\nb" } << "a\n\nb";
    QTest::newRow("LF only") << QStringList { "a\nb\n" } << "a\nb\n";
    QTest::newRow("LF CR") << QStringList { "a\n\rb" } << "a\n\nb";
    QTest::newRow("no line end") << QStringList { "S10", "1=0 S1", "02=7" } << "S101=0 S102=7";
    QTest::newRow("empty pieces") << QStringList { "", "x", "" } << "x";
    QTest::newRow("UTF-8 text") << QStringList { QString::fromUtf8("Temp 25°C "), QString::fromUtf8("温度\r\n") }
                                << QString::fromUtf8("Temp 25°C 温度\n");
    QTest::newRow("replacement char") << QStringList { QString(QChar(0xFFFD)) + "OK" }
                                      << QString(QChar(0xFFFD)) + "OK";
    QTest::newRow("tab and bell") << QStringList { "a\tb\x07" } << "a\tb\x07";
    QTest::newRow("many lines in one piece") << QStringList { manyLines(100) }
                                             << ATInterface::shownText(manyLines(100));
    QTest::newRow("many lines, every CR LF split") << splitAfterCR(manyLines(40))
                                                   << ATInterface::shownText(manyLines(40));
    QTest::newRow("document break characters")
        << QStringList { QStringLiteral("a") + QChar(0x2028) + "b" + QChar(0x2029) + "c" + QChar(0x00A0) + "d" }
        << "a\nb\nc d";
}

void TestATInterface::piecesShowTranscript()
{
    QFETCH(QStringList, pieces);
    QFETCH(QString, shown);
    QCOMPARE(ATInterface::shownText(pieces.join(QString())), shown);

    // All pieces gathered by the display timer.
    {
        Panel p;
        p.widget.show();
        for (const QString &piece : pieces)
            p.widget.appendReceived(piece);
        QTRY_COMPARE_WITH_TIMEOUT(p.output->toPlainText(), shown, kWaitMs);
    }
    // Each piece shown on its own, as when pieces arrive slower than the timer.
    {
        Panel p;
        p.widget.show();
        for (const QString &piece : pieces) {
            p.widget.appendReceived(piece);
            p.widget.flushPending();
        }
        QCOMPARE(p.output->toPlainText(), shown);
    }
}

void TestATInterface::appendWaitsForDisplayTimer()
{
    Panel p;
    p.widget.show();
    p.widget.appendReceived(QStringLiteral("OK\r\n"));
    // Not shown until the event loop runs the display timer.
    QVERIFY(p.output->toPlainText().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(p.output->toPlainText(), QStringLiteral("OK\n"), kWaitMs);
    p.widget.appendReceived(QStringLiteral("ERROR\r\n"));
    QTRY_COMPARE_WITH_TIMEOUT(p.output->toPlainText(), QStringLiteral("OK\nERROR\n"), kWaitMs);
}

void TestATInterface::largeBatchShowsAtOnce()
{
    Panel p;
    // In lines, as a unit sends them: one unbroken line of this size takes
    // the text layout half a minute.
    QString half = QStringLiteral("0123456789abcde\n").repeated(ATInterface::displayBatchChars / 32);
    half += QLatin1Char('x');
    p.widget.appendReceived(half);
    QVERIFY(p.output->toPlainText().isEmpty());
    // Past the batch size the text goes in without waiting for the event loop.
    p.widget.appendReceived(half);
    QCOMPARE(p.output->toPlainText(), half + half);
}

void TestATInterface::longWaitingTextShowsWithoutTimer()
{
    Panel p;
    p.widget.appendReceived(QStringLiteral("OK\r\n"));
    // A line busy enough to starve the event loop: no timer runs while the
    // display delay passes, then more text arrives.
    QElapsedTimer clock;
    clock.start();
    while (!clock.hasExpired(ATInterface::displayDelayMs + 1)) {
    }
    QVERIFY(p.output->toPlainText().isEmpty());
    p.widget.appendReceived(QStringLiteral("ERROR\r\n"));
    QCOMPARE(p.output->toPlainText(), QStringLiteral("OK\nERROR\n"));
}

void TestATInterface::everyLineHasItsOwnRow()
{
    Panel p;
    p.widget.resize(900, 277);
    p.widget.show();
    QString text;
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral("L%1\r\n").arg(i);
    p.widget.appendReceived(text.left(333));
    p.widget.flushPending();
    p.widget.appendReceived(text.mid(333));
    p.widget.flushPending();
    QCOMPARE(p.output->toPlainText(), ATInterface::shownText(text));

    // Short lines do not wrap: one row per line, and the empty row after the
    // last line end.
    QTextDocument *doc = p.output->document();
    int rows = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        doc->documentLayout()->blockBoundingRect(b); // lays the block out
        rows += b.layout()->lineCount();
    }
    QCOMPARE(rows, 101);
}

void TestATInterface::viewFollowsEnd()
{
    Panel p;
    p.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.widget));
    QScrollBar *bar = p.output->verticalScrollBar();

    QString all;
    for (int round = 0; round < 3; ++round) {
        const QString text = manyLines(700);
        all += text;
        // Many small pieces, as the port delivers them.
        for (int i = 0; i < text.size(); i += 37)
            p.widget.appendReceived(text.mid(i, 37));
        QTRY_COMPARE_WITH_TIMEOUT(p.output->toPlainText(), ATInterface::shownText(all), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(bar->maximum() > 0, kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(bar->value(), bar->maximum(), kWaitMs);
        QVERIFY(p.output->textCursor().atEnd());
    }
}

void TestATInterface::clearTranscriptEmptiesOutputKeepsInput()
{
    Panel p;
    p.widget.show();
    QTest::keyClicks(p.input, QStringLiteral("AT+UNSENT"));
    p.widget.appendReceived(QStringLiteral("OK\r\n"));
    QTRY_COMPARE_WITH_TIMEOUT(p.output->toPlainText(), QStringLiteral("OK\n"), kWaitMs);

    p.widget.clearTranscript();
    QVERIFY(p.output->toPlainText().isEmpty());
    QCOMPARE(p.input->toPlainText(), QStringLiteral("AT+UNSENT"));

    // The old transcript is gone, not just hidden.
    p.widget.appendReceived(QStringLiteral("NEW"));
    QTRY_COMPARE_WITH_TIMEOUT(p.output->toPlainText(), QStringLiteral("NEW"), kWaitMs);
}

void TestATInterface::clearDropsPendingText()
{
    Panel p;
    p.widget.appendReceived(QStringLiteral("OLD\r"));
    p.widget.clearTranscript();
    p.widget.flushPending();
    QVERIFY(p.output->toPlainText().isEmpty());

    // No "\r" of the old text is remembered either: a leading "\n" shows.
    p.widget.appendReceived(QStringLiteral("\nX"));
    p.widget.flushPending();
    QCOMPARE(p.output->toPlainText(), QStringLiteral("\nX"));
}

void TestATInterface::focusInputFocusesInputBox()
{
    Panel p;
    FocusReasonProbe probe;
    p.input->installEventFilter(&probe);
    p.widget.show();
    p.widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.widget));
    p.enter->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY_WITH_TIMEOUT(p.enter->hasFocus(), kWaitMs);
    probe.gotFocus = false;

    p.widget.focusInput();
    QCOMPARE(p.widget.focusWidget(), static_cast<QWidget *>(p.input));
    QTRY_VERIFY_WITH_TIMEOUT(p.input->hasFocus(), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(probe.gotFocus, kWaitMs);
    QCOMPARE(probe.reason, Qt::OtherFocusReason);
}

QTEST_MAIN(TestATInterface)
#include "tst_atinterface.moc"
