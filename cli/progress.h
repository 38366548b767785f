#pragma once
// What kvx-cli says while units are being worked on: a line per unit on
// stderr (updated in place on a terminal, plain lines otherwise), and each
// unit's result line on stdout the moment the unit ends.

#include <QList>
#include <QPair>
#include <QString>
#include <QTextStream>

#include <functional>

class QObject;

QTextStream &out();
QTextStream &err();

class ProgressBoard
{
public:
    // `quiet`: no progress at all, only results and failures. `inPlace`:
    // lines may be redrawn where stderr is a terminal that takes escape codes
    // (not while a trace writes to it too).
    explicit ProgressBoard(bool quiet, bool inPlace = true);

    // The unit on `port` is now doing `state` ("writing 3 of 8").
    void set(const QString &port, const QString &state);
    // The unit on `port` has ended: its line leaves the board.
    void remove(const QString &port);
    // The unit on `port` has been sent "AT&W" and has not ended yet: what a
    // second stop signal (which ends the program at once) says of it.
    void setStored(const QString &port, bool stored);
    // A result line on stdout, or a failure on stderr, without tearing the
    // board apart on a terminal.
    void printResult(const QString &line);
    void printFailure(const QString &line);
    // The last failure printed, for --json.
    const QString &lastFailure() const { return m_lastFailure; }
    // With --json, what a second stop signal prints is one JSON object too.
    void setJson(bool json);

    static bool stderrIsTerminal();
    // A terminal that moves the cursor on escape codes: not TERM=dumb (Emacs
    // shells, some CI logs), not unset.
    static bool terminalTakesEscapes();

private:
    void erase();
    void draw();

    bool m_quiet;
    bool m_terminal;
    QList<QPair<QString, QString>> m_rows;
    QStringList m_stored;
    bool m_json = false;
    int m_drawn = 0;
    QString m_lastFailure;
};

// SIGINT and SIGTERM: the first asks every unit to stop at its safe point,
// a second ends the program at once.
class StopSignals
{
public:
    static void install();
    // The signal received, 0 while none.
    static int received();
    // Calls `stop` once, soon after the first signal; watching ends with
    // `context`. (A handler may only set a flag; the event loop acts on it.)
    static void onFirst(QObject *context, const std::function<void()> &stop);
    // Printed on stdout by a second signal before the program ends: the
    // units it leaves without a result line. `json`: the text is a JSON
    // object without its end, which the exit status closes.
    static void setLastWords(const QByteArray &text, bool json = false);
};
