#pragma once
#include <QList>
#include <QString>
#include <QStringList>

struct PortEntry {
    QString name;   // as the window lists it and QSerialPort takes it
    QString path;   // the device's location in the file system
};

// The serial ports that can be opened right now: the system's ports in the
// order it reports them, then the extra device paths listed in the
// environment variable KVX_EXTRA_PORTS (pseudo-terminals, network bridges,
// the modem simulator), separated by the platform's path-list separator.
QList<PortEntry> openablePortEntries();
// Their names.
QStringList openablePorts();
