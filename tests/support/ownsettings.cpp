// Linked into every test: the process keeps its settings in a folder of its
// own, made when it starts and removed when it ends. No test reads or writes
// the settings of the user who runs it (a record remembered there once made
// tests hang in the duplicate question), and no test sees what another one
// left. The simulator and kvx-cli, started from a test, inherit it.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

namespace {

struct OwnSettingsFolder {
    QTemporaryDir home { QDir::tempPath() + QStringLiteral("/kvx-test-home-XXXXXX") };

    OwnSettingsFolder()
    {
        if (!home.isValid())
            qFatal("no settings folder of its own for the test: %s", qPrintable(home.errorString()));
        // Qt's test mode (~/.qttest) and QFileDialog's QtProject.conf follow
        // HOME; the program's own settings follow XDG_CONFIG_HOME.
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    }
};

const OwnSettingsFolder ownSettingsFolder;

} // namespace
