// The window's batch dialog against simulated units: a batch of eight units
// against one (the units run side by side, so eight should take hardly longer
// than one), and on an assembly line the time from a port appearing to the
// first byte written to it. Prints figures; run from the build folder:
//   build/provision_dialog [REPEATS]

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/provisiondialog.h"
#include "support/simprocess.h"

namespace {

QTextStream out(stdout);

// A simulated KV6 - KV7 Tarn unit.
bool startUnit(SimProcess &unit, const QStringList &extra = {})
{
    return unit.start(QStringList { "--product", "kv6", "--module", "tarn" } + extra);
}

ProvisionProfile profile()
{
    ProvisionProfile p;
    QString error;
    parseProfile(R"({"kvx-profile": 1, "product": "kv6", "module": "tarn", "mode": "p2mp",
                     "settings": {"workMode": "slave", "networkAddress": 99}})",
                 &p, &error);
    return p;
}

void waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

// Wall time of a batch of `count` units from Start to the summary.
qint64 batch(int count)
{
    std::vector<std::unique_ptr<SimProcess>> units;
    QStringList ports;
    for (int i = 0; i < count; ++i) {
        units.push_back(std::make_unique<SimProcess>());
        if (!startUnit(*units.back()))
            return -1;
        ports << units.back()->portPath();
    }
    qputenv("KVX_EXTRA_PORTS", ports.join(':').toLocal8Bit());
    ProvisionDialog dialog;
    dialog.setFormProfile(profile(), QString());
    auto *list = dialog.findChild<QTreeWidget *>("PortList");
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (ports.contains(list->topLevelItem(i)->text(0)))
            list->topLevelItem(i)->setCheckState(0, Qt::Checked);
    }
    QElapsedTimer clock;
    clock.start();
    dialog.findChild<QPushButton *>("StartButton")->click();
    waitUntil([&] { return !dialog.isRunning(); }, 60000);
    return clock.elapsed();
}

// From the port appearing to the first byte the unit receives.
double appearToFirstByte()
{
    QTemporaryDir dir;
    const QString link = dir.filePath("usb");
    qputenv("KVX_EXTRA_PORTS", link.toLocal8Bit());
    ProvisionDialog dialog;
    dialog.setFormProfile(profile(), QString());
    dialog.findChild<QCheckBox *>("WatchBox")->setChecked(true);
    dialog.findChild<QPushButton *>("StartButton")->click();
    constexpr int AppearAfterMs = 1000;
    SimProcess unit;
    if (!startUnit(unit, { "--link", link, "--appear-after", QString::number(AppearAfterMs) }))
        return -1;
    QFile log(unit.logPath());
    waitUntil([&] { return log.size() > 0; }, 10000);
    dialog.findChild<QPushButton *>("StopButton")->click();
    waitUntil([&] { return !dialog.isRunning(); }, 30000);
    if (!log.open(QIODevice::ReadOnly))
        return -1;
    // "<ms since the simulator started> <hex>"; the link appeared at AppearAfterMs.
    return log.readLine().split(' ').value(0).toDouble() - AppearAfterMs;
}

template<typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    const int repeats = argc > 1 ? qMax(1, atoi(argv[1])) : 3;
    std::vector<qint64> ones;
    std::vector<qint64> eights;
    std::vector<double> latencies;
    for (int i = 0; i < repeats; ++i) {
        ones.push_back(batch(1));
        eights.push_back(batch(8));
        latencies.push_back(appearToFirstByte());
    }
    const qint64 one = median(ones);
    const qint64 eight = median(eights);
    out << "dialog batch 1 unit ms: " << one << ", 8 units ms: " << eight << Qt::endl;
    out << "dialog batch 8/1 ratio: " << QString::number(double(eight) / double(one), 'f', 3) << "   (target <= 1.3)" << Qt::endl;
    out << "port appearing to first byte ms: " << QString::number(median(latencies), 'f', 0) << "   (target <= 1500; KV6 - KV7, "
        << "whose link-open frame is the first byte)" << Qt::endl;
    return 0;
}
