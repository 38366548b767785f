#pragma once
// The configuration write as a sequence of lines and pauses, made from a
// unit's settings in register terms: the factory preset for the work mode,
// the register lines, then "AT&W". A write sends the settings it began with.

#include <QByteArray>
#include <QList>
#include <QString>

#include "protocol/radiosettings.h"

// The pause after each line of a write that pauses, so the unit has taken
// the line before the next one comes (the session's timing holds it).
constexpr int WriteLinePauseMs = 100;

struct WriteLine {
    // What the line is: the factory preset, a register, or "AT&W".
    enum Kind { Preset, Register, Store };

    QByteArray bytes;     // may be empty: a preset the module lacks sends nothing
    Kind kind = Register;
    bool pauses = false;  // a pause follows the line (every line but "AT&W",
                          // whose storage pause is the session's own)
};

// The lines a write of `settings` sends to a unit of `module` in `mode`: the
// preset the work mode (S101) chooses, S141 after the Master preset, S118
// after the Slave preset, S102, S105 (point to multipoint), S104, S103,
// S108, "AT&W". A setting the settings lack goes out as -1, an address as 0:
// a write checks its settings first (checkWrite()).
QList<WriteLine> planWrite(const RadioSettings &settings, Module module, LinkMode mode);

// What a write of `settings` sets, as the status line shows it: "unit
// address, network address, work mode, baud, link rate, power" in the
// module's captions, and a trailing space.
QString writeSummary(const RadioSettings &settings, Module module);
// The same values, each named, for the operator: "unit 5 · network 25819 ·
// Slave · baud 115200 · link rate 115200 · 1000mW" (translated when a
// catalogue is installed); a value the settings lack is left out.
QString labelledSummary(const RadioSettings &settings, Module module);
// The separator between the parts of labelledSummary(), also before a result.
inline constexpr char16_t SummarySeparator[] = u" · ";

quint32 addressFromText(const QString &text);   // 0 unless 0..4294967295
