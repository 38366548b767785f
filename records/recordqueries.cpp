#include "records/recordqueries.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <algorithm>

namespace {

// A time as the record writes it (ISO 8601, UTC, "Z"), whatever the column's
// type: SQLite keeps that text; PostgreSQL a timestamptz, written out here.
QString timeColumn(bool postgres, const char *column = "time")
{
    if (!postgres)
        return QLatin1String(column);
    return QStringLiteral("to_char(%1 AT TIME ZONE 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS\"Z\"')").arg(QLatin1String(column));
}

// The hour a row's time lies in, as "2026-12-08T09" (UTC).
QString hourColumn(bool postgres)
{
    return postgres ? QStringLiteral("to_char(time AT TIME ZONE 'UTC', 'YYYY-MM-DD\"T\"HH24')")
                    : QStringLiteral("substr(time, 1, 13)");
}

QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODate);
}

// The record's columns, under their own names, the time as text.
QString unitColumns(bool postgres)
{
    return QStringLiteral("attempt, %1 AS time, station, operator, tool_version, port, product, module, mode, "
                          "unit_address, network_address, work_mode, baud, link_rate, power, repeater, result, "
                          "differences, superseded, imported, pauses, serial")
        .arg(timeColumn(postgres));
}

// How each column of a query goes into JSON, read once for all its rows.
struct UnitColumns {
    enum Kind { Skip, Text, Number, Flag };
    QList<QPair<QString, Kind>> columns;

    explicit UnitColumns(const QSqlQuery &query)
    {
        static const QStringList Numbers = { "unit_address", "network_address", "baud", "link_rate" };
        static const QStringList Flags = { "superseded", "imported" };
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i) {
            const QString name = record.fieldName(i);
            const Kind kind = name == QLatin1String("id") ? Skip
                              : Numbers.contains(name)    ? Number
                              : Flags.contains(name)      ? Flag
                                                          : Text;
            columns << qMakePair(name, kind);
        }
    }

    QJsonObject unit(const QSqlQuery &query) const
    {
        QJsonObject unit;
        for (int i = 0; i < columns.size(); ++i) {
            const QVariant value = query.value(i);
            switch (columns.at(i).second) {
            case Skip: break;
            case Number: unit.insert(columns.at(i).first, value.isNull() ? QJsonValue() : QJsonValue(value.toLongLong())); break;
            case Flag: unit.insert(columns.at(i).first, value.toInt() != 0); break;
            case Text: unit.insert(columns.at(i).first, value.toString()); break;
            }
        }
        return unit;
    }
};

bool failed(const QSqlQuery &query, QString *error)
{
    const QSqlError sqlError = query.lastError();
    *error = (sqlError.databaseText().isEmpty() ? sqlError.text() : sqlError.databaseText()).simplified();
    return false;
}

bool isInspection(const QString &result)
{
    return result == QLatin1String("matches") || result == QLatin1String("differs");
}

QDateTime hourStart(const QDateTime &time)
{
    QDateTime hour = time.toUTC();
    hour.setTime(QTime(hour.time().hour(), 0));
    return hour;
}

// The day's rows by station, result and hour, in one pass over the day.
bool readDay(QSqlDatabase &database, bool postgres, LineSummary *summary, const QDateTime &cutoff,
             QMap<QString, StationFigures> *stations, QString *error)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT station, result, %1 AS hour, "
                                 "CASE WHEN result IN ('reserved', 'pending') AND time >= ? THEN 1 ELSE 0 END AS fresh, "
                                 "count(*) FROM units WHERE time >= ? AND time < ? AND superseded = 0 "
                                 "GROUP BY station, result, hour, fresh")
                      .arg(hourColumn(postgres)));
    query.addBindValue(timeText(cutoff));
    query.addBindValue(timeText(summary->from));
    query.addBindValue(timeText(summary->to));
    if (!query.exec())
        return failed(query, error);
    while (query.next()) {
        const QString station = query.value(0).toString();
        const QString result = query.value(1).toString();
        const QDateTime hour = QDateTime::fromString(query.value(2).toString() + QStringLiteral(":00:00Z"), Qt::ISODate);
        const bool fresh = query.value(3).toInt() != 0;
        const int rows = query.value(4).toInt();
        StationFigures &figures = (*stations)[station];
        figures.station = station;
        if (isInspection(result)) {
            figures.inspections += rows;
            summary->inspections += rows;
            continue;
        }
        if (fresh) {
            figures.inProgress += rows;
            summary->inProgress += rows;
            continue;
        }
        const bool good = result == QLatin1String("verified") || result == QLatin1String("written");
        const int goodRows = good ? rows : 0;
        const int verified = result == QLatin1String("verified") ? rows : 0;
        for (FigureCount *count : { &figures.today, &summary->total, &summary->perHour[hour] }) {
            count->attempts += rows;
            count->good += goodRows;
        }
        figures.verified += verified;
        summary->verified += verified;
        if (!good)
            summary->failures[result] += rows;
    }
    return true;
}

// What each station said of itself lately: those seen today, or with rows
// still waiting.
bool readStations(QSqlDatabase &database, bool postgres, const QDateTime &from, QMap<QString, StationFigures> *stations,
                  QString *error)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT station, operator, waiting, %1 FROM stations WHERE seen >= ? OR waiting > 0")
                      .arg(timeColumn(postgres, "seen")));
    query.addBindValue(timeText(from));
    if (!query.exec())
        return failed(query, error);
    while (query.next()) {
        StationFigures &figures = (*stations)[query.value(0).toString()];
        figures.station = query.value(0).toString();
        figures.operatorName = query.value(1).toString();
        figures.rowsWaiting = query.value(2).toInt();
        figures.seen = QDateTime::fromString(query.value(3).toString(), Qt::ISODate);
    }
    return true;
}

} // namespace

int readSchemaVersion(const QSqlDatabase &database)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM kvx_schema")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

bool readLineSummary(const QSqlDatabase &connection, bool postgres, const QDateTime &from, const QDateTime &to,
                     const QDateTime &now, int reservationTimeoutS, int lastUnits, LineSummary *summary,
                     QString *error)
{
    QSqlDatabase database = connection;
    *summary = LineSummary();
    summary->from = from.toUTC();
    summary->to = to.toUTC();
    summary->read = now.toUTC();
    summary->freshSince = summary->read.addSecs(-reservationTimeoutS);
    // Every hour of the day so far, so the quiet ones show too.
    const QDateTime end = std::min(summary->to, hourStart(summary->read).addSecs(3600));
    for (QDateTime hour = hourStart(summary->from); hour < end; hour = hour.addSecs(3600))
        summary->perHour.insert(hour, FigureCount());
    // One snapshot of the record for every figure.
    QSqlQuery begin(database);
    if (!begin.exec(QLatin1String(postgres ? "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY" : "BEGIN")))
        return failed(begin, error);
    const auto done = [&](bool ok) {
        QSqlQuery rollback(database);
        rollback.exec(QStringLiteral("ROLLBACK"));
        return ok;
    };
    summary->stationsKept = readSchemaVersion(database) >= 5;
    QMap<QString, StationFigures> stations;
    if (!readDay(database, postgres, summary, summary->freshSince, &stations, error))
        return done(false);
    // The hours between, also up to a row written later than this
    // computer's clock says it is.
    if (!summary->perHour.isEmpty()) {
        for (QDateTime hour = summary->perHour.firstKey(); hour < summary->perHour.lastKey(); hour = hour.addSecs(3600))
            summary->perHour[hour];
    }
    if (summary->stationsKept && !readStations(database, postgres, summary->from, &stations, error))
        return done(false);
    QSqlQuery query(database);
    query.setForwardOnly(true);
    // Each station's last unit, by the index of its rows.
    query.prepare(QStringLiteral("SELECT %1 FROM units WHERE station = ? ORDER BY id DESC LIMIT 1").arg(unitColumns(postgres)));
    for (StationFigures &figures : stations) {
        query.addBindValue(figures.station);
        if (!query.exec())
            return done(failed(query, error));
        if (query.next()) {
            figures.last = UnitColumns(query).unit(query);
            if (figures.operatorName.isEmpty())
                figures.operatorName = figures.last.value(QLatin1String("operator")).toString();
        }
        summary->stations << figures;
    }
    query.prepare(QStringLiteral("SELECT %1 FROM units ORDER BY time DESC, id DESC LIMIT ?").arg(unitColumns(postgres)));
    query.addBindValue(lastUnits);
    if (!query.exec())
        return done(failed(query, error));
    const UnitColumns latest(query);
    while (query.next())
        summary->lastUnits << latest.unit(query);
    return done(true);
}

bool readUnits(const QSqlDatabase &connection, bool postgres, const UnitQuery &filter, QList<QJsonObject> *units,
               bool *more, QString *cursorTime, qint64 *cursorId, QString *error)
{
    QSqlDatabase database = connection;
    QStringList where;
    QVariantList values;
    if (filter.since.isValid()) {
        where << QStringLiteral("time >= ?");
        values << timeText(filter.since);
    }
    if (!filter.network.isEmpty()) {
        where << QStringLiteral("network_address = ?");
        values << filter.network.toLongLong();
    }
    if (!filter.unit.isEmpty()) {
        where << QStringLiteral("unit_address = ?");
        values << filter.unit.toLongLong();
    }
    if (!filter.serial.isEmpty()) {
        where << QStringLiteral("serial = ?");
        values << filter.serial;
    }
    if (!filter.afterTime.isEmpty()) {
        where << QStringLiteral("(time > ? OR (time = ? AND id > ?))");
        values << filter.afterTime << filter.afterTime << filter.afterId;
    }
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, %1 FROM units %2 ORDER BY time, id LIMIT ?")
                      .arg(unitColumns(postgres),
                           where.isEmpty() ? QString() : QStringLiteral("WHERE ") + where.join(QStringLiteral(" AND "))));
    for (const QVariant &value : std::as_const(values))
        query.addBindValue(value);
    query.addBindValue(filter.limit + 1);
    if (!query.exec())
        return failed(query, error);
    units->clear();
    *more = false;
    const UnitColumns columns(query);
    while (query.next()) {
        if (units->size() == filter.limit) {
            *more = true;
            break;
        }
        *units << columns.unit(query);
        *cursorId = query.value(0).toLongLong();
        *cursorTime = query.value(2).toString();
    }
    return true;
}
