#include "engine/logging.h"

Q_LOGGING_CATEGORY(lcEngine, "kvx.engine", QtInfoMsg)
Q_LOGGING_CATEGORY(lcWire, "kvx.wire", QtInfoMsg)
