#pragma once
#include <QList>
#include <QString>
#include <QStringList>

struct PortEntry {
    QString name;          // as the window lists it and QSerialPort takes it
    QString path;          // the device's location in the file system
    QString description;   // what the system says of it (adapter, maker, serial number), or empty
};

// What tells two adapters apart: Qt's description, the maker and the serial
// number, as far as the system gives them ("USB-Serial Controller, Prolific,
// serial A1B2C3").
QString portDescription(const QString &description, const QString &manufacturer, const QString &serialNumber);
// The description of the system's port `name`, looked up (this walks the
// system's ports: for a port that just appeared, not on a timer).
QString describePort(const QString &name);

// The serial ports that can be opened right now: the system's ports in the
// order it reports them, then the extra device paths listed in the
// environment variable KVX_EXTRA_PORTS (pseudo-terminals, network bridges,
// the modem simulator), separated by the platform's path-list separator.
QList<PortEntry> openablePortEntries();
// Their names.
QStringList openablePorts();
