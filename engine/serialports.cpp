#include "engine/serialports.h"

#include <QDir>
#include <QSerialPort>
#include <QSerialPortInfo>

namespace {

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
        QSerialPort port(path);
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
