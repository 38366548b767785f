// Opening and closing the serial link, and the pass-through baud rate. The
// link itself (its state, its sequences, its unit) is the engine's
// LinkController; these slots hand it the operator's choices and show what
// it says.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>
#include <QSignalBlocker>

#include <utility>

#include "app/radiobuttons.h"
#include "app/resultbanner.h"
#include "engine/linkcontroller.h"
#include "engine/serialports.h"
#include "engine/unitdetector.h"
#include "protocol/moduleprofile.h"
#include "terminal/atinterface.h"

void MainWindow::on_ConnectButton_clicked()
{
    const LinkState state = serial->state();
    if (state == LinkState::Closing)
        return;
    if (productFinder) {
        // Its try ends with its link closed properly; nothing is connected.
        productFindStopped = true;
        productFinder->interrupt();
        applyState();
        return;
    }
    if (state != LinkState::Closed) {
        // Any sequence under way ends first: a write that has not sent
        // "AT&W" sends nothing more, and says so when it ends.
        serial->close();
        return;
    }
    if (ui->ActionFindProduct->isChecked() && !ui->SerialBox->currentText().isEmpty())
        findProduct(ui->SerialBox->currentText());
    else
        openLink();
}

void MainWindow::findProduct(const QString &port)
{
    productFindStopped = false;
    productFinder = std::make_unique<UnitDetector>(port);
    connect(productFinder.get(), &UnitDetector::trying, this, [this, port](Product product) {
        showStatus([this, port, product] {
            return tr("Asking the unit on %1 which product it is: %2 at %3 baud…")
                .arg(port, productCaption(product))
                .arg(lineBaudFor(product));
        }, StatusKind::Plain, StatusScope::Link);
    });
    // Once its signal has returned: the detector ends there.
    connect(productFinder.get(), &UnitDetector::done, this, &MainWindow::productFound, Qt::QueuedConnection);
    applyState();
    productFinder->start();
}

// The unit said what it is: the form's product (and module, where its
// report fits the chosen one no more) follow, then the link opens as ever.
void MainWindow::productFound()
{
    const std::unique_ptr<UnitDetector> finder = std::move(productFinder);
    applyState();
    const QString port = finder->port();
    if (productFindStopped || !finder->product())
        reconnectPending = false;
    if (productFindStopped) {
        showStatus([this, port] { return tr("Stopped asking the unit on %1: nothing is connected.").arg(port); });
        return;
    }
    if (!finder->product()) {
        showStatus([this, port, why = finder->failure()] {
            return tr("No product was found on %1: %2").arg(port, why);
        }, StatusKind::Failure);
        return;
    }
    const Product product = *finder->product();
    productGroup->button(buttonFor(product))->setChecked(true);
    const QList<Module> modules = finder->modules();
    const Module chosen = moduleForButton(moduleGroup->checkedId());
    if (!modules.isEmpty() && !modules.contains(chosen))
        moduleGroup->button(buttonFor(modules.first()))->setChecked(true);
    openLink();
    if (serial->state() == LinkState::Closed) {
        reconnectPending = false;
        applyState();
        return;
    }
    showStatus([this, port, product, fits = finder->modulesText(), module = moduleForButton(moduleGroup->checkedId())] {
        return tr("A %1 answered on %2 (its report fits %3); connecting as %1 with %4…")
            .arg(productCaption(product), port, fits, moduleCaption(module));
    }, StatusKind::Plain, StatusScope::Link);
}

void MainWindow::openLink()
{
    LinkConfig config = chosenLink();
    config.port = ui->SerialBox->currentText();
    if (!serial->open(config)) {
        // A link that did not open must not look connected.
        const QString error = serial->errorString();
        showStatus([this, port = config.port, error] { return tr("Could not open the port %1: %2").arg(port, error); },
                   StatusKind::Failure);
        return;
    }
    rememberedPort = config.port;
    rememberChoices();
    showStatus([this, port = config.port] { return tr("Connecting to %1…").arg(port); }, StatusKind::Plain,
               StatusScope::Link);
}

LinkConfig MainWindow::chosenLink() const
{
    LinkConfig config;
    config.product = productForButton(productGroup->checkedId());
    config.module = moduleForButton(moduleGroup->checkedId());
    config.mode = modeForButton(modeGroup->checkedId());
    return config;
}

Module MainWindow::linkedModule() const
{
    // The link's own: the buttons may have changed since.
    return serial->config().port.isEmpty() ? moduleForButton(moduleGroup->checkedId()) : serial->config().module;
}

// The port is open and no frame has gone out yet: the form starts from this
// unit's lists, and shows nothing of the last unit's rate.
void MainWindow::linkOpened()
{
    atInterface->resetDecoder();
    rateListLive = false;
    rateLockedByRead = false;
    // Another unit: the last one's result is not this one's.
    ui->ResultPanel->showNote([this, port = serial->config().port] { return tr("%1: not written yet.").arg(port); });
    loadModuleProfile();
    // The lists offer what this module takes; nothing is chosen until the
    // unit reports what it holds.
    clearOptionLists();
    // Quietly: choosing a rate sends it.
    const QSignalBlocker quiet(ui->SerialSetBox);
    ui->SerialSetBox->setCurrentIndex(-1);
}

void MainWindow::enterClosedState()
{
    rateListLive = false;
    rateLockedByRead = false;
    clearOptionLists();
    if (!addressLocked)
        ui->AddressEdit->clear();
    applyState();
    // Ports that came and went while the link was in use.
    const auto changes = std::exchange(portChanges, {});
    for (const auto &[appeared, port] : changes) {
        if (appeared)
            portAppeared(port);
        else
            portVanished(port.name);
    }
}

// The device vanished under the link (adapter unplugged, peer gone): the
// link has closed and ended what ran; the window follows and says why, with
// what became of a write that was under way.
void MainWindow::slot_linkLost(const QString &port)
{
    // The device is gone: no next unit on it.
    reconnectPending = false;
    enterClosedState();
    // One message: the loss, and what became of a write it cut short.
    const UnitOutcome lost = std::exchange(lostWrite, UnitOutcome());
    showStatus(
        [this, port, lost] {
            if (lost.result == UnitOutcome::Lost)
                return tr("The device on %1 was lost before storing: nothing was stored.").arg(port) + lost.recordNote();
            if (lost.result == UnitOutcome::LostAfterStore)
                return tr("The device on %1 was lost after storing: %2 was stored, not verified.")
                           .arg(port, lostWriteSummary.trimmed())
                       + lost.recordNote();
            return tr("The device on %1 was lost.").arg(port);
        },
        StatusKind::Failure);
}

void MainWindow::on_flush_clicked()
{
    if (serial->state() != LinkState::Closed)
        return;
    ui->SerialBox->clear();
    probePorts();
}

// The unit's rate, or the link-close answer, came: the list goes live and
// shows the unit's rate (quietly, as the link has answered it already).
void MainWindow::showPassThroughRate()
{
    rateListLive = true;
    rateLockedByRead = false;
    const qint64 rate = serial->passThroughRate();
    for (int row = 0; rate && row < ui->SerialSetBox->count(); ++row) {
        if (ui->SerialSetBox->itemText(row).toInt() == rate) {
            const QSignalBlocker quiet(ui->SerialSetBox);
            ui->SerialSetBox->setCurrentIndex(row);
        }
    }
    applyState();
}

void MainWindow::on_SerialSetBox_currentIndexChanged(int index)
{
    const int rate = index < 0 ? 0 : ui->SerialSetBox->itemText(index).toInt();
    serial->setPassThroughRate(rate);
}
