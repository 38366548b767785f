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

// The device file a port name leads to, through every link ("ttyUSB0" is
// /dev/ttyUSB0): two names of one device give the same path. The name as it
// is where it leads nowhere (yet).
QString portDevicePath(const QString &name);
// The port's lock file, whose name is made from the port's path, would have
// a name longer than a file system allows, so the port could not be locked.
bool lockNameTooLong(const QString &name);
// The name to open the port `name` by: itself, or the device it leads to
// where only that one's lock file name fits.
QString portNameToOpen(const QString &name);

// Two of `ports` that lead to one device: their names and the device, or
// an empty list when each leads to a device of its own.
QStringList portsOfOneDevice(const QStringList &ports);

// The serial ports that can be opened right now: the system's ports in the
// order it reports them, then the extra device paths listed in the
// environment variable KVX_EXTRA_PORTS (pseudo-terminals, network bridges,
// the modem simulator), separated by the platform's path-list separator.
QList<PortEntry> openablePortEntries();
// Their names.
QStringList openablePorts();
