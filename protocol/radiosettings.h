#pragma once
// Values exchanged between the engine and its front ends: which unit a
// session talks to, the settings a report carried, and how a write compares
// with what the unit reads back afterwards.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

#include "protocol/radiotypes.h"
#include "protocol/reportreader.h"

struct WriteForm;

// The unit at the other end of a port.
struct LinkConfig {
    QString port;
    Product product = Product::Kv5;
    Module module = Module::Tarn;
    LinkMode mode = LinkMode::PointToPoint;
};

// The pass-through baud rates a KV6 - KV7 unit offers (the window's list).
const QStringList &passThroughRates();


// The seven fields of a settings report. A row is -1 when the report did not
// name the register or named a value the module's list has no row for.
struct RadioSettings {
    int workModeRow = -1;
    int baudRow = -1;
    int linkRateRow = -1;
    int powerRow = -1;
    int repeaterRow = -1;    // 0 "NO", 1 "YES"
    QString workMode;        // captions of the rows, empty without a row
    QString baud;
    QString linkRate;
    QString power;
    QString networkAddress;  // the digits as reported (leading zeros kept)
    QString unitAddress;     // decimal; empty when not reported or unreadable
    bool hasNetworkAddress = false;
    bool hasUnitAddress = false;
    QMap<int, qint64> registers;   // every reported value by register number
};

// "on", "off", or empty without a row: the repeater as the record and
// kvx-cli read show it.
QString repeaterText(int repeaterRow);

// The row a reported register selects, before the list's length is checked:
// the value itself, except that link rate 8 stands for row 7 and the output
// power is a dBm code. -1 for no row.
int rowForEntry(const RegisterEntry &entry, Module module);

// Whether every value a report gave has a row in the module's lists (the
// report fits the module).
bool reportFitsModule(const QMap<int, qint64> &registers, Module module);

// The fields of a report for a module, applied in report order (a register
// named twice takes its later value).
RadioSettings settingsFromEntries(const QList<RegisterEntry> &entries, Module module);

// What a write would send for these settings: the form the window shows after
// reading them.
WriteForm writeFormFor(const RadioSettings &settings, const LinkConfig &config);

// Settings as the form shows them (captions looked up in the module's lists).
RadioSettings settingsFromForm(const WriteForm &form);

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
QList<RegisterDifference> compareRegisters(const QList<QPair<int, qint64>> &written, const QMap<int, qint64> &read);
// "S103 reads 7, 8 was written" (translated when a catalogue is installed
// and `translated`; the record keeps the plain English).
QString describeDifference(const RegisterDifference &difference, bool translated = true);
QString describeDifferences(const QList<RegisterDifference> &differences, bool translated = true);
