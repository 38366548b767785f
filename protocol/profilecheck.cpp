#include "protocol/profilecheck.h"

#include <QCoreApplication>

#include "protocol/moduleprofile.h"
#include "protocol/reportreader.h"
#include "protocol/writeplan.h"

namespace {

QString text(const char *source, bool translated)
{
    return translated ? QCoreApplication::translate("ProfileCheck", source) : QString::fromLatin1(source);
}

QString rowCaption(const QStringList &rows, int row, qint64 value)
{
    return row >= 0 && row < rows.size() && !rows.at(row).isEmpty() ? rows.at(row) : QString::number(value);
}

} // namespace

QList<QPair<int, qint64>> registersNamedBy(const SettingsChange &change, const RadioSettings &report, const LinkConfig &link)
{
    const WriteForm form = applyChange(writeFormFor(report, link), change);
    QList<QByteArray> lines;
    for (const WriteLine &line : planWrite(form))
        lines << line.bytes;
    const QList<int> named = {
        change.baudRow >= 0 ? int(Reg::SerialBaud) : -1,
        change.linkRateRow >= 0 ? int(Reg::LinkRate) : -1,
        change.powerRow >= 0 ? int(Reg::OutputPower) : -1,
        change.repeaterRow >= 0 ? int(Reg::RepeaterEnable) : -1,
        change.setNetworkAddress ? int(Reg::NetworkAddress) : -1,
        change.setUnitAddress ? int(Reg::UnitAddress) : -1,
    };
    QList<QPair<int, qint64>> registers;
    // The work mode is the preset's, as the check after a write has it.
    if (change.workModeRow >= 0)
        registers.append({ Reg::WorkMode, form.workModeRow });
    for (const auto &entry : registersSetBy(lines)) {
        if (named.contains(entry.first))
            registers.append(entry);
    }
    return registers;
}

QList<RegisterDifference> compareWithProfile(const RadioSettings &report, const SettingsChange &change, const LinkConfig &link)
{
    return compareRegisters(registersNamedBy(change, report, link), report.registers);
}

QString settingName(int reg, bool translated)
{
    switch (reg) {
    case Reg::WorkMode: return text(QT_TRANSLATE_NOOP("ProfileCheck", "work mode"), translated);
    case Reg::SerialBaud: return text(QT_TRANSLATE_NOOP("ProfileCheck", "baud rate"), translated);
    case Reg::LinkRate: return text(QT_TRANSLATE_NOOP("ProfileCheck", "link rate"), translated);
    case Reg::NetworkAddress: return text(QT_TRANSLATE_NOOP("ProfileCheck", "network address"), translated);
    case Reg::UnitAddress: return text(QT_TRANSLATE_NOOP("ProfileCheck", "unit address"), translated);
    case Reg::OutputPower: return text(QT_TRANSLATE_NOOP("ProfileCheck", "output power"), translated);
    case Reg::RepeaterEnable: return text(QT_TRANSLATE_NOOP("ProfileCheck", "repeater"), translated);
    default: break;
    }
    return QStringLiteral("S%1").arg(reg);
}

QString settingCaption(int reg, qint64 value, Module module)
{
    const ModuleProfile &lists = moduleProfile(module);
    switch (reg) {
    case Reg::WorkMode: return rowCaption(lists.workModes, int(value), value);
    case Reg::SerialBaud: return rowCaption(lists.baudRates, int(value), value);
    case Reg::LinkRate: return rowCaption(lists.airSpeeds, airSpeedRowForValue(value), value);
    case Reg::OutputPower: return rowCaption(lists.outputPowers, powerRowForCode(value, module == Module::HalfFjord), value);
    case Reg::RepeaterEnable: return repeaterText(value == 1 ? 1 : value == 0 ? 0 : -1);
    default: break;
    }
    return QString::number(value);
}

QString describeProfileDifference(const RegisterDifference &d, Module module, bool translated)
{
    const QString profile = settingCaption(d.reg, d.written, module);
    if (d.read < 0)
        return text(QT_TRANSLATE_NOOP("ProfileCheck", "%1 not reported, the profile says %2"), translated)
            .arg(settingName(d.reg, translated), profile);
    return text(QT_TRANSLATE_NOOP("ProfileCheck", "%1 %2, the profile says %3"), translated)
        .arg(settingName(d.reg, translated), settingCaption(d.reg, d.read, module), profile);
}

QString describeProfileDifferences(const QList<RegisterDifference> &differences, Module module, bool translated)
{
    QStringList parts;
    for (const RegisterDifference &d : differences)
        parts << describeProfileDifference(d, module, translated);
    return parts.join(QStringLiteral("; "));
}
