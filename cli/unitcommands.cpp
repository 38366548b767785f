// The commands that talk to units: ports, read, write, provision, baud,
// detect.

#include "cli/cli.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

#include "cli/exitstatus.h"
#include "cli/jsonout.h"
#include "engine/provisionbatch.h"
#include "engine/serialports.h"
#include "engine/station.h"
#include "engine/unitdetector.h"
#include "records/recordlocation.h"

namespace {

// The settings as text, only those a write sends.
QString settingsLine(const RadioSettings &s, const LinkConfig &link)
{
    const auto said = [](const char *text) { return QCoreApplication::translate("Cli", text); };
    QStringList parts;
    parts << said(QT_TRANSLATE_NOOP("Cli", "work mode %1")).arg(settingWords(s, link.module, Reg::WorkMode))
          << said(QT_TRANSLATE_NOOP("Cli", "baud %1")).arg(settingWords(s, link.module, Reg::SerialBaud))
          << said(QT_TRANSLATE_NOOP("Cli", "link rate %1")).arg(settingWords(s, link.module, Reg::LinkRate))
          << said(QT_TRANSLATE_NOOP("Cli", "power %1")).arg(settingWords(s, link.module, Reg::OutputPower));
    if (!repeaterText(s).isEmpty())
        parts << said(QT_TRANSLATE_NOOP("Cli", "repeater %1")).arg(settingWords(s, link.module, Reg::RepeaterEnable));
    parts << said(QT_TRANSLATE_NOOP("Cli", "network address %1")).arg(addressText(s.value(Reg::NetworkAddress, 0)));
    if (isMultipoint(link.mode))
        parts << said(QT_TRANSLATE_NOOP("Cli", "unit address %1")).arg(addressText(s.value(Reg::UnitAddress, 0)));
    return parts.join(said(QT_TRANSLATE_NOOP("Cli", ", ")));
}

// One "key: value" line: the key is for scripts and stays as it is in every
// language, the value is said in the language installed.
void printSetting(const char *key, const QString &value)
{
    out() << key << ": " << value << Qt::endl;
}

void printSettings(const RadioSettings &s, Module module, bool unitAddress)
{
    printSetting("work mode", settingWords(s, module, Reg::WorkMode));
    printSetting("baud", settingWords(s, module, Reg::SerialBaud));
    printSetting("link rate", settingWords(s, module, Reg::LinkRate));
    printSetting("power", settingWords(s, module, Reg::OutputPower));
    printSetting("repeater", settingWords(s, module, Reg::RepeaterEnable));
    printSetting("network address", addressText(s, Reg::NetworkAddress));
    if (unitAddress)
        printSetting("unit address", addressText(s, Reg::UnitAddress));
}

} // namespace

int Cli::ports(const QStringList &)
{
    const QList<PortEntry> entries = openablePortEntries();
    if (m_json) {
        printJson(portsJson(entries));
    } else {
        // Paths, every one: what --port takes as it stands.
        for (const PortEntry &entry : entries)
            out() << entry.path << Qt::endl;
    }
    if (entries.isEmpty())
        m_board->printFailure(tr("no serial ports; devices the system does not list as serial ports "
                                             "(pseudo-terminals, the simulator's link) are added by naming their paths "
                                             "in KVX_EXTRA_PORTS"));
    return 0;
}

int Cli::read(const QStringList &)
{
    const LinkConfig config = configFromOptions(onePort(), nullptr, false);
    std::vector<std::unique_ptr<UnitJob>> jobs;
    jobs.push_back(std::make_unique<UnitJob>(config));
    jobs.front()->setReportTimeout(timeout());
    jobs.front()->setQuickPauses(m_parser.isSet(QStringLiteral("quick")));
    if (const int status = askOneUnit(jobs, [](UnitJob &job) { job.startRead(); }); status != Success)
        return status;
    const RadioSettings &s = jobs.front()->settings();
    if (m_json) {
        printJson(readJson(config, s));
        return 0;
    }
    printSettings(s, config.module, isMultipoint(config.mode));
    return 0;
}

int Cli::write(const QStringList &)
{
    const QString port = onePort();
    std::unique_ptr<ProvisionProfile> profile;
    if (m_parser.isSet(QStringLiteral("profile")))
        profile = std::make_unique<ProvisionProfile>(loadProfile(m_parser.value(QStringLiteral("profile"))));
    const LinkConfig config = configFromOptions(port, profile.get(), true);
    const RadioSettings change = changeFromOptions(config, profile.get());
    const int ms = timeout();
    const QString code = unitCodes({ port }).value(port);
    openStation();
    refuseHeldCodes(code.isEmpty() ? QStringList() : QStringList { code });

    std::vector<std::unique_ptr<UnitJob>> jobs;
    jobs.push_back(std::make_unique<UnitJob>(config));
    jobs.front()->setReportTimeout(ms);
    m_station->equip(*jobs.front());
    jobs.front()->setQuickPauses(m_parser.isSet(QStringLiteral("quick")));
    jobs.front()->setUnitCode(code);
    jobs.front()->setUnitReservation(-1, true, m_parser.isSet(QStringLiteral("replace")));
    const bool verify = !m_parser.isSet(QStringLiteral("no-verify"));
    const auto start = [&](UnitJob &job) { job.startWrite(change, verify); };
    const int signal = runJobs(jobs, start, [this](const UnitJob &job) {
        const UnitOutcome &o = job.outcome();
        const QString unitPort = job.config().port;
        if (!m_json && !o.linesSent.isEmpty()) {
            // What went out, what it set, and how it ended: the result.
            m_board->printResult(tr("%1: sent %2").arg(unitPort, joinedLines(o.linesSent)));
            m_board->printResult(QStringLiteral("%1: %2").arg(unitPort, settingsLine(o.settings, job.config())));
            m_board->printResult(QStringLiteral("%1: %2%3").arg(unitPort, o.words(), codeNote(job)));
        } else if (!job.failure().isEmpty()) {
            m_board->printFailure(job.failure());
        }
    });
    const UnitJob &job = *jobs.front();
    const int status = waitForRecord(signal ? stoppedStatus(signal) : statusOf(job));
    if (m_json)
        printJson(unitJson(job));
    return status;
}

QStringList Cli::batchPorts() const
{
    const QStringList portList = m_parser.values(QStringLiteral("port"));
    const bool watching = m_parser.isSet(QStringLiteral("watch"));
    if (portList.isEmpty() && !watching)
        throw UsageError { tr("--port is needed (one for each unit), or --watch") };
    if (m_parser.isSet(QStringLiteral("match")) && !watching)
        throw UsageError { tr("--match goes with --watch") };
    QSet<QString> seen;
    for (const QString &port : portList) {
        if (port.isEmpty())
            throw UsageError { tr("--port is needed (see kvx-cli help %1)").arg(m_command) };
        if (seen.contains(port))
            throw UsageError { tr("--port %1 is given twice: one unit, one port").arg(port) };
        seen.insert(port);
    }
    const QStringList same = portsOfOneDevice(portList);
    if (!same.isEmpty())
        throw UsageError { tr("--port %1 and --port %2 are one device (%3), given twice: one unit, one port")
                               .arg(same.at(0), same.at(1), same.at(2)) };
    return portList;
}

void Cli::takeUnitCodes(ProvisionBatch &batch, const QMap<QString, QString> &codes, const QStringList &queued)
{
    batch.setUnitCodes(codes);
    for (const QString &code : queued)
        batch.queueUnitCode(code);
    if (m_parser.isSet(QStringLiteral("watch")))
        readCodesFromInput(batch, codes.values() + queued);
}

QString Cli::codeNote(const UnitJob &unit)
{
    return unit.unitCode().isEmpty() ? QString() : tr(" [code %1]").arg(unit.unitCode());
}

void Cli::watchPorts(ProvisionBatch &batch)
{
    const QString glob = m_parser.value(QStringLiteral("match"));
    batch.watch(glob);
    // What it waits for, and what it sees now: a line station left waiting
    // must be able to tell why nothing happens.
    QStringList present;
    for (const PortEntry &entry : openablePortEntries())
        present << entry.path;
    m_board->printFailure(tr("watching for serial ports that appear%1; Ctrl-C stops")
                              .arg(glob.isEmpty() ? QString() : QStringLiteral(" matching %1").arg(glob)));
    m_board->printFailure(tr("ports there now, left alone: %1")
                              .arg(present.isEmpty() ? QStringLiteral("none") : present.join(QStringLiteral(", "))));
    const QStringList extra = qEnvironmentVariable("KVX_EXTRA_PORTS").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(glob));
    if (!glob.isEmpty() && !glob.startsWith(QLatin1String("/dev/"))
        && std::none_of(extra.begin(), extra.end(), [&](const QString &path) { return match.match(path).hasMatch(); }))
        m_board->printFailure(tr("note: %1 names no device the system lists as a serial port; a pseudo-"
                                             "terminal or a simulator's link is seen only when KVX_EXTRA_PORTS names "
                                             "its path")
                                  .arg(glob));
    QObject::connect(&batch, &ProvisionBatch::portPassedOver, &m_app, [this, glob](const QString &path) {
        m_board->printFailure(tr("%1 appeared: left alone, it does not match %2").arg(path, glob));
    });
}

int Cli::check(const QStringList &)
{
    const ProvisionProfile profile = loadProfile(need("profile"));
    const QStringList portList = batchPorts();
    const LinkConfig batchLink = configFromOptions(QString(), &profile, true);
    const int ms = timeout();
    QStringList queued;
    const QMap<QString, QString> codes = unitCodes(portList, &queued);
    openStation();

    // Only what the profile names is compared: no address is drawn or handed out.
    ProvisionBatch batch(batchLink, profile.settings, -1);
    batch.setCheckOnly(true);
    batch.setReportTimeout(ms);
    m_station->equip(batch);
    batch.setQuickPauses(m_parser.isSet(QStringLiteral("quick")));
    takeUnitCodes(batch, codes, queued);
    QObject::connect(&batch, &ProvisionBatch::unitProgress, &m_app, [this](UnitJob *unit, UnitStep step, int line, int lines) {
        showStep(unit->config().port, step, line, lines);
    });
    QObject::connect(&batch, &ProvisionBatch::unitEnded, &m_app, [this](UnitJob *unit) {
        m_board->remove(unit->config().port);
        if (m_json) {
            if (!unit->failure().isEmpty())
                m_board->printFailure(unit->failure());
            return;
        }
        m_board->printResult(QStringLiteral("%1: %2%3").arg(unit->config().port, unit->outcome().words(), codeNote(*unit)));
    });
    QObject::connect(&batch, &ProvisionBatch::finished, &m_app, &QCoreApplication::quit);
    QObject stopWatch;
    StopSignals::onFirst(&stopWatch, [&] { batch.stop(); });
    if (m_parser.isSet(QStringLiteral("watch")))
        watchPorts(batch);
    batch.startPorts(portList);
    if (!batch.isFinished())
        m_app.exec();
    m_inputNotifier.reset();
    const int signal = StopSignals::received();

    // A unit that could not be read says so first; then whether any differs.
    int failure = Success;
    bool differs = false;
    QJsonArray units;
    for (UnitJob *unit : batch.units()) {
        const int status = statusOf(*unit);
        differs = differs || status == Differs;
        if (status != Differs)
            failure = std::max(failure, status);
        if (m_json)
            units.append(checkJson(*unit));
    }
    int status = failure != Success ? failure : differs ? int(Differs) : int(Success);
    status = waitForRecord(signal ? stoppedStatus(signal) : status);
    if (m_json) {
        printJson(checkBatchJson(units, batch.goodCount(), signal != 0, status));
    } else {
        out() << tr("%1 of %n unit(s) match the profile", nullptr, int(batch.units().size())).arg(batch.goodCount())
              << (signal ? tr(" (stopped)") : QString()) << Qt::endl;
    }
    return status;
}

int Cli::provision(const QStringList &)
{
    const ProvisionProfile profile = loadProfile(need("profile"));
    const QStringList portList = batchPorts();
    const bool watching = m_parser.isSet(QStringLiteral("watch"));
    const LinkConfig batchLink = configFromOptions(QString(), &profile, true);
    const RadioSettings change = withBatchNetworkAddress(profile.settings);
    // The station's one rule for unit addresses (the window's batch
    // dialog follows it too).
    UnitAddressPlan plan;
    QString problem;
    if (m_parser.isSet(QStringLiteral("unit-start")) && m_parser.value(QStringLiteral("unit-start")).trimmed().isEmpty())
        throw UsageError { tr("--unit-start: give a number or auto") };
    if (!Station::planUnitAddresses(m_parser.value(QStringLiteral("unit-start")), change, batchLink.mode,
                                    int(portList.size()), isDatabaseRecord(m_parser.value(QStringLiteral("record"))),
                                    &plan, &problem))
        throw UsageError { tr("--unit-start: %1").arg(problem) };
    const int ms = timeout();
    QStringList queued;
    const QMap<QString, QString> codes = unitCodes(portList, &queued);
    openStation();
    refuseHeldCodes(codes.values() + queued);

    ProvisionBatch batch(batchLink, change, plan.first);
    batch.setReportTimeout(ms);
    m_station->equip(batch);
    batch.setAutoUnitAddress(plan.fromRecord);
    batch.setQuickPauses(m_parser.isSet(QStringLiteral("quick")));
    takeUnitCodes(batch, codes, queued);
    QObject::connect(&batch, &ProvisionBatch::unitProgress, &m_app, [this](UnitJob *unit, UnitStep step, int line, int lines) {
        showStep(unit->config().port, step, line, lines);
    });
    QObject::connect(&batch, &ProvisionBatch::unitEnded, &m_app, [this, &batchLink](UnitJob *unit) {
        const UnitOutcome &o = unit->outcome();
        const QString port = unit->config().port;
        m_board->remove(port);
        if (m_json) {
            if (!unit->failure().isEmpty())
                m_board->printFailure(unit->failure());
        } else {
            // One unit, one line: its result, what it holds, and whether
            // its row could be recorded.
            QString line = QStringLiteral("%1: %2").arg(port, o.resultWords());
            if (o.stored) {
                const QString network = addressText(o.settings.value(Reg::NetworkAddress, 0));
                line += isMultipoint(batchLink.mode)
                            ? tr(" (network address %1, unit address %2)")
                                  .arg(network, addressText(o.settings.value(Reg::UnitAddress, 0)))
                            : tr(" (network address %1)").arg(network);
            }
            m_board->printResult(line + codeNote(*unit) + o.recordNote());
        }
    });
    QObject::connect(&batch, &ProvisionBatch::finished, &m_app, &QCoreApplication::quit);
    QObject stopWatch;
    StopSignals::onFirst(&stopWatch, [&] { batch.stop(); });
    if (watching)
        watchPorts(batch);
    batch.startPorts(portList);
    if (!batch.isFinished())
        m_app.exec();
    m_inputNotifier.reset();
    const int signal = StopSignals::received();

    int status = 0;
    QJsonArray units;
    for (UnitJob *unit : batch.units()) {
        status = std::max(status, statusOf(*unit));
        if (m_json)
            units.append(unitJson(*unit));
    }
    status = waitForRecord(signal ? stoppedStatus(signal) : status);
    if (m_json) {
        printJson(provisionJson(units, change.value(Reg::NetworkAddress), batch.goodCount(), signal != 0, status));
    } else {
        out() << tr("%1 of %n unit(s) verified on network address %2", nullptr, int(batch.units().size()))
                     .arg(QString::number(batch.goodCount()), addressText(change, Reg::NetworkAddress))
              << (signal ? tr(" (stopped)") : QString()) << Qt::endl;
    }
    return status;
}

int Cli::baud(const QStringList &)
{
    LinkConfig config;
    config.port = onePort();
    // Only KV6 - KV7 units have a pass-through rate.
    if (m_parser.isSet(QStringLiteral("product")) && m_parser.value(QStringLiteral("product")).toLower() != QLatin1String("kv6"))
        throw UsageError { tr("--product %1: only kv6 (KV6 - KV7) units have a pass-through baud rate")
                               .arg(m_parser.value(QStringLiteral("product"))) };
    config.product = Product::Kv6;
    qint32 rate = 0;
    if (m_parser.isSet(QStringLiteral("set"))) {
        const QString value = m_parser.value(QStringLiteral("set"));
        if (!passThroughRates().contains(value))
            throw UsageError { tr("--set %1: allowed: %2").arg(value, passThroughRates().join(QStringLiteral(", "))) };
        rate = value.toInt();
    }
    std::vector<std::unique_ptr<UnitJob>> jobs;
    jobs.push_back(std::make_unique<UnitJob>(config));
    if (const int status = askOneUnit(jobs, [rate](UnitJob &job) { job.startBaud(rate); }); status != Success)
        return status;
    const UnitJob &job = *jobs.front();
    if (m_json)
        printJson(baudJson(config.port, job.passThroughRate()));
    else
        out() << tr("%1: pass-through baud rate %2").arg(config.port).arg(job.passThroughRate()) << Qt::endl;
    return 0;
}

int Cli::detect(const QStringList &)
{
    UnitDetector detector(onePort());
    if (m_parser.isSet(QStringLiteral("timeout")))
        detector.setReportTimeout(timeout());
    QObject::connect(&detector, &UnitDetector::trying, &m_app, [&](Product product) {
        m_board->set(detector.port(), tr("trying %1 at %2 baud").arg(productCaption(product)).arg(lineBaudFor(product)));
    });
    QObject::connect(&detector, &UnitDetector::done, &m_app, &QCoreApplication::quit);
    QObject stopWatch;
    StopSignals::onFirst(&stopWatch, [&] { detector.interrupt(); });
    detector.start();
    m_app.exec();
    m_board->remove(detector.port());
    if (StopSignals::received())
        return stoppedStatus(StopSignals::received());
    if (!detector.product()) {
        m_board->printFailure(detector.failure());
        // A port that opened for one try and not for the next went away.
        if (detector.portLost())
            return PortLost;
        return detector.portOpened() ? NoReport : CannotOpen;
    }
    const RadioSettings &s = detector.settings();
    if (m_json) {
        printJson(detectJson(detector));
        return 0;
    }
    out() << tr("%1: %2 answered at %3 baud").arg(detector.port(), productCaption(*detector.product()))
                 .arg(lineBaudFor(*detector.product()))
          << Qt::endl;
    printSetting("module", detector.modulesText());
    // A caption only where the module does not decide it (see reading()).
    printSetting("work mode", detector.reading(Reg::WorkMode));
    printSetting("baud", detector.reading(Reg::SerialBaud));
    printSetting("link rate", detector.reading(Reg::LinkRate));
    printSetting("power", detector.reading(Reg::OutputPower));
    printSetting("repeater", settingWords(s, Module::Tarn, Reg::RepeaterEnable));
    printSetting("network address", addressText(s, Reg::NetworkAddress));
    if (s.has(Reg::UnitAddress))
        printSetting("unit address", addressText(s, Reg::UnitAddress));
    return 0;
}
