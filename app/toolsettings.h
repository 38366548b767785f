#pragma once
// What the window remembers between runs (the record in use, the last port
// and choices, the Tools options), in one file of the user's settings.

#include <QSettings>
#include <QStandardPaths>

inline QSettings toolSettings()
{
    return QSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                         + QStringLiteral("/kvx-config/kvx-config.ini"),
                     QSettings::IniFormat);
}
