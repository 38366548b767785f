#pragma once
// kvx-cli's exit statuses: what each means, and the one status of a unit.

#include <QList>
#include <QString>

class UnitJob;

// provision exits with the highest status of its units.
enum ExitStatus {
    Success = 0,
    Usage = 1,          // usage, an invalid value, or a record that cannot be written: nothing sent
    CannotOpen = 2,
    NoReport = 3,       // no settings report, before the write or for the check
    Mismatch = 4,       // the check (or record check) found differences
    PortLost = 5,
    Refused = 6,        // the modem answered a line with ERROR
    RecordFailed = 7,   // a unit's record row could not be written
    Differs = 8,        // check: a unit holds other settings than the profile names
    RecordWaiting = 9,  // every unit as asked, but rows still wait here for the shared record
};

// Stopped by `signal` (SIGINT 130, SIGTERM 143).
inline int stoppedStatus(int signal) { return 128 + signal; }

// A unit's status: how it ended, the signal that stopped it, its record row.
int statusOf(const UnitJob &job);

// Each status and what it means, as the help and the manual list them.
struct ExitStatusText {
    const char *status;
    const char *text;
};
const QList<ExitStatusText> &exitStatusTexts();
// Said after the list.
const char *exitStatusNote();

// The list the help prints.
QString exitStatusHelp();
