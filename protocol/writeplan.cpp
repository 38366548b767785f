#include "protocol/writeplan.h"

#include "protocol/atcommands.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// An address register's value as the line carries it: 32 bits, else 0.
quint32 addressValue(const RadioSettings &settings, int reg)
{
    const qint64 value = settings.value(reg, 0);
    return value >= 0 && value <= MaxAddress ? quint32(value) : 0;
}

int registerValue(const RadioSettings &settings, int reg)
{
    return int(settings.value(reg, -1));
}

} // namespace

QList<WriteLine> planWrite(const RadioSettings &settings, Module module, LinkMode mode)
{
    QList<WriteLine> lines;
    const bool multipoint = isMultipoint(mode);
    const int code = moduleCode(module);
    auto line = [&lines](const QByteArray &bytes, WriteLine::Kind kind = WriteLine::Register) {
        lines.append({ bytes, kind, true });
    };
    switch (settings.value(Reg::WorkMode, -1)) {
    case 0:
        line(cmdPresetMaster(multipoint, code), WriteLine::Preset);
        line(cmdSetS141(settings.value(Reg::RepeaterEnable) == 1 ? 1 : 0));
        break;
    case 1:
        // Empty for Half Fjord: nothing is sent but the pause still runs.
        line(cmdPresetRepeater(multipoint, code), WriteLine::Preset);
        break;
    case 2:
        line(cmdPresetSlave(multipoint, code), WriteLine::Preset);
        line(cmdSetS118(65535));
        break;
    default:
        break;
    }
    line(cmdSetS102(registerValue(settings, Reg::SerialBaud)));
    // The unit address only exists in point-to-multipoint mode.
    if (multipoint)
        line(cmdSetS105(addressValue(settings, Reg::UnitAddress)));
    line(cmdSetS104(addressValue(settings, Reg::NetworkAddress)));
    line(cmdSetS103(registerValue(settings, Reg::LinkRate)));
    line(cmdSetS108(registerValue(settings, Reg::OutputPower)));
    lines.append({ cmdStoreSettings(), WriteLine::Store, false });
    return lines;
}

QString writeSummary(const RadioSettings &settings, Module module)
{
    // One multi-argument call, so a "%n" inside a text is not substituted again.
    return QStringLiteral("%1 %2 %3 %4 %5 %6 ")
        .arg(addressText(settings, Reg::UnitAddress), addressText(settings, Reg::NetworkAddress),
             settingCaption(settings, module, Reg::WorkMode), settingCaption(settings, module, Reg::SerialBaud),
             settingCaption(settings, module, Reg::LinkRate), settingCaption(settings, module, Reg::OutputPower));
}

QString labelledSummary(const RadioSettings &settings, Module module)
{
    // The work mode and the power say what they are by their captions; the
    // numbers need a name, or two 115200s cannot be told apart.
    const struct {
        int reg;
        const char *label;
    } parts[] = {
        { Reg::UnitAddress, QT_TRANSLATE_NOOP("WriteSummary", "unit %1") },
        { Reg::NetworkAddress, QT_TRANSLATE_NOOP("WriteSummary", "network %1") },
        { Reg::WorkMode, nullptr },
        { Reg::SerialBaud, QT_TRANSLATE_NOOP("WriteSummary", "baud %1") },
        { Reg::LinkRate, QT_TRANSLATE_NOOP("WriteSummary", "link rate %1") },
        { Reg::OutputPower, nullptr },
    };
    QStringList shown;
    for (const auto &part : parts) {
        const bool address = part.reg == Reg::UnitAddress || part.reg == Reg::NetworkAddress;
        const QString value = address ? addressText(settings, part.reg) : settingWords(settings, module, part.reg);
        if (value.isEmpty())
            continue;
        shown << (part.label ? QCoreApplication::translate("WriteSummary", part.label).arg(value) : value);
    }
    return shown.join(QString::fromUtf16(SummarySeparator));
}

quint32 addressFromText(const QString &text)
{
    // The number reader stops at a NUL as at the text's end.
    if (text.contains(QChar(0)))
        return 0;
    bool ok = false;
    const uint value = text.toUInt(&ok, 10);
    return ok ? quint32(value) : 0;
}
