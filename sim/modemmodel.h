#pragma once
// The simulated radio modem: its registers, factory presets, AT commands,
// link control frames and stored state. No I/O apart from the state file;
// the pseudo-terminal shell in main.cpp feeds it bytes.

#include "protocol/moduleprofile.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

namespace modemsim {

// The unit's product and module are the engine's (protocol/radiotypes.h).
bool parseProduct(const QString &text, Product *product);   // "kv5", "kv6"
bool parseModule(const QString &text, Module *module);      // "tarn", "brae-loch", "skerry", "half-fjord"
// The names the simulated unit gives itself in its settings report.
QString productName(Product product);                       // "KV5", "KV6-KV7"
QString moduleName(Module module);                          // "Tarn", "Brae-Loch", ...

using Registers = QMap<int, qint64>;

// State file: one "Snnn=value" line per register. Lines of any other form
// are skipped when reading.
QByteArray formatRegisters(const Registers &registers);
Registers parseRegisters(const QByteArray &text);

class ModemModel
{
public:
    ModemModel(Product product, Module module);

    Product product() const { return m_product; }
    Module module() const { return m_module; }
    int moduleCode() const;

    // S101, S102, S103, S104, S105, S108, S118, S141.
    static QList<int> registerNumbers();
    static bool isRegister(int number);
    static Registers defaultRegisters(Product product, Module module);

    const Registers &registers() const { return m_registers; }
    qint64 value(int number) const { return m_registers.value(number, -1); }

    // Whether "ATSnnn=value" is taken: the register exists, can be written
    // by a command and the module has the row the value stands for.
    bool canSet(int number, qint64 value) const;
    // Puts a value in place without the module's rules (state file, command
    // line); only the register's own range is checked.
    bool load(int number, qint64 value);

    // A unit that does not take a setting: the register keeps `value`
    // whatever is written or preset, and commands still answer "OK".
    void setStuck(int number, qint64 value);
    // Lines starting with `prefix` (any case) are answered with "ERROR" and
    // change nothing.
    void refuseCommand(const QByteArray &prefix);

    // Work mode (S101 row) that factory preset `preset` selects on this
    // module, or -1 when the module has no such preset.
    int presetWorkMode(int preset) const;
    int lastPreset() const { return m_lastPreset; }

    // Answer to one received AT line, given without its line end. Empty for
    // an empty line.
    QByteArray execute(const QByteArray &line);
    // Answer to a complete link control frame; empty when there is none.
    QByteArray handleFrame(quint8 command, const QByteArray &payload);

    QByteArray settingsReport() const;

    quint32 passThroughBaud() const { return m_passThroughBaud; }
    bool readPrepared() const { return m_readPrepared; }

    // Registers as of the last "AT&W"; also written to the state file when
    // one is set.
    const Registers &storedRegisters() const { return m_stored; }
    void setStatePath(const QString &path) { m_statePath = path; }
    QString statePath() const { return m_statePath; }
    // Takes the registers of the state file, if there is one; false when it
    // exists but cannot be read.
    bool loadState(QString *error = nullptr);
    bool saveState(QString *error = nullptr) const;

private:
    QByteArray store();
    QByteArray setRegister(const QByteArray &command);
    QByteArray loadPreset(const QByteArray &digits);

    Product m_product;
    Module m_module;
    Registers m_registers;
    Registers m_stored;
    QString m_statePath;
    quint32 m_passThroughBaud = 115200;
    bool m_readPrepared = false;
    int m_lastPreset = -1;
    Registers m_stuck;
    QList<QByteArray> m_refused;
};

} // namespace modemsim
