#pragma once
// The one place that reads what a record's location names: a CSV file
// ("units.csv"), a database file (SQLite, e.g. "units.kvxdb", the default
// for any other name) or a PostgreSQL database
// ("postgresql://user@host/dbname"). Everything that opens, shows or asks
// about a record goes through here.

#include <QString>

#include <memory>

class RecordStore;

enum class RecordKind { None, Csv, Sqlite, Postgres };

RecordKind recordKind(const QString &location);
// A database: rows with station and operator, unit addresses reserved.
inline bool isDatabaseRecord(const QString &location)
{
    const RecordKind kind = recordKind(location);
    return kind == RecordKind::Sqlite || kind == RecordKind::Postgres;
}

std::unique_ptr<RecordStore> openRecord(const QString &location);
// The record as it is shown to the operator: a file's name, or the
// database without any password.
QString recordShownName(const QString &location);

// The station's name for the record when none is given: the host name.
QString defaultStation();
// The operator when none is given: the login name.
QString defaultOperator();
