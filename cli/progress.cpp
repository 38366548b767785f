#include "cli/progress.h"

#include <cstdio>
#include <cstring>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool ProgressBoard::stderrIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

bool ProgressBoard::terminalTakesEscapes()
{
    const QByteArray term = qgetenv("TERM");
#ifdef Q_OS_WIN
    // The Windows console takes them without a TERM; a dumb one says so.
    return term != "dumb";
#else
    return !term.isEmpty() && term != "dumb";
#endif
}

ProgressBoard::ProgressBoard(bool quiet, bool inPlace)
    : m_quiet(quiet)
    , m_terminal(inPlace && stderrIsTerminal() && terminalTakesEscapes())
{
}

void ProgressBoard::set(const QString &port, const QString &state)
{
    if (m_quiet)
        return;
    if (!m_terminal) {
        err() << port << ": " << state << Qt::endl;
        return;
    }
    bool found = false;
    for (auto &row : m_rows) {
        if (row.first == port) {
            if (row.second == state)
                return;
            row.second = state;
            found = true;
        }
    }
    if (!found)
        m_rows.append({ port, state });
    erase();
    draw();
}

void ProgressBoard::setStored(const QString &port, bool stored)
{
    if (stored == m_stored.contains(port))
        return;
    if (stored)
        m_stored << port;
    else
        m_stored.removeAll(port);
    setJson(m_json);
}

void ProgressBoard::setJson(bool json)
{
    m_json = json;
    const char *said = "stopped at once after AT&W: the unit holds the settings sent, not verified "
                       "(its record row stays pending)";
    if (!json) {
        QByteArray words;
        for (const QString &unit : std::as_const(m_stored))
            words += unit.toUtf8() + ": " + said + '\n';
        StopSignals::setLastWords(words);
        return;
    }
    QJsonArray units;
    for (const QString &unit : std::as_const(m_stored))
        units.append(QJsonObject { { "port", unit }, { "status", "pending" }, { "stored", true },
                                   { "error", QString::fromLatin1(said) } });
    QByteArray object = QJsonDocument(QJsonObject { { "error", "stopped at once by a second signal" }, { "units", units } })
                            .toJson(QJsonDocument::Compact);
    object.chop(1);
    StopSignals::setLastWords(object + ",\"exitStatus\":", true);
}

void ProgressBoard::remove(const QString &port)
{
    setStored(port, false);
    if (m_quiet || !m_terminal)
        return;
    erase();
    m_rows.erase(std::remove_if(m_rows.begin(), m_rows.end(), [&](const auto &row) { return row.first == port; }),
                 m_rows.end());
    draw();
}

void ProgressBoard::printResult(const QString &line)
{
    erase();
    out() << line << Qt::endl;
    draw();
}

void ProgressBoard::printFailure(const QString &line)
{
    m_lastFailure = line;
    erase();
    err() << "kvx-cli: " << line << Qt::endl;
    draw();
}

void ProgressBoard::erase()
{
    if (!m_terminal || m_drawn == 0)
        return;
    // Up a line and clear it, once per line drawn.
    for (int i = 0; i < m_drawn; ++i)
        err() << "\x1b[1A\x1b[2K";
    err().flush();
    m_drawn = 0;
}

void ProgressBoard::draw()
{
    if (m_quiet || !m_terminal)
        return;
    for (const auto &row : m_rows)
        err() << row.first << ": " << row.second << '\n';
    err().flush();
    m_drawn = int(m_rows.size());
}

namespace {

volatile std::sig_atomic_t g_received = 0;
std::atomic<int> g_signalsSeen { 0 };
static_assert(std::atomic<int>::is_always_lock_free, "used in a signal handler");
// Two buffers: the handler reads the one `g_lastWords` names while the
// program fills the other.
constexpr int LastWordsSize = 16384;
char g_lastWordsText[2][LastWordsSize];
int g_lastWordsLength[2] = { 0, 0 };
bool g_lastWordsJson[2] = { false, false };
volatile std::sig_atomic_t g_lastWords = 0;
#ifndef Q_OS_WIN
// The handler writes a byte here, which wakes the event loop: nothing has
// to look for the flag on a timer while the program waits (a watching
// assembly line waits most of the day). Never read, so every watch sees it.
int g_wakePipe[2] = { -1, -1 };
#endif

extern "C" void onStopSignal(int signalNumber)
{
    // A second signal: the operator means it. Units past "AT&W" get their
    // line first. Two signals may be handled at once on two threads: the
    // count says which came second.
    if (g_signalsSeen.fetch_add(1) > 0) {
        const int shown = g_lastWords;
        // A JSON object is closed with the exit status, written here by hand.
        const int status = 128 + signalNumber;
        char end[8] = { char('0' + status / 100 % 10), char('0' + status / 10 % 10), char('0' + status % 10), '}', '\n' };
        const size_t endLength = g_lastWordsJson[shown] ? 5 : 0;
#ifndef Q_OS_WIN
        [[maybe_unused]] const auto written = ::write(1, g_lastWordsText[shown], size_t(g_lastWordsLength[shown]));
        [[maybe_unused]] const auto closed = ::write(1, end, endLength);
#else
        std::fwrite(g_lastWordsText[shown], 1, size_t(g_lastWordsLength[shown]), stdout);
        std::fwrite(end, 1, endLength, stdout);
        std::fflush(stdout);
#endif
        std::_Exit(status);
    }
    g_received = signalNumber;
#ifndef Q_OS_WIN
    if (g_wakePipe[1] >= 0) {
        const int saved = errno;
        const char byte = 1;
        [[maybe_unused]] const auto written = ::write(g_wakePipe[1], &byte, 1);
        errno = saved;
    }
#endif
}

} // namespace

void StopSignals::install()
{
#ifndef Q_OS_WIN
    if (g_wakePipe[0] < 0 && ::pipe(g_wakePipe) == 0) {
        for (int fd : g_wakePipe) {
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
            ::fcntl(fd, F_SETFL, O_NONBLOCK);
        }
    }
#endif
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
}

void StopSignals::setLastWords(const QByteArray &text, bool json)
{
    // What is already on stdout goes out before anything the handler adds.
    out().flush();
    std::fflush(stdout);
    const int next = 1 - int(g_lastWords);
    const int length = int(qMin<qsizetype>(text.size(), LastWordsSize));
    std::memcpy(g_lastWordsText[next], text.constData(), size_t(length));
    g_lastWordsLength[next] = length;
    g_lastWordsJson[next] = json;
    g_lastWords = next;
}

int StopSignals::received()
{
    return int(g_received);
}

void StopSignals::onFirst(QObject *context, const std::function<void()> &stop)
{
#ifndef Q_OS_WIN
    if (g_wakePipe[0] >= 0) {
        auto *notifier = new QSocketNotifier(g_wakePipe[0], QSocketNotifier::Read, context);
        QObject::connect(notifier, &QSocketNotifier::activated, context, [notifier, stop] {
            notifier->setEnabled(false);
            stop();
        });
        return;
    }
#endif
    auto *watch = new QTimer(context);
    QObject::connect(watch, &QTimer::timeout, context, [watch, stop] {
        if (!received())
            return;
        watch->stop();
        stop();
    });
    watch->start(20);
}
