// kvx-modemsim: a simulated radio modem behind a pseudo-terminal. This file
// only moves bytes between the pty and the modem model.

#include "sim/modemmodel.h"
#include "sim/modemsession.h"
#include "sim/outputpacer.h"
#include "sim/ptyspeed.h"
#include "sim/simoptions.h"

#include <QByteArray>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using namespace modemsim;

namespace {

int g_signalPipe[2] = { -1, -1 };

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_signalPipe[1], &byte, 1);
    errno = saved;
}

qint64 monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

int fail(const char *what)
{
    std::fprintf(stderr, "kvx-modemsim: %s: %s\n", what, std::strerror(errno));
    return 1;
}

bool installSignalHandlers()
{
    if (pipe2(g_signalPipe, O_NONBLOCK | O_CLOEXEC) != 0)
        return false;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : { SIGTERM, SIGINT, SIGHUP })
        if (sigaction(signalNumber, &action, nullptr) != 0)
            return false;
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

class Simulator
{
public:
    Simulator(const SimOptions &options, ModemModel *model)
        : m_options(options)
        , m_session(model, options.echo)
        , m_pacer(options.chunkBytes, options.gapMs)
        , m_startNs(monotonicNs())
    {
        m_session.setSilentAfterStore(options.silentAfterStore);
    }
    ~Simulator()
    {
        if (m_log)
            std::fclose(m_log);
        if (m_master >= 0)
            close(m_master);
        if (!m_options.linkPath.isEmpty() && m_linkMade)
            unlink(m_options.linkPath.toLocal8Bit().constData());
    }

    int setUp();
    int run();

private:
    qint64 nowMs() const { return (monotonicNs() - m_startNs) / 1000000; }
    void readInput();
    void writeOutput();
    void peerGone();
    bool makeLink();
    void logChunk(const char *data, ssize_t size);

    const SimOptions &m_options;
    ModemSession m_session;
    OutputPacer m_pacer;
    const qint64 m_startNs;
    int m_master = -1;
    QByteArray m_slavePath;
    FILE *m_log = nullptr;
    bool m_linkMade = false;
    bool m_peerOpen = false;
    bool m_peerSeen = false;
    qint64 m_peerGoneMs = 0;
    QByteArray m_unwritten;
};

int Simulator::setUp()
{
    int slave = -1;
    if (openpty(&m_master, &slave, nullptr, nullptr, nullptr) != 0)
        return fail("openpty");
    m_slavePath = ttyname(slave);

    // Raw from the start: the line discipline must not echo or translate
    // anything before the tool has opened and configured the port.
    struct termios settings {};
    if (tcgetattr(slave, &settings) != 0)
        return fail("tcgetattr");
    cfmakeraw(&settings);
    if (tcsetattr(slave, TCSANOW, &settings) != 0)
        return fail("tcsetattr");
    // Without our own slave descriptor the master sees when the peer closes.
    close(slave);

    if (fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK) != 0
        || fcntl(m_master, F_SETFD, FD_CLOEXEC) != 0)
        return fail("fcntl");

    if (!m_options.logPath.isEmpty()) {
        m_log = std::fopen(m_options.logPath.toLocal8Bit().constData(), "w");
        if (!m_log)
            return fail("log file");
    }

    if (!m_options.linkPath.isEmpty() && m_options.appearAfterMs == 0 && !makeLink())
        return fail("symlink");

    if (!installSignalHandlers())
        return fail("signal handlers");

    std::printf("%s\n", m_slavePath.constData());
    std::fflush(stdout);
    return 0;
}

bool Simulator::makeLink()
{
    const QByteArray link = m_options.linkPath.toLocal8Bit();
    struct stat info {};
    if (lstat(link.constData(), &info) == 0 && S_ISLNK(info.st_mode))
        unlink(link.constData());
    if (symlink(m_slavePath.constData(), link.constData()) != 0)
        return false;
    m_linkMade = true;
    return true;
}

void Simulator::logChunk(const char *data, ssize_t size)
{
    if (!m_log)
        return;
    const double ms = double(monotonicNs() - m_startNs) / 1e6;
    const QByteArray hex = QByteArray::fromRawData(data, size).toHex();
    std::fprintf(m_log, "%.3f %s\n", ms, hex.constData());
    std::fflush(m_log);
}

void Simulator::readInput()
{
    char buffer[4096];
    for (;;) {
        const ssize_t size = read(m_master, buffer, sizeof buffer);
        if (size > 0) {
            // The speed the tool has set when these bytes arrived decides
            // whether the unit understands them.
            const int baud = ptyLineSpeed(m_master);
            logChunk(buffer, size);
            if (!m_session.understandsSpeed(baud))
                std::fprintf(stderr, "kvx-modemsim: %d bytes at %d baud not understood (unit listens at %d)\n",
                             int(size), baud, lineBaudFor(m_options.product));
            m_pacer.enqueue(m_session.receive(QByteArray(buffer, int(size)), baud, nowMs()));
            continue;
        }
        if (size < 0 && errno == EINTR)
            continue;
        return;   // EAGAIN, or EIO while no peer holds the serial side
    }
}

void Simulator::peerGone()
{
    m_peerOpen = false;
    m_peerGoneMs = nowMs();
    // Answers for a closed line are lost, as on a real cable; written now,
    // they would reach whoever opens the port next.
    m_pacer.clear();
    m_unwritten.clear();
}

void Simulator::writeOutput()
{
    for (;;) {
        if (m_unwritten.isEmpty())
            m_unwritten = m_pacer.take(nowMs());
        if (m_unwritten.isEmpty())
            return;
        const ssize_t written = write(m_master, m_unwritten.constData(), size_t(m_unwritten.size()));
        if (written > 0) {
            m_unwritten.remove(0, written);
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno == EIO)
            peerGone();
        return;
    }
}

int Simulator::run()
{
    for (;;) {
        // A late --link: the device "appears" now.
        const bool linkDue = !m_options.linkPath.isEmpty() && !m_linkMade;
        if (linkDue && nowMs() >= m_options.appearAfterMs && !makeLink())
            return fail("symlink");
        pollfd check { m_master, POLLIN, 0 };
        if (poll(&check, 1, 0) < 0)
            continue;   // interrupted; a stop signal shows up in the pipe below
        if (check.revents & (POLLIN | POLLHUP | POLLERR))
            readInput();

        if (check.revents & POLLHUP) {
            if (m_peerOpen)
                peerGone();
            if (m_options.once && m_peerSeen && nowMs() - m_peerGoneMs >= OncePeerGoneMs)
                return 0;
            // The master reports a hang-up for as long as nobody holds the
            // serial side, so look again after a short rest.
            pollfd signalOnly { g_signalPipe[0], POLLIN, 0 };
            if (poll(&signalOnly, 1, 20) > 0)
                return 0;
            continue;
        }
        if (!m_peerOpen) {
            m_peerOpen = true;
            m_peerSeen = true;
        }

        writeOutput();

        int timeoutMs = 1000;
        if (m_unwritten.isEmpty() && m_pacer.nextDueMs() >= 0)
            timeoutMs = int(qBound(qint64(0), m_pacer.nextDueMs() - nowMs(), qint64(1000)));
        if (!m_options.linkPath.isEmpty() && !m_linkMade)
            timeoutMs = int(qBound(qint64(0), m_options.appearAfterMs - nowMs(), qint64(timeoutMs)));
        pollfd waitFor[2] = {
            { g_signalPipe[0], POLLIN, 0 },
            { m_master, short(POLLIN | (m_unwritten.isEmpty() ? 0 : POLLOUT)), 0 },
        };
        if (poll(waitFor, 2, timeoutMs) > 0 && (waitFor[0].revents & POLLIN))
            return 0;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    SimOptions options;
    QString error;
    if (!parseSimOptions(arguments, &options, &error)) {
        std::fprintf(stderr, "kvx-modemsim: %s\n\n%s", qPrintable(error), qPrintable(simUsage()));
        return 2;
    }
    if (options.help) {
        std::printf("%s", qPrintable(simUsage()));
        return 0;
    }

    ModemModel model(options.product, options.module);
    model.setStatePath(options.statePath);
    if (!model.loadState(&error)) {
        std::fprintf(stderr, "kvx-modemsim: state file: %s\n", qPrintable(error));
        return 1;
    }
    for (auto it = options.initial.cbegin(); it != options.initial.cend(); ++it) {
        if (!model.load(it.key(), it.value())) {
            std::fprintf(stderr, "kvx-modemsim: S%d cannot hold %lld\n", it.key(), qlonglong(it.value()));
            return 2;
        }
    }

    for (auto it = options.stuck.cbegin(); it != options.stuck.cend(); ++it) {
        if (!model.load(it.key(), it.value())) {
            std::fprintf(stderr, "kvx-modemsim: S%d cannot hold %lld\n", it.key(), qlonglong(it.value()));
            return 2;
        }
        model.setStuck(it.key(), it.value());
    }
    for (const QByteArray &command : options.refused)
        model.refuseCommand(command);

    Simulator simulator(options, &model);
    if (const int result = simulator.setUp())
        return result;
    return simulator.run();
}
