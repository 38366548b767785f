#include "support/simprocess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <iterator>

SimProcess::SimProcess()
{
    m_logPath = m_dir.filePath("received.log");
    m_statePath = m_dir.filePath("state.txt");
    // The simulator's complaints belong in the test output.
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

SimProcess::~SimProcess()
{
    if (!isRunning())
        return;
    if (!terminate(5000))
        kill();
}

QString SimProcess::executablePath()
{
    return QCoreApplication::applicationDirPath() + "/kvx-modemsim";
}

void SimProcess::setInitialRegisters(const QMap<int, qint64> &registers)
{
    QByteArray text;
    for (auto it = registers.cbegin(); it != registers.cend(); ++it)
        text += 'S' + QByteArray::number(it.key()) + '=' + QByteArray::number(it.value()) + '\n';
    QFile file(m_statePath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text);
}

bool SimProcess::start(const QStringList &arguments, int timeoutMs)
{
    if (!m_dir.isValid()) {
        m_error = "no temporary folder";
        return false;
    }
    QStringList all = arguments;
    const int logAt = int(arguments.indexOf("--log"));
    if (logAt >= 0 && logAt + 1 < arguments.size())
        m_logPath = arguments.at(logAt + 1);
    else
        all << "--log" << m_logPath;
    const int stateAt = int(arguments.indexOf("--state"));
    if (stateAt >= 0 && stateAt + 1 < arguments.size())
        m_statePath = arguments.at(stateAt + 1);
    else
        all << "--state" << m_statePath;

    m_process.start(executablePath(), all);
    if (!m_process.waitForStarted(timeoutMs)) {
        m_error = executablePath() + ": " + m_process.errorString();
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (!m_process.canReadLine()) {
        if (m_process.state() == QProcess::NotRunning || deadline.hasExpired()) {
            m_error = QString("kvx-modemsim printed no port path (exit code %1)").arg(m_process.exitCode());
            return false;
        }
        m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    m_portPath = QString::fromLocal8Bit(m_process.readLine().trimmed());
    return !m_portPath.isEmpty();
}

QList<QPair<double, QByteArray>> SimProcess::receivedChunks() const
{
    QList<QPair<double, QByteArray>> chunks;
    QFile file(m_logPath);
    if (!file.open(QIODevice::ReadOnly))
        return chunks;
    const QByteArray log = file.readAll();
    // The last line may still be in the writing; only whole lines count.
    const QList<QByteArray> lines = log.left(log.lastIndexOf('\n') + 1).split('\n');
    for (const QByteArray &line : lines) {
        const int space = int(line.indexOf(' '));
        if (space <= 0)
            continue;
        bool ok = false;
        const double ms = line.left(space).toDouble(&ok);
        if (ok)
            chunks.append({ ms, QByteArray::fromHex(line.mid(space + 1)) });
    }
    return chunks;
}

QByteArray SimProcess::received() const
{
    QByteArray stream;
    for (const auto &chunk : receivedChunks())
        stream += chunk.second;
    return stream;
}

QList<ReceivedItem> SimProcess::splitReceived(const QByteArray &stream, const QMap<qsizetype, double> &startMs)
{
    auto timeAt = [&](qsizetype offset) {
        auto it = startMs.upperBound(offset);
        return it == startMs.cbegin() ? 0.0 : std::prev(it).value();
    };
    QList<ReceivedItem> items;
    qsizetype pos = 0;
    while (pos < stream.size()) {
        qsizetype end = stream.size();
        if (stream.at(pos) == char(0xFA)) {
            if (stream.size() - pos >= 4) {
                const int length = quint8(stream.at(pos + 2)) | (quint8(stream.at(pos + 3)) << 8);
                end = qMin<qsizetype>(pos + length + 5, stream.size());
            }
        } else {
            const qsizetype lineEnd = stream.indexOf("\r\n", pos);
            if (lineEnd >= 0)
                end = lineEnd + 2;
        }
        items.append({ stream.mid(pos, end - pos), timeAt(pos) });
        pos = end;
    }
    return items;
}

QList<ReceivedItem> SimProcess::receivedLines() const
{
    QByteArray stream;
    QMap<qsizetype, double> startMs;
    for (const auto &chunk : receivedChunks()) {
        startMs.insert(stream.size(), chunk.first);
        stream += chunk.second;
    }
    return splitReceived(stream, startMs);
}

bool SimProcess::waitForReceived(const QByteArray &needle, int timeoutMs, int occurrences) const
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (received().count(needle) >= occurrences)
            return true;
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
}

QMap<int, qint64> SimProcess::storedRegisters() const
{
    QMap<int, qint64> registers;
    QFile file(m_statePath);
    if (!file.open(QIODevice::ReadOnly))
        return registers;
    static const QRegularExpression entry("^S(\\d+)=(-?\\d+)$");
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QRegularExpressionMatch match = entry.match(QString::fromLatin1(line.trimmed()));
        if (match.hasMatch())
            registers.insert(match.captured(1).toInt(), match.captured(2).toLongLong());
    }
    return registers;
}

void SimProcess::kill()
{
    if (!isRunning())
        return;
    m_process.kill();
    m_process.waitForFinished(10000);
}

bool SimProcess::terminate(int timeoutMs)
{
    if (!isRunning())
        return m_process.exitStatus() == QProcess::NormalExit;
    m_process.terminate();
    return m_process.waitForFinished(timeoutMs) && m_process.exitStatus() == QProcess::NormalExit
           && m_process.exitCode() == 0;
}

bool SimProcess::waitForExit(int timeoutMs)
{
    // Events keep flowing meanwhile, so a tool under test stays alive.
    const QDeadlineTimer deadline(timeoutMs);
    while (isRunning()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
    return true;
}
