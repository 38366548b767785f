#pragma once
// The configuration write as a sequence of lines and pauses, computed from
// a form's values: the factory preset for the work mode, the register lines,
// then "AT&W". A write sends the form as it was when the write began.

#include <QByteArray>
#include <QList>
#include <QString>

#include "protocol/radiotypes.h"

struct WriteForm {
    int workModeRow = -1;
    int repeaterRow = -1;
    int baudRow = -1;
    int airSpeedRow = -1;
    int powerRow = -1;
    QString powerText;
    QString unitText;
    QString addressText;
    QString workModeText;
    QString baudText;
    QString airSpeedText;
    Module module = Module::Tarn;   // chooses the presets and the power code
    LinkMode mode = LinkMode::PointToPoint;
};

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

class WriteSequence
{
public:
    // The next line to send for `form`; false at the end. A step that sends
    // nothing for this form (S105 in point to point) is passed over.
    bool next(const WriteForm &form, WriteLine &line);
    bool finished() const;
    // Back to the first step, for another write.
    void reset();

private:
    int m_stage = 0;
    int m_branchRow = -1;   // work-mode row taken when the preset was chosen
};

// The whole sequence for a form that does not change meanwhile.
QList<WriteLine> planWrite(const WriteForm &form);

// What a write of `form` sets, as the status line shows it: "unit address,
// network address, work mode, baud, link rate, power" and a trailing space.
QString writeSummary(const WriteForm &form);

quint32 addressFromText(const QString &text);   // 0 unless 0..4294967295
int powerCodeFor(const WriteForm &form);
