// Provisioning a batch of units: profiles, the check after a write, the
// record of every unit and the next unit address.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include "radio/radiosession.h"
#include "radio/recordfile.h"
#include "radio/unitoutcome.h"

namespace {

const char RecordKey[] = "record/path";

// The one setting the tool keeps: which provisioning record is in use.
QSettings toolSettings()
{
    return QSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                         + QStringLiteral("/kvx-config/kvx-config.ini"),
                     QSettings::IniFormat);
}

QString profileFilter()
{
    return QCoreApplication::translate("MainWindow", "Profiles (*.json);;All files (*)");
}

} // namespace

QString MainWindow::storedRecordPath()
{
    return toolSettings().value(QLatin1String(RecordKey)).toString();
}

void MainWindow::slot_SaveProfile()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save profile"), QString(), profileFilter(), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray json = profileToJson(chosenLink(), settingsFromForm(currentWriteForm()));
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        ui->DisplayLabel->setText(tr("The profile could not be saved: %1").arg(file.errorString()));
        return;
    }
    ui->DisplayLabel->setText(tr("Profile saved to %1.").arg(QDir::toNativeSeparators(path)));
}

void MainWindow::slot_LoadProfile()
{
    // The option lists are only there once the unit has been read.
    if (!linkIsOpen() || !serial->isOpen() || !formIsFilled()) {
        ui->DisplayLabel->setText(tr("Connect and read the unit before loading a profile."));
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, tr("Load profile"), QString(), profileFilter(), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    ProvisionProfile profile;
    QString error;
    if (!readProfileFile(path, &profile, &error)) {
        ui->DisplayLabel->setText(tr("The profile was refused: %1").arg(error));
        return;
    }
    if (!applyProfile(profile))
        return;
    loadedProfile = profile;
    profileLoaded = true;
    ui->ActionApplyProfile->setEnabled(true);
    ui->DisplayLabel->setText(tr("Profile %1 applied.").arg(QFileInfo(path).fileName()));
}

bool MainWindow::applyProfile(const ProvisionProfile &profile)
{
    const LinkConfig link = serial->config();
    const struct {
        const char *key;
        QString wanted;
        QString actual;
    } checks[] = {
        { "product", productKey(profile.productId), productKey(link.productId) },
        { "module", moduleKey(profile.moduleGroupId), moduleKey(link.moduleGroupId) },
        { "mode", modeKey(profile.modeId), modeKey(link.modeId) },
    };
    for (const auto &check : checks) {
        if (check.wanted != check.actual) {
            ui->DisplayLabel->setText(tr("The profile was refused: its \"%1\" is %2, the unit's is %3.")
                                          .arg(QLatin1String(check.key), check.wanted, check.actual));
            return false;
        }
    }
    const SettingsChange &change = profile.settings;
    const std::pair<QComboBox *, int> rows[] = {
        { ui->WorkModeBox, change.workModeRow }, { ui->BaudSetBox, change.baudRow },
        { ui->AirSpeedBox, change.linkRateRow }, { ui->OutputPowerBox, change.powerRow },
        { ui->repeater_state, change.repeaterRow },
    };
    for (const auto &[box, row] : rows) {
        if (row >= 0)
            box->setCurrentIndex(row);
    }
    // The locked address goes into every unit; a profile does not change it.
    if (change.setNetworkAddress && !addressLocked)
        ui->AddressEdit->setText(change.networkAddress);
    if (change.setUnitAddress && modeId == 1)
        ui->UnitEdit->setText(change.unitAddress);
    return true;
}

void MainWindow::slot_ChooseRecord()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Provisioning record"), recordPath,
                                                      tr("CSV files (*.csv);;All files (*)"), nullptr,
                                                      QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return;
    recordPath = path;
    toolSettings().setValue(QLatin1String(RecordKey), path);
    ui->DisplayLabel->setText(tr("Every write is recorded in %1.").arg(QDir::toNativeSeparators(path)));
}

bool MainWindow::confirmUnitAddress()
{
    if (recordPath.isEmpty() || modeGroup->checkedId() == 0)
        return true;
    const QString unit = QString::number(addressFromText(ui->UnitEdit->text()));
    const QString network = QString::number(addressFromText(ui->AddressEdit->text()));
    if (!recordHoldsUnit(recordPath, unit, network))
        return true;
    // Two units with one address on one network do not link.
    const auto answer = QMessageBox::question(
        this, tr("Unit address in use"),
        tr("The record already holds unit address %1 on network address %2. Write it again?").arg(unit, network));
    if (answer == QMessageBox::Yes)
        return true;
    ui->DisplayLabel->setText(tr("Not written: unit address %1 is already in use on network address %2.").arg(unit, network));
    return false;
}

void MainWindow::finishWrite(const SequenceResult &result)
{
    if (!recordPath.isEmpty()) {
        const UnitOutcome outcome = writeOutcome(result, result.stored ? writtenForm : currentWriteForm());
        QString error;
        if (!appendRecord(recordPath, recordFor(outcome, serial->config()), &error)) {
            ui->DisplayLabel->setText(tr("The record %1 could not be written: %2").arg(recordPath, error));
            return;
        }
    }
    // A lost device and a write that never stored keep their own message.
    if (!result.stored || deviceLost)
        return;

    QString status = writtenSummary;
    switch (result.verification) {
    case SequenceResult::Verified: status += tr("verified"); break;
    case SequenceResult::Mismatch: status += describeDifferences(result.differences); break;
    case SequenceResult::NoAnswer: status += tr("could not be verified: the modem stopped answering."); break;
    case SequenceResult::NotVerified: break;
    }
    QStringList refused;
    for (const QByteArray &line : result.refusedLines)
        refused << QString::fromLatin1(line.trimmed());
    if (!refused.isEmpty())
        status += (status.endsWith(QLatin1Char(' ')) ? QString() : QStringLiteral(" "))
                  + tr("The modem refused %1.").arg(refused.join(QStringLiteral(", ")));
    if (status != writtenSummary)
        ui->DisplayLabel->setText(status);

    // Ready for the next unit of the batch.
    const bool complete = result.verification == SequenceResult::Verified
                          || result.verification == SequenceResult::NotVerified;
    if (ui->ActionNextUnit->isChecked() && complete && serial->config().modeId != 0) {
        for (const auto &[reg, value] : registersSetBy(result.linesSent)) {
            if (reg == 105 && value < 4294967295LL)
                ui->UnitEdit->setText(QString::number(value + 1));
        }
    }
}
