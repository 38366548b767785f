#include "cli/cli.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <vector>

#include "radio/profilefile.h"
#include "radio/randomaddress.h"
#include "radio/recordfile.h"
#include "radio/serialports.h"
#include "radio/unitjob.h"

namespace {

// Options that carry a setting, by the key they set.
const struct {
    const char *option;
    const char *key;
} SettingOptions[] = {
    { "work-mode", "workMode" }, { "baud", "baud" },       { "link-rate", "linkRate" },
    { "power", "power" },        { "repeater", "repeater" }, { "address", "networkAddress" },
    { "unit", "unitAddress" },
};

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Exit statuses.
enum Status {
    Success = 0,
    Usage = 1,
    CannotOpen = 2,
    NoReport = 3,
    Mismatch = 4,
    PortLost = 5,
};

int statusOf(const UnitJob &job)
{
    const UnitOutcome &o = job.outcome();
    switch (o.cause) {
    case UnitOutcome::CannotOpen: return CannotOpen;
    case UnitOutcome::NoReport: return NoReport;
    case UnitOutcome::CheckUnanswered: return NoReport;
    case UnitOutcome::PortLost: return PortLost;
    case UnitOutcome::NoCause: break;
    }
    return o.result == UnitOutcome::Mismatch ? Mismatch : Success;
}

// A usage error or an invalid value: said on stderr, nothing sent.
struct UsageError {
    QString message;
};

class Cli
{
public:
    explicit Cli(QCoreApplication &app)
        : m_app(app)
    {
    }
    int run();

private:
    void addOptions();
    void allowOnly(const QStringList &names) const;
    QString need(const char *name) const;
    LinkConfig configFromOptions(const QString &port, const ProvisionProfile *profile) const;
    SettingsChange changeFromOptions(const LinkConfig &config, const ProvisionProfile *profile) const;
    ProvisionProfile loadProfile(const QString &path) const;
    int timeout() const;
    void runJobs(const std::vector<std::unique_ptr<UnitJob>> &jobs);
    void logUnit(const UnitJob &job, const SettingsChange &change);
    QJsonObject writeJson(const UnitJob &job) const;
    void printWrite(const UnitJob &job) const;

    int ports();
    int read();
    int write();
    int provision();
    int baud();

    QCoreApplication &m_app;
    QCommandLineParser m_parser;
    bool m_json = false;
};

void Cli::addOptions()
{
    m_parser.setApplicationDescription(QStringLiteral(
        "Reads and writes the settings of KVX radio modems (KV5, KV6 - KV7) on serial ports.\n\n"
        "Commands:\n"
        "  ports      list the serial ports that can be opened\n"
        "  read       open, read the settings report, close\n"
        "  write      open, read, write (settings not given keep the unit's values), verify, close\n"
        "  provision  write a profile into every --port at the same time\n"
        "  baud       show or --set the pass-through baud rate of a KV6 - KV7 unit\n\n"
        "Exit status: 0 success, 1 usage or invalid value (nothing sent), 2 the port cannot be opened,\n"
        "3 no complete settings report within the timeout, 4 verify found differences,\n"
        "5 the port was lost mid-sequence."));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("ports, read, write, provision or baud"));
    m_parser.addOptions({
        { "port", "Serial port (repeat for provision).", "P" },
        { "product", "kv5 or kv6 (KV6 - KV7).", "PRODUCT" },
        { "module", "tarn, brae-loch, skerry or half-fjord.", "MODULE" },
        { "mode", "p2p (default) or p2mp.", "MODE" },
        { "timeout", "How long a read waits for the report, in ms (default 3000).", "MS" },
        { "json", "Print JSON." },
        { "profile", "Profile file (JSON) with product, module, mode and settings.", "FILE" },
        { "work-mode", "master, repeater or slave.", "MODE" },
        { "baud", "Serial baud rate of the unit's data port.", "RATE" },
        { "link-rate", "Wireless link rate.", "RATE" },
        { "power", "Output power, e.g. 1000mW.", "CAPTION" },
        { "repeater", "on or off.", "on|off" },
        { "address", "Network address, or random.", "N|random" },
        { "unit", "Unit address (point to multipoint).", "N" },
        { "no-verify", "Do not read the unit back after writing." },
        { "log", "Append one CSV row per unit written to FILE.", "FILE" },
        { "unit-start", "First unit address of a provision batch (p2mp).", "N" },
        { "set", "New pass-through baud rate: 19200, 38400, 56000, 57600, 115200 or 230400.", "RATE" },
    });
}

void Cli::allowOnly(const QStringList &names) const
{
    for (const QString &name : m_parser.optionNames()) {
        if (!names.contains(name))
            throw UsageError { QStringLiteral("--%1 does not apply to %2").arg(name, m_parser.positionalArguments().value(0)) };
    }
}

QString Cli::need(const char *name) const
{
    const QString value = m_parser.value(QLatin1String(name));
    if (value.isEmpty())
        throw UsageError { QStringLiteral("--%1 is needed").arg(QLatin1String(name)) };
    return value;
}

int Cli::timeout() const
{
    if (!m_parser.isSet(QStringLiteral("timeout")))
        return RadioSession::DefaultReportTimeoutMs;
    bool ok = false;
    const int ms = m_parser.value(QStringLiteral("timeout")).toInt(&ok);
    if (!ok || ms <= 0)
        throw UsageError { QStringLiteral("--timeout %1: allowed: a number of milliseconds above 0")
                               .arg(m_parser.value(QStringLiteral("timeout"))) };
    return ms;
}

ProvisionProfile Cli::loadProfile(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UsageError { QStringLiteral("--profile %1: %2").arg(path, file.errorString()) };
    ProvisionProfile profile;
    QString error;
    if (!parseProfile(file.readAll(), &profile, &error))
        throw UsageError { QStringLiteral("--profile %1: %2").arg(path, error) };
    return profile;
}

LinkConfig Cli::configFromOptions(const QString &port, const ProvisionProfile *profile) const
{
    LinkConfig config;
    config.port = port;
    auto pick = [&](const char *name, const QStringList &keys, int fromProfile, int fallback) {
        const QString option = QLatin1String(name);
        if (!m_parser.isSet(option)) {
            if (profile)
                return fromProfile;
            if (fallback >= 0)
                return fallback;
            throw UsageError { QStringLiteral("--%1 is needed (allowed: %2)").arg(option, keys.join(QStringLiteral(", "))) };
        }
        const int index = int(keys.indexOf(m_parser.value(option).toLower()));
        if (index < 0)
            throw UsageError { QStringLiteral("--%1 %2: allowed: %3")
                                   .arg(option, m_parser.value(option), keys.join(QStringLiteral(", "))) };
        if (profile && index != fromProfile)
            throw UsageError { QStringLiteral("--%1 %2: the profile is for %3").arg(option, m_parser.value(option), keys.at(fromProfile)) };
        return index;
    };
    config.productId = pick("product", productKeys(), profile ? profile->productId : 0, -1);
    config.moduleGroupId = pick("module", moduleKeys(), profile ? profile->moduleGroupId : 0, -1);
    config.modeId = pick("mode", modeKeys(), profile ? profile->modeId : 0, 0);
    return config;
}

SettingsChange Cli::changeFromOptions(const LinkConfig &config, const ProvisionProfile *profile) const
{
    SettingsChange change = profile ? profile->settings : SettingsChange();
    for (const auto &setting : SettingOptions) {
        const QString option = QLatin1String(setting.option);
        if (!m_parser.isSet(option))
            continue;
        QString value = m_parser.value(option);
        if (option == QLatin1String("address") && value.compare(QLatin1String("random"), Qt::CaseInsensitive) == 0) {
            RandomAddressGenerator generator;
            generator.seedFromClock();
            value = QString::number(generator.nextAddress(0));
        }
        QString allowed;
        if (!setSetting(&change, QLatin1String(setting.key), value, config.moduleGroupId, config.modeId, &allowed))
            throw UsageError { QStringLiteral("--%1 %2: not a value of %3 %4; allowed: %5")
                                   .arg(option, m_parser.value(option), moduleKey(config.moduleGroupId),
                                        modeKey(config.modeId), allowed) };
    }
    return change;
}

void Cli::runJobs(const std::vector<std::unique_ptr<UnitJob>> &jobs)
{
    auto allDone = [&] {
        return std::all_of(jobs.begin(), jobs.end(), [](const std::unique_ptr<UnitJob> &job) { return job->isDone(); });
    };
    for (const auto &job : jobs) {
        QObject::connect(job.get(), &UnitJob::done, &m_app, [&] {
            if (allDone())
                m_app.quit();
        });
    }
    if (!allDone())
        m_app.exec();
    for (const auto &job : jobs) {
        if (statusOf(*job) != Success)
            err() << "kvx-cli: " << job->failure() << Qt::endl;
    }
}

void Cli::logUnit(const UnitJob &job, const SettingsChange &change)
{
    const QString path = m_parser.value(QStringLiteral("log"));
    if (path.isEmpty())
        return;
    Q_UNUSED(change);
    QString error;
    if (!appendRecord(path, recordFor(job.outcome(), job.config()), &error))
        err() << "kvx-cli: --log " << path << ": " << error << Qt::endl;
}

QJsonObject Cli::writeJson(const UnitJob &job) const
{
    const UnitOutcome &result = job.outcome();
    QJsonArray written;
    for (const QByteArray &line : result.linesSent)
        written.append(QString::fromLatin1(line.trimmed()));
    QJsonValue verified = QJsonValue::Null;
    if (result.result == UnitOutcome::Verified || result.result == UnitOutcome::Mismatch)
        verified = result.result == UnitOutcome::Verified;
    QJsonArray differences;
    for (const RegisterDifference &d : result.differences) {
        QJsonObject difference { { "register", QStringLiteral("S%1").arg(d.reg) }, { "written", d.written } };
        difference.insert(QStringLiteral("read"), d.read < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(d.read));
        differences.append(difference);
    }
    QJsonArray refused;
    for (const QByteArray &line : result.refusedLines)
        refused.append(QString::fromLatin1(line.trimmed()));
    QJsonObject object {
        { "port", job.config().port },
        { "written", written },
        { "settings", settingsToJson(settingsFromForm(job.form()), job.config().modeId) },
        { "verified", verified },
        { "differences", differences },
        { "refused", refused },
        { "status", statusOf(job) },
    };
    if (statusOf(job) != Success)
        object.insert(QStringLiteral("error"), job.failure());
    return object;
}

QString settingsLine(const RadioSettings &s, int modeId)
{
    QStringList parts;
    parts << QStringLiteral("work mode %1").arg(s.workMode) << QStringLiteral("baud %1").arg(s.baud)
          << QStringLiteral("link rate %1").arg(s.linkRate) << QStringLiteral("power %1").arg(s.power)
          << QStringLiteral("repeater %1").arg(s.repeaterRow == 1 ? "on" : "off")
          << QStringLiteral("network address %1").arg(s.networkAddress);
    if (modeId != 0)
        parts << QStringLiteral("unit address %1").arg(s.unitAddress);
    return parts.join(QStringLiteral(", "));
}

void Cli::printWrite(const UnitJob &job) const
{
    const UnitOutcome &result = job.outcome();
    const QString port = job.config().port;
    QStringList lines;
    for (const QByteArray &line : result.linesSent)
        lines << QString::fromLatin1(line.trimmed());
    out() << port << ": written " << lines.join(QStringLiteral(", ")) << Qt::endl;
    out() << port << ": " << settingsLine(settingsFromForm(job.form()), job.config().modeId) << Qt::endl;
    for (const QByteArray &line : result.refusedLines)
        out() << port << ": the modem refused " << QString::fromLatin1(line.trimmed()) << Qt::endl;
    out() << port << ": " << result.words() << Qt::endl;
}

int Cli::ports()
{
    allowOnly({ "json" });
    const QList<PortEntry> entries = openablePortEntries();
    if (m_json) {
        QJsonArray array;
        for (const PortEntry &entry : entries)
            array.append(QJsonObject { { "name", entry.name }, { "path", entry.path } });
        out() << QJsonDocument(array).toJson(QJsonDocument::Indented);
    } else {
        for (const PortEntry &entry : entries)
            out() << entry.name << Qt::endl;
    }
    return 0;
}

int Cli::read()
{
    allowOnly({ "port", "product", "module", "mode", "timeout", "json" });
    const LinkConfig config = configFromOptions(need("port"), nullptr);
    std::vector<std::unique_ptr<UnitJob>> jobs;
    jobs.push_back(std::make_unique<UnitJob>(config));
    jobs.front()->setReportTimeout(timeout());
    jobs.front()->startRead();
    runJobs(jobs);
    const UnitJob &job = *jobs.front();
    if (statusOf(job) != Success)
        return statusOf(job);
    const RadioSettings &s = job.settings();
    if (m_json) {
        QJsonObject object = unitToJson(config);
        object.insert(QStringLiteral("port"), config.port);
        object.insert(QStringLiteral("settings"), settingsToJson(s, config.modeId));
        object.insert(QStringLiteral("registers"), registersToJson(s.registers));
        out() << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return 0;
    }
    out() << "work mode: " << s.workMode << Qt::endl;
    out() << "baud: " << s.baud << Qt::endl;
    out() << "link rate: " << s.linkRate << Qt::endl;
    out() << "power: " << s.power << Qt::endl;
    out() << "repeater: " << repeaterText(s.repeaterRow) << Qt::endl;
    out() << "network address: " << s.networkAddress << Qt::endl;
    if (config.modeId != 0)
        out() << "unit address: " << s.unitAddress << Qt::endl;
    return 0;
}

int Cli::write()
{
    allowOnly({ "port", "product", "module", "mode", "profile", "work-mode", "baud", "link-rate", "power", "repeater",
                "address", "unit", "no-verify", "log", "timeout", "json" });
    const QString port = need("port");
    std::unique_ptr<ProvisionProfile> profile;
    if (m_parser.isSet(QStringLiteral("profile")))
        profile = std::make_unique<ProvisionProfile>(loadProfile(m_parser.value(QStringLiteral("profile"))));
    const LinkConfig config = configFromOptions(port, profile.get());
    const SettingsChange change = changeFromOptions(config, profile.get());
    const int ms = timeout();

    std::vector<std::unique_ptr<UnitJob>> jobs;
    jobs.push_back(std::make_unique<UnitJob>(config));
    jobs.front()->setReportTimeout(ms);
    jobs.front()->startWrite(change, !m_parser.isSet(QStringLiteral("no-verify")));
    runJobs(jobs);
    const UnitJob &job = *jobs.front();
    if (statusOf(job) != CannotOpen)
        logUnit(job, change);
    if (m_json)
        out() << QJsonDocument(writeJson(job)).toJson(QJsonDocument::Indented);
    else if (!job.outcome().linesSent.isEmpty())
        printWrite(job);
    return statusOf(job);
}

int Cli::provision()
{
    allowOnly({ "profile", "port", "unit-start", "log", "json", "timeout" });
    const ProvisionProfile profile = loadProfile(need("profile"));
    const QStringList portList = m_parser.values(QStringLiteral("port"));
    if (portList.isEmpty())
        throw UsageError { QStringLiteral("--port is needed") };
    SettingsChange change = profile.settings;
    // One network for the whole batch: drawn once when the profile has none.
    if (!change.setNetworkAddress) {
        RandomAddressGenerator generator;
        generator.seedFromClock();
        change.setNetworkAddress = true;
        change.networkAddress = QString::number(generator.nextAddress(0));
    }
    qint64 firstUnit = -1;
    if (m_parser.isSet(QStringLiteral("unit-start"))) {
        bool ok = false;
        firstUnit = m_parser.value(QStringLiteral("unit-start")).toLongLong(&ok);
        if (!ok || firstUnit < 0 || firstUnit + portList.size() - 1 > 4294967295LL)
            throw UsageError { QStringLiteral("--unit-start %1: allowed: 0 .. 4294967295")
                                   .arg(m_parser.value(QStringLiteral("unit-start"))) };
        if (profile.modeId == 0)
            throw UsageError { QStringLiteral("--unit-start: the profile is point to point, its units have no unit address") };
    } else if (profile.modeId != 0) {
        firstUnit = change.setUnitAddress ? change.unitAddress.toLongLong() : 1;
    }
    const int ms = timeout();

    std::vector<std::unique_ptr<UnitJob>> jobs;
    std::vector<SettingsChange> changes;
    for (int i = 0; i < portList.size(); ++i) {
        LinkConfig config;
        config.port = portList.at(i);
        config.productId = profile.productId;
        config.moduleGroupId = profile.moduleGroupId;
        config.modeId = profile.modeId;
        SettingsChange unitChange = change;
        if (firstUnit >= 0) {
            unitChange.setUnitAddress = true;
            unitChange.unitAddress = QString::number(firstUnit + i);
        }
        changes.push_back(unitChange);
        jobs.push_back(std::make_unique<UnitJob>(config));
        jobs.back()->setReportTimeout(ms);
    }
    for (size_t i = 0; i < jobs.size(); ++i)
        jobs.at(i)->startWrite(changes.at(i), true);
    runJobs(jobs);

    int status = 0;
    int succeeded = 0;
    QJsonArray units;
    for (size_t i = 0; i < jobs.size(); ++i) {
        const UnitJob &job = *jobs.at(i);
        if (statusOf(job) != CannotOpen)
            logUnit(job, changes.at(i));
        status = std::max(status, statusOf(job));
        if (statusOf(job) == Success)
            ++succeeded;
        if (m_json) {
            units.append(writeJson(job));
            continue;
        }
        const UnitOutcome &result = job.outcome();
        QString line = job.config().port + QStringLiteral(": ");
        if (statusOf(job) == Success)
            line += QStringLiteral("verified");
        else if (result.result == UnitOutcome::Mismatch)
            line += QStringLiteral("mismatch: ") + describeDifferences(result.differences);
        else
            line += QStringLiteral("failed: ") + job.failure();
        if (!job.outcome().linesSent.isEmpty()) {
            line += QStringLiteral(" (network address %1").arg(addressText(addressFromText(job.form().addressText)));
            if (profile.modeId != 0)
                line += QStringLiteral(", unit address %1").arg(job.form().unitText);
            line += QLatin1Char(')');
        }
        out() << line << Qt::endl;
    }
    if (m_json) {
        out() << QJsonDocument(QJsonObject { { "units", units },
                                             { "networkAddress", change.networkAddress.toLongLong() },
                                             { "succeeded", succeeded },
                                             { "status", status } })
                     .toJson(QJsonDocument::Indented);
    } else {
        out() << QStringLiteral("%1 of %2 units provisioned on network address %3")
                     .arg(succeeded)
                     .arg(jobs.size())
                     .arg(change.networkAddress)
              << Qt::endl;
    }
    return status;
}

int Cli::baud()
{
    allowOnly({ "port", "set", "json" });
    LinkConfig config;
    config.port = need("port");
    config.productId = 1;   // only KV6 - KV7 units have a pass-through rate
    qint32 rate = 0;
    if (m_parser.isSet(QStringLiteral("set"))) {
        const QString value = m_parser.value(QStringLiteral("set"));
        if (!passThroughRates().contains(value))
            throw UsageError { QStringLiteral("--set %1: allowed: %2").arg(value, passThroughRates().join(QStringLiteral(", "))) };
        rate = value.toInt();
    }
    std::vector<std::unique_ptr<UnitJob>> jobs;
    jobs.push_back(std::make_unique<UnitJob>(config));
    jobs.front()->startBaud(rate);
    runJobs(jobs);
    const UnitJob &job = *jobs.front();
    if (statusOf(job) != Success)
        return statusOf(job);
    if (m_json)
        out() << QJsonDocument(QJsonObject { { "port", config.port }, { "passThroughBaud", qint64(job.passThroughRate()) } })
                     .toJson(QJsonDocument::Indented);
    else
        out() << config.port << ": pass-through baud " << job.passThroughRate() << Qt::endl;
    return 0;
}

int Cli::run()
{
    addOptions();
    m_parser.process(m_app);
    const QStringList arguments = m_parser.positionalArguments();
    m_json = m_parser.isSet(QStringLiteral("json"));
    try {
        if (arguments.size() != 1)
            throw UsageError { QStringLiteral("give one command: ports, read, write, provision or baud (see --help)") };
        const QString command = arguments.first();
        if (command == QLatin1String("ports"))
            return ports();
        if (command == QLatin1String("read"))
            return read();
        if (command == QLatin1String("write"))
            return write();
        if (command == QLatin1String("provision"))
            return provision();
        if (command == QLatin1String("baud"))
            return baud();
        throw UsageError { QStringLiteral("unknown command \"%1\" (see --help)").arg(command) };
    } catch (const UsageError &error) {
        err() << "kvx-cli: " << error.message << Qt::endl;
        return Usage;
    }
}

} // namespace

int runCli(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The engine's diagnostics are for the window's debug log, not for a
    // script reading our output.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QCoreApplication::setApplicationName(QStringLiteral("kvx-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0.7"));
    Cli cli(app);
    return cli.run();
}
