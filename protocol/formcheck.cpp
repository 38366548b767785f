#include "protocol/formcheck.h"

#include <QCoreApplication>

#include "protocol/radiosettings.h"
#include "protocol/writeplan.h"

namespace {

struct FormCheckText {
    Q_DECLARE_TR_FUNCTIONS(FormCheck)
};

// A list with no current row. `moduleList`: its rows depend on the module.
QString blankList(const QString &field, int reg, const RadioSettings &report, bool moduleList, Module module)
{
    if (!report.registers.contains(reg))
        return FormCheckText::tr("%1 is empty: the unit did not report it. Read the unit again.").arg(field);
    const QString value = QString::number(report.registers.value(reg));
    if (moduleList)
        return FormCheckText::tr("%1 is empty: the unit reported %2, which %3 does not offer. Is the module right?")
            .arg(field, value, moduleCaption(module));
    return FormCheckText::tr("%1 is empty: the unit reported %2, which is not a choice of the list.").arg(field, value);
}

QString badAddress(const QString &field, const QString &text)
{
    if (text.isEmpty())
        return FormCheckText::tr("%1 is empty.").arg(field);
    bool ok = false;
    text.toUInt(&ok, 10);
    if (!ok)
        return FormCheckText::tr("%1 %2 is out of range (0 to %3).").arg(field, text).arg(MaxAddress);
    return QString();
}

} // namespace

QString checkWriteForm(const WriteForm &form, const RadioSettings &report)
{
    const Module module = form.module;
    // In the order the write sends them, so the first fault named is the
    // first that would have gone out.
    if (form.workModeRow < 0)
        return blankList(FormCheckText::tr("Work mode"), Reg::WorkMode, report, true, module);
    // S141 goes out with the Master preset only.
    if (form.workModeRow == 0 && form.repeaterRow < 0)
        return blankList(FormCheckText::tr("Repeater"), Reg::RepeaterEnable, report, false, module);
    if (form.baudRow < 0)
        return blankList(FormCheckText::tr("Baud rate"), Reg::SerialBaud, report, false, module);
    if (isMultipoint(form.mode)) {
        const QString unit = badAddress(FormCheckText::tr("Unit address"), form.unitText);
        if (!unit.isEmpty())
            return unit;
    }
    const QString network = badAddress(FormCheckText::tr("Network address"), form.addressText);
    if (!network.isEmpty())
        return network;
    if (form.airSpeedRow < 0)
        return blankList(FormCheckText::tr("Link rate"), Reg::LinkRate, report, true, module);
    if (form.powerRow < 0)
        return blankList(FormCheckText::tr("Output power"), Reg::OutputPower, report, true, module);
    return QString();
}
