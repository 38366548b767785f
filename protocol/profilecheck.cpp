#include "protocol/profilecheck.h"

#include <QCoreApplication>

#include "protocol/writeplan.h"

namespace {

QString text(const char *source, bool translated)
{
    return translated ? QCoreApplication::translate("ProfileCheck", source) : QString::fromLatin1(source);
}

} // namespace

QList<QPair<int, qint64>> registersNamedBy(const RadioSettings &change, const RadioSettings &report, const LinkConfig &link)
{
    RadioSettings settings = report;
    settings.apply(change);
    QList<QByteArray> lines;
    for (const WriteLine &line : planWrite(settings, link.module, link.mode))
        lines << line.bytes;
    QList<QPair<int, qint64>> registers;
    // The work mode is the preset's, as the check after a write has it.
    if (change.has(Reg::WorkMode))
        registers.append({ Reg::WorkMode, change.value(Reg::WorkMode) });
    for (const auto &entry : registersSetBy(lines)) {
        if (entry.first != Reg::WorkMode && change.has(entry.first))
            registers.append(entry);
    }
    return registers;
}

QList<RegisterDifference> compareWithProfile(const RadioSettings &report, const RadioSettings &change, const LinkConfig &link)
{
    return compareRegisters(registersNamedBy(change, report, link), report);
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

QString valueCaption(int reg, qint64 value, Module module)
{
    const QString caption = settingCaption(module, reg, value);
    if (caption.isEmpty() && reg != Reg::RepeaterEnable)
        return QString::number(value);
    return caption;
}

QString describeProfileDifference(const RegisterDifference &d, Module module, bool translated)
{
    // Said to the operator, a work mode is a word of the language; kept in
    // the record, the caption.
    const auto value = [&](qint64 v) {
        const QString words = translated ? settingWords(module, d.reg, v) : QString();
        return words.isEmpty() ? valueCaption(d.reg, v, module) : words;
    };
    const QString profile = value(d.written);
    if (d.read < 0)
        return text(QT_TRANSLATE_NOOP("ProfileCheck", "%1 not reported, the profile says %2"), translated)
            .arg(settingName(d.reg, translated), profile);
    return text(QT_TRANSLATE_NOOP("ProfileCheck", "%1 %2, the profile says %3"), translated)
        .arg(settingName(d.reg, translated), value(d.read), profile);
}

QString describeProfileDifferences(const QList<RegisterDifference> &differences, Module module, bool translated)
{
    QStringList parts;
    for (const RegisterDifference &d : differences)
        parts << describeProfileDifference(d, module, translated);
    return parts.join(QStringLiteral("; "));
}
