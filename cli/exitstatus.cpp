#include "cli/exitstatus.h"

#include <QCoreApplication>

#include <algorithm>

#include "cli/progress.h"
#include "engine/unitjob.h"

int statusOf(const UnitJob &job)
{
    const UnitOutcome &o = job.outcome();
    // A unit stopped by a signal ends with the program's status for it.
    if (job.wasInterrupted() && StopSignals::received() && !o.isGood())
        return stoppedStatus(StopSignals::received());
    int status = Success;
    switch (o.cause) {
    case UnitOutcome::CannotOpen: status = CannotOpen; break;
    case UnitOutcome::NoReport:
    case UnitOutcome::CheckUnanswered:
    case UnitOutcome::LinesUnanswered: status = NoReport; break;
    case UnitOutcome::PortLost: status = PortLost; break;
    case UnitOutcome::Unwritable: status = Usage; break;
    case UnitOutcome::CheckSkipped: break;   // only a stop skips it: the signal's status above
    case UnitOutcome::NoCause:
        if (o.result == UnitOutcome::Mismatch)
            status = Mismatch;
        else if (o.result == UnitOutcome::Refused)
            status = Refused;
        else if (o.result == UnitOutcome::Differs)
            status = Differs;
        break;
    }
    if (!o.recordError.isEmpty())
        status = std::max(status, int(RecordFailed));
    return status;
}

const QList<ExitStatusText> &exitStatusTexts()
{
    static const QList<ExitStatusText> list = {
        { "0", QT_TRANSLATE_NOOP("CliHelp", "success (verified, when verifying)") },
        { "1", QT_TRANSLATE_NOOP("CliHelp", "usage or an invalid value (a unit code too), or the record cannot be written: nothing sent") },
        { "2", QT_TRANSLATE_NOOP("CliHelp", "the port cannot be opened") },
        { "3", QT_TRANSLATE_NOOP("CliHelp", "no settings report within the timeout (before the write, or for the check)") },
        { "4", QT_TRANSLATE_NOOP("CliHelp", "the check found differences (mismatch)") },
        { "5", QT_TRANSLATE_NOOP("CliHelp", "the port was lost") },
        { "6", QT_TRANSLATE_NOOP("CliHelp", "the modem refused a line (ERROR)") },
        { "7", QT_TRANSLATE_NOOP("CliHelp", "a unit's record row could not be written (or its unit address is in use)") },
        { "8", QT_TRANSLATE_NOOP("CliHelp", "check: a unit differs from the profile (every unit was read)") },
        { "9", QT_TRANSLATE_NOOP("CliHelp", "every unit ended as asked and is recorded here, but rows still wait for the shared record "
               "(the next run or kvx-cli record sync forwards them)") },
        { "130", QT_TRANSLATE_NOOP("CliHelp", "stopped by SIGINT (Ctrl-C), 143 by SIGTERM") },
    };
    return list;
}

const char *exitStatusNote()
{
    return QT_TRANSLATE_NOOP("CliHelp", "provision exits with the highest status of its units; check with the highest status of a unit it\n"
           "could not read, else 8 when one differs. With --json a failure prints {\"error\": ..., \"exitStatus\": N}\n"
           "on stdout where the command prints no JSON of its own.");
}

QString exitStatusHelp()
{
    QString text = QLatin1Char('\n') + QCoreApplication::translate("CliHelp", "Exit status:") + QLatin1Char('\n');
    for (const ExitStatusText &status : exitStatusTexts())
        text += QStringLiteral("  %1%2\n").arg(QString::fromLatin1(status.status).leftJustified(5),
                                               QCoreApplication::translate("CliHelp", status.text));
    return text + QCoreApplication::translate("CliHelp", exitStatusNote()) + QLatin1Char('\n');
}
