#pragma once
// Whether settings can be written as they stand. A write sends every setting
// it uses, so a blank (a reported value the module's list has no row for,
// or a field left empty) or an impossible address would go out as a number
// nobody chose ("ATS103=-1", "ATS104=0") and AT&W would store the rest.
// Every write asks here before it sends anything; the command builders take
// what they get.

#include <QString>

struct LinkConfig;
struct RadioSettings;

// Empty when every setting the write of `settings` to the unit of `link`
// sends holds a value its module offers; otherwise one line for the operator
// naming the first that does not and the likely cause, e.g. "Link rate is
// empty: the unit reported 7, which Tarn does not offer. Is the module
// right?". `report` is the unit's last settings report, which tells what a
// blank stands for. `reg`, when given, gets the register of the setting
// named (-1 when there is none).
QString checkWrite(const RadioSettings &settings, const LinkConfig &link, const RadioSettings &report,
                   int *reg = nullptr);

// An address field's digits that no register holds, as the operator typed
// them: "Network address 4294967296 is out of range (0 to 4294967295)."
// Empty when they fit, or when there are none.
QString addressFieldProblem(int reg, const QString &digits);
