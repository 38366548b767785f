#include "protocol/writeplan.h"

#include "protocol/atcommands.h"

namespace {

enum Stage {
    StagePreset,
    StageRepeater,   // after the Master preset
    StageS118,       // after the Slave preset
    StageBaud,
    StageUnit,
    StageAddress,
    StageAirSpeed,
    StagePower,
    StageStore,
    StageDone,
};

} // namespace

bool WriteSequence::next(const WriteForm &form, WriteLine &line)
{
    line = WriteLine();
    // A step that does not apply falls through to the next one without a
    // pause; a preset the module lacks still pauses.
    while (m_stage != StageDone) {
        switch (m_stage) {
        case StagePreset: {
            m_branchRow = form.workModeRow;
            const bool multipoint = isMultipoint(form.mode);
            const int code = moduleCode(form.module);
            switch (m_branchRow) {
            case 0:
                line = { cmdPresetMaster(multipoint, code), WriteLine::Preset, true };
                m_stage = StageRepeater;
                return true;
            case 1:
                // Empty for Half Fjord: nothing is sent but the pause still runs.
                line = { cmdPresetRepeater(multipoint, code), WriteLine::Preset, true };
                m_stage = StageBaud;
                return true;
            case 2:
                line = { cmdPresetSlave(multipoint, code), WriteLine::Preset, true };
                m_stage = StageS118;
                return true;
            default:
                m_stage = StageBaud;
                break;
            }
            break;
        }
        case StageRepeater:
            m_stage = StageBaud;
            line = { cmdSetS141(form.repeaterRow == 1 ? 1 : 0), WriteLine::Register, true };
            return true;
        case StageS118:
            m_stage = StageBaud;
            line = { cmdSetS118(65535), WriteLine::Register, true };
            return true;
        case StageBaud:
            m_stage = StageUnit;
            line = { cmdSetS102(form.baudRow), WriteLine::Register, true };
            return true;
        case StageUnit:
            m_stage = StageAddress;
            // The unit address only exists in point-to-multipoint mode.
            if (isMultipoint(form.mode)) {
                line = { cmdSetS105(addressFromText(form.unitText)), WriteLine::Register, true };
                return true;
            }
            break;
        case StageAddress:
            m_stage = StageAirSpeed;
            line = { cmdSetS104(addressFromText(form.addressText)), WriteLine::Register, true };
            return true;
        case StageAirSpeed:
            m_stage = StagePower;
            line = { cmdSetS103(form.airSpeedRow == 7 ? 8 : form.airSpeedRow), WriteLine::Register, true };
            return true;
        case StagePower:
            m_stage = StageStore;
            line = { cmdSetS108(powerCodeFor(form)), WriteLine::Register, true };
            return true;
        case StageStore:
            m_stage = StageDone;
            line = { cmdStoreSettings(), WriteLine::Store, false };
            return true;
        default:
            m_stage = StageDone;
            break;
        }
    }
    return false;
}

bool WriteSequence::finished() const
{
    return m_stage == StageDone;
}

void WriteSequence::reset()
{
    m_stage = StagePreset;
    m_branchRow = -1;
}

QList<WriteLine> planWrite(const WriteForm &form)
{
    QList<WriteLine> lines;
    WriteSequence sequence;
    WriteLine line;
    while (sequence.next(form, line))
        lines.append(line);
    return lines;
}

QString writeSummary(const WriteForm &form)
{
    // One multi-argument call, so a "%n" inside a text is not substituted again.
    return QStringLiteral("%1 %2 %3 %4 %5 %6 ")
        .arg(form.unitText, form.addressText, form.workModeText, form.baudText,
             form.airSpeedText, form.powerText);
}

quint32 addressFromText(const QString &text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok, 10);
    return ok ? quint32(value) : 0;
}

int powerCodeFor(const WriteForm &form)
{
    // Half Fjord knows only 30 and 33 dBm.
    if (form.module == Module::HalfFjord)
        return form.powerRow == 0 ? 30 : 33;
    if (form.powerText == QLatin1String("2000mW"))
        return 33;
    return form.powerRow + 20;
}
