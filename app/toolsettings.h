#pragma once
// What the window remembers between runs (the record in use, the last port
// and choices, the language, the Tools options), in one file of the user's
// settings, under these keys.

#include <QSettings>
#include <QStandardPaths>

inline constexpr char PortKey[] = "window/port";
inline constexpr char ProductKey[] = "window/product";
inline constexpr char ModuleKey[] = "window/module";
inline constexpr char ModeKey[] = "window/mode";
inline constexpr char LanguageKey[] = "window/language";
inline constexpr char VerifyKey[] = "tools/verify";
inline constexpr char QuickPausesKey[] = "tools/quickPauses";
inline constexpr char NextUnitKey[] = "tools/nextUnit";
inline constexpr char ProfileKey[] = "tools/profile";
inline constexpr char ApplyProfileKey[] = "tools/applyProfile";
inline constexpr char RecordKey[] = "record/path";
inline constexpr char OperatorKey[] = "record/operator";
inline constexpr char UnitCodesKey[] = "tools/unitCodes";
inline constexpr char FindProductKey[] = "tools/findProduct";
inline constexpr char WriteOnScanKey[] = "tools/writeOnScan";
inline constexpr char LabelAfterWriteKey[] = "tools/labelAfterWrite";
inline constexpr char LabelFolderKey[] = "tools/labelFolder";
inline constexpr char TerminalSentKey[] = "terminal/showSent";
inline constexpr char TerminalLogKey[] = "terminal/log";
// The job of the last run, offered back at start: the locked network
// address and the unit address due next.
inline constexpr char JobNetworkKey[] = "job/network";
inline constexpr char JobNextUnitKey[] = "job/nextUnit";

inline QSettings toolSettings()
{
    return QSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                         + QStringLiteral("/kvx-config/kvx-config.ini"),
                     QSettings::IniFormat);
}
