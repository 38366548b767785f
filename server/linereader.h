#pragma once
// The record as the line's view reads it, on threads of its own with
// connections that cannot write: the day's figures read again whenever the
// record changes (PostgreSQL tells of each row written, LISTEN/NOTIFY; a
// SQLite file is watched, with its write-ahead log), and the units asked
// for. Nothing on the thread that serves the pages waits on the database.

#include <QJsonObject>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

#include "records/recordqueries.h"

class DatabaseRecord;
class QFileSystemWatcher;
class QThread;

struct UnitsAnswer {
    QList<QJsonObject> units;   // for a page; empty when asked as JSON
    QByteArray json;            // asked as JSON: the units as one array, made on the reader's thread
    bool more = false;          // more rows follow: the cursor names the last one given
    QString cursorTime;
    qint64 cursorId = -1;
    QString error;              // the record could not be read
};

Q_DECLARE_METATYPE(LineSummary)
Q_DECLARE_METATYPE(UnitQuery)
Q_DECLARE_METATYPE(UnitsAnswer)

class LineReader : public QObject
{
    Q_OBJECT

public:
    static constexpr int LastUnits = 20;

    LineReader(const QString &location, int reservationTimeoutS);
    ~LineReader() override;

    // Starts its thread and opens the record there; opened() follows, then
    // summaryRead() each time the figures change.
    void start();
    // Ends its thread (the connection closed on it); waits at most `ms`.
    void finish(int ms = 5000);
    // The rows `query` names; unitsRead(id, …) answers, with the rows as
    // one JSON array when `asJson`.
    void askUnits(quint64 id, const UnitQuery &query, bool asJson);

signals:
    void opened(bool ok, const QString &recordName, const QString &error);
    void summaryRead(const LineSummary &summary);
    // The record stopped answering; it is tried again, and summaryRead()
    // comes once it answers.
    void recordFailed(const QString &error);
    void unitsRead(quint64 id, const UnitsAnswer &answer);

private:
    class Worker;

    // The day's figures, and the questions, each on a thread of its own.
    QThread *m_threads[2] = {};
    Worker *m_workers[2] = {};      // each lives on its thread
};
