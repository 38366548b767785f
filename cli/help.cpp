#include "cli/help.h"

#include <QDir>

#include "protocol/moduleprofile.h"
#include "protocol/radiosettings.h"

namespace {

struct OptionHelp {
    const char *name;
    const char *text;
};

struct CommandHelp {
    const char *name;
    const char *summary;
    const char *synopsis;
    const char *about;
    QList<OptionHelp> options;
    bool valueLists;
    const char *example;
};

const OptionHelp Port { "--port P", "serial port, e.g. /dev/ttyUSB0 (kvx-cli ports lists them)" };
const OptionHelp ProductOption { "--product kv5|kv6", "KV5 (9600 baud) or KV6 - KV7 (115200 baud)" };
const OptionHelp ModuleOption { "--module M", "tarn, brae-loch, skerry or half-fjord" };
const OptionHelp ModeOption { "--mode p2p|p2mp", "point to point or point to multipoint" };
const OptionHelp Timeout { "--timeout MS", "how long to wait for the settings report (default 3000)" };
const OptionHelp Json { "--json", "print JSON instead of text" };
const OptionHelp Quiet { "--quiet", "no progress on stderr; results and failures only" };
const OptionHelp Log { "--log FILE", "append one CSV row per unit (created before any port is opened)" };
const OptionHelp Record { "--record RECORD", "a database record shared by stations: FILE.kvxdb (SQLite) or "
                                             "postgresql://user@host/dbname (password from ~/.pgpass)" };
const OptionHelp Station { "--station NAME", "this station in the record (default: the host name)" };
const OptionHelp Operator { "--operator NAME", "the operator in the record (default: the login name)" };
const OptionHelp ReservationTimeout { "--reservation-timeout SECONDS",
                                      "a unit address reserved by a unit that never ended is free again after this "
                                      "long (default 600)" };

const QList<CommandHelp> &commands()
{
    static const QList<CommandHelp> list = {
        { "ports", "list the serial ports that can be opened", "kvx-cli ports [--json]",
          "Lists the serial ports that can be opened, and the paths of KVX_EXTRA_PORTS that exist.", { Json }, false,
          "kvx-cli ports" },
        { "read", "open, read the settings report, close", "kvx-cli read --port P --product kv5|kv6 --module M [--mode p2p|p2mp] [OPTIONS]",
          "Opens the port, reads the unit's settings report, closes the link.",
          { Port, ProductOption, ModuleOption, { "--mode p2p|p2mp", "link mode (default p2p; p2mp also shows the unit address)" },
            Timeout, Json, Quiet },
          false, "kvx-cli read --port /dev/ttyUSB0 --product kv6 --module tarn --mode p2mp --json > golden.json" },
        { "write", "open, read, write (settings not given keep the unit's values), verify, close", "kvx-cli write --port P --product kv5|kv6 --module M --mode p2p|p2mp [SETTINGS] [OPTIONS]",
          "Opens the port, reads the unit, writes its settings with the changes given (a setting not given keeps "
          "the unit's value), stores them (AT&W), reads the unit back and compares, closes the link. "
          "The mode is needed (here or in the profile): it chooses the preset family.",
          { Port, ProductOption, ModuleOption, ModeOption,
            { "--profile FILE", "settings from a profile file (kvx-cli read --json output is one)" },
            { "--work-mode W", "master, repeater or slave (as the module offers)" },
            { "--baud RATE", "serial baud rate of the unit's data port" },
            { "--link-rate RATE", "wireless link rate" },
            { "--power CAPTION", "output power, e.g. 1000mW" },
            { "--repeater on|off", "repeater enable; written with the master work mode only" },
            { "--address N|random", "network address, 0 ... 4294967295 (32 bits), or a random one" },
            { "--unit N", "unit address (point to multipoint only)" },
            { "--no-verify", "do not read the unit back after storing" }, Log, Record, Station, Operator,
            { "--replace", "with --record: a unit address held by an earlier unit is taken over" }, ReservationTimeout,
            Timeout, Json, Quiet },
          true,
          "kvx-cli write --port /dev/ttyUSB0 --product kv5 --module tarn --mode p2mp --work-mode slave --unit 7" },
        { "provision", "write a profile into every --port at the same time, or into each unit plugged in",
          "kvx-cli provision --profile FILE (--port P [--port P ...] | --watch [--match GLOB]) [OPTIONS]",
          "Writes a profile into every --port at the same time and checks each unit. In point to multipoint the "
          "units get unit addresses N, N+1, ... in port order; without a network address in the profile one "
          "random address is drawn for the batch. Each unit's result line (and record row) comes the moment "
          "it ends. Ctrl-C stops every unit at a safe point.",
          { { "--profile FILE", "the batch's product, module, mode and settings" },
            { "--port P", "a unit's port; repeat for every unit (each port once)" },
            { "--mode p2p|p2mp", "when the profile does not name the mode" },
            { "--watch", "assembly line: provision each serial port that appears (after about 1 s to settle), "
                         "with the next unit address, until Ctrl-C; ports there at the start are left alone" },
            { "--match GLOB", "with --watch: only ports whose path matches, e.g. '/dev/ttyUSB*'; a path the "
                              "system does not list as a serial port is seen only when KVX_EXTRA_PORTS names it" },
            { "--unit-start N|auto", "first unit address (point to multipoint; else the profile's, else 1); auto: "
                                     "each unit takes the next free one of its network from the --record database" },
            Log, Record, Station, Operator, ReservationTimeout, Timeout, Json, Quiet },
          true, "kvx-cli provision --profile golden.json --port /dev/ttyUSB0 --port /dev/ttyUSB1 --log units.csv" },
        { "baud", "show or --set the pass-through baud rate of a KV6 - KV7 unit", "kvx-cli baud --port P [--set RATE] [--json]",
          "Shows, or sets, the pass-through baud rate of a KV6 - KV7 unit (KV5 units have none).",
          { Port, { "--product kv6", "the product (only kv6 has a pass-through rate)" },
            { "--set RATE", "19200, 38400, 56000, 57600, 115200 or 230400" }, Json, Quiet },
          false, "kvx-cli baud --port /dev/ttyUSB0 --set 57600" },
        { "detect", "say which product answers on a port, with which settings and modules",
          "kvx-cli detect --port P [--json]",
          "Tries a KV5 at 9600 baud (AT&V), then a KV6 - KV7 at 115200 baud (link-open frame, then the read), "
          "closing each link properly; prints which product answered, its settings, and which modules' lists "
          "hold every value it reported (e.g. \"Tarn or Skerry\"). Exit status 3 when nothing answers.",
          { Port, { "--timeout MS", "how long each try waits for the settings report (default 700)" }, Json, Quiet },
          false, "kvx-cli detect --port /dev/ttyUSB0" },
        { "record", "list, check, import, export or release in the provisioning record",
          "kvx-cli record list|check|import FILE.csv|export --csv|release --record RECORD [--network N] [--unit U] [--json]",
          "The record must exist (nothing is created by reading it). list: every attempt, its last row (time, "
          "station, port, unit, settings, result). check: units of one network that cannot link (differing link "
          "rate or link mode), unit addresses held twice, units never verified, units stored whose result never "
          "came (pending) and reservations that ended with no result, with station, operator and time; exit "
          "status 4 when anything is found. import FILE.csv: a CSV record (--log; a regular file of at most "
          "64 MiB) into a database record, rows it holds already skipped. export --csv: the record as a CSV "
          "record, the same columns as --log. release --network N --unit U: gives back a unit address a station "
          "left holding (reserved, or stored with no result), saying whose it was.",
          { Record, { "--network N", "only this network address (list, check, export); the address to release" },
            { "--unit U", "release: the unit address to give back" }, ReservationTimeout, Json,
            { "--csv", "export: write CSV" } },
          false, "kvx-cli record check --record postgresql://line@db.example.com/units" },
    };
    return list;
}

QString valueLists()
{
    QString text = QStringLiteral("\nValues by module:\n");
    for (Module module : allModules()) {
        const ModuleProfile &profile = moduleProfile(module);
        QStringList modes;
        static const char *Words[] = { "master", "repeater", "slave" };
        for (int row = 0; row < profile.workModes.size() && row < 3; ++row) {
            if (!profile.workModes.at(row).isEmpty())
                modes << QLatin1String(Words[row]);
        }
        text += QStringLiteral("  %1\n    work mode:  %2\n    link rate:  %3\n    power:      %4\n")
                    .arg(moduleKey(module), modes.join(QStringLiteral(", ")),
                         profile.airSpeeds.join(QStringLiteral(", ")), profile.outputPowers.join(QStringLiteral(", ")));
    }
    text += QStringLiteral("  every module\n    baud:       %1\n").arg(moduleProfile(Module::Tarn).baudRates.join(QStringLiteral(", ")));
    return text;
}

// Where ports come from, for every help that names ports.
QString extraPorts()
{
    return QStringLiteral(
        "\nPorts: the serial ports the system lists, plus the paths in the environment variable KVX_EXTRA_PORTS\n"
        "(separated by '%1'), for devices it does not list as serial ports: pseudo-terminals, network bridges,\n"
        "the simulator (kvx-modemsim --link /tmp/kvx-modem). For example:\n"
        "  KVX_EXTRA_PORTS=/tmp/kvx-modem kvx-cli ports\n")
        .arg(QDir::listSeparator());
}

QString exitStatuses()
{
    return QStringLiteral(
        "\nExit status:\n"
        "  0    success (verified, when verifying)\n"
        "  1    usage or invalid value, or the record cannot be written: nothing sent\n"
        "  2    the port cannot be opened\n"
        "  3    no settings report within the timeout (before the write, or for the check)\n"
        "  4    the check found differences (mismatch)\n"
        "  5    the port was lost\n"
        "  6    the modem refused a line (ERROR)\n"
        "  7    a unit's record row could not be written (or its unit address is in use)\n"
        "  130  stopped by SIGINT (Ctrl-C), 143 by SIGTERM\n"
        "provision exits with the highest status of its units.\n");
}

} // namespace

const QStringList &cliCommands()
{
    static QStringList names;
    if (names.isEmpty()) {
        for (const CommandHelp &command : commands())
            names << QLatin1String(command.name);
    }
    return names;
}

QString generalHelp()
{
    QString text = QStringLiteral(
        "Usage: kvx-cli COMMAND [OPTIONS]\n"
        "Reads and writes the settings of KVX radio modems (KV5, KV6 - KV7) on serial ports.\n\n"
        "Commands:\n");
    for (const CommandHelp &command : commands())
        text += QStringLiteral("  %1%2\n").arg(QString::fromLatin1(command.name).leftJustified(11), QLatin1String(command.summary));
    text += QStringLiteral(
        "  help       a command's options and an example: kvx-cli help write (or kvx-cli write --help)\n\n"
        "Options of every command: -h, --help; --help-all (every command's help); -v, --version\n");
    return text + extraPorts() + exitStatuses();
}

QString commandHelp(const QString &name)
{
    for (const CommandHelp &command : commands()) {
        if (name != QLatin1String(command.name))
            continue;
        QString text = QStringLiteral("Usage: %1\n%2\n\nOptions:\n")
                           .arg(QLatin1String(command.synopsis), QLatin1String(command.about));
        for (const OptionHelp &option : command.options)
            text += QStringLiteral("  %1%2\n").arg(QString::fromLatin1(option.name).leftJustified(22), QLatin1String(option.text));
        if (command.valueLists)
            text += valueLists();
        if (QByteArray(command.synopsis).contains("--port") || QByteArray(command.name) == "ports")
            text += extraPorts();
        text += QStringLiteral("\nExample:\n  %1\n").arg(QLatin1String(command.example));
        return text;
    }
    return QString();
}

QString allHelp()
{
    QString text = generalHelp();
    for (const QString &name : cliCommands())
        text += QStringLiteral("\n") + commandHelp(name);
    return text;
}
