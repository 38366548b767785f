#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class QAction;
class QComboBox;
class QFile;
class QKeyEvent;
class QPushButton;
class TerminalLayout;

namespace Ui {
class ATInterface;
}

// Raw AT console: the operator's typed line goes out through
// signal_sendMessage, the modem's replies come in through appendReceived.
class ATInterface : public QWidget
{
    Q_OBJECT

public:
    explicit ATInterface(QWidget *parent = nullptr);
    ~ATInterface() override;

    void appendReceived(QString text);
    // Bytes as they came from the port; a character split between two
    // chunks is shown whole.
    void appendReceivedBytes(const QByteArray &chunk);
    // Forgets a character left half-received (a new link starts afresh).
    void resetDecoder();
    void clearTranscript();
    void focusInput();
    // Whether a typed line can go out: with no link open, Enter keeps the
    // line and says why instead of sending it into nothing.
    void setLinkOpen(bool open) { linkOpen = open; }

    // Return (or Ctrl+Return, or Enter) sends the box; Shift+Return breaks
    // the line in the box, and each line of the box then goes as a line of
    // its own: a line feed never goes out inside a line, where the modem
    // would refuse it.

    // The operator's choices, offered in the output's context menu; the
    // window remembers them (signal_choicesChanged). All off at start.
    // Each line sent is shown in the output with the time it went, marked
    // apart from what the unit sent.
    bool showsSentLines() const { return showSent; }
    void setShowSentLines(bool on);
    // Everything sent and received is appended to `path` as it goes, each
    // line marked with its direction and time; false (and `error` says why)
    // when the file cannot be written. An empty path stops the log.
    bool logTo(const QString &path, QString *error = nullptr);
    QString logPath() const;

    // The port and the link, within reach while the terminal is shown; the
    // window fills the list and says what the button does.
    QComboBox *portBox() const { return linkPortBox; }
    // The product the link opens for (and so its rate); the window fills it
    // and keeps it with the form's product choice.
    QComboBox *productBox() const { return linkProductBox; }
    void setLinkButton(const QString &caption, bool enabled);

    // How long a line sent waits for any answer before the terminal says
    // the unit stays silent (signal_noAnswer).
    static constexpr int answerWaitMs = 2000;

    // Puts received text that is still waiting for the display timer into the
    // output area now.
    void flushPending();

    // What the output area's plain text reads for the received text `received`:
    // every line end ("\r\n", a lone "\r", "\n") becomes "\n", and the
    // characters that the text document itself treats as breaks or spaces
    // (U+2028, U+2029, U+FDD0, U+FDD1 as "\n"; no-break space as " ") are
    // given as QTextEdit::toPlainText gives them.
    static QString shownText(const QString &received);

    // The bytes received since the transcript was last cleared, as they came.
    const QByteArray &receivedBytes() const { return received; }

    // `bytes` as `hexdump -C` prints them, every row shown (repeated rows
    // too): offset, sixteen bytes in hex, the printable ones as text, and the
    // end offset on a line of its own; each line ends in "\n".
    static QString hexDump(const QByteArray &bytes);

    // How long received text may wait before it is shown, in milliseconds,
    // and how much of it, in characters, is shown in one go at most.
    static constexpr int displayDelayMs = 60;
    static constexpr int displayBatchChars = 256 * 1024;
    // Text that arrives faster than this (about three screenfuls a second)
    // scrolls by too fast to be read as it comes; while it does, batches
    // wait longer, as every batch costs a repaint of the view and a round
    // trip to the display however little it brings.
    static constexpr int fastStreamCharsPerSecond = 4000;
    static constexpr int fastStreamDelayMs = 150;
    // Received lines are shown in paragraphs of up to this many lines, joined
    // by line separators: the text document pays for every paragraph it lays
    // out, and a paragraph per line makes a fast line's layout far slower.
    static constexpr int linesPerParagraph = 32;
    // Commands kept for recalling with Ctrl+Up and Ctrl+Down.
    static constexpr int historyLength = 100;

signals:
    void signal_sendMessage(QString line);
    // Something the operator should know (the line was not sent, where the
    // transcript went); the window shows it.
    void signal_notice(QString text);
    // A choice of the context menu changed.
    void signal_choicesChanged();
    // The terminal's Connect / Disconnect button.
    void signal_toggleLink();
    // Nothing came back within answerWaitMs of the last line sent.
    void signal_noAnswer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_pushButton_clicked();
    void on_OutputTextEdit_textChanged();

private:
    void takeText(const QString &text, bool wasWaiting);
    qsizetype waitingForDisplay() const;
    void showText(QStringView text);
    void showHexTail();
    void showEverything();
    void setHexView(bool on);
    void showOutputMenu(const QPoint &position);
    void saveTranscript();
    void saveTranscriptTo(const QString &path);
    bool inputKey(QKeyEvent *key);
    // Ctrl+C: copies where text is selected; false where none is, so the
    // window's own Ctrl+C acts.
    bool copySelection(bool copyNow);
    void recall(int step);
    void sendLine(const QString &command);
    void insertSentLine(const QString &shown);
    // The box shows every line typed: one row high, taller as Shift+Return
    // adds rows (up to a few, then it scrolls to the cursor).
    void fitInputHeight();
    void chooseLogFile();
    void logBytes(const QByteArray &bytes, bool sent);

    Ui::ATInterface *ui;
    TerminalLayout *outputLayout = nullptr;
    QString transcript;
    QByteArray received;        // the bytes behind `transcript`

    QStringDecoder decoder { QStringDecoder::Utf8 };
    qsizetype shownChars = 0;   // of the transcript, in the output area (text view)
    QTimer displayTimer;        // single shot, started by the first pending piece
    QElapsedTimer pendingAge;   // since the first pending piece arrived
    QElapsedTimer sinceShown;   // since a batch was last shown
    bool fastStream = false;    // the last batch came faster than fastStreamCharsPerSecond
    bool shownEndsInCR = false; // the output's last line break came from a "\r"

    QAction *saveTranscriptAction = nullptr;
    QAction *showHexAction = nullptr;
    bool hexView = false;
    qsizetype hexShownBytes = 0; // received bytes the hex view shows

    QStringList history;        // oldest first
    qsizetype historyIndex = 0; // history.size() while editing a new line
    QString historyDraft;       // the new line, kept while stepping back
    QString saveDirectory;
    bool linkOpen = true;

    struct SentMark {
        qsizetype at;           // the transcript's length when the line went
        QString shown;          // "» 10:32:05  AT&V"
    };
    QList<SentMark> sentMarks;  // shown again when the output is made afresh
    bool showSent = false;
    QAction *showSentAction = nullptr;
    QAction *logAction = nullptr;
    QFile *logFile = nullptr;
    bool logAtLineStart = true; // the log's last line is complete
    bool logLastSent = false;   // ... and that line was sent, not received
    class QLabel *linkLabel = nullptr;
    QComboBox *linkPortBox = nullptr;
    QComboBox *linkProductBox = nullptr;
    QTimer answerTimer;         // single shot, from the last line sent to the first byte back
    QPushButton *linkButton = nullptr;
};
