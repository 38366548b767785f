#include "engine/serialports.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSerialPort>
#include <QSerialPortInfo>

namespace {

#ifndef Q_OS_WIN
// The longest file name (in bytes) the usual file systems take.
constexpr int MaxFileNameBytes = 255;

// Where the serial port library looks for the name: a path as it is, a
// bare name in /dev.
QString systemLocation(const QString &name)
{
    if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1String("./")) || name.startsWith(QLatin1String("../")))
        return name;
    return QStringLiteral("/dev/") + name;
}
#endif

bool canOpen(QSerialPort &port)
{
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.close();
    return true;
}

} // namespace

QString portDescription(const QString &description, const QString &manufacturer, const QString &serialNumber)
{
    QStringList parts;
    for (const QString &part : { description, manufacturer }) {
        if (!part.isEmpty() && !parts.contains(part))
            parts << part;
    }
    if (!serialNumber.isEmpty())
        parts << QStringLiteral("serial %1").arg(serialNumber);
    return parts.join(QStringLiteral(", "));
}

QString portDevicePath(const QString &name)
{
#ifdef Q_OS_WIN
    return name.toUpper();
#else
    const QString location = systemLocation(name);
    const QString device = QFileInfo(location).canonicalFilePath();
    return device.isEmpty() ? location : device;
#endif
}

bool lockNameTooLong(const QString &name)
{
#ifdef Q_OS_WIN
    Q_UNUSED(name);
    return false;
#else
    // The lock is "LCK.." and the path without "/dev/", each "/" as "_".
    QString location = systemLocation(name);
    if (location.startsWith(QLatin1String("/dev/")))
        location.remove(0, 5);
    location.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QFile::encodeName(QStringLiteral("LCK..") + location).size() > MaxFileNameBytes;
#endif
}

QString portNameToOpen(const QString &name)
{
    if (!lockNameTooLong(name))
        return name;
    const QString device = portDevicePath(name);
    return lockNameTooLong(device) ? name : device;
}

QStringList portsOfOneDevice(const QStringList &ports)
{
    QMap<QString, QString> seen;   // device -> the name it was given by
    for (const QString &port : ports) {
        const QString device = portDevicePath(port);
        if (seen.contains(device))
            return { seen.value(device), port, device };
        seen.insert(device, port);
    }
    return {};
}

QString describePort(const QString &name)
{
    const QSerialPortInfo info(name);
    return info.isNull() ? QString() : portDescription(info.description(), info.manufacturer(), info.serialNumber());
}

QList<PortEntry> openablePortEntries()
{
    QList<PortEntry> entries;
    QStringList names;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        QSerialPort port(info);
        if (canOpen(port)) {
            entries.append({ info.portName(), info.systemLocation(),
                             portDescription(info.description(), info.manufacturer(), info.serialNumber()) });
            names << info.portName();
        }
    }
    const QString extra = qEnvironmentVariable("KVX_EXTRA_PORTS");
    const QStringList paths = extra.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString &path : paths) {
        if (names.contains(path))
            continue;
        QSerialPort port(portNameToOpen(path));
        if (canOpen(port)) {
            entries.append({ path, path, QString() });
            names << path;
        }
    }
    return entries;
}

QStringList openablePorts()
{
    QStringList names;
    for (const PortEntry &entry : openablePortEntries())
        names << entry.name;
    return names;
}
