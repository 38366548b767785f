#include "radio/formcheck.h"

#include <QCoreApplication>

#include "radio/radiosettings.h"
#include "radio/writeplan.h"

namespace {

struct FormCheckText {
    Q_DECLARE_TR_FUNCTIONS(FormCheck)
};

// A list with no current row. `moduleList`: its rows depend on the module.
QString blankList(const QString &field, int reg, const RadioSettings &report, bool moduleList, int moduleGroupId)
{
    if (!report.registers.contains(reg))
        return FormCheckText::tr("%1 is empty: the unit did not report it. Read the unit again.").arg(field);
    const QString value = QString::number(report.registers.value(reg));
    if (moduleList)
        return FormCheckText::tr("%1 is empty: the unit reported %2, which %3 does not offer. Is the module right?")
            .arg(field, value, moduleDisplayName(moduleGroupId));
    return FormCheckText::tr("%1 is empty: the unit reported %2, which is not a choice of the list.").arg(field, value);
}

QString badAddress(const QString &field, const QString &text)
{
    if (text.isEmpty())
        return FormCheckText::tr("%1 is empty.").arg(field);
    bool ok = false;
    text.toUInt(&ok, 10);
    if (!ok)
        return FormCheckText::tr("%1 %2 is out of range (0 to 4294967295).").arg(field, text);
    return QString();
}

} // namespace

QString moduleDisplayName(int moduleGroupId)
{
    static const char *const names[] = { "Tarn", "Brae - Loch", "Skerry", "Half Fjord" };
    return QString::fromLatin1(names[moduleGroupId >= 0 && moduleGroupId < 3 ? moduleGroupId : 3]);
}

QString checkWriteForm(const WriteForm &form, const RadioSettings &report, int moduleGroupId)
{
    // In the order the write sends them, so the first fault named is the
    // first that would have gone out.
    if (form.workModeRow < 0)
        return blankList(FormCheckText::tr("Work mode"), 101, report, true, moduleGroupId);
    // S141 goes out with the Master preset only.
    if (form.workModeRow == 0 && form.repeaterRow < 0)
        return blankList(FormCheckText::tr("Repeater"), 141, report, false, moduleGroupId);
    if (form.baudRow < 0)
        return blankList(FormCheckText::tr("Baud rate"), 102, report, false, moduleGroupId);
    if (form.modeGroupId != 0) {
        const QString unit = badAddress(FormCheckText::tr("Unit address"), form.unitText);
        if (!unit.isEmpty())
            return unit;
    }
    const QString network = badAddress(FormCheckText::tr("Network address"), form.addressText);
    if (!network.isEmpty())
        return network;
    if (form.airSpeedRow < 0)
        return blankList(FormCheckText::tr("Link rate"), 103, report, true, moduleGroupId);
    if (form.powerRow < 0)
        return blankList(FormCheckText::tr("Output power"), 108, report, true, moduleGroupId);
    return QString();
}
