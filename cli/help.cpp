#include "cli/help.h"

#include <QCoreApplication>
#include <QDir>

#include "cli/commands.h"
#include "cli/exitstatus.h"
#include "protocol/moduleprofile.h"
#include "protocol/radiosettings.h"

namespace {

struct HelpText {
    Q_DECLARE_TR_FUNCTIONS(CliHelp)
};

QString said(const char *text)
{
    return QCoreApplication::translate("CliHelp", text);
}

} // namespace

QString valueListsText()
{
    // The values are those the options take, so they stay as typed.
    QString text = QLatin1Char('\n') + HelpText::tr("Values by module:") + QLatin1Char('\n');
    const QString row = QStringLiteral("    %1 %2\n");
    const auto label = [](const char *name) { return (said(name) + QLatin1Char(':')).leftJustified(11); };
    for (Module module : allModules()) {
        const ModuleProfile &profile = moduleProfile(module);
        QStringList modes;
        static const char *Words[] = { "master", "repeater", "slave" };
        for (int i = 0; i < profile.workModes.size() && i < 3; ++i) {
            if (!profile.workModes.at(i).isEmpty())
                modes << QLatin1String(Words[i]);
        }
        text += QStringLiteral("  %1\n").arg(moduleKey(module))
                + row.arg(label(QT_TRANSLATE_NOOP("CliHelp", "work mode")), modes.join(QStringLiteral(", ")))
                + row.arg(label(QT_TRANSLATE_NOOP("CliHelp", "link rate")), profile.airSpeeds.join(QStringLiteral(", ")))
                + row.arg(label(QT_TRANSLATE_NOOP("CliHelp", "power")), profile.outputPowers.join(QStringLiteral(", ")));
    }
    text += QStringLiteral("  %1\n").arg(HelpText::tr("every module"))
            + row.arg(label(QT_TRANSLATE_NOOP("CliHelp", "baud")),
                      moduleProfile(Module::Tarn).baudRates.join(QStringLiteral(", ")));
    return text;
}

namespace {

// Where ports come from, for every help that names ports.
QString extraPorts()
{
    return QLatin1Char('\n')
           + HelpText::tr("Ports: the serial ports the system lists, plus the paths in the environment variable KVX_EXTRA_PORTS\n"
                  "(separated by '%1'), for devices it does not list as serial ports: pseudo-terminals, network bridges,\n"
                  "the simulator (kvx-modemsim --link /tmp/kvx-modem). For example:\n"
                  "  KVX_EXTRA_PORTS=/tmp/kvx-modem kvx-cli ports\n")
                 .arg(QDir::listSeparator());
}

// A name and its text in two columns; a name too long for its column has
// its text on the next line, so the two never run together.
QString column(const QString &left, int width, const QString &text)
{
    if (left.size() >= width)
        return QStringLiteral("  %1\n%2%3\n").arg(left, QString(width + 2, QLatin1Char(' ')), text);
    return QStringLiteral("  %1%2\n").arg(left.leftJustified(width), text);
}

} // namespace

QString generalHelp()
{
    QString text = HelpText::tr("Usage: kvx-cli COMMAND [OPTIONS]\n"
                        "Reads and writes the settings of KVX radio modems (KV5, KV6 - KV7) on serial ports.\n\n"
                        "Commands:\n");
    for (const CliCommand &command : cliCommands())
        text += column(QLatin1String(command.name), 11, helpText(command.summary));
    text += column(QStringLiteral("help"), 11,
                   HelpText::tr("a command's options and an example: kvx-cli help write (or kvx-cli write --help)"));
    text += QLatin1Char('\n') + HelpText::tr("Options of every command: -h, --help; --help-all (every command's help); -v, --version")
            + QLatin1Char('\n');
    for (const CliOption &option : commonOptions())
        text += column(QLatin1String(option.name), 11, helpText(option.text));
    text += QLatin1Char('\n')
            + HelpText::tr("Output: messages and the values in text output follow the language (LANG=zh_CN.UTF-8: Chinese);\n"
                   "the keys of \"key: value\" lines stay as they are in every language. --json is the stable form\n"
                   "for scripts: one JSON object per line, its keys and values the same in every language.\n");
    return text + extraPorts() + exitStatusHelp();
}

QString commandHelp(const QString &name)
{
    const CliCommand *command = findCommand(name);
    if (!command)
        return QString();
    QString text = HelpText::tr("Usage: %1").arg(QLatin1String(command->synopsis)) + QLatin1Char('\n')
                   + helpText(command->about) + QLatin1Char('\n');
    for (const CliSubcommand &subcommand : command->subcommands) {
        QStringList options;
        for (const QString &option : subcommand.options)
            options << QStringLiteral("--") + option;
        text += QLatin1Char('\n') + column(QStringLiteral("%1 %2").arg(QLatin1String(command->name), QLatin1String(subcommand.name)),
                                           22, helpText(subcommand.about))
                + QString(24, QLatin1Char(' ')) + HelpText::tr("takes %1").arg(options.join(QStringLiteral(", "))) + QLatin1Char('\n');
    }
    text += QLatin1Char('\n') + HelpText::tr("Options:") + QLatin1Char('\n');
    for (const CliOption &option : command->options)
        text += column(QLatin1String(option.name), 22, helpText(option.text));
    if (command->valueLists)
        text += valueListsText();
    if (QByteArray(command->synopsis).contains("--port") || QByteArray(command->name) == "ports")
        text += extraPorts();
    text += QLatin1Char('\n') + HelpText::tr("Example:") + QStringLiteral("\n  %1\n").arg(QLatin1String(command->example));
    return text;
}

QString allHelp()
{
    QString text = generalHelp();
    for (const CliCommand &command : cliCommands())
        text += QStringLiteral("\n") + commandHelp(QLatin1String(command.name));
    return text;
}
