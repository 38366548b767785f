#pragma once
// The option rows of each radio module model. A row number is the register
// value exchanged with the modem (with the mappings of the report reader and
// the configuration write).

#include <QStringList>

#include "protocol/radiotypes.h"

struct ModuleProfile {
    // A work mode with an empty caption is a placeholder that keeps the
    // rows after it at their register values; it cannot be chosen.
    QStringList workModes;
    QStringList baudRates;
    QStringList airSpeeds;
    QStringList outputPowers;
};

const ModuleProfile &moduleProfile(Module module);
