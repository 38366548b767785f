#include "radio/profilefile.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QStringList>

#include <cmath>

namespace {

// The window shows these messages, in its language when a catalogue is
// installed; kvx-cli installs none and shows them as written here.
struct ProfileFile {
    Q_DECLARE_TR_FUNCTIONS(ProfileFile)
};

void putNumber(QJsonObject &object, const QString &key, const QString &text)
{
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (ok)
        object.insert(key, number);
}

// The text form of a JSON value, as the command line would give it.
bool valueText(const QJsonValue &value, QString *text)
{
    switch (value.type()) {
    case QJsonValue::String:
        *text = value.toString();
        return true;
    case QJsonValue::Bool:
        *text = value.toBool() ? QStringLiteral("on") : QStringLiteral("off");
        return true;
    case QJsonValue::Double: {
        const double number = value.toDouble();
        if (number != std::floor(number) || std::fabs(number) > 9007199254740992.0)
            return false;
        *text = QString::number(qint64(number));
        return true;
    }
    default:
        return false;
    }
}

int keyIndex(const QJsonObject &object, const QString &key, const QStringList &keys, QString *error)
{
    if (!object.contains(key)) {
        *error = ProfileFile::tr("\"%1\" is missing").arg(key);
        return -1;
    }
    const int index = int(keys.indexOf(object.value(key).toString()));
    if (index < 0)
        *error = ProfileFile::tr("\"%1\" must be one of %2").arg(key, keys.join(QStringLiteral(", ")));
    return index;
}

} // namespace

QJsonObject settingsToJson(const RadioSettings &s, int modeId)
{
    QJsonObject object;
    if (!s.workMode.isEmpty())
        object.insert(QStringLiteral("workMode"), s.workMode);
    putNumber(object, QStringLiteral("baud"), s.baud);
    putNumber(object, QStringLiteral("linkRate"), s.linkRate);
    if (!s.power.isEmpty())
        object.insert(QStringLiteral("power"), s.power);
    if (s.repeaterRow >= 0)
        object.insert(QStringLiteral("repeater"), s.repeaterRow == 1);
    if (s.hasNetworkAddress)
        putNumber(object, QStringLiteral("networkAddress"), s.networkAddress);
    if (modeId != 0 && s.hasUnitAddress)
        putNumber(object, QStringLiteral("unitAddress"), s.unitAddress);
    return object;
}

QJsonObject registersToJson(const QMap<int, qint64> &registers)
{
    QJsonObject object;
    for (auto it = registers.cbegin(); it != registers.cend(); ++it)
        object.insert(QStringLiteral("S%1").arg(it.key()), it.value());
    return object;
}

QJsonObject unitToJson(const LinkConfig &config)
{
    return QJsonObject {
        { QStringLiteral("kvx-profile"), ProfileVersion },
        { QStringLiteral("product"), productKey(config.productId) },
        { QStringLiteral("module"), moduleKey(config.moduleGroupId) },
        { QStringLiteral("mode"), modeKey(config.modeId) },
    };
}

QByteArray profileToJson(const LinkConfig &config, const RadioSettings &settings)
{
    QJsonObject object = unitToJson(config);
    object.insert(QStringLiteral("settings"), settingsToJson(settings, config.modeId));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

bool parseProfile(const QByteArray &json, ProvisionProfile *profile, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = parseError.error != QJsonParseError::NoError
                     ? ProfileFile::tr("not JSON: %1 at byte %2").arg(parseError.errorString()).arg(parseError.offset)
                     : ProfileFile::tr("not a JSON object");
        return false;
    }
    const QJsonObject object = document.object();
    static const QStringList TopKeys = { "kvx-profile", "product", "module", "mode", "settings" };
    for (const QString &key : object.keys()) {
        if (!TopKeys.contains(key)) {
            *error = ProfileFile::tr("unknown key \"%1\"").arg(key);
            return false;
        }
    }
    if (object.value(QStringLiteral("kvx-profile")).toDouble(-1) != ProfileVersion) {
        *error = ProfileFile::tr("\"kvx-profile\" must be %1").arg(ProfileVersion);
        return false;
    }
    ProvisionProfile parsed;
    parsed.productId = keyIndex(object, QStringLiteral("product"), productKeys(), error);
    parsed.moduleGroupId = parsed.productId < 0 ? -1 : keyIndex(object, QStringLiteral("module"), moduleKeys(), error);
    if (parsed.moduleGroupId < 0)
        return false;
    if (object.contains(QStringLiteral("mode"))) {
        parsed.modeId = keyIndex(object, QStringLiteral("mode"), modeKeys(), error);
        if (parsed.modeId < 0)
            return false;
    }

    const QJsonValue settings = object.value(QStringLiteral("settings"));
    if (!settings.isUndefined() && !settings.isObject()) {
        *error = ProfileFile::tr("\"settings\" must be an object");
        return false;
    }
    const QJsonObject values = settings.toObject();
    for (const QString &key : values.keys()) {
        if (!settingKeys().contains(key)) {
            *error = ProfileFile::tr("unknown key \"settings.%1\"").arg(key);
            return false;
        }
    }
    // In the order the form shows them.
    for (const QString &key : settingKeys()) {
        if (!values.contains(key))
            continue;
        QString text;
        QString allowed;
        if (!valueText(values.value(key), &text)) {
            *error = ProfileFile::tr("\"settings.%1\" must be a string, a number or true/false").arg(key);
            return false;
        }
        if (!setSetting(&parsed.settings, key, text, parsed.moduleGroupId, parsed.modeId, &allowed)) {
            *error = ProfileFile::tr("\"settings.%1\": %2 is not allowed for %3 %4 (allowed: %5)")
                         .arg(key, text, moduleKey(parsed.moduleGroupId), modeKey(parsed.modeId), allowed);
            return false;
        }
    }
    *profile = parsed;
    return true;
}
