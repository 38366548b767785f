#pragma once
// The label of a verified unit, as the window and the batch dialog write it:
// a 62 x 29 mm PDF in the labels folder (Tools, remembered; Documents/
// kvx-labels until one is chosen), named by the unit's code and the time.

#include <QString>

#include "records/recordstore.h"

// The folder labels go to.
QString labelFolder();
// Writes the label; its path, or empty with the reason in `error`.
QString writeUnitLabel(const UnitRecord &record, QString *error);
