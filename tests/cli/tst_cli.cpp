// kvx-cli against the simulated modem: the same wire as the window, the JSON
// it prints, its exit statuses, and a batch of units provisioned at once.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include "../e2e/rig.h"

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

QStringList unitArgs(const SimProcess &sim, int product, int module, int mode)
{
    return { "--port", sim.portPath(), "--product", productArg(product), "--module", moduleArg(module),
             "--mode", mode == PointToMultipoint ? "p2mp" : "p2p" };
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
        QTest::addColumn<int>("product");
        QTest::addColumn<int>("module");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("workMode");
        QTest::addColumn<QStringList>("options");
        for (int product : { KV5, KV6 }) {
            const char *p = product == KV5 ? "KV5" : "KV6 - KV7";
            QTest::addRow("%s Tarn", p) << product << int(Tarn) << int(PointToMultipoint) << 0
                                        << QStringList { "--work-mode", "master", "--repeater", "on", "--unit", "5" };
            QTest::addRow("%s Brae - Loch", p) << product << int(BraeLoch) << int(PointToPoint) << 1
                                               << QStringList { "--work-mode", "repeater", "--power", "2000mW" };
            QTest::addRow("%s Skerry", p) << product << int(Skerry) << int(PointToMultipoint) << 2
                                          << QStringList { "--work-mode", "slave", "--link-rate", "57600", "--unit", "5" };
            QTest::addRow("%s Half Fjord", p) << product << int(HalfFjord) << int(PointToPoint) << 2
                                              << QStringList { "--work-mode", "slave", "--baud", "115200", "--power", "1000mW" };
        }
    }
    void sameWireAsWindow()
    {
        QFETCH(int, product);
        QFETCH(int, module);
        QFETCH(int, mode);
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
    }

    void statuses_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QStringList>("arguments");   // "PORT" stands for the simulator's port
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("named");
        const QStringList tarn { "--port", "PORT", "--product", "kv5", "--module", "tarn" };
        QTest::newRow("verified") << QStringList() << QStringList { "write" } + tarn + QStringList { "--link-rate", "57600" } << 0 << "";
        QTest::newRow("stuck register") << QStringList { "--stuck", "103=1" } << QStringList { "write" } + tarn + QStringList { "--link-rate", "57600" }
                                        << 4 << "S103";
        QTest::newRow("missing port") << QStringList() << QStringList { "read", "--port", "/nonexistent/ttyKVX", "--product", "kv5", "--module", "tarn" }
                                      << 2 << "/nonexistent/ttyKVX";
        QTest::newRow("KV6 settings against a KV5 unit") << QStringList() << QStringList { "write", "--port", "PORT", "--product", "kv6", "--module", "tarn", "--timeout", "1500" }
                                                         << 3 << "PORT";
        QTest::newRow("baud not in the list") << QStringList() << QStringList { "write" } + tarn + QStringList { "--baud", "9601" } << 1 << "--baud";
        QTest::newRow("2 W on Tarn") << QStringList() << QStringList { "write" } + tarn + QStringList { "--power", "2000mW" } << 1 << "1000mW";
        QTest::newRow("repeater on Half Fjord") << QStringList()
                                                << QStringList { "write", "--port", "PORT", "--product", "kv5", "--module", "half-fjord", "--work-mode", "repeater" }
                                                << 1 << "master, slave";
        QTest::newRow("unit address in point to point") << QStringList() << QStringList { "write" } + tarn + QStringList { "--unit", "3" } << 1 << "--unit";
        QTest::newRow("address too large") << QStringList() << QStringList { "write" } + tarn + QStringList { "--address", "4294967296" } << 1 << "--address";
        QTest::newRow("unknown module") << QStringList() << QStringList { "read", "--port", "PORT", "--product", "kv5", "--module", "fjord" } << 1 << "half-fjord";
        QTest::newRow("no command") << QStringList() << QStringList() << 1 << "command";
        QTest::newRow("baud to set not offered") << QStringList() << QStringList { "baud", "--port", "PORT", "--set", "9600" } << 1 << "230400";
    }
    void statuses()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, named);
        SimProcess sim;
        QVERIFY(sim.start(QStringList { "--product", "kv5" } + simArgs));
        arguments.replaceInStrings(QRegularExpression("^PORT$"), sim.portPath());
        named.replace("PORT", sim.portPath());
        const CliRun run = cli(arguments);
        QVERIFY2(run.exitCode == status, qPrintable(QStringLiteral("exit %1: %2").arg(run.exitCode).arg(QString::fromUtf8(run.err))));
        if (status == 0)
            return;
        const QList<QByteArray> errorLines = run.err.trimmed().split('\n');
        QCOMPARE(errorLines.size(), 1);
        QVERIFY2(errorLines.first().contains(named.toUtf8()), run.err.constData());
        if (status == 1)
            QVERIFY(sim.received().isEmpty());
    }

    // The unit vanishing in the middle of a write: status 5, at once.
    void lostMidWrite()
    {
        SimProcess sim;
        QVERIFY(sim.start({ "--product", "kv6", "--module", "skerry" }));
        QProcess process;
        startCli(process, QStringList { "write", "--port", sim.portPath(), "--product", "kv6", "--module", "skerry", "--work-mode", "slave" });
        QVERIFY(sim.waitForReceived("ATS102=", 20000));
        sim.kill();
        const CliRun run = finishCli(process, 10000);
        QCOMPARE(run.exitCode, 5);
        QVERIFY2(run.err.contains(sim.portPath().toUtf8()), run.err.constData());
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
        QCOMPARE(cli({ "--version" }).out.trimmed(), QByteArray("kvx-cli 2.0.7"));
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
        }
        QFile record(dir.filePath("record.csv"));
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = record.readAll().trimmed().split('\n');
        QCOMPARE(rows.size(), 5);
        QVERIFY(rows.first().startsWith("time,port,product,module,mode,unit_address,network_address"));
        for (int i = 1; i < 5; ++i)
            QVERIFY2(rows.at(i).contains(",kv5,tarn,p2mp,") && rows.at(i).contains(",verified,"), rows.at(i).constData());
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
