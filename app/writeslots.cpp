// Writing a configuration, and the network-address tools.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>

#include "app/buttonstyles.h"
#include "radio/radiosession.h"
#include "radio/writeplan.h"

WriteForm MainWindow::currentWriteForm() const
{
    WriteForm form;
    form.workModeRow = ui->WorkModeBox->currentIndex();
    form.repeaterRow = ui->repeater_state->currentIndex();
    form.baudRow = ui->BaudSetBox->currentIndex();
    form.airSpeedRow = ui->AirSpeedBox->currentIndex();
    form.powerRow = ui->OutputPowerBox->currentIndex();
    form.powerText = ui->OutputPowerBox->currentText();
    form.unitText = ui->UnitEdit->text();
    form.addressText = ui->AddressEdit->text();
    form.workModeText = ui->WorkModeBox->currentText();
    form.baudText = ui->BaudSetBox->currentText();
    form.airSpeedText = ui->AirSpeedBox->currentText();
    form.moduleGroupId = moduleGroup->checkedId();
    form.modeGroupId = modeGroup->checkedId();
    form.modeId = modeId;
    form.moduleCode = moduleCode;
    return form;
}

void MainWindow::on_ConfigButton_clicked()
{
    if (!serial->isOpen()) {
        ui->DisplayLabel->setText(tr("The configuration was not written."));
        return;
    }
    if (!confirmUnitAddress())
        return;
    writeRunning = true;
    ui->ConfigButton->setEnabled(false);
    ui->ConfigButton->setStyleSheet(QLatin1String(ConfigBusy));

    // Each line takes the form's values as they are when it is sent; the
    // summary goes up when "AT&W" has gone out.
    const bool verify = ui->ActionVerifyWrite->isChecked();
    const SequenceResult result = waitForSequence(serial->write([this] { return currentWriteForm(); }, verify));
    writeRunning = false;
    // Once "AT&W" went out the configuration is complete, whatever happens to
    // the link in the pause after it; a lost device keeps its own message.
    if (!result.stored && !deviceLost)
        ui->DisplayLabel->setText(tr("The configuration was not written."));
    finishWrite(result);
    // The link may have closed and opened again meanwhile: decide the button
    // as a scan of the report would.
    if (linkIsOpen() && serial->isOpen())
        updateConfigButton();
}

void MainWindow::on_RandButton_clicked()
{
    randomGenerator.seedFromClock();
    lastRandomAddress = randomGenerator.nextAddress(lastRandomAddress);
    ui->AddressEdit->setText(QString::number(lastRandomAddress));
}

void MainWindow::on_LockButton_clicked()
{
    addressLocked = !addressLocked;
    ui->RandButton->setEnabled(!addressLocked);
    ui->RandButton->setStyleSheet(QLatin1String(addressLocked ? RandBlocked : RandUsable));
    ui->LockButton->setStyleSheet(QLatin1String(addressLocked ? LockClosed : LockOpen));
}
