#pragma once
// The configuration write as a sequence of lines and pauses, computed from
// the form's values. The main window takes a fresh snapshot of the form
// before each step, so every line carries the value on show when it is sent.

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

// The pause after each line of a write, so the unit has taken the line
// before the next one comes.
constexpr int WriteLinePauseMs = 100;

struct WriteLine {
    QByteArray bytes;   // may be empty: a preset the module lacks sends nothing
    int pauseMs = 0;    // pause after the line
};

class WriteSequence
{
public:
    // The next line to send, given the form as it is now; false at the end.
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

// "unit address network adddress work mode baud link rate power " summary.
QString writeSummary(const WriteForm &form);

quint32 addressFromText(const QString &text);   // 0 unless 0..4294967295
int powerCodeFor(const WriteForm &form);
