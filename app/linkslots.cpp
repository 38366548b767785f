// Opening and closing the serial link, the end of every sequence, and the
// pass-through baud rate.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>

#include <utility>

#include "app/radiobuttons.h"
#include "radio/moduleprofile.h"
#include "radio/radiosession.h"
#include "radio/serialports.h"
#include "terminal/atinterface.h"

void MainWindow::on_ConnectButton_clicked()
{
    if (state == LinkState::Closing)
        return;
    if (state != LinkState::Closed) {
        // Any sequence under way ends first: a write that has not sent
        // "AT&W" sends nothing more, and says so when it ends.
        setState(LinkState::Closing);
        closeId = serial->close();
        return;
    }

    LinkConfig config = chosenLink();
    config.port = ui->SerialBox->currentText();
    const int id = serial->open(config);
    if (!id) {
        // A link that did not open must not look connected.
        showStatus(tr("Could not open the port %1: %2").arg(config.port, serial->errorString()), StatusKind::Failure);
        return;
    }
    openId = id;
    rememberedPort = config.port;
    rememberChoices();
    showStatus(tr("Connecting to %1…").arg(config.port));
    setState(LinkState::Opening);
}

LinkConfig MainWindow::chosenLink() const
{
    LinkConfig config;
    config.product = productForButton(productGroup->checkedId());
    config.module = moduleForButton(moduleGroup->checkedId());
    config.mode = modeForButton(modeGroup->checkedId());
    return config;
}

// The port is open and no frame has gone out yet.
void MainWindow::linkOpened()
{
    atInterface->resetDecoder();
    modeId = modeGroup->checkedId();
    moduleCode = ::moduleCode(moduleForButton(moduleGroup->checkedId()));
    reportedRegisters.clear();
    lastReport = RadioSettings();
    rateListLive = false;
    loadModuleProfile();
}

void MainWindow::sequenceFinished(int id, const SequenceResult &result)
{
    serial->takeResult(id);
    // A read or a write can end inside its own start (a line that could not
    // be sent), before its id is known.
    if (id == openId) {
        openId = 0;
        openFinished(result);
    } else if (id == readId || (state == LinkState::Reading && !readId)) {
        readFinished(result);
    } else if (id == writeId || (state == LinkState::Writing && !writeId)) {
        finishWrite(result);
    } else if (id == closeId) {
        closeId = 0;
        enterClosedState();
    }
}

void MainWindow::openFinished(const SequenceResult &result)
{
    // A close or a lost device has taken over and says what happened.
    if (state != LinkState::Opening || result.outcome != SequenceResult::Completed)
        return;
    showStatus(tr("Connected to %1.").arg(serial->config().port));
    setState(LinkState::Ready);
}

void MainWindow::enterClosedState()
{
    closePort();
    openId = readId = writeId = closeId = 0;
    reportedRegisters.clear();
    rateListLive = false;
    for (QComboBox *box : { ui->WorkModeBox, ui->BaudSetBox, ui->OutputPowerBox, ui->AirSpeedBox, ui->repeater_state })
        box->setCurrentIndex(-1);
    if (!addressLocked)
        ui->AddressEdit->clear();
    setState(LinkState::Closed);
    // Ports that came and went while the link was in use.
    const QStringList changes = std::exchange(portChanges, QStringList());
    for (const QString &change : changes) {
        if (change.startsWith(QLatin1Char('+')))
            portAppeared({ change.mid(1), change.mid(1) });
        else
            portVanished(change.mid(1));
    }
}

// The device vanished under the link (adapter unplugged, peer gone): the
// session has closed the port and ended what ran; the window follows and
// says why, with what became of a write that was under way.
void MainWindow::slot_linkLost(const QString &port)
{
    enterClosedState();
    QString text = tr("The device on %1 was lost.").arg(port);
    if (!lostWriteText.isEmpty())
        text += QLatin1Char(' ') + std::exchange(lostWriteText, QString());
    showStatus(text, StatusKind::Failure);
}

void MainWindow::on_flush_clicked()
{
    if (state != LinkState::Closed)
        return;
    ui->SerialBox->clear();
    probePorts();
}

void MainWindow::on_SerialSetBox_currentIndexChanged(int index)
{
    const int rate = index < 0 ? 0 : ui->SerialSetBox->itemText(index).toInt();
    serial->setPassThroughBaud(rate);
}
