#include "engine/unitjob.h"

#include "protocol/profilecheck.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

struct UnitJobText {
    Q_DECLARE_TR_FUNCTIONS(UnitJob)
};

} // namespace

UnitJob::UnitJob(const LinkConfig &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
{
    connect(&m_link, &LinkController::connected, this, &UnitJob::opened);
    connect(&m_link, &LinkController::reportRead, this, [this](const RadioSettings &settings) { m_settings = settings; });
    connect(&m_link, &LinkController::readEnded, this, &UnitJob::readEnded);
    connect(&m_link, &LinkController::passThroughChanged, this, [this] {
        if (m_link.passThroughRate())
            m_rate = m_link.passThroughRate();
    });
    connect(&m_link, &LinkController::writeProgress, this, &UnitJob::setStep);
    // The line is free: the link closes while the row is kept.
    connect(&m_link, &LinkController::writeDone, this, [this] {
        m_lineFree = true;
        closeLink();
    });
    connect(&m_link, &LinkController::writeEnded, this, [this](const UnitOutcome &outcome) {
        m_toWrite = m_link.writeSettings();
        if (!outcome.isGood())
            m_failure = QStringLiteral("%1: %2").arg(m_config.port, outcome.words());
        decide(outcome, true);
    });
    connect(&m_link, &LinkController::outcomeRecorded, this, &UnitJob::decided);
    connect(&m_link, &LinkController::linkLost, this, [this](const QString &, const QString &) {
        m_closed = true;
        // A write that was running has ended lost and says so once its
        // row is kept; here only a loss outside it is left.
        if (m_link.isWriting())
            return;
        if (!m_decided && !m_lineFree)
            fail(UnitOutcome::PortLost, UnitJobText::tr("the device went away"));
        else if (m_told)
            closeAndFinish();
    });
    connect(&m_link, &LinkController::closed, this, [this] {
        m_closed = true;
        finish();
    });
}

void UnitJob::setTiming(const SessionTiming &timing)
{
    m_timeoutMs = timing.reportTimeoutMs;
    m_link.setTiming(timing);
}

void UnitJob::setQuickPauses(bool quick)
{
    SessionTiming timing = m_link.timing();
    timing.pauseEndsOnReply = quick;
    m_link.setTiming(timing);
}

void UnitJob::setReportTimeout(int ms)
{
    m_timeoutMs = ms;
    SessionTiming timing = m_link.timing();
    timing.reportTimeoutMs = ms;
    m_link.setTiming(timing);
}

void UnitJob::setUnitReservation(qint64 start, bool exact, bool replace)
{
    m_reserveStart = start;
    m_reserveExact = exact;
    m_reserveReplace = replace;
}

void UnitJob::setStep(Step step, int line, int lines)
{
    m_step = step;
    emit progress(step, line, lines);
}

void UnitJob::startRead()
{
    m_task = ReadTask;
    begin();
}

void UnitJob::startWrite(const RadioSettings &change, bool verify)
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
    // Only a rate given is written.
    m_link.setRateEcho(false);
    begin();
}

void UnitJob::startCheck(const RadioSettings &profile)
{
    m_task = CheckTask;
    m_change = profile;
    // A check writes nothing, not even the rate the unit reported.
    m_link.setRateEcho(false);
    begin();
}

void UnitJob::begin()
{
    setStep(Step::Connecting);
    // The settings to write, as far as known before the unit is read: what
    // a lost or failed unit's row says was attempted.
    m_toWrite = m_change;
    if (m_task == WriteTask || m_task == CheckTask)
        m_link.setRecords(m_records);
    if (!m_link.open(m_config)) {
        // Reported from the event loop, like every other end.
        QTimer::singleShot(0, this, [this] {
            fail(UnitOutcome::CannotOpen, UnitJobText::tr("cannot open the port: %1").arg(m_link.errorString()));
        });
    }
}

void UnitJob::interrupt()
{
    if (m_interrupted || m_decided || m_lineFree || m_done)
        return;
    m_interrupted = true;
    // A write under way ends at its safe point and decides the unit.
    if (m_link.interrupt())
        return;
    if (!m_link.isOpen())
        return;   // the port did not open; its failure is on its way
    UnitOutcome outcome = failedOutcome(UnitOutcome::NoCause, QString(), m_toWrite, m_config.mode);
    outcome.result = UnitOutcome::Interrupted;
    m_failure = QStringLiteral("%1: %2").arg(m_config.port, m_task == WriteTask ? outcome.words()
                                                                               : UnitJobText::tr("interrupted"));
    decide(outcome, false);
}

void UnitJob::opened()
{
    if (m_interrupted || m_decided)
        return;
    if (m_task != BaudTask) {
        setStep(Step::Reading);
        m_link.read();
        return;
    }
    if (!m_rate) {
        fail(UnitOutcome::NoReport, UnitJobText::tr("the unit did not report its pass-through rate"));
        return;
    }
    if (m_newRate) {
        m_link.setPassThroughRate(m_newRate);
        m_rate = quint32(m_newRate);
    }
    decide(UnitOutcome(), false);
}

// The write follows the read as it would in the window: after its pause.
void UnitJob::readEnded(bool answered)
{
    if (m_interrupted || m_decided)
        return;
    if (!answered) {
        fail(UnitOutcome::NoReport,
             UnitJobText::tr("no settings report from the modem within %1 ms (KV5 answers at 9600 baud, "
                             "KV6 - KV7 at 115200: is the product right?)")
                 .arg(m_timeoutMs));
        return;
    }
    if (m_task == ReadTask) {
        decide(UnitOutcome(), false);
        return;
    }
    if (m_task == CheckTask) {
        decide(checkOutcome(m_settings, compareWithProfile(m_settings, m_change, m_config), m_config), false);
        return;
    }
    m_toWrite = m_settings;
    m_toWrite.apply(m_change);
    LinkController::WriteOptions options;
    options.verify = m_verify;
    options.reserveFrom = m_reserveStart >= 0 && !m_reserveExact ? m_reserveStart : -1;
    options.replace = m_reserveReplace;
    m_link.write(m_toWrite, options);
}

void UnitJob::fail(UnitOutcome::Cause cause, const QString &message)
{
    if (m_decided || m_done)
        return;
    m_failure = QStringLiteral("%1: %2").arg(m_config.port, message);
    decide(failedOutcome(cause, message, m_toWrite, m_config.mode), false);
}

void UnitJob::decide(const UnitOutcome &outcome, bool recorded)
{
    if (m_decided)
        return;
    m_decided = true;
    m_outcome = outcome;
    m_outcome.check = m_task == CheckTask;
    // A check that read nothing holds no settings of the unit's.
    if (m_task == CheckTask && outcome.result != UnitOutcome::Matches && outcome.result != UnitOutcome::Differs) {
        m_outcome.settings = RadioSettings();
        m_outcome.module = m_config.module;
    }
    // A unit that never got as far as its port leaves no row.
    if ((m_task == WriteTask || m_task == CheckTask) && !recorded && outcome.cause != UnitOutcome::CannotOpen) {
        m_link.recordOutcome(m_outcome);
        closeLink();
        return;
    }
    decided(m_outcome);
}

// The unit's row is kept: the outcome is told.
void UnitJob::decided(const UnitOutcome &outcome)
{
    m_outcome = outcome;
    m_told = true;
    emit outcomeReady();
    closeAndFinish();
}

void UnitJob::closeAndFinish()
{
    closeLink();
    if (!m_closed && !m_link.isOpen() && m_link.state() != LinkController::State::Closing) {
        m_link.closeNow();
        m_closed = true;
    }
    // Reported from the event loop, after whoever decided has returned.
    if (m_closed)
        QTimer::singleShot(0, this, &UnitJob::finish);
}

void UnitJob::closeLink()
{
    if (m_done || m_closed || m_link.state() == LinkController::State::Closing || !m_link.isOpen())
        return;
    setStep(Step::Closing);
    // Once decided, nothing that happens while closing changes it.
    m_link.close();
}

void UnitJob::finish()
{
    // Done once the link is closed and the outcome told, in either order.
    if (m_done || !m_told || !m_closed)
        return;
    m_done = true;
    setStep(Step::Finished);
    emit done();
}
