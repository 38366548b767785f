// The values kvx-cli's options and a profile's keys give as text: the work
// mode, rates and power by the module's captions, the repeater, the
// addresses, and the product, module and mode names. Input: one byte
// choosing the module, the mode and the key, then the text.
//
// A value taken sets its one register to a value the module's lists name,
// and that name given back sets the same; an address taken is the number
// written; a value refused says what is allowed.

#include <QByteArray>
#include <QString>

#include "fuzz/fuzzcheck.h"
#include "protocol/radiosettings.h"
#include "protocol/writeplan.h"

namespace {

int registerOf(const QString &key)
{
    static const int Registers[] = { Reg::WorkMode,       Reg::SerialBaud,  Reg::LinkRate,   Reg::OutputPower,
                                     Reg::RepeaterEnable, Reg::NetworkAddress, Reg::UnitAddress };
    return Registers[settingKeys().indexOf(key)];
}

// Digits, with a sign and spaces around them at most: how a number may be
// written.
bool isNumberText(const QString &text, qint64 *value)
{
    QString digits = text.trimmed();
    if (digits.startsWith(QLatin1Char('+')))
        digits.remove(0, 1);
    if (digits.isEmpty())
        return false;
    qint64 number = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        number = number * 10 + (c.unicode() - '0');
        if (number > MaxAddress)
            return false;
    }
    *value = number;
    return true;
}

void checkSetting(const QString &key, const QString &text, Module module, LinkMode mode)
{
    RadioSettings settings;
    QString allowed;
    const bool taken = setSetting(&settings, key, text, module, mode, &allowed);
    const int reg = registerOf(key);
    if (!taken) {
        check(!allowed.isEmpty(), "a refused value says what is allowed");
        check(settings.isEmpty(), "a refused value sets nothing");
        return;
    }
    check(settings.registers.size() == 1 && settings.has(reg), "a value taken sets its own register alone");
    const qint64 value = settings.value(reg);
    if (reg == Reg::NetworkAddress || reg == Reg::UnitAddress) {
        qint64 number = -1;
        check(isNumberText(text, &number) && number == value, "an address taken is the number written");
        check(mode == LinkMode::PointToMultipoint || reg != Reg::UnitAddress, "a unit address only in p2mp");
        return;
    }
    const QString caption = settingCaption(module, reg, value);
    check(!caption.isEmpty(), "a value taken has its caption in the module's list");
    RadioSettings again;
    check(setSetting(&again, key, caption, module, mode, &allowed) && again.value(reg) == value,
          "the caption of a value taken sets the same value");
    if (reg != Reg::WorkMode && reg != Reg::RepeaterEnable)
        check(caption.compare(text, Qt::CaseInsensitive) == 0, "a list's value is taken by its caption alone");
}

template<typename T>
void checkName(const std::optional<T> &found, const QString &text, QString (*keyOf)(T))
{
    if (found)
        check(keyOf(*found) == text, "a name taken is the name itself");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(silence);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const quint8 choice = in.byte();
    const Module module = allModules().at(choice & 3);
    const LinkMode mode = allLinkModes().at((choice >> 2) & 1);
    const QString text = QString::fromUtf8(in.bytes(in.left()));

    const int key = (choice >> 3) % (settingKeys().size() + 1);
    if (key < settingKeys().size()) {
        checkSetting(settingKeys().at(key), text, module, mode);
    } else {
        checkName(productForKey(text), text, productKey);
        checkName(moduleForKey(text), text, moduleKey);
        checkName(modeForKey(text), text, modeKey);
        const quint32 address = addressFromText(text);
        qint64 number = -1;
        check(address == 0 || (isNumberText(text, &number) && number == address), "a record's address is its number");
    }
    return 0;
}
