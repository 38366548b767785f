#include "engine/portwatcher.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace {

bool listsName(const QList<PortEntry> &ports, const QString &name)
{
    for (const PortEntry &port : ports) {
        if (port.name == name)
            return true;
    }
    return false;
}

} // namespace

PortWatcher::PortWatcher(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(DefaultPollIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &PortWatcher::poll);
}

void PortWatcher::setPollInterval(int ms)
{
    m_timer.setInterval(ms);
}

void PortWatcher::start()
{
    m_ports = listedPorts();
    m_timer.start();
}

void PortWatcher::stop()
{
    m_timer.stop();
}

void PortWatcher::poll()
{
    const QList<PortEntry> now = listedPorts();
    const QList<PortEntry> before = m_ports;
    m_ports = now;
    bool changed = false;
    for (const PortEntry &port : before) {
        if (!listsName(now, port.name)) {
            changed = true;
            emit portVanished(port.name);
        }
    }
    for (const PortEntry &port : now) {
        if (!listsName(before, port.name)) {
            changed = true;
            emit portAppeared(port);
        }
    }
    if (changed)
        emit portsChanged();
}

QList<PortEntry> PortWatcher::listedPorts()
{
    QList<PortEntry> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos)
        ports.append({ info.portName(), info.systemLocation() });
    const QStringList paths = qEnvironmentVariable("KVX_EXTRA_PORTS").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString &path : paths) {
        if (!listsName(ports, path) && QFileInfo::exists(path))
            ports.append({ path, path });
    }
    return ports;
}
