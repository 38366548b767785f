// Writing a configuration, and the network-address tools. The write itself,
// its record rows and how it ended are the link's (LinkController): the
// window hands it the form's settings and shows what it says.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QDir>

#include <limits>

#include "app/resultbanner.h"
#include "app/toolsettings.h"
#include "engine/linkcontroller.h"
#include "engine/station.h"
#include "protocol/writeplan.h"
#include "records/recordlocation.h"

// The one place the form's rows become settings: each list's row as the
// value it stands for in the tables of the module the lists were filled for,
// the addresses as numbers; a blank list or an empty field is left out.
RadioSettings MainWindow::currentWriteForm() const
{
    const Module module = linkedModule();
    RadioSettings settings;
    for (const auto &[reg, box] : optionLists()) {
        const qint64 value = valueForRow(module, reg, box->currentIndex());
        if (value >= 0)
            settings.set(reg, value);
    }
    const std::pair<int, QLineEdit *> addresses[] = { { Reg::NetworkAddress, ui->AddressEdit },
                                                      { Reg::UnitAddress, ui->UnitEdit } };
    for (const auto &[reg, edit] : addresses) {
        if (edit->text().isEmpty())
            continue;
        // Digits a report put there may not fit: out of range, and said so.
        bool ok = false;
        const qint64 value = edit->text().toLongLong(&ok);
        settings.set(reg, ok ? value : std::numeric_limits<qint64>::max());
    }
    return settings;
}

void MainWindow::on_ConfigButton_clicked()
{
    if (serial->state() != LinkState::Ready || !serial->isOpen() || waitsForRecord())
        return;
    // The write sends the form as it is now, and only a form whose every
    // field holds a value the module offers.
    const RadioSettings form = currentWriteForm();
    int faulty = -1;
    if (!serial->checkWrite(form, &faulty).isEmpty()) {
        // The field named is the one to put right.
        if (QWidget *field = fieldOf(faulty); field && field->isEnabled())
            field->setFocus(Qt::OtherFocusReason);
        // Said until the form passes: a fixed field takes it away.
        showMessage(
            [this] {
                const QString problem = serial->checkWrite(currentWriteForm());
                return StatusText { problem, StatusKind::Failure };
            },
            StatusScope::Field);
        return;
    }
    // A unit stored without its row would be missing from the batch's
    // record: the station opened and checked it when it was chosen.
    if (!recordPath.isEmpty() && !station->recordsReady()) {
        const QString error = station->recordError().isEmpty() ? tr("it is still being opened") : station->recordError();
        showStatus([this, path = recordPath, error] {
            return tr("Nothing was sent: the record %1 cannot be written: %2").arg(QDir::toNativeSeparators(path), error);
        }, StatusKind::Failure);
        return;
    }
    station->setIdentity({ defaultStation(), operatorName() });
    station->equip(*serial);
    serial->setUnitCode(unitCode());
    confirmThenWrite(form);
}

void MainWindow::startWrite(const RadioSettings &form, bool replace)
{
    lostWrite = UnitOutcome();
    ++writesStarted;
    focusToForm = true;
    showStatus([this] { return tr("Writing…"); }, StatusKind::Plain, StatusScope::Link);
    ui->ResultPanel->showNote([this, port = serial->config().port] { return tr("Writing the unit on %1…").arg(port); });
    LinkController::WriteOptions options;
    options.verify = ui->ActionVerifyWrite->isChecked();
    options.replace = replace;
    serial->write(form, options);
}

void MainWindow::showWriteProgress(UnitStep step, int line, int lines)
{
    if (!stepStatus(step, line, lines).isEmpty())
        showStatus([step, line, lines] { return stepStatus(step, line, lines); }, StatusKind::Plain, StatusScope::Link);
}

// After a write: how it ended, and the next unit address after a good one.
void MainWindow::finishWrite(const UnitOutcome &outcome)
{
    const RadioSettings written = serial->writeSettings();
    const Module module = serial->config().module;
    // The lost device's own message comes next and says this one with it.
    if (outcome.cause == UnitOutcome::PortLost) {
        lostWrite = outcome;
        lostWriteSummary = labelledSummary(written, module);
    }
    // Made when shown, so a language switch says all of it anew.
    showStatus([outcome, written, module] { return outcome.withSummary(labelledSummary(written, module)); },
               outcome.isGood() ? StatusKind::Good : StatusKind::Failure);
    ui->ResultPanel->showOutcome(outcome, [settings = serial->writeSettings(), module = serial->config().module] {
        return labelledSummary(settings, module);
    });
    // The day's count and the last units: every unit a line went to.
    if (!outcome.linesSent.isEmpty()) {
        dayTally.add(recordFor(outcome, serial->config(), { defaultStation(), operatorName() }, serial->unitCode()),
                     outcome.isGood() && outcome.result == UnitOutcome::Verified);
        QSettings settings = toolSettings();
        dayTally.save(settings);
        showDay();
    }
    // Ready for the next unit of the batch: only after a write that took;
    // a record that hands out addresses may know a later free one.
    if (ui->ActionNextUnit->isChecked()) {
        askingNextUnit = true;
        applyState();
        station->askNextUnit(this, *serial, [this, write = writesStarted](qint64 next) {
            askingNextUnit = false;
            applyState();
            if (next >= 0 && write == writesStarted) {
                ui->UnitEdit->setText(QString::number(next));
                // Where the batch goes on after a restart.
                if (addressLocked)
                    toolSettings().setValue(QLatin1String(JobNextUnitKey), QString::number(next));
            }
        });
    }
    unitWritten(outcome);
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
    rememberJob();
    applyState();
}
