#include "app/serialports.h"

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

QStringList openablePorts()
{
    QStringList names;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        QSerialPort port(info);
        if (canOpen(port))
            names << info.portName();
    }
    const QString extra = qEnvironmentVariable("KVX_EXTRA_PORTS");
    const QStringList paths = extra.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString &path : paths) {
        if (names.contains(path))
            continue;
        QSerialPort port(path);
        if (canOpen(port))
            names << path;
    }
    return names;
}
