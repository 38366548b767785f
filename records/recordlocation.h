#pragma once
// Opens the record a user names: a CSV file ("units.csv"), a database file
// (SQLite, e.g. "units.kvxdb") or a PostgreSQL database
// ("postgresql://user@host/dbname").

#include <QString>

#include <memory>

class RecordStore;

std::unique_ptr<RecordStore> openRecord(const QString &location);

// The station's name for the record when none is given: the host name.
QString defaultStation();
// The operator when none is given: the login name.
QString defaultOperator();
