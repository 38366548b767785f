// Reading the modem's settings report into the form.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>

#include "app/buttonstyles.h"
#include "radio/radiosession.h"
#include "terminal/atinterface.h"

namespace {

void selectRow(QComboBox *box, int row)
{
    box->setCurrentIndex(row >= 0 && row < box->count() ? row : -1);
}

void enable(QWidget *widget)
{
    if (!widget->isEnabled())
        widget->setEnabled(true);
}

} // namespace

void MainWindow::on_RefreshButton_clicked()
{
    ui->SerialSetBox->setEnabled(false);
    waitForSequence(serial->read());
}

// Every chunk the modem sends; the terminal shows them while it is shown.
void MainWindow::slot_readyRead(const QByteArray &chunk)
{
    if (terminalShown)
        atInterface->appendReceivedBytes(chunk);
}

void MainWindow::applyFrame(const FrameReply &frame)
{
    if (frame.status == FrameReply::LinkClosed) {
        ui->SerialSetBox->setEnabled(true);
        return;
    }
    if (frame.status != FrameReply::BaudRate)
        return;
    ui->SerialSetBox->setEnabled(true);
    for (int row = 0; row < ui->SerialSetBox->count(); ++row) {
        if (ui->SerialSetBox->itemText(row).toInt() == qint64(frame.rate))
            ui->SerialSetBox->setCurrentIndex(row);
    }
}

void MainWindow::applyReport(const ReceiveResult &result, bool verifying)
{
    // The check after a write reads the unit without changing the form: the
    // form keeps what was written.
    if (verifying)
        return;
    for (const RegisterEntry &entry : result.entries)
        applyEntry(entry);
    updateConfigButton();
}

// The reader has logged each entry already.
void MainWindow::applyEntry(const RegisterEntry &entry)
{
    const int row = rowForEntry(entry, moduleGroup->checkedId());
    switch (entry.reg) {
    case 101:
        enable(ui->WorkModeBox);
        selectRow(ui->WorkModeBox, row);
        break;
    case 102:
        enable(ui->BaudSetBox);
        selectRow(ui->BaudSetBox, row);
        break;
    case 103:
        enable(ui->AirSpeedBox);
        selectRow(ui->AirSpeedBox, row);
        break;
    case 104:
        enable(ui->AddressEdit);
        if (!addressLocked)
            ui->AddressEdit->setText(entry.digits);
        break;
    case 105:
        if (modeId == 1)
            enable(ui->UnitEdit);
        // An unreadable unit address leaves the field as it is.
        if (entry.value >= 0)
            ui->UnitEdit->setText(QString::number(entry.value));
        break;
    case 108:
        enable(ui->OutputPowerBox);
        selectRow(ui->OutputPowerBox, row);
        break;
    case 141:
        enable(ui->repeater_state);
        selectRow(ui->repeater_state, row);
        break;
    default:
        break;
    }
}

void MainWindow::updateConfigButton()
{
    // A running write releases the button itself when it is done.
    if (writeRunning)
        return;
    if (formIsFilled()) {
        ui->ConfigButton->setEnabled(true);
        ui->ConfigButton->setStyleSheet(QLatin1String(ConfigReady));
    }
}

bool MainWindow::formIsFilled() const
{
    return ui->AddressEdit->isEnabled() && ui->WorkModeBox->isEnabled() && ui->BaudSetBox->isEnabled()
           && ui->AirSpeedBox->isEnabled() && ui->OutputPowerBox->isEnabled();
}
