#pragma once
// Whether a form can be written as it stands. A write sends every field it
// uses, so a blank list (a reported value the module's list has no row for)
// or an empty or impossible address would go out as a number nobody chose
// ("ATS103=-1", "ATS104=0") and AT&W would store the rest. The window asks
// here before it sends anything; the command builders take what they get.

#include <QString>

struct RadioSettings;
struct WriteForm;

// Empty when every field the write of `form` sends holds a value the module
// offers; otherwise one line for the operator naming the first field that
// does not and the likely cause, e.g. "Link rate is empty: the unit reported
// 7, which Tarn does not offer. Is the module right?". `report` is the
// unit's last settings report, which tells what a blank list stands for.
QString checkWriteForm(const WriteForm &form, const RadioSettings &report);
