// Reading the modem's settings report into the form.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>
#include <QSerialPort>

#include "radio/atcommands.h"
#include "radio/buttonstyles.h"
#include "radio/wait.h"
#include "terminal/atinterface.h"

namespace {


void selectRow(QComboBox *box, qint64 row)
{
    box->setCurrentIndex(row >= 0 && row < box->count() ? int(row) : -1);
}

void enable(QWidget *widget)
{
    if (!widget->isEnabled())
        widget->setEnabled(true);
}

} // namespace

void MainWindow::on_RefreshButton_clicked()
{
    const int generation = linkGeneration;
    ui->SerialSetBox->setEnabled(false);
    if (productGroup->checkedId() == 1) {
        sendBytes(frameReadPrepare());
        waitWithEvents(1000);
        if (generation != linkGeneration)
            return;   // the link closed meanwhile: nothing more to send
    }
    sendBytes(cmdReadSettings());
    waitWithEvents(100);
}

void MainWindow::slot_readyRead()
{
    const QByteArray chunk = serial->readAll();
    if (!chunk.isEmpty() && terminalShown)
        atInterface->appendReceivedBytes(chunk);
    const ReceiveResult result = recvBuffer.feed(chunk, terminalShown);
    for (const FrameReply &frame : result.frames)
        applyFrame(frame);
    for (const RegisterEntry &entry : result.entries)
        applyEntry(entry);
    if (result.scanned)
        updateConfigButton();
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

// The reader has logged each entry already.
void MainWindow::applyEntry(const RegisterEntry &entry)
{
    switch (entry.reg) {
    case 101:
        enable(ui->WorkModeBox);
        selectRow(ui->WorkModeBox, entry.value);
        break;
    case 102:
        enable(ui->BaudSetBox);
        selectRow(ui->BaudSetBox, entry.value);
        break;
    case 103:
        enable(ui->AirSpeedBox);
        selectRow(ui->AirSpeedBox, airSpeedRowForValue(entry.value));
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
        selectRow(ui->OutputPowerBox, powerRowForCode(entry.value, moduleGroup->checkedId() == 3));
        break;
    case 141:
        enable(ui->repeater_state);
        selectRow(ui->repeater_state, entry.value);
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
    if (ui->AddressEdit->isEnabled() && ui->WorkModeBox->isEnabled() && ui->BaudSetBox->isEnabled()
        && ui->AirSpeedBox->isEnabled() && ui->OutputPowerBox->isEnabled()) {
        ui->ConfigButton->setEnabled(true);
        ui->ConfigButton->setStyleSheet(QLatin1String(ConfigReady));
    }
}
