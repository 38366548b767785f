#include "engine/linkcontroller.h"

#include <QCoreApplication>

#include "engine/recordkeeper.h"
#include "protocol/formcheck.h"
#include "records/recordfile.h"

namespace {

struct LinkControllerText {
    Q_DECLARE_TR_FUNCTIONS(LinkController)
};

// The registers a write sends from its settings, which the unit must have
// reported first.
constexpr int WriteNeeds[] = { Reg::NetworkAddress, Reg::WorkMode, Reg::SerialBaud, Reg::LinkRate, Reg::OutputPower };

} // namespace

LinkController::LinkController(QObject *parent)
    : QObject(parent)
{
    connect(&m_session, &RadioSession::opened, this, &LinkController::linkOpened);
    connect(&m_session, &RadioSession::chunkReceived, this, &LinkController::chunkReceived);
    connect(&m_session, &RadioSession::finished, this, &LinkController::sequenceEnded);
    connect(&m_session, &RadioSession::reportScanned, this, &LinkController::applyReport);
    connect(&m_session, &RadioSession::frameReceived, this, &LinkController::frameIn);
    connect(&m_session, &RadioSession::reportRead, this, [this](int id, const RadioSettings &settings) {
        if (id != m_readId || m_state != State::Reading)
            return;
        m_readAnswered = m_readGotReport = true;
        emit reportRead(settings);
        if (m_readPaused)
            endRead(true);
    });
    connect(&m_session, &RadioSession::noReport, this, [this](int id) {
        if (id != m_readId || m_state != State::Reading)
            return;
        m_readAnswered = true;
        emit noReport();
        if (m_readPaused)
            endRead(false);
    });
    connect(&m_session, &RadioSession::lineSent, this, [this](int, const QByteArray &) {
        // The write's own lines up to "AT&W" (storing() comes before it);
        // the check's request is not one.
        if (m_state != State::Writing || m_storing || m_linesSent >= m_linesPlanned)
            return;
        ++m_linesSent;
        emit writeProgress(UnitStep::Writing, m_linesSent, m_linesPlanned);
        // The last line's pause is the time to keep the pending row: "AT&W"
        // then goes out on time.
        if (m_linesSent == m_linesPlanned)
            keepPendingRow();
    });
    connect(&m_session, &RadioSession::storing, this, &LinkController::storing);
    connect(&m_session, &RadioSession::verifying, this, [this] {
        if (m_state == State::Writing)
            emit writeProgress(UnitStep::Verifying, 0, 0);
    });
    connect(&m_session, &RadioSession::linkLost, this, [this](const QString &port, const QString &reason) {
        // What ran has ended LinkLost and said so.
        enterClosed();
        emit linkLost(port, reason);
    });
}

LinkController::~LinkController()
{
    // Nobody is left to hear how a write under way ended.
    blockSignals(true);
}

void LinkController::setTiming(const SessionTiming &timing)
{
    m_session.setTiming(timing);
}

bool LinkController::recording() const
{
    return m_keeper && !m_keeper->isEmpty();
}

void LinkController::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

// Nothing of an earlier link: its report, its rate, its read.
void LinkController::startLink()
{
    m_openId = m_readId = m_writeId = m_closeId = 0;
    m_entries.clear();
    m_report = RadioSettings();
    m_reportedRate = m_selectedRate = 0;
}

void LinkController::enterClosed()
{
    startLink();
    setState(State::Closed);
}

bool LinkController::open(const LinkConfig &config)
{
    if (m_state != State::Closed)
        return false;
    startLink();
    const int id = m_session.open(config);
    if (!id)
        return false;
    m_openId = id;
    setState(State::Opening);
    return true;
}

void LinkController::read()
{
    if (m_state != State::Ready)
        return;
    m_readPaused = m_readAnswered = m_readGotReport = false;
    m_readId = 0;
    setState(State::Reading);
    const int id = m_session.read();
    if (m_state == State::Reading)
        m_readId = id;
}

void LinkController::endRead(bool answered)
{
    m_readId = 0;
    if (m_state != State::Reading)
        return;
    setState(State::Ready);
    emit readEnded(answered);
}

bool LinkController::reportComplete() const
{
    for (int reg : WriteNeeds) {
        if (!m_entries.contains(reg))
            return false;
    }
    return true;
}

QString LinkController::checkWrite(const RadioSettings &settings, int *reg) const
{
    return ::checkWrite(settings, config(), m_report, reg);
}

void LinkController::write(const RadioSettings &settings, const WriteOptions &options)
{
    if (m_state != State::Ready || !m_session.isOpen())
        return;
    m_settings = settings;
    m_outcome = UnitOutcome();
    m_recordError.clear();
    m_attempt = newAttemptId();
    ++m_writeSerial;
    m_writeOpen = true;
    m_stopBeforeLines = false;
    m_verify = options.verify;
    m_pendingAsked = false;
    m_writeId = 0;
    m_storing = false;
    m_linesSent = 0;
    m_linesPlanned = 0;
    setState(State::Writing);
    // Nothing goes out that the unit would store as a number nobody chose,
    // nor before this unit has reported on this link.
    const QString problem = m_entries.isEmpty()
                                ? LinkControllerText::tr("the unit has not reported its settings on this link; read it first")
                                : checkWrite(settings);
    if (!problem.isEmpty())
        return endWithRow(failedOutcome(UnitOutcome::Unwritable, problem, settings, config().mode));
    if (!isMultipoint(config().mode) || !recording() || !m_keeper->reserves())
        return startLines();
    // The unit address is reserved before anything is written to the unit;
    // the lines wait for the record's answer, the line's pauses do not.
    const bool exact = options.reserveFrom < 0;
    const qint64 start = exact ? m_settings.value(Reg::UnitAddress, 0) : options.reserveFrom;
    const UnitRecord record = rowOf(pendingOutcome(m_settings, config().mode));
    const int serial = m_writeSerial;
    m_keeper->reserve(this, record, start, exact, options.replace, [this, serial](const RecordKeeper::Reply &reply) {
        if (serial != m_writeSerial || !m_writeOpen)
            return;
        if (!reply.attempt.isEmpty()) {
            m_attempt = reply.attempt;
            // The address the record handed out is the one written.
            m_settings.set(Reg::UnitAddress, reply.record.settings.value(Reg::UnitAddress));
        }
        if (m_stopBeforeLines || m_state != State::Writing || !m_session.isOpen()) {
            UnitOutcome stopped = failedOutcome(UnitOutcome::NoCause, QString(), m_settings, config().mode);
            stopped.result = UnitOutcome::Interrupted;
            return endWithRow(stopped);
        }
        if (reply.attempt.isEmpty()) {
            // The record's own words: in use, being written by a station,
            // or why it could not be asked.
            UnitOutcome refusal = failedOutcome(UnitOutcome::NoCause, QString(), m_settings, config().mode);
            refusal.recordError = reply.error;
            return endWithRow(refusal);
        }
        startLines();
    });
}

void LinkController::startLines()
{
    for (const WriteLine &line : planWrite(m_settings, config().module, config().mode)) {
        if (!line.bytes.isEmpty() && line.kind != WriteLine::Store)
            ++m_linesPlanned;
    }
    emit writeProgress(UnitStep::Writing, 0, m_linesPlanned);
    // "AT&W" waits for the pending row when there is a record to take it.
    m_session.setStoreGate(recording());
    // A line that cannot be sent ends the write before its id is known.
    const int id = m_session.write(m_settings, m_verify);
    if (m_state == State::Writing && m_session.isRunning(id))
        m_writeId = id;
}

// Right before "AT&W": the unit's row is kept first, so a program killed
// now still leaves one; without it nothing is stored. Where the record
// hands out unit addresses, the row is in the database itself first.
void LinkController::storing(int id)
{
    if (m_state != State::Writing)
        return;
    m_storing = true;
    if (recording() && !m_pendingAsked)
        keepPendingRow();
    if (!m_recordError.isEmpty()) {
        m_session.interrupt(id);
        return;
    }
    emit writeProgress(UnitStep::Storing, 0, 0);
}

void LinkController::keepPendingRow()
{
    if (!recording() || m_pendingAsked)
        return;
    m_pendingAsked = true;
    const UnitRecord record = rowOf(pendingOutcome(m_settings, config().mode));
    const bool direct = isMultipoint(config().mode) && m_keeper->reserves();
    const int serial = m_writeSerial;
    m_keeper->writeRow(this, m_attempt, record, direct, false, [this, serial](const RecordKeeper::Reply &reply) {
        if (serial != m_writeSerial || m_state != State::Writing || !m_writeId)
            return;
        if (!reply.error.isEmpty()) {
            m_recordError = reply.error;
            // Waiting at "AT&W" already: it is not sent. Else storing() says so.
            if (m_storing)
                m_session.interrupt(m_writeId);
            return;
        }
        m_session.releaseStore(m_writeId);
    });
}

void LinkController::finishWrite(const SequenceResult &result)
{
    m_writeId = 0;
    UnitOutcome outcome = writeOutcome(result, m_settings, config().mode);
    outcome.recordError = m_recordError;
    endWithRow(outcome);
}

void LinkController::endWithRow(const UnitOutcome &outcome)
{
    if (!recording())
        return endWrite(outcome);
    const int serial = m_writeSerial;
    const UnitRecord record = rowOf(outcome);
    m_keeper->writeRow(this, m_attempt, record, false, true, [this, serial, outcome](const RecordKeeper::Reply &reply) {
        if (serial != m_writeSerial)
            return;
        UnitOutcome ended = outcome;
        if (ended.recordError.isEmpty())
            ended.recordError = reply.error;
        ended.recordWaiting = reply.waiting;
        endWrite(ended);
    });
}

void LinkController::endWrite(const UnitOutcome &outcome)
{
    m_outcome = outcome;
    if (m_outcome.recordError.isEmpty())
        m_outcome.recordError = m_recordError;
    m_writeOpen = false;
    // Told while the state still says writing: a listener may close at once.
    emit writeEnded(m_outcome);
    if (m_state == State::Writing)
        setState(State::Ready);
}

UnitRecord LinkController::rowOf(const UnitOutcome &outcome) const
{
    UnitRecord record = recordFor(outcome, config(), m_identity, m_unitCode);
    record.pauses = pausesKey(timing());
    return record;
}

void LinkController::recordOutcome(const UnitOutcome &outcome)
{
    m_outcome = outcome;
    m_recordError.clear();
    if (!recording()) {
        emit outcomeRecorded(m_outcome);
        return;
    }
    m_attempt = newAttemptId();
    const int serial = ++m_writeSerial;
    m_keeper->writeRow(this, m_attempt, rowOf(outcome), false, true,
                       [this, serial](const RecordKeeper::Reply &reply) {
                           if (serial != m_writeSerial)
                               return;
                           if (m_outcome.recordError.isEmpty())
                               m_outcome.recordError = reply.error;
                           m_outcome.recordWaiting = reply.waiting;
                           emit outcomeRecorded(m_outcome);
                       });
}

qint64 LinkController::nextUnitAddress() const
{
    if (!m_outcome.isGood() || !isMultipoint(config().mode))
        return -1;
    for (const auto &[reg, value] : registersSetBy(m_outcome.linesSent)) {
        if (reg == Reg::UnitAddress && value < MaxAddress)
            return value + 1;
    }
    return -1;
}

bool LinkController::interrupt()
{
    switch (m_state) {
    case State::Writing:
        if (m_writeId && m_session.interrupt(m_writeId))
            return true;
        // Still waiting for its unit address: nothing will be sent.
        if (m_writeOpen && !m_writeId && !m_storing) {
            m_stopBeforeLines = true;
            return true;
        }
        break;
    case State::Opening:
        m_session.interrupt(m_openId);
        break;
    case State::Reading:
        m_session.interrupt(m_readId);
        break;
    default:
        break;
    }
    return false;
}

void LinkController::close()
{
    if (m_state == State::Closed || m_state == State::Closing)
        return;
    setState(State::Closing);
    // Whatever runs ends first and says so; then the frame.
    m_closeId = m_session.close();
}

void LinkController::closeNow()
{
    m_session.closeNow();
    enterClosed();
}

bool LinkController::sendRaw(const QByteArray &bytes)
{
    return m_session.send(bytes);
}

bool LinkController::setPassThroughRate(qint32 rate)
{
    m_selectedRate = rate > 0 ? quint32(rate) : 0;
    return m_session.setPassThroughBaud(rate);
}

void LinkController::sequenceEnded(int id, const SequenceResult &result)
{
    m_session.takeResult(id);
    // A read or a write can end inside its own start (a line that could not
    // be sent), before its id is known.
    if (id == m_openId) {
        m_openId = 0;
        // A close or a lost device has taken over and says what happened.
        if (m_state != State::Opening)
            return;
        if (result.outcome == SequenceResult::Completed) {
            setState(State::Ready);
            emit connected();
        } else if (result.outcome == SequenceResult::Interrupted) {
            setState(State::Ready);
        }
    } else if (id == m_readId || (m_state == State::Reading && !m_readId)) {
        m_readPaused = true;
        switch (result.outcome) {
        case SequenceResult::Completed:
            if (m_readAnswered)
                endRead(m_readGotReport);
            break;
        case SequenceResult::SendFailed:
            if (m_state == State::Reading) {
                emit readFailed();
                endRead(false);
            }
            break;
        case SequenceResult::Interrupted:
            endRead(false);
            break;
        default:
            // Closed or lost meanwhile: those say what happened.
            m_readId = 0;
            break;
        }
    } else if (id == m_writeId || (m_state == State::Writing && !m_writeId)) {
        finishWrite(result);
    } else if (id == m_closeId) {
        enterClosed();
        emit closed();
    }
}

void LinkController::applyReport(const ReceiveResult &result, bool verifying)
{
    // The check after a write reads the unit without changing the form, and
    // the answers to a write's lines (an echo names registers too) leave the
    // form as it was when the write began. A report belongs to this link
    // until the close begins.
    if (verifying || result.entries.isEmpty())
        return;
    if (m_state != State::Opening && m_state != State::Ready && m_state != State::Reading)
        return;
    for (const RegisterEntry &entry : result.entries)
        m_entries.insert(entry.reg, entry);
    m_report = settingsFromEntries(m_entries.values());
    emit reportApplied(result.entries);
}

void LinkController::frameIn(const FrameReply &frame)
{
    if (frame.status != FrameReply::LinkClosed && frame.status != FrameReply::BaudRate)
        return;
    if (frame.status == FrameReply::BaudRate) {
        m_reportedRate = frame.rate;
        // The window selects the reported rate in its list, and choosing a
        // rate sends it: the unit hears its own rate back whenever it
        // differs from the one chosen on this link, from every front end.
        if (m_rateEcho && frame.rate != m_selectedRate && passThroughRates().contains(QString::number(frame.rate)))
            setPassThroughRate(qint32(frame.rate));
    }
    emit passThroughChanged();
}
