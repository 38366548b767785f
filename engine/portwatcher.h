#pragma once
// Follows the serial ports of the machine as devices come and go, without
// opening any of them (opening may toggle a modem's control lines): every
// poll lists what QSerialPortInfo::availablePorts() reports plus the paths
// of KVX_EXTRA_PORTS that exist, and reports the differences to the last
// poll. For a port list that stays current, and for anything that acts on
// a newly plugged adapter.

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QTimer>

#include "engine/serialports.h"

class PortWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultPollIntervalMs = 500;

    explicit PortWatcher(QObject *parent = nullptr);

    void setPollInterval(int ms);
    int pollInterval() const { return m_timer.interval(); }

    // Takes the ports listed now as the starting point (no signal for them)
    // and polls from then on.
    void start();
    void stop();
    bool isActive() const { return m_timer.isActive(); }

    // Polls at once, with the same signals as a timed poll.
    void poll();
    // The ports of the last poll: the system's in its order, then the extra paths.
    QList<PortEntry> ports() const { return m_ports; }

    // The ports listed right now, none of them opened.
    static QList<PortEntry> listedPorts();

signals:
    // Per port, then portsChanged() once for the poll.
    void portAppeared(const PortEntry &port);
    void portVanished(const QString &name);
    void portsChanged();

private:
    QTimer m_timer;
    QList<PortEntry> m_ports;
};

Q_DECLARE_METATYPE(PortEntry)
