// The record's subcommands: list, check, import, export, release.

#include "cli/cli.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>

#include "cli/exitstatus.h"
#include "cli/jsonout.h"
#include "engine/station.h"
#include "records/databaserecord.h"
#include "records/recordfile.h"
#include "records/recordlocation.h"

void Cli::takeFiles(const QStringList &arguments, int files) const
{
    // The subcommand's name is the second argument; a file follows it.
    if (files == 1 && arguments.size() != 3)
        throw UsageError { tr("record %1 takes one CSV file").arg(arguments.at(1)) };
    if (files == 0 && arguments.size() > 2)
        throw UsageError { tr("record %1 takes no file").arg(arguments.at(1)) };
}

void Cli::openRecordOption()
{
    const QString location = need("record");
    const int timeoutS = reservationTimeout();
    m_database = openRecord(location);
    m_database->setReservationTimeout(timeoutS);
}

bool Cli::recordRows(QList<RecordRow> *rows, int *status)
{
    // A record that is not there is not made by looking at it.
    QString error;
    if (!m_database->openExisting(&error)) {
        m_board->printFailure(QStringLiteral("--record %1: %2").arg(m_database->name(), error));
        *status = Usage;
        return false;
    }
    *rows = m_database->rows(&error);
    if (!error.isEmpty()) {
        m_board->printFailure(QStringLiteral("--record %1: %2").arg(m_database->name(), error));
        *status = RecordFailed;
        return false;
    }
    if (m_parser.isSet(QStringLiteral("network"))) {
        const QString network = addressOption("network");
        rows->erase(std::remove_if(rows->begin(), rows->end(),
                                   [&](const RecordRow &row) { return recordNetworkAddress(row.record) != network; }),
                    rows->end());
    }
    // A unit's whole history, by its own code.
    if (m_parser.isSet(QStringLiteral("serial"))) {
        const QString code = m_parser.value(QStringLiteral("serial")).trimmed();
        rows->erase(std::remove_if(rows->begin(), rows->end(), [&](const RecordRow &row) { return row.record.serial != code; }),
                    rows->end());
    }
    return true;
}

int Cli::recordList(const QStringList &arguments)
{
    takeFiles(arguments, 0);
    openRecordOption();
    QList<RecordRow> rows;
    int status = Success;
    if (!recordRows(&rows, &status))
        return status;
    if (m_json) {
        printJson(recordRowsJson(rows));
        return 0;
    }
    // A table under a header line, so each column says what it holds; a
    // unit address only where the mode has one.
    QList<QStringList> table { { QStringLiteral("time"), QStringLiteral("station"), QStringLiteral("port"),
                                 QStringLiteral("product"), QStringLiteral("module"), QStringLiteral("mode"),
                                 QStringLiteral("unit"), QStringLiteral("network"), QStringLiteral("work mode"),
                                 QStringLiteral("baud"), QStringLiteral("link rate"), QStringLiteral("power"),
                                 QStringLiteral("result"), QStringLiteral("detail") } };
    for (const RecordRow &row : rows) {
        const UnitRecord &r = row.record;
        QStringList fields { r.time.toUTC().toString(Qt::ISODate), r.station, r.config.port, productKey(r.config.product),
                             moduleKey(r.config.module), modeKey(r.config.mode),
                             isMultipoint(r.config.mode) ? recordUnitAddress(r) : QString(), recordNetworkAddress(r) };
        fields << recordCaptions(r).mid(0, 4) << r.result;
        QStringList detail;
        if (row.superseded)
            detail << tr("(superseded)");
        if (!r.detail.isEmpty())
            detail << r.detail;
        if (!r.serial.isEmpty())
            detail << tr("code %1").arg(r.serial);
        fields << detail.join(QStringLiteral("  "));
        // An empty cell would shift the eye to the next column.
        for (QString &field : fields) {
            if (field.isEmpty())
                field = QStringLiteral("-");
        }
        table << fields;
    }
    QList<qsizetype> widths(table.first().size(), 0);
    for (const QStringList &fields : table) {
        for (qsizetype i = 0; i < fields.size(); ++i)
            widths[i] = qMax(widths[i], fields.at(i).size());
    }
    for (const QStringList &fields : table) {
        QString line;
        for (qsizetype i = 0; i + 1 < fields.size(); ++i)
            line += fields.at(i).leftJustified(widths.at(i) + 2);
        out() << (line + fields.last()).trimmed() << Qt::endl;
    }
    return 0;
}

int Cli::recordCheck(const QStringList &arguments)
{
    takeFiles(arguments, 0);
    openRecordOption();
    QList<RecordRow> rows;
    int status = Success;
    if (!recordRows(&rows, &status))
        return status;
    const QList<RecordFinding> findings =
        checkRecord(rows, QDateTime::currentDateTimeUtc(), m_database->reservationTimeout());
    if (m_json) {
        printJson(findingsJson(findings, rows));
    } else {
        for (const RecordFinding &finding : findings)
            out() << finding.text << Qt::endl;
        if (findings.isEmpty())
            out() << tr("no conflicts in %n row(s)", nullptr, int(rows.size())) << Qt::endl;
    }
    return findings.isEmpty() ? 0 : Mismatch;
}

int Cli::recordImport(const QStringList &arguments)
{
    takeFiles(arguments, 1);
    const QString path = arguments.at(2);
    openRecordOption();
    auto *database = dynamic_cast<DatabaseRecord *>(m_database.get());
    if (!database)
        throw UsageError { tr("--record: import goes into a database record (.kvxdb or postgresql://)") };
    ImportFile file;
    QString error;
    if (!file.open(path, &error))
        throw UsageError { QStringLiteral("%1: %2").arg(path, error) };
    // A row keeps the station that wrote it; older files name none.
    file.setStation(stationName());
    DatabaseRecord::ImportCount count;
    const bool done = database->importRows(file, &count, &error, [] { return StopSignals::received() != 0; });
    if (StopSignals::received())
        return stoppedStatus(StopSignals::received());
    if (!done) {
        m_board->printFailure(QStringLiteral("--record %1: %2").arg(m_database->name(), error));
        return RecordFailed;
    }
    out() << tr("%n row(s) imported into %1", nullptr, int(count.imported)).arg(m_database->name());
    if (count.skipped)
        out() << tr(", %n skipped (held already)", nullptr, int(count.skipped));
    out() << Qt::endl;
    return 0;
}

int Cli::recordExport(const QStringList &arguments)
{
    takeFiles(arguments, 0);
    // CSV is the one format it writes: --csv may be given, or not.
    openRecordOption();
    QList<RecordRow> rows;
    int status = Success;
    if (!recordRows(&rows, &status))
        return status;
    // As a new journal begins: a spreadsheet opens it right, Chinese included.
    out() << QString::fromUtf8(recordFileStart());
    for (const RecordRow &row : rows)
        out() << QString::fromUtf8(recordLine(row.record, row.attempt));
    return 0;
}

int Cli::recordRelease(const QStringList &arguments)
{
    takeFiles(arguments, 0);
    openRecordOption();
    // The unit address is asked for first: a release names both.
    const QString unit = addressOption("unit");
    const QString network = addressOption("network");
    QString error;
    QList<RecordRow> released;
    if (!m_database->openExisting(&error) || !m_database->release(network, unit, &released, &error)) {
        m_board->printFailure(QStringLiteral("--record %1: %2").arg(m_database->name(), error));
        return error.isEmpty() ? Usage : RecordFailed;
    }
    if (released.isEmpty()) {
        out() << tr("nothing held unit address %1 on network address %2 for an unfinished unit (a unit recorded as "
                    "verified or written is taken over with write --replace)")
                     .arg(unit, network)
              << Qt::endl;
        return 0;
    }
    for (const RecordRow &row : released) {
        const UnitRecord &r = row.record;
        QString who = r.station.isEmpty() ? r.config.port : tr("station %1").arg(r.station);
        if (!r.operatorName.isEmpty())
            who += tr(" (operator %1)").arg(r.operatorName);
        out() << tr("released unit address %1 on network address %2: %3 by %4 at %5")
                     .arg(unit, network, r.result, who, r.time.toUTC().toString(Qt::ISODate))
              << Qt::endl;
    }
    return 0;
}

int Cli::recordSync(const QStringList &arguments)
{
    takeFiles(arguments, 0);
    const QString location = need("record");
    if (!isDatabaseRecord(location))
        throw UsageError { tr("--record %1: only a database record takes rows kept for it").arg(location) };
    // Opening the record takes up what earlier runs left waiting for it.
    openStation();
    RecordService *records = m_station->records();
    const QString name = records->databaseName();
    int forwarded = 0;
    int waiting = 0;
    QObject::connect(records, &RecordService::forwarded, &m_app, [&forwarded](int rows) { forwarded = rows; });
    QObject::connect(records, &RecordService::waitingChanged, &m_app, [&waiting](int rows) { waiting = rows; });
    waiting = records->waiting();
    const int status = waitForRecord(Success);
    out() << tr("%n row(s) forwarded to %1", nullptr, forwarded).arg(name);
    if (waiting)
        out() << tr("; %n still waiting", nullptr, waiting);
    out() << Qt::endl;
    return status;
}
