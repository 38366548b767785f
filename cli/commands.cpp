#include "cli/commands.h"

#include <QCoreApplication>

#include "cli/cli.h"

namespace {

const CliOption Port { "--port P", QT_TRANSLATE_NOOP("CliHelp", "serial port, e.g. /dev/ttyUSB0 (kvx-cli ports lists them)") };
const CliOption ProductOption { "--product kv5|kv6", QT_TRANSLATE_NOOP("CliHelp", "KV5 (9600 baud) or KV6 - KV7 (115200 baud)") };
const CliOption ModuleOption { "--module M", QT_TRANSLATE_NOOP("CliHelp", "tarn, brae-loch, skerry or half-fjord") };
const CliOption ModeOption { "--mode p2p|p2mp", QT_TRANSLATE_NOOP("CliHelp", "point to point or point to multipoint") };
const CliOption Timeout { "--timeout MS", QT_TRANSLATE_NOOP("CliHelp", "how long to wait for the settings report (default 3000)") };
const CliOption Json { "--json", QT_TRANSLATE_NOOP("CliHelp", "print JSON instead of text") };
const CliOption Quick { "--quick", QT_TRANSLATE_NOOP("CliHelp", "quick pauses: each pause ends as soon as the unit has answered what it follows "
                                   "(never later than its time; the same lines go out); the record says \"quick\"") };
const CliOption Quiet { "--quiet", QT_TRANSLATE_NOOP("CliHelp", "no progress on stderr; results and failures only") };
const CliOption Log { "--log FILE", QT_TRANSLATE_NOOP("CliHelp", "append one CSV row per unit (created before any port is opened)") };
const CliOption Record { "--record RECORD", QT_TRANSLATE_NOOP("CliHelp", "a database record shared by stations: FILE.kvxdb (SQLite) or "
                                            "postgresql://user@host/dbname (password from ~/.pgpass)") };
const CliOption StationOption { "--station NAME", QT_TRANSLATE_NOOP("CliHelp", "this station in the record (default: the host name)") };
const CliOption Operator { "--operator NAME", QT_TRANSLATE_NOOP("CliHelp", "the operator in the record (default: the login name)") };
const CliOption Serial { "--serial CODE", QT_TRANSLATE_NOOP("CliHelp", "the unit's own serial or label code (as scanned; 1 to 64 printable characters), kept in its record rows") };
const CliOption PortSerial { "--serial PORT=CODE", QT_TRANSLATE_NOOP("CliHelp", "a unit's own serial or label code, by its port (repeat for every "
                                                   "unit); with one --port, --serial CODE") };
const CliOption Serials { "--serials FILE", QT_TRANSLATE_NOOP("CliHelp", "the units' codes, one a line: PORT=CODE, or a CODE alone for the next unit "
                                            "that starts with no code (in the file's order)") };
const CliOption RecordWait { "--record-wait SECONDS", QT_TRANSLATE_NOOP("CliHelp", "how long to wait at the end for rows kept here to reach the --record database "
                             "(default 10); rows still waiting make exit status 9") };
const CliOption ReservationTimeout { "--reservation-timeout SECONDS", QT_TRANSLATE_NOOP("CliHelp", "a unit address reserved by a unit that never ended is free again after this "
                                     "long (default 600)") };
const CliOption RecordTimeout { "--record-timeout SECONDS",
                                QT_TRANSLATE_NOOP("CliHelp", "how long a unit waits for the record before its first line "
                                                             "(default 3); a record that does not answer by then fails "
                                                             "the unit before anything is sent (exit 7)") };

} // namespace

const QList<CliCommand> &cliCommands()
{
    static const QList<CliCommand> list = {
        { "ports", QT_TRANSLATE_NOOP("CliHelp", "list the serial ports that can be opened"), "kvx-cli ports [--json]",
          QT_TRANSLATE_NOOP("CliHelp", "Lists the serial ports that can be opened (their paths), and the paths of "
                                       "KVX_EXTRA_PORTS that exist."),
          { Json }, false, "kvx-cli ports", &Cli::ports },
        { "read", QT_TRANSLATE_NOOP("CliHelp", "open, read the settings report, close"),
          "kvx-cli read --port P --product kv5|kv6 --module M [--mode p2p|p2mp] [OPTIONS]",
          QT_TRANSLATE_NOOP("CliHelp", "Opens the port, reads the unit's settings report, closes the link. Prints one "
                                       "\"key: value\" line per setting: the keys stay the same in every language, the "
                                       "values follow it; --json is the form for scripts."),
          { Port, ProductOption, ModuleOption,
            { "--mode p2p|p2mp", QT_TRANSLATE_NOOP("CliHelp", "link mode (default p2p; p2mp also shows the unit address)") },
            Quick, Timeout, Json, Quiet },
          false, "kvx-cli read --port /dev/ttyUSB0 --product kv6 --module tarn --mode p2mp --json > golden.json", &Cli::read },
        { "write", QT_TRANSLATE_NOOP("CliHelp", "open, read, write (settings not given keep the unit's values), verify, close"),
          "kvx-cli write --port P --product kv5|kv6 --module M --mode p2p|p2mp [SETTINGS] [OPTIONS]",
          QT_TRANSLATE_NOOP("CliHelp", "Opens the port, reads the unit, writes its settings with the changes given (a "
                                       "setting not given keeps the unit's value), stores them (AT&W), reads the unit "
                                       "back and compares, closes the link. The mode is needed (here or in the "
                                       "profile): it chooses the preset family."),
          { Port, ProductOption, ModuleOption, ModeOption,
            { "--profile FILE", QT_TRANSLATE_NOOP("CliHelp", "settings from a profile file (kvx-cli read --json output is one)") },
            { "--work-mode W", QT_TRANSLATE_NOOP("CliHelp", "master, repeater or slave (as the module offers)") },
            { "--baud RATE", QT_TRANSLATE_NOOP("CliHelp", "serial baud rate of the unit's data port") },
            { "--link-rate RATE", QT_TRANSLATE_NOOP("CliHelp", "wireless link rate") },
            { "--power CAPTION", QT_TRANSLATE_NOOP("CliHelp", "output power, e.g. 1000mW") },
            { "--repeater on|off", QT_TRANSLATE_NOOP("CliHelp", "repeater enable; written with the master work mode only") },
            { "--address N|random", QT_TRANSLATE_NOOP("CliHelp", "network address, 0 ... 4294967295 (32 bits), or a random one") },
            { "--unit N", QT_TRANSLATE_NOOP("CliHelp", "unit address (point to multipoint only)") },
            { "--no-verify", QT_TRANSLATE_NOOP("CliHelp", "do not read the unit back after storing") }, Serial, Log, Record,
            StationOption, Operator, RecordWait, RecordTimeout,
            { "--replace", QT_TRANSLATE_NOOP("CliHelp", "a unit address (with --record) or a unit code the record holds "
                                                        "for an earlier unit is taken over by this one") },
            ReservationTimeout, Quick, Timeout, Json, Quiet },
          true, "kvx-cli write --port /dev/ttyUSB0 --product kv5 --module tarn --mode p2mp --work-mode slave --unit 7",
          &Cli::write },
        { "provision", QT_TRANSLATE_NOOP("CliHelp", "write a profile into every --port at the same time, or into each unit plugged in"),
          "kvx-cli provision --profile FILE (--port P [--port P ...] | --watch [--match GLOB]) [OPTIONS]",
          QT_TRANSLATE_NOOP("CliHelp", "Writes a profile into every --port at the same time and checks each unit. In "
                                       "point to multipoint the units get unit addresses N, N+1, ... in port order; "
                                       "without a network address in the profile one random address is drawn for the "
                                       "batch. Each unit's result line (and record row) comes the moment it ends. "
                                       "Ctrl-C stops every unit at a safe point."),
          { { "--profile FILE", QT_TRANSLATE_NOOP("CliHelp", "the batch's product, module, mode and settings") },
            { "--port P", QT_TRANSLATE_NOOP("CliHelp", "a unit's port; repeat for every unit (each port once)") },
            { "--mode p2p|p2mp", QT_TRANSLATE_NOOP("CliHelp", "when the profile does not name the mode") },
            { "--watch", QT_TRANSLATE_NOOP("CliHelp", "assembly line: provision each serial port that appears (after "
                                                      "about 1 s to settle), with the next unit address, until Ctrl-C; "
                                                      "ports there at the start are left alone") },
            { "--match GLOB", QT_TRANSLATE_NOOP("CliHelp", "with --watch: only ports whose path matches, e.g. "
                                                           "'/dev/ttyUSB*'; a path the system does not list as a serial "
                                                           "port is seen only when KVX_EXTRA_PORTS names it") },
            { "--unit-start N|auto", QT_TRANSLATE_NOOP("CliHelp", "first unit address (point to multipoint; else the "
                                                                  "profile's, else 1); auto: each unit takes the next "
                                                                  "free one of its network from the --record database") },
            PortSerial, Serials,
            { "--replace", QT_TRANSLATE_NOOP("CliHelp", "a unit code the record holds for an earlier unit is taken over "
                                                        "by the unit given it here") },
            Log, Record, StationOption, Operator, RecordWait, RecordTimeout, ReservationTimeout, Quick, Timeout, Json, Quiet },
          true, "kvx-cli provision --profile golden.json --port /dev/ttyUSB0 --port /dev/ttyUSB1 --log units.csv",
          &Cli::provision },
        { "baud", QT_TRANSLATE_NOOP("CliHelp", "show or --set the pass-through baud rate of a KV6 - KV7 unit"),
          "kvx-cli baud --port P [--set RATE] [--json]",
          QT_TRANSLATE_NOOP("CliHelp", "Shows, or sets, the pass-through baud rate of a KV6 - KV7 unit (KV5 units have none)."),
          { Port, { "--product kv6", QT_TRANSLATE_NOOP("CliHelp", "the product (only kv6 has a pass-through rate)") },
            { "--set RATE", QT_TRANSLATE_NOOP("CliHelp", "19200, 38400, 56000, 57600, 115200 or 230400") }, Json, Quiet },
          false, "kvx-cli baud --port /dev/ttyUSB0 --set 57600", &Cli::baud },
        { "check", QT_TRANSLATE_NOOP("CliHelp", "read each unit and compare it with a profile, writing nothing"),
          "kvx-cli check --profile FILE (--port P [--port P ...] | --watch [--match GLOB]) [OPTIONS]",
          QT_TRANSLATE_NOOP("CliHelp", "Reads every --port at the same time (with --watch, each port that appears) and "
                                       "compares every setting the profile names with what the unit reports; a setting "
                                       "the profile leaves out is not compared (a profile from kvx-cli read --json "
                                       "names the unit address: leave it out to check many units). Only a read goes on "
                                       "the line: a KV6 - KV7's link frames and AT&V, never a preset, an ATS line or "
                                       "AT&W. Each unit's line says \"matches\" or what differs (\"differs: link rate "
                                       "115200, the profile says 230400\"); the record keeps one row per unit, matches "
                                       "or differs, with no unit address. Exit status 8 when a unit differs and every "
                                       "unit was read."),
          { { "--profile FILE", QT_TRANSLATE_NOOP("CliHelp", "the settings to compare, and the product, module and mode") },
            { "--port P", QT_TRANSLATE_NOOP("CliHelp", "a unit's port; repeat for every unit (each port once)") },
            { "--mode p2p|p2mp", QT_TRANSLATE_NOOP("CliHelp", "when the profile does not name the mode") },
            { "--watch", QT_TRANSLATE_NOOP("CliHelp", "check each serial port that appears (after about 1 s to settle), until Ctrl-C") },
            { "--match GLOB", QT_TRANSLATE_NOOP("CliHelp", "with --watch: only ports whose path matches, e.g. '/dev/ttyUSB*'") },
            PortSerial, Serials, Log, Record, StationOption, Operator, RecordWait, RecordTimeout, Quick, Timeout, Json, Quiet },
          false, "kvx-cli check --profile golden.json --port /dev/ttyUSB0 --port /dev/ttyUSB1 --log inspection.csv",
          &Cli::check },
        { "detect", QT_TRANSLATE_NOOP("CliHelp", "say which product answers on a port, with which settings and modules"),
          "kvx-cli detect --port P [--json]",
          QT_TRANSLATE_NOOP("CliHelp", "Tries a KV5 at 9600 baud (AT&V), then a KV6 - KV7 at 115200 baud (link-open "
                                       "frame, then the read), closing each link properly; prints which product "
                                       "answered, its settings, and which modules' lists hold every value it reported "
                                       "(e.g. \"Tarn or Skerry\"). Exit status 3 when nothing answers."),
          { Port, { "--timeout MS", QT_TRANSLATE_NOOP("CliHelp", "how long each try waits for the settings report (default 700)") },
            Json, Quiet },
          false, "kvx-cli detect --port /dev/ttyUSB0", &Cli::detect },
        { "label", QT_TRANSLATE_NOOP("CliHelp", "a label for verified units of the record: PDF (62x29 mm, 50x25 mm, A4 sheets) or a printer"),
          "kvx-cli label --record RECORD (--serial CODE | --network N [--unit U] | --from TIME [--to TIME]) "
          "[--size 62x29|50x25|a4] (--pdf FILE | --printer NAME)",
          QT_TRANSLATE_NOOP("CliHelp", "Draws a label for each unit chosen from the record (verified units only): the "
                                       "last one with the code, every unit of a network (the last row of each unit "
                                       "address) or the one of --unit, or every one of a time range. A label names "
                                       "product, module, mode, network and unit address, the unit's code, the date and "
                                       "the station, and carries the same as one line of text in a QR code, its fields "
                                       "joined by semicolons (\"KVX;product=KV5;module=Tarn;mode=p2mp;\" and so on: "
                                       "network, unit, code, date and station; a backslash, semicolon or equals sign "
                                       "inside a value is written with a backslash before it). A label whose QR code "
                                       "or code text cannot be drawn fails the command. Drawn by the helper kvx-print "
                                       "(Qt Gui), without a display too."),
          { Record, { "--serial CODE", QT_TRANSLATE_NOOP("CliHelp", "the unit with this code") },
            { "--network N", QT_TRANSLATE_NOOP("CliHelp", "every verified unit of this network address") },
            { "--unit U", QT_TRANSLATE_NOOP("CliHelp", "with --network: only the unit with this unit address") },
            { "--from TIME", QT_TRANSLATE_NOOP("CliHelp", "every verified unit from this date or time (2026-12-08, 2026-12-08T14:00)") },
            { "--to TIME", QT_TRANSLATE_NOOP("CliHelp", "with --from: until this date or time (default now)") },
            { "--size SIZE", QT_TRANSLATE_NOOP("CliHelp", "62x29 (default), 50x25, or a4: sheets of 3 x 8 labels of 70 x 37 mm") },
            { "--pdf FILE", QT_TRANSLATE_NOOP("CliHelp", "write the labels into a PDF file") },
            { "--printer NAME", QT_TRANSLATE_NOOP("CliHelp", "print them on this printer ('default': the system's default printer)") } },
          false, "kvx-cli label --record units.kvxdb --serial SN0042 --pdf label.pdf", &Cli::label },
        { "serve", QT_TRANSLATE_NOOP("CliHelp", "the line at a glance, live: a read-only web page and JSON API from the record"),
          "kvx-cli serve --record RECORD [--listen ADDR:PORT] [--token-file FILE]",
          QT_TRANSLATE_NOOP("CliHelp", "Serves the record (a database file or the shared PostgreSQL record) to browsers and scripts, read-only: "
          "the page / shows each station with its operator, last unit and its outcome, units verified today and the "
          "yield, rows waiting for the shared record, units per hour, failures by cause and the last 20 units, each "
          "linking to its history, in Chinese or English as the browser asks, updated live within a second of each "
          "row (over a WebSocket; without script, on reload). The API: /api/summary, /api/stations and /api/units "
          "(since=TIME, network=N, unit=U, serial=CODE, limit=N, cursor=C: paged, one object per unit under the "
          "record's own column names). Listens on 127.0.0.1:8470 unless --listen says otherwise; any address but "
          "the loopback needs --token-file. Nothing is ever written to the record. Runs until SIGINT or SIGTERM."),
          { Record,
            { "--listen ADDR:PORT", QT_TRANSLATE_NOOP("CliHelp", "where to answer (default 127.0.0.1:8470; 0.0.0.0:8470 for every address, which "
                                    "needs --token-file)") },
            { "--token-file FILE", QT_TRANSLATE_NOOP("CliHelp", "a bearer token (its first line, 16 to 256 characters) other computers show: "
                                   "Authorization: Bearer TOKEN, or once in the browser as /?token=TOKEN") },
            ReservationTimeout },
          false, "kvx-cli serve --record postgresql://viewer@db/units --listen 0.0.0.0:8470 --token-file /etc/kvx-config/serve.token",
          &Cli::serve },
        { "record", QT_TRANSLATE_NOOP("CliHelp", "list, check, import, export, release, sync or report the provisioning record"),
          "kvx-cli record list|check|import FILE.csv|export|release|sync|report --record RECORD [OPTIONS]",
          QT_TRANSLATE_NOOP("CliHelp", "The record must exist (nothing is created by reading it). Each subcommand takes "
                                       "the options listed with it."),
          { Record, { "--network N", QT_TRANSLATE_NOOP("CliHelp", "only this network address (list, check, export); the address to release") },
            { "--unit U", QT_TRANSLATE_NOOP("CliHelp", "release: the unit address to give back") },
            { "--serial CODE", QT_TRANSLATE_NOOP("CliHelp", "list, export: only the rows of the unit with this code (its whole history)") },
            { "--day DATE", QT_TRANSLATE_NOOP("CliHelp", "report: this day (default today)") },
            { "--from TIME", QT_TRANSLATE_NOOP("CliHelp", "report: from this date or time") },
            { "--to TIME", QT_TRANSLATE_NOOP("CliHelp", "report: until this date or time") },
            { "--html FILE", QT_TRANSLATE_NOOP("CliHelp", "report: the HTML page") },
            { "--pdf FILE", QT_TRANSLATE_NOOP("CliHelp", "report: the PDF") }, ReservationTimeout, RecordWait, RecordTimeout, Json,
            { "--csv", QT_TRANSLATE_NOOP("CliHelp", "export: CSV, the one format it writes (may be left out)") } },
          false, "kvx-cli record check --record postgresql://line@db.example.com/units", nullptr,
          {
              { "list", { "record", "network", "serial", "json" }, &Cli::recordList,
                QT_TRANSLATE_NOOP("CliHelp", "every attempt, its last row (time, station, port, unit, settings, result)") },
              { "check", { "record", "network", "json", "reservation-timeout" }, &Cli::recordCheck,
                QT_TRANSLATE_NOOP("CliHelp", "units of one network that cannot link (differing link rate or link mode), "
                                             "unit addresses held twice, units never verified, units stored whose result "
                                             "never came (pending), reservations that ended with no result, a unit code "
                                             "configured with two addresses and two codes configured with one unit "
                                             "address, with station, operator and time; exit status 4 when anything is found") },
              { "import", { "record" }, &Cli::recordImport,
                QT_TRANSLATE_NOOP("CliHelp", "FILE.csv: a CSV record (--log; a regular file of at most 64 MiB, UTF-8) "
                                             "into a database record, rows it holds already skipped") },
              { "export", { "record", "csv", "network", "serial" }, &Cli::recordExport,
                QT_TRANSLATE_NOOP("CliHelp", "the record as a CSV record on stdout, the columns of --log, with the byte "
                                             "order mark a spreadsheet needs to read it as UTF-8") },
              { "release", { "record", "network", "unit" }, &Cli::recordRelease,
                QT_TRANSLATE_NOOP("CliHelp", "--network N --unit U: gives back a unit address a station left holding "
                                             "(reserved, or stored with no result), saying whose it was") },
              { "report", { "record", "day", "from", "to", "html", "pdf" }, &Cli::recordReport,
                QT_TRANSLATE_NOOP("CliHelp", "--html FILE [--pdf FILE] [--day DATE | --from TIME [--to TIME]]: the day "
                                             "at a glance (today by default): units per hour, good units against attempts, "
                                             "failures by cause, by station and by operator, as a self-contained HTML page "
                                             "and a PDF, counted from the last row of each attempt") },
              { "sync", { "record", "record-wait", "record-timeout" }, &Cli::recordSync,
                QT_TRANSLATE_NOOP("CliHelp", "forwards the rows that earlier runs on this computer kept for the database "
                                             "and could not forward (exit status 9 while some still wait)") },
          },
          QT_TRANSLATE_NOOP("CliHelp", "record: give list, check, import FILE.csv, export, release, sync or report") },
    };
    return list;
}

const CliCommand *findCommand(const QString &name)
{
    for (const CliCommand &command : cliCommands()) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

const CliSubcommand *findSubcommand(const CliCommand &command, const QString &name)
{
    for (const CliSubcommand &subcommand : command.subcommands) {
        if (name == QLatin1String(subcommand.name))
            return &subcommand;
    }
    return nullptr;
}

QString optionName(const CliOption &option)
{
    return QString::fromLatin1(option.name).section(QLatin1Char(' '), 0, 0).mid(2);
}

QStringList optionNames(const CliCommand &command)
{
    QStringList names;
    for (const CliOption &option : command.options)
        names << optionName(option);
    return names;
}

const QList<CliOption> &commonOptions()
{
    static const QList<CliOption> list = {
        { "--quiet", QT_TRANSLATE_NOOP("CliHelp", "no progress on stderr; results and failures only") },
        { "--trace", QT_TRANSLATE_NOOP("CliHelp", "every line and frame sent and received, with its time, on stderr (frames in hex too)") },
    };
    return list;
}

bool isCommonOption(const QString &name)
{
    for (const CliOption &option : commonOptions()) {
        if (optionName(option) == name)
            return true;
    }
    return false;
}

QString helpText(const char *text)
{
    return QCoreApplication::translate("CliHelp", text);
}

const CliOption *findOption(const CliCommand &command, const QString &name)
{
    for (const CliOption &option : command.options) {
        if (optionName(option) == name)
            return &option;
    }
    for (const CliOption &option : commonOptions()) {
        if (optionName(option) == name)
            return &option;
    }
    return nullptr;
}
