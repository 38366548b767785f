// How fast and how smoothly the AT terminal shows a modem's output.
//
// The terminal panel of a real, shown MainWindow is fed through a real
// pseudo-terminal: the window opens the slave side as its serial port, a
// writer thread plays the modem on the master side. Prints one figure per
// line:
//   flood MiB/s                      8 MiB as fast as the panel takes them
//   flood max stall ms               worst lateness of a 50 ms timer meanwhile
//   paced CPU %                      process CPU at the 115200-baud line rate
//   paced max stall ms               worst lateness of a 50 ms timer meanwhile
//   paced output repaints/s          paint events of the output area's view
//   paced output Mpixel/s repainted  the area those paint events cover
//   paced other widget repaints/s    paint events of every other widget (the
//                                    window behind the view, its scroll bar)
//   paced window repaint ms/s        time the window spends on its repaints,
//                                    handing the pixels over included
//   reset-design MiB/s at 1 MiB      the same flood into a panel that re-sets
//                                    the whole transcript on every chunk
//
// Options (or environment): --paced-seconds N (KVX_BENCH_PACED_SECONDS,
// default 60), --flood-mib N (KVX_BENCH_FLOOD_MIB, default 8),
// --reset-mib N (KVX_BENCH_RESET_MIB, default 1); --baseline also measures a
// bare serial port on the same kind of line. Diagnostics go to stderr;
// KVX_BENCH_TRACE=1 adds the output's progress every 20 ms. The paced run
// plays whole lines at the line rate, as ../shared/terminal-bench does; run
// under Xvfb (QT_QPA_PLATFORM=xcb) its CPU figure includes what handing the
// pixels to an X server costs, which the offscreen platform does not.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSerialPort>
#include <QStringDecoder>
#include <QTextDocument>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <thread>
#include <utility>

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include "app/mainwindow.h"
#include "terminal/atinterface.h"

namespace {

constexpr double kMiB = 1024.0 * 1024.0;
constexpr double kLineRateBytesPerSecond = 11520.0; // 115200 baud, 8N1
constexpr int kStallTimerMs = 50;

double secondsOf(clockid_t clock)
{
    timespec ts {};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

double optionValue(int argc, char **argv, const char *option, const char *env, double fallback)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0)
            return std::atof(argv[i + 1]);
    }
    if (const char *value = std::getenv(env); value && *value)
        return std::atof(value);
    return fallback;
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "terminal_throughput: %s\n", what);
    std::exit(1);
}

// A pseudo-terminal whose slave side behaves like a raw serial line.
struct Pty
{
    int master = -1;
    int slave = -1;
    QString slavePath;

    Pty()
    {
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
            fail("openpty failed");
        termios tio {};
        tcgetattr(slave, &tio);
        cfmakeraw(&tio);
        tcsetattr(slave, TCSANOW, &tio);
        slavePath = QString::fromLocal8Bit(name);
    }
    ~Pty()
    {
        close(master);
        close(slave);
    }
    Pty(const Pty &) = delete;
    Pty &operator=(const Pty &) = delete;
};

// Modem-like output: lines of 60 to 120 characters ending in CR LF, some of
// them with non-ASCII characters, at least `minBytes` long, whole lines only.
QByteArray modemText(qint64 minBytes, unsigned seed)
{
    static const char *const words[] = { "OK", "AT+RSSI", "S101=0", "S102=7", "S104=12345", "link",
                                         "quality", "rx", "tx", "frame", "CRC", "retry", "node",
                                         "ACK", "-87dBm", "channel", "hop", "sync", "0x5F", "ERROR" };
    static const char *const utf8Words[] = { "25.3°C", "µs", "Größe", "温度", "信号强度", "—", "é", "Ω" };
    std::mt19937 rng(seed);
    QByteArray out;
    out.reserve(minBytes + 256);
    while (out.size() < minBytes) {
        const int length = std::uniform_int_distribution<int>(60, 120)(rng);
        const bool withUtf8 = std::uniform_int_distribution<int>(0, 4)(rng) == 0;
        QString line;
        while (line.size() < length) {
            if (!line.isEmpty())
                line += QLatin1Char(' ');
            if (withUtf8 && std::uniform_int_distribution<int>(0, 3)(rng) == 0)
                line += QString::fromUtf8(utf8Words[std::uniform_int_distribution<int>(0, 7)(rng)]);
            else
                line += QLatin1String(words[std::uniform_int_distribution<int>(0, 19)(rng)]);
        }
        line.truncate(length);
        if (line.size() && line.back().isHighSurrogate())
            line.chop(1);
        out += line.toUtf8();
        out += "\r\n";
    }
    return out;
}

// Plays the modem on the master side from its own thread: either as fast as
// the other side reads, or at a fixed byte rate. Anything the program sends
// to the modem is read and dropped so that it never blocks.
class Writer
{
public:
    Writer(int masterFd, QByteArray bytes, double bytesPerSecond)
        : fd(masterFd), data(std::move(bytes)), rate(bytesPerSecond)
    {
    }
    ~Writer() { join(); }

    void start(std::function<void()> onDone)
    {
        thread = std::thread([this, onDone] {
            run();
            threadCpuSeconds = secondsOf(CLOCK_THREAD_CPUTIME_ID);
            onDone();
        });
    }
    void join()
    {
        if (thread.joinable())
            thread.join();
    }

    double threadCpuSeconds = 0;

private:
    void drainInput()
    {
        char scratch[4096];
        pollfd p { fd, POLLIN, 0 };
        while (poll(&p, 1, 0) > 0 && (p.revents & POLLIN)) {
            if (read(fd, scratch, sizeof scratch) <= 0)
                break;
        }
    }

    bool writeUpTo(qint64 end)
    {
        while (written < end) {
            pollfd p { fd, POLLOUT | POLLIN, 0 };
            if (poll(&p, 1, 1000) < 0 && errno != EINTR)
                return false;
            if (p.revents & POLLIN)
                drainInput();
            if (!(p.revents & POLLOUT))
                continue;
            const qint64 chunk = std::min<qint64>(end - written, 4096);
            const ssize_t n = write(fd, data.constData() + written, size_t(chunk));
            if (n < 0) {
                if (errno == EINTR || errno == EAGAIN)
                    continue;
                return false;
            }
            written += n;
        }
        return true;
    }

    void run()
    {
        if (rate <= 0) {
            writeUpTo(data.size());
            return;
        }
        // Whole lines, each as soon as the line rate has carried its first
        // byte: the side-by-side benchmark plays the modem this way, so the
        // panel wakes up as often here as there (a line every 8 ms).
        timespec start {};
        clock_gettime(CLOCK_MONOTONIC, &start);
        while (written < data.size()) {
            const qsizetype newline = data.indexOf('\n', written);
            const qint64 lineEnd = newline < 0 ? data.size() : newline + 1;
            const qint64 dueNs = qint64(double(written) / rate * 1e9);
            timespec due = start;
            due.tv_sec += time_t(dueNs / 1'000'000'000);
            due.tv_nsec += long(dueNs % 1'000'000'000);
            if (due.tv_nsec >= 1'000'000'000) {
                due.tv_nsec -= 1'000'000'000;
                ++due.tv_sec;
            }
            clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr);
            drainInput();
            if (!writeUpTo(lineEnd))
                return;
        }
    }

    int fd;
    QByteArray data;
    double rate;
    qint64 written = 0;
    std::thread thread;
};

// The worst lateness of a repeating 50 ms timer in this thread's event loop.
class StallMeter
{
public:
    StallMeter()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(kStallTimerMs);
        QObject::connect(&timer, &QTimer::timeout, [this] { sample(); });
    }
    void start()
    {
        maxLateMs = 0;
        clock.start();
        last = 0;
        timer.start();
    }
    double stop()
    {
        sample();
        timer.stop();
        return maxLateMs;
    }

private:
    void sample()
    {
        const qint64 now = clock.nsecsElapsed();
        maxLateMs = std::max(maxLateMs, double(now - last) / 1e6 - kStallTimerMs);
        last = now;
    }

    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    double maxLateMs = 0;
};

// True once the output area holds `expectedLength` characters and its end
// (the text cursor at the end of the document) is in view.
bool shownAndScrolled(QTextEdit *output, qsizetype expectedLength)
{
    if (output->document()->characterCount() - 1 != expectedLength)
        return false;
    if (!output->textCursor().atEnd())
        return false;
    return output->viewport()->rect().intersects(output->cursorRect());
}

// Runs the event loop until the output area shows `expectedLength`
// characters with the end in view; returns the seconds that took from
// `startTime`, or a negative number after `timeoutSeconds`.
double waitUntilShown(QTextEdit *output, qsizetype expectedLength, double startTime, double timeoutSeconds)
{
    QEventLoop loop;
    double doneAt = -1;
    bool checkQueued = false;
    auto check = [&] {
        checkQueued = false;
        if (doneAt < 0 && shownAndScrolled(output, expectedLength)) {
            doneAt = secondsOf(CLOCK_MONOTONIC);
            loop.quit();
        }
    };
    // Checked after the signal's handling is over, never inside an edit.
    auto queueCheck = [&] {
        if (!checkQueued) {
            checkQueued = true;
            QTimer::singleShot(0, &loop, check);
        }
    };
    QObject::connect(output->document(), &QTextDocument::contentsChanged, &loop, queueCheck);
    QObject::connect(output->verticalScrollBar(), &QScrollBar::valueChanged, &loop, queueCheck);
    QObject::connect(output->verticalScrollBar(), &QScrollBar::rangeChanged, &loop, queueCheck);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, check);
    static const bool trace = qEnvironmentVariableIsSet("KVX_BENCH_TRACE");
    if (trace) {
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            QScrollBar *bar = output->verticalScrollBar();
            std::fprintf(stderr, "%8.3f s  shown %lld/%lld  bar %d/%d  atEnd %d\n",
                         secondsOf(CLOCK_MONOTONIC) - startTime,
                         static_cast<long long>(output->document()->characterCount() - 1),
                         static_cast<long long>(expectedLength), bar->value(), bar->maximum(),
                         int(output->textCursor().atEnd()));
        });
    }
    poll.start(20);
    QTimer::singleShot(int(timeoutSeconds * 1000), &loop, &QEventLoop::quit);
    check();
    if (doneAt < 0)
        loop.exec();
    if (doneAt < 0) {
        std::fprintf(stderr, "terminal_throughput: timed out: output shows %lld of %lld characters\n",
                     static_cast<long long>(output->document()->characterCount() - 1),
                     static_cast<long long>(expectedLength));
        return -1;
    }
    return doneAt - startTime;
}

qsizetype shownLength(const QByteArray &bytes)
{
    return ATInterface::shownText(QString::fromUtf8(bytes)).size();
}

// The naive design, for comparison: the whole transcript re-set into the
// text box on every received chunk.
class ResetDesignPanel : public QTextEdit
{
public:
    void appendReceived(const QString &text)
    {
        transcript += text;
        setText(transcript);
        moveCursor(QTextCursor::End, QTextCursor::MoveAnchor);
    }

private:
    QString transcript;
};

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Counts what the window paints: every paint event (with the area it was
// asked to cover) and the time the top-level window spends on its update
// requests, which is all painting of the window plus handing the pixels to
// the window system.
class PaintMeter : public QApplication
{
public:
    using QApplication::QApplication;

    struct Counts
    {
        qint64 viewportPaints = 0;
        qint64 viewportPixels = 0;
        qint64 otherPaints = 0;
        qint64 otherPixels = 0;
        qint64 updateNs = 0;
    };

    QWidget *viewport = nullptr; // the output area's viewport
    Counts counts;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const QRegion &region = static_cast<QPaintEvent *>(event)->region();
            qint64 pixels = 0;
            for (const QRect &r : region)
                pixels += qint64(r.width()) * r.height();
            if (receiver == viewport) {
                ++counts.viewportPaints;
                counts.viewportPixels += pixels;
            } else {
                ++counts.otherPaints;
                counts.otherPixels += pixels;
            }
            return QApplication::notify(receiver, event);
        }
        if (event->type() == QEvent::UpdateRequest && receiver->isWidgetType()
            && static_cast<QWidget *>(receiver)->isWindow()) {
            QElapsedTimer clock;
            clock.start();
            const bool done = QApplication::notify(receiver, event);
            counts.updateNs += clock.nsecsElapsed();
            return done;
        }
        return QApplication::notify(receiver, event);
    }
};

PaintMeter *paintMeter() { return static_cast<PaintMeter *>(QCoreApplication::instance()); }

struct PacedResult
{
    double cpuPercent = -1;
    double maxStallMs = -1;
    double viewportPaintsPerSecond = -1;
    double viewportMpixPerSecond = -1;
    double otherPaintsPerSecond = -1;
    double repaintMsPerSecond = -1;
};

// Plays `seconds` of modem output at the line rate into `master`; when
// `output` is given, also waits until it shows all of it. Returns the
// process's CPU use over the run, less the writer thread's.
PacedResult pacedRun(int master, QTextEdit *output, double seconds)
{
    PacedResult result;
    const QByteArray data = modemText(qint64(kLineRateBytesPerSecond * seconds), 2);
    Writer writer(master, data, kLineRateBytesPerSecond);
    StallMeter stalls;
    QEventLoop loop;
    std::atomic<bool> writerDone { false };
    stalls.start();
    paintMeter()->counts = {};
    const double start = secondsOf(CLOCK_MONOTONIC);
    const double cpuStart = secondsOf(CLOCK_PROCESS_CPUTIME_ID);
    writer.start([&] {
        writerDone = true;
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });
    if (!writerDone)
        loop.exec();
    writer.join();
    bool complete = true;
    if (output)
        complete = waitUntilShown(output, shownLength(data), start, seconds + 60) > 0;
    else
        settle(100); // the last bytes read
    const double cpuEnd = secondsOf(CLOCK_PROCESS_CPUTIME_ID);
    const double end = secondsOf(CLOCK_MONOTONIC);
    result.maxStallMs = stalls.stop();
    const PaintMeter::Counts painted = paintMeter()->counts;
    if (complete)
        result.cpuPercent = 100.0 * ((cpuEnd - cpuStart) - writer.threadCpuSeconds) / (end - start);
    const double wall = end - start;
    result.viewportPaintsPerSecond = double(painted.viewportPaints) / wall;
    result.viewportMpixPerSecond = double(painted.viewportPixels) / 1e6 / wall;
    result.otherPaintsPerSecond = double(painted.otherPaints) / wall;
    result.repaintMsPerSecond = double(painted.updateNs) / 1e6 / wall;
    std::fprintf(stderr, "paced: other widgets' paint events cover %.2f Mpixel/s\n",
                 double(painted.otherPixels) / 1e6 / wall);
    std::fprintf(stderr, "paced: %.1f s, writer thread CPU %.3f s\n", end - start, writer.threadCpuSeconds);
    return result;
}

struct Figures
{
    double floodMiBs = -1;
    double floodStallMs = -1;
    double pacedCpuPercent = -1;
    double pacedStallMs = -1;
    PacedResult paced;
    double resetMiBs = -1;
};

// Shows the terminal of `window` connected to `slavePath`; returns its output area.
QTextEdit *openTerminal(MainWindow &window, const QString &slavePath)
{
    auto *ports = window.findChild<QComboBox *>(QStringLiteral("SerialBox"));
    auto *connectButton = window.findChild<QPushButton *>(QStringLiteral("ConnectButton"));
    auto *terminalAction = window.findChild<QAction *>(QStringLiteral("ATCommand"));
    if (!ports || !connectButton || !terminalAction)
        fail("main window lacks SerialBox, ConnectButton or ATCommand");
    const int row = ports->findText(slavePath);
    if (row < 0)
        fail("the pseudo-terminal is not listed in SerialBox");
    ports->setCurrentIndex(row);
    connectButton->click();
    if (connectButton->text() == QLatin1String("Connect"))
        fail("the main window did not open the pseudo-terminal");
    // The terminal opens once the link is up (after the connect pause).
    for (int i = 0; i < 100 && window.linkState() != MainWindow::LinkState::Ready; ++i)
        settle(50);
    terminalAction->trigger();
    auto *panel = window.findChild<ATInterface *>();
    auto *output = panel ? panel->findChild<QTextEdit *>(QStringLiteral("OutputTextEdit")) : nullptr;
    if (!output || !output->isVisible())
        fail("triggering ATCommand did not show the terminal panel");
    return output;
}

// Leaves the terminal and opens it again, which empties it.
void reopenTerminal(MainWindow &window)
{
    auto *terminalAction = window.findChild<QAction *>(QStringLiteral("ATCommand"));
    terminalAction->trigger();
    terminalAction->trigger();
}

} // namespace

int main(int argc, char **argv)
{
    const double pacedSeconds = optionValue(argc, argv, "--paced-seconds", "KVX_BENCH_PACED_SECONDS", 60);
    const double floodMiB = optionValue(argc, argv, "--flood-mib", "KVX_BENCH_FLOOD_MIB", 8);
    const double resetMiB = optionValue(argc, argv, "--reset-mib", "KVX_BENCH_RESET_MIB", 1);
    bool baseline = false;
    for (int i = 1; i < argc; ++i)
        baseline = baseline || std::strcmp(argv[i], "--baseline") == 0;

    Pty pty;
    qputenv("KVX_EXTRA_PORTS", pty.slavePath.toLocal8Bit());
    // The window remembers its port and choices: in a folder of our own,
    // not in the user's settings.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());

    PaintMeter app(argc, argv);
    Figures figures;

    MainWindow window;
    window.show();
    QTextEdit *output = openTerminal(window, pty.slavePath);
    app.viewport = output->viewport();
    settle(200);

    // Flood: as fast as the panel takes it.
    {
        const QByteArray data = modemText(qint64(floodMiB * kMiB), 1);
        const qsizetype expected = shownLength(data);
        Writer writer(pty.master, data, 0);
        StallMeter stalls;
        stalls.start();
        const double start = secondsOf(CLOCK_MONOTONIC);
        const double cpuStart = secondsOf(CLOCK_THREAD_CPUTIME_ID);
        writer.start([] {});
        const double seconds = waitUntilShown(output, expected, start, 600);
        const double cpu = secondsOf(CLOCK_THREAD_CPUTIME_ID) - cpuStart;
        figures.floodStallMs = stalls.stop();
        writer.join();
        if (seconds > 0)
            figures.floodMiBs = double(data.size()) / kMiB / seconds;
        std::fprintf(stderr, "flood: %.1f MiB shown after %.2f s, GUI thread CPU %.3f s per MiB\n",
                     double(data.size()) / kMiB, seconds, cpu / (double(data.size()) / kMiB));
    }

    reopenTerminal(window);
    settle(200);

    // Paced: the modem's line rate, for the given time.
    const PacedResult paced = pacedRun(pty.master, output, pacedSeconds);
    figures.pacedCpuPercent = paced.cpuPercent;
    figures.pacedStallMs = paced.maxStallMs;
    figures.paced = paced;

    window.close();

    // For comparison: the reset-per-chunk design on the same kind of line.
    {
        Pty resetPty;
        ResetDesignPanel panel;
        panel.setFont(QFont(QStringLiteral("Calibri"), 12));
        panel.setStyleSheet(QStringLiteral("QTextEdit {\n\tbackground-color: rgb(100, 100, 100);\n\tcolor: rgb(255, 255, 255);\n}"));
        panel.setFocusPolicy(Qt::NoFocus);
        panel.resize(output->size());
        panel.show();
        QSerialPort port(resetPty.slavePath);
        if (!port.open(QIODevice::ReadWrite))
            fail("cannot open the second pseudo-terminal");
        QStringDecoder decoder(QStringDecoder::Utf8);
        QObject::connect(&port, &QSerialPort::readyRead, &panel, [&] {
            const QByteArray chunk = port.readAll();
            if (!chunk.isEmpty())
                panel.appendReceived(decoder.decode(chunk));
        });
        settle(200);

        const QByteArray data = modemText(qint64(resetMiB * kMiB), 1);
        const qsizetype expected = shownLength(data);
        Writer writer(resetPty.master, data, 0);
        const double start = secondsOf(CLOCK_MONOTONIC);
        writer.start([] {});
        const double seconds = waitUntilShown(&panel, expected, start, 600);
        writer.join();
        if (seconds > 0)
            figures.resetMiBs = double(data.size()) / kMiB / seconds;
        std::fprintf(stderr, "reset design: %.2f MiB shown after %.2f s\n", double(data.size()) / kMiB, seconds);
    }

    if (baseline) {
        // What the line itself costs: a bare serial port reading and decoding
        // the same data, nothing shown.
        Pty rawPty;
        QSerialPort port(rawPty.slavePath);
        if (!port.open(QIODevice::ReadWrite))
            fail("cannot open the third pseudo-terminal");
        QStringDecoder decoder(QStringDecoder::Utf8);
        qint64 received = 0;
        qint64 decoded = 0;
        qint64 expected = -1; // no end to wait for during the paced run
        QEventLoop loop;
        QObject::connect(&port, &QSerialPort::readyRead, &loop, [&] {
            const QByteArray chunk = port.readAll();
            received += chunk.size();
            decoded += QString(decoder.decode(chunk)).size();
            if (expected >= 0 && received >= expected)
                loop.quit();
        });
        settle(200);
        const PacedResult raw = pacedRun(rawPty.master, nullptr, pacedSeconds);
        const QByteArray data = modemText(qint64(floodMiB * kMiB), 1);
        expected = received + data.size();
        Writer writer(rawPty.master, data, 0);
        const double start = secondsOf(CLOCK_MONOTONIC);
        writer.start([] {});
        loop.exec();
        const double seconds = secondsOf(CLOCK_MONOTONIC) - start;
        writer.join();
        std::fprintf(stderr, "bare serial port: flood MiB/s: %.2f, paced CPU %%: %.2f (%lld characters)\n",
                     double(data.size()) / kMiB / seconds, raw.cpuPercent, static_cast<long long>(decoded));
    }

    std::printf("flood MiB/s: %.2f\n", figures.floodMiBs);
    std::printf("flood max stall ms: %.1f\n", figures.floodStallMs);
    std::printf("paced CPU %%: %.2f\n", figures.pacedCpuPercent);
    std::printf("paced max stall ms: %.1f\n", figures.pacedStallMs);
    std::printf("paced output repaints/s: %.1f\n", figures.paced.viewportPaintsPerSecond);
    std::printf("paced output Mpixel/s repainted: %.2f\n", figures.paced.viewportMpixPerSecond);
    std::printf("paced other widget repaints/s: %.1f\n", figures.paced.otherPaintsPerSecond);
    std::printf("paced window repaint ms/s: %.1f\n", figures.paced.repaintMsPerSecond);
    std::printf("reset-design MiB/s at 1 MiB: %.3f\n", figures.resetMiBs);
    const bool complete = figures.floodMiBs > 0 && figures.pacedCpuPercent >= 0 && figures.resetMiBs > 0;
    return complete ? 0 : 1;
}
