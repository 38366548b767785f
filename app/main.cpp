#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTranslator>

#include <cstdio>

#include "app/language.h"
#include "app/mainwindow.h"
#include "protocol/version.h"

namespace {

struct WindowOptions {
    QCommandLineOption help { { QStringLiteral("h"), QStringLiteral("help") }, QString() };
    QCommandLineOption version { { QStringLiteral("v"), QStringLiteral("version") }, QString() };
    QCommandLineOption port { QStringLiteral("port"), QString(), QStringLiteral("P") };

    void addTo(QCommandLineParser &parser) const
    {
        parser.addOptions({ help, version, port });
    }
};

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

// --help and --version need no window and no display: they are answered
// before the toolkit looks for one. Returns true when the program is done.
bool answeredWithoutWindow(int argc, char *argv[])
{
    QCoreApplication probe(argc, argv);
    QCommandLineParser parser;
    const WindowOptions options;
    options.addTo(parser);
    // The toolkit's own options are not ours to refuse.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(options.version)) {
        std::fputs("kvx-config " KVX_VERSION "\n", stdout);
        return true;
    }
    if (!parser.isSet(options.help))
        return false;
    QTranslator translator;
    if (loadCatalogue(translator, systemLocaleIsChinese()))
        QCoreApplication::installTranslator(&translator);
    std::fputs(helpText().toLocal8Bit().constData(), stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (answeredWithoutWindow(argc, argv))
        return 0;
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
