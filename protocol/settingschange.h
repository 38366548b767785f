#pragma once
// Settings to put into a unit, checked against its module's lists before
// anything is sent: the options of kvx-cli and the settings of a profile
// file, applied over what the unit reported (as the window's form is, after a
// read).

#include <QString>
#include <QStringList>

#include "protocol/radiosettings.h"
#include "protocol/writeplan.h"

struct SettingsChange {
    int workModeRow = -1;   // -1: keep the unit's value
    int baudRow = -1;
    int linkRateRow = -1;
    int powerRow = -1;
    int repeaterRow = -1;
    bool setNetworkAddress = false;
    QString networkAddress;   // decimal
    bool setUnitAddress = false;
    QString unitAddress;

    bool isEmpty() const;
};

// The keys of a settings object, in the order the tool shows them.
const QStringList &settingKeys();   // workMode, baud, linkRate, power, repeater, networkAddress, unitAddress

// Sets `key` from its text form ("master", "Slave(Remote)", "9600", "1000mW",
// "on", "1234", ...) for a unit of `module` in `mode`. On a value
// the module does not have, returns false and puts the allowed values in
// `allowed` (e.g. "230400, 115200, ...").
bool setSetting(SettingsChange *change, const QString &key, const QString &value, Module module, LinkMode mode,
                QString *allowed);

// Every field of a form as a change: what a profile taken from the form
// puts into other units (blank fields are left out).
SettingsChange changeFromForm(const WriteForm &form);

// The form with the change applied (rows and the captions they show).
WriteForm applyChange(WriteForm form, const SettingsChange &change);

// Decimal text of a value in 0 .. MaxAddress, or empty.
QString addressText(qint64 value);
