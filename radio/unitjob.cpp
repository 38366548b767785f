#include "radio/unitjob.h"

#include <QTimer>

#include "radio/atcommands.h"

UnitJob::UnitJob(const LinkConfig &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
{
    connect(&m_session, &RadioSession::finished, this, &UnitJob::sequenceEnded);
    connect(&m_session, &RadioSession::reportRead, this, [this](int id, const RadioSettings &settings) {
        if (id == m_readId)
            reportIn(settings);
    });
    connect(&m_session, &RadioSession::noReport, this, [this](int id) {
        if (id == m_readId)
            fail(NoReport, QStringLiteral("%1: no settings report from the modem within %2 ms")
                               .arg(m_config.port).arg(m_timeoutMs));
    });
    connect(&m_session, &RadioSession::frameReceived, this, [this](const FrameReply &frame) {
        if (frame.status != FrameReply::BaudRate)
            return;
        // The window selects the reported rate in its list, and choosing a
        // rate sends it: the unit hears its own rate back. Keep the line the
        // same as the window's.
        if (!m_rateSeen && passThroughRates().contains(QString::number(frame.rate)))
            m_session.setPassThroughBaud(qint32(frame.rate));
        m_rate = frame.rate;
        m_rateSeen = true;
    });
    connect(&m_session, &RadioSession::linkLost, this, [this](const QString &port, const QString &error) {
        fail(PortLost, QStringLiteral("%1: the port was lost (%2)").arg(port, error));
    });
}

void UnitJob::startRead()
{
    m_task = ReadTask;
    begin();
}

void UnitJob::startWrite(const SettingsChange &change, bool verify)
{
    m_task = WriteTask;
    m_change = change;
    m_verify = verify;
    begin();
}

void UnitJob::startBaud(qint32 rate)
{
    m_task = BaudTask;
    m_newRate = rate;
    begin();
}

void UnitJob::begin()
{
    m_openId = m_session.open(m_config);
    if (!m_openId) {
        // Reported from the event loop, like every other end.
        QTimer::singleShot(0, this, [this] {
            fail(CannotOpen, QStringLiteral("%1: cannot open the port: %2").arg(m_config.port, m_session.errorString()));
        });
    }
}

void UnitJob::sequenceEnded(int id, const SequenceResult &result)
{
    if (m_done)
        return;
    if (result.outcome == SequenceResult::LinkLost)
        return;   // linkLost() reports it
    if (id == m_openId) {
        opened();
    } else if (id == m_readId) {
        m_readPaused = true;
        if (m_reportIn)
            reportIn(m_settings);
    } else if (id == m_writeId) {
        m_writeResult = m_session.takeResult(id);   // the same as `result`, taken to free it
        m_wrote = true;
        if (result.outcome == SequenceResult::SendFailed) {
            fail(PortLost, QStringLiteral("%1: a line could not be sent").arg(m_config.port));
            return;
        }
        if (result.verification == SequenceResult::NoAnswer) {
            m_status = NoReport;
            m_failure = QStringLiteral("%1: written, but the modem stopped answering and could not be verified")
                            .arg(m_config.port);
        } else if (result.verification == SequenceResult::Mismatch) {
            m_status = Mismatch;
            m_failure = QStringLiteral("%1: verify found differences: %2")
                            .arg(m_config.port, describeDifferences(result.differences));
        }
        closeAndFinish();
    } else if (id == m_closeId) {
        m_done = true;
        emit done();
    }
}

void UnitJob::opened()
{
    if (m_task != BaudTask) {
        m_readId = m_session.read(m_timeoutMs);
        return;
    }
    if (!m_rateSeen) {
        fail(NoReport, QStringLiteral("%1: the unit did not report its pass-through rate").arg(m_config.port));
        return;
    }
    if (m_newRate) {
        m_session.setPassThroughBaud(m_newRate);
        m_rate = quint32(m_newRate);
    }
    closeAndFinish();
}

void UnitJob::reportIn(const RadioSettings &settings)
{
    m_settings = settings;
    m_reportIn = true;
    // The write follows the read as it would in the window: after its pause.
    if (!m_readPaused || m_writeId || m_closeId)
        return;
    if (m_task == ReadTask) {
        closeAndFinish();
        return;
    }
    m_form = applyChange(writeFormFor(settings, m_config), m_change);
    const WriteForm form = m_form;
    m_writeId = m_session.write([form] { return form; }, m_verify, m_timeoutMs);
}

void UnitJob::fail(Status status, const QString &message)
{
    if (m_done)
        return;
    if (status > m_status) {
        m_status = status;
        m_failure = message;
    }
    if (m_session.isOpen() && status != PortLost) {
        closeAndFinish();
        return;
    }
    m_session.closeNow();
    m_done = true;
    emit done();
}

void UnitJob::closeAndFinish()
{
    if (!m_closeId)
        m_closeId = m_session.close();
}
