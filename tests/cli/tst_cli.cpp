// kvx-cli against the simulated modem: the same wire as the window, the JSON
// it prints, its exit statuses, and a batch of units provisioned at once.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <QSerialPort>

#include <csignal>
#include <memory>
#include <vector>

#include "e2e/rig.h"
#include "protocol/atcommands.h"
#include "protocol/profilefile.h"
#include "protocol/version.h"
#include "records/recordfile.h"

namespace {

QString cliPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/kvx-cli");
}

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

void startCli(QProcess &process, const QStringList &arguments)
{
    process.setProgram(cliPath());
    process.setArguments(arguments);
    process.start();
}

CliRun finishCli(QProcess &process, int timeoutMs = 60000)
{
    CliRun run;
    // Events keep flowing meanwhile, so a window under test stays alive.
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning && clock.elapsed() < timeoutMs)
        QTest::qWait(20);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

CliRun cli(const QStringList &arguments, int timeoutMs = 60000)
{
    QProcess process;
    startCli(process, arguments);
    return finishCli(process, timeoutMs);
}

QStringList unitArgs(const SimProcess &sim, Product product, Module module, LinkMode mode)
{
    return { "--port", sim.portPath(), "--product", productArg(product), "--module", moduleArg(module),
             "--mode", mode == PointToMultipoint ? "p2mp" : "p2p" };
}

void writeProfile(const QString &path, const QByteArray &json)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(json);
}

QMap<int, qint64> startRegisters()
{
    return { { 101, 2 }, { 102, 3 }, { 103, 1 }, { 104, 777 }, { 105, 9 }, { 108, 30 }, { 141, 0 } };
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    // The window and kvx-cli, given the same form, put the same bytes on the
    // line with the same pauses: connect, read, write, disconnect.
    void sameWireAsWindow_data()
    {
        QTest::addColumn<Product>("product");
        QTest::addColumn<Module>("module");
        QTest::addColumn<LinkMode>("mode");
        QTest::addColumn<int>("workMode");
        QTest::addColumn<QStringList>("options");
        for (Product product : { KV5, KV6 }) {
            const char *p = product == KV5 ? "KV5" : "KV6 - KV7";
            QTest::addRow("%s Tarn", p) << product << Tarn << PointToMultipoint << 0
                                        << QStringList { "--work-mode", "master", "--repeater", "on", "--unit", "5" };
            QTest::addRow("%s Brae - Loch", p) << product << BraeLoch << PointToPoint << 1
                                               << QStringList { "--work-mode", "repeater", "--power", "2000mW" };
            QTest::addRow("%s Skerry", p) << product << Skerry << PointToMultipoint << 2
                                          << QStringList { "--work-mode", "slave", "--link-rate", "57600", "--unit", "5" };
            QTest::addRow("%s Half Fjord", p) << product << HalfFjord << PointToPoint << 2
                                              << QStringList { "--work-mode", "slave", "--baud", "115200", "--power", "1000mW" };
        }
    }
    void sameWireAsWindow()
    {
        QFETCH(Product, product);
        QFETCH(Module, module);
        QFETCH(LinkMode, mode);
        QFETCH(int, workMode);
        QFETCH(QStringList, options);

        SimProcess cliUnit;
        cliUnit.setInitialRegisters(startRegisters());
        QVERIFY(cliUnit.start({ "--product", productArg(product), "--module", moduleArg(module) }));
        QProcess process;
        startCli(process, QStringList { "write" } + unitArgs(cliUnit, product, module, mode) + options
                              + QStringList { "--no-verify" });

        Rig rig;
        rig.sim.setInitialRegisters(startRegisters());
        QVERIFY(rig.start(product, module, mode));
        rig.toggleLink();
        QVERIFY(rig.read());
        // The same form as the options: the unit's values and the changes.
        rig.combo("WorkModeBox")->setCurrentIndex(workMode);
        for (int i = 0; i + 1 < options.size(); i += 2) {
            const QString value = options.at(i + 1);
            if (options.at(i) == "--repeater")
                rig.combo("repeater_state")->setCurrentIndex(1);
            else if (options.at(i) == "--unit")
                rig.edit("UnitEdit")->setText(value);
            else if (options.at(i) == "--power")
                rig.combo("OutputPowerBox")->setCurrentText(value);
            else if (options.at(i) == "--baud")
                rig.combo("BaudSetBox")->setCurrentText(value);
            else if (options.at(i) == "--link-rate")
                rig.combo("AirSpeedBox")->setCurrentText(value);
        }
        rig.button("ConfigButton")->click();
        rig.toggleLink();

        const CliRun run = finishCli(process);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QTRY_COMPARE(cliUnit.receivedLines().size(), rig.sim.receivedLines().size());
        const QList<ReceivedItem> window = rig.sim.receivedLines();
        const QList<ReceivedItem> line = cliUnit.receivedLines();
        QList<QByteArray> windowBytes;
        QList<QByteArray> cliBytes;
        for (qsizetype i = 0; i < window.size(); ++i) {
            windowBytes << window.at(i).bytes;
            cliBytes << line.at(i).bytes;
        }
        QCOMPARE(cliBytes, windowBytes);
        QVERIFY(windowBytes.contains("AT&W\r\n"));
        // The pauses between the lines: the same, within the simulators' wobble.
        for (qsizetype i = 1; i < window.size(); ++i) {
            const double windowGap = window.at(i).ms - window.at(i - 1).ms;
            const double cliGap = line.at(i).ms - line.at(i - 1).ms;
            QVERIFY2(qAbs(windowGap - cliGap) < 60,
                     qPrintable(QStringLiteral("before %1: window %2 ms, kvx-cli %3 ms")
                                    .arg(QString::fromLatin1(window.at(i).bytes.toHex(' ')))
                                    .arg(windowGap)
                                    .arg(cliGap)));
        }
        QCOMPARE(cliUnit.storedRegisters(), rig.sim.storedRegisters());
    }

    void readJsonMatchesUnit()
    {
        SimProcess sim;
        sim.setInitialRegisters({ { 101, 2 }, { 102, 5 }, { 103, 8 }, { 104, 4000000000LL }, { 105, 17 }, { 108, 33 }, { 141, 1 } });
        QVERIFY(sim.start({ "--product", "kv6", "--module", "brae-loch" }));
        const CliRun run = cli(QStringList { "read" } + unitArgs(sim, KV6, BraeLoch, PointToMultipoint) + QStringList { "--json" });
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QJsonObject object = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(object.value("port").toString(), sim.portPath());
        QCOMPARE(object.value("product").toString(), QStringLiteral("kv6"));
        QCOMPARE(object.value("mode").toString(), QStringLiteral("p2mp"));
        const QJsonObject settings = object.value("settings").toObject();
        QCOMPARE(settings.value("workMode").toString(), QStringLiteral("Slave(Remote)"));
        QCOMPARE(settings.value("baud").toInt(), 19200);
        QCOMPARE(settings.value("linkRate").toInt(), 57600);
        QCOMPARE(settings.value("power").toString(), QStringLiteral("2000mW"));
        QCOMPARE(settings.value("repeater").toBool(), true);
        QCOMPARE(settings.value("networkAddress").toDouble(), 4000000000.0);
        QCOMPARE(settings.value("unitAddress").toInt(), 17);
        const QJsonObject registers = object.value("registers").toObject();
        const QMap<int, qint64> state = sim.storedRegisters();
        for (int reg : { 101, 102, 103, 104, 105, 108, 141 })
            QCOMPARE(qint64(registers.value(QStringLiteral("S%1").arg(reg)).toDouble()), state.value(reg));
        // A golden unit's read is a profile for the next ones, unchanged.
        ProvisionProfile profile;
        QString error;
        QVERIFY2(parseProfile(run.out, &profile, &error), qPrintable(error));
        // The eighth link rate, as the unit holds it.
        QCOMPARE(profile.settings.value(Reg::LinkRate), 8);
        QVERIFY(profile.hasMode);
    }

    void statuses_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QStringList>("arguments");   // PORT: the simulator's port; PROFILE: a Tarn p2mp profile
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("named");
        const QStringList tarn { "--port", "PORT", "--product", "kv5", "--module", "tarn", "--mode", "p2p" };
        QTest::newRow("verified") << QStringList() << QStringList { "write" } + tarn + QStringList { "--link-rate", "57600" } << 0 << "";
        QTest::newRow("stuck register") << QStringList { "--stuck", "103=1" } << QStringList { "write" } + tarn + QStringList { "--link-rate", "57600" }
                                        << 4 << "S103 reads 1";
        QTest::newRow("missing port") << QStringList() << QStringList { "read", "--port", "/nonexistent/ttyKVX", "--product", "kv5", "--module", "tarn" }
                                      << 2 << "/nonexistent/ttyKVX";
        QTest::newRow("port in use") << QStringList { "HOLD" } << QStringList { "read", "--port", "PORT", "--product", "kv5", "--module", "tarn" }
                                     << 2 << "in use by another program";
        QTest::newRow("KV6 settings against a KV5 unit") << QStringList() << QStringList { "read", "--port", "PORT", "--product", "kv6", "--module", "tarn", "--timeout", "1500" }
                                                         << 3 << "is the product right?";
        QTest::newRow("baud not in the list") << QStringList() << QStringList { "write" } + tarn + QStringList { "--baud", "9601" } << 1 << "--baud";
        QTest::newRow("2 W on Tarn") << QStringList() << QStringList { "write" } + tarn + QStringList { "--power", "2000mW" } << 1 << "1000mW";
        QTest::newRow("repeater on Half Fjord") << QStringList()
                                                << QStringList { "write", "--port", "PORT", "--product", "kv5", "--module", "half-fjord", "--mode", "p2p", "--work-mode", "repeater" }
                                                << 1 << "master, slave";
        QTest::newRow("repeater without the master preset") << QStringList() << QStringList { "write" } + tarn + QStringList { "--work-mode", "slave", "--repeater", "on" }
                                                            << 1 << "--repeater";
        QTest::newRow("no mode") << QStringList() << QStringList { "write", "--port", "PORT", "--product", "kv5", "--module", "tarn" } << 1 << "--mode";
        QTest::newRow("unit address in point to point") << QStringList() << QStringList { "write" } + tarn + QStringList { "--unit", "3" } << 1 << "--unit";
        QTest::newRow("address too large") << QStringList() << QStringList { "write" } + tarn + QStringList { "--address", "4294967296" } << 1 << "--address";
        QTest::newRow("record folder missing") << QStringList() << QStringList { "write" } + tarn + QStringList { "--log", "/nonexistent/units.csv" } << 1 << "--log";
        QTest::newRow("record on a full disk") << QStringList() << QStringList { "write" } + tarn + QStringList { "--log", "/dev/full" } << 1 << "--log";
        QTest::newRow("profile from a device") << QStringList() << QStringList { "write" } + tarn + QStringList { "--profile", "/dev/zero" } << 1 << "not a regular file";
        QTest::newRow("one port twice") << QStringList() << QStringList { "provision", "--profile", "PROFILE", "--port", "PORT", "--port", "PORT" } << 1 << "twice";
        // LINK: a link to the simulator's port; LONGLINK: one whose path (260
        // characters) is too long to name a lock file after.
        QTest::newRow("one device under two names") << QStringList() << QStringList { "provision", "--profile", "PROFILE", "--port", "LINK", "--port", "PORT" }
                                                    << 1 << "are one device";
        QTest::newRow("long port path") << QStringList() << QStringList { "read", "--port", "LONGLINK", "--product", "kv5", "--module", "tarn" } << 0 << "";
        QTest::newRow("read of two ports") << QStringList() << QStringList { "read", "--port", "PORT", "--port", "/dev/null", "--product", "kv5", "--module", "tarn" } << 1 << "one port";
        QTest::newRow("unknown module") << QStringList() << QStringList { "read", "--port", "PORT", "--product", "kv5", "--module", "fjord" } << 1 << "half-fjord";
        QTest::newRow("no command") << QStringList() << QStringList() << 1 << "command";
        QTest::newRow("baud to set not offered") << QStringList() << QStringList { "baud", "--port", "PORT", "--set", "9600" } << 1 << "230400";
        QTest::newRow("baud of a KV5") << QStringList() << QStringList { "baud", "--port", "PORT", "--product", "kv5" } << 1 << "kv6";
        // Unit codes, refused with their reasons before any port opens.
        QTest::newRow("code with a control character") << QStringList() << QStringList { "write" } + tarn + QStringList { "--serial", "SN-\x1b[2J\b" }
                                                       << 1 << "control character (\\x1b)";
        QTest::newRow("code too long") << QStringList() << QStringList { "write" } + tarn + QStringList { "--serial", QString(65, 'C') }
                                       << 1 << "65 characters long";
        QTest::newRow("code twice in a batch") << QStringList() << QStringList { "provision", "--profile", "PROFILE", "--port", "PORT", "--serials", "SERIALS" }
                                               << 1 << "given twice";
        QTest::newRow("code held by another unit") << QStringList() << QStringList { "write" } + tarn + QStringList { "--serial", "SN-HELD", "--log", "HELDLOG" }
                                                   << 1 << "unit code SN-HELD is recorded for network 42 unit 7";
        QTest::newRow("code held, taken over") << QStringList() << QStringList { "write" } + tarn + QStringList { "--serial", "SN-HELD", "--log", "HELDLOG", "--replace" }
                                               << 0 << "";
    }
    void statuses()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, named);
        const bool hold = simArgs.removeAll("HOLD") > 0;
        SimProcess sim;
        QVERIFY(sim.start(QStringList { "--product", "kv5" } + simArgs));
        QSerialPort holder(sim.portPath());
        if (hold)
            QVERIFY(holder.open(QIODevice::ReadWrite));
        QTemporaryDir dir;
        writeProfile(dir.filePath("p.json"), R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "mode": "p2mp"})");
        QString longLink = dir.path();
        while (longLink.size() < 200)
            longLink += QLatin1Char('/') + QString(40, QLatin1Char('d'));
        QVERIFY(QDir().mkpath(longLink));
        longLink += QLatin1Char('/') + QString(259 - longLink.size(), QLatin1Char('p'));
        QVERIFY(QFile::link(sim.portPath(), longLink) && QFile::link(sim.portPath(), dir.filePath("link")));
        arguments.replaceInStrings(QRegularExpression("^LONGLINK$"), longLink);
        arguments.replaceInStrings(QRegularExpression("^LINK$"), dir.filePath("link"));
        arguments.replaceInStrings(QRegularExpression("^PORT$"), sim.portPath());
        arguments.replaceInStrings(QRegularExpression("^PROFILE$"), dir.filePath("p.json"));
        writeProfile(dir.filePath("serials.txt"), "# the same label scanned twice\nSN-1\nSN-1\n");
        arguments.replaceInStrings(QRegularExpression("^SERIALS$"), dir.filePath("serials.txt"));
        UnitRecord held;
        held.time = QDateTime::currentDateTimeUtc();
        held.config = { QStringLiteral("/dev/ttyUSB9"), Product::Kv5, Module::Tarn, LinkMode::PointToMultipoint };
        held.settings.registers = { { Reg::NetworkAddress, 42 }, { Reg::UnitAddress, 7 } };
        held.result = QStringLiteral("verified");
        held.serial = QStringLiteral("SN-HELD");
        QVERIFY(!RecordFile(dir.filePath("held.csv")).writeRow({}, held, nullptr).isEmpty());
        arguments.replaceInStrings(QRegularExpression("^HELDLOG$"), dir.filePath("held.csv"));
        const CliRun run = cli(arguments);
        QVERIFY2(run.exitCode == status, qPrintable(QStringLiteral("exit %1: %2").arg(run.exitCode).arg(QString::fromUtf8(run.err))));
        if (status == 0)
            return;
        // Said once: in the result on stdout, or on stderr beside the progress.
        QList<QByteArray> said = run.out.trimmed().split('\n');
        for (const QByteArray &line : run.err.split('\n')) {
            if (line.startsWith("kvx-cli: "))
                said << line;
        }
        QCOMPARE(std::count_if(said.begin(), said.end(), [&](const QByteArray &line) { return line.contains(named.toUtf8()); }), 1);
        if (status == 1)
            QVERIFY(sim.received().isEmpty());
    }

    // The unit vanishing in the middle of a write is lost, and its row keeps
    // what was being written; vanishing once it was verified changes nothing.
    void lostMidWrite_data()
    {
        QTest::addColumn<QByteArray>("killAt");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("result");
        QTest::newRow("while writing") << QByteArray("ATS102=") << 5 << "lost";
        QTest::newRow("after AT&W") << QByteArray("AT&W") << 5 << "lost-after-store";
        QTest::newRow("closing after the check") << QByteArray::fromHex("fae200005f") << 0 << "verified";
    }
    void lostMidWrite()
    {
        QFETCH(QByteArray, killAt);
        QFETCH(int, status);
        QFETCH(QString, result);
        SimProcess sim;
        QVERIFY(sim.start({ "--product", "kv6", "--module", "skerry" }));
        QTemporaryDir dir;
        QProcess process;
        startCli(process, QStringList { "write", "--port", sim.portPath(), "--product", "kv6", "--module", "skerry", "--mode", "p2mp",
                                        "--work-mode", "slave", "--unit", "12", "--log", dir.filePath("units.csv") });
        QVERIFY(sim.waitForReceived(killAt, 20000));
        sim.kill();
        const CliRun run = finishCli(process, 10000);
        QCOMPARE(run.exitCode, status);
        const QList<QStringList> rows = readRecordRows(dir.filePath("units.csv"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(1).at(12), result);
        QCOMPARE(rows.at(1).at(5), QStringLiteral("12"));
        QCOMPARE(rows.at(1).at(7), QStringLiteral("Slave(Remote)"));
    }

    // A unit whose answer is ERROR, or that lands in another work mode, is
    // not verified, whatever else reads back.
    void untrueResults_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("named");
        const QStringList braeLoch { "--module", "brae-loch" };
        QTest::newRow("refused store") << QStringList { "--error-on", "AT&W" } << QStringList() << 6 << "refused" << "AT&W";
        QTest::newRow("refused preset") << QStringList { "--error-on", "AT&F" } << QStringList() << 6 << "refused" << "AT&F11";
        QTest::newRow("refused register") << QStringList { "--error-on", "ATS103" } << QStringList() << 6 << "refused" << "ATS103=1";
        // Its answers come long after the next line went out (a report takes
        // some 16 s): the refusal is named right and AT&W never follows.
        QTest::newRow("slow unit refuses") << QStringList { "--chunk", "1", "--gap", "150", "--error-on", "ATS102" }
                                           << QStringList { "--work-mode", "slave", "--no-verify", "--timeout", "30000" } << 6
                                           << "refused" << "refused ATS102=";
        QTest::newRow("repeater lands as slave") << braeLoch << QStringList { "--work-mode", "repeater" } << 4 << "mismatch" << "S101 reads 2, 1 was written";
        QTest::newRow("master, repeater on") << braeLoch << QStringList { "--work-mode", "master", "--repeater", "on" } << 0 << "verified" << "";
    }
    void untrueResults()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, result);
        QFETCH(QString, named);
        SimProcess sim;
        QVERIFY(sim.start(QStringList { "--product", "kv5" } + simArgs));
        const QString module = simArgs.contains("brae-loch") ? "brae-loch" : "tarn";
        QTemporaryDir dir;
        const CliRun run = cli(QStringList { "write", "--port", sim.portPath(), "--product", "kv5", "--module", module, "--mode", "p2p",
                                             "--json", "--log", dir.filePath("units.csv") }
                               + (options.isEmpty() ? QStringList { "--work-mode", "slave" } : options));
        QCOMPARE(run.exitCode, status);
        const QJsonObject object = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(object.value("status").toString(), result);
        QCOMPARE(object.value("exitStatus").toInt(), status);
        const QStringList row = readRecordRows(dir.filePath("units.csv")).value(1);
        QCOMPARE(row.value(12), result);
        QVERIFY2(row.value(13).contains(named), qPrintable(row.value(13)));
        // Nothing is stored after a refused line, and nothing more is asked
        // of the unit: no check follows, only the link's close.
        if (result == "refused") {
            QCOMPARE(sim.received().contains("AT&W"), named == "AT&W");
            QCOMPARE(sim.received().count("AT&V"), 1);
            QVERIFY(!run.err.contains("verifying"));
        }
        // The repeater is shown only where S141 went out.
        const bool master = options.contains("master");
        QCOMPARE(row.value(11), master ? QStringLiteral("on") : QString());
        QCOMPARE(object.value("settings").toObject().contains("repeater"), master);
    }

    // Ctrl-C or SIGTERM in a batch: before AT&W nothing more is sent and the
    // link is closed properly; after it the store is waited out and the check
    // skipped. Every unit has its row; SIGKILL leaves at least a pending one.
    void interruptions_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QByteArray>("at");
        QTest::addColumn<QString>("result");
        QTest::newRow("SIGINT while writing") << int(SIGINT) << QByteArray("ATS104=") << "interrupted";
        QTest::newRow("SIGTERM after AT&W") << int(SIGTERM) << QByteArray("AT&W") << "written";
        QTest::newRow("SIGINT after AT&W") << int(SIGINT) << QByteArray("AT&W") << "written";
        QTest::newRow("SIGKILL after AT&W") << int(SIGKILL) << QByteArray("AT&W") << "pending";
    }
    void interruptions()
    {
        QFETCH(int, signal);
        QFETCH(QByteArray, at);
        QFETCH(QString, result);
        QTemporaryDir dir;
        writeProfile(dir.filePath("p.json"), R"({"kvx-profile": 1, "product": "kv6", "module": "tarn", "mode": "p2mp"})");
        std::vector<std::unique_ptr<SimProcess>> units;
        QStringList arguments { "provision", "--profile", dir.filePath("p.json"), "--log", dir.filePath("units.csv") };
        for (int i = 0; i < 2; ++i) {
            units.push_back(std::make_unique<SimProcess>());
            QVERIFY(units.back()->start({ "--product", "kv6", "--module", "tarn" }));
            arguments << "--port" << units.back()->portPath();
        }
        QProcess process;
        startCli(process, arguments);
        for (const auto &unit : units)
            QVERIFY(unit->waitForReceived(at, 20000));
        ::kill(pid_t(process.processId()), signal);
        const CliRun run = finishCli(process, 15000);
        if (signal != SIGKILL) {
            QCOMPARE(run.exitCode, 128 + signal);
            QCOMPARE(run.out.count(": " + result.toUtf8()), 2);
            // Stopped before its check, a unit is never counted verified.
            QVERIFY2(run.out.contains("0 of 2 units verified"), run.out.constData());
        }
        const QList<QStringList> rows = readRecordRows(dir.filePath("units.csv"));
        QCOMPARE(rows.size(), 3);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(rows.at(1 + i).at(12), result);
            if (signal == SIGKILL)
                continue;
            // Closed properly; before AT&W it never goes out, after it
            // nothing but the link-close frame follows (no check).
            QTRY_COMPARE(units.at(i)->receivedLines().last().bytes, QByteArray::fromHex("fae200005f"));
            QList<QByteArray> sent;
            for (const ReceivedItem &item : units.at(i)->receivedLines())
                sent << item.bytes;
            const qsizetype store = sent.indexOf("AT&W\r\n");
            QCOMPARE(store < 0 ? -1 : sent.size() - store, result == "interrupted" ? -1 : 2);
        }
    }

    // An assembly line: units plugged in one after another get the next unit
    // addresses; a port the pattern does not match is never touched.
    void watchAssemblyLine()
    {
        QTemporaryDir dir;
        const QStringList links { dir.filePath("unit-a"), dir.filePath("unit-b"), dir.filePath("unit-c"), dir.filePath("bench") };
        writeProfile(dir.filePath("p.json"), R"({"kvx-profile": 1, "product": "kv6", "module": "skerry", "mode": "p2mp"})");
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("KVX_EXTRA_PORTS", links.join(':'));
        process.setProcessEnvironment(environment);
        startCli(process, { "provision", "--profile", dir.filePath("p.json"), "--watch", "--match", dir.filePath("unit-*"),
                            "--unit-start", "7", "--log", dir.filePath("units.csv") });
        std::vector<std::unique_ptr<SimProcess>> units;
        const int appearAfter[] = { 300, 2500, 4700, 300 };
        for (int i = 0; i < 4; ++i) {
            units.push_back(std::make_unique<SimProcess>());
            QVERIFY(units.back()->start({ "--product", "kv6", "--module", "skerry", "--link", links.at(i), "--appear-after",
                                          QString::number(appearAfter[i]) }));
        }
        const auto verifiedRows = [&] {
            const QList<QStringList> rows = readRecordRows(dir.filePath("units.csv"));
            return std::count_if(rows.begin(), rows.end(), [](const QStringList &row) { return row.value(12) == "verified"; });
        };
        QTRY_COMPARE_WITH_TIMEOUT(verifiedRows(), 3, 40000);
        ::kill(pid_t(process.processId()), SIGINT);
        const CliRun run = finishCli(process);
        QCOMPARE(run.exitCode, 130);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(units.at(i)->storedRegisters().value(105), 7 + i);
            QVERIFY2(run.out.contains(links.at(i).toUtf8() + ": verified"), run.out.constData());
        }
        QVERIFY(units.at(3)->received().isEmpty());
    }

    // A second signal ends at once; with --json what it says of the unit it
    // leaves stored is one JSON object, as everything else is.
    void secondSignalSpeaksJson()
    {
        QTemporaryDir dir;
        writeProfile(dir.filePath("p.json"), R"({"kvx-profile": 1, "product": "kv6", "module": "tarn", "mode": "p2p"})");
        SimProcess unit;
        QVERIFY(unit.start({ "--product", "kv6", "--module", "tarn" }));
        QProcess process;
        startCli(process, { "provision", "--profile", dir.filePath("p.json"), "--port", unit.portPath(), "--json" });
        QVERIFY(unit.waitForReceived("AT&W", 20000));
        // Two signals of one kind may arrive as one: SIGINT and SIGTERM,
        // whichever is handled second ends the run.
        ::kill(pid_t(process.processId()), SIGINT);
        ::kill(pid_t(process.processId()), SIGTERM);
        const CliRun run = finishCli(process, 15000);
        QVERIFY2(run.exitCode == 130 || run.exitCode == 143, qPrintable(QString::number(run.exitCode)));
        QJsonParseError error;
        const QJsonObject said = QJsonDocument::fromJson(run.out.trimmed(), &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, run.out.constData());
        QCOMPARE(said["exitStatus"].toInt(), run.exitCode);
        // Stopped at AT&W: its answer may or may not be in when the signals land.
        const QString status = said["units"].toArray().first()["status"].toString();
        QVERIFY2(status == "pending" || status == "written", qPrintable(status));
        QCOMPARE(said["units"].toArray().first()["port"].toString(), unit.portPath());
    }

    // Which product answers, and which modules' lists hold what it reported.
    void detect_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QStringList>("modules");
        QTest::newRow("KV5 at 2 W") << QStringList { "--product", "kv5", "--reg", "108=33" } << 0 << "kv5" << QStringList { "brae-loch", "half-fjord" };
        QTest::newRow("KV6 - KV7, link rate row 7") << QStringList { "--product", "kv6", "--reg", "103=8" } << 0 << "kv6"
                                                    << QStringList { "brae-loch", "skerry", "half-fjord" };
        QTest::newRow("link rate the modules read otherwise") << QStringList { "--product", "kv5", "--module", "half-fjord", "--reg", "103=1", "--reg", "101=2" }
                                                             << 0 << "kv5" << QStringList { "tarn", "brae-loch", "skerry", "half-fjord" };
        QTest::newRow("nothing answers") << QStringList { "--product", "kv5", "--error-on", "AT&V" } << 3 << "" << QStringList();
    }
    void detect()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(int, status);
        QFETCH(QString, product);
        QFETCH(QStringList, modules);
        SimProcess sim;
        QVERIFY(sim.start(simArgs));
        const CliRun run = cli({ "detect", "--port", sim.portPath(), "--json", "--timeout", "1500" });
        QCOMPARE(run.exitCode, status);
        // Each try ends with the link-close frame: the unit is left as found.
        QTRY_VERIFY(sim.received().endsWith(QByteArray::fromHex("fae200005f")));
        if (status != 0) {
            QVERIFY2(run.err.contains("nothing answered"), run.err.constData());
            return;
        }
        const QJsonObject object = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(object.value("product").toString(), product);
        QStringList found;
        for (const QJsonValue &module : object.value("modules").toArray())
            found << module.toString();
        QCOMPARE(found, modules);
        QCOMPARE(object.value("registers").toObject().value("S104").toInt(), int(sim.storedRegisters().value(104, 12345)));
        // Only what every candidate module reads alike is a setting; each
        // candidate's reading stands beside it.
        const QJsonObject settings = object.value("settings").toObject();
        const QJsonObject byModule = object.value("settingsByModule").toObject();
        QStringList candidates = modules.size() > 1 ? modules : QStringList();
        candidates.sort();
        QCOMPARE(byModule.keys(), candidates);
        for (const QString &module : byModule.keys()) {
            const QJsonObject read = byModule.value(module).toObject();
            for (const QString &key : settings.keys())
                QCOMPARE(read.value(key), settings.value(key));
        }
    }

    // Two runs at once on a new record: one header, every row whole.
    void recordSharedByTwoRuns()
    {
        QTemporaryDir dir;
        std::vector<std::unique_ptr<SimProcess>> units;
        std::vector<std::unique_ptr<QProcess>> runs;
        for (int i = 0; i < 2; ++i) {
            units.push_back(std::make_unique<SimProcess>());
            QVERIFY(units.back()->start({ "--product", "kv5", "--module", "tarn" }));
            runs.push_back(std::make_unique<QProcess>());
            startCli(*runs.back(), { "write", "--port", units.back()->portPath(), "--product", "kv5", "--module", "tarn",
                                     "--mode", "p2p", "--no-verify", "--log", dir.filePath("units.csv") });
        }
        for (const auto &run : runs)
            QCOMPARE(finishCli(*run).exitCode, 0);
        const QList<QStringList> rows = readRecordRows(dir.filePath("units.csv"));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0), recordHeader());
        QCOMPARE(rows.at(1).value(12), QStringLiteral("written"));
        QCOMPARE(rows.at(2).value(12), QStringLiteral("written"));
    }

    // Units checked against a profile: only what it names is compared, and
    // nothing but the read goes on the line.
    void check_data()
    {
        QTest::addColumn<QStringList>("unit");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        const QStringList kv6 { "--product", "kv6", "--module", "tarn" };
        QTest::newRow("matches") << kv6 + QStringList { "--reg", "103=4", "--reg", "104=321" }
                                 << QByteArray(R"({"linkRate": 115200, "networkAddress": 321})") << 0 << "matches";
        QTest::newRow("two settings differ")
            << kv6 + QStringList { "--reg", "103=1" } << QByteArray(R"({"linkRate": 115200, "networkAddress": 321})") << 8
            << "differs: network address 12345, the profile says 321; link rate 230400, the profile says 115200";
        QTest::newRow("only the network address") << kv6 + QStringList { "--reg", "103=1", "--reg", "104=321" }
                                                  << QByteArray(R"({"networkAddress": 321})") << 0 << "matches";
        QTest::newRow("silent unit") << QStringList { "--product", "kv5", "--module", "tarn" }
                                     << QByteArray(R"({"networkAddress": 321})") << 3 << "no settings report";
    }
    void check()
    {
        QFETCH(QStringList, unit);
        QFETCH(QByteArray, settings);
        QFETCH(int, status);
        QFETCH(QString, said);
        QTemporaryDir dir;
        writeProfile(dir.filePath("p.json"),
                     R"({"kvx-profile": 1, "product": "kv6", "module": "tarn", "mode": "p2mp", "settings": )" + settings + "}");
        SimProcess sim;
        QVERIFY(sim.start(unit));
        const CliRun run = cli({ "check", "--profile", dir.filePath("p.json"), "--port", sim.portPath(), "--quiet" });
        QCOMPARE(run.exitCode, status);
        QVERIFY2((run.out + run.err).contains(said.toUtf8()), (run.out + run.err).constData());
        if (status != 3)
            QCOMPARE(sim.received(), frameLinkOpen() + frameReadPrepare() + "AT&V\r\n" + frameLinkClose());
        QVERIFY(!sim.received().contains("ATS") && !sim.received().contains("AT&W") && !sim.received().contains("AT&F"));
    }

    // A check cut short says what it did: it never stores, so never speaks
    // of storing.
    void checkCutShort_data()
    {
        QTest::addColumn<bool>("pulled");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::newRow("stopped while reading") << false << 130 << "interrupted before the check ended";
        QTest::newRow("pulled while reading") << true << 5 << "the device went away";
    }
    void checkCutShort()
    {
        QFETCH(bool, pulled);
        QFETCH(int, status);
        QFETCH(QString, said);
        QTemporaryDir dir;
        writeProfile(dir.filePath("p.json"), R"({"kvx-profile": 1, "product": "kv6", "module": "tarn", "mode": "p2mp", "settings": {"baud": 9600}})");
        SimProcess sim;
        QVERIFY(sim.start({ "--product", "kv6", "--module", "tarn" }));
        QProcess process;
        startCli(process, { "check", "--profile", dir.filePath("p.json"), "--port", sim.portPath(), "--log", dir.filePath("units.csv") });
        // In the pause after the read-prepare frame, before "AT&V".
        QVERIFY(sim.waitForReceived(frameReadPrepare(), 20000));
        if (pulled)
            sim.kill();
        else
            ::kill(pid_t(process.processId()), SIGINT);
        const CliRun run = finishCli(process, 15000);
        QCOMPARE(run.exitCode, status);
        const QList<QStringList> rows = readRecordRows(dir.filePath("units.csv"));
        QCOMPARE(rows.size(), 2);
        QVERIFY2(rows.at(1).at(13).contains(said), qPrintable(rows.at(1).at(13)));
        for (const QByteArray &text : { run.out, run.err, rows.at(1).at(13).toUtf8() })
            QVERIFY2(!text.contains("stor") && !text.contains("AT&W"), text.constData());
    }

    // Quick pauses change when lines go, never which: the same bytes in the
    // same order, the same outcome and record row (but its pauses), also
    // for a refused line and a unit that does not answer (a KV5 at 115200).
    void quickPausesSameWire_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QStringList>("arguments");   // the simulator's port follows
        QTest::addColumn<QString>("result");
        const QStringList kv6 { "write", "--product", "kv6", "--module", "half-fjord", "--mode", "p2p", "--work-mode" };
        QTest::newRow("KV5 write") << QStringList { "--product", "kv5" } << QStringList { "write", "--product", "kv5",
            "--module", "tarn", "--mode", "p2mp", "--work-mode", "master", "--unit", "4" } << "verified";
        QTest::newRow("KV6 - KV7 write") << kv6.mid(1, 4) << kv6 + QStringList { "slave" } << "verified";
        QTest::newRow("refused line") << kv6.mid(1, 4) + QStringList { "--error-on", "ATS103" } << kv6 + QStringList { "master" } << "refused";
        QTest::newRow("check") << QStringList { "--product", "kv6", "--reg", "104=321" } << QStringList { "check", "--profile", "PROFILE" } << "matches";
        QTest::newRow("silent unit") << QStringList { "--product", "kv5" } << kv6 + QStringList { "slave" } << "failed";
    }
    void quickPausesSameWire()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QStringList, arguments);
        QFETCH(QString, result);
        QTemporaryDir dir;
        writeProfile(dir.filePath("p.json"), R"({"kvx-profile": 1, "product": "kv6", "module": "tarn", "mode": "p2mp", "settings": {"networkAddress": 321}})");
        arguments.replaceInStrings(QRegularExpression("^PROFILE$"), dir.filePath("p.json"));
        QByteArray wire[2];
        QStringList rows[2];
        for (int quick = 0; quick < 2; ++quick) {
            SimProcess sim;
            QVERIFY(sim.start(simArgs));
            const QString log = dir.filePath(QStringLiteral("units-%1.csv").arg(quick));
            cli(arguments + QStringList { "--port", sim.portPath(), "--log", log, "--quiet" } + QStringList(quick, "--quick"));
            // The last bytes on the line are the link's close frame.
            QTRY_VERIFY(sim.received().endsWith(frameLinkClose()));
            wire[quick] = sim.received();
            rows[quick] = readRecordRows(log).value(1);
            QCOMPARE(rows[quick].value(12), result);
            QCOMPARE(rows[quick].value(recordHeader().indexOf("pauses")), quick ? "quick" : "specified");
            // Its time, port, attempt and pauses aside, the row is the same.
            rows[quick] = rows[quick].mid(2, 12);
        }
        QCOMPARE(wire[1], wire[0]);
        QCOMPARE(rows[1], rows[0]);
    }

    // Asking for the pass-through rate writes nothing; only a rate given
    // goes out.
    void baudAsksWithoutWriting_data()
    {
        QTest::addColumn<QStringList>("set");
        QTest::addColumn<int>("written");
        QTest::newRow("asked") << QStringList() << 0;
        QTest::newRow("set") << QStringList { "--set", "57600" } << 57600;
    }
    void baudAsksWithoutWriting()
    {
        QFETCH(QStringList, set);
        QFETCH(int, written);
        SimProcess sim;
        QVERIFY(sim.start({ "--product", "kv6", "--module", "tarn" }));
        const CliRun run = cli(QStringList { "baud", "--port", sim.portPath() } + set);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(": pass-through baud "), run.out.constData());
        const QByteArray setFrame = QByteArray::fromHex("fab1");
        QCOMPARE(sim.received().contains(setFrame), written != 0);
        if (written)
            QVERIFY(sim.received().contains(frameSetBaud(written)));
    }

    // No room left for the unit's row: nothing is stored, the unit exits 7,
    // and every row recorded before stays.
    void fullRecordDisk()
    {
        QTemporaryDir dir;
        const QString mountPoint = dir.filePath("small");
        QVERIFY(QDir(dir.path()).mkdir("small"));
        if (QProcess::execute("mount", { "-t", "tmpfs", "-o", "size=8k", "tmpfs", mountPoint }) != 0)
            QSKIP("cannot mount a small tmpfs here (needs root); CI runs as root");
        struct Unmount {
            QString point;
            ~Unmount() { QProcess::execute("umount", { point }); }
        } unmount { mountPoint };
        const QString path = mountPoint + "/units.csv";
        UnitRecord earlier;
        earlier.config.port = QStringLiteral("/dev/ttyUSB0");
        earlier.result = QStringLiteral("verified");
        RecordFile record(path);
        QVERIFY(record.prepare());
        QFile filler(mountPoint + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) == 4096) {
        }
        // The record's last page is as full as rows make it.
        while (!record.writeRow({}, earlier, nullptr).isEmpty()) {
        }
        const QList<RecordRow> before = record.rows();
        QVERIFY(before.size() > 10);

        SimProcess sim;
        QVERIFY(sim.start({ "--product", "kv5", "--module", "tarn" }));
        const CliRun run = cli(unitArgs(sim, Product::Kv5, Module::Tarn, PointToPoint) + QStringList { "write", "--log", path });
        QCOMPARE(run.exitCode, 7);
        // Its pending row comes before the first line: nothing is written.
        QVERIFY2(run.err.contains("not started: " + path.toUtf8()), run.err.constData());
        QVERIFY(!sim.received().contains("AT&F"));
        QCOMPARE(record.rows().size(), before.size());
    }

    // Scripts run it on machines without a display: no Gui or Widgets
    // library is even loaded.
    void runsWithoutDisplay()
    {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), { cliPath() });
        QVERIFY(ldd.waitForFinished(30000));
        const QByteArray libraries = ldd.readAllStandardOutput();
        QVERIFY(libraries.contains("libQt6Core"));
        QVERIFY2(!libraries.contains("libQt6Gui") && !libraries.contains("libQt6Widgets"), libraries.constData());

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("KVX_EXTRA_PORTS"), QStringLiteral("/nonexistent/ttyKVX"));
        process.setProcessEnvironment(environment);
        startCli(process, { "ports", "--json" });
        const CliRun run = finishCli(process);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QJsonDocument::fromJson(run.out).isArray());
        QVERIFY(!run.out.contains("/nonexistent/ttyKVX"));
        QCOMPARE(cli({ "--version" }).out.trimmed(), QByteArray("kvx-cli " KVX_VERSION));
        // Each command's help: its options, the module's values, an example;
        // --help-all without the toolkit's own options.
        const CliRun help = cli({ "help", "write" });
        QCOMPARE(help.out, cli({ "write", "--help" }).out);
        for (const char *text : { "--link-rate", "276480", "Example:" })
            QVERIFY2(help.out.contains(text), help.out.constData());
        const CliRun all = cli({ "--help-all" });
        QCOMPARE(all.exitCode, 0);
        QVERIFY(all.out.contains("kvx-cli baud") && !all.out.contains("qmljsdebugger") && !all.out.contains("-platform"));
    }

    void provisionFourUnits()
    {
        QTemporaryDir dir;
        const QString profilePath = dir.filePath("batch.json");
        QFile file(profilePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "mode": "p2mp",
                       "settings": {"workMode": "slave", "baud": 19200, "power": "500mW"}})");
        file.close();
        std::vector<std::unique_ptr<SimProcess>> units;
        QStringList arguments { "provision", "--profile", profilePath, "--unit-start", "10", "--log", dir.filePath("record.csv") };
        for (int i = 0; i < 4; ++i) {
            units.push_back(std::make_unique<SimProcess>());
            QVERIFY(units.back()->start({ "--product", "kv5", "--module", "tarn" }));
            arguments << "--port" << units.back()->portPath();
        }
        const CliRun run = cli(arguments);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const qint64 network = units.front()->storedRegisters().value(104);
        QVERIFY(network >= 1 && network <= 32768);
        for (int i = 0; i < 4; ++i) {
            const QMap<int, qint64> stored = units.at(i)->storedRegisters();
            QCOMPARE(stored.value(105), 10 + i);
            QCOMPARE(stored.value(104), network);
            QCOMPARE(stored.value(101), 2);
            QCOMPARE(stored.value(102), 5);
            QCOMPARE(stored.value(108), 27);
            QVERIFY(run.out.contains(units.at(i)->portPath().toUtf8() + ": verified"));
            // Progress as plain lines when stderr is no terminal.
            QVERIFY(run.err.contains(units.at(i)->portPath().toUtf8() + ": writing 7 of 7\n"));
        }
        // Each unit's pending row, then its final one.
        QFile record(dir.filePath("record.csv"));
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = record.readAll().trimmed().split('\n');
        QCOMPARE(rows.size(), 9);
        QVERIFY(rows.first().startsWith("\xEF\xBB\xBFtime_utc,port,product,module,mode,unit_address,network_address"));
        QCOMPARE(rows.count(rows.first()), 1);
        const QList<QStringList> ended = readRecordRows(dir.filePath("record.csv"));
        QCOMPARE(ended.size(), 5);
        for (int i = 1; i < 5; ++i)
            QCOMPARE(ended.at(i).mid(2, 3) + ended.at(i).mid(12, 1), (QStringList { "kv5", "tarn", "p2mp", "verified" }));
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
