// Linked into every test: the process keeps its settings (and those of the
// simulator and kvx-cli it starts) in a folder of its own, made at start and
// removed at exit. No test reads or changes the settings of the user running
// it (a record remembered there once made tests hang in the duplicate
// question), nor sees what another test left.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct OwnSettingsFolder {
    QTemporaryDir home { QDir::tempPath() + QStringLiteral("/kvx-test-home-XXXXXX") };
    OwnSettingsFolder()
    {
        if (!home.isValid())
            qFatal("no settings folder of its own: %s", qPrintable(home.errorString()));
        // Qt's test mode and the file dialogs' state follow HOME.
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    }
} const ownSettingsFolder;

} // namespace
