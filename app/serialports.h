#pragma once
#include <QStringList>

// Names of the serial ports that can be opened right now: the system's ports
// in the order it reports them, then the extra device paths listed in the
// environment variable KVX_EXTRA_PORTS (pseudo-terminals, network bridges,
// the modem simulator), separated by the platform's path-list separator.
QStringList openablePorts();
