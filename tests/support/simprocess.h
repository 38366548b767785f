#pragma once
// Runs kvx-modemsim for a test: a simulated modem on a pseudo-terminal,
// with its receive log and state file in a temporary folder, so a test can
// point the tool at portPath() and then check what reached the modem.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// One item of what the modem received: an AT line up to and including its
// "\r\n", or one link control frame.
struct ReceivedItem {
    QByteArray bytes;
    double ms = 0;   // simulator clock (ms since its start) at the first byte
    bool isFrame() const { return bytes.startsWith(char(0xFA)); }
};

class SimProcess
{
public:
    SimProcess();
    ~SimProcess();
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    // Registers the modem starts from; call before start(). They are written
    // to the state file, as if stored by an earlier AT&W.
    void setInitialRegisters(const QMap<int, qint64> &registers);

    // Starts kvx-modemsim from the test's own folder with `arguments`, plus
    // --log and --state in the temporary folder unless `arguments` name
    // their own, and waits until it has printed its port path.
    bool start(const QStringList &arguments = QStringList(), int timeoutMs = 10000);
    QString errorString() const { return m_error; }

    QString portPath() const { return m_portPath; }
    QString logPath() const { return m_logPath; }
    QString statePath() const { return m_statePath; }
    QString directory() const { return m_dir.path(); }

    // Everything the modem has received so far, in order.
    QByteArray received() const;
    // The same as logged: one entry per read, with its time in ms.
    QList<QPair<double, QByteArray>> receivedChunks() const;
    // The received stream cut into AT lines and frames.
    QList<ReceivedItem> receivedLines() const;
    // Waits, serving events, until `needle` has been received `occurrences`
    // times; false on timeout.
    bool waitForReceived(const QByteArray &needle, int timeoutMs = 10000, int occurrences = 1) const;

    // Registers of the state file, as stored by the last AT&W (or given by
    // setInitialRegisters); empty when nothing was stored.
    QMap<int, qint64> storedRegisters() const;

    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    // SIGKILL: the pseudo-terminal vanishes like an unplugged device.
    void kill();
    // SIGTERM; true when the simulator ended cleanly in time.
    bool terminate(int timeoutMs = 10000);
    // For runs with --once: true when it ended by itself within the time.
    bool waitForExit(int timeoutMs);
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }

    static QString executablePath();
    // Splits a received byte stream as receivedLines() does; `startMs` holds
    // the time of each chunk, keyed by the offset of its first byte.
    static QList<ReceivedItem> splitReceived(const QByteArray &stream, const QMap<qsizetype, double> &startMs);

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_portPath;
    QString m_logPath;
    QString m_statePath;
    QString m_error;
};
