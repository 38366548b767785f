#include <QApplication>
#include <QTranslator>

#include "app/language.h"
#include "app/mainwindow.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator translator;
    if (loadCatalogue(translator, systemLocaleIsChinese()))
        QApplication::installTranslator(&translator);
    MainWindow window;
    window.show();
    return app.exec();
}
