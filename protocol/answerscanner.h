#pragma once
// Picks the unit's answers out of what it sends: every line that reads "OK"
// or "ERROR" answers one line sent to it, in the order they were sent.
// Anything else is not an answer: echoed commands, the lines of a settings
// report (whose own "OK" answers the "AT&V"), and link control frames.

#include <QByteArray>
#include <QList>

class AnswerScanner
{
public:
    enum Answer { Ok, Error };

    // The answers completed by `chunk`, in order.
    QList<Answer> feed(const QByteArray &chunk);
    void reset();

    // How many answers the unit gives to `bytes` sent to it: one for each
    // line that is not empty (it ends lines at CR, LF or CR LF). A line not
    // yet ended is kept in `unfinished` for the next call.
    static int linesAnswered(const QByteArray &bytes, QByteArray *unfinished);

private:
    QByteArray m_line;
    bool m_long = false;   // the line under way is too long to be an answer
};
