// The cost of recording one unit (its pending row before "AT&W" and its
// final row after) in a record that already holds 1 000 and 100 000 rows,
// as a CSV journal and as a database file (SQLite). Prints milliseconds,
// the median of the repeats:
//   build/record_append [REPEATS]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <vector>

#include "records/databaserecord.h"
#include "records/recordfile.h"

namespace {

UnitRecord unit(qint64 address, const QString &result)
{
    UnitRecord record;
    record.time = QDateTime::currentDateTimeUtc();
    record.config = { QStringLiteral("/dev/ttyUSB0"), Product::Kv5, Module::Tarn, LinkMode::PointToMultipoint };
    // Slave, 9600 baud, 172800, 1000mW.
    record.settings.registers = { { Reg::WorkMode, 2 },        { Reg::SerialBaud, 7 },     { Reg::LinkRate, 0 },
                                  { Reg::OutputPower, 30 },    { Reg::NetworkAddress, 4321 }, { Reg::UnitAddress, address } };
    record.result = result;
    return record;
}

// A record of `rows` units, each a pending and a final row.
std::unique_ptr<RecordStore> filled(const QTemporaryDir &dir, bool csv, int rows)
{
    const QString path = dir.filePath(QStringLiteral("units%1.%2").arg(rows).arg(csv ? "csv" : "kvxdb"));
    if (csv) {
        auto record = std::make_unique<RecordFile>(path);
        record->prepare();
        QFile file(path);
        file.open(QIODevice::Append);
        for (int i = 0; i < rows; ++i) {
            const QString attempt = newAttemptId();
            file.write(recordLine(unit(i, QStringLiteral("pending")), attempt));
            file.write(recordLine(unit(i, QStringLiteral("verified")), attempt));
        }
        return record;
    }
    auto record = std::make_unique<DatabaseRecord>(path);
    QList<RecordRow> list;
    for (int i = 0; i < rows; ++i) {
        RecordRow row;
        row.record = unit(i, QStringLiteral("verified"));
        row.attempt = newAttemptId();
        list << row;
    }
    DatabaseRecord::ImportCount count;
    QString error;
    if (!record->importRows(list, &count, &error))
        qFatal("fill: %s", qPrintable(error));
    return record;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int repeats = argc > 1 ? QByteArray(argv[1]).toInt() : 50;
    QTemporaryDir dir;
    QTextStream out(stdout);
    for (bool csv : { true, false }) {
        for (int rows : { 1000, 100000 }) {
            const std::unique_ptr<RecordStore> record = filled(dir, csv, rows);
            QString error;
            if (!record->prepare(&error))
                qFatal("prepare: %s", qPrintable(error));
            std::vector<double> ms;
            for (int i = 0; i < repeats; ++i) {
                QElapsedTimer clock;
                clock.start();
                const QByteArray handle = record->writeRow({}, unit(rows + i, QStringLiteral("pending")), &error);
                if (handle.isEmpty() || record->writeRow(handle, unit(rows + i, QStringLiteral("verified")), &error).isEmpty())
                    qFatal("record: %s", qPrintable(error));
                ms.push_back(clock.nsecsElapsed() / 1e6);
            }
            std::sort(ms.begin(), ms.end());
            out << (csv ? "csv" : "sqlite") << " record of " << rows << " rows: one unit recorded in " << Qt::fixed
                << qSetRealNumberPrecision(2) << ms.at(ms.size() / 2) << " ms (median of " << repeats << ", target <= 20)"
                << Qt::endl;
        }
    }
    return 0;
}
