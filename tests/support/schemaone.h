#pragma once
// A record as the first schema made it, two rows in it, for the tests of
// bringing it up to date: `%1` is the key column's type.
inline const char RecordSchemaOne[] =
    "CREATE TABLE kvx_schema (version INTEGER NOT NULL); INSERT INTO kvx_schema VALUES (1);"
    "CREATE TABLE units (id %1, attempt TEXT NOT NULL UNIQUE, time TEXT NOT NULL, station TEXT NOT NULL DEFAULT '', "
    "operator TEXT NOT NULL DEFAULT '', tool_version TEXT NOT NULL DEFAULT '', port TEXT NOT NULL DEFAULT '', "
    "product TEXT NOT NULL, module TEXT NOT NULL, mode TEXT NOT NULL, unit_address BIGINT, network_address BIGINT, "
    "work_mode TEXT NOT NULL DEFAULT '', baud TEXT NOT NULL DEFAULT '', link_rate TEXT NOT NULL DEFAULT '', "
    "power TEXT NOT NULL DEFAULT '', repeater TEXT NOT NULL DEFAULT '', result TEXT NOT NULL, "
    "differences TEXT NOT NULL DEFAULT '', superseded INTEGER NOT NULL DEFAULT 0, imported INTEGER NOT NULL DEFAULT 0);"
    "INSERT INTO units (attempt, time, product, module, mode, unit_address, network_address, work_mode, baud, link_rate, "
    "result) VALUES ('a', '2026-12-01T10:00:00Z', 'kv5', 'tarn', 'p2mp', 4, 500, 'Master', '9600', '172800', 'verified'), "
    "('b', '2026-12-01T10:05:00Z', 'kv5', 'tarn', 'p2mp', 5, 500, '', '', '', 'reserved');";
