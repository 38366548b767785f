#pragma once
// A unit's settings as the unit holds them, in register terms, and what the
// tool says of them: the captions of the module's lists, the settings given
// as text (kvx-cli's options, a profile's keys), and how a write compares
// with what the unit reads back afterwards. One value for a report, a change
// to make, a write, its outcome, a profile and a record row.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

#include "protocol/radiotypes.h"
#include "protocol/reportreader.h"

// The unit at the other end of a port.
struct LinkConfig {
    QString port;
    Product product = Product::Kv5;
    Module module = Module::Tarn;
    LinkMode mode = LinkMode::PointToPoint;
};

// The pass-through baud rates a KV6 - KV7 unit offers (the window's list).
const QStringList &passThroughRates();

// The settings by register (Reg::), as the unit holds them: S101 work mode
// (0 Master, 1 Repeater, 2 Slave), S102 the baud list's row, S103 the link
// rate's code (8 for a module's eighth rate), S104 and S105 the network and
// unit address, S108 the output power in dBm, S141 the repeater (1 on). A
// register that is absent was not reported (a report), is to be kept (a
// change), or has no value to send (a form with a blank field). A value the
// unit reported but could not have meant (unreadable: -1) is kept as it came.
struct RadioSettings {
    QMap<int, qint64> registers;

    bool has(int reg) const { return registers.contains(reg); }
    qint64 value(int reg, qint64 otherwise = -1) const { return registers.value(reg, otherwise); }
    void set(int reg, qint64 value) { registers.insert(reg, value); }
    void remove(int reg) { registers.remove(reg); }
    bool isEmpty() const { return registers.isEmpty(); }
    // Every register `change` holds, over these.
    void apply(const RadioSettings &change);
};

// The registers a unit's settings are made of, in report order.
const QList<int> &settingRegisters();

// The rows of a module's list for a register: work modes, baud rates, link
// rates, output powers, or the repeater's "NO" and "YES"; empty for the
// address registers.
const QStringList &settingRows(Module module, int reg);
// The row of that list a register value selects (the value itself, except
// that link rate 8 stands for row 7 and the output power is a dBm code), -1
// for none. A row past the list's end is no row either.
int rowForValue(Module module, int reg, qint64 value);
// The register value a row of the list stands for; -1 for no row.
qint64 valueForRow(Module module, int reg, int row);
// A value as the module's list names it ("Master", "9600", "172800",
// "1000mW"), the repeater as "on" or "off", an address as a number; empty
// when the list has no row for it.
QString settingCaption(Module module, int reg, qint64 value);
// The caption of the value `settings` hold for `reg`, empty when absent.
QString settingCaption(const RadioSettings &settings, Module module, int reg);

// A value as a sentence in the language installed says it: the work modes
// and the repeater's on and off translated (the lists themselves keep their
// captions as the modem's makers name them), every other value its caption.
QString settingWords(Module module, int reg, qint64 value);
QString settingWords(const RadioSettings &settings, Module module, int reg);

// Whether every value a report gave has a row in the module's lists (the
// report fits the module).
bool reportFitsModule(const RadioSettings &report, Module module);

// The settings of a report, applied in report order (a register named twice
// takes its later value; an unreadable unit address keeps the one before).
RadioSettings settingsFromEntries(const QList<RegisterEntry> &entries);

// The settings a write of `settings` sends in `mode`: the repeater only with
// the Master preset (S141 goes out with it alone), the unit address only in
// point to multipoint.
RadioSettings settingsSent(RadioSettings settings, LinkMode mode);

// The keys of a settings object, in the order the tool shows them.
const QStringList &settingKeys();   // workMode, baud, linkRate, power, repeater, networkAddress, unitAddress

// Sets `key` from its text form ("master", "Slave(Remote)", "9600", "1000mW",
// "on", "1234", ...) for a unit of `module` in `mode`. On a value the module
// does not have, returns false and puts the allowed values in `allowed`
// (e.g. "230400, 115200, ...").
bool setSetting(RadioSettings *settings, const QString &key, const QString &value, Module module, LinkMode mode,
                QString *allowed);

// "on", "off", or empty: the repeater as the record and kvx-cli read show it.
QString repeaterText(const RadioSettings &settings);
// Decimal text of a value in 0 .. MaxAddress, or empty.
QString addressText(qint64 value);
// An address the settings hold, as text; empty when absent.
QString addressText(const RadioSettings &settings, int reg);

// A register that does not read back what was written. `read` is -1 when the
// report did not name the register.
struct RegisterDifference {
    int reg = 0;
    qint64 written = 0;
    qint64 read = -1;
};

// Registers set by "ATSnnn=v" lines, in the order they were first set, each
// with the value of its last line.
QList<QPair<int, qint64>> registersSetBy(const QList<QByteArray> &lines);
// Compares what was written with a report's registers; registers a report
// never names (S118) are not compared.
QList<RegisterDifference> compareRegisters(const QList<QPair<int, qint64>> &written, const RadioSettings &read);
// "S103 reads 7, 8 was written" (translated when a catalogue is installed
// and `translated`; the record keeps the plain English).
QString describeDifference(const RegisterDifference &difference, bool translated = true);
QString describeDifferences(const QList<RegisterDifference> &differences, bool translated = true);
