#include "cli/cli.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "cli/help.h"
#include "cli/progress.h"
#include "engine/provisionbatch.h"
#include "engine/serialports.h"
#include "engine/unitdetector.h"
#include "engine/unitjob.h"
#include "protocol/profilefile.h"
#include "protocol/randomaddress.h"
#include "protocol/version.h"
#include "records/databaserecord.h"
#include "records/recordfile.h"
#include "records/recordlocation.h"

namespace {

// Exit statuses; provision exits with the highest of its units.
enum Status {
    Success = 0,
    Usage = 1,          // usage, an invalid value, or a record that cannot be written: nothing sent
    CannotOpen = 2,
    NoReport = 3,       // no settings report, before the write or for the check
    Mismatch = 4,
    PortLost = 5,
    Refused = 6,        // the modem answered a line with ERROR
    RecordFailed = 7,   // a unit's record row could not be written
};

// Options that carry a setting, by the key they set.
const struct {
    const char *option;
    const char *key;
} SettingOptions[] = {
    { "work-mode", "workMode" }, { "baud", "baud" },       { "link-rate", "linkRate" },
    { "power", "power" },        { "repeater", "repeater" }, { "address", "networkAddress" },
    { "unit", "unitAddress" },
};

// A usage error or an invalid value: said on stderr, nothing sent.
struct UsageError {
    QString message;
};

int statusOf(const UnitJob &job)
{
    const UnitOutcome &o = job.outcome();
    // A unit stopped by a signal ends with the program's status for it.
    if (job.wasInterrupted() && StopSignals::received() && !o.isGood())
        return 128 + StopSignals::received();
    int status = Success;
    switch (o.cause) {
    case UnitOutcome::CannotOpen: status = CannotOpen; break;
    case UnitOutcome::NoReport:
    case UnitOutcome::CheckUnanswered:
    case UnitOutcome::LinesUnanswered: status = NoReport; break;
    case UnitOutcome::PortLost: status = PortLost; break;
    case UnitOutcome::Unwritable: status = Usage; break;
    case UnitOutcome::NoCause:
        if (o.result == UnitOutcome::Mismatch)
            status = Mismatch;
        else if (o.result == UnitOutcome::Refused)
            status = Refused;
        break;
    }
    if (!o.recordError.isEmpty())
        status = std::max(status, int(RecordFailed));
    return status;
}

// The settings as text, only those a write sends.
QString settingsLine(const RadioSettings &s, LinkMode mode)
{
    QStringList parts;
    parts << QStringLiteral("work mode %1").arg(s.workMode) << QStringLiteral("baud %1").arg(s.baud)
          << QStringLiteral("link rate %1").arg(s.linkRate) << QStringLiteral("power %1").arg(s.power);
    if (s.repeaterRow >= 0)
        parts << QStringLiteral("repeater %1").arg(repeaterText(s.repeaterRow));
    parts << QStringLiteral("network address %1").arg(addressText(addressFromText(s.networkAddress)));
    if (isMultipoint(mode))
        parts << QStringLiteral("unit address %1").arg(addressText(addressFromText(s.unitAddress)));
    return parts.join(QStringLiteral(", "));
}

void printSettings(const RadioSettings &s, bool unitAddress);

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
    QString onePort() const;
    LinkConfig configFromOptions(const QString &port, const ProvisionProfile *profile, bool modeNeeded) const;
    SettingsChange changeFromOptions(const LinkConfig &config, const ProvisionProfile *profile) const;
    ProvisionProfile loadProfile(const QString &path) const;
    void prepareRecord();
    int timeout() const;
    // Runs the jobs to their ends; `unitEnded` is called for each the moment
    // its outcome is known. Returns the signal that stopped them, or 0.
    int runJobs(const std::vector<std::unique_ptr<UnitJob>> &jobs, const std::function<void(UnitJob &)> &start,
                const std::function<void(const UnitJob &)> &unitEnded);
    QJsonObject writeJson(const UnitJob &job) const;

    int ports();
    int read();
    int write();
    int provision();
    int baud();
    int detect();

    QCoreApplication &m_app;
    QCommandLineParser m_parser;
    QString m_command;
    bool m_json = false;
    std::unique_ptr<ProgressBoard> m_board;
    RecordFile m_record;                       // --log
    std::unique_ptr<RecordStore> m_database;   // --record
    QList<RecordStore *> records() const;
    void identify(UnitJob &job) const;
    QString stationName() const;
    QString operatorName() const;
    int record(const QStringList &arguments);
    int recordCheck(const QList<RecordRow> &rows, int timeoutS);
    int recordImport(const QString &path);
    int recordRelease(const QString &network, const QString &unit);
    int reservationTimeout() const;
    QString addressOption(const char *name) const;
};

void Cli::addOptions()
{
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    m_parser.addOptions({
        { { "h", "help" }, "Help." },
        { "help-all", "Every command's help." },
        { { "v", "version" }, "Version." },
        { "port", "Serial port (repeat for provision).", "P" },
        { "product", "kv5 or kv6 (KV6 - KV7).", "PRODUCT" },
        { "module", "tarn, brae-loch, skerry or half-fjord.", "MODULE" },
        { "mode", "p2p or p2mp.", "MODE" },
        { "timeout", "How long a read waits for the report, in ms (default 3000).", "MS" },
        { "json", "Print JSON." },
        { "quiet", "Results and failures only." },
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
        { "set", "New pass-through baud rate.", "RATE" },
        { "watch", "Provision every port that appears." },
        { "record", "The record: a database file (SQLite) or postgresql://user@host/dbname.", "RECORD" },
        { "station", "This station's name in the record (default: the host name).", "NAME" },
        { "operator", "The operator's name in the record (default: the login name).", "NAME" },
        { "replace", "A unit address held by an earlier unit is taken over." },
        { "network", "Only this network address.", "N" },
        { "csv", "Write CSV." },
        { "match", "With --watch: only ports whose path matches GLOB.", "GLOB" },
        { "reservation-timeout", "Seconds after which a reservation with no result no longer holds its unit address "
                                 "(default 600).", "SECONDS" },
    });
}

void Cli::allowOnly(const QStringList &names) const
{
    for (const QString &name : m_parser.optionNames()) {
        if (!names.contains(name) && name != QLatin1String("quiet"))
            throw UsageError { QStringLiteral("--%1 does not apply to %2 (see kvx-cli help %2)").arg(name, m_command) };
    }
}

QString Cli::need(const char *name) const
{
    const QString value = m_parser.value(QLatin1String(name));
    if (value.isEmpty())
        throw UsageError { QStringLiteral("--%1 is needed (see kvx-cli help %2)").arg(QLatin1String(name), m_command) };
    return value;
}

QString Cli::onePort() const
{
    if (m_parser.values(QStringLiteral("port")).size() > 1)
        throw UsageError { QStringLiteral("--port: %1 takes one port").arg(m_command) };
    return need("port");
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
    ProvisionProfile profile;
    QString error;
    if (!readProfileFile(path, &profile, &error))
        throw UsageError { QStringLiteral("--profile %1: %2").arg(path, error) };
    return profile;
}

void Cli::prepareRecord()
{
    // Before any port is opened: a unit must never be written that the
    // record cannot account for.
    QString error;
    const QString path = m_parser.value(QStringLiteral("log"));
    if (!path.isEmpty()) {
        m_record = RecordFile(path);
        if (!m_record.prepare(&error))
            throw UsageError { QStringLiteral("--log %1: cannot be written: %2").arg(path, error) };
    }
    const QString location = m_parser.value(QStringLiteral("record"));
    if (!location.isEmpty()) {
        m_database = openRecord(location);
        m_database->setReservationTimeout(reservationTimeout());
        if (!m_database->prepare(&error))
            throw UsageError { QStringLiteral("--record %1: %2").arg(m_database->name(), error) };
    }
}

QList<RecordStore *> Cli::records() const
{
    QList<RecordStore *> list;
    if (m_record.isSet())
        list << const_cast<RecordFile *>(&m_record);
    if (m_database)
        list << m_database.get();
    return list;
}

QString Cli::stationName() const
{
    const QString station = m_parser.value(QStringLiteral("station"));
    return station.isEmpty() ? defaultStation() : station;
}

QString Cli::operatorName() const
{
    const QString name = m_parser.value(QStringLiteral("operator"));
    return name.isEmpty() ? defaultOperator() : name;
}

void Cli::identify(UnitJob &job) const
{
    job.setRecordIdentity({ stationName(), operatorName() });
}

LinkConfig Cli::configFromOptions(const QString &port, const ProvisionProfile *profile, bool modeNeeded) const
{
    LinkConfig config;
    config.port = port;
    auto pick = [&](const char *name, const QStringList &keys, bool inProfile, int fromProfile, int fallback) {
        const QString option = QLatin1String(name);
        if (!m_parser.isSet(option)) {
            if (inProfile)
                return fromProfile;
            if (fallback >= 0)
                return fallback;
            throw UsageError { QStringLiteral("--%1 is needed (allowed: %2)").arg(option, keys.join(QStringLiteral(", "))) };
        }
        const int index = int(keys.indexOf(m_parser.value(option).toLower()));
        if (index < 0)
            throw UsageError { QStringLiteral("--%1 %2: allowed: %3")
                                   .arg(option, m_parser.value(option), keys.join(QStringLiteral(", "))) };
        if (inProfile && index != fromProfile)
            throw UsageError { QStringLiteral("--%1 %2: the profile is for %3").arg(option, m_parser.value(option), keys.at(fromProfile)) };
        return index;
    };
    config.product = allProducts().at(pick("product", productKeys(), profile,
                                           profile ? int(allProducts().indexOf(profile->product)) : 0, -1));
    config.module = allModules().at(pick("module", moduleKeys(), profile,
                                         profile ? int(allModules().indexOf(profile->module)) : 0, -1));
    // A write chooses the preset family by the mode: never guessed.
    config.mode = allLinkModes().at(pick("mode", modeKeys(), profile && profile->hasMode,
                                         profile ? int(allLinkModes().indexOf(profile->mode)) : 0, modeNeeded ? -1 : 0));
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
        if (!setSetting(&change, QLatin1String(setting.key), value, config.module, config.mode, &allowed))
            throw UsageError { QStringLiteral("--%1 %2: not a value of %3 %4; allowed: %5")
                                   .arg(option, m_parser.value(option), moduleKey(config.module), modeKey(config.mode),
                                        allowed) };
    }
    // S141 goes out only with the Master preset: anything else would be
    // reported as written and never sent.
    if (m_parser.isSet(QStringLiteral("repeater")) && change.workModeRow != 0)
        throw UsageError { QStringLiteral("--repeater is written only with the master work mode (S141 goes out after "
                                          "the Master preset alone): add --work-mode master") };
    return change;
}

int Cli::runJobs(const std::vector<std::unique_ptr<UnitJob>> &jobs, const std::function<void(UnitJob &)> &start,
                 const std::function<void(const UnitJob &)> &unitEnded)
{
    auto allDone = [&] {
        return std::all_of(jobs.begin(), jobs.end(), [](const std::unique_ptr<UnitJob> &job) { return job->isDone(); });
    };
    for (const auto &job : jobs) {
        UnitJob *unit = job.get();
        const QString port = unit->config().port;
        QObject::connect(unit, &UnitJob::progress, &m_app, [this, port](UnitStep step, int line, int lines) {
            const QString text = stepWords(step, line, lines);
            if (!text.isEmpty())
                m_board->set(port, text);
            m_board->setStored(port, isStoreStep(step));
        });
        QObject::connect(unit, &UnitJob::outcomeReady, &m_app, [this, unit, port, &unitEnded] {
            m_board->remove(port);
            unitEnded(*unit);
        });
        QObject::connect(unit, &UnitJob::done, &m_app, [&] {
            if (allDone())
                m_app.quit();
        });
    }
    // The first stop signal reaches every unit.
    QObject stopWatch;
    StopSignals::onFirst(&stopWatch, [&] {
        for (const auto &job : jobs)
            job->interrupt();
    });
    for (const auto &job : jobs)
        start(*job);
    if (!allDone())
        m_app.exec();
    return StopSignals::received();
}

QJsonObject Cli::writeJson(const UnitJob &job) const
{
    const UnitOutcome &o = job.outcome();
    QJsonArray written;
    for (const QByteArray &line : o.linesSent)
        written.append(QString::fromLatin1(line.trimmed()));
    QJsonValue verified = QJsonValue::Null;
    if (o.result == UnitOutcome::Verified || o.result == UnitOutcome::Mismatch)
        verified = o.result == UnitOutcome::Verified;
    QJsonArray differences;
    for (const RegisterDifference &d : o.differences) {
        QJsonObject difference { { "register", QStringLiteral("S%1").arg(d.reg) }, { "written", d.written } };
        difference.insert(QStringLiteral("read"), d.read < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(d.read));
        differences.append(difference);
    }
    QJsonArray refused;
    for (const QByteArray &line : o.refusedLines)
        refused.append(QString::fromLatin1(line.trimmed()));
    QJsonObject object {
        { "port", job.config().port },
        { "status", o.resultKey() },
        { "exitStatus", statusOf(job) },
        { "written", written },
        { "stored", o.stored },
        { "settings", settingsToJson(o.settings, job.config().mode) },
        { "verified", verified },
        { "differences", differences },
        { "refused", refused },
    };
    if (!job.failure().isEmpty())
        object.insert(QStringLiteral("error"), job.failure());
    if (!o.recordError.isEmpty())
        object.insert(QStringLiteral("recordError"), o.recordError);
    return object;
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
    if (entries.isEmpty())
        m_board->printFailure(QStringLiteral("no serial ports; devices the system does not list as serial ports "
                                             "(pseudo-terminals, the simulator's link) are added by naming their paths "
                                             "in KVX_EXTRA_PORTS"));
    return 0;
}

int Cli::read()
{
    allowOnly({ "port", "product", "module", "mode", "timeout", "json" });
    const LinkConfig config = configFromOptions(onePort(), nullptr, false);
    std::vector<std::unique_ptr<UnitJob>> jobs;
    jobs.push_back(std::make_unique<UnitJob>(config));
    jobs.front()->setReportTimeout(timeout());
    const int signal = runJobs(jobs, [](UnitJob &job) { job.startRead(); }, [this](const UnitJob &job) {
        if (!job.failure().isEmpty())
            m_board->printFailure(job.failure());
    });
    const UnitJob &job = *jobs.front();
    if (signal)
        return 128 + signal;
    if (job.cause() != UnitOutcome::NoCause)
        return statusOf(job);
    const RadioSettings &s = job.settings();
    if (m_json) {
        QJsonObject object = unitToJson(config);
        object.insert(QStringLiteral("port"), config.port);
        object.insert(QStringLiteral("settings"), settingsToJson(s, config.mode));
        object.insert(QStringLiteral("registers"), registersToJson(s.registers));
        out() << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return 0;
    }
    printSettings(s, isMultipoint(config.mode));
    return 0;
}

int Cli::write()
{
    allowOnly({ "port", "product", "module", "mode", "profile", "work-mode", "baud", "link-rate", "power", "repeater",
                "address", "unit", "no-verify", "log", "record", "station", "operator", "replace", "timeout", "json",
                "reservation-timeout" });
    const QString port = onePort();
    std::unique_ptr<ProvisionProfile> profile;
    if (m_parser.isSet(QStringLiteral("profile")))
        profile = std::make_unique<ProvisionProfile>(loadProfile(m_parser.value(QStringLiteral("profile"))));
    const LinkConfig config = configFromOptions(port, profile.get(), true);
    const SettingsChange change = changeFromOptions(config, profile.get());
    const int ms = timeout();
    prepareRecord();

    std::vector<std::unique_ptr<UnitJob>> jobs;
    jobs.push_back(std::make_unique<UnitJob>(config));
    jobs.front()->setReportTimeout(ms);
    for (RecordStore *store : records())
        jobs.front()->addRecord(store);
    identify(*jobs.front());
    jobs.front()->setUnitReservation(-1, true, m_parser.isSet(QStringLiteral("replace")));
    const bool verify = !m_parser.isSet(QStringLiteral("no-verify"));
    const auto start = [&](UnitJob &job) { job.startWrite(change, verify); };
    const int signal = runJobs(jobs, start, [this](const UnitJob &job) {
        const UnitOutcome &o = job.outcome();
        const QString unitPort = job.config().port;
        if (!m_json && !o.linesSent.isEmpty()) {
            // What went out, what it set, and how it ended: the result.
            m_board->printResult(QStringLiteral("%1: sent %2").arg(unitPort, joinedLines(o.linesSent)));
            m_board->printResult(QStringLiteral("%1: %2").arg(unitPort, settingsLine(o.settings, job.config().mode)));
            m_board->printResult(QStringLiteral("%1: %2").arg(unitPort, o.words()));
        } else if (!job.failure().isEmpty()) {
            m_board->printFailure(job.failure());
        }
    });
    const UnitJob &job = *jobs.front();
    if (m_json)
        out() << QJsonDocument(writeJson(job)).toJson(QJsonDocument::Indented);
    return signal ? 128 + signal : statusOf(job);
}

int Cli::provision()
{
    allowOnly({ "profile", "port", "mode", "unit-start", "log", "record", "station", "operator", "json", "timeout", "watch",
                "match", "reservation-timeout" });
    const ProvisionProfile profile = loadProfile(need("profile"));
    const QStringList portList = m_parser.values(QStringLiteral("port"));
    const bool watching = m_parser.isSet(QStringLiteral("watch"));
    if (portList.isEmpty() && !watching)
        throw UsageError { QStringLiteral("--port is needed (one for each unit), or --watch") };
    if (m_parser.isSet(QStringLiteral("match")) && !watching)
        throw UsageError { QStringLiteral("--match goes with --watch") };
    QSet<QString> seen;
    for (const QString &port : portList) {
        if (port.isEmpty())
            throw UsageError { QStringLiteral("--port is needed (see kvx-cli help provision)") };
        if (seen.contains(port))
            throw UsageError { QStringLiteral("--port %1 is given twice: one unit, one port").arg(port) };
        seen.insert(port);
    }
    const LinkConfig batchLink = configFromOptions(QString(), &profile, true);
    const SettingsChange change = withBatchNetworkAddress(profile.settings);
    qint64 firstUnit = -1;
    const bool autoUnit = m_parser.value(QStringLiteral("unit-start")) == QLatin1String("auto");
    if (autoUnit) {
        if (!isMultipoint(batchLink.mode))
            throw UsageError { QStringLiteral("--unit-start: the profile is point to point, its units have no unit address") };
        if (!m_parser.isSet(QStringLiteral("record")) || !isDatabaseRecord(m_parser.value(QStringLiteral("record"))))
            throw UsageError { QStringLiteral("--unit-start auto takes the unit addresses from a database record: add --record FILE.kvxdb "
                                              "or --record postgresql://...") };
        firstUnit = change.setUnitAddress ? change.unitAddress.toLongLong() : 1;
    } else if (m_parser.isSet(QStringLiteral("unit-start"))) {
        bool ok = false;
        firstUnit = m_parser.value(QStringLiteral("unit-start")).toLongLong(&ok);
        if (!ok || firstUnit < 0 || firstUnit + portList.size() - 1 > MaxAddress)
            throw UsageError { QStringLiteral("--unit-start %1: allowed: 0 .. %2, or auto")
                                   .arg(m_parser.value(QStringLiteral("unit-start")))
                                   .arg(MaxAddress) };
        if (!isMultipoint(batchLink.mode))
            throw UsageError { QStringLiteral("--unit-start: the profile is point to point, its units have no unit address") };
    } else if (isMultipoint(batchLink.mode)) {
        firstUnit = change.setUnitAddress ? change.unitAddress.toLongLong() : 1;
    }
    const int ms = timeout();
    prepareRecord();

    ProvisionBatch batch(batchLink, change, firstUnit);
    batch.setReportTimeout(ms);
    batch.setRecords(records());
    batch.setAutoUnitAddress(autoUnit);
    batch.setRecordIdentity({ stationName(), operatorName() });
    QObject::connect(&batch, &ProvisionBatch::unitProgress, &m_app, [this](UnitJob *unit, UnitStep step, int line, int lines) {
        const QString text = stepWords(step, line, lines);
        if (!text.isEmpty())
            m_board->set(unit->config().port, text);
        m_board->setStored(unit->config().port, isStoreStep(step));
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
                line += QStringLiteral(" (network address %1").arg(addressText(addressFromText(o.settings.networkAddress)));
                if (isMultipoint(batchLink.mode))
                    line += QStringLiteral(", unit address %1").arg(addressText(addressFromText(o.settings.unitAddress)));
                line += QLatin1Char(')');
            }
            m_board->printResult(line + o.recordNote());
        }
    });
    QObject::connect(&batch, &ProvisionBatch::finished, &m_app, &QCoreApplication::quit);
    QObject stopWatch;
    StopSignals::onFirst(&stopWatch, [&] { batch.stop(); });
    if (watching) {
        const QString glob = m_parser.value(QStringLiteral("match"));
        batch.watch(glob);
        // What it waits for, and what it sees now: a line station left
        // waiting must be able to tell why nothing happens.
        QStringList present;
        for (const PortEntry &entry : openablePortEntries())
            present << entry.path;
        m_board->printFailure(QStringLiteral("watching for serial ports that appear%1; Ctrl-C stops")
                                  .arg(glob.isEmpty() ? QString() : QStringLiteral(" matching %1").arg(glob)));
        m_board->printFailure(QStringLiteral("ports there now, left alone: %1")
                                  .arg(present.isEmpty() ? QStringLiteral("none") : present.join(QStringLiteral(", "))));
        const QStringList extra = qEnvironmentVariable("KVX_EXTRA_PORTS").split(QDir::listSeparator(), Qt::SkipEmptyParts);
        const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(glob));
        if (!glob.isEmpty() && !glob.startsWith(QLatin1String("/dev/"))
            && std::none_of(extra.begin(), extra.end(), [&](const QString &path) { return match.match(path).hasMatch(); }))
            m_board->printFailure(QStringLiteral("note: %1 names no device the system lists as a serial port; a pseudo-"
                                                 "terminal or a simulator's link is seen only when KVX_EXTRA_PORTS names "
                                                 "its path").arg(glob));
        QObject::connect(&batch, &ProvisionBatch::portPassedOver, &m_app, [this, glob](const QString &path) {
            m_board->printFailure(QStringLiteral("%1 appeared: left alone, it does not match %2").arg(path, glob));
        });
    }
    batch.startPorts(portList);
    if (!batch.isFinished())
        m_app.exec();
    const int signal = StopSignals::received();

    int status = 0;
    QJsonArray units;
    for (UnitJob *unit : batch.units()) {
        status = std::max(status, statusOf(*unit));
        if (m_json)
            units.append(writeJson(*unit));
    }
    if (signal)
        status = 128 + signal;
    if (m_json) {
        out() << QJsonDocument(QJsonObject { { "units", units },
                                             { "networkAddress", change.networkAddress.toLongLong() },
                                             { "verified", batch.goodCount() },
                                             { "interrupted", signal != 0 },
                                             { "exitStatus", status } })
                     .toJson(QJsonDocument::Indented);
    } else {
        out() << QStringLiteral("%1 of %2 %3 verified on network address %4%5")
                     .arg(batch.goodCount())
                     .arg(batch.units().size())
                     .arg(QLatin1String(batch.units().size() == 1 ? "unit" : "units"))
                     .arg(change.networkAddress, signal ? QStringLiteral(" (stopped)") : QString())
              << Qt::endl;
    }
    return status;
}

int Cli::baud()
{
    allowOnly({ "port", "product", "set", "json" });
    LinkConfig config;
    config.port = onePort();
    // Only KV6 - KV7 units have a pass-through rate.
    if (m_parser.isSet(QStringLiteral("product")) && m_parser.value(QStringLiteral("product")).toLower() != QLatin1String("kv6"))
        throw UsageError { QStringLiteral("--product %1: only kv6 (KV6 - KV7) units have a pass-through baud rate")
                               .arg(m_parser.value(QStringLiteral("product"))) };
    config.product = Product::Kv6;
    qint32 rate = 0;
    if (m_parser.isSet(QStringLiteral("set"))) {
        const QString value = m_parser.value(QStringLiteral("set"));
        if (!passThroughRates().contains(value))
            throw UsageError { QStringLiteral("--set %1: allowed: %2").arg(value, passThroughRates().join(QStringLiteral(", "))) };
        rate = value.toInt();
    }
    std::vector<std::unique_ptr<UnitJob>> jobs;
    jobs.push_back(std::make_unique<UnitJob>(config));
    const int signal = runJobs(jobs, [rate](UnitJob &job) { job.startBaud(rate); }, [this](const UnitJob &job) {
        if (!job.failure().isEmpty())
            m_board->printFailure(job.failure());
    });
    const UnitJob &job = *jobs.front();
    if (signal)
        return 128 + signal;
    if (job.cause() != UnitOutcome::NoCause)
        return statusOf(job);
    if (m_json)
        out() << QJsonDocument(QJsonObject { { "port", config.port }, { "passThroughBaud", qint64(job.passThroughRate()) } })
                     .toJson(QJsonDocument::Indented);
    else
        out() << config.port << ": pass-through baud " << job.passThroughRate() << Qt::endl;
    return 0;
}

void printSettings(const RadioSettings &s, bool unitAddress)
{
    out() << "work mode: " << s.workMode << Qt::endl;
    out() << "baud: " << s.baud << Qt::endl;
    out() << "link rate: " << s.linkRate << Qt::endl;
    out() << "power: " << s.power << Qt::endl;
    out() << "repeater: " << repeaterText(s.repeaterRow) << Qt::endl;
    out() << "network address: " << s.networkAddress << Qt::endl;
    if (unitAddress)
        out() << "unit address: " << s.unitAddress << Qt::endl;
}

int Cli::detect()
{
    allowOnly({ "port", "timeout", "json" });
    UnitDetector detector(onePort());
    if (m_parser.isSet(QStringLiteral("timeout")))
        detector.setReportTimeout(timeout());
    QObject::connect(&detector, &UnitDetector::trying, &m_app, [&](Product product) {
        m_board->set(detector.port(), QStringLiteral("trying %1 at %2 baud").arg(productCaption(product)).arg(lineBaudFor(product)));
    });
    QObject::connect(&detector, &UnitDetector::done, &m_app, &QCoreApplication::quit);
    QObject stopWatch;
    StopSignals::onFirst(&stopWatch, [&] { detector.interrupt(); });
    detector.start();
    m_app.exec();
    m_board->remove(detector.port());
    if (StopSignals::received())
        return 128 + StopSignals::received();
    if (!detector.product()) {
        m_board->printFailure(detector.failure());
        // A port that opened for one try and not for the next went away.
        if (detector.portLost())
            return PortLost;
        return detector.portOpened() ? NoReport : CannotOpen;
    }
    const RadioSettings &s = detector.settings();
    if (m_json) {
        QJsonArray modules;
        for (Module module : detector.modules())
            modules.append(moduleKey(module));
        QJsonObject object {
            { "port", detector.port() },
            { "product", productKey(*detector.product()) },
            { "modules", modules },
            { "settings", settingsToJson(s, LinkMode::PointToMultipoint) },
            { "registers", registersToJson(s.registers) },
        };
        out() << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return 0;
    }
    out() << detector.port() << ": " << productCaption(*detector.product()) << " answered at "
          << lineBaudFor(*detector.product()) << " baud" << Qt::endl;
    out() << "module: " << detector.modulesText() << Qt::endl;
    printSettings(s, s.hasUnitAddress);
    return 0;
}

int Cli::reservationTimeout() const
{
    const QString option = QStringLiteral("reservation-timeout");
    if (!m_parser.isSet(option))
        return DefaultReservationTimeoutS;
    bool ok = false;
    const int seconds = m_parser.value(option).toInt(&ok);
    if (!ok || seconds <= 0)
        throw UsageError { QStringLiteral("--reservation-timeout %1: allowed: a number of seconds above 0").arg(m_parser.value(option)) };
    return seconds;
}

QString Cli::addressOption(const char *name) const
{
    const QString value = need(name);
    bool ok = false;
    const qulonglong address = value.toULongLong(&ok);
    if (!ok || address > qulonglong(MaxAddress))
        throw UsageError { QStringLiteral("--%1 %2: must be a whole number 0 … %3").arg(QLatin1String(name), value).arg(MaxAddress) };
    return QString::number(address);
}

int Cli::record(const QStringList &arguments)
{
    const QString action = arguments.value(1);
    static const QStringList Actions = { "list", "check", "import", "export", "release" };
    if (!Actions.contains(action))
        throw UsageError { QStringLiteral("record: give list, check, import FILE.csv, export --csv or release (see kvx-cli help record)") };
    if (action == QLatin1String("list"))
        allowOnly({ "record", "network", "json" });
    else if (action == QLatin1String("check"))
        allowOnly({ "record", "network", "json", "reservation-timeout" });
    else if (action == QLatin1String("import"))
        allowOnly({ "record" });
    else if (action == QLatin1String("export"))
        allowOnly({ "record", "csv", "network" });
    else
        allowOnly({ "record", "network", "unit" });
    if (action == QLatin1String("import") && arguments.size() != 3)
        throw UsageError { QStringLiteral("record import takes one CSV file") };
    if (arguments.size() > 2 && action != QLatin1String("import"))
        throw UsageError { QStringLiteral("record %1 takes no file").arg(action) };
    if (action == QLatin1String("export") && !m_parser.isSet(QStringLiteral("csv")))
        throw UsageError { QStringLiteral("record export needs --csv (the one format it writes)") };
    const QString location = need("record");
    const int timeoutS = reservationTimeout();
    m_database = openRecord(location);
    m_database->setReservationTimeout(timeoutS);
    if (action == QLatin1String("import"))
        return recordImport(arguments.at(2));
    if (action == QLatin1String("release"))
        return recordRelease(addressOption("network"), addressOption("unit"));

    // A record that is not there is not made by looking at it.
    QString error;
    if (!m_database->openExisting(&error)) {
        m_board->printFailure(QStringLiteral("--record %1: %2").arg(m_database->name(), error));
        return Usage;
    }
    QList<RecordRow> rows = m_database->rows(&error);
    if (!error.isEmpty()) {
        m_board->printFailure(QStringLiteral("--record %1: %2").arg(m_database->name(), error));
        return RecordFailed;
    }
    if (m_parser.isSet(QStringLiteral("network"))) {
        const QString network = addressOption("network");
        rows.erase(std::remove_if(rows.begin(), rows.end(),
                                  [&](const RecordRow &row) { return row.record.settings.networkAddress != network; }),
                   rows.end());
    }
    if (action == QLatin1String("export")) {
        out() << recordHeader().join(QLatin1Char(',')) << "\r\n";
        for (const RecordRow &row : rows)
            out() << QString::fromUtf8(recordLine(row.record, row.attempt));
        return 0;
    }
    if (action == QLatin1String("check"))
        return recordCheck(rows, timeoutS);
    if (m_json) {
        QJsonArray array;
        for (const RecordRow &row : rows) {
            const UnitRecord &r = row.record;
            QJsonObject object = unitToJson(r.config);
            object.remove(QStringLiteral("kvx-profile"));
            object.insert(QStringLiteral("time"), r.time.toUTC().toString(Qt::ISODate));
            object.insert(QStringLiteral("station"), r.station);
            object.insert(QStringLiteral("operator"), r.operatorName);
            object.insert(QStringLiteral("toolVersion"), r.toolVersion);
            object.insert(QStringLiteral("port"), r.config.port);
            object.insert(QStringLiteral("settings"), settingsToJson(r.settings, r.config.mode));
            object.insert(QStringLiteral("result"), r.result);
            object.insert(QStringLiteral("differences"), r.detail);
            object.insert(QStringLiteral("superseded"), row.superseded);
            object.insert(QStringLiteral("imported"), row.imported);
            object.insert(QStringLiteral("attempt"), row.attempt);
            array.append(object);
        }
        out() << QJsonDocument(array).toJson(QJsonDocument::Indented);
        return 0;
    }
    for (const RecordRow &row : rows) {
        const UnitRecord &r = row.record;
        QStringList fields { r.time.toUTC().toString(Qt::ISODate), r.station, r.config.port, productKey(r.config.product),
                             moduleKey(r.config.module), modeKey(r.config.mode) };
        if (isMultipoint(r.config.mode))
            fields << QStringLiteral("unit %1").arg(r.settings.unitAddress);
        fields << QStringLiteral("network %1").arg(r.settings.networkAddress) << r.settings.workMode << r.settings.baud
               << r.settings.linkRate << r.settings.power << r.result;
        if (row.superseded)
            fields << QStringLiteral("(superseded)");
        if (!r.detail.isEmpty())
            fields << r.detail;
        out() << fields.join(QStringLiteral("  ")) << Qt::endl;
    }
    return 0;
}

int Cli::recordCheck(const QList<RecordRow> &rows, int timeoutS)
{
    const QList<RecordFinding> findings = checkRecord(rows, QDateTime::currentDateTimeUtc(), timeoutS);
    if (m_json) {
        QJsonArray array;
        for (const RecordFinding &finding : findings) {
            QJsonObject object { { "kind", findingKey(finding.kind) },
                                 { "networkAddress", finding.networkAddress },
                                 { "unitAddress", finding.unitAddress },
                                 { "text", finding.text } };
            // Who left an unfinished attempt, to ask them.
            if (finding.kind == RecordFinding::Pending || finding.kind == RecordFinding::Expired) {
                const UnitRecord &r = rows.at(finding.rows.first()).record;
                object.insert(QStringLiteral("station"), r.station);
                object.insert(QStringLiteral("operator"), r.operatorName);
                object.insert(QStringLiteral("time"), r.time.toUTC().toString(Qt::ISODate));
            }
            array.append(object);
        }
        out() << QJsonDocument(array).toJson(QJsonDocument::Indented);
    } else {
        for (const RecordFinding &finding : findings)
            out() << finding.text << Qt::endl;
        if (findings.isEmpty())
            out() << "no conflicts in " << rows.size() << " rows" << Qt::endl;
    }
    return findings.isEmpty() ? 0 : Mismatch;
}

int Cli::recordImport(const QString &path)
{
    auto *database = dynamic_cast<DatabaseRecord *>(m_database.get());
    if (!database)
        throw UsageError { QStringLiteral("--record: import goes into a database record (.kvxdb or postgresql://)") };
    QList<RecordRow> rows;
    QString error;
    if (!readImportFile(path, &rows, &error))
        throw UsageError { QStringLiteral("%1: %2").arg(path, error) };
    for (RecordRow &row : rows)
        row.record.station = stationName();
    DatabaseRecord::ImportCount count;
    const bool done = database->importRows(rows, &count, &error, [] { return StopSignals::received() != 0; });
    if (StopSignals::received())
        return 128 + StopSignals::received();
    if (!done) {
        m_board->printFailure(QStringLiteral("--record %1: %2").arg(m_database->name(), error));
        return RecordFailed;
    }
    out() << count.imported << " rows imported into " << m_database->name();
    if (count.skipped)
        out() << ", " << count.skipped << " skipped (held already)";
    out() << Qt::endl;
    return 0;
}

int Cli::recordRelease(const QString &network, const QString &unit)
{
    QString error;
    QList<RecordRow> released;
    if (!m_database->openExisting(&error) || !m_database->release(network, unit, &released, &error)) {
        m_board->printFailure(QStringLiteral("--record %1: %2").arg(m_database->name(), error));
        return error.isEmpty() ? Usage : RecordFailed;
    }
    if (released.isEmpty()) {
        out() << "nothing held unit address " << unit << " on network address " << network
              << " for an unfinished unit (a unit recorded as verified or written is taken over with write --replace)"
              << Qt::endl;
        return 0;
    }
    for (const RecordRow &row : released) {
        const UnitRecord &r = row.record;
        QString who = r.station.isEmpty() ? r.config.port : QStringLiteral("station %1").arg(r.station);
        if (!r.operatorName.isEmpty())
            who += QStringLiteral(" (operator %1)").arg(r.operatorName);
        out() << "released unit address " << unit << " on network address " << network << ": " << r.result << " by " << who
              << " at " << r.time.toUTC().toString(Qt::ISODate) << Qt::endl;
    }
    return 0;
}

int Cli::run()
{
    addOptions();
    try {
        if (!m_parser.parse(m_app.arguments()))
            throw UsageError { m_parser.errorText() + QStringLiteral(" (see kvx-cli --help)") };
        QStringList arguments = m_parser.positionalArguments();
        if (m_parser.isSet(QStringLiteral("version"))) {
            out() << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << Qt::endl;
            return 0;
        }
        if (m_parser.isSet(QStringLiteral("help-all"))) {
            out() << allHelp();
            return 0;
        }
        const bool help = m_parser.isSet(QStringLiteral("help"));
        if (!arguments.isEmpty() && arguments.first() == QLatin1String("help")) {
            arguments.removeFirst();
            if (arguments.isEmpty()) {
                out() << generalHelp();
                return 0;
            }
            const QString text = commandHelp(arguments.first());
            if (text.isEmpty())
                throw UsageError { QStringLiteral("no command \"%1\" (commands: %2)").arg(arguments.first(), cliCommands().join(QStringLiteral(", "))) };
            out() << text;
            return 0;
        }
        if (help) {
            const QString text = arguments.isEmpty() ? QString() : commandHelp(arguments.first());
            out() << (text.isEmpty() ? generalHelp() : text);
            return 0;
        }
        m_json = m_parser.isSet(QStringLiteral("json"));
        m_board = std::make_unique<ProgressBoard>(m_parser.isSet(QStringLiteral("quiet")));
        if (!arguments.isEmpty() && arguments.first() == QLatin1String("record")) {
            m_command = QStringLiteral("record");
            return record(arguments);
        }
        if (arguments.size() != 1)
            throw UsageError { QStringLiteral("give one command: %1 (see kvx-cli --help)").arg(cliCommands().join(QStringLiteral(", "))) };
        m_command = arguments.first();
        if (m_command == QLatin1String("ports"))
            return ports();
        if (m_command == QLatin1String("read"))
            return read();
        if (m_command == QLatin1String("write"))
            return write();
        if (m_command == QLatin1String("provision"))
            return provision();
        if (m_command == QLatin1String("baud"))
            return baud();
        if (m_command == QLatin1String("detect"))
            return detect();
        throw UsageError { QStringLiteral("unknown command \"%1\" (see kvx-cli --help)").arg(m_command) };
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
    QCoreApplication::setApplicationVersion(QStringLiteral(KVX_VERSION));
    StopSignals::install();
    Cli cli(app);
    return cli.run();
}
