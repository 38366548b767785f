#pragma once
// The option rows of each radio module model. A row number is the register
// value exchanged with the modem (with the mappings of the report reader and
// the configuration write).

#include <QStringList>

struct ModuleProfile {
    // A work mode with an empty caption is a placeholder that keeps the
    // rows after it at their register values; it cannot be chosen.
    QStringList workModes;
    QStringList baudRates;
    QStringList airSpeeds;
    QStringList outputPowers;
};

// By the checked id of the module buttons: 0 Tarn, 1 Brae - Loch, 2 Skerry,
// 3 (and anything else) Half Fjord.
const ModuleProfile &moduleProfile(int moduleGroupId);

// Module code sent with the presets: 0 -> 2, 1 -> 1, 2 -> 3, 3 -> 4.
int moduleCodeForGroupId(int moduleGroupId);

// The module name used on the simulator's command line and in tests.
enum ModuleId { Tarn = 0, BraeLoch = 1, Skerry = 2, HalfFjord = 3 };
