#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>

#include "app/language.h"
#include "app/mainwindow.h"
#include "protocol/version.h"

namespace {

// The toolkit's own options (QGuiApplication, QApplication and the X11
// platform), which it takes off the command line itself.
const char *const ToolkitOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "style", "stylesheet", "title", "name", "visual", "fn", "font",
    "bg", "background", "fg", "foreground", "btn", "button", "im", "inputstyle", "ncols", "cmap",
};
const char *const ToolkitFlags[] = { "reverse", "widgetcount", "nograb", "dograb", "sync" };

struct WindowOptions {
    QCommandLineOption help { { QStringLiteral("h"), QStringLiteral("help") }, QString() };
    QCommandLineOption version { { QStringLiteral("v"), QStringLiteral("version") }, QString() };
    QCommandLineOption port { QStringLiteral("port"), QString(), QStringLiteral("P") };

    void addTo(QCommandLineParser &parser) const
    {
        parser.addOptions({ help, version, port });
    }
    // Ours and the toolkit's, a word after one dash or two alike (as the
    // toolkit takes them), so that anything else can be refused.
    void addAllTo(QCommandLineParser &parser) const
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        addTo(parser);
        for (const char *name : ToolkitOptionsWithValue)
            parser.addOption({ QLatin1String(name), QString(), QStringLiteral("VALUE") });
        for (const char *name : ToolkitFlags)
            parser.addOption({ QLatin1String(name), QString() });
    }
};

QString usageLine()
{
    return QCoreApplication::translate("main", "Usage: kvx-config [--port P] [Qt options] (see kvx-config --help)");
}

QString helpText()
{
    return QCoreApplication::translate(
               "main",
               "Usage: kvx-config [--port P] [Qt options]\n"
               "Opens the window that reads and writes the settings of KVX radio modems (KV5, KV6 - KV7).\n"
               "\n"
               "Options:\n"
               "  --port P       the serial port to offer first, e.g. /dev/ttyUSB0\n"
               "  -h, --help     this help\n"
               "  -v, --version  the version\n"
               "Qt's own options (-platform, -style, ...) go to the toolkit.\n"
               "\n"
               "Ports: the serial ports the system lists, plus the paths in KVX_EXTRA_PORTS.\n"
               "Settings: ~/.config/kvx-config/kvx-config.ini. See also kvx-cli --help.\n");
}

// --help, --version and a command line it cannot take need no window and
// no display: they are answered before the toolkit looks for one. Returns
// the exit status when the program is done, -1 when the window opens.
int answeredWithoutWindow(int argc, char *argv[])
{
    QCoreApplication probe(argc, argv);
    QTranslator translator;
    if (loadCatalogue(translator, systemLocaleIsChinese()))
        QCoreApplication::installTranslator(&translator);
    QCommandLineParser parser;
    const WindowOptions options;
    options.addAllTo(parser);
    const bool parsed = parser.parse(QCoreApplication::arguments());
    QString refusal;
    const QStringList given = QCoreApplication::arguments().mid(1);
    if (!parser.unknownOptionNames().isEmpty()) {
        // Named as it was typed.
        const QString name = parser.unknownOptionNames().first();
        QString typed = QStringLiteral("--") + name;
        for (const QString &word : given) {
            if (word.startsWith(QLatin1Char('-')) && word.section(QLatin1Char('='), 0, 0).remove(QRegularExpression(QStringLiteral("^--?"))) == name)
                typed = word.section(QLatin1Char('='), 0, 0);
        }
        refusal = QCoreApplication::translate("main", "%1: no such option").arg(typed);
    } else if (!parsed) {
        // Only an option's missing value is left to refuse.
        refusal = QCoreApplication::translate("main", "%1 needs a value").arg(given.isEmpty() ? QString() : given.last());
    } else if (!parser.positionalArguments().isEmpty()) {
        refusal = QCoreApplication::translate("main", "%1: the window takes no file or word, only options")
                      .arg(parser.positionalArguments().first());
    }
    if (!refusal.isEmpty()) {
        std::fputs(QStringLiteral("kvx-config: %1\n%2\n").arg(refusal, usageLine()).toLocal8Bit().constData(), stderr);
        return 2;
    }
    if (parser.isSet(options.version)) {
        std::fputs("kvx-config " KVX_VERSION "\n", stdout);
        return 0;
    }
    if (!parser.isSet(options.help))
        return -1;
    std::fputs(helpText().toLocal8Bit().constData(), stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const int status = answeredWithoutWindow(argc, argv); status >= 0)
        return status;
    QApplication app(argc, argv);
    // The dock and the task switcher match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KVX_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(KVX_APP_ID), QIcon(QStringLiteral(":/png/image/kvx-config.svg"))));
    QCommandLineParser parser;
    const WindowOptions options;
    options.addTo(parser);
    parser.parse(QApplication::arguments());
    QTranslator translator;
    if (loadCatalogue(translator, startsInChinese()))
        QApplication::installTranslator(&translator);
    MainWindow window;
    window.preferPort(parser.value(options.port));
    window.show();
    return app.exec();
}
