#include "cli/manual.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

#include "cli/commands.h"
#include "cli/exitstatus.h"
#include "cli/help.h"
#include "protocol/moduleprofile.h"
#include "protocol/radiosettings.h"
#include "protocol/version.h"
#include "records/recordfile.h"

namespace {

struct ManualText {
    Q_DECLARE_TR_FUNCTIONS(CliManual)
};

// Chinese, Japanese and full-width text: no spaces between its words, so
// groff may break a line after any of its characters.
bool isWideCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

// Text for roff: backslashes and hyphens escaped, no line starting with a
// control character. In filled text a break point follows each wide
// character, and a line end beside one joins the lines (it would be a space).
QString roff(const QString &text, bool filled = true)
{
    QString escaped;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\'))
            escaped += QLatin1String("\\e");
        else if (c == QLatin1Char('-'))
            escaped += QLatin1String("\\-");
        else if (filled && c == QLatin1Char('\n') && i > 0 && i + 1 < text.size()
                 && (isWideCharacter(text.at(i - 1)) || isWideCharacter(text.at(i + 1))))
            escaped += QLatin1String("\\:");
        else
            escaped += c;
        if (filled && isWideCharacter(c))
            escaped += QLatin1String("\\:");
    }
    QStringList lines = escaped.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.startsWith(QLatin1Char('.')) || line.startsWith(QLatin1Char('\'')))
            line.prepend(QLatin1String("\\&"));
    }
    return lines.join(QLatin1Char('\n'));
}

QString roff(const char *text)
{
    return roff(QString::fromUtf8(text));
}

// A block shown as it stands (examples, lists in columns).
QString verbatim(const QString &text)
{
    return QStringLiteral(".PP\n.nf\n.RS\n%1\n.RE\n.fi\n").arg(roff(text.trimmed(), false));
}

QString optionItems(const QList<CliOption> &options)
{
    QString text;
    for (const CliOption &option : options) {
        const QString name = QString::fromLatin1(option.name);
        const QString flag = name.section(QLatin1Char(' '), 0, 0);
        const QString value = name.section(QLatin1Char(' '), 1);
        // The tag is one line: the flag in bold, its value in italics.
        text += value.isEmpty() ? QStringLiteral(".TP\n.B %1\n").arg(roff(flag))
                                : QStringLiteral(".TP\n.BI %1 \" %2\"\n").arg(roff(flag), roff(value));
        text += roff(helpText(option.text)) + QLatin1Char('\n');
    }
    return text;
}

// The option's values as bash offers them; `module` is the shell variable
// holding the module given so far.
QString completionValues(const CliOption &option)
{
    const QString name = optionName(option);
    const QString value = QString::fromLatin1(option.name).section(QLatin1Char(' '), 1);
    const auto words = [](const QStringList &list) { return QStringLiteral("words='%1'").arg(list.join(QLatin1Char(' '))); };
    if (name == QLatin1String("port"))
        return QStringLiteral("words=$(\"$1\" ports 2>/dev/null)");
    if (name == QLatin1String("module"))
        return words(moduleKeys());
    if (name == QLatin1String("work-mode"))
        return words({ "master", "repeater", "slave" });
    if (name == QLatin1String("baud"))
        return words(moduleProfile(Module::Tarn).baudRates);
    if (name == QLatin1String("set"))
        return words(passThroughRates());
    if (name == QLatin1String("link-rate") || name == QLatin1String("power")) {
        // The module's own list once --module is given, else every module's.
        QString text = QStringLiteral("case $module in\n");
        QStringList all;
        for (Module module : allModules()) {
            const ModuleProfile &profile = moduleProfile(module);
            const QStringList &list = name == QLatin1String("power") ? profile.outputPowers : profile.airSpeeds;
            text += QStringLiteral("          %1) %2 ;;\n").arg(moduleKey(module), words(list));
            for (const QString &entry : list) {
                if (!all.contains(entry))
                    all << entry;
            }
        }
        return text + QStringLiteral("          *) %1 ;;\n        esac").arg(words(all));
    }
    if (value.contains(QLatin1String("FILE")) || value.contains(QLatin1String("RECORD")))
        return QStringLiteral("files=1");
    // "kv5|kv6", "on|off", "N|random": the words in lower case are the values.
    QStringList literal;
    for (const QString &word : value.split(QLatin1Char('|'))) {
        if (!word.isEmpty() && word == word.toLower())
            literal << word;
    }
    return literal.isEmpty() ? QStringLiteral("words=") : words(literal);
}

} // namespace

QString manualPage()
{
    QString page = QStringLiteral(".TH KVX\\-CLI 1 \"\" \"kvx-config " KVX_VERSION "\" \"%1\"\n")
                       .arg(ManualText::tr("User Commands"));
    // Text without spaces between its words is set ragged, not stretched.
    if (std::any_of(page.begin(), page.end(), isWideCharacter))
        page += QStringLiteral(".ad l\n");
    page += QStringLiteral(".SH %1\n").arg(ManualText::tr("NAME"));
    page += QStringLiteral("kvx\\-cli \\- %1\n.SH %2\n")
                .arg(roff(ManualText::tr("configure KVX serial radio modems from the command line")), ManualText::tr("SYNOPSIS"));
    for (const CliCommand &command : cliCommands())
        page += QStringLiteral(".B %1\n.br\n").arg(roff(command.synopsis));
    page += QStringLiteral(".B kvx\\-cli help\n.RI [ COMMAND ]\n.SH %1\n").arg(ManualText::tr("DESCRIPTION"));
    page += roff(ManualText::tr("kvx-cli reads and writes the settings of KVX radio modems (KV5 at 9600 baud, KV6 - KV7 at 115200\n"
                      "baud) on serial ports, one unit or a batch at a time, with the same lines and pauses as the window\n"
                      "kvx-config(1). Results go to stdout, progress and failures to stderr. Messages and the values of\n"
                      "text output follow the language; the keys of \"key: value\" lines stay the same in every language.\n"
                      "With --json stdout holds JSON, one object per line, the stable form for scripts.\n"));
    page += QStringLiteral(".SH %1\n").arg(ManualText::tr("COMMANDS"));
    for (const CliCommand &command : cliCommands()) {
        page += QStringLiteral(".SS %1\n%2\n.PP\n%3\n")
                    .arg(roff(command.name), roff(command.synopsis), roff(helpText(command.about)));
        // Each subcommand with what it does and the options it takes, each
        // option with its text.
        for (const CliSubcommand &subcommand : command.subcommands) {
            page += QStringLiteral(".TP\n.B %1 %2\n%3\n.RS\n")
                        .arg(roff(command.name), roff(subcommand.name), roff(helpText(subcommand.about)));
            QList<CliOption> options;
            for (const QString &name : subcommand.options) {
                if (const CliOption *option = findOption(command, name))
                    options << *option;
            }
            page += optionItems(options) + QStringLiteral(".RE\n");
        }
        if (command.subcommands.isEmpty())
            page += optionItems(command.options);
        if (command.valueLists)
            page += QStringLiteral(".PP\n%1\n").arg(roff(ManualText::tr("Values each module offers: see VALUES.")));
        page += QStringLiteral(".PP\n%1\n").arg(roff(ManualText::tr("Example:"))) + verbatim(QString::fromUtf8(command.example));
    }
    page += QStringLiteral(".SH %1\n").arg(ManualText::tr("OPTIONS OF EVERY COMMAND"));
    page += QStringLiteral(".TP\n.BR \\-h \", \" \\-\\-help\n%1\n.TP\n.B \\-\\-help\\-all\n%2\n.TP\n.BR \\-v \", \" \\-\\-version\n%3\n")
                .arg(roff(ManualText::tr("the command's help (kvx-cli help COMMAND is the same)")), roff(ManualText::tr("every command's help")),
                     roff(ManualText::tr("the version")));
    page += optionItems(commonOptions());
    page += QStringLiteral(".SH %1\n").arg(ManualText::tr("VALUES")) + verbatim(valueListsText());
    page += QStringLiteral(".SH %1\n").arg(ManualText::tr("PROFILE FORMAT"));
    page += roff(ManualText::tr("A profile is a JSON file naming the product, the module, the mode and the settings it sets; a\n"
                      "setting it leaves out keeps the unit's value (write) or is not compared (check). The output of\n"
                      "kvx-cli read --json is a profile; the window saves and opens the same files.\n"));
    page += verbatim(QStringLiteral(
        "{\"kvx-profile\": 1, \"product\": \"kv5\", \"module\": \"tarn\", \"mode\": \"p2mp\",\n"
        " \"settings\": {\"workMode\": \"slave\", \"baud\": 19200, \"linkRate\": 172800,\n"
        "              \"power\": \"500mW\", \"repeater\": false,\n"
        "              \"networkAddress\": 1234, \"unitAddress\": 7}}"));
    page += QStringLiteral(".PP\n")
            + roff(ManualText::tr("Product kv5 or kv6, module and mode as for the options; work mode and power as the module's\n"
                        "captions or the words master, repeater, slave; rates and addresses as numbers. Unknown keys,\n"
                        "keys given twice and values the module does not have are refused with the key named.\n"));
    page += QStringLiteral(".SH %1\n").arg(ManualText::tr("RECORDS"));
    page += roff(ManualText::tr("Every unit written or checked can be recorded, one row the moment it ends; a record is only\n"
                      "ever appended to, and is checked writable before any port opens.\n"));
    page += QStringLiteral(".TP\n.BI \\-\\-log \" FILE\"\n")
            + roff(ManualText::tr("a CSV journal. A new file begins with a UTF-8 byte order mark (so a spreadsheet reads Chinese\n"
                        "right) and its header; its times are UTC (the column time_utc) as 2026-12-08T09:15:02, which a\n"
                        "spreadsheet reads as a date and time. A file that exists is appended to as it is. Its columns:\n"));
    page += verbatim(recordHeader().join(QLatin1Char(',')));
    page += QStringLiteral(".TP\n.BI \\-\\-record \" FILE.kvxdb\"\n")
            + roff(ManualText::tr("an SQLite database record, shared by the stations that reach the file; its times are UTC as\n"
                        "2026-12-08T09:15:02Z.\n"));
    page += QStringLiteral(".TP\n.BI \\-\\-record \" postgresql://user@host[:port]/dbname\"\n")
            + roff(ManualText::tr("a PostgreSQL database shared by every station, which hands out unit addresses atomically; its\n"
                        "times are of the type timestamptz. The password never goes into the name: the client library\n"
                        "reads it from ~/.pgpass (or the file PGPASSFILE names, or PGPASSWORD). A server on a Unix\n"
                        "socket: postgresql:///dbname?host=/run/postgresql.\n"));
    page += QStringLiteral(".TP\n.B %1\n").arg(roff(ManualText::tr("Unit codes")))
            + roff(ManualText::tr("A unit code (--serial, --serials, standard input with --watch) is 1 to 64 printable characters:\n"
                        "no control characters. A code given twice in one batch is refused before any port opens; a\n"
                        "code the record holds for another unit is refused unless --replace.\n"));
    page += QStringLiteral(".SH %1\n").arg(ManualText::tr("EXIT STATUS"));
    for (const ExitStatusText &status : exitStatusTexts())
        page += QStringLiteral(".TP\n.B %1\n%2\n").arg(roff(status.status), roff(QCoreApplication::translate("CliHelp", status.text)));
    page += QStringLiteral(".PP\n") + roff(QCoreApplication::translate("CliHelp", exitStatusNote())) + QLatin1Char('\n');
    page += QStringLiteral(".SH %1\n").arg(ManualText::tr("ENVIRONMENT"));
    page += QStringLiteral(".TP\n.B KVX_EXTRA_PORTS\n")
            + roff(ManualText::tr("paths of further serial devices, separated by colons: pseudo-terminals, network bridges, the\n"
                        "simulator's link (kvx-modemsim --link /tmp/kvx-modem).\n"));
    page += QStringLiteral(".TP\n.BR PGPASSFILE \", \" PGPASSWORD\n")
            + roff(ManualText::tr("where the PostgreSQL client finds the password of a postgresql:// record (default ~/.pgpass).\n"));
    page += QStringLiteral(".TP\n.BR LC_ALL \", \" LC_MESSAGES \", \" LANG\n")
            + roff(ManualText::tr("the language of the help and the messages: Chinese for zh_CN, English otherwise (the window's\n"
                        "catalogues).\n"));
    page += QStringLiteral(".TP\n.B TERM\n")
            + roff(ManualText::tr("progress is redrawn in place only on a terminal that is not dumb; otherwise it comes as plain lines.\n"));
    page += QStringLiteral(".TP\n.B QT_LOGGING_RULES\n")
            + roff(ManualText::tr("turns diagnostics on by category, e.g. kvx.*.debug=true (kvx.protocol, kvx.engine, kvx.wire).\n"));
    page += QStringLiteral(".SH %1\n.TP\n.I /usr/lib/kvx\\-config/translations/\n").arg(ManualText::tr("FILES"))
            + roff(ManualText::tr("the catalogues, shared with the window.\n"));
    page += QStringLiteral(".SH %1\n.BR kvx\\-config (1),\n.BR kvx\\-modemsim (1)\n").arg(ManualText::tr("SEE ALSO"));
    return page;
}

QString bashCompletion()
{
    QStringList commands;
    QString commandOptions;
    QStringList valueOptions;
    QString values;
    QStringList seen;
    for (const CliCommand &command : cliCommands()) {
        commands << QLatin1String(command.name);
        QStringList flags { "--help" };
        for (const CliOption &option : command.options)
            flags << QStringLiteral("--") + optionName(option);
        for (const CliOption &option : commonOptions())
            flags << QStringLiteral("--") + optionName(option);
        commandOptions += QStringLiteral("      %1) options='%2' ;;\n").arg(QLatin1String(command.name), flags.join(QLatin1Char(' ')));
        for (const CliSubcommand &subcommand : command.subcommands) {
            QStringList subFlags { "--help" };
            for (const QString &option : subcommand.options)
                subFlags << QStringLiteral("--") + option;
            for (const CliOption &option : commonOptions())
                subFlags << QStringLiteral("--") + optionName(option);
            commandOptions += QStringLiteral("      \"%1 %2\") options='%3' ;;\n")
                                  .arg(QLatin1String(command.name), QLatin1String(subcommand.name), subFlags.join(QLatin1Char(' ')));
        }
        for (const CliOption &option : command.options) {
            const QString name = optionName(option);
            if (!QString::fromLatin1(option.name).contains(QLatin1Char(' ')) || seen.contains(name))
                continue;
            seen << name;
            valueOptions << QStringLiteral("--") + name;
            values += QStringLiteral("      --%1)\n        %2 ;;\n").arg(name, completionValues(option));
        }
    }
    QString subcommands;
    for (const CliCommand &command : cliCommands()) {
        QStringList names;
        for (const CliSubcommand &subcommand : command.subcommands)
            names << QLatin1String(subcommand.name);
        if (!names.isEmpty())
            subcommands += QStringLiteral("      %1) subcommands='%2' ;;\n").arg(QLatin1String(command.name), names.join(QLatin1Char(' ')));
    }
    QString script = QStringLiteral(
        "# bash completion for kvx-cli, made from its table of commands (kvx-config " KVX_VERSION ").\n"
        "_kvx_cli()\n"
        "{\n"
        "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
        "  local command= subcommand= module= words= files= options= subcommands= i word\n"
        "  local takes_value=' @VALUEOPTIONS@ '\n"
        "  # The command and subcommand given so far, past options and their values.\n"
        "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
        "    word=${COMP_WORDS[i]}\n"
        "    if [[ $word == -* ]]; then\n"
        "      if [[ $takes_value == *\" $word \"* ]]; then\n"
        "        [[ $word == --module ]] && module=${COMP_WORDS[i+1]}\n"
        "        ((i++))\n"
        "      fi\n"
        "    elif [[ -z $command ]]; then\n"
        "      command=$word\n"
        "    elif [[ -z $subcommand ]]; then\n"
        "      subcommand=$word\n"
        "    fi\n"
        "  done\n"
        "  if [[ $takes_value == *\" $prev \"* ]]; then\n"
        "    case $prev in\n"
        "@VALUES@"
        "    esac\n"
        "    if [[ -n $files ]]; then\n"
        "      COMPREPLY=($(compgen -f -- \"$cur\"))\n"
        "      compopt -o filenames 2>/dev/null\n"
        "    else\n"
        "      COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
        "    fi\n"
        "    return 0\n"
        "  fi\n"
        "  if [[ -z $command ]]; then\n"
        "    if [[ $cur == -* ]]; then\n"
        "      COMPREPLY=($(compgen -W '--help --help-all --version' -- \"$cur\"))\n"
        "    else\n"
        "      COMPREPLY=($(compgen -W '@COMMANDS@ help' -- \"$cur\"))\n"
        "    fi\n"
        "    return 0\n"
        "  fi\n"
        "  case $command in\n"
        "@SUBCOMMANDS@"
        "    help) COMPREPLY=($(compgen -W '@COMMANDS@' -- \"$cur\")); return 0 ;;\n"
        "  esac\n"
        "  if [[ -n $subcommands && -z $subcommand && $cur != -* ]]; then\n"
        "    COMPREPLY=($(compgen -W \"$subcommands\" -- \"$cur\"))\n"
        "    return 0\n"
        "  fi\n"
        "  if [[ -n $subcommands && -n $subcommand ]]; then\n"
        "    command=\"$command $subcommand\"\n"
        "  fi\n"
        "  case $command in\n"
        "@OPTIONS@"
        "  esac\n"
        "  if [[ $cur == -* || -z $cur ]]; then\n"
        "    COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
        "  else\n"
        "    COMPREPLY=($(compgen -f -- \"$cur\"))\n"
        "  fi\n"
        "  return 0\n"
        "}\n"
        "complete -F _kvx_cli kvx-cli\n");
    script.replace(QLatin1String("@VALUEOPTIONS@"), valueOptions.join(QLatin1Char(' ')));
    script.replace(QLatin1String("@VALUES@"), values);
    script.replace(QLatin1String("@COMMANDS@"), commands.join(QLatin1Char(' ')));
    script.replace(QLatin1String("@SUBCOMMANDS@"), subcommands);
    script.replace(QLatin1String("@OPTIONS@"), commandOptions);
    return script;
}
