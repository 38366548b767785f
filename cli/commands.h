#pragma once
// kvx-cli's commands, one entry each: the name, what its help says, the
// options it takes and the function that runs it. Dispatch, the check of the
// options given and the help are all made from this table.

#include <QList>
#include <QString>
#include <QStringList>

class Cli;

// `arguments`: the positional ones, the command's name first.
using CliRun = int (Cli::*)(const QStringList &arguments);

// An option as the help shows it ("--port P") and what it is for. The texts
// of the table are English, marked for the catalogues (context "CliHelp"):
// helpText() says them in the language installed.
struct CliOption {
    const char *name;
    const char *text;
};

// A command of a command ("record list"): the options it takes, by name,
// and what it does.
struct CliSubcommand {
    const char *name;
    QStringList options;
    CliRun run;
    const char *about;
};

struct CliCommand {
    const char *name;
    const char *summary;    // one line in the overview
    const char *synopsis;
    const char *about;
    QList<CliOption> options;
    bool valueLists;        // the help lists the values each module offers
    const char *example;
    CliRun run;             // none where the command has subcommands
    QList<CliSubcommand> subcommands = {};
    const char *chooseSubcommand = nullptr;   // said when none is named
};

const QList<CliCommand> &cliCommands();
// A text of the table in the language installed.
QString helpText(const char *text);
// The option of `command` named `name` ("port"), or nullptr.
const CliOption *findOption(const CliCommand &command, const QString &name);
const CliCommand *findCommand(const QString &name);
const CliSubcommand *findSubcommand(const CliCommand &command, const QString &name);
// The options a command takes, by name ("port", "json", ...): those its help
// lists (every command takes the common options besides).
QStringList optionNames(const CliCommand &command);
// Options every command takes: --quiet, --trace.
const QList<CliOption> &commonOptions();
bool isCommonOption(const QString &name);
// "--port P" is --port, named "port".
QString optionName(const CliOption &option);
