#pragma once
// The JSON shapes the tool reads and writes: a unit's settings (kvx-cli
// read --json, the "settings" of write --json) and the profile file that
// carries a batch's settings between the window and kvx-cli:
//   {"kvx-profile": 1, "product": "kv6", "module": "tarn", "mode": "p2mp",
//    "settings": {"workMode": "Master", "baud": 9600, ...}}

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

#include "protocol/radiosettings.h"

constexpr int ProfileVersion = 1;

struct ProvisionProfile {
    Product product = Product::Kv5;
    Module module = Module::Tarn;
    LinkMode mode = LinkMode::PointToPoint;
    bool hasMode = false;   // the file names the mode
    RadioSettings settings; // the settings it sets; the others are kept
};

// The largest profile file read; anything bigger is not a profile.
constexpr qint64 ProfileSizeLimit = 1024 * 1024;

// Captions of the module's lists, as the window shows them; rates and
// addresses as numbers; the repeater as true/false. Settings without a
// caption are left out, the unit address outside point-to-multipoint too.
QJsonObject settingsToJson(const RadioSettings &settings, Module module, LinkMode mode);
QJsonObject registersToJson(const RadioSettings &settings);   // {"S101": 0, ...}
// "product", "module", "mode" and the profile's version.
QJsonObject unitToJson(const LinkConfig &config);

QByteArray profileToJson(const LinkConfig &config, const RadioSettings &settings);
// Refuses unknown keys, keys given twice, another version and values the
// module does not have, with a message that names the key. A document
// printed by `kvx-cli read --json` is a profile: its read-only keys (port,
// registers) are passed over.
bool parseProfile(const QByteArray &json, ProvisionProfile *profile, QString *error);
// Reads and parses a profile file: a regular file of at most
// ProfileSizeLimit bytes (not a device, a pipe or a folder).
bool readProfileFile(const QString &path, ProvisionProfile *profile, QString *error);
