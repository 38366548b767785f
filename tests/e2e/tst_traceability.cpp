// Each unit's own code from where it is scanned to where it is kept: the
// window's field (a scanner's Return starts the write), the batch dialog's
// code column, kvx-cli's --serial, --serials and codes on standard input;
// then found again by record list --serial and record check, and on a label
// that zbarimg reads.

#include <QCheckBox>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <csignal>

#include "app/chartwidget.h"
#include "app/provisiondialog.h"
#include "app/toolsettings.h"
#include "e2e/rig.h"
#include "records/recordfile.h"
#include "records/recordlocation.h"

namespace {

struct Run {
    int status = -1;
    QByteArray out;
};

Run cli(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kvx-cli"), arguments);
    process.write(input);
    process.closeWriteChannel();
    // Events flow meanwhile: a window under test stays alive.
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 60000))
        process.kill();
    process.waitForFinished();
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
             process.readAllStandardOutput() + process.readAllStandardError() };
}

QStringList serialsOf(const QString &record)
{
    QStringList codes;
    for (const RecordRow &row : openRecord(record)->rows())
        codes << row.record.serial;
    return codes;
}

QByteArray decodedLabel(const QString &pdf, const QString &dir)
{
    QProcess::execute("pdftoppm", { "-r", "300", "-gray", "-png", "-singlefile", pdf, dir + "/label" });
    QProcess zbar;
    zbar.start("zbarimg", { "--raw", "-q", dir + "/label.png" });
    zbar.waitForFinished();
    return zbar.readAllStandardOutput().trimmed();
}

} // namespace

class TestTraceability : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // A scanner types the code and Return: the write starts, the code is in
    // the row, the field is empty for the next unit and the label decodes.
    void windowScanWritesAndLabels()
    {
        const QString record = dir.filePath("window.csv");
        {
            QSettings settings = toolSettings();
            settings.setValue(QLatin1String(RecordKey), record);
            settings.setValue(QLatin1String(VerifyKey), true);
            settings.setValue(QLatin1String(UnitCodesKey), true);
            settings.setValue(QLatin1String(WriteOnScanKey), true);
            settings.setValue(QLatin1String(LabelAfterWriteKey), true);
            settings.setValue(QLatin1String(LabelFolderKey), dir.filePath("labels"));
        }
        Rig rig;
        QVERIFY(rig.start(KV5, Tarn, PointToMultipoint));
        rig.toggleLink();
        QVERIFY(rig.read());
        QLineEdit *code = rig.edit("SerialCodeEdit");
        QVERIFY(code->isVisible());
        rig.edit("UnitEdit")->setText("9");
        code->setFocus();
        QTest::keyClicks(code, "SN-W1");
        QTest::keyClick(code, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(rig.status().contains("verified"), 20000);
        QVERIFY(rig.settle());
        QCOMPARE(serialsOf(record), QStringList { "SN-W1" });
        QCOMPARE(code->text(), QString());
        QCOMPARE(rig.sim.storedRegisters().value(105), 9);
        const QStringList labels = QDir(dir.filePath("labels")).entryList({ "SN-W1-*.pdf" });
        QCOMPARE(labels.size(), 1);
        const QByteArray decoded = decodedLabel(dir.filePath("labels/" + labels.first()), dir.path());
        QVERIFY2(decoded.startsWith("KVX;product=KV5;module=Tarn;mode=p2mp;") && decoded.contains(";unit=9;code=SN-W1;"),
                 decoded.constData());
        // The record view's day: the unit among the figures, drawn in charts.
        rig.action("ActionShowRecord")->trigger();
        QLabel *day = nullptr;
        QTRY_VERIFY((day = rig.window->findChild<QLabel *>("DaySummaryLabel")));
        // Read on the dialog's worker: shown once it is in.
        QTRY_COMPARE(day->text(), QStringLiteral("1 good units of 1 attempts (100 %)"));
        const QList<ChartWidget *> charts = day->window()->findChildren<ChartWidget *>();
        QCOMPARE(charts.size(), 4);
        int attempts = 0;
        for (const ChartBar &bar : day->window()->findChild<ChartWidget *>("DayChart0")->chart().bars)
            attempts += bar.value;
        QCOMPARE(attempts, 1);
        toolSettings().clear();
    }

    // The window's field: a code against the rule is refused with its
    // reason; a code the record holds for another unit is asked about, and
    // nothing is sent unless the operator says so.
    void windowCodeRefusedOrAsked_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("answer");   // 0: no question
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("rows");
        QTest::newRow("control character") << "SN-\aW" << 0 << "Not taken: unit code SN-\\x07W holds a control character (\\x07)" << 1;
        QTest::newRow("too long") << QString(65, 'W') << 0 << "is 65 characters long" << 1;
        QTest::newRow("held, not written") << "SN-HELD" << int(QMessageBox::No) << "Not written: unit code SN-HELD is recorded for another unit." << 1;
        QTest::newRow("held, written knowingly") << "SN-HELD" << int(QMessageBox::Yes) << "verified" << 2;
    }
    void windowCodeRefusedOrAsked()
    {
        QFETCH(QString, code);
        QFETCH(int, answer);
        QFETCH(QString, said);
        QFETCH(int, rows);
        const QString record = dir.filePath(QStringLiteral("held-%1.csv").arg(QTest::currentDataTag()).replace(' ', '-'));
        UnitRecord held;
        held.time = QDateTime::currentDateTimeUtc();
        held.config = { QStringLiteral("/dev/ttyUSB9"), Product::Kv5, Module::Tarn, LinkMode::PointToMultipoint };
        held.settings.registers = { { Reg::NetworkAddress, 42 }, { Reg::UnitAddress, 7 } };
        held.result = QStringLiteral("verified");
        held.serial = QStringLiteral("SN-HELD");
        QVERIFY(!RecordFile(record).writeRow({}, held, nullptr).isEmpty());
        {
            QSettings settings = toolSettings();
            settings.setValue(QLatin1String(RecordKey), record);
            settings.setValue(QLatin1String(VerifyKey), true);
            settings.setValue(QLatin1String(UnitCodesKey), true);
            settings.setValue(QLatin1String(WriteOnScanKey), true);
        }
        Rig rig;
        QVERIFY(rig.start(KV5, Tarn, PointToMultipoint));
        rig.toggleLink();
        QVERIFY(rig.read());
        const int unitBefore = rig.sim.storedRegisters().value(105);
        rig.edit("UnitEdit")->setText(QString::number(unitBefore == 9 ? 8 : 9));
        QLineEdit *field = rig.edit("SerialCodeEdit");
        field->setText(code);
        QTest::keyClick(field, Qt::Key_Return);
        if (answer) {
            QMessageBox *question = nullptr;
            QTRY_VERIFY_WITH_TIMEOUT((question = rig.window->findChild<QMessageBox *>("CodeInUseQuestion")), 10000);
            QVERIFY2(question->text().contains("network 42 unit 7"), qPrintable(question->text()));
            question->button(QMessageBox::StandardButton(answer))->click();
        }
        QTRY_VERIFY2_WITH_TIMEOUT(rig.status().contains(said), qPrintable(rig.status()), 20000);
        QVERIFY(rig.settle());
        QCOMPARE(openRecord(record)->rows().size(), rows);
        QCOMPARE(rig.sim.storedRegisters().value(105) != unitBefore, rows == 2);
        toolSettings().clear();
    }

    // A scanner's burst while the focus is on a button still becomes the
    // unit's code and starts the write; the keyboard is back at the code
    // after the read and the write. With the field hidden, keys go where
    // they are typed, at once.
    void scanWithFocusElsewhere()
    {
        const QString record = dir.filePath("elsewhere.csv");
        {
            QSettings settings = toolSettings();
            settings.setValue(QLatin1String(RecordKey), record);
            settings.setValue(QLatin1String(UnitCodesKey), true);
            settings.setValue(QLatin1String(WriteOnScanKey), true);
        }
        Rig rig;
        QVERIFY(rig.start(KV5, Tarn, PointToMultipoint));
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        rig.toggleLink();
        QVERIFY(rig.read());
        QLineEdit *code = rig.edit("SerialCodeEdit");
        QTRY_VERIFY(code->hasFocus());
        QPushButton *disconnect = rig.button("ConnectButton");
        disconnect->setFocus();
        QTRY_VERIFY(disconnect->hasFocus());
        QTest::keyClicks(disconnect, "SN-0042");
        QTest::keyClick(disconnect, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(rig.status().contains("written, not checked"), 20000);
        QVERIFY(rig.settle());
        QVERIFY(rig.isOpen());
        QCOMPARE(serialsOf(record), QStringList { "SN-0042" });
        QTRY_VERIFY(code->hasFocus());

        rig.action("ActionUnitCodes")->trigger();
        QVERIFY(!code->isVisible());
        QLineEdit *unit = rig.edit("UnitEdit");
        unit->setFocus();
        unit->clear();
        QTest::keyClicks(unit, "12");
        QCOMPARE(unit->text(), QStringLiteral("12"));
        toolSettings().clear();
    }

    // Codes typed into the batch's rows end in each unit's row.
    void batchCodesPerRow()
    {
        std::vector<std::unique_ptr<SimProcess>> units;
        QStringList paths;
        for (int i = 0; i < 2; ++i) {
            units.push_back(std::make_unique<SimProcess>());
            QVERIFY(units.back()->start({ "--product", "kv5", "--module", "tarn" }));
            paths << units.back()->portPath();
        }
        qputenv("KVX_EXTRA_PORTS", paths.join(':').toLocal8Bit());
        ProvisionProfile profile;
        QString error;
        QVERIFY(parseProfile(R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "mode": "p2mp",
                                "settings": {"networkAddress": 321}})", &profile, &error));
        ProvisionDialog dialog;
        dialog.setFormProfile(profile, QString());
        dialog.setRecordLocation(dir.filePath("batch.kvxdb"));
        dialog.show();
        auto *list = dialog.findChild<QTreeWidget *>("PortList");
        QTRY_COMPARE(list->findItems(paths.at(1), Qt::MatchExactly).size(), 1);
        list->findItems(paths.at(0), Qt::MatchExactly).first()->setText(3, "SN-B0");
        list->findItems(paths.at(0), Qt::MatchExactly).first()->setCheckState(0, Qt::Checked);
        // Scanned: into the row chosen, which it ticks.
        list->setCurrentItem(list->findItems(paths.at(1), Qt::MatchExactly).first());
        QTest::keyClicks(dialog.findChild<QLineEdit *>("BatchCodeEdit"), "SN-B1");
        QTest::keyClick(dialog.findChild<QLineEdit *>("BatchCodeEdit"), Qt::Key_Return);
        dialog.findChild<QPushButton *>("StartButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isRunning(), 30000);
        // The rows reach the database from the station's outbox, just after.
        const auto codes = [this] {
            QStringList all = serialsOf(dir.filePath("batch.kvxdb"));
            all.sort();
            return all;
        };
        QTRY_COMPARE(codes(), (QStringList { "SN-B0", "SN-B1" }));
    }

    // kvx-cli: codes by port, from a file, and from standard input on the
    // assembly line; a unit's history by its code; a code written on two
    // addresses found; a label from the record that decodes.
    void cliCodesEndInEveryRecord_data()
    {
        QTest::addColumn<QString>("record");
        QTest::newRow("CSV journal") << "--log";
        QTest::newRow("SQLite") << "--record";
    }
    void cliCodesEndInEveryRecord()
    {
        QFETCH(QString, record);
        const QString path = dir.filePath(record == "--log" ? "cli.csv" : "cli.kvxdb");
        std::vector<std::unique_ptr<SimProcess>> units;
        QStringList ports;
        for (int i = 0; i < 3; ++i) {
            units.push_back(std::make_unique<SimProcess>());
            QVERIFY(units.back()->start({ "--product", "kv5", "--module", "tarn" }));
            ports << units.back()->portPath();
        }
        QFile profile(dir.filePath("p.json"));
        QVERIFY(profile.open(QIODevice::WriteOnly));
        profile.write(R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "mode": "p2mp", "settings": {"networkAddress": 77}})");
        profile.close();
        QFile serials(dir.filePath("codes.txt"));
        QVERIFY(serials.open(QIODevice::WriteOnly));
        serials.write(("# scanned\n" + ports.at(1) + "=SN-C1\n").toUtf8());
        serials.close();
        Run run = cli({ "provision", "--profile", dir.filePath("p.json"), "--port", ports.at(0), "--port", ports.at(1),
                        "--unit-start", "1", "--serial", ports.at(0) + "=SN-C0", "--serials", dir.filePath("codes.txt"),
                        record, path, "--quiet" });
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains(ports.at(1).toUtf8() + ": verified (network address 77, unit address 2) [code SN-C1]"),
                 run.out.constData());
        // The same unit written again with another unit address: only
        // knowingly, since the record holds its code for unit 1.
        const QStringList again { "write", "--port", ports.at(2), "--product", "kv5", "--module", "tarn", "--mode", "p2mp",
                                  "--unit", "5", "--address", "77", "--serial", "SN-C0", record, path, "--quiet" };
        run = cli(again);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.contains("unit code SN-C0 is recorded for network 77 unit 1"), run.out.constData());
        run = cli(again + QStringList { "--replace" });
        QCOMPARE(run.status, 0);
        QCOMPARE(serialsOf(path), (QStringList { "SN-C0", "SN-C1", "SN-C0" }));
        run = cli({ "record", "list", "--record", path, "--serial", "SN-C0" });
        QCOMPARE(run.out.count("code SN-C0"), 2);
        QVERIFY(!run.out.contains("SN-C1"));
        run = cli({ "record", "check", "--record", path });
        QCOMPARE(run.status, 4);
        QVERIFY2(run.out.contains("unit code SN-C0 is configured with 2 addresses (network 77 unit 1, network 77 unit 5)"),
                 run.out.constData());
        run = cli({ "label", "--record", path, "--serial", "SN-C1", "--pdf", dir.filePath("c1.pdf") });
        QCOMPARE(run.status, 0);
        const QByteArray decoded = decodedLabel(dir.filePath("c1.pdf"), dir.path());
        QVERIFY2(decoded.contains(";network=77;unit=2;code=SN-C1;"), decoded.constData());
    }

    // On the assembly line each line of standard input is the next unit's code.
    void codesFromStandardInput()
    {
        const QString link = dir.filePath("line-unit");
        QFile profile(dir.filePath("p2.json"));
        QVERIFY(profile.open(QIODevice::WriteOnly));
        profile.write(R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "mode": "p2mp"})");
        profile.close();
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("KVX_EXTRA_PORTS", link);
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + "/kvx-cli",
                      { "provision", "--profile", dir.filePath("p2.json"), "--watch", "--match", link, "--unit-start", "4",
                        "--log", dir.filePath("line.csv") });
        QVERIFY(process.waitForStarted());
        process.write("SN-L1\n");
        QByteArray said;
        QTRY_VERIFY((said += process.readAllStandardError()).contains("code SN-L1: for the next unit plugged in"));
        SimProcess unit;
        QVERIFY(unit.start({ "--product", "kv5", "--module", "tarn", "--link", link, "--appear-after", "300" }));
        QTRY_COMPARE_WITH_TIMEOUT(serialsOf(dir.filePath("line.csv")).value(0), QStringLiteral("SN-L1"), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(readRecordRows(dir.filePath("line.csv")).value(1).value(12) == "verified", 30000);
        ::kill(pid_t(process.processId()), SIGINT);
        QVERIFY(process.waitForFinished(20000));
    }
};

QTEST_MAIN(TestTraceability)
#include "tst_traceability.moc"
