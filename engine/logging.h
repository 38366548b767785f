#pragma once
// The engine's logging categories (off below info, as Qt's own are).

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcEngine)   // "kvx.engine": ports that fail or vanish
// "kvx.wire": every line and frame sent and every chunk received, by port;
// kvx-cli --trace turns it on with the time of each.
Q_DECLARE_LOGGING_CATEGORY(lcWire)
