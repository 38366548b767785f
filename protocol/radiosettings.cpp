#include "protocol/radiosettings.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <iterator>
#include <limits>

#include "protocol/moduleprofile.h"

namespace {

const QStringList RepeaterRows = { "NO", "YES" };
// The work-mode rows by their role; a module's own captions are taken too.
const QStringList WorkModeWords = { "master", "repeater", "slave" };

// The row whose caption is `value` (any case), -1 if none; rows with an empty
// caption are placeholders and never match.
int captionRow(const QStringList &rows, const QString &value)
{
    for (int row = 0; row < rows.size(); ++row) {
        if (!rows.at(row).isEmpty() && rows.at(row).compare(value, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

QString listed(const QStringList &rows)
{
    QStringList shown;
    for (const QString &row : rows) {
        if (!row.isEmpty())
            shown << row;
    }
    return shown.join(QStringLiteral(", "));
}

bool readAddress(const QString &value, qint64 *address)
{
    // The number reader stops at a NUL as at the text's end: "4\0junk"
    // would read as 4.
    if (value.contains(QChar(0)))
        return false;
    bool ok = false;
    const qulonglong number = value.trimmed().toULongLong(&ok, 10);
    if (!ok || number > qulonglong(MaxAddress))
        return false;
    *address = qint64(number);
    return true;
}

bool isAddress(int reg)
{
    return reg == Reg::NetworkAddress || reg == Reg::UnitAddress;
}

} // namespace

void RadioSettings::apply(const RadioSettings &change)
{
    for (auto it = change.registers.cbegin(); it != change.registers.cend(); ++it)
        registers.insert(it.key(), it.value());
}

const QList<int> &settingRegisters()
{
    static const QList<int> list = { Reg::WorkMode,    Reg::SerialBaud,  Reg::LinkRate,      Reg::NetworkAddress,
                                     Reg::UnitAddress, Reg::OutputPower, Reg::RepeaterEnable };
    return list;
}

const QStringList &passThroughRates()
{
    static const QStringList rates = { "19200", "38400", "56000", "57600", "115200", "230400" };
    return rates;
}

const QStringList &settingRows(Module module, int reg)
{
    static const QStringList none;
    const ModuleProfile &profile = moduleProfile(module);
    switch (reg) {
    case Reg::WorkMode: return profile.workModes;
    case Reg::SerialBaud: return profile.baudRates;
    case Reg::LinkRate: return profile.airSpeeds;
    case Reg::OutputPower: return profile.outputPowers;
    case Reg::RepeaterEnable: return RepeaterRows;
    default: return none;
    }
}

int rowForValue(Module module, int reg, qint64 value)
{
    int row = -1;
    switch (reg) {
    case Reg::LinkRate:
        row = airSpeedRowForValue(value);
        break;
    case Reg::OutputPower:
        row = powerRowForCode(value, module == Module::HalfFjord);
        break;
    default:
        row = value >= 0 && value <= std::numeric_limits<int>::max() ? int(value) : -1;
        break;
    }
    return row < settingRows(module, reg).size() ? row : -1;
}

qint64 valueForRow(Module module, int reg, int row)
{
    if (row < 0 || row >= settingRows(module, reg).size())
        return -1;
    switch (reg) {
    case Reg::LinkRate:
        // Row 7 is stored as 8 on the modem; 7 itself is never written.
        return row == 7 ? 8 : row;
    case Reg::OutputPower:
        // Half Fjord knows only 30 and 33 dBm; elsewhere rows 0 … 10 are
        // 20 … 30 dBm (100 mW … 1 W) and a twelfth row is 2 W, 33 dBm.
        if (module == Module::HalfFjord)
            return row == 0 ? 30 : 33;
        return row < 11 ? row + 20 : 33;
    default:
        return row;
    }
}

QString settingCaption(Module module, int reg, qint64 value)
{
    if (isAddress(reg))
        return QString::number(value);
    if (reg == Reg::RepeaterEnable)
        return value == 1 ? QStringLiteral("on") : value == 0 ? QStringLiteral("off") : QString();
    const int row = rowForValue(module, reg, value);
    return row >= 0 ? settingRows(module, reg).at(row) : QString();
}

QString settingCaption(const RadioSettings &settings, Module module, int reg)
{
    return settings.has(reg) ? settingCaption(module, reg, settings.value(reg)) : QString();
}

QString settingWords(Module module, int reg, qint64 value)
{
    static const char *const Words[] = {
        QT_TRANSLATE_NOOP("SettingValue", "Master"), QT_TRANSLATE_NOOP("SettingValue", "Repeater"),
        QT_TRANSLATE_NOOP("SettingValue", "Slave(Remote)"), QT_TRANSLATE_NOOP("SettingValue", "Slave"),
        QT_TRANSLATE_NOOP("SettingValue", "on"), QT_TRANSLATE_NOOP("SettingValue", "off"),
    };
    const QString caption = settingCaption(module, reg, value);
    if (reg != Reg::WorkMode && reg != Reg::RepeaterEnable)
        return caption;
    for (const char *word : Words) {
        if (caption == QLatin1String(word))
            return QCoreApplication::translate("SettingValue", word);
    }
    return caption;
}

QString settingWords(const RadioSettings &settings, Module module, int reg)
{
    return settings.has(reg) ? settingWords(module, reg, settings.value(reg)) : QString();
}

bool reportFitsModule(const RadioSettings &report, Module module)
{
    for (int reg : { int(Reg::WorkMode), int(Reg::SerialBaud), int(Reg::LinkRate), int(Reg::OutputPower) }) {
        if (!report.has(reg))
            continue;
        // A blank placeholder row is no value the module offers.
        if (settingCaption(report, module, reg).isEmpty())
            return false;
    }
    return true;
}

RadioSettings settingsFromEntries(const QList<RegisterEntry> &entries)
{
    RadioSettings s;
    for (const RegisterEntry &entry : entries) {
        switch (entry.reg) {
        case Reg::NetworkAddress:
            // The digits as a number: the address the unit holds.
            s.set(Reg::NetworkAddress, entry.digits.toLongLong());
            break;
        case Reg::UnitAddress:
            // An unreadable unit address leaves the one before it.
            if (entry.value >= 0)
                s.set(Reg::UnitAddress, entry.value);
            break;
        default:
            if (settingRegisters().contains(entry.reg))
                s.set(entry.reg, entry.value);
            break;
        }
    }
    return s;
}

RadioSettings settingsSent(RadioSettings settings, LinkMode mode)
{
    // S141 goes out only after the Master preset.
    if (settings.value(Reg::WorkMode) != 0)
        settings.remove(Reg::RepeaterEnable);
    if (!isMultipoint(mode))
        settings.remove(Reg::UnitAddress);
    return settings;
}

const QStringList &settingKeys()
{
    static const QStringList keys = { "workMode", "baud", "linkRate", "power", "repeater", "networkAddress",
                                      "unitAddress" };
    return keys;
}

bool setSetting(RadioSettings *settings, const QString &key, const QString &value, Module module, LinkMode mode,
                QString *allowed)
{
    const QString addresses = QStringLiteral("0 .. %1").arg(MaxAddress);
    // A caption of the module's list: its row's value.
    auto choose = [&](int reg) {
        const QStringList &rows = settingRows(module, reg);
        const int row = captionRow(rows, value);
        if (row < 0) {
            *allowed = listed(rows);
            return false;
        }
        settings->set(reg, valueForRow(module, reg, row));
        return true;
    };
    if (key == QLatin1String("workMode")) {
        const QStringList &rows = settingRows(module, Reg::WorkMode);
        int row = int(WorkModeWords.indexOf(value.toLower()));
        // The word must name a row this module really has.
        if (row < 0 || rows.value(row).isEmpty())
            row = captionRow(rows, value);
        if (row < 0) {
            QStringList words;
            for (int r = 0; r < rows.size(); ++r) {
                if (!rows.at(r).isEmpty())
                    words << WorkModeWords.at(r);
            }
            *allowed = words.join(QStringLiteral(", "));
            return false;
        }
        settings->set(Reg::WorkMode, valueForRow(module, Reg::WorkMode, row));
        return true;
    }
    if (key == QLatin1String("baud"))
        return choose(Reg::SerialBaud);
    if (key == QLatin1String("linkRate"))
        return choose(Reg::LinkRate);
    if (key == QLatin1String("power"))
        return choose(Reg::OutputPower);
    if (key == QLatin1String("repeater")) {
        const QString word = value.toLower();
        if (word == "on" || word == "yes" || word == "true" || word == "1") {
            settings->set(Reg::RepeaterEnable, 1);
        } else if (word == "off" || word == "no" || word == "false" || word == "0") {
            settings->set(Reg::RepeaterEnable, 0);
        } else {
            *allowed = QStringLiteral("on, off");
            return false;
        }
        return true;
    }
    qint64 address = 0;
    if (key == QLatin1String("networkAddress")) {
        if (!readAddress(value, &address)) {
            *allowed = addresses;
            return false;
        }
        settings->set(Reg::NetworkAddress, address);
        return true;
    }
    if (key == QLatin1String("unitAddress")) {
        // Only a point-to-multipoint unit has one.
        if (!isMultipoint(mode) || !readAddress(value, &address)) {
            *allowed = isMultipoint(mode) ? addresses : QStringLiteral("none in point-to-point mode");
            return false;
        }
        settings->set(Reg::UnitAddress, address);
        return true;
    }
    *allowed = settingKeys().join(QStringLiteral(", "));
    return false;
}

QString repeaterText(const RadioSettings &settings)
{
    return settingCaption(settings, Module::Tarn, Reg::RepeaterEnable);
}

QString addressText(qint64 value)
{
    return value >= 0 && value <= MaxAddress ? QString::number(value) : QString();
}

QString addressText(const RadioSettings &settings, int reg)
{
    return settings.has(reg) ? QString::number(settings.value(reg)) : QString();
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

QList<RegisterDifference> compareRegisters(const QList<QPair<int, qint64>> &written, const RadioSettings &read)
{
    QList<RegisterDifference> differences;
    for (const auto &[reg, value] : written) {
        if (!settingRegisters().contains(reg))
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
