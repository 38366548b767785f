#include "protocol/profilefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QSet>
#include <QStringList>

#include <cmath>

namespace {

// The window shows these messages, in its language when a catalogue is
// installed; kvx-cli installs none and shows them as written here.
struct ProfileFile {
    Q_DECLARE_TR_FUNCTIONS(ProfileFile)
};

// A text from the file, shown in a message: cut short.
QString shown(const QString &text)
{
    constexpr int Longest = 40;
    return text.size() <= Longest ? text : text.left(Longest) + QStringLiteral("…");
}

// The JSON string starting at `at` (a quote), decoded; `at` ends after it.
QString jsonString(const QByteArray &json, qsizetype &at)
{
    const qsizetype start = at;
    for (++at; at < json.size(); ++at) {
        if (json.at(at) == '\\')
            ++at;
        else if (json.at(at) == '"')
            break;
    }
    ++at;
    // Escapes decoded by the JSON reader itself.
    const QByteArray array = '[' + json.mid(start, at - start) + ']';
    return QJsonDocument::fromJson(array).array().at(0).toString();
}

// The first key named twice in one object ("settings.baud"), or empty.
// The JSON reader keeps the last of them without a word.
QString duplicateKey(const QByteArray &json)
{
    struct Level {
        bool object = false;
        bool expectKey = false;
        QString name;   // the key this object or array is the value of
        QSet<QString> keys;
    };
    QList<Level> levels;
    QString lastKey;
    for (qsizetype at = 0; at < json.size();) {
        const char c = json.at(at);
        if (c == '"') {
            const QString text = jsonString(json, at);
            if (!levels.isEmpty() && levels.last().object && levels.last().expectKey) {
                Level &level = levels.last();
                level.expectKey = false;
                QString path = text;
                for (qsizetype i = levels.size() - 1; i >= 1; --i)
                    path = levels.at(i).name + QLatin1Char('.') + path;
                if (level.keys.contains(text))
                    return path;
                level.keys.insert(text);
                lastKey = text;
            }
            continue;
        }
        if (c == '{' || c == '[') {
            Level level;
            level.object = c == '{';
            level.expectKey = level.object;
            level.name = lastKey;
            levels.append(level);
        } else if ((c == '}' || c == ']') && !levels.isEmpty()) {
            levels.removeLast();
        } else if (c == ',' && !levels.isEmpty()) {
            levels.last().expectKey = levels.last().object;
        }
        ++at;
    }
    return QString();
}

bool isWholeAddress(const QString &text)
{
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok, 10);
    return ok && value <= qulonglong(MaxAddress);
}

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

QJsonObject settingsToJson(const RadioSettings &s, Module module, LinkMode mode)
{
    QJsonObject object;
    const QString workMode = settingCaption(s, module, Reg::WorkMode);
    if (!workMode.isEmpty())
        object.insert(QStringLiteral("workMode"), workMode);
    putNumber(object, QStringLiteral("baud"), settingCaption(s, module, Reg::SerialBaud));
    putNumber(object, QStringLiteral("linkRate"), settingCaption(s, module, Reg::LinkRate));
    const QString power = settingCaption(s, module, Reg::OutputPower);
    if (!power.isEmpty())
        object.insert(QStringLiteral("power"), power);
    const QString repeater = repeaterText(s);
    if (!repeater.isEmpty())
        object.insert(QStringLiteral("repeater"), repeater == QLatin1String("on"));
    putNumber(object, QStringLiteral("networkAddress"), addressText(s, Reg::NetworkAddress));
    if (isMultipoint(mode))
        putNumber(object, QStringLiteral("unitAddress"), addressText(s, Reg::UnitAddress));
    return object;
}

QJsonObject registersToJson(const RadioSettings &settings)
{
    QJsonObject object;
    for (auto it = settings.registers.cbegin(); it != settings.registers.cend(); ++it)
        object.insert(QStringLiteral("S%1").arg(it.key()), it.value());
    return object;
}

QJsonObject unitToJson(const LinkConfig &config)
{
    return QJsonObject {
        { QStringLiteral("kvx-profile"), ProfileVersion },
        { QStringLiteral("product"), productKey(config.product) },
        { QStringLiteral("module"), moduleKey(config.module) },
        { QStringLiteral("mode"), modeKey(config.mode) },
    };
}

QByteArray profileToJson(const LinkConfig &config, const RadioSettings &settings)
{
    QJsonObject object = unitToJson(config);
    object.insert(QStringLiteral("settings"), settingsToJson(settings, config.module, config.mode));
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
    const QString twice = duplicateKey(json);
    if (!twice.isEmpty()) {
        *error = ProfileFile::tr("key \"%1\" is given twice").arg(shown(twice));
        return false;
    }
    const QJsonObject object = document.object();
    static const QStringList TopKeys = { "kvx-profile", "product", "module", "mode", "settings" };
    // What `kvx-cli read --json` adds to a profile; not settings to write.
    static const QStringList ReadOnlyKeys = { "port", "registers", "passThroughBaud" };
    for (const QString &key : object.keys()) {
        if (!TopKeys.contains(key) && !ReadOnlyKeys.contains(key)) {
            *error = ProfileFile::tr("unknown key \"%1\"").arg(shown(key));
            return false;
        }
    }
    if (object.value(QStringLiteral("kvx-profile")).toDouble(-1) != ProfileVersion) {
        *error = ProfileFile::tr("\"kvx-profile\" must be %1").arg(ProfileVersion);
        return false;
    }
    ProvisionProfile parsed;
    const int product = keyIndex(object, QStringLiteral("product"), productKeys(), error);
    const int module = product < 0 ? -1 : keyIndex(object, QStringLiteral("module"), moduleKeys(), error);
    if (module < 0)
        return false;
    parsed.product = allProducts().at(product);
    parsed.module = allModules().at(module);
    if (object.contains(QStringLiteral("mode"))) {
        const int mode = keyIndex(object, QStringLiteral("mode"), modeKeys(), error);
        if (mode < 0)
            return false;
        parsed.mode = allLinkModes().at(mode);
        parsed.hasMode = true;
    }

    const QJsonValue settings = object.value(QStringLiteral("settings"));
    if (!settings.isUndefined() && !settings.isObject()) {
        *error = ProfileFile::tr("\"settings\" must be an object");
        return false;
    }
    const QJsonObject values = settings.toObject();
    for (const QString &key : values.keys()) {
        if (!settingKeys().contains(key)) {
            *error = ProfileFile::tr("unknown key \"settings.%1\"").arg(shown(key));
            return false;
        }
    }
    static const QStringList AddressKeys = { "networkAddress", "unitAddress" };
    static const QMap<QString, QJsonValue::Type> ValueTypes = {
        { "workMode", QJsonValue::String }, { "baud", QJsonValue::Double },     { "linkRate", QJsonValue::Double },
        { "power", QJsonValue::String },    { "repeater", QJsonValue::Bool },   { "networkAddress", QJsonValue::Double },
        { "unitAddress", QJsonValue::Double },
    };
    // In the order the form shows them.
    for (const QString &key : settingKeys()) {
        if (!values.contains(key))
            continue;
        QString text;
        QString allowed;
        const bool address = AddressKeys.contains(key);
        const QJsonValue value = values.value(key);
        // Each setting has the one JSON type a profile is written with.
        const QJsonValue::Type type = ValueTypes.value(key, QJsonValue::String);
        if (value.type() != type && !address) {
            *error = type == QJsonValue::Bool     ? ProfileFile::tr("\"settings.%1\" must be true or false").arg(key)
                     : type == QJsonValue::Double ? ProfileFile::tr("\"settings.%1\" must be a whole number").arg(key)
                                                  : ProfileFile::tr("\"settings.%1\" must be a string").arg(key);
            return false;
        }
        const bool isText = valueText(value, &text);
        if (!isText || (address && (value.type() != QJsonValue::Double || !isWholeAddress(text)))) {
            *error = address ? ProfileFile::tr("\"settings.%1\" must be a whole number 0 … %2").arg(key).arg(MaxAddress)
                             : ProfileFile::tr("\"settings.%1\" must be a whole number").arg(key);
            return false;
        }
        if (!setSetting(&parsed.settings, key, text, parsed.module, parsed.mode, &allowed)) {
            *error = ProfileFile::tr("\"settings.%1\": %2 is not allowed for %3 %4 (allowed: %5)")
                         .arg(key, shown(text), moduleKey(parsed.module), modeKey(parsed.mode), allowed);
            return false;
        }
    }
    *profile = parsed;
    return true;
}

bool readProfileFile(const QString &path, ProvisionProfile *profile, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = ProfileFile::tr("no such file");
        return false;
    }
    // A device or a pipe could be endless, or never answer.
    if (!info.isFile()) {
        *error = ProfileFile::tr("not a regular file");
        return false;
    }
    if (info.size() > ProfileSizeLimit) {
        *error = ProfileFile::tr("larger than %1 KiB: not a profile").arg(ProfileSizeLimit / 1024);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray json = file.read(ProfileSizeLimit + 1);
    if (json.size() > ProfileSizeLimit) {
        *error = ProfileFile::tr("larger than %1 KiB: not a profile").arg(ProfileSizeLimit / 1024);
        return false;
    }
    return parseProfile(json, profile, error);
}
