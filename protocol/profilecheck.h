#pragma once
// A unit's report beside a profile: the registers a write of the profile
// would set, those the profile names, against what the unit reports. The
// comparison is the one the check after a write makes, so a profile means
// the same thing to write, verify and check.

#include <QList>
#include <QPair>

#include "protocol/radiosettings.h"

// The registers, with their values, that writing `change` over the unit's
// `report` would set and that `change` names (a setting it leaves out is
// not among them); the work mode as the preset sets it.
QList<QPair<int, qint64>> registersNamedBy(const RadioSettings &change, const RadioSettings &report,
                                           const LinkConfig &link);

// Where the unit differs from the profile: `written` is the profile's
// value, `read` the unit's (-1 when it did not report it).
QList<RegisterDifference> compareWithProfile(const RadioSettings &report, const RadioSettings &change,
                                             const LinkConfig &link);

// One setting as the operator knows it: "link rate 115200, the profile says
// 230400" (captions from the module's lists; translated when `translated`).
QString describeProfileDifference(const RegisterDifference &difference, Module module, bool translated = true);
QString describeProfileDifferences(const QList<RegisterDifference> &differences, Module module, bool translated = true);
// The setting's name ("link rate") and a value as a difference names it:
// its caption ("115200"), or the number where the module's list has none.
QString settingName(int reg, bool translated = true);
QString valueCaption(int reg, qint64 value, Module module);
