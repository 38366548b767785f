#include "cli/cli.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QSocketNotifier>
#include <QLoggingCategory>
#include <QTranslator>
#include <QTimer>

#include <algorithm>

#include "cli/commands.h"
#include "cli/exitstatus.h"
#include "cli/help.h"
#include "cli/jsonout.h"
#include "cli/manual.h"
#include "engine/provisionbatch.h"
#include "engine/radiosession.h"
#include "engine/station.h"
#include "protocol/randomaddress.h"
#include "protocol/unitcode.h"
#include "protocol/version.h"
#include "records/recordlocation.h"
#include "records/recordservice.h"
#include "records/recordworker.h"

namespace {

// How long kvx-cli waits for the record to say whose the unit codes are.
constexpr int RecordAnswerMs = 30000;

// Options that carry a setting, by the key they set.
const struct {
    const char *option;
    const char *key;
} SettingOptions[] = {
    { "work-mode", "workMode" }, { "baud", "baud" },       { "link-rate", "linkRate" },
    { "power", "power" },        { "repeater", "repeater" }, { "address", "networkAddress" },
    { "unit", "unitAddress" },
};

// "ports, read, write, ...", as the errors name the commands.
QString commandNames()
{
    QStringList names;
    for (const CliCommand &command : cliCommands())
        names << QLatin1String(command.name);
    return names.join(QStringLiteral(", "));
}

// The window's catalogue for the system's language (Chinese for the locale
// "zh_CN", as the window starts), from beside kvx-cli in the build tree or
// from the window's folder where the package installed both.
bool loadCatalogue(QTranslator &translator)
{
    const bool chinese = QLocale::system().name() == QLatin1String("zh_CN");
    const QString folder = Cli::catalogueFolder();
    return !folder.isEmpty() && translator.load(QLatin1String(chinese ? "chinese.qm" : "english.qm"), folder);
}

} // namespace

QString Cli::catalogueFolder()
{
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString &folder : { here + QStringLiteral("/translations"),
                                   here + QStringLiteral("/../lib/kvx-config/translations") }) {
        if (QFileInfo::exists(folder + QStringLiteral("/english.qm")))
            return QDir::cleanPath(folder);
    }
    return QString();
}

int runCli(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvx-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KVX_VERSION));
    QTranslator translator;
    if (loadCatalogue(translator))
        QCoreApplication::installTranslator(&translator);
    StopSignals::install();
    Cli cli(app);
    return cli.run();
}

Cli::Cli(QCoreApplication &app)
    : m_app(app)
{
}

int Cli::run()
{
    addOptions();
    try {
        const bool parsed = m_parser.parse(m_app.arguments());
        m_json = m_parser.isSet(QStringLiteral("json"));
        if (!parsed)
            throw UsageError { parseError() };
        QStringList arguments = m_parser.positionalArguments();
        if (!arguments.isEmpty() && arguments.first() == QLatin1String(GenerateCommand))
            return generate(arguments);
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
                throw UsageError { tr("no command \"%1\" (commands: %2; see kvx-cli --help)").arg(arguments.first(), commandNames()) };
            out() << text;
            return 0;
        }
        if (help) {
            const QString text = arguments.isEmpty() ? QString() : commandHelp(arguments.first());
            out() << (text.isEmpty() ? generalHelp() : text);
            return 0;
        }
        const bool trace = m_parser.isSet(QStringLiteral("trace"));
        if (trace) {
            // Every line and frame with its time, on stderr among the
            // progress lines (which then stay plain lines).
            qSetMessagePattern(QStringLiteral("%{time hh:mm:ss.zzz} %{message}"));
            QLoggingCategory::setFilterRules(QStringLiteral("kvx.wire.debug=true"));
        }
        m_board = std::make_unique<ProgressBoard>(m_parser.isSet(QStringLiteral("quiet")), !trace);
        m_board->setJson(m_json);
        // A command with subcommands takes its own positional arguments.
        const CliCommand *command = arguments.isEmpty() ? nullptr : findCommand(arguments.first());
        if (!command || command->subcommands.isEmpty()) {
            if (arguments.size() != 1)
                throw UsageError { tr("give one command: %1 (see kvx-cli --help)").arg(commandNames()) };
            if (!command)
                throw UsageError { tr("unknown command \"%1\" (see kvx-cli --help)").arg(arguments.first()) };
        }
        m_command = QLatin1String(command->name);
        return failedJson(dispatch(*command, arguments));
    } catch (const UsageError &error) {
        err() << "kvx-cli: " << error.message << Qt::endl;
        m_failure = error.message;
        return failedJson(Usage);
    }
}

QString Cli::parseError() const
{
    // Said as every other usage error is, pointing to the help of the
    // command given (the first word that names one).
    const QStringList arguments = m_app.arguments().mid(1);
    QString command;
    QString missing;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &word = arguments.at(i);
        if (word.startsWith(QLatin1String("--")) && !word.contains(QLatin1Char('='))) {
            const QString name = word.mid(2);
            const bool takesValue = std::any_of(m_options.begin(), m_options.end(), [&](const QCommandLineOption &option) {
                return option.names().contains(name) && !option.valueName().isEmpty();
            });
            if (takesValue && i + 1 >= arguments.size())
                missing = word;
            if (takesValue)
                ++i;
        } else if (!word.startsWith(QLatin1Char('-')) && command.isEmpty() && findCommand(word)) {
            command = word;
        }
    }
    const QString help = command.isEmpty() ? QStringLiteral("kvx-cli --help") : QStringLiteral("kvx-cli help %1").arg(command);
    const QStringList unknown = m_parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString &name = unknown.first();
        return tr("%1: no such option (see %2)").arg(name.size() == 1 ? QStringLiteral("-") + name : QStringLiteral("--") + name, help);
    }
    if (!missing.isEmpty())
        return tr("%1 needs a value (see %2)").arg(missing, help);
    return tr("%1 (see %2)").arg(m_parser.errorText(), help);
}

int Cli::failedJson(int status)
{
    // A script reading --json gets an object for every failure too, with
    // what went wrong and the exit status.
    if (!m_json || status == Success || jsonPrinted())
        return status;
    QString error = m_board && !m_board->lastFailure().isEmpty() ? m_board->lastFailure() : m_failure;
    if (error.isEmpty())
        error = status > 128 ? tr("stopped by signal %1").arg(status - 128) : tr("failed");
    printJson(QJsonObject { { "error", error }, { "exitStatus", status } });
    return status;
}

int Cli::dispatch(const CliCommand &command, const QStringList &arguments)
{
    if (command.subcommands.isEmpty()) {
        allowOnly(optionNames(command));
        return (this->*command.run)(arguments);
    }
    const CliSubcommand *subcommand = findSubcommand(command, arguments.value(1));
    if (!subcommand)
        throw UsageError { tr("%1 (see kvx-cli help %2)").arg(helpText(command.chooseSubcommand), QLatin1String(command.name)) };
    allowOnly(subcommand->options);
    return (this->*subcommand->run)(arguments);
}

int Cli::generate(const QStringList &arguments)
{
    const QString what = arguments.value(1);
    if (what == QLatin1String("man"))
        out() << manualPage();
    else if (what == QLatin1String("bash-completion"))
        out() << bashCompletion();
    else
        throw UsageError { tr("%1 man|bash-completion").arg(QLatin1String(GenerateCommand)) };
    return 0;
}

void Cli::addOptions()
{
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    m_options = {
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
        { "trace", "Every line and frame on the wire, with its time, on stderr." },
        { "profile", "Profile file (JSON) with product, module, mode and settings.", "FILE" },
        { "work-mode", "master, repeater or slave.", "MODE" },
        { "baud", "Serial baud rate of the unit's data port.", "RATE" },
        { "link-rate", "Wireless link rate.", "RATE" },
        { "power", "Output power, e.g. 1000mW.", "CAPTION" },
        { "repeater", "on or off.", "on|off" },
        { "address", "Network address, or random.", "N|random" },
        { "unit", "Unit address (point to multipoint).", "N" },
        { "no-verify", "Do not read the unit back after writing." },
        { "quick", "Quick pauses: each pause ends once the unit has answered." },
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
        { "serial", "The unit's own serial or label code (PORT=CODE for a batch).", "CODE" },
        { "serials", "The units' codes, one a line (PORT=CODE, or CODE).", "FILE" },
        { "size", "Label size: 62x29, 50x25 or a4.", "SIZE" },
        { "pdf", "A PDF file to write.", "FILE" },
        { "printer", "A printer (empty: the default one).", "NAME" },
        { "html", "An HTML file to write.", "FILE" },
        { "from", "From this date or time.", "TIME" },
        { "to", "Until this date or time.", "TIME" },
        { "day", "This day (YYYY-MM-DD).", "DATE" },
        { "record-wait", "Seconds to wait at the end for rows kept here to reach the shared record (default 10).",
          "SECONDS" },
        { "record-timeout", "Seconds a unit waits for the record before its first line (default 3).", "SECONDS" },
        { "listen", "serve: the address and port to answer at (default 127.0.0.1:8470).", "ADDR:PORT" },
        { "token-file", "serve: a file holding the bearer token other computers must show.", "FILE" },
        { "reservation-timeout", "Seconds after which a reservation with no result no longer holds its unit address "
                                 "(default 600).", "SECONDS" },
    };
    m_parser.addOptions(m_options);
}

void Cli::allowOnly(const QStringList &names) const
{
    for (const QString &name : m_parser.optionNames()) {
        if (!names.contains(name) && !isCommonOption(name))
            throw UsageError { tr("--%1 does not apply to %2 (see kvx-cli help %2)").arg(name, m_command) };
    }
}

QString Cli::need(const char *name) const
{
    const QString value = m_parser.value(QLatin1String(name));
    if (value.isEmpty())
        throw UsageError { tr("--%1 is needed (see kvx-cli help %2)").arg(QLatin1String(name), m_command) };
    return value;
}

QString Cli::onePort() const
{
    if (m_parser.values(QStringLiteral("port")).size() > 1)
        throw UsageError { tr("--port: %1 takes one port").arg(m_command) };
    return need("port");
}

int Cli::timeout() const
{
    if (!m_parser.isSet(QStringLiteral("timeout")))
        return RadioSession::DefaultReportTimeoutMs;
    bool ok = false;
    const int ms = m_parser.value(QStringLiteral("timeout")).toInt(&ok);
    if (!ok || ms <= 0)
        throw UsageError { tr("--timeout %1: allowed: a number of milliseconds above 0")
                               .arg(m_parser.value(QStringLiteral("timeout"))) };
    return ms;
}

int Cli::reservationTimeout() const
{
    const QString option = QStringLiteral("reservation-timeout");
    if (!m_parser.isSet(option))
        return DefaultReservationTimeoutS;
    bool ok = false;
    const int seconds = m_parser.value(option).toInt(&ok);
    if (!ok || seconds <= 0)
        throw UsageError { tr("--reservation-timeout %1: allowed: a number of seconds above 0").arg(m_parser.value(option)) };
    return seconds;
}

QString Cli::addressOption(const char *name) const
{
    const QString value = need(name);
    bool ok = false;
    const qulonglong address = value.toULongLong(&ok);
    if (!ok || address > qulonglong(MaxAddress))
        throw UsageError { tr("--%1 %2: must be a whole number 0 … %3").arg(QLatin1String(name), value).arg(MaxAddress) };
    return QString::number(address);
}

ProvisionProfile Cli::loadProfile(const QString &path) const
{
    ProvisionProfile profile;
    QString error;
    if (!readProfileFile(path, &profile, &error))
        throw UsageError { tr("--profile %1: %2").arg(path, error) };
    return profile;
}

void Cli::openStation()
{
    // Before any port is opened: a unit must never be written that the
    // record cannot account for.
    const QString path = m_parser.value(QStringLiteral("log"));
    const QString location = m_parser.value(QStringLiteral("record"));
    const int timeoutS = reservationTimeout();
    recordWait();
    m_station = std::make_unique<Station>();
    m_station->setIdentity({ stationName(), operatorName() });
    m_station->setRecordBound(recordTimeout() * 1000);
    bool answered = false;
    QObject::connect(m_station.get(), &Station::recordsOpened, &m_app, [&] {
        answered = true;
        m_app.quit();
    });
    QObject::connect(m_station.get(), &Station::rowsSetAside, &m_app,
                     [this](int, const QString &file, const QString &reason) {
                         m_board->printFailure(tr("a row the shared record refuses (%1) is set aside in %2")
                                                   .arg(reason, QDir::toNativeSeparators(file)));
                     });
    m_station->openRecords(path, location, timeoutS);
    if (!answered)
        m_app.exec();
    if (m_station->recordsReady())
        return;
    const RecordService *records = m_station->records();
    if (records && records->journalRefused())
        throw UsageError { tr("--log %1: cannot be written: %2").arg(path, records->refusal()) };
    throw UsageError { QStringLiteral("--record %1").arg(m_station->recordError()) };
}

int Cli::recordWait() const
{
    const QString option = QStringLiteral("record-wait");
    if (!m_parser.isSet(option))
        return 10;
    bool ok = false;
    const int seconds = m_parser.value(option).toInt(&ok);
    if (!ok || seconds < 0)
        throw UsageError { tr("--record-wait %1: allowed: a number of seconds, 0 or more").arg(m_parser.value(option)) };
    return seconds;
}

int Cli::recordTimeout() const
{
    const QString option = QStringLiteral("record-timeout");
    if (!m_parser.isSet(option))
        return DefaultCallBoundMs / 1000;
    bool ok = false;
    const int seconds = m_parser.value(option).toInt(&ok);
    if (!ok || seconds < 1 || seconds > 600)
        throw UsageError { tr("--record-timeout %1: allowed: 1 … 600 seconds").arg(m_parser.value(option)) };
    return seconds;
}

int Cli::waitForRecord(int status)
{
    RecordService *records = m_station ? m_station->records() : nullptr;
    if (!records)
        return status;
    const QString name = records->databaseName();
    // Stopped already: the rows stay here, said below, and nothing waits.
    if (records->waiting() && !StopSignals::received()) {
        const int seconds = recordWait();
        m_board->printFailure(tr("%1 row(s) wait for the shared record %2; waiting up to %3 s")
                                  .arg(records->waiting())
                                  .arg(name)
                                  .arg(seconds));
        if (seconds > 0) {
            QTimer limit;
            limit.setSingleShot(true);
            QObject::connect(&limit, &QTimer::timeout, &m_app, &QCoreApplication::quit);
            QObject::connect(records, &RecordService::waitingChanged, &limit, [this](int rows) {
                if (rows == 0)
                    m_app.quit();
            });
            QObject stopWatch;
            StopSignals::onFirst(&stopWatch, [this] { m_app.quit(); });
            records->retryNow();
            limit.start(seconds * 1000);
            m_app.exec();
        }
    }
    const int waiting = records->waiting();
    const int setAside = records->setAsideRows();
    const QString setAsideFile = records->setAsideFile();
    // The database's call under way is interrupted; the threads end within
    // a second (each of their calls is bounded), so the program does too.
    m_station->closeRecords();
    RecordWorker::joinRetired(EndJoinMs);
    const int signal = StopSignals::received();
    if (signal && status < 128)
        status = stoppedStatus(signal);
    if (setAside) {
        m_board->printFailure(tr("%n row(s) the shared record refused are set aside in %1", nullptr, setAside)
                                  .arg(QDir::toNativeSeparators(setAsideFile)));
        if (status < 128)
            status = std::max(status, int(RecordFailed));
    }
    if (!waiting)
        return status;
    m_board->printFailure(tr("%1 row(s) still wait for the shared record %2: they are kept on this "
                             "computer and forwarded by the next run or by kvx-cli record sync --record %2")
                              .arg(waiting)
                              .arg(name));
    return status == Success ? int(RecordWaiting) : status;
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

int Cli::runPrinter(const QStringList &arguments)
{
    // Labels and reports need Qt Gui: drawn by kvx-print beside this program
    // (or where KVX_PRINT names it), which reads the record itself.
    QString program = qEnvironmentVariable("KVX_PRINT");
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString &candidate : { dir + QStringLiteral("/kvx-print"), dir + QStringLiteral("/../lib/kvx-config/kvx-print") }) {
        if (program.isEmpty() && QFileInfo(candidate).isExecutable())
            program = candidate;
    }
    if (program.isEmpty()) {
        m_board->printFailure(tr("kvx-print, which draws labels and reports, is not installed beside kvx-cli"));
        return Usage;
    }
    QProcess helper;
    // It speaks as the command that was run, not as itself.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KVX_PRINT_AS"), QCoreApplication::applicationName());
    helper.setProcessEnvironment(environment);
    helper.setProcessChannelMode(QProcess::ForwardedChannels);
    helper.setInputChannelMode(QProcess::ForwardedInputChannel);
    helper.start(program, arguments);
    if (!helper.waitForStarted()) {
        m_board->printFailure(QStringLiteral("%1: %2").arg(program, helper.errorString()));
        return Usage;
    }
    helper.waitForFinished(-1);
    return helper.exitStatus() == QProcess::NormalExit ? helper.exitCode() : int(RecordFailed);
}

int Cli::label(const QStringList &)
{
    need("record");
    return runPrinter(QCoreApplication::arguments().mid(1));
}

int Cli::recordReport(const QStringList &arguments)
{
    takeFiles(arguments, 0);
    need("record");
    return runPrinter(QCoreApplication::arguments().mid(1));
}

QMap<QString, QString> Cli::unitCodes(const QStringList &ports, QStringList *queued) const
{
    QMap<QString, QString> codes;
    QStringList inOrder;
    QStringList given;
    const auto take = [&](const QString &entry, const QString &where) {
        const QString text = entry.trimmed();
        if (text.isEmpty())
            return;
        // A port is named before the first '=' (a code may hold one).
        const int split = int(text.indexOf(QLatin1Char('=')));
        const QString port = split > 0 ? text.left(split).trimmed() : QString();
        QString code = text;
        if (!port.isEmpty() && (ports.contains(port) || port.startsWith(QLatin1Char('/')) || port.startsWith(QLatin1String("COM")))) {
            code = text.mid(split + 1).trimmed();
            if (code.isEmpty())
                throw UsageError { tr("%1 %2: no code after the port").arg(where, shownUnitCode(text)) };
            if (codes.contains(port) && codes.value(port) != code)
                throw UsageError { tr("%1: port %2 is given two codes").arg(where, port) };
        }
        // Every code by the one rule, before any port is opened.
        const QString problem = unitCodeProblem(code);
        if (!problem.isEmpty())
            throw UsageError { QStringLiteral("%1: %2").arg(where, problem) };
        if (given.contains(code) && !(code != text && codes.value(port) == code))
            throw UsageError { tr("%1: unit code %2 is given twice: one code, one unit").arg(where, shownUnitCode(code)) };
        given << code;
        if (code != text)
            codes.insert(port, code);
        else
            inOrder << code;
    };
    for (const QString &value : m_parser.values(QStringLiteral("serial")))
        take(value, QStringLiteral("--serial"));
    const QString file = m_parser.value(QStringLiteral("serials"));
    if (!file.isEmpty()) {
        QFile list(file);
        if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
            throw UsageError { QStringLiteral("--serials %1: %2").arg(file, list.errorString()) };
        for (int line = 1; !list.atEnd(); ++line) {
            const QString text = QString::fromUtf8(list.readLine()).trimmed();
            if (!text.startsWith(QLatin1Char('#')))
                take(text, tr("--serials %1, line %2").arg(file).arg(line));
        }
    }
    // One port and one code alone: that unit's.
    if (ports.size() == 1 && !m_parser.isSet(QStringLiteral("watch")) && inOrder.size() == 1 && codes.isEmpty()) {
        codes.insert(ports.first(), inOrder.takeFirst());
    }
    // Codes in order go to the ports given in order, then (on an assembly
    // line) to the units that appear.
    if (!m_parser.isSet(QStringLiteral("watch"))) {
        QStringList free;
        for (const QString &port : ports) {
            if (!codes.contains(port))
                free << port;
        }
        if (inOrder.size() > free.size())
            throw UsageError { tr("--serial: %1 codes for %2 ports without one (give PORT=CODE)")
                                   .arg(inOrder.size())
                                   .arg(free.size()) };
        for (int i = 0; i < inOrder.size(); ++i)
            codes.insert(free.at(i), inOrder.at(i));
        inOrder.clear();
    }
    for (auto it = codes.cbegin(); it != codes.cend(); ++it) {
        if (!ports.contains(it.key()) && !m_parser.isSet(QStringLiteral("watch")))
            throw UsageError { tr("--serial %1=%2: %1 is not a --port given").arg(it.key(), it.value()) };
    }
    if (queued)
        *queued = inOrder;
    return codes;
}

void Cli::refuseHeldCodes(const QStringList &codes)
{
    // A code is one unit's: one the record holds for a unit already is a
    // label scanned twice, or a unit written again knowingly (--replace).
    if (codes.isEmpty() || m_parser.isSet(QStringLiteral("replace")))
        return;
    QList<RecordRow> holders;
    QString error;
    bool answered = false;
    QObject context;
    m_station->askCodesHeld(&context, codes, [&](const QList<RecordRow> &found, const QString &failure) {
        holders = found;
        error = failure;
        answered = true;
        m_app.quit();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &m_app, &QCoreApplication::quit);
    if (!answered) {
        limit.start(RecordAnswerMs);
        m_app.exec();
    }
    if (!answered)
        throw UsageError { tr("the record did not say within %1 s whether it holds the unit codes given; nothing was sent")
                               .arg(RecordAnswerMs / 1000) };
    if (!error.isEmpty())
        throw UsageError { tr("the record's units cannot be read to check the unit codes: %1; nothing was sent").arg(error) };
    if (!holders.isEmpty())
        throw UsageError { tr("%1; write it to this unit too with --replace").arg(codeHolderText(holders.first())) };
}

void Cli::readCodesFromInput(ProvisionBatch &batch, const QStringList &given)
{
    // Each line typed or scanned is the code of the next unit plugged in.
    // Read a byte whenever one is there: the loop never waits on stdin.
    m_input = std::make_unique<QFile>();
    if (!m_input->open(0, QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        m_input.reset();
        return;
    }
    m_codesGiven = given;
    m_inputNotifier = std::make_unique<QSocketNotifier>(0, QSocketNotifier::Read);
    QObject::connect(m_inputNotifier.get(), &QSocketNotifier::activated, &m_app, [this, &batch] {
        char c = 0;
        if (m_input->read(&c, 1) != 1) {
            // The end of the input: codes are no longer read, units still are.
            m_inputNotifier->setEnabled(false);
            c = '\n';
        }
        if (c != '\n' && c != '\r') {
            // However long a line runs, it is no code past the rule's length.
            if (m_inputLine.size() <= 4 * MaxUnitCodeLength + 4)
                m_inputLine.append(c);
            return;
        }
        const QString code = QString::fromUtf8(m_inputLine).trimmed();
        m_inputLine.clear();
        if (code.isEmpty())
            return;
        QString problem = unitCodeProblem(code);
        if (problem.isEmpty() && m_codesGiven.contains(code))
            problem = tr("unit code %1 is given twice: one code, one unit").arg(shownUnitCode(code));
        if (!problem.isEmpty()) {
            m_board->printFailure(tr("refused: %1").arg(problem));
            return;
        }
        m_codesGiven << code;
        const auto queue = [this, &batch, code] {
            batch.queueUnitCode(code);
            m_board->printFailure(tr("code %1: for the next unit plugged in").arg(code));
        };
        if (!m_station || m_parser.isSet(QStringLiteral("replace")) || m_command == QLatin1String("check")) {
            queue();
            return;
        }
        m_station->askCodesHeld(&m_app, { code }, [this, queue, code](const QList<RecordRow> &holders, const QString &error) {
            if (!error.isEmpty())
                m_board->printFailure(tr("refused: code %1: the record's units cannot be read: %2").arg(code, error));
            else if (!holders.isEmpty())
                m_board->printFailure(tr("refused: %1 (--replace writes it to a unit again)").arg(codeHolderText(holders.first())));
            else
                queue();
        });
    });
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
            throw UsageError { tr("--%1 is needed (allowed: %2)").arg(option, keys.join(QStringLiteral(", "))) };
        }
        const int index = int(keys.indexOf(m_parser.value(option).toLower()));
        if (index < 0)
            throw UsageError { tr("--%1 %2: allowed: %3")
                                   .arg(option, m_parser.value(option), keys.join(QStringLiteral(", "))) };
        if (inProfile && index != fromProfile)
            throw UsageError { tr("--%1 %2: the profile is for %3").arg(option, m_parser.value(option), keys.at(fromProfile)) };
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

RadioSettings Cli::changeFromOptions(const LinkConfig &config, const ProvisionProfile *profile) const
{
    RadioSettings change = profile ? profile->settings : RadioSettings();
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
            throw UsageError { tr("--%1 %2: not a value of %3 %4; allowed: %5")
                                   .arg(option, m_parser.value(option), moduleKey(config.module), modeKey(config.mode),
                                        allowed) };
    }
    // S141 goes out only with the Master preset: anything else would be
    // reported as written and never sent.
    if (m_parser.isSet(QStringLiteral("repeater")) && change.value(Reg::WorkMode) != 0)
        throw UsageError { tr("--repeater is written only with the master work mode (S141 goes out after "
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
        QObject::connect(unit, &UnitJob::progress, &m_app,
                         [this, port](UnitStep step, int line, int lines) { showStep(port, step, line, lines); });
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

int Cli::askOneUnit(const std::vector<std::unique_ptr<UnitJob>> &jobs, const std::function<void(UnitJob &)> &start)
{
    const int signal = runJobs(jobs, start, [this](const UnitJob &job) {
        if (!job.failure().isEmpty())
            m_board->printFailure(job.failure());
    });
    if (signal)
        return stoppedStatus(signal);
    const UnitJob &job = *jobs.front();
    return job.cause() != UnitOutcome::NoCause ? statusOf(job) : int(Success);
}

void Cli::showStep(const QString &port, UnitStep step, int line, int lines)
{
    const QString text = stepWords(step, line, lines);
    if (!text.isEmpty())
        m_board->set(port, text);
    m_board->setStored(port, isStoreStep(step));
}
