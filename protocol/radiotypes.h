#pragma once
// The engine's own names for a unit: its product, radio module and link
// mode, the registers it has, and the largest address a register holds.
// Front ends map their own choices (the window's radio buttons, kvx-cli's
// words) onto these.

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

enum class Product {
    Kv5,   // 9600 baud
    Kv6,   // KV6 - KV7: 115200 baud and link control frames
};

enum class Module { Tarn, BraeLoch, Skerry, HalfFjord };

enum class LinkMode { PointToPoint, PointToMultipoint };

// The S-registers the tool reads and writes.
namespace Reg {
enum : int {
    WorkMode = 101,         // set by the factory presets only
    SerialBaud = 102,
    LinkRate = 103,
    NetworkAddress = 104,
    UnitAddress = 105,      // point to multipoint
    OutputPower = 108,
    AfterSlavePreset = 118, // written with 65535 after the Slave preset
    RepeaterEnable = 141,   // written after the Master preset
};
} // namespace Reg

// The address registers (S104, S105) hold 32 bits.
constexpr qint64 MaxAddress = 4294967295LL;

const QList<Product> &allProducts();
const QList<Module> &allModules();
const QList<LinkMode> &allLinkModes();

inline bool isMultipoint(LinkMode mode) { return mode == LinkMode::PointToMultipoint; }
// The line speed: KV5 9600 baud, KV6 - KV7 115200 baud.
int lineBaudFor(Product product);
// The module code the factory presets are chosen by: Brae - Loch 1, Tarn 2,
// Skerry 3, Half Fjord 4.
int moduleCode(Module module);
// The module of a code; none for a code no module has (0 before a link).
std::optional<Module> moduleForCode(int code);

// Names used on the command line, in profiles and in the record.
QString productKey(Product product);   // "kv5", "kv6"
QString moduleKey(Module module);      // "tarn", "brae-loch", "skerry", "half-fjord"
QString modeKey(LinkMode mode);        // "p2p", "p2mp"
const QStringList &productKeys();
const QStringList &moduleKeys();
const QStringList &modeKeys();
std::optional<Product> productForKey(const QString &key);
std::optional<Module> moduleForKey(const QString &key);
std::optional<LinkMode> modeForKey(const QString &key);

// Names as people know them: "KV5", "KV6 - KV7", "Tarn", "Brae - Loch", ...
QString productCaption(Product product);
QString moduleCaption(Module module);
