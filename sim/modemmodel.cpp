#include "sim/modemmodel.h"

#include "protocol/atcommands.h"

#include <QFile>
#include <QSaveFile>

namespace modemsim {

namespace {

const QByteArray Ok = QByteArrayLiteral("OK\r\n");
const QByteArray Error = QByteArrayLiteral("ERROR\r\n");

// Plain decimal: an optional minus sign (when allowed) and 1..maxDigits digits.
bool parseDecimal(const QByteArray &text, int maxDigits, bool allowMinus, qint64 *out)
{
    int start = 0;
    if (allowMinus && text.startsWith('-'))
        start = 1;
    const int digits = int(text.size()) - start;
    if (digits < 1 || digits > maxDigits)
        return false;
    for (int i = start; i < text.size(); ++i)
        if (text.at(i) < '0' || text.at(i) > '9')
            return false;
    bool ok = false;
    *out = text.toLongLong(&ok);
    return ok;
}

bool isAddressRegister(int number) { return number == Reg::NetworkAddress || number == Reg::UnitAddress; }

} // namespace

bool parseProduct(const QString &text, Product *product)
{
    const std::optional<Product> parsed = productForKey(text.toLower());
    if (parsed)
        *product = *parsed;
    return parsed.has_value();
}

bool parseModule(const QString &text, Module *module)
{
    const std::optional<Module> parsed = moduleForKey(text.toLower());
    if (parsed)
        *module = *parsed;
    return parsed.has_value();
}

QString productName(Product product) { return product == Product::Kv5 ? "KV5" : "KV6-KV7"; }

QString moduleName(Module module)
{
    switch (module) {
    case Module::Tarn: return "Tarn";
    case Module::BraeLoch: return "Brae-Loch";
    case Module::Skerry: return "Skerry";
    case Module::HalfFjord: return "Half Fjord";
    }
    return QString();
}

QByteArray formatRegisters(const Registers &registers)
{
    QByteArray text;
    for (auto it = registers.cbegin(); it != registers.cend(); ++it)
        text += 'S' + QByteArray::number(it.key()) + '=' + QByteArray::number(it.value()) + '\n';
    return text;
}

Registers parseRegisters(const QByteArray &text)
{
    Registers registers;
    for (const QByteArray &rawLine : text.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        const int equals = int(line.indexOf('='));
        if (!line.startsWith('S') || equals < 2)
            continue;
        qint64 number = 0;
        qint64 value = 0;
        if (parseDecimal(line.mid(1, equals - 1), 4, false, &number)
            && parseDecimal(line.mid(equals + 1), 12, true, &value))
            registers.insert(int(number), value);
    }
    return registers;
}

ModemModel::ModemModel(Product product, Module module)
    : m_product(product)
    , m_module(module)
    , m_registers(defaultRegisters(product, module))
    , m_stored(m_registers)
{
}

int ModemModel::moduleCode() const { return ::moduleCode(m_module); }

QList<int> ModemModel::registerNumbers() { return { 101, 102, 103, 104, 105, 108, 118, 141 }; }

bool ModemModel::isRegister(int number) { return registerNumbers().contains(number); }

Registers ModemModel::defaultRegisters(Product product, Module module)
{
    Q_UNUSED(module); // 1 W (code 30) and link-rate row 1 exist on every module
    return {
        { 101, 0 },                                   // Master
        { 102, product == Product::Kv5 ? 7 : 1 },     // data port at the unit's own line speed
        { 103, 1 },
        { 104, 12345 },
        { 105, 1 },
        { 108, 30 },
        { 118, 65535 },
        { 141, 0 },
    };
}

bool ModemModel::canSet(int number, qint64 value) const
{
    const ModuleProfile &profile = moduleProfile(m_module);
    switch (number) {
    case 102:
        return value >= 0 && value < profile.baudRates.size();
    case 103: {
        // Row 7 travels as 8; 7 itself names no row.
        if (value == 7 || value < 0)
            return false;
        const qint64 row = value == 8 ? 7 : value;
        return row < profile.airSpeeds.size();
    }
    case 104:
    case 105:
        return value >= 0 && value <= MaxAddress;
    case 108:
        if (m_module == Module::HalfFjord)
            return value == 30 || value == 33;
        if (value == 33)
            return profile.outputPowers.size() > 11;
        return value >= 20 && value <= 30;
    case 118:
        return value >= 0 && value <= 65535;
    case 141:
        return value == 0 || value == 1;
    default:
        // S101 follows the factory presets only; anything else is no register.
        return false;
    }
}

bool ModemModel::load(int number, qint64 value)
{
    if (!isRegister(number))
        return false;
    const bool inRange = isAddressRegister(number) ? (value >= 0 && value <= MaxAddress)
                                                   : (value >= -2147483648LL && value <= 2147483647LL);
    if (!inRange)
        return false;
    m_registers[number] = value;
    return true;
}

int ModemModel::presetWorkMode(int preset) const
{
    if (preset < 0)
        return -1;
    const QByteArray wanted = "AT&F" + QByteArray::number(preset) + "\r\n";
    const int code = moduleCode();
    // Point-to-point repeater and slave share one preset on some modules; it
    // brings up the slave role.
    for (bool multipoint : { false, true })
        if (cmdPresetMaster(multipoint, code) == wanted)
            return 0;
    for (bool multipoint : { false, true })
        if (cmdPresetSlave(multipoint, code) == wanted)
            return 2;
    for (bool multipoint : { false, true })
        if (cmdPresetRepeater(multipoint, code) == wanted)
            return 1;
    return -1;
}

void ModemModel::setStuck(int number, qint64 value)
{
    m_registers[number] = value;
    m_stuck[number] = value;
}

void ModemModel::refuseCommand(const QByteArray &prefix)
{
    m_refused.append(prefix.toUpper());
}

QByteArray ModemModel::execute(const QByteArray &line)
{
    if (line.isEmpty())
        return QByteArray();
    const QByteArray command = line.toUpper();
    if (!command.startsWith("AT"))
        return Error;
    for (const QByteArray &prefix : std::as_const(m_refused)) {
        if (command.startsWith(prefix))
            return Error;
    }
    const QByteArray rest = command.mid(2);
    if (rest == "&V")
        return settingsReport();
    if (rest == "&W")
        return store();
    if (rest.startsWith("&F"))
        return loadPreset(rest.mid(2));
    if (rest.startsWith('S'))
        return setRegister(rest.mid(1));
    return Error;
}

QByteArray ModemModel::setRegister(const QByteArray &command)
{
    const int equals = int(command.indexOf('='));
    qint64 number = 0;
    qint64 value = 0;
    if (equals < 1 || !parseDecimal(command.left(equals), 4, false, &number)
        || !parseDecimal(command.mid(equals + 1), 12, true, &value))
        return Error;
    if (!canSet(int(number), value))
        return Error;
    if (!m_stuck.contains(int(number)))
        m_registers[int(number)] = value;
    return Ok;
}

QByteArray ModemModel::loadPreset(const QByteArray &digits)
{
    qint64 preset = 0;
    if (!parseDecimal(digits, 3, false, &preset))
        return Error;
    const int workMode = presetWorkMode(int(preset));
    if (workMode < 0)
        return Error;
    if (!m_stuck.contains(101))
        m_registers[101] = workMode;
    m_lastPreset = int(preset);
    return Ok;
}

QByteArray ModemModel::store()
{
    m_stored = m_registers;
    return saveState() ? Ok : Error;
}

QByteArray ModemModel::handleFrame(quint8 command, const QByteArray &payload)
{
    // A KV5 unit knows no link control frames.
    if (m_product == Product::Kv5)
        return QByteArray();
    switch (command) {
    case FrameLinkOpen: {
        QByteArray rate;
        for (int shift = 0; shift < 32; shift += 8)
            rate.append(char((m_passThroughBaud >> shift) & 0xFF));
        return buildFrame(FrameLinkOpen, rate);
    }
    case FrameSetBaud:
        if (payload.size() == 4) {
            quint32 rate = 0;
            for (int i = 0; i < 4; ++i)
                rate |= quint32(quint8(payload.at(i))) << (8 * i);
            if (rate > 0)
                m_passThroughBaud = rate;
        }
        return QByteArray();
    case FrameReadPrepare:
        m_readPrepared = true;
        return QByteArray();
    case FrameLinkClose:
        m_readPrepared = false;
        return buildFrame(FrameLinkClose);
    default:
        return QByteArray();
    }
}

QByteArray ModemModel::settingsReport() const
{
    // The header must hold neither "OK" nor a register name: readers wait
    // for "OK" and pick "Snnn=" anywhere in the text.
    QByteArray report = "\r\n" + productName(m_product).toLatin1() + ' ' + moduleName(m_module).toLatin1()
                        + " - active settings\r\n";
    for (int number : registerNumbers())
        report += 'S' + QByteArray::number(number) + '=' + QByteArray::number(value(number)) + "\r\n";
    report += "\r\n" + Ok;
    return report;
}

bool ModemModel::loadState(QString *error)
{
    if (m_statePath.isEmpty() || !QFile::exists(m_statePath))
        return true;
    QFile file(m_statePath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const Registers registers = parseRegisters(file.readAll());
    for (auto it = registers.cbegin(); it != registers.cend(); ++it)
        load(it.key(), it.value());
    m_stored = m_registers;
    return true;
}

bool ModemModel::saveState(QString *error) const
{
    if (m_statePath.isEmpty())
        return true;
    // Written aside and renamed, so a reader never sees half a file.
    QSaveFile file(m_statePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(formatRegisters(m_stored)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace modemsim
