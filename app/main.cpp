#include <QApplication>
#include <QCommandLineParser>
#include <QTranslator>

#include "app/language.h"
#include "app/mainwindow.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // One option of the program's own; the toolkit has taken its own already.
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("The serial port to offer first."), QStringLiteral("P"));
    parser.addOption(port);
    parser.parse(QApplication::arguments());
    QTranslator translator;
    if (loadCatalogue(translator, startsInChinese()))
        QApplication::installTranslator(&translator);
    MainWindow window;
    window.preferPort(parser.value(port));
    window.show();
    return app.exec();
}
