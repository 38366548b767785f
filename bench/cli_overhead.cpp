// kvx-cli against simulated units: how much time a write spends beyond the
// protocol's own pauses, how a batch of four units compares with one, and a
// verified unit with the full pauses beside one with quick pauses. Prints
// figures; run from the build folder (kvx-cli and kvx-modemsim beside it),
// best from a Release build:  build/cli_overhead [REPEATS]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <vector>

#include "engine/radiosession.h"
#include "protocol/writeplan.h"
#include "support/simprocess.h"

namespace {

QTextStream out(stdout);

QString beside(const char *name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

// Wall time of one kvx-cli run in ms, or -1 when it failed.
qint64 timeCli(const QStringList &arguments)
{
    QProcess cli;
    QElapsedTimer clock;
    clock.start();
    cli.start(beside("kvx-cli"), arguments);
    if (!cli.waitForFinished(120000) || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) {
        out << "kvx-cli " << arguments.join(' ') << " failed: " << cli.readAllStandardError() << Qt::endl;
        return -1;
    }
    return clock.elapsed();
}

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values.at(values.size() / 2);
}

// The pauses of open, read, a Tarn master write and close on a KV5 unit.
int protocolPausesMs()
{
    RadioSettings master;
    master.set(Reg::WorkMode, 0);
    int ms = RadioSession::OpenPauseMs + RadioSession::RequestPauseMs + RadioSession::StorePauseMs
             + RadioSession::ClosePauseMs;
    for (const WriteLine &line : planWrite(master, Module::Tarn, LinkMode::PointToPoint))
        ms += line.pauses ? SessionTiming().lineMs : 0;
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int repeats = argc > 1 ? qMax(1, atoi(argv[1])) : 3;
    QTemporaryDir dir;

    std::vector<qint64> writes;
    for (int i = 0; i < repeats; ++i) {
        SimProcess unit;
        if (!unit.start({ "--product", "kv5", "--module", "tarn" }))
            return 1;
        writes.push_back(timeCli({ "write", "--port", unit.portPath(), "--product", "kv5", "--module", "tarn",
                                   "--mode", "p2p", "--work-mode", "master", "--no-verify", "--quiet" }));
    }
    const qint64 write = median(writes);
    out << "cli write wall ms: " << write << " (protocol pauses " << protocolPausesMs() << " ms)" << Qt::endl;
    out << "cli write overhead ms: " << write - protocolPausesMs() << "   (target <= 200)" << Qt::endl;

    const QString profile = dir.filePath("batch.json");
    QFile file(profile);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "mode": "p2mp", "settings": {"workMode": "slave"}})");
    file.close();
    // The simulated units hold it: each one matches.
    const QString checkProfile = dir.filePath("check.json");
    QFile checkFile(checkProfile);
    if (!checkFile.open(QIODevice::WriteOnly))
        return 1;
    checkFile.write(R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "mode": "p2mp", "settings": {"networkAddress": 12345}})");
    checkFile.close();
    // A batch of `count` units, written (provision) or only checked.
    auto batch = [&](const char *command, int count) {
        std::vector<qint64> times;
        for (int i = 0; i < repeats; ++i) {
            std::vector<std::unique_ptr<SimProcess>> units;
            QStringList arguments { QLatin1String(command), "--profile", QByteArray(command) == "check" ? checkProfile : profile,
                                    "--quiet" };
            for (int u = 0; u < count; ++u) {
                units.push_back(std::make_unique<SimProcess>());
                if (!units.back()->start({ "--product", "kv5", "--module", "tarn" }))
                    return qint64(-1);
                arguments << "--port" << units.back()->portPath();
            }
            times.push_back(timeCli(arguments));
        }
        return median(times);
    };
    const qint64 one = batch("provision", 1);
    const qint64 four = batch("provision", 4);
    out << "provision 1 unit ms: " << one << ", 4 units ms: " << four << Qt::endl;
    out << "provision 4/1 ratio: " << QString::number(double(four) / double(one), 'f', 3) << "   (target <= 1.3)"
        << Qt::endl;
    const qint64 checkOne = batch("check", 1);
    const qint64 checkEight = batch("check", 8);
    out << "check 1 unit ms: " << checkOne << ", 8 units ms: " << checkEight << Qt::endl;
    out << "check 8/1 ratio: " << QString::number(double(checkEight) / double(checkOne), 'f', 3) << "   (target <= 1.3)"
        << Qt::endl;

    // A verified unit (read, write, store, check, close), with the pauses
    // as the units need them and with quick pauses, one at a time and 16 at
    // once.
    auto verified = [&](const char *product, int count, bool quick) {
        const QString path = dir.filePath(QStringLiteral("verified-%1.json").arg(QLatin1String(product)));
        QFile verifiedFile(path);
        if (!verifiedFile.open(QIODevice::WriteOnly))
            return qint64(-1);
        verifiedFile.write(QByteArray(R"({"kvx-profile": 1, "product": ")") + product
                           + R"(", "module": "tarn", "mode": "p2mp", "settings": {"workMode": "slave", "networkAddress": 4321}})");
        verifiedFile.close();
        std::vector<qint64> times;
        for (int i = 0; i < repeats; ++i) {
            std::vector<std::unique_ptr<SimProcess>> units;
            QStringList arguments { "provision", "--profile", path, "--quiet" };
            if (quick)
                arguments << "--quick";
            for (int u = 0; u < count; ++u) {
                units.push_back(std::make_unique<SimProcess>());
                if (!units.back()->start({ "--product", QLatin1String(product), "--module", "tarn" }))
                    return qint64(-1);
                arguments << "--port" << units.back()->portPath();
            }
            times.push_back(timeCli(arguments));
        }
        return median(times);
    };
    out << "verified unit ms        specified   quick   (goal: quick KV6 - KV7 <= 2400, KV5 <= 1400)" << Qt::endl;
    for (const char *product : { "kv5", "kv6" }) {
        qint64 quickOne = 0;
        for (int count : { 1, 16 }) {
            const qint64 specified = verified(product, count, false);
            const qint64 quick = verified(product, count, true);
            if (count == 1)
                quickOne = quick;
            out << QStringLiteral("%1 %2 %3 %4  %5").arg(QLatin1String(product), -4)
                                                  .arg(count == 1 ? QStringLiteral("1 unit") : QStringLiteral("%1 at once").arg(count), -12)
                                                  .arg(specified, 9)
                                                  .arg(quick, 7)
                                                  .arg(count == 1 ? QString() : QStringLiteral("quick %1/1 ratio %2 (goal <= 1.1)").arg(count).arg(double(quick) / double(quickOne), 0, 'f', 3))
                << Qt::endl;
        }
    }

    // Which product answers: a KV5 at its first try, a KV6 - KV7 after a
    // KV5 try that hears nothing.
    for (const char *product : { "kv5", "kv6" }) {
        std::vector<qint64> times;
        for (int i = 0; i < repeats; ++i) {
            SimProcess unit;
            if (!unit.start({ "--product", QLatin1String(product), "--module", "tarn" }))
                return 1;
            times.push_back(timeCli({ "detect", "--port", unit.portPath(), "--quiet" }));
        }
        out << "detect " << product << " ms: " << median(times) << "   (target <= 3000)" << Qt::endl;
    }
    return 0;
}
