#include "protocol/formcheck.h"

#include <QCoreApplication>

#include "protocol/radiosettings.h"

namespace {

struct FormCheckText {
    Q_DECLARE_TR_FUNCTIONS(FormCheck)
};

// A setting with no row of its list. `moduleList`: its rows depend on the module.
QString blankList(const QString &field, int reg, const RadioSettings &report, bool moduleList, Module module)
{
    if (!report.has(reg))
        return FormCheckText::tr("%1 is empty: the unit did not report it. Read the unit again.").arg(field);
    const QString value = QString::number(report.value(reg));
    if (moduleList)
        return FormCheckText::tr("%1 is empty: the unit reported %2, which %3 does not offer. Is the module right?")
            .arg(field, value, moduleCaption(module));
    return FormCheckText::tr("%1 is empty: the unit reported %2, which is not a choice of the list.").arg(field, value);
}

bool isBlank(const RadioSettings &settings, Module module, int reg)
{
    return !settings.has(reg) || rowForValue(module, reg, settings.value(reg)) < 0;
}

QString badAddress(const QString &field, const RadioSettings &settings, int reg)
{
    if (!settings.has(reg))
        return FormCheckText::tr("%1 is empty.").arg(field);
    const qint64 value = settings.value(reg);
    if (value < 0 || value > MaxAddress)
        return FormCheckText::tr("%1 %2 is out of range (0 to %3).").arg(field, QString::number(value)).arg(MaxAddress);
    return QString();
}

} // namespace

QString checkWrite(const RadioSettings &settings, const LinkConfig &link, const RadioSettings &report, int *reg)
{
    const Module module = link.module;
    QString problem;
    int faulty = -1;
    // In the order the write sends them, so the first fault named is the
    // first that would have gone out.
    const auto blank = [&](int list, const QString &field, bool moduleList) {
        if (!problem.isEmpty() || !isBlank(settings, module, list))
            return;
        problem = blankList(field, list, report, moduleList, module);
        faulty = list;
    };
    const auto address = [&](int field, const QString &name) {
        if (problem.isEmpty() && !(problem = badAddress(name, settings, field)).isEmpty())
            faulty = field;
    };
    blank(Reg::WorkMode, FormCheckText::tr("Work mode"), true);
    // S141 goes out with the Master preset only.
    if (problem.isEmpty() && settings.value(Reg::WorkMode) == 0)
        blank(Reg::RepeaterEnable, FormCheckText::tr("Repeater"), false);
    blank(Reg::SerialBaud, FormCheckText::tr("Baud rate"), false);
    if (isMultipoint(link.mode))
        address(Reg::UnitAddress, FormCheckText::tr("Unit address"));
    address(Reg::NetworkAddress, FormCheckText::tr("Network address"));
    blank(Reg::LinkRate, FormCheckText::tr("Link rate"), true);
    blank(Reg::OutputPower, FormCheckText::tr("Output power"), true);
    if (reg)
        *reg = faulty;
    return problem;
}

QString addressFieldProblem(int reg, const QString &digits)
{
    if (digits.isEmpty())
        return QString();
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok);
    if (ok && value <= qulonglong(MaxAddress))
        return QString();
    const QString field = reg == Reg::UnitAddress ? FormCheckText::tr("Unit address") : FormCheckText::tr("Network address");
    return FormCheckText::tr("%1 %2 is out of range (0 to %3).").arg(field, digits).arg(MaxAddress);
}
