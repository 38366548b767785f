#include "cli/help.h"

#include <QDir>

#include "cli/commands.h"
#include "cli/exitstatus.h"
#include "protocol/moduleprofile.h"
#include "protocol/radiosettings.h"

QString valueListsText()
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

namespace {

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

// A name and its text in two columns; a name too long for its column has
// its text on the next line, so the two never run together.
QString column(const char *name, int width, const char *text)
{
    const QString left = QString::fromLatin1(name);
    if (left.size() >= width)
        return QStringLiteral("  %1\n%2%3\n").arg(left, QString(width + 2, QLatin1Char(' ')), QLatin1String(text));
    return QStringLiteral("  %1%2\n").arg(left.leftJustified(width), QLatin1String(text));
}

} // namespace

QString generalHelp()
{
    QString text = QStringLiteral(
        "Usage: kvx-cli COMMAND [OPTIONS]\n"
        "Reads and writes the settings of KVX radio modems (KV5, KV6 - KV7) on serial ports.\n\n"
        "Commands:\n");
    for (const CliCommand &command : cliCommands())
        text += column(command.name, 11, command.summary);
    text += QStringLiteral(
        "  help       a command's options and an example: kvx-cli help write (or kvx-cli write --help)\n\n"
        "Options of every command: -h, --help; --help-all (every command's help); -v, --version\n");
    for (const CliOption &option : commonOptions())
        text += column(option.name, 11, option.text);
    return text + extraPorts() + exitStatusHelp();
}

QString commandHelp(const QString &name)
{
    const CliCommand *command = findCommand(name);
    if (!command)
        return QString();
    QString text = QStringLiteral("Usage: %1\n%2\n\nOptions:\n")
                       .arg(QLatin1String(command->synopsis), QLatin1String(command->about));
    for (const CliOption &option : command->options)
        text += column(option.name, 22, option.text);
    if (command->valueLists)
        text += valueListsText();
    if (QByteArray(command->synopsis).contains("--port") || QByteArray(command->name) == "ports")
        text += extraPorts();
    text += QStringLiteral("\nExample:\n  %1\n").arg(QLatin1String(command->example));
    return text;
}

QString allHelp()
{
    QString text = generalHelp();
    for (const CliCommand &command : cliCommands())
        text += QStringLiteral("\n") + commandHelp(QLatin1String(command.name));
    return text;
}
