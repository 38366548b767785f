// Provisioning a batch from the window, against the simulated modem, through
// the Tools menu: profiles, the check after a write, the record of every
// unit, the next unit address and the added status messages.

#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

#include "app/provisiondialog.h"
#include "records/databaserecord.h"
#include "records/recordfile.h"
#include "rig.h"

namespace {

// Handles the next modal dialog once it is up (file dialogs, questions).
void whenDialogOpens(std::function<void(QWidget *)> handle)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, handle] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        handle(dialog);
    });
    poll->start(20);
}

void chooseFile(const QString &path)
{
    whenDialogOpens([path](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        QVERIFY(dialog);
        // As the operator would: the path typed into the file name box.
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        static_cast<QDialog *>(dialog)->accept();   // QFileDialog::accept, which takes the file
    });
}

// Yes is clicked; No is the answer Enter gives.
void answer(QMessageBox::StandardButton button, QString *question = nullptr, QColor *textColour = nullptr)
{
    whenDialogOpens([button, question, textColour](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        QVERIFY(box);
        if (question)
            *question = box->text();
        if (textColour) {
            auto *text = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            *textColour = text->palette().color(text->foregroundRole());
        }
        if (button == QMessageBox::No)
            QTest::keyClick(box, Qt::Key_Return);
        else
            box->button(button)->click();
    });
}

QStringList formValues(const Rig &rig)
{
    return { rig.combo("WorkModeBox")->currentText(), rig.combo("BaudSetBox")->currentText(),
             rig.combo("AirSpeedBox")->currentText(), rig.combo("OutputPowerBox")->currentText(),
             rig.combo("repeater_state")->currentText(), rig.edit("AddressEdit")->text(), rig.edit("UnitEdit")->text() };
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Connected and read: the form is filled from the unit.
bool readyRig(Rig &rig, Product product, Module module, LinkMode mode, const QStringList &simArgs = {})
{
    if (!rig.start(product, module, mode, simArgs))
        return false;
    rig.toggleLink();
    return rig.read();
}

// Triggers an action whose dialog a handler above answers, and waits for it.
void answerDialog(Rig &rig, const char *action)
{
    rig.action(QLatin1String(action))->trigger();
    QVERIFY(rig.settle());
}

void write(Rig &rig)
{
    rig.write();
}

} // namespace

class TestProvisioning : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
    }
    void init()
    {
        // No record remembered from an earlier test.
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                      + "/kvx-config/kvx-config.ini");
    }

    void saveThenLoadRoundTrips()
    {
        Rig rig;
        QVERIFY(rig.start(KV6, BraeLoch, PointToMultipoint));
        // Before a read the lists are empty: loading says so and does nothing.
        answerDialog(rig, "ActionLoadProfile");
        QCOMPARE(rig.status(), QStringLiteral("Connect and read the unit before loading a profile."));
        QVERIFY(!QApplication::activeModalWidget());

        rig.toggleLink();
        QVERIFY(rig.read());
        rig.combo("WorkModeBox")->setCurrentIndex(2);
        rig.combo("BaudSetBox")->setCurrentText("38400");
        rig.combo("AirSpeedBox")->setCurrentText("340000");
        rig.combo("OutputPowerBox")->setCurrentText("2000mW");
        rig.combo("repeater_state")->setCurrentIndex(1);
        rig.edit("AddressEdit")->setText("4321");
        rig.edit("UnitEdit")->setText("12");
        const QStringList saved = formValues(rig);
        // Typed without its suffix, the name gets one.
        const QString path = dir.filePath("round-trip.json");
        chooseFile(dir.filePath("round-trip"));
        answerDialog(rig, "ActionSaveProfile");
        QVERIFY(QFile::exists(path));
        QVERIFY(rig.status().contains("round-trip.json"));
        QVERIFY(!rig.action("ActionApplyProfile")->isEnabled());

        rig.combo("WorkModeBox")->setCurrentIndex(0);
        rig.combo("BaudSetBox")->setCurrentIndex(0);
        rig.combo("AirSpeedBox")->setCurrentIndex(0);
        rig.combo("OutputPowerBox")->setCurrentIndex(0);
        rig.combo("repeater_state")->setCurrentIndex(0);
        rig.edit("AddressEdit")->setText("1");
        rig.edit("UnitEdit")->setText("2");
        chooseFile(path);
        answerDialog(rig, "ActionLoadProfile");
        QCOMPARE(formValues(rig), saved);
        QCOMPARE(rig.status(), QStringLiteral("Profile round-trip.json applied."));
        QVERIFY(rig.action("ActionApplyProfile")->isEnabled());

        // The same file drives kvx-cli: it is the engine's profile format.
        ProvisionProfile parsed;
        QString error;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(parseProfile(file.readAll(), &parsed, &error), qPrintable(error));
        QCOMPARE(parsed.settings.value(Reg::NetworkAddress), 4321);
    }

    void refusedProfileLeavesForm_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("named");
        QTest::newRow("another module") << QByteArray(R"({"kvx-profile": 1, "product": "kv5", "module": "skerry", "mode": "p2mp"})") << "for the Skerry module, the unit has Tarn";
        QTest::newRow("another mode") << QByteArray(R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "mode": "p2p"})") << "for point to point, the unit runs point to multipoint";
        QTest::newRow("power the module lacks")
            << QByteArray(R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "mode": "p2mp", "settings": {"baud": 300, "power": "2000mW"}})")
            << "settings.power";
        QTest::newRow("unknown key") << QByteArray(R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "mode": "p2mp", "colour": "red"})") << "colour";
    }
    void refusedProfileLeavesForm()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, named);
        Rig rig;
        QVERIFY(readyRig(rig, KV5, Tarn, PointToMultipoint));
        const QStringList before = formValues(rig);
        const QString path = dir.filePath("refused.json");
        writeFile(path, json);
        chooseFile(path);
        answerDialog(rig, "ActionLoadProfile");
        QVERIFY2(rig.status().contains(named), qPrintable(rig.status()));
        QVERIFY(rig.label("DisplayLabel")->isVisible());
        QCOMPARE(formValues(rig), before);
        QVERIFY(!rig.action("ActionApplyProfile")->isEnabled());
    }

    // The profile after every read, and the lock over the profile's address.
    void applyAfterEachReadKeepsLock()
    {
        Rig rig;
        QVERIFY(readyRig(rig, KV5, Skerry, PointToPoint));
        const QString path = dir.filePath("batch.json");
        writeFile(path, R"({"kvx-profile": 1, "product": "kv5", "module": "skerry",
                           "settings": {"workMode": "slave", "linkRate": 276000, "networkAddress": 555}})");
        rig.button("RandButton")->click();
        rig.button("LockButton")->click();
        const QString locked = rig.edit("AddressEdit")->text();
        chooseFile(path);
        answerDialog(rig, "ActionLoadProfile");
        QCOMPARE(rig.combo("WorkModeBox")->currentText(), QStringLiteral("Slave(Remote)"));
        QCOMPARE(rig.edit("AddressEdit")->text(), locked);
        rig.action("ActionApplyProfile")->trigger();
        QVERIFY(rig.action("ActionApplyProfile")->isChecked());

        // Next unit: connect and read; the profile follows the report.
        rig.toggleLink();
        rig.toggleLink();
        QVERIFY(rig.read());
        QVERIFY2(rig.status().endsWith(QStringLiteral("Profile batch.json applied.")), qPrintable(rig.status()));
        QTRY_COMPARE(rig.combo("AirSpeedBox")->currentText(), QStringLiteral("276000"));
        QCOMPARE(rig.combo("WorkModeBox")->currentText(), QStringLiteral("Slave(Remote)"));
        QCOMPARE(rig.edit("AddressEdit")->text(), locked);
    }

    void verifyAfterWrite_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("result");
        QTest::newRow("good unit") << QStringList() << "verified" << "verified";
        QTest::newRow("stuck link rate") << QStringList { "--stuck", "103=1" } << "mismatch: S103 reads 1, 4 was written" << "mismatch";
        QTest::newRow("stops answering") << QStringList { "--silent-after-store" }
                                         << "written, but not verified: the modem stopped answering" << "written";
    }
    void verifyAfterWrite()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QString, ending);
        QFETCH(QString, result);
        Rig rig;
        QVERIFY(readyRig(rig, KV6, Tarn, PointToMultipoint, simArgs));
        const QString record = dir.filePath(QStringLiteral("verify-%1.csv").arg(QTest::currentDataTag()).replace(' ', '-'));
        chooseFile(record);
        answerDialog(rig, "ActionRecord");
        rig.action("ActionVerifyWrite")->trigger();
        rig.combo("AirSpeedBox")->setCurrentIndex(4);
        rig.edit("UnitEdit")->setText("3");
        write(rig);
        QVERIFY2(rig.status().endsWith(ending), qPrintable(rig.status()));
        QVERIFY(rig.status().startsWith(QStringLiteral("unit 3 · ")));
        // The form shows what was written, ready to be written again.
        QCOMPARE(rig.combo("AirSpeedBox")->currentIndex(), 4);
        QVERIFY(rig.button("ConfigButton")->isEnabled());
        QVERIFY(rig.sim.received().endsWith(QByteArray::fromHex("fae100005f") + "AT&V\r\n"));
        const QList<QStringList> rows = readRecordRows(record);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(1).at(1), rig.sim.portPath());
        QCOMPARE(rows.at(1).at(5), QStringLiteral("3"));
        QCOMPARE(rows.at(1).at(12), result);
    }

    // A unit that does not answer the read at all.
    void readTimeout()
    {
        Rig rig;
        SimProcess kv5;
        QVERIFY(rig.start(KV6, Tarn, PointToPoint));
        rig.sim.terminate();
        QVERIFY(kv5.start({ "--product", "kv5" }));
        qputenv("KVX_EXTRA_PORTS", kv5.portPath().toLocal8Bit());
        rig.button("flush")->click();
        rig.combo("SerialBox")->setCurrentIndex(rig.combo("SerialBox")->findText(kv5.portPath()));
        rig.toggleLink();
        rig.button("RefreshButton")->click();
        QVERIFY(rig.settle());
        QVERIFY2(rig.status().startsWith(QStringLiteral("No settings report from the modem. Is the product right?")),
                 qPrintable(rig.status()));
        QVERIFY(!rig.combo("WorkModeBox")->isEnabled());
        QVERIFY(!rig.edit("AddressEdit")->isEnabled());
    }

    // A refused line fails the write: nothing after it goes out, so the unit
    // keeps what it had stored; no next unit address, the record's row says
    // "refused" and names the line, and the unit holds no address. A slow
    // unit's answers come after the next line went out: the refusal is
    // still named right, and AT&W waits for it.
    void refusedLineFails_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QString>("refused");
        QTest::newRow("prompt unit") << QStringList { "--error-on", "ATS103" } << "ATS103=8";
        QTest::newRow("slow unit") << QStringList { "--chunk", "8", "--gap", "150", "--error-on", "ATS105" } << "ATS105=6";
    }
    void refusedLineFails()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QString, refused);
        Rig rig;
        QVERIFY(readyRig(rig, KV5, BraeLoch, PointToMultipoint, simArgs));
        const QMap<int, qint64> before = rig.sim.storedRegisters();
        const QString record = dir.filePath(QStringLiteral("refused-%1.csv").arg(QTest::currentDataTag()).replace(' ', '-'));
        chooseFile(record);
        answerDialog(rig, "ActionRecord");
        rig.action("ActionNextUnit")->trigger();
        rig.combo("AirSpeedBox")->setCurrentIndex(7);
        rig.edit("UnitEdit")->setText("6");
        write(rig);
        QCOMPARE(rig.status(), QStringLiteral("refused: %1 — nothing stored").arg(refused));
        QVERIFY(!rig.sim.received().contains("AT&W"));
        if (QTest::currentDataTag() == QLatin1String("prompt unit"))
            QVERIFY(rig.sim.received().endsWith("ATS103=8\r\n"));
        QCOMPARE(rig.sim.storedRegisters(), before);
        QCOMPARE(rig.edit("UnitEdit")->text(), QStringLiteral("6"));
        QCOMPARE(readRecordRows(record).last().mid(12, 2), (QStringList { "refused", "refused " + refused }));
        // Written again without a question: the unit never held the address.
        write(rig);
        QCOMPARE(readRecordRows(record).size(), 3);
    }

    // Pulling the unit mid-write: its row keeps the settings attempted and
    // says whether the store went out.
    void lostUnitRecorded_data()
    {
        QTest::addColumn<QByteArray>("killAfter");
        QTest::addColumn<QString>("result");
        QTest::newRow("before AT&W") << QByteArray("ATS104=") << "lost";
        QTest::newRow("after AT&W") << QByteArray("AT&W\r\n") << "lost-after-store";
    }
    void lostUnitRecorded()
    {
        QFETCH(QByteArray, killAfter);
        QFETCH(QString, result);
        Rig rig;
        QVERIFY(readyRig(rig, KV5, Skerry, PointToMultipoint));
        const QString record = dir.filePath(QStringLiteral("%1.csv").arg(result));
        chooseFile(record);
        answerDialog(rig, "ActionRecord");
        const QStringList form = formValues(rig);
        rig.button("ConfigButton")->click();
        QVERIFY(rig.sim.waitForReceived(killAfter));
        rig.sim.kill();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.isOpen(), 10000);
        QVERIFY2(rig.status().contains(QStringLiteral("lost")), qPrintable(rig.status()));
        // Appended on the record's own thread as the unit ends.
        QTRY_COMPARE(readRecordRows(record).last().at(12), result);
        const QStringList row = readRecordRows(record).last();
        QCOMPARE(row.mid(5, 6), (QStringList { form.at(6), form.at(5), form.at(0), form.at(1), form.at(2), form.at(3) }));
    }

    // The record is checked when it is chosen; one that goes away later
    // stops the unit before its first line (its pending row cannot be
    // written), and recording can be stopped.
    void unwritableRecordSendsNothing()
    {
        Rig rig;
        QVERIFY(readyRig(rig, KV5, Tarn, PointToMultipoint));
        QTemporaryDir gone;
        chooseFile(gone.filePath("units.csv"));
        answerDialog(rig, "ActionRecord");
        QCOMPARE(rig.label("RecordLabel")->text(), QStringLiteral("Recording to units.csv"));
        QVERIFY(rig.label("RecordLabel")->isVisible());
        QVERIFY(gone.remove());
        write(rig);
        QVERIFY2(rig.status().contains(QStringLiteral("not started: ")), qPrintable(rig.status()));
        QVERIFY(!rig.sim.received().contains("AT&F"));
        rig.action("ActionStopRecord")->trigger();
        QVERIFY(!rig.label("RecordLabel")->isVisible());
        write(rig);
        QVERIFY(rig.sim.received().endsWith("AT&W\r\n"));
    }

    void duplicateUnitAsks_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("write it again") << true;
        QTest::newRow("keep it") << false;
    }
    void duplicateUnitAsks()
    {
        QFETCH(bool, confirm);
        const QString record = dir.filePath(QStringLiteral("duplicate-%1.csv").arg(confirm));
        {
            Rig first;
            QVERIFY(readyRig(first, KV5, Tarn, PointToMultipoint));
            chooseFile(record);
            answerDialog(first, "ActionRecord");
            first.edit("UnitEdit")->setText("7");
            first.edit("AddressEdit")->setText("900");
            write(first);
            QCOMPARE(readRecordRows(record).size(), 2);
        }
        // The next run remembers the record; the next unit gets the same
        // addresses by mistake.
        Rig rig;
        QVERIFY(readyRig(rig, KV5, Tarn, PointToMultipoint));
        rig.edit("UnitEdit")->setText("7");
        rig.edit("AddressEdit")->setText("0900");
        const qsizetype before = rig.sim.received().size();
        QString question;
        QColor textColour;
        answer(confirm ? QMessageBox::Yes : QMessageBox::No, &question, &textColour);
        write(rig);
        QVERIFY2(question.contains("7") && question.contains("900"), qPrintable(question));
        QVERIFY2(textColour.lightness() < 80, qPrintable(textColour.name()));
        QCOMPARE(rig.sim.received().size() > before, confirm);
        QCOMPARE(readRecordRows(record).size(), confirm ? 3 : 2);
        if (!confirm)
            QVERIFY(rig.status().contains(QStringLiteral("already in use")));

        // Another unit address, or point to point: no question.
        rig.edit("UnitEdit")->setText("8");
        write(rig);
        QCOMPARE(readRecordRows(record).size(), confirm ? 4 : 3);
    }

    void nextUnitOnlyAfterSuccess()
    {
        Rig rig;
        QVERIFY(readyRig(rig, KV5, Skerry, PointToMultipoint, { "--stuck", "102=7" }));
        rig.action("ActionNextUnit")->trigger();
        rig.edit("UnitEdit")->setText("41");
        write(rig);
        QCOMPARE(rig.edit("UnitEdit")->text(), QStringLiteral("42"));
        // The unit's own address (41) does not undo the step.
        QVERIFY(rig.read());
        QCOMPARE(rig.edit("UnitEdit")->text(), QStringLiteral("42"));
        rig.action("ActionVerifyWrite")->trigger();
        write(rig);
        QCOMPARE(rig.edit("UnitEdit")->text(), QStringLiteral("43"));
        // The unit does not take the baud rate: the address stays for a retry.
        rig.combo("BaudSetBox")->setCurrentIndex(2);
        write(rig);
        QVERIFY(rig.status().endsWith(QStringLiteral("mismatch: S102 reads 7, 2 was written")));
        QCOMPARE(rig.edit("UnitEdit")->text(), QStringLiteral("43"));
    }

    // With every option off the write is today's: the same lines, nothing
    // after them, the summary alone.
    void plainWriteUnchanged()
    {
        Rig rig;
        QVERIFY(readyRig(rig, KV6, HalfFjord, PointToMultipoint));
        for (const char *name : { "ActionApplyProfile", "ActionVerifyWrite", "ActionNextUnit" })
            QVERIFY(!rig.action(QLatin1String(name))->isChecked());
        rig.edit("UnitEdit")->setText("5");
        rig.edit("AddressEdit")->setText("1234");
        const qsizetype before = rig.sim.receivedLines().size();
        write(rig);
        QTest::qWait(300);
        QCOMPARE(rig.linesAfter(before), (QList<QByteArray> { "AT&F1\r\n", "ATS141=0\r\n", "ATS102=1\r\n", "ATS105=5\r\n",
                                                              "ATS104=1234\r\n", "ATS103=1\r\n", "ATS108=30\r\n", "AT&W\r\n" }));
        QCOMPARE(rig.status(), QStringLiteral("unit 5 · network 1234 · Master · baud 115200 · link rate 115200 · 1000mW · written, not checked"));
        QCOMPARE(rig.edit("UnitEdit")->text(), QStringLiteral("5"));
    }

    // A database record: the duplicate question asks it, the next unit
    // address skips one another station holds, and Show record lists both.
    void sharedRecordInWindow()
    {
        const QString record = dir.filePath("line.kvxdb");
        {
            // Another station's unit 8 on network 900.
            DatabaseRecord other(record);
            UnitRecord row;
            row.time = QDateTime::currentDateTimeUtc();
            row.config = { "/dev/ttyUSB9", KV5, Tarn, PointToMultipoint };
            // Tarn's 230400, its second link rate.
            row.settings.registers = { { Reg::NetworkAddress, 900 }, { Reg::UnitAddress, 8 }, { Reg::LinkRate, 1 } };
            row.result = "verified";
            row.station = "B";
            QString error;
            QVERIFY2(!other.writeRow({}, row, &error).isEmpty(), qPrintable(error));
        }
        Rig rig;
        QVERIFY(readyRig(rig, KV5, Tarn, PointToMultipoint));
        chooseFile(record);
        answerDialog(rig, "ActionRecord");
        QCOMPARE(rig.label("RecordLabel")->text(), QStringLiteral("Recording to line.kvxdb"));
        rig.action("ActionNextUnit")->trigger();
        rig.edit("AddressEdit")->setText("900");
        rig.edit("UnitEdit")->setText("7");
        write(rig);
        QCOMPARE(rig.sim.storedRegisters().value(105), 7);
        QCOMPARE(rig.edit("UnitEdit")->text(), QStringLiteral("9"));

        // Unit 8 is held: the question comes, No sends nothing.
        rig.edit("UnitEdit")->setText("8");
        const qsizetype before = rig.sim.received().size();
        answer(QMessageBox::No);
        write(rig);
        QCOMPARE(rig.sim.received().size(), before);

        rig.action("ActionShowRecord")->trigger();
        QTableWidget *table = nullptr;
        QTRY_VERIFY((table = rig.window->findChild<QTableWidget *>("RecordTable")));
        QTRY_VERIFY(table->isVisible());
        // Read on the dialog's worker, and filtered there.
        QTRY_COMPARE(table->rowCount(), 2);
        table->window()->findChild<QLineEdit *>("NetworkFilterEdit")->setText("901");
        QTRY_COMPARE(table->rowCount(), 0);
    }

    // Tools → Provision several units: the form is its profile, and no batch
    // starts while the window holds a port; while one runs, the window opens none.
    void batchFromWindow()
    {
        Rig rig;
        QVERIFY(readyRig(rig, KV5, Tarn, PointToMultipoint));
        rig.combo("AirSpeedBox")->setCurrentText("115200");
        rig.action("ActionQuickPauses")->trigger();
        rig.action("ActionProvision")->trigger();
        auto *dialog = rig.window->findChild<ProvisionDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        // One choice of quick pauses, in the window and the dialog.
        QVERIFY(dialog->findChild<QCheckBox *>("QuickPausesBox")->isChecked());
        dialog->findChild<QCheckBox *>("QuickPausesBox")->click();
        QVERIFY(!rig.action("ActionQuickPauses")->isChecked() && !rig.window->quickPauses());
        auto *start = dialog->findChild<QPushButton *>("StartButton");
        QVERIFY(!start->isEnabled());
        QVERIFY(dialog->findChild<QLabel *>("NoticeLabel")->text().contains(rig.sim.portPath()));
        QVERIFY(dialog->findChild<QLabel *>("ProfileLabel")->text().contains("115200"));

        rig.toggleLink();
        QVERIFY(start->isEnabled());
        auto *ports = dialog->findChild<QTreeWidget *>("PortList");
        ports->findItems(rig.sim.portPath(), Qt::MatchExactly).value(0)->setCheckState(0, Qt::Checked);
        start->click();
        QVERIFY(!rig.button("ConnectButton")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isRunning(), 30000);
        QVERIFY(rig.button("ConnectButton")->isEnabled());
        QCOMPARE(rig.sim.storedRegisters().value(103), 4);
    }
};

QTEST_MAIN(TestProvisioning)
#include "tst_provisioning.moc"
