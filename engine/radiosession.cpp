#include "engine/radiosession.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPort>
#include <QTimer>

#include <algorithm>

#include "engine/logging.h"
#include "engine/serialports.h"
#include "protocol/atcommands.h"
#include "protocol/logging.h"

namespace {

enum Kind { OpenKind, ReadKind, WriteKind, CloseKind };

// Stages of the sequences that pause between steps.
enum Stage {
    StageStart,
    StageRequest,       // read: "AT&V" after the prepare pause
    StageRequested,     // read: the pause after "AT&V" is over
    StageStored,        // write: the storage pause is over
    StageCheckRequest,  // write: "AT&V" of the check
    StageAwaitCheck,    // write: waiting for the check's report
    StageAwaitAnswers,  // write: "AT&W" waits for the answers to every earlier line
    StageClosing,       // close: the pause after the close frame is over
};

constexpr int KeptResults = 64;

// One line of the wire's trace: the port, which way, the bytes as text, and
// a frame (or any byte that is not text) in hex as well.
void traceWire(const QString &port, const char *direction, const QByteArray &bytes)
{
    if (!lcWire().isDebugEnabled())
        return;
    QString text = QStringLiteral("%1 %2 %3").arg(port, QLatin1String(direction), readableBytes(bytes));
    if (holdsBinary(bytes))
        text += QStringLiteral("  (hex: %1)").arg(hexBytes(bytes));
    qCDebug(lcWire).noquote() << text;
}

struct RadioSessionText {
    Q_DECLARE_TR_FUNCTIONS(RadioSession)
};

} // namespace

QString openErrorText(int error, const QString &systemText, const QString &port)
{
    // A path that names something else than a device: said plainly, before
    // whatever the system made of opening it.
    const QFileInfo info(port);
    if (info.isDir())
        return RadioSessionText::tr("not a serial port: %1 is a folder").arg(port);
    if (info.isFile())
        return RadioSessionText::tr("not a serial port: %1 is a regular file").arg(port);
    switch (error) {
    case QSerialPort::PermissionError:
        // The port's lock file, or an exclusive open by another program.
        if (systemText.contains(QLatin1String("lock"), Qt::CaseInsensitive) && lockNameTooLong(portNameToOpen(port)))
            return RadioSessionText::tr("the port cannot be locked: its path is too long to name its lock file; "
                                        "give it a shorter path, such as a link to it");
        if (systemText.contains(QLatin1String("lock"), Qt::CaseInsensitive)
            || systemText.contains(QLatin1String("busy"), Qt::CaseInsensitive))
            return RadioSessionText::tr("in use by another program");
        return RadioSessionText::tr("permission denied (%1); on Linux the user must be in the dialout group").arg(systemText);
    case QSerialPort::DeviceNotFoundError:
        return RadioSessionText::tr("no such device (%1)").arg(systemText);
    default:
        break;
    }
    // What termios says of a path that is no terminal: a pipe, a socket, or
    // a device that went away meanwhile.
    if (systemText.contains(QLatin1String("Inappropriate ioctl"), Qt::CaseInsensitive)) {
        return info.exists() ? RadioSessionText::tr("not a serial port: %1 is no terminal device").arg(port)
                             : RadioSessionText::tr("the device went away");
    }
    return systemText;
}

// Both are children of the session, so whatever is left goes with it; a
// finished one is deleted later, as its own timer may have called us.
struct RadioSession::Run : QObject {
    using QObject::QObject;
    int id = 0;
    int kind = OpenKind;
    int stage = StageStart;
    SessionTiming timing;   // as it was when the run started
    QTimer timer;
    // With quick pauses: what ends the pause under way before its time.
    RadioSession::Awaits awaits = RadioSession::Awaits::NoReply;
    quint64 awaitSerial = 0;
    quint64 lastSerial = 0;   // the last line this run sent
    RadioSettings settings;   // a write's, and its plan
    QList<WriteLine> plan;
    int nextLine = 0;
    WriteLine storeLine;    // "AT&W", while it waits for answers
    bool storingTold = false;
    bool verify = false;
    int reportTimeoutMs = RadioSession::DefaultReportTimeoutMs;
    SequenceResult result;
};

struct RadioSession::Watch : QObject {
    using QObject::QObject;
    int id = 0;
    bool forVerify = false;
    QTimer timer;
};

RadioSession::RadioSession(QObject *parent)
    : QObject(parent)
    , m_port(new QSerialPort(this))
{
    connect(m_port, &QSerialPort::readyRead, this, &RadioSession::onReadyRead);
    // A vanished device shows up as resource or read/write errors. Queued,
    // because the port must not be closed from inside its own notification.
    connect(m_port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { onPortError(int(error)); }, Qt::QueuedConnection);
}

RadioSession::~RadioSession()
{
    // Nobody is left to hear about sequences that end with the session;
    // they and their timers are children and go with it.
    blockSignals(true);
    closePort();
}

bool RadioSession::isOpen() const
{
    return m_port->isOpen();
}

bool RadioSession::isRunning(int id) const
{
    return findRun(id) != nullptr;
}

SequenceResult RadioSession::takeResult(int id)
{
    return m_results.take(id);
}

RadioSession::Run *RadioSession::findRun(int id) const
{
    for (Run *run : m_runs) {
        if (run->id == id)
            return run;
    }
    return nullptr;
}

RadioSession::Run *RadioSession::startRun(int kind)
{
    auto *run = new Run(this);
    run->id = m_nextId++;
    run->kind = kind;
    run->timing = m_timing;
    run->timer.setSingleShot(true);
    run->timer.setTimerType(Qt::PreciseTimer);
    connect(&run->timer, &QTimer::timeout, this, [this, run] {
        run->awaits = Awaits::NoReply;
        advance(run);
    });
    m_runs.append(run);
    return run;
}

int RadioSession::open(const LinkConfig &config)
{
    if (m_port->isOpen())
        closeNow();
    m_config = config;
    m_port->setBaudRate(lineBaudFor(config.product));
    // Opened by the device's own path where the name's lock file could not be made.
    m_port->setPortName(portNameToOpen(config.port));
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite)) {
        m_error = openErrorText(m_port->error(), m_port->errorString(), config.port);
        qCDebug(lcEngine) << "open failed:" << config.port << m_error;
        return 0;
    }
    m_error.clear();
    forgetReceived();
    emit opened();
    Run *run = startRun(OpenKind);
    const int id = run->id;
    advance(run);
    return id;
}

int RadioSession::read()
{
    return read(m_timing.reportTimeoutMs);
}

int RadioSession::read(int reportTimeoutMs)
{
    Run *run = startRun(ReadKind);
    run->reportTimeoutMs = reportTimeoutMs;
    const int id = run->id;
    advance(run);
    return id;
}

int RadioSession::write(const RadioSettings &settings, bool verify)
{
    return write(settings, verify, m_timing.reportTimeoutMs);
}

int RadioSession::write(const RadioSettings &settings, bool verify, int reportTimeoutMs)
{
    Run *run = startRun(WriteKind);
    run->settings = settings;
    run->plan = planWrite(settings, m_config.module, m_config.mode);
    run->verify = verify;
    run->reportTimeoutMs = reportTimeoutMs;
    const int id = run->id;
    advance(run);
    return id;
}

bool RadioSession::interrupt(int id)
{
    Run *run = findRun(id);
    if (!run || run->kind == CloseKind)
        return false;
    if (run->kind != WriteKind || !run->result.stored) {
        finish(run, SequenceResult::Interrupted);
        return true;
    }
    // Stored: the storage pause runs out (the unit is busy saving), the
    // check is skipped; a check already under way is dropped. A check asked
    // for and not made leaves the unit unverified, never verified.
    if (run->verify && run->result.verification == SequenceResult::NotVerified)
        run->result.verification = SequenceResult::Skipped;
    run->verify = false;
    if (run->stage != StageStored)
        finish(run, SequenceResult::Completed);
    return true;
}

int RadioSession::close()
{
    Run *run = startRun(CloseKind);
    const int id = run->id;
    advance(run);
    return id;
}

void RadioSession::closeNow()
{
    endAll(SequenceResult::Aborted);
    closePort();
}

bool RadioSession::setPassThroughBaud(qint32 rate)
{
    return sendBytes(frameSetBaud(rate));
}

bool RadioSession::send(const QByteArray &bytes)
{
    if (!sendBytes(bytes))
        return false;
    // Answers to the operator's lines come in the same queue as everyone's.
    const int lines = AnswerScanner::linesAnswered(bytes, &m_unfinishedLine);
    for (int i = 0; i < lines; ++i)
        m_unanswered.append({ 0, QByteArray(), false, m_nextSerial++ });
    return true;
}

void RadioSession::setHoldReports(bool hold)
{
    m_hold = hold;
}

QString pausesKey(const SessionTiming &timing)
{
    return timing.pauseEndsOnReply ? QStringLiteral("quick") : QStringLiteral("specified");
}

void RadioSession::pause(Run *run, int ms, Awaits awaits)
{
    run->awaits = Awaits::NoReply;
    if (run->timing.pauseEndsOnReply) {
        const bool unanswered = std::any_of(m_unanswered.cbegin(), m_unanswered.cend(),
                                            [run](const Asked &asked) { return asked.serial == run->lastSerial; });
        if (awaits == Awaits::Answer && !unanswered)
            awaits = Awaits::Nothing;
        // From the event loop all the same, never from inside this step.
        if (awaits == Awaits::Nothing)
            ms = 0;
        run->awaits = awaits;
        run->awaitSerial = run->lastSerial;
    }
    run->timer.start(ms);
}

bool RadioSession::sendFor(Run *run, const QByteArray &bytes, bool store)
{
    if (!sendBytes(bytes))
        return false;
    if (!bytes.isEmpty()) {
        // A frame gets a frame or nothing back; a line gets "OK" or "ERROR".
        if (!bytes.startsWith(FrameStart)) {
            run->lastSerial = m_nextSerial++;
            m_unanswered.append({ run->id, bytes, store, run->lastSerial });
        }
        emit lineSent(run->id, bytes);
    }
    return true;
}

bool RadioSession::sendBytes(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return true;
    if (!m_port->isOpen() || m_port->write(bytes) != bytes.size()) {
        traceWire(m_config.port, "not sent", bytes);
        return false;
    }
    traceWire(m_config.port, "sent    ", bytes);
    // Out now rather than at the next turn of the event loop, so the pauses
    // that follow are pauses on the line.
    m_port->flush();
    return true;
}

void RadioSession::advance(Run *run)
{
    const bool kv6 = m_config.product == Product::Kv6;
    switch (run->kind) {
    case OpenKind:
        if (run->stage == StageStart) {
            const bool sent = kv6 && sendFor(run, frameLinkOpen());
            run->stage = StageRequested;
            pause(run, run->timing.openMs, sent ? Awaits::RateReply : kv6 ? Awaits::NoReply : Awaits::Nothing);
        } else {
            finish(run, SequenceResult::Completed);
        }
        return;

    case ReadKind:
        switch (run->stage) {
        case StageStart:
            if (prepareRead(run, StageRequest))
                return;
            Q_FALLTHROUGH();
        case StageRequest:
            if (!requestReport(run, false))
                return;
            run->stage = StageRequested;
            return pause(run, run->timing.requestMs, Awaits::Answer);
        default:
            return finish(run, SequenceResult::Completed);
        }

    case WriteKind:
        return advanceWrite(run);

    case CloseKind:
        if (run->stage == StageStart) {
            // Nothing may follow the close frame on the line.
            endAll(SequenceResult::Aborted, run);
            sendFor(run, frameLinkClose());
            run->stage = StageClosing;
            pause(run, run->timing.closeMs, Awaits::CloseReply);
        } else {
            closePort();
            finish(run, SequenceResult::Completed);
        }
        return;
    default:
        return;
    }
}

bool RadioSession::prepareRead(Run *run, int requestStage)
{
    run->stage = requestStage;
    if (m_config.product != Product::Kv6)
        return false;
    // The unit does not answer it: its pause always runs out.
    if (sendFor(run, frameReadPrepare()))
        pause(run, run->timing.prepareMs, Awaits::NoReply);
    else
        finish(run, SequenceResult::SendFailed);
    return true;
}

bool RadioSession::requestReport(Run *run, bool forVerify)
{
    if (!sendFor(run, cmdReadSettings())) {
        finish(run, SequenceResult::SendFailed);
        return false;
    }
    watchReport(run->id, forVerify, run->reportTimeoutMs);
    return true;
}

void RadioSession::advanceWrite(Run *run)
{
    switch (run->stage) {
    case StageStart: {
        // A step that sends nothing (a preset the module lacks) still pauses.
        while (run->nextLine < run->plan.size()) {
            const WriteLine line = run->plan.at(run->nextLine++);
            if (line.kind == WriteLine::Store) {
                run->storeLine = line;
                return storeWhenAnswered(run);
            }
            if (!sendFor(run, line.bytes))
                return finish(run, SequenceResult::SendFailed);
            if (!line.bytes.isEmpty()) {
                run->result.linesSent.append(line.bytes);
                if (line.kind == WriteLine::Preset)
                    run->result.presetWorkMode = run->settings.value(Reg::WorkMode);
            }
            // The plan says which lines pause, the timing how long.
            if (line.pauses)
                return pause(run, run->timing.lineMs, line.bytes.isEmpty() ? Awaits::Nothing : Awaits::Answer);
        }
        return finish(run, SequenceResult::Completed);
    }
    case StageAwaitAnswers:
        // No answer for the whole report timeout: the unit has stopped
        // answering, and nothing is stored that it may not have taken.
        return finish(run, SequenceResult::Unanswered);
    case StageStored:
        if (!run->verify)
            return finish(run, SequenceResult::Completed);
        emit verifying(run->id);
        if (prepareRead(run, StageCheckRequest))
            return;
        Q_FALLTHROUGH();
    case StageCheckRequest:
        if (requestReport(run, true))
            run->stage = StageAwaitCheck;
        return;
    default:
        return;
    }
}

void RadioSession::storeWhenAnswered(Run *run)
{
    if (m_unanswered.isEmpty()) {
        run->timer.stop();
        sendStore(run);
        return;
    }
    // Every answer restarts the wait: a slow unit that keeps answering is
    // waited for, a silent one is not.
    run->stage = StageAwaitAnswers;
    run->awaits = Awaits::NoReply;
    run->timer.start(run->reportTimeoutMs);
}

void RadioSession::sendStore(Run *run)
{
    const int id = run->id;
    if (!run->storingTold) {
        run->storingTold = true;
        emit storing(id);
        if (!findRun(id))
            return;
    }
    const QByteArray line = run->storeLine.bytes;
    if (!sendFor(run, line, true))
        return finish(run, SequenceResult::SendFailed);
    run->result.linesSent.append(line);
    run->result.stored = true;
    run->stage = StageStored;
    emit stored(id);
    if (findRun(id))
        pause(run, run->timing.storeMs, Awaits::Answer);
}

void RadioSession::answered(AnswerScanner::Answer answer)
{
    // An answer nobody asked for (a unit talking by itself) is not counted.
    if (m_unanswered.isEmpty())
        return;
    const Asked asked = m_unanswered.takeFirst();
    Run *run = findRun(asked.run);
    if (answer == AnswerScanner::Error && run && run->kind == WriteKind) {
        const int id = run->id;
        run->result.refusedLines.append(asked.line);
        run->result.storeRefused = run->result.storeRefused || asked.store;
        emit lineRefused(id, asked.line);
        // Refused before "AT&W": no further line, so nothing is stored that
        // the unit did not take whole. Refused "AT&W": nothing more is
        // asked of the unit, not even the check.
        run = findRun(id);
        if (run && (!run->result.stored || asked.store))
            finish(run, SequenceResult::Completed);
    }
    const QList<Run *> runs = m_runs;
    for (Run *waiting : runs) {
        if (!m_runs.contains(waiting))
            continue;
        if (waiting->kind == WriteKind && waiting->stage == StageAwaitAnswers)
            storeWhenAnswered(waiting);
        else if (waiting->awaits == Awaits::Answer && waiting->awaitSerial == asked.serial)
            endPause(waiting);
    }
}

void RadioSession::forgetReceived()
{
    m_reader.clear();
    m_answers.reset();
    m_unanswered.clear();
    m_unfinishedLine.clear();
}

void RadioSession::finish(Run *run, SequenceResult::Outcome outcome)
{
    if (!m_runs.removeOne(run))
        return;
    run->timer.stop();
    for (Watch *watch : m_watches) {
        if (watch->forVerify && watch->id == run->id) {
            m_watches.removeOne(watch);
            watch->deleteLater();
            break;
        }
    }
    run->result.outcome = outcome;
    const int id = run->id;
    const SequenceResult result = run->result;
    m_results.insert(id, result);
    while (m_results.size() > KeptResults)
        m_results.erase(m_results.begin());
    run->deleteLater();
    emit finished(id, result);
}

void RadioSession::endAll(SequenceResult::Outcome outcome, const Run *except)
{
    cancelWatches();
    const QList<Run *> runs = m_runs;
    for (Run *run : runs) {
        if (run != except)
            finish(run, outcome);
    }
}

void RadioSession::watchReport(int id, bool forVerify, int timeoutMs)
{
    auto *watch = new Watch(this);
    watch->id = id;
    watch->forVerify = forVerify;
    watch->timer.setSingleShot(true);
    connect(&watch->timer, &QTimer::timeout, this, [this, watch] { reportTimedOut(watch); });
    watch->timer.start(timeoutMs);
    m_watches.append(watch);
}

void RadioSession::cancelWatches()
{
    const QList<Watch *> watches = m_watches;
    m_watches.clear();
    for (Watch *watch : watches) {
        watch->timer.stop();
        watch->deleteLater();
    }
}

void RadioSession::reportTimedOut(Watch *watch)
{
    if (!m_watches.removeOne(watch))
        return;
    const int id = watch->id;
    const bool forVerify = watch->forVerify;
    watch->deleteLater();
    if (!forVerify) {
        emit noReport(id);
        return;
    }
    if (Run *run = findRun(id)) {
        run->result.verification = SequenceResult::NoAnswer;
        finish(run, SequenceResult::Completed);
    }
}

void RadioSession::verifyWith(Run *run, const RadioSettings &settings)
{
    run->result.readBack = settings;
    // The work mode is set by the preset, so S101 must read the one chosen.
    QList<QPair<int, qint64>> expected = registersSetBy(run->result.linesSent);
    if (run->result.presetWorkMode >= 0)
        expected.prepend({ Reg::WorkMode, run->result.presetWorkMode });
    run->result.differences = compareRegisters(expected, settings);
    run->result.verification =
        run->result.differences.isEmpty() ? SequenceResult::Verified : SequenceResult::Mismatch;
    finish(run, SequenceResult::Completed);
}

void RadioSession::closePort()
{
    if (m_port->isOpen()) {
        m_port->clear(QSerialPort::AllDirections);
        m_port->close();
    }
    forgetReceived();
}

void RadioSession::onReadyRead()
{
    const QByteArray chunk = m_port->readAll();
    if (!chunk.isEmpty()) {
        traceWire(m_config.port, "received", chunk);
        emit chunkReceived(chunk);
    }
    const QList<AnswerScanner::Answer> answers = m_answers.feed(chunk);
    scanReceived(chunk);
    // After the report: the answer to "AT&V" is the report's own "OK".
    for (AnswerScanner::Answer answer : answers)
        answered(answer);
}

void RadioSession::scanReceived(const QByteArray &chunk)
{
    const ReceiveResult result = m_reader.feed(chunk, m_hold);
    for (const FrameReply &frame : result.frames) {
        emit frameReceived(frame);
        endPauseOnReply(frame);
    }
    if (!result.scanned)
        return;

    bool forRead = false;
    bool forVerify = false;
    for (const Watch *watch : m_watches)
        (watch->forVerify ? forVerify : forRead) = true;
    emit reportScanned(result, forVerify && !forRead);

    // Only a pass that found registers is a settings report; the "OK" of a
    // single command is not.
    if (result.entries.isEmpty() || m_watches.isEmpty())
        return;
    const RadioSettings settings = settingsFromEntries(result.entries);
    const QList<Watch *> watches = m_watches;
    m_watches.clear();
    for (Watch *watch : watches) {
        watch->timer.stop();
        const int id = watch->id;
        const bool verify = watch->forVerify;
        watch->deleteLater();
        if (!verify) {
            emit reportRead(id, settings);
        } else if (Run *run = findRun(id)) {
            verifyWith(run, settings);
        }
    }
}

void RadioSession::endPauseOnReply(const FrameReply &frame)
{
    for (Run *run : std::as_const(m_runs)) {
        if ((run->awaits == Awaits::RateReply && frame.status == FrameReply::BaudRate)
            || (run->awaits == Awaits::CloseReply && frame.status == FrameReply::LinkClosed))
            endPause(run);
    }
}

void RadioSession::endPause(Run *run)
{
    run->awaits = Awaits::NoReply;
    // From the event loop, not from inside this scan.
    if (run->timer.isActive())
        run->timer.start(0);
}

void RadioSession::onPortError(int error)
{
    // Resource and read/write errors on an open port mean the device is gone
    // (adapter unplugged, peer process ended); nobody is left to hear the
    // link-close frame.
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError && error != QSerialPort::WriteError)
        return;
    if (!m_port->isOpen())
        return;
    const QString port = m_config.port;
    const QString reason = m_port->errorString();
    qCDebug(lcEngine) << "device lost:" << port << reason;
    closePort();
    endAll(SequenceResult::LinkLost);
    emit linkLost(port, reason);
}
