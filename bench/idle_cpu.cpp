// What waiting costs: the CPU the window uses with no link open (on a
// virtual X display), and the CPU `kvx-cli provision --watch` uses while no
// unit is plugged in, each over 30 s; then the time from a port link
// appearing to the first byte the assembly line writes to it. Prints
// figures; run from the build folder (kvx-config, kvx-cli and kvx-modemsim
// beside it), needs Xvfb:  build/idle_cpu [SECONDS] [REPEATS]

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <vector>

#include <csignal>
#include <unistd.h>

#include "support/simprocess.h"

namespace {

QTextStream out(stdout);

QString beside(const char *name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

// User and system time of a process so far, in clock ticks, and the times
// it was woken (voluntary context switches).
struct Usage {
    qint64 ticks = -1;
    qint64 wakeups = -1;
};

Usage usageOf(qint64 pid)
{
    Usage usage;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 12)
            usage.ticks = fields.at(11).toLongLong() + fields.at(12).toLongLong();
    }
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:"))
                usage.wakeups = line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
    }
    return usage;
}

// CPU share of `pid` over `seconds`, after a settling pause.
void measureIdle(const char *what, qint64 pid, int seconds)
{
    QThread::sleep(3);
    const Usage before = usageOf(pid);
    QElapsedTimer clock;
    clock.start();
    QThread::sleep(seconds);
    const Usage after = usageOf(pid);
    const double wall = clock.elapsed() / 1000.0;
    const double cpu = double(after.ticks - before.ticks) / double(sysconf(_SC_CLK_TCK));
    out << what << ": " << QString::number(100.0 * cpu / wall, 'f', 2) << " % of a core over "
        << QString::number(wall, 'f', 1) << " s (" << after.ticks - before.ticks << " ticks, "
        << QString::number((after.wakeups - before.wakeups) / wall, 'f', 1) << " wake-ups/s)   (target <= 0.2 %)"
        << Qt::endl;
}

void stop(QProcess &process, int signal = SIGTERM)
{
    if (process.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(process.processId()), signal);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

// A virtual X display of our own: the first free number.
bool startXvfb(QProcess &xvfb, QString *display)
{
    for (int n = 90; n < 200; ++n) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            continue;
        *display = QStringLiteral(":%1").arg(n);
        xvfb.start(QStringLiteral("Xvfb"), { *display, "-nolisten", "tcp", "-screen", "0", "1280x1024x24" });
        if (!xvfb.waitForStarted(10000))
            return false;
        for (int i = 0; i < 100 && !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)); ++i)
            QThread::msleep(50);
        return QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n));
    }
    return false;
}

QProcessEnvironment ownEnvironment(const QTemporaryDir &dir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", dir.path());
    environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    environment.insert("XDG_RUNTIME_DIR", dir.path());
    environment.insert("KVX_EXTRA_PORTS", dir.filePath("ttyKVX"));
    environment.insert("QT_LOGGING_RULES", "*.debug=false");
    return environment;
}

void windowIdle(int seconds)
{
    QTemporaryDir dir;
    QProcess xvfb;
    QString display;
    if (!startXvfb(xvfb, &display)) {
        out << "window idle: Xvfb did not start" << Qt::endl;
        return;
    }
    QProcessEnvironment environment = ownEnvironment(dir);
    environment.insert("DISPLAY", display);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    QProcess window;
    window.setProcessEnvironment(environment);
    window.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    window.setStandardOutputFile(QProcess::nullDevice());
    window.start(beside("kvx-config"), {});
    if (window.waitForStarted(10000))
        measureIdle("window idle (no link, Xvfb)", window.processId(), seconds);
    else
        out << "window idle: kvx-config did not start" << Qt::endl;
    stop(window);
    stop(xvfb);
}

template<typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? T(-1) : values.at(values.size() / 2);
}

// The watching line: idle, then units plugged in one after another.
void assemblyLine(int seconds, int repeats)
{
    QTemporaryDir dir;
    QFile profile(dir.filePath("p.json"));
    if (!profile.open(QIODevice::WriteOnly))
        return;
    profile.write(R"({"kvx-profile": 1, "product": "kv6", "module": "tarn", "mode": "p2mp", "settings": {"workMode": "slave"}})");
    profile.close();
    QProcess cli;
    cli.setProcessEnvironment(ownEnvironment(dir));
    cli.setStandardOutputFile(QProcess::nullDevice());
    cli.setStandardErrorFile(QProcess::nullDevice());
    cli.start(beside("kvx-cli"), { "provision", "--profile", profile.fileName(), "--watch", "--quiet" });
    if (!cli.waitForStarted(10000)) {
        out << "watch idle: kvx-cli did not start" << Qt::endl;
        return;
    }
    measureIdle("kvx-cli provision --watch idle", cli.processId(), seconds);

    std::vector<qint64> latencies;
    constexpr int AppearAfterMs = 1000;
    for (int i = 0; i < repeats; ++i) {
        const QString link = dir.filePath("ttyKVX");
        SimProcess unit;
        if (!unit.start({ "--product", "kv6", "--module", "tarn", "--link", link, "--appear-after",
                          QString::number(AppearAfterMs), "--once" }))
            continue;
        const QString log = unit.logPath();
        // Timed from here, to the millisecond: the link, then the first byte logged.
        QElapsedTimer clock;
        clock.start();
        while (!QFileInfo(link).isSymLink() && clock.elapsed() < 15000)
            QThread::usleep(500);
        const qint64 appeared = clock.elapsed();
        while (QFileInfo(log).size() == 0 && clock.elapsed() < 15000)
            QThread::usleep(500);
        if (QFileInfo(log).size() > 0)
            latencies.push_back(clock.elapsed() - appeared);
        // The unit is written, checked and let go before the next one comes.
        unit.waitForExit(30000);
    }
    stop(cli, SIGINT);
    out << "port link appearing to first byte ms: " << median(latencies) << " (median of "
        << latencies.size() << ")   (target <= 1500; KV6 - KV7, whose link-open frame is the first byte)" << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, atoi(argv[1])) : 30;
    const int repeats = argc > 2 ? qMax(1, atoi(argv[2])) : 3;
    windowIdle(seconds);
    assemblyLine(seconds, repeats);
    return 0;
}
