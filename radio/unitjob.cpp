#include "radio/unitjob.h"

#include <QCoreApplication>
#include <QTimer>

#include "radio/atcommands.h"

namespace {

struct UnitJobText {
    Q_DECLARE_TR_FUNCTIONS(UnitJob)
};

} // namespace

UnitJob::UnitJob(const LinkConfig &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
{
    connect(&m_session, &RadioSession::finished, this, &UnitJob::sequenceEnded);
    connect(&m_session, &RadioSession::reportRead, this, [this](int id, const RadioSettings &settings) {
        if (id == m_readId && !m_interrupted)
            reportIn(settings);
    });
    connect(&m_session, &RadioSession::noReport, this, [this](int id) {
        if (id == m_readId && !m_interrupted)
            fail(UnitOutcome::NoReport,
                 UnitJobText::tr("no settings report from the modem within %1 ms (KV5 answers at 9600 baud, "
                                 "KV6 - KV7 at 115200: is the product right?)")
                     .arg(m_timeoutMs));
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
    // The write's first line goes out before write() has returned its id;
    // this session runs nothing else while writing.
    connect(&m_session, &RadioSession::lineSent, this, [this](int, const QByteArray &) {
        if (m_step == Writing)
            setStep(Writing, ++m_linesSent, m_linesPlanned);
    });
    connect(&m_session, &RadioSession::storing, this, [this](int id) {
        if (id == m_writeId)
            storing();
    });
    connect(&m_session, &RadioSession::verifying, this, [this](int id) {
        if (id == m_writeId)
            setStep(Verifying);
    });
    connect(&m_session, &RadioSession::linkLost, this, [this](const QString &, const QString &) {
        // A sequence that was running has ended LinkLost and said so; here
        // only a loss between sequences is left.
        if (!m_decided)
            fail(UnitOutcome::PortLost, UnitJobText::tr("the device went away"));
        else if (!m_done)
            closeAndFinish();
    });
}

void UnitJob::setRecord(RecordStore *record)
{
    m_records.clear();
    addRecord(record);
}

void UnitJob::addRecord(RecordStore *record)
{
    if (record && !record->name().isEmpty())
        m_records.append({ record, QByteArray() });
}

void UnitJob::setUnitReservation(qint64 start, bool exact, bool replace)
{
    m_reserveStart = start;
    m_reserveExact = exact;
    m_reserveReplace = replace;
}

void UnitJob::writeRows(const UnitOutcome &outcome, bool pending)
{
    const UnitRecord record = recordFor(outcome, m_config, m_identity);
    for (RecordSlot &slot : m_records) {
        // A unit that never got as far as its port leaves no row, unless a
        // reservation must be given back.
        if (!pending && slot.handle.isEmpty() && outcome.cause == UnitOutcome::CannotOpen)
            continue;
        QString error;
        const QByteArray handle = slot.store->writeRow(slot.handle, record, &error);
        if (handle.isEmpty()) {
            if (m_outcome.recordError.isEmpty())
                m_outcome.recordError = QStringLiteral("%1: %2").arg(slot.store->name(), error);
            continue;
        }
        slot.handle = handle;
    }
}

bool UnitJob::reserveUnitAddress()
{
    if (!isMultipoint(m_form.mode))
        return true;
    for (RecordSlot &slot : m_records) {
        if (!slot.store->canReserve())
            continue;
        UnitRecord record = recordFor(pendingOutcome(m_form), m_config, m_identity);
        const qint64 start = m_reserveStart >= 0 && !m_reserveExact ? m_reserveStart : qint64(addressFromText(m_form.unitText));
        QString error;
        bool inUse = false;
        slot.handle = slot.store->reserveUnit(&record, start, m_reserveExact, m_reserveReplace, &error, &inUse);
        if (slot.handle.isEmpty()) {
            UnitOutcome outcome = failedOutcome(UnitOutcome::NoCause, QString(), m_form);
            outcome.recordError = QStringLiteral("%1: %2").arg(slot.store->name(), error);
            m_failure = QStringLiteral("%1: %2").arg(m_config.port, error);
            decide(outcome);
            return false;
        }
        // The address the record handed out is the one written.
        m_form.unitText = record.settings.unitAddress;
    }
    return true;
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
    setStep(Connecting);
    // The settings to write, as far as known before the unit is read: what
    // a lost or failed unit's row says was attempted.
    m_form = applyChange(writeFormFor(RadioSettings(), m_config), m_change);
    m_openId = m_session.open(m_config);
    if (!m_openId) {
        // Reported from the event loop, like every other end.
        QTimer::singleShot(0, this, [this] {
            fail(UnitOutcome::CannotOpen, UnitJobText::tr("cannot open the port: %1").arg(m_session.errorString()));
        });
    }
}

void UnitJob::interrupt()
{
    if (m_interrupted || m_decided || m_done)
        return;
    m_interrupted = true;
    if (m_writeId && m_session.isRunning(m_writeId)) {
        // Its end, Interrupted or (once stored) Completed, decides the unit.
        m_session.interrupt(m_writeId);
        return;
    }
    if (m_openId && m_session.isRunning(m_openId))
        m_session.interrupt(m_openId);
    if (m_readId && m_session.isRunning(m_readId))
        m_session.interrupt(m_readId);
    if (!m_openId)
        return;   // the port did not open; its failure is on its way
    UnitOutcome outcome = failedOutcome(UnitOutcome::NoCause, QString(), m_form);
    outcome.result = UnitOutcome::Interrupted;
    m_failure = QStringLiteral("%1: %2").arg(m_config.port, m_task == WriteTask ? outcome.words()
                                                                               : UnitJobText::tr("interrupted"));
    decide(outcome);
}

void UnitJob::storing()
{
    writeRows(pendingOutcome(m_form), true);
    if (!m_outcome.recordError.isEmpty()) {
        // Nothing may be stored that the record cannot account for.
        m_interrupted = true;
        m_session.interrupt(m_writeId);
        return;
    }
    setStep(Storing);
}

void UnitJob::sequenceEnded(int id, const SequenceResult &result)
{
    if (m_done)
        return;
    if (id == m_closeId) {
        m_done = true;
        setStep(Finished);
        emit done();
        return;
    }
    if (id == m_writeId) {
        m_session.takeResult(id);   // the same as `result`, taken to free it
        UnitOutcome outcome = writeOutcome(result, m_form);
        outcome.recordError = m_outcome.recordError;
        if (!outcome.isGood())
            m_failure = QStringLiteral("%1: %2").arg(m_config.port, outcome.words());
        decide(outcome);
        return;
    }
    if (m_decided)
        return;
    if (result.outcome == SequenceResult::LinkLost) {
        fail(UnitOutcome::PortLost, UnitJobText::tr("the device went away"));
        return;
    }
    if (result.outcome == SequenceResult::Interrupted)
        return;   // interrupt() has decided already
    if (id == m_openId) {
        opened();
    } else if (id == m_readId) {
        m_readPaused = true;
        if (m_reportIn)
            reportIn(m_settings);
    }
}

void UnitJob::opened()
{
    if (m_task != BaudTask) {
        setStep(Reading);
        m_readId = m_session.read(m_timeoutMs);
        return;
    }
    if (!m_rateSeen) {
        fail(UnitOutcome::NoReport, UnitJobText::tr("the unit did not report its pass-through rate"));
        return;
    }
    if (m_newRate) {
        m_session.setPassThroughBaud(m_newRate);
        m_rate = quint32(m_newRate);
    }
    decide(UnitOutcome());
}

void UnitJob::reportIn(const RadioSettings &settings)
{
    m_settings = settings;
    m_reportIn = true;
    // The write follows the read as it would in the window: after its pause.
    if (!m_readPaused || m_writeId || m_decided)
        return;
    if (m_task == ReadTask) {
        decide(UnitOutcome());
        return;
    }
    m_form = applyChange(writeFormFor(settings, m_config), m_change);
    if (!reserveUnitAddress())
        return;
    const WriteForm form = m_form;
    // The lines before "AT&W", which is the store step of its own.
    m_linesPlanned = -1;
    for (const WriteLine &line : planWrite(form)) {
        if (!line.bytes.isEmpty())
            ++m_linesPlanned;
    }
    m_linesSent = 0;
    setStep(Writing, 0, m_linesPlanned);
    m_writeId = m_session.write([form] { return form; }, m_verify, m_timeoutMs);
}

void UnitJob::fail(UnitOutcome::Cause cause, const QString &message)
{
    if (m_decided || m_done)
        return;
    m_failure = QStringLiteral("%1: %2").arg(m_config.port, message);
    decide(failedOutcome(cause, message, m_form));
}

void UnitJob::decide(const UnitOutcome &outcome)
{
    if (m_decided)
        return;
    m_decided = true;
    const QString recordError = m_outcome.recordError;
    m_outcome = outcome;
    if (m_outcome.recordError.isEmpty())
        m_outcome.recordError = recordError;
    if (m_task == WriteTask)
        writeRows(m_outcome, false);
    emit outcomeReady();
    closeAndFinish();
}

void UnitJob::closeAndFinish()
{
    if (m_closeId || m_done)
        return;
    if (m_session.isOpen()) {
        setStep(Closing);
        // Once decided, nothing that happens while closing changes it.
        m_closeId = m_session.close();
        return;
    }
    m_session.closeNow();
    // Reported from the event loop, after whoever decided has returned.
    QTimer::singleShot(0, this, [this] {
        if (m_done)
            return;
        m_done = true;
        setStep(Finished);
        emit done();
    });
}
