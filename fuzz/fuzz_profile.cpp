// Feeds any bytes to the profile reader, as a profile from anyone (mail, a
// shared folder) would reach it. A profile it takes must write back, as
// `kvx-cli read --json` and the window's "save profile" write it, to a
// document that reads the same, and writing that again changes nothing.

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "fuzz/fuzzcheck.h"
#include "protocol/profilefile.h"

namespace {

// The document `kvx-cli read --json` prints for a unit holding `settings`.
QByteArray readJson(const LinkConfig &config, const RadioSettings &settings)
{
    QJsonObject object = unitToJson(config);
    object.insert(QStringLiteral("port"), config.port);
    object.insert(QStringLiteral("settings"), settingsToJson(settings, config.module, config.mode));
    object.insert(QStringLiteral("registers"), registersToJson(settings));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

void checkSame(const ProvisionProfile &first, const ProvisionProfile &again, const char *what)
{
    check(again.product == first.product && again.module == first.module && again.mode == first.mode, what);
    check(again.hasMode, "a written profile names its mode");
    check(again.settings.registers == first.settings.registers, what);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(silence);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    ProvisionProfile profile;
    QString error;
    if (!parseProfile(json, &profile, &error)) {
        check(!error.isEmpty(), "a refused profile says why");
        return 0;
    }
    check(error.isEmpty(), "no message for a profile taken");

    const LinkConfig config { QStringLiteral("/dev/ttyUSB0"), profile.product, profile.module, profile.mode };
    for (const QByteArray &written : { readJson(config, profile.settings), profileToJson(config, profile.settings) }) {
        ProvisionProfile again;
        QString againError;
        check(parseProfile(written, &again, &againError), "a profile written from one taken is taken");
        checkSame(profile, again, "a profile written back reads the same");
        check(profileToJson(config, again.settings) == profileToJson(config, profile.settings),
              "writing it again changes nothing");
    }
    return 0;
}
