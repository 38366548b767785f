// The batch dialog against simulated units: every ticked port at once with
// each unit's outcome and record row, and an assembly line that takes each
// unit as it is plugged in.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>
#include <vector>

#include "app/provisiondialog.h"
#include "records/recordfile.h"
#include "support/simprocess.h"

namespace {

ProvisionProfile tarnProfile()
{
    ProvisionProfile profile;
    QString error;
    parseProfile(R"({"kvx-profile": 1, "product": "kv5", "module": "tarn", "mode": "p2mp",
                     "settings": {"workMode": "slave", "linkRate": 115200, "networkAddress": 321}})",
                 &profile, &error);
    return profile;
}

QTreeWidgetItem *row(QTreeWidget *list, const QString &port)
{
    const auto found = list->findItems(port, Qt::MatchExactly, 0);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

class TestProvisionDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // Four units at once: a good one, one that keeps its link rate, one that
    // refuses a line, one pulled out mid-write.
    void batchOfFour()
    {
        // The unit pulled out is a link, as udev names adapters, and goes
        // with it: a killed pseudo-terminal's number is soon taken again by
        // a parallel test's simulator.
        const QString pulled = dir.filePath("usb-pulled");
        const QStringList simArgs[] = { {}, { "--stuck", "103=1" }, { "--error-on", "ATS104" }, { "--link", pulled } };
        std::vector<std::unique_ptr<SimProcess>> units;
        QStringList paths;
        for (const QStringList &args : simArgs) {
            units.push_back(std::make_unique<SimProcess>());
            QVERIFY(units.back()->start(QStringList { "--product", "kv5", "--module", "tarn" } + args));
            paths << (args.contains("--link") ? pulled : units.back()->portPath());
        }
        qputenv("KVX_EXTRA_PORTS", paths.join(':').toLocal8Bit());
        ProvisionDialog dialog;
        dialog.setFormProfile(tarnProfile(), QString());
        dialog.setRecordLocation(dir.filePath("batch.csv"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *list = dialog.findChild<QTreeWidget *>("PortList");
        for (const QString &path : paths) {
            QTRY_VERIFY(row(list, path));
            row(list, path)->setCheckState(0, Qt::Checked);
        }
        dialog.findChild<QLineEdit *>("UnitStartEdit")->setText("20");
        QTimer::singleShot(0, [&] {
            QVERIFY(units.at(3)->waitForReceived("ATS102=", 20000));
            units.at(3)->kill();
            QVERIFY(QFile::remove(pulled));
        });
        dialog.findChild<QPushButton *>("StartButton")->click();
        QVERIFY(dialog.findChild<QPushButton *>("StopButton")->isEnabled());
        // The README's picture of a batch under way.
        const QString shots = qEnvironmentVariable("KVX_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(row(list, paths.at(1))->text(2).startsWith("writing 4"), 20000);
            QVERIFY(dialog.grab().save(shots + "/provision-dialog.png"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isRunning(), 30000);

        const QStringList expected[] = { { "verified", "unit address 20" }, { "mismatch", "S103 reads 1, 4 was written" },
                                         { "refused", "ATS104=321" }, { "lost", "" } };
        for (int i = 0; i < 4; ++i) {
            QTreeWidgetItem *item = row(list, paths.at(i));
            for (const QString &text : expected[i])
                QVERIFY2(item->text(2).contains(text), qPrintable(item->text(2)));
            // A bar shows how far its unit got; the ticks stay for the next run.
            const int reached = static_cast<QProgressBar *>(list->itemWidget(item, 1))->value();
            QVERIFY2(i == 0 ? reached == 100 : reached > 0 && reached < 100, qPrintable(QString::number(reached)));
            QCOMPARE(item->checkState(0), Qt::Checked);
            QCOMPARE(item->toolTip(2), item->text(2));
        }
        QCOMPARE(row(list, paths.at(0))->foreground(2).color(), QColor(0, 120, 0));
        QTRY_VERIFY(row(list, paths.at(3))->isDisabled());
        const QString summary = dialog.findChild<QLabel *>("SummaryLabel")->text();
        QVERIFY2(summary.startsWith("1 of 4 verified, 3 failed; ") && summary.contains(paths.at(1) + ": S103 reads 1, 4 was written"),
                 qPrintable(summary));
        QVERIFY(dialog.findChild<QLabel *>("SummaryLabel")->isVisible());
        const QList<QStringList> rows = readRecordRows(dir.filePath("batch.csv"));
        QCOMPARE(rows.size(), 5);
        QStringList results;
        for (int i = 1; i < 5; ++i)
            results << rows.at(i).at(12);
        results.sort();
        QCOMPARE(results, (QStringList { "lost", "mismatch", "refused", "verified" }));
        QCOMPARE(units.at(0)->storedRegisters().value(105), 20);
    }

    // Two units checked against the profile: one holds it, one another link
    // rate; nothing but the read goes to either, and the record keeps both.
    void checkOnly()
    {
        const QString record = dir.filePath("check.csv");
        std::vector<std::unique_ptr<SimProcess>> units;
        QStringList paths;
        for (const char *linkRate : { "103=4", "103=1" }) {
            units.push_back(std::make_unique<SimProcess>());
            QVERIFY(units.back()->start({ "--product", "kv5", "--module", "tarn", "--reg", "101=2", "--reg", linkRate,
                                          "--reg", "104=321" }));
            paths << units.back()->portPath();
        }
        qputenv("KVX_EXTRA_PORTS", paths.join(':').toLocal8Bit());
        ProvisionDialog dialog;
        dialog.setFormProfile(tarnProfile(), QString());
        dialog.setRecordLocation(record);
        dialog.show();
        auto *list = dialog.findChild<QTreeWidget *>("PortList");
        for (const QString &path : paths) {
            QTRY_VERIFY(row(list, path));
            row(list, path)->setCheckState(0, Qt::Checked);
        }
        // Quick pauses: the same bytes, and the rows say so.
        dialog.findChild<QCheckBox *>("QuickPausesBox")->click();
        dialog.findChild<QPushButton *>("CheckButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isRunning(), 30000);
        QCOMPARE(row(list, paths.at(0))->text(2), QStringLiteral("matches"));
        QCOMPARE(row(list, paths.at(1))->text(2), QStringLiteral("differs: link rate 230400, the profile says 115200"));
        // A read's bytes: the request and the link-close frame.
        for (const auto &unit : units)
            QCOMPARE(unit->received(), QByteArray("AT&V\r\n") + QByteArray::fromHex("fae200005f"));
        QVERIFY(dialog.findChild<QLabel *>("SummaryLabel")->text().startsWith("1 of 2 match the profile"));
        // Each row lands when its unit ends, so the two come in either order.
        QList<QStringList> rows = readRecordRows(record);
        QCOMPARE(rows.size(), 3);
        if (rows.at(1).at(1) != paths.at(0))
            rows.swapItemsAt(1, 2);
        QCOMPARE(rows.at(1).at(1), paths.at(0));
        QCOMPARE(rows.at(1).mid(12, 2), (QStringList { "matches", "" }));
        QCOMPARE(rows.at(2).mid(12, 2), (QStringList { "differs", "link rate 230400, the profile says 115200" }));
        QCOMPARE(rows.at(2).at(5), QString());
        QCOMPARE(rows.at(2).at(recordHeader().indexOf("pauses")), QStringLiteral("quick"));
    }

    // A port Detect found another product on is left alone, and the summary
    // counts it with the others.
    void otherProductCounted()
    {
        std::vector<std::unique_ptr<SimProcess>> units;
        QStringList paths;
        for (const char *product : { "kv5", "kv6" }) {
            units.push_back(std::make_unique<SimProcess>());
            QVERIFY(units.back()->start({ "--product", product, "--module", "tarn" }));
            paths << units.back()->portPath();
        }
        qputenv("KVX_EXTRA_PORTS", paths.join(':').toLocal8Bit());
        ProvisionDialog dialog;
        dialog.setFormProfile(tarnProfile(), QString());
        dialog.show();
        auto *list = dialog.findChild<QTreeWidget *>("PortList");
        for (const QString &path : paths) {
            QTRY_VERIFY(row(list, path));
            row(list, path)->setCheckState(0, Qt::Checked);
        }
        dialog.findChild<QPushButton *>("DetectButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.findChild<QPushButton *>("StartButton")->isEnabled(), 20000);
        const qsizetype detected = units.at(1)->received().size();
        dialog.findChild<QPushButton *>("StartButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isRunning(), 30000);
        QVERIFY(row(list, paths.at(1))->text(2).startsWith("not written: a KV6 - KV7 answered here"));
        const QString summary = dialog.findChild<QLabel *>("SummaryLabel")->text();
        QVERIFY2(summary.startsWith("1 of 2 verified, 1 skipped; " + paths.at(1) + ": not written"), qPrintable(summary));
        QCOMPARE(units.at(1)->received().size(), detected);
    }

    // Units plugged in one after another get the next unit addresses; the
    // port that was there before is never written.
    void assemblyLine()
    {
        const QStringList links { dir.filePath("usb-a"), dir.filePath("usb-b"), dir.filePath("usb-c") };
        SimProcess present;
        QVERIFY(present.start({ "--product", "kv5" }));
        qputenv("KVX_EXTRA_PORTS", (QStringList(links) << present.portPath()).join(':').toLocal8Bit());
        ProvisionDialog dialog;
        dialog.setFormProfile(tarnProfile(), QString());
        dialog.setRecordLocation(dir.filePath("line.csv"));
        dialog.show();
        dialog.findChild<QLineEdit *>("UnitStartEdit")->setText("7");
        dialog.findChild<QCheckBox *>("WatchBox")->setChecked(true);
        dialog.findChild<QPushButton *>("StartButton")->click();
        QVERIFY(dialog.isRunning());
        std::vector<std::unique_ptr<SimProcess>> units;
        const int appearAfter[] = { 200, 2400, 4600 };
        for (int i = 0; i < 3; ++i) {
            units.push_back(std::make_unique<SimProcess>());
            QVERIFY(units.back()->start({ "--product", "kv5", "--link", links.at(i), "--appear-after", QString::number(appearAfter[i]) }));
        }
        auto *list = dialog.findChild<QTreeWidget *>("PortList");
        for (const QString &link : links)
            QTRY_VERIFY_WITH_TIMEOUT(row(list, link) && row(list, link)->text(2).startsWith("verified"), 30000);
        dialog.findChild<QPushButton *>("StopButton")->click();
        QTRY_VERIFY(!dialog.isRunning());
        for (int i = 0; i < 3; ++i)
            QCOMPARE(units.at(i)->storedRegisters().value(105), 7 + i);
        QCOMPARE(readRecordRows(dir.filePath("line.csv")).size(), 4);
        QVERIFY(present.received().isEmpty());
    }
};

QTEST_MAIN(TestProvisionDialog)
#include "tst_provisiondialog.moc"
