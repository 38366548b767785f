#pragma once
// The day at a glance: how many units a record's attempts made good, when,
// where and by whom, and why the others failed. One account shared by
// kvx-cli's report and the window's record view; it counts attempts (the
// last row of each, as the record gives them), never journal lines.

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

#include "records/recordstore.h"

struct FigureCount {
    int attempts = 0;
    int good = 0;   // verified, or written when no check was asked for
};

struct RecordFigures {
    QDateTime from;   // the range counted, UTC; from inclusive, to exclusive
    QDateTime to;
    FigureCount total;
    QMap<QDateTime, FigureCount> perHour;   // by the hour's start (UTC), every hour of the range
    QMap<QString, int> failures;            // by cause (failureCause())
    QMap<QString, FigureCount> byStation;   // "" for rows without a station
    QMap<QString, FigureCount> byOperator;
    int inspections = 0;                    // units only read and compared (check), not counted above
};

// Whether a row is a write attempt that ended good: verified, or written
// where no check was asked for (not one whose check the unit left
// unanswered, or a stop skipped).
bool isGoodRow(const RecordRow &row);
// Why an attempt that was not good failed, in the language installed: the
// line refused ("line refused: ATS103"), the registers read back otherwise,
// the device lost, the reason a unit failed before storing (its numbers
// left out, so like causes count together), ...
QString failureCause(const UnitRecord &record);
// The attempts of `rows` whose time lies in [from, to); a reservation that
// never got its result counts as a failure ("reserved").
RecordFigures recordFigures(const QList<RecordRow> &rows, const QDateTime &from, const QDateTime &to);
// A day (local midnight to midnight), as UTC times.
QPair<QDateTime, QDateTime> dayRange(const QDate &day);
