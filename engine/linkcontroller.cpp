#include "engine/linkcontroller.h"

#include <QCoreApplication>

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
    });
    connect(&m_session, &RadioSession::storing, this, &LinkController::storing);
    connect(&m_session, &RadioSession::verifying, this, [this] {
        if (m_state == State::Writing)
            emit writeProgress(UnitStep::Verifying, 0, 0);
    });
    connect(&m_session, &RadioSession::linkLost, this, [this](const QString &port, const QString &reason) {
        // What ran has ended LinkLost and said so; a write still waiting
        // for the record ends here.
        if (m_writeOpen && m_beginning)
            endBeginning(true);
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
    return m_records && !m_records->isEmpty();
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
    m_attempt = newAttemptId();
    ++m_writeSerial;
    m_writeOpen = true;
    m_beginning = false;
    m_verify = options.verify;
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
    if (!recording())
        return startLines();
    // Everything the unit needs from the record comes before its first
    // line: once the lines go out, nothing of theirs waits on a record.
    UnitReservation reservation;
    reservation.reserve = isMultipoint(config().mode) && m_records->reserves();
    reservation.exact = options.reserveFrom < 0;
    reservation.from = reservation.exact ? m_settings.value(Reg::UnitAddress, 0) : options.reserveFrom;
    reservation.replace = options.replace;
    m_beginning = true;
    emit writeProgress(UnitStep::Reserving, 0, 0);
    const int serial = m_writeSerial;
    m_records->beginUnit(this, m_attempt, rowOf(pendingOutcome(m_settings, config().mode)), reservation,
                         [this, serial, reserved = reservation.reserve](const BeginAnswer &answer) {
                             if (serial != m_writeSerial || !m_writeOpen || !m_beginning)
                                 return;
                             m_beginning = false;
                             // The address the record handed out is the one written.
                             if (answer.error.isEmpty() && reserved)
                                 m_settings.set(Reg::UnitAddress, answer.unitAddress);
                             if (m_state != State::Writing || !m_session.isOpen()) {
                                 UnitOutcome stopped = failedOutcome(UnitOutcome::NoCause, QString(), m_settings, config().mode);
                                 stopped.result = UnitOutcome::Interrupted;
                                 return endWithRow(stopped);
                             }
                             if (!answer.error.isEmpty()) {
                                 // The record's own words: in use, being written by a
                                 // station, or why it could not be asked.
                                 UnitOutcome refusal = failedOutcome(UnitOutcome::NoCause, QString(), m_settings, config().mode);
                                 refusal.recordError = answer.error;
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
    // A line that cannot be sent ends the write before its id is known.
    const int id = m_session.write(m_settings, m_verify);
    if (m_state == State::Writing && m_session.isRunning(id))
        m_writeId = id;
}

void LinkController::storing(int)
{
    if (m_state != State::Writing)
        return;
    m_storing = true;
    emit writeProgress(UnitStep::Storing, 0, 0);
}

void LinkController::finishWrite(const SequenceResult &result)
{
    m_writeId = 0;
    endWithRow(writeOutcome(result, m_settings, config().mode));
}

void LinkController::endWithRow(const UnitOutcome &outcome)
{
    m_beginning = false;
    // The line is free at once, whatever the record does with the row.
    emit writeDone(outcome);
    if (!recording())
        return endWrite(outcome);
    const int serial = m_writeSerial;
    const UnitRecord record = rowOf(outcome);
    m_records->finishUnit(this, m_attempt, record, [this, serial, outcome](const RowAnswer &answer) {
        if (serial != m_writeSerial)
            return;
        UnitOutcome ended = outcome;
        if (ended.recordError.isEmpty())
            ended.recordError = answer.error;
        ended.recordWaiting = answer.waiting;
        endWrite(ended);
    });
}

void LinkController::endWrite(const UnitOutcome &outcome)
{
    m_outcome = outcome;
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
    if (!recording()) {
        emit outcomeRecorded(m_outcome);
        return;
    }
    m_attempt = newAttemptId();
    const int serial = ++m_writeSerial;
    m_records->finishUnit(this, m_attempt, rowOf(outcome), [this, serial](const RowAnswer &answer) {
        if (serial != m_writeSerial)
            return;
        if (m_outcome.recordError.isEmpty())
            m_outcome.recordError = answer.error;
        m_outcome.recordWaiting = answer.waiting;
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
        // Still waiting for the record: nothing was sent, nothing will be,
        // and the unit does not wait for the record's answer to end.
        if (m_writeOpen && m_beginning) {
            endBeginning(false);
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

// A write that waits for the record ends at once when the link does:
// nothing was sent.
void LinkController::endBeginning(bool lost)
{
    UnitOutcome stopped = lost ? failedOutcome(UnitOutcome::PortLost,
                                               LinkControllerText::tr("the device went away"), m_settings, config().mode)
                               : failedOutcome(UnitOutcome::NoCause, QString(), m_settings, config().mode);
    if (!lost)
        stopped.result = UnitOutcome::Interrupted;
    endWithRow(stopped);
}

void LinkController::close()
{
    if (m_state == State::Closed || m_state == State::Closing)
        return;
    if (m_writeOpen && m_beginning)
        endBeginning(false);
    setState(State::Closing);
    // Whatever runs ends first and says so; then the frame.
    m_closeId = m_session.close();
}

void LinkController::closeNow()
{
    if (m_writeOpen && m_beginning)
        endBeginning(false);
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
