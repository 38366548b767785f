// Opening and closing the serial link, and the pass-through baud rate.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>

#include "app/buttonstyles.h"
#include "profiles/moduleprofile.h"
#include "radio/radiosession.h"
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
        LinkConfig config = chosenLink();
        config.port = ui->SerialBox->currentText();
        const int id = serial->open(config);
        if (!id) {
            // A link that did not open must not look connected.
            ui->DisplayLabel->setText(tr("Could not open the port %1: %2").arg(config.port, serial->errorString()));
            ui->ConnectButton->setEnabled(true);
            return;
        }
        setGroupEnabled(productGroup, false);
        setGroupEnabled(moduleGroup, false);
        setGroupEnabled(modeGroup, false);
        ui->SerialBox->setEnabled(false);
        ui->RefreshButton->setStyleSheet(QLatin1String(RefreshActive));
        ui->RefreshButton->setEnabled(true);
        ui->ConnectButton->setText(tr("DisConnect"));
        waitForSequence(id);
        ui->ConnectButton->setEnabled(true);
        return;
    }

    waitForSequence(serial->close());
    enterClosedState();
}

LinkConfig MainWindow::chosenLink() const
{
    LinkConfig config;
    config.productId = productGroup->checkedId();
    config.moduleGroupId = moduleGroup->checkedId();
    config.modeId = modeGroup->checkedId();
    return config;
}

// The port is open and no frame has gone out yet.
void MainWindow::linkOpened()
{
    deviceLost = false;
    atInterface->resetDecoder();
    modeId = modeGroup->checkedId();
    ui->UnitEdit->setEnabled(modeId == 1);
    moduleCode = moduleCodeForGroupId(moduleGroup->checkedId());
    loadModuleProfile();
}

void MainWindow::enterClosedState()
{
    closePort();
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

// The device vanished under the link (adapter unplugged, peer gone): the
// session has closed the port; the window follows and says why.
void MainWindow::slot_linkLost(const QString &port)
{
    if (!linkIsOpen())
        return;
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
    serial->setPassThroughBaud(rate);
}
