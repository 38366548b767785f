// Opening and closing the serial link, and the pass-through baud rate.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>
#include <QDebug>
#include <QSerialPort>

#include "radio/atcommands.h"
#include "radio/buttonstyles.h"
#include "radio/wait.h"
#include "profiles/moduleprofile.h"
#include "terminal/atinterface.h"

namespace {

void setGroupEnabled(QButtonGroup *group, bool enabled)
{
    const auto buttons = group->buttons();
    for (QAbstractButton *button : buttons)
        button->setEnabled(enabled);
}

} // namespace

void MainWindow::on_ConnectButton_clicked()
{
    ui->ConnectButton->setEnabled(false);
    if (!linkIsOpen()) {
        closePort();
        serial->setBaudRate(productGroup->checkedId() == 1 ? QSerialPort::Baud115200 : QSerialPort::Baud9600);
        serial->setPortName(ui->SerialBox->currentText());
        serial->setDataBits(QSerialPort::Data8);
        serial->setStopBits(QSerialPort::OneStop);
        serial->setParity(QSerialPort::NoParity);
        serial->setFlowControl(QSerialPort::NoFlowControl);
        if (!serial->open(QIODevice::ReadWrite)) {
            // A link that did not open must not look connected.
            qDebug() << "open failed:" << serial->portName() << serial->errorString();
            ui->DisplayLabel->setText(tr("Could not open the port %1: %2")
                                          .arg(ui->SerialBox->currentText(), serial->errorString()));
            ui->ConnectButton->setEnabled(true);
            return;
        }
        deviceLost = false;
        atInterface->resetDecoder();
        modeId = modeGroup->checkedId();
        ui->UnitEdit->setEnabled(modeId == 1);
        moduleCode = moduleCodeForGroupId(moduleGroup->checkedId());
        loadModuleProfile();
        if (productGroup->checkedId() == 1)
            sendBytes(frameLinkOpen());

        setGroupEnabled(productGroup, false);
        setGroupEnabled(moduleGroup, false);
        setGroupEnabled(modeGroup, false);
        ui->SerialBox->setEnabled(false);
        ui->RefreshButton->setStyleSheet(QLatin1String(RefreshActive));
        ui->RefreshButton->setEnabled(true);
        ui->ConnectButton->setText(tr("DisConnect"));
        waitWithEvents(1000);
        ui->ConnectButton->setEnabled(true);
        return;
    }

    sendBytes(frameLinkClose());
    waitWithEvents(1000);
    enterClosedState();
}

void MainWindow::enterClosedState()
{
    closePort();
    // Sequences paused in a wait see this and stop sending.
    ++linkGeneration;
    ui->ConnectButton->setText(QStringLiteral("Connect"));
    ui->ConnectButton->setEnabled(true);
    setGroupEnabled(productGroup, true);
    setGroupEnabled(moduleGroup, true);
    setGroupEnabled(modeGroup, true);
    ui->SerialBox->setEnabled(true);
    ui->SerialSetBox->setEnabled(false);
    ui->RefreshButton->setEnabled(false);
    ui->RefreshButton->setStyleSheet(QLatin1String(RefreshIdle));
    ui->ConfigButton->setEnabled(false);
    ui->ConfigButton->setStyleSheet(QLatin1String(ConfigBusy));
    for (QWidget *field : parameterWidgets())
        field->setEnabled(false);
    for (QComboBox *box : { ui->WorkModeBox, ui->BaudSetBox, ui->OutputPowerBox, ui->AirSpeedBox, ui->repeater_state })
        box->setCurrentIndex(-1);
    if (!addressLocked)
        ui->AddressEdit->clear();
}

void MainWindow::slot_serialError(int error)
{
    // Resource and read/write errors on an open link mean the device is gone
    // (adapter unplugged, peer process ended). Nobody is left to receive the
    // link-close frame, so the link closes without it.
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError && error != QSerialPort::WriteError)
        return;
    if (!serial->isOpen() || !linkIsOpen())
        return;
    qDebug() << "device lost:" << serial->portName() << serial->errorString();
    const QString port = serial->portName();
    deviceLost = true;
    enterClosedState();
    ui->DisplayLabel->setText(tr("The device on %1 was lost.").arg(port));
}

void MainWindow::on_flush_clicked()
{
    if (linkIsOpen())
        return;
    ui->SerialBox->clear();
    probePorts();
}

void MainWindow::on_SerialSetBox_currentIndexChanged(int index)
{
    const int rate = index < 0 ? 0 : ui->SerialSetBox->itemText(index).toInt();
    sendBytes(frameSetBaud(rate));
}

bool MainWindow::sendBytes(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return true;
    if (!serial->isOpen() || serial->write(bytes) != bytes.size())
        return false;
    // Out now rather than at the next turn of the event loop, so the pauses
    // that follow are pauses on the line.
    serial->flush();
    return true;
}
