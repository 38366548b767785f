#include "support/ptymodem.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyModem::PtyModem(Product product, Module module, QObject *parent)
    : QObject(parent)
    , m_model(product, module)
    , m_session(&m_model, false)
{
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
        return;
    termios tio {};
    tcgetattr(m_slave, &tio);
    cfmakeraw(&tio);
    tcsetattr(m_slave, TCSANOW, &tio);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_path = QString::fromLocal8Bit(name);
    m_clock.start();
    m_notifier = new QSocketNotifier(qintptr(m_master), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyModem::readable);
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PtyModem::sendDue);
}

PtyModem::~PtyModem()
{
    delete m_notifier;
    for (int fd : { m_master, m_slave }) {
        if (fd >= 0)
            ::close(fd);
    }
}

QList<QByteArray> PtyModem::receivedLines() const
{
    QList<QByteArray> lines;
    for (const QByteArray &line : m_received.split('\n')) {
        const QByteArray text = line.trimmed();
        if (!text.isEmpty() && !text.startsWith(char(0xFA)))
            lines << text;
    }
    return lines;
}

void PtyModem::readable()
{
    char buffer[4096];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n <= 0)
        return;
    const QByteArray bytes(buffer, int(n));
    m_received += bytes;
    // Line by line, so each line's answer can be held back on its own.
    for (const char byte : bytes) {
        const bool lineEnd = byte == '\r' || byte == '\n';
        QByteArray answer = m_session.receive(QByteArray(1, byte), lineBaudFor(m_model.product()), m_clock.elapsed());
        if (answer.isEmpty() || (m_mute && lineEnd))
            continue;
        const qint64 due = qMax(m_clock.elapsed(), m_lastDueMs) + m_gapMs;
        m_lastDueMs = due;
        m_queue.append({ due, answer });
    }
    sendDue();
}

void PtyModem::sendDue()
{
    while (!m_queue.isEmpty() && m_queue.first().first <= m_clock.elapsed()) {
        const QByteArray answer = m_queue.takeFirst().second;
        [[maybe_unused]] const ssize_t written = ::write(m_master, answer.constData(), size_t(answer.size()));
    }
    if (!m_queue.isEmpty())
        m_timer.start(int(m_queue.first().first - m_clock.elapsed()));
}
