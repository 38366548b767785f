#include "protocol/radiosettings.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <iterator>
#include <limits>

#include "protocol/moduleprofile.h"
#include "protocol/writeplan.h"

namespace {

// The registers a settings report is scanned for.
constexpr int ReportedRegisters[] = { Reg::WorkMode,    Reg::SerialBaud,  Reg::LinkRate,      Reg::NetworkAddress,
                                      Reg::UnitAddress, Reg::OutputPower, Reg::RepeaterEnable };

int rowIn(int row, const QStringList &rows)
{
    return row >= 0 && row < rows.size() ? row : -1;
}

} // namespace

const QStringList &passThroughRates()
{
    static const QStringList rates = { "19200", "38400", "56000", "57600", "115200", "230400" };
    return rates;
}

QString repeaterText(int repeaterRow)
{
    if (repeaterRow < 0)
        return QString();
    return repeaterRow == 1 ? QStringLiteral("on") : QStringLiteral("off");
}

int rowForEntry(const RegisterEntry &entry, Module module)
{
    switch (entry.reg) {
    case Reg::LinkRate:
        return airSpeedRowForValue(entry.value);
    case Reg::OutputPower:
        return powerRowForCode(entry.value, module == Module::HalfFjord);
    default:
        return entry.value >= 0 && entry.value <= std::numeric_limits<int>::max() ? int(entry.value) : -1;
    }
}

bool reportFitsModule(const QMap<int, qint64> &registers, Module module)
{
    const ModuleProfile &profile = moduleProfile(module);
    const struct {
        int reg;
        const QStringList &rows;
    } lists[] = { { Reg::WorkMode, profile.workModes }, { Reg::SerialBaud, profile.baudRates },
                  { Reg::LinkRate, profile.airSpeeds }, { Reg::OutputPower, profile.outputPowers } };
    for (const auto &list : lists) {
        if (!registers.contains(list.reg))
            continue;
        const int row = rowForEntry({ list.reg, registers.value(list.reg), QString() }, module);
        // A blank placeholder row is no value the module offers.
        if (row < 0 || row >= list.rows.size() || list.rows.at(row).isEmpty())
            return false;
    }
    return true;
}

RadioSettings settingsFromEntries(const QList<RegisterEntry> &entries, Module module)
{
    const ModuleProfile &profile = moduleProfile(module);
    static const QStringList Repeater = { "NO", "YES" };
    RadioSettings s;
    auto select = [&](int *row, QString *caption, const QStringList &rows, const RegisterEntry &entry) {
        *row = rowIn(rowForEntry(entry, module), rows);
        *caption = *row >= 0 ? rows.at(*row) : QString();
    };
    for (const RegisterEntry &entry : entries) {
        switch (entry.reg) {
        case Reg::WorkMode: select(&s.workModeRow, &s.workMode, profile.workModes, entry); break;
        case Reg::SerialBaud: select(&s.baudRow, &s.baud, profile.baudRates, entry); break;
        case Reg::LinkRate: select(&s.linkRateRow, &s.linkRate, profile.airSpeeds, entry); break;
        case Reg::OutputPower: select(&s.powerRow, &s.power, profile.outputPowers, entry); break;
        case Reg::RepeaterEnable: s.repeaterRow = rowIn(rowForEntry(entry, module), Repeater); break;
        case Reg::NetworkAddress:
            s.networkAddress = entry.digits;
            s.hasNetworkAddress = true;
            s.registers.insert(Reg::NetworkAddress, entry.digits.toLongLong());
            continue;
        case Reg::UnitAddress:
            // An unreadable unit address leaves the one before it.
            if (entry.value >= 0) {
                s.unitAddress = QString::number(entry.value);
                s.hasUnitAddress = true;
            }
            break;
        default:
            continue;
        }
        s.registers.insert(entry.reg, entry.value);
    }
    return s;
}

WriteForm writeFormFor(const RadioSettings &settings, const LinkConfig &config)
{
    WriteForm form;
    form.workModeRow = settings.workModeRow;
    form.repeaterRow = settings.repeaterRow;
    form.baudRow = settings.baudRow;
    form.airSpeedRow = settings.linkRateRow;
    form.powerRow = settings.powerRow;
    form.powerText = settings.power;
    form.unitText = settings.unitAddress;
    form.addressText = settings.networkAddress;
    form.workModeText = settings.workMode;
    form.baudText = settings.baud;
    form.airSpeedText = settings.linkRate;
    form.module = config.module;
    form.mode = config.mode;
    return form;
}

RadioSettings settingsFromForm(const WriteForm &form)
{
    RadioSettings s;
    s.workModeRow = form.workModeRow;
    s.baudRow = form.baudRow;
    s.linkRateRow = form.airSpeedRow;
    s.powerRow = form.powerRow;
    s.repeaterRow = form.repeaterRow;
    s.workMode = form.workModeText;
    s.baud = form.baudText;
    s.linkRate = form.airSpeedText;
    s.power = form.powerText;
    s.networkAddress = form.addressText;
    s.hasNetworkAddress = !form.addressText.isEmpty();
    s.unitAddress = form.unitText;
    s.hasUnitAddress = !form.unitText.isEmpty();
    return s;
}

QList<QPair<int, qint64>> registersSetBy(const QList<QByteArray> &lines)
{
    QList<QPair<int, qint64>> registers;
    for (const QByteArray &line : lines) {
        if (!line.startsWith("ATS"))
            continue;
        const QByteArray body = line.trimmed().mid(3);
        const qsizetype equals = body.indexOf('=');
        bool numberOk = false;
        bool valueOk = false;
        const int number = body.left(equals).toInt(&numberOk);
        const qint64 value = body.mid(equals + 1).toLongLong(&valueOk);
        if (equals <= 0 || !numberOk || !valueOk)
            continue;
        auto it = std::find_if(registers.begin(), registers.end(), [number](const auto &r) { return r.first == number; });
        if (it != registers.end())
            it->second = value;
        else
            registers.append({ number, value });
    }
    return registers;
}

QList<RegisterDifference> compareRegisters(const QList<QPair<int, qint64>> &written, const QMap<int, qint64> &read)
{
    QList<RegisterDifference> differences;
    for (const auto &[reg, value] : written) {
        if (std::find(std::begin(ReportedRegisters), std::end(ReportedRegisters), reg) == std::end(ReportedRegisters))
            continue;
        const qint64 readValue = read.value(reg, -1);
        if (readValue != value)
            differences.append({ reg, value, readValue });
    }
    return differences;
}

QString describeDifference(const RegisterDifference &d, bool translated)
{
    const char *notRead = QT_TRANSLATE_NOOP("RadioSession", "S%1 was not read back, %2 was written");
    const char *reads = QT_TRANSLATE_NOOP("RadioSession", "S%1 reads %2, %3 was written");
    const char *text = d.read < 0 ? notRead : reads;
    QString pattern = translated ? QCoreApplication::translate("RadioSession", text) : QString::fromLatin1(text);
    if (d.read < 0)
        return pattern.arg(d.reg).arg(d.written);
    return pattern.arg(d.reg).arg(d.read).arg(d.written);
}

QString describeDifferences(const QList<RegisterDifference> &differences, bool translated)
{
    QStringList parts;
    for (const RegisterDifference &d : differences)
        parts << describeDifference(d, translated);
    return parts.join(QStringLiteral("; "));
}
