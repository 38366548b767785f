#include "engine/unitoutcome.h"

#include <QCoreApplication>
#include <QStringList>

#include "engine/radiosession.h"
#include "protocol/profilecheck.h"
#include "protocol/version.h"
#include "protocol/writeplan.h"
#include "records/recordfile.h"

namespace {

struct UnitOutcomeText {
    Q_DECLARE_TR_FUNCTIONS(UnitOutcome)
};

} // namespace

QString stepWords(UnitStep step, int line, int lines)
{
    switch (step) {
    case UnitStep::Connecting: return UnitOutcomeText::tr("connecting");
    case UnitStep::Reading: return UnitOutcomeText::tr("reading");
    case UnitStep::Reserving: return UnitOutcomeText::tr("waiting for the record");
    case UnitStep::Writing:
        return line > 0 ? UnitOutcomeText::tr("writing %1 of %2").arg(line).arg(lines) : QString();
    case UnitStep::Storing: return UnitOutcomeText::tr("storing");
    case UnitStep::Verifying: return UnitOutcomeText::tr("verifying");
    case UnitStep::Closing:
    case UnitStep::Finished: break;
    }
    return QString();
}

QString stepStatus(UnitStep step, int line, int lines)
{
    switch (step) {
    case UnitStep::Writing:
        return line > 0 ? UnitOutcomeText::tr("Writing %1 of %2…").arg(line).arg(lines) : QString();
    case UnitStep::Storing: return UnitOutcomeText::tr("Storing…");
    case UnitStep::Verifying: return UnitOutcomeText::tr("Checking…");
    default: return QString();
    }
}

QString joinedLines(const QList<QByteArray> &lines)
{
    QStringList shown;
    for (const QByteArray &line : lines)
        shown << QString::fromLatin1(line.trimmed());
    return shown.join(QStringLiteral(", "));
}

QString resultKey(UnitOutcome::Result result)
{
    switch (result) {
    case UnitOutcome::Pending: return QStringLiteral("pending");
    case UnitOutcome::Verified: return QStringLiteral("verified");
    case UnitOutcome::Written: return QStringLiteral("written");
    case UnitOutcome::Mismatch: return QStringLiteral("mismatch");
    case UnitOutcome::Refused: return QStringLiteral("refused");
    case UnitOutcome::Interrupted: return QStringLiteral("interrupted");
    case UnitOutcome::Lost: return QStringLiteral("lost");
    case UnitOutcome::LostAfterStore: return QStringLiteral("lost-after-store");
    case UnitOutcome::Matches: return QStringLiteral("matches");
    case UnitOutcome::Differs: return QStringLiteral("differs");
    case UnitOutcome::Failed: break;
    }
    return QStringLiteral("failed");
}

QString resultCaption(const QString &key)
{
    const char *caption = resultCaptionSource(key);
    return caption ? QCoreApplication::translate("UnitOutcome", caption) : key;
}

QString UnitOutcome::resultKey() const
{
    return ::resultKey(result);
}

QString UnitOutcome::words() const
{
    return resultWords() + recordNote();
}

QString UnitOutcome::recordNote() const
{
    if (recordError.isEmpty() && recordWaiting)
        return UnitOutcomeText::tr("; waiting for the shared record");
    if (recordError.isEmpty() || blockedByRecord())
        return QString();
    return UnitOutcomeText::tr("; not recorded: %1").arg(recordError);
}

QString UnitOutcome::resultWords() const
{
    if (blockedByRecord())
        return UnitOutcomeText::tr("not started: %1").arg(recordError);
    switch (result) {
    case Pending: return UnitOutcomeText::tr("storing");
    case Verified: return UnitOutcomeText::tr("verified");
    case Written:
        if (cause == CheckUnanswered)
            return UnitOutcomeText::tr("written, but not verified: the modem stopped answering");
        if (cause == CheckSkipped)
            return UnitOutcomeText::tr("written, but not verified: stopped before the check");
        return UnitOutcomeText::tr("written");
    case Mismatch: return UnitOutcomeText::tr("mismatch: %1").arg(describeDifferences(differences));
    case Refused: {
        // Only "AT&W" itself, or the check's request, is refused after the store.
        QString text = keptSettings() ? UnitOutcomeText::tr("refused: %1 — the settings were stored")
                                      : UnitOutcomeText::tr("refused: %1 — nothing stored");
        text = text.arg(joinedLines(refusedLines));
        if (!differences.isEmpty())
            text += QStringLiteral("; ") + describeDifferences(differences);
        return text;
    }
    case Interrupted:
        if (check)
            return UnitOutcomeText::tr("interrupted before the check ended: the unit was not compared");
        if (!reason.isEmpty())
            return UnitOutcomeText::tr("interrupted before storing (%1): nothing was stored").arg(reason);
        return UnitOutcomeText::tr("interrupted before storing: nothing was stored");
    case Lost:
        if (check)
            return UnitOutcomeText::tr("lost during the check: %1").arg(reason);
        return UnitOutcomeText::tr("lost before storing: %1").arg(reason);
    case LostAfterStore: return UnitOutcomeText::tr("lost after storing (not verified): %1").arg(reason);
    case Matches: return UnitOutcomeText::tr("matches");
    case Differs: return UnitOutcomeText::tr("differs: %1").arg(describeProfileDifferences(differences, module));
    case Failed: break;
    }
    return UnitOutcomeText::tr("failed: %1").arg(reason);
}

QString UnitOutcome::detail() const
{
    QStringList parts;
    if (!refusedLines.isEmpty())
        parts << QStringLiteral("refused %1").arg(joinedLines(refusedLines));
    if (result == Differs)
        parts << describeProfileDifferences(differences, module, false);
    else if (!differences.isEmpty())
        parts << describeDifferences(differences, false);
    if (result == Failed && cause == LinesUnanswered)
        parts << QStringLiteral("lines unanswered before AT&W");
    else if (result == Written && cause == CheckUnanswered)
        parts << QStringLiteral("not verified: the modem stopped answering");
    else if (result == Written && cause == CheckSkipped)
        parts << QStringLiteral("not verified: stopped before the check");
    else if (result == Interrupted)
        parts << (check ? QStringLiteral("interrupted before the check ended") : QStringLiteral("interrupted before AT&W"));
    else if (!reason.isEmpty() && (result == Lost || result == LostAfterStore || result == Failed))
        parts << reason;
    else if (blockedByRecord())
        parts << QStringLiteral("not started: %1").arg(recordError);
    return parts.join(QStringLiteral("; "));
}

QString UnitOutcome::withSummary(const QString &summary) const
{
    QString text;
    // A write without a check says so: the unit stored it, nobody read it back.
    const QString said = result == Written && cause == NoCause ? UnitOutcomeText::tr("written, not checked") : words();
    if (keptSettings() && !summary.isEmpty())
        text = summary + QString::fromUtf16(SummarySeparator) + said;
    else
        text = said;
    if (!recordError.isEmpty() && !text.contains(recordError))
        text += QLatin1Char(' ') + UnitOutcomeText::tr("Not recorded: %1").arg(recordError);
    return text;
}

bool UnitOutcome::keptSettings() const
{
    return stored && !storeRefused;
}

UnitOutcome writeOutcome(const SequenceResult &r, const RadioSettings &attempted, LinkMode mode)
{
    UnitOutcome o;
    o.stored = r.stored;
    o.linesSent = r.linesSent;
    o.refusedLines = r.refusedLines;
    o.storeRefused = r.storeRefused;
    o.differences = r.differences;
    o.settings = settingsSent(attempted, mode);
    switch (r.outcome) {
    case SequenceResult::LinkLost:
    case SequenceResult::SendFailed:
        o.result = r.stored ? UnitOutcome::LostAfterStore : UnitOutcome::Lost;
        o.cause = UnitOutcome::PortLost;
        o.reason = QCoreApplication::translate("UnitOutcome", "the device went away");
        return o;
    case SequenceResult::Unanswered:
        o.result = UnitOutcome::Failed;
        o.cause = UnitOutcome::LinesUnanswered;
        o.reason = QCoreApplication::translate("UnitOutcome", "the modem did not answer every line, so AT&W was not sent");
        return o;
    case SequenceResult::Interrupted:
    case SequenceResult::Aborted:
        if (!r.stored) {
            o.result = UnitOutcome::Interrupted;
            return o;
        }
        break;
    case SequenceResult::Completed:
        break;
    }
    if (!r.refusedLines.isEmpty()) {
        o.result = UnitOutcome::Refused;
        return o;
    }
    switch (r.verification) {
    case SequenceResult::Verified: o.result = UnitOutcome::Verified; break;
    case SequenceResult::Mismatch: o.result = UnitOutcome::Mismatch; break;
    case SequenceResult::NoAnswer:
        o.result = UnitOutcome::Written;
        o.cause = UnitOutcome::CheckUnanswered;
        break;
    case SequenceResult::NotVerified: o.result = UnitOutcome::Written; break;
    case SequenceResult::Skipped:
        o.result = UnitOutcome::Written;
        o.cause = UnitOutcome::CheckSkipped;
        break;
    }
    return o;
}

UnitOutcome checkOutcome(const RadioSettings &report, const QList<RegisterDifference> &differences, const LinkConfig &link)
{
    UnitOutcome o;
    o.result = differences.isEmpty() ? UnitOutcome::Matches : UnitOutcome::Differs;
    o.differences = differences;
    o.module = link.module;
    // What the unit holds; a check is no attempt to give it a unit address.
    o.settings = report;
    o.settings.remove(Reg::UnitAddress);
    return o;
}

UnitOutcome failedOutcome(UnitOutcome::Cause cause, const QString &reason, const RadioSettings &attempted,
                          LinkMode mode)
{
    UnitOutcome o;
    o.result = cause == UnitOutcome::PortLost ? UnitOutcome::Lost : UnitOutcome::Failed;
    o.cause = cause;
    o.reason = reason;
    o.settings = settingsSent(attempted, mode);
    return o;
}

UnitOutcome pendingOutcome(const RadioSettings &attempted, LinkMode mode)
{
    UnitOutcome o;
    o.result = UnitOutcome::Pending;
    o.settings = settingsSent(attempted, mode);
    return o;
}

UnitRecord recordFor(const UnitOutcome &outcome, const LinkConfig &config, const RecordIdentity &identity,
                     const QString &serial, const QDateTime &time)
{
    UnitRecord record;
    record.serial = serial.trimmed();
    record.time = time;
    record.station = identity.station;
    record.operatorName = identity.operatorName;
    record.toolVersion = QStringLiteral(KVX_VERSION);
    record.config = config;
    record.settings = outcome.settings;
    record.result = outcome.resultKey();
    record.detail = outcome.detail();
    return record;
}
