#include "protocol/moduleprofile.h"

namespace {

const QStringList Baud = { "230400", "115200", "57600", "38400", "28800", "19200", "14400", "9600",
                           "7200", "4800", "3600", "2400", "1200", "600", "300" };
const QStringList Modes = { "Master", "Repeater", "Slave(Remote)" };
const QStringList Powers = { "100mW", "125mW", "160mW", "200mW", "250mW", "320mW",
                             "400mW", "500mW", "630mW", "800mW", "1000mW" };
const QStringList PowersTo2W = Powers + QStringList { "2000mW" };

const ModuleProfile Profiles[4] = {
    // Tarn
    { Modes, Baud, { "172800", "230400", "276480", "57600", "115200" }, Powers },
    // Brae - Loch
    { Modes, Baud, { "19200", "115200", "172800", "230000", "247000", "340000", "24700", "57600" }, PowersTo2W },
    // Skerry
    { Modes, Baud, { "19200", "115200", "172800", "230000", "276000", "340000", "24700", "57600" }, Powers },
    // Half Fjord: no repeater mode, but "Slave" must stay at row 2. Its power
    // register knows only 30 dBm (row 0) and 33 dBm (every other row), so the
    // list offers exactly those two and names them.
    { { "Master", "", "Slave" }, Baud,
      { "19200", "115200", "172800", "230000", "247000", "340000", "24700", "57600" }, { "1000mW", "2000mW" } },
};

} // namespace

const ModuleProfile &moduleProfile(Module module)
{
    switch (module) {
    case Module::Tarn: return Profiles[0];
    case Module::BraeLoch: return Profiles[1];
    case Module::Skerry: return Profiles[2];
    case Module::HalfFjord: break;
    }
    return Profiles[3];
}
