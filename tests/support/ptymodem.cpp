#include "support/ptymodem.h"

#include "protocol/atcommands.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyModem::PtyModem(Product product, Module module)
    : m_model(product, module)
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
    m_notifier = std::make_unique<QSocketNotifier>(qintptr(m_master), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &PtyModem::readable);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &PtyModem::sendDue);
}

PtyModem::~PtyModem()
{
    m_notifier.reset();
    ::close(m_master);
    ::close(m_slave);
}

QByteArray PtyModem::lastLine() const
{
    const QList<QByteArray> lines = m_received.trimmed().split('\n');
    return lines.last().trimmed();
}

void PtyModem::readable()
{
    char buffer[4096];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n <= 0)
        return;
    m_received.append(buffer, int(n));
    if (m_closeFrameAt < 0 && m_received.endsWith(frameLinkClose()))
        m_closeFrameAt = m_clock.elapsed();
    // Byte by byte, so each line's answer is held back on its own.
    for (ssize_t i = 0; i < n; ++i) {
        if (buffer[i] == '\n') {
            m_lines.append({ m_clock.elapsed(), m_partial.trimmed() });
            m_partial.clear();
        } else {
            m_partial.append(buffer[i]);
        }
        const QByteArray answer = m_session.receive(QByteArray(1, buffer[i]), lineBaudFor(m_model.product()), 0);
        if (answer.isEmpty() || (m_mute && (buffer[i] == '\r' || buffer[i] == '\n')))
            continue;
        const qint64 last = m_due.isEmpty() ? 0 : m_due.last().first;
        m_due.append({ qMax(m_clock.elapsed(), last) + m_gapMs, answer });
    }
    sendDue();
}

void PtyModem::sendDue()
{
    while (!m_due.isEmpty() && m_due.first().first <= m_clock.elapsed()) {
        const QByteArray answer = m_due.takeFirst().second;
        [[maybe_unused]] const ssize_t written = ::write(m_master, answer.constData(), size_t(answer.size()));
        // The close frame's own answer is not the unit's last before it.
        if (m_closeFrameAt < 0)
            m_lastAnswerAt = m_clock.elapsed();
    }
    if (!m_due.isEmpty())
        m_timer.start(int(m_due.first().first - m_clock.elapsed()));
}
