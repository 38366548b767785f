#pragma once
// What the line's view reads from a database record, read-only and by the
// record's indexes (a day's rows by time, a station's last row, a unit's
// rows by code or address): never every row. The same account of good
// units as the day's report (recordFigures()), the rows as the record
// holds them, under its own column names.

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QSqlDatabase>
#include <QString>

#include "records/recordfigures.h"

// One station as the day's rows and its own word (the stations table) show it.
struct StationFigures {
    QString station;
    QString operatorName;     // its own word, else its last row's
    FigureCount today;        // attempts and good units, as the day's report counts them
    int verified = 0;         // of those, verified
    int inProgress = 0;       // being written now (reserved or pending, not yet timed out)
    int inspections = 0;      // units only read and compared (check)
    int rowsWaiting = -1;     // rows kept on the station for the record; -1: it never said
    QDateTime seen;           // when it last said so (UTC); invalid when it never did
    QJsonObject last;         // its last unit, as unitObject() gives it; empty when none
};

struct LineSummary {
    QDateTime from;           // the day counted, UTC: from inclusive, to exclusive
    QDateTime to;
    QDateTime read;           // when this was read (UTC)
    QDateTime freshSince;     // a reservation or pending row since then is being written now
    FigureCount total;
    int verified = 0;
    int inProgress = 0;
    int inspections = 0;
    QMap<QDateTime, FigureCount> perHour;   // by the hour's start (UTC), every hour of the day up to now
    QMap<QString, int> failures;            // by result word
    QList<StationFigures> stations;         // by name
    QList<QJsonObject> lastUnits;           // the latest rows first
    bool stationsKept = false;              // the record has a table of stations
};

// Reads the day [from, to) and the latest `lastUnits` rows. A reservation
// or pending row younger than `reservationTimeoutS` at `now` is in
// progress; an older one counts as the day's report counts it.
bool readLineSummary(const QSqlDatabase &database, bool postgres, const QDateTime &from, const QDateTime &to,
                     const QDateTime &now, int reservationTimeoutS, int lastUnits, LineSummary *summary,
                     QString *error);

// Which rows the units API gives: each filter applies when set. Rows come
// in the order of their time, then of their writing; `after` continues
// from a row a page ended with (its cursor).
struct UnitQuery {
    QDateTime since;          // the row's time at or after
    QString network;          // network address, as a number
    QString unit;             // unit address, as a number
    QString serial;           // the unit's own code
    QString afterTime;        // the cursor: the last row's time and id
    qint64 afterId = -1;
    int limit = 100;
};

// Up to `limit` rows; `*more` says whether more follow, then `*cursorTime`
// and `*cursorId` name the last row given.
bool readUnits(const QSqlDatabase &database, bool postgres, const UnitQuery &query, QList<QJsonObject> *units,
               bool *more, QString *cursorTime, qint64 *cursorId, QString *error);

// The record's schema version (0 when it cannot be read).
int readSchemaVersion(const QSqlDatabase &database);
