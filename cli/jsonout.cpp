#include "cli/jsonout.h"

#include <QJsonDocument>

#include "cli/exitstatus.h"
#include "cli/progress.h"
#include "engine/unitdetector.h"
#include "engine/unitjob.h"
#include "protocol/profilecheck.h"
#include "protocol/profilefile.h"

namespace {

bool g_printed = false;

// An address the record keeps as text, as the number every other command
// prints (null when there is none).
QJsonValue addressJson(const QString &text)
{
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    return ok ? QJsonValue(double(value)) : QJsonValue(QJsonValue::Null);
}

} // namespace

// One rule for every command: a document is one line, so a script reads
// it line by line (jq . shows it indented).
void printJson(const QJsonObject &object)
{
    g_printed = true;
    out() << QJsonDocument(object).toJson(QJsonDocument::Compact) << Qt::endl;
}

void printJson(const QJsonArray &array)
{
    g_printed = true;
    out() << QJsonDocument(array).toJson(QJsonDocument::Compact) << Qt::endl;
}

bool jsonPrinted()
{
    return g_printed;
}

QJsonArray portsJson(const QList<PortEntry> &ports)
{
    QJsonArray array;
    for (const PortEntry &entry : ports)
        array.append(QJsonObject { { "name", entry.name }, { "path", entry.path } });
    return array;
}

QJsonObject readJson(const LinkConfig &config, const RadioSettings &settings)
{
    QJsonObject object = unitToJson(config);
    object.insert(QStringLiteral("port"), config.port);
    object.insert(QStringLiteral("settings"), settingsToJson(settings, config.module, config.mode));
    object.insert(QStringLiteral("registers"), registersToJson(settings));
    return object;
}

QJsonObject unitJson(const UnitJob &job)
{
    const UnitOutcome &o = job.outcome();
    QJsonArray written;
    for (const QByteArray &line : o.linesSent)
        written.append(QString::fromLatin1(line.trimmed()));
    QJsonValue verified = QJsonValue::Null;
    if (o.result == UnitOutcome::Verified || o.result == UnitOutcome::Mismatch)
        verified = o.result == UnitOutcome::Verified;
    QJsonArray differences;
    for (const RegisterDifference &d : o.differences) {
        QJsonObject difference { { "register", QStringLiteral("S%1").arg(d.reg) }, { "written", d.written } };
        difference.insert(QStringLiteral("read"), d.read < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(d.read));
        differences.append(difference);
    }
    QJsonArray refused;
    for (const QByteArray &line : o.refusedLines)
        refused.append(QString::fromLatin1(line.trimmed()));
    QJsonObject object {
        { "port", job.config().port },
        { "pauses", pausesKey(job.timing()) },
        { "status", o.resultKey() },
        { "exitStatus", statusOf(job) },
        { "written", written },
        { "stored", o.stored },
        { "settings", settingsToJson(o.settings, job.config().module, job.config().mode) },
        { "verified", verified },
        { "differences", differences },
        { "refused", refused },
    };
    if (!job.unitCode().isEmpty())
        object.insert(QStringLiteral("serial"), job.unitCode());
    if (!job.failure().isEmpty())
        object.insert(QStringLiteral("error"), job.failure());
    if (!o.recordError.isEmpty())
        object.insert(QStringLiteral("recordError"), o.recordError);
    if (o.recordWaiting)
        object.insert(QStringLiteral("recordWaiting"), true);
    return object;
}

QJsonObject checkJson(const UnitJob &job)
{
    const UnitOutcome &o = job.outcome();
    QJsonArray differences;
    if (o.result == UnitOutcome::Differs) {
        for (const RegisterDifference &d : o.differences) {
            QJsonObject difference { { "setting", settingName(d.reg, false) }, { "profile", valueCaption(d.reg, d.written, o.module) } };
            difference.insert(QStringLiteral("unit"),
                              d.read < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(valueCaption(d.reg, d.read, o.module)));
            differences.append(difference);
        }
    }
    QJsonObject object {
        { "port", job.config().port },
        { "pauses", pausesKey(job.timing()) },
        { "status", o.resultKey() },
        { "exitStatus", statusOf(job) },
        { "differences", differences },
    };
    if (o.result == UnitOutcome::Matches || o.result == UnitOutcome::Differs)
        object.insert(QStringLiteral("settings"), settingsToJson(o.settings, job.config().module, job.config().mode));
    if (!job.unitCode().isEmpty())
        object.insert(QStringLiteral("serial"), job.unitCode());
    if (!job.failure().isEmpty())
        object.insert(QStringLiteral("error"), job.failure());
    if (!o.recordError.isEmpty())
        object.insert(QStringLiteral("recordError"), o.recordError);
    if (o.recordWaiting)
        object.insert(QStringLiteral("recordWaiting"), true);
    return object;
}

QJsonObject checkBatchJson(const QJsonArray &units, int matching, bool interrupted, int exitStatus)
{
    return QJsonObject { { "units", units }, { "matching", matching }, { "interrupted", interrupted }, { "exitStatus", exitStatus } };
}

QJsonObject provisionJson(const QJsonArray &units, qint64 networkAddress, int verified, bool interrupted,
                          int exitStatus)
{
    return QJsonObject { { "units", units },
                         { "networkAddress", networkAddress },
                         { "verified", verified },
                         { "interrupted", interrupted },
                         { "exitStatus", exitStatus } };
}

QJsonObject baudJson(const QString &port, quint32 rate)
{
    return QJsonObject { { "port", port }, { "passThroughBaud", qint64(rate) } };
}

QJsonObject detectJson(const UnitDetector &detector)
{
    QJsonArray modules;
    for (Module module : detector.modules())
        modules.append(moduleKey(module));
    const RadioSettings &s = detector.settings();
    // "settings": what the unit holds whichever module it carries; with
    // several candidates, "settingsByModule" how each of them reads it.
    const QList<Module> candidates =
        detector.modules().isEmpty() ? QList<Module> { Module::Tarn, Module::BraeLoch, Module::Skerry, Module::HalfFjord }
                                     : detector.modules();
    QJsonObject byModule;
    QJsonObject agreed;
    for (Module module : candidates) {
        const QJsonObject read = settingsToJson(s, module, LinkMode::PointToMultipoint);
        if (module == candidates.first())
            agreed = read;
        for (const QString &key : agreed.keys()) {
            if (read.value(key) != agreed.value(key))
                agreed.remove(key);
        }
        byModule.insert(moduleKey(module), read);
    }
    QJsonObject object {
        { "port", detector.port() },
        { "product", productKey(*detector.product()) },
        { "modules", modules },
        { "settings", agreed },
        { "registers", registersToJson(s) },
    };
    if (detector.modules().size() > 1)
        object.insert(QStringLiteral("settingsByModule"), byModule);
    return object;
}

QJsonArray recordRowsJson(const QList<RecordRow> &rows)
{
    QJsonArray array;
    for (const RecordRow &row : rows) {
        const UnitRecord &r = row.record;
        QJsonObject object = unitToJson(r.config);
        object.remove(QStringLiteral("kvx-profile"));
        object.insert(QStringLiteral("time"), r.time.toUTC().toString(Qt::ISODate));
        object.insert(QStringLiteral("station"), r.station);
        object.insert(QStringLiteral("operator"), r.operatorName);
        object.insert(QStringLiteral("toolVersion"), r.toolVersion);
        object.insert(QStringLiteral("port"), r.config.port);
        object.insert(QStringLiteral("settings"), settingsToJson(r.settings, r.config.module, r.config.mode));
        object.insert(QStringLiteral("result"), r.result);
        object.insert(QStringLiteral("differences"), r.detail);
        object.insert(QStringLiteral("superseded"), row.superseded);
        object.insert(QStringLiteral("imported"), row.imported);
        object.insert(QStringLiteral("attempt"), row.attempt);
        object.insert(QStringLiteral("serial"), r.serial);
        array.append(object);
    }
    return array;
}

QJsonArray findingsJson(const QList<RecordFinding> &findings, const QList<RecordRow> &rows)
{
    QJsonArray array;
    for (const RecordFinding &finding : findings) {
        QJsonObject object { { "kind", findingKey(finding.kind) },
                             { "networkAddress", addressJson(finding.networkAddress) },
                             { "unitAddress", addressJson(finding.unitAddress) },
                             { "text", finding.text } };
        // Who left an unfinished attempt, to ask them.
        if (finding.kind == RecordFinding::Pending || finding.kind == RecordFinding::Expired) {
            const UnitRecord &r = rows.at(finding.rows.first()).record;
            object.insert(QStringLiteral("station"), r.station);
            object.insert(QStringLiteral("operator"), r.operatorName);
            object.insert(QStringLiteral("time"), r.time.toUTC().toString(Qt::ISODate));
        }
        array.append(object);
    }
    return array;
}
