#include "protocol/settingschange.h"

#include "protocol/moduleprofile.h"

namespace {

const QStringList RepeaterRows = { "NO", "YES" };
// The work-mode rows by their role; a module's own captions are taken too.
const QStringList WorkModeWords = { "master", "repeater", "slave" };

// The row whose caption is `value` (any case), -1 if none; rows with an empty
// caption are placeholders and never match.
int captionRow(const QStringList &rows, const QString &value)
{
    for (int row = 0; row < rows.size(); ++row) {
        if (!rows.at(row).isEmpty() && rows.at(row).compare(value, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

QString listed(const QStringList &rows)
{
    QStringList shown;
    for (const QString &row : rows) {
        if (!row.isEmpty())
            shown << row;
    }
    return shown.join(QStringLiteral(", "));
}

bool readAddress(const QString &value, QString *text)
{
    bool ok = false;
    const qulonglong number = value.trimmed().toULongLong(&ok, 10);
    if (!ok || number > qulonglong(MaxAddress))
        return false;
    *text = QString::number(number);
    return true;
}

QString captionOf(const QStringList &rows, int row)
{
    return row >= 0 && row < rows.size() ? rows.at(row) : QString();
}

} // namespace

bool SettingsChange::isEmpty() const
{
    return workModeRow < 0 && baudRow < 0 && linkRateRow < 0 && powerRow < 0 && repeaterRow < 0
           && !setNetworkAddress && !setUnitAddress;
}

const QStringList &settingKeys()
{
    static const QStringList keys = { "workMode", "baud", "linkRate", "power", "repeater", "networkAddress",
                                      "unitAddress" };
    return keys;
}

bool setSetting(SettingsChange *change, const QString &key, const QString &value, Module module, LinkMode mode,
                QString *allowed)
{
    const ModuleProfile &profile = moduleProfile(module);
    const QString addresses = QStringLiteral("0 .. %1").arg(MaxAddress);
    auto choose = [&](int *row, const QStringList &rows) {
        *row = captionRow(rows, value);
        if (*row < 0)
            *allowed = listed(rows);
        return *row >= 0;
    };
    if (key == QLatin1String("workMode")) {
        int row = int(WorkModeWords.indexOf(value.toLower()));
        // The word must name a row this module really has.
        if (row < 0 || profile.workModes.value(row).isEmpty())
            row = captionRow(profile.workModes, value);
        if (row < 0) {
            QStringList words;
            for (int r = 0; r < profile.workModes.size(); ++r) {
                if (!profile.workModes.at(r).isEmpty())
                    words << WorkModeWords.at(r);
            }
            *allowed = words.join(QStringLiteral(", "));
            return false;
        }
        change->workModeRow = row;
        return true;
    }
    if (key == QLatin1String("baud"))
        return choose(&change->baudRow, profile.baudRates);
    if (key == QLatin1String("linkRate"))
        return choose(&change->linkRateRow, profile.airSpeeds);
    if (key == QLatin1String("power"))
        return choose(&change->powerRow, profile.outputPowers);
    if (key == QLatin1String("repeater")) {
        const QString word = value.toLower();
        if (word == "on" || word == "yes" || word == "true" || word == "1") {
            change->repeaterRow = 1;
        } else if (word == "off" || word == "no" || word == "false" || word == "0") {
            change->repeaterRow = 0;
        } else {
            *allowed = QStringLiteral("on, off");
            return false;
        }
        return true;
    }
    if (key == QLatin1String("networkAddress")) {
        if (!readAddress(value, &change->networkAddress)) {
            *allowed = addresses;
            return false;
        }
        change->setNetworkAddress = true;
        return true;
    }
    if (key == QLatin1String("unitAddress")) {
        // Only a point-to-multipoint unit has one.
        if (!isMultipoint(mode) || !readAddress(value, &change->unitAddress)) {
            *allowed = isMultipoint(mode) ? addresses : QStringLiteral("none in point-to-point mode");
            return false;
        }
        change->setUnitAddress = true;
        return true;
    }
    *allowed = settingKeys().join(QStringLiteral(", "));
    return false;
}

SettingsChange changeFromForm(const WriteForm &form)
{
    SettingsChange change;
    change.workModeRow = form.workModeRow;
    change.baudRow = form.baudRow;
    change.linkRateRow = form.airSpeedRow;
    change.powerRow = form.powerRow;
    change.repeaterRow = form.repeaterRow;
    if (!form.addressText.isEmpty()) {
        change.setNetworkAddress = true;
        change.networkAddress = QString::number(addressFromText(form.addressText));
    }
    if (isMultipoint(form.mode) && !form.unitText.isEmpty()) {
        change.setUnitAddress = true;
        change.unitAddress = QString::number(addressFromText(form.unitText));
    }
    return change;
}

WriteForm applyChange(WriteForm form, const SettingsChange &change)
{
    const ModuleProfile &profile = moduleProfile(form.module);
    if (change.workModeRow >= 0) {
        form.workModeRow = change.workModeRow;
        form.workModeText = captionOf(profile.workModes, change.workModeRow);
    }
    if (change.baudRow >= 0) {
        form.baudRow = change.baudRow;
        form.baudText = captionOf(profile.baudRates, change.baudRow);
    }
    if (change.linkRateRow >= 0) {
        form.airSpeedRow = change.linkRateRow;
        form.airSpeedText = captionOf(profile.airSpeeds, change.linkRateRow);
    }
    if (change.powerRow >= 0) {
        form.powerRow = change.powerRow;
        form.powerText = captionOf(profile.outputPowers, change.powerRow);
    }
    if (change.repeaterRow >= 0)
        form.repeaterRow = change.repeaterRow;
    if (change.setNetworkAddress)
        form.addressText = change.networkAddress;
    if (change.setUnitAddress)
        form.unitText = change.unitAddress;
    return form;
}

QString addressText(qint64 value)
{
    return value >= 0 && value <= MaxAddress ? QString::number(value) : QString();
}
