// Writing a configuration, and the network-address tools.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>
#include <QDir>

#include "app/radiobuttons.h"
#include "radio/formcheck.h"
#include "radio/radiosession.h"
#include "radio/unitoutcome.h"
#include "radio/writeplan.h"
#include "records/recordlocation.h"

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
    form.module = moduleForButton(moduleGroup->checkedId());
    form.mode = modeForButton(modeGroup->checkedId());
    return form;
}

void MainWindow::on_ConfigButton_clicked()
{
    if (state != LinkState::Ready || !serial->isOpen())
        return;
    // The write sends the form as it is now, and only a form whose every
    // field holds a value the module offers.
    const WriteForm form = currentWriteForm();
    const QString problem = checkWriteForm(form, lastReport);
    if (!problem.isEmpty()) {
        showStatus(problem, StatusKind::Failure);
        return;
    }
    // A unit stored without its row would be missing from the batch's record.
    writingRecord.reset();
    QString error;
    if (!recordPath.isEmpty())
        writingRecord = openRecord(recordPath);
    if (writingRecord && !writingRecord->prepare(&error)) {
        showStatus(tr("Nothing was sent: the record %1 cannot be written: %2")
                       .arg(QDir::toNativeSeparators(recordPath), error),
                   StatusKind::Failure);
        return;
    }
    confirmThenWrite(form);
}

void MainWindow::startWrite(const WriteForm &form, bool replace)
{
    writingForm = form;
    writingLink = serial->config();
    pendingRow.clear();
    recordError.clear();
    // A shared record reserves the unit address before anything is sent: a
    // station writing the same network cannot take it meanwhile.
    if (writingRecord && writingRecord->canReserve() && isMultipoint(writingLink.mode)) {
        UnitRecord row = recordRow(pendingOutcome(form));
        QString error;
        bool inUse = false;
        pendingRow = writingRecord->reserveUnit(&row, addressFromText(form.unitText), true, replace, &error, &inUse);
        if (pendingRow.isEmpty()) {
            const QString unit = QString::number(addressFromText(form.unitText));
            const QString network = QString::number(addressFromText(form.addressText));
            showStatus(inUse ? tr("Not written: unit address %1 is already in use on network address %2 (another "
                                  "station is writing it).")
                                   .arg(unit, network)
                             : tr("Nothing was sent: the record %1 cannot be written: %2")
                                   .arg(QDir::toNativeSeparators(writingRecord->name()), error),
                       StatusKind::Failure);
            return;
        }
    }
    lostWriteText.clear();
    storingSeen = false;
    linesSent = 0;
    linesPlanned = 0;
    for (const WriteLine &line : planWrite(form)) {
        if (!line.bytes.isEmpty() && !line.bytes.startsWith("AT&W"))
            ++linesPlanned;
    }
    writtenSummary = writeSummary(form);
    showStatus(tr("Writing…"));
    writeId = 0;
    setState(LinkState::Writing);
    const int id = serial->write([form] { return form; }, ui->ActionVerifyWrite->isChecked());
    if (state == LinkState::Writing)
        writeId = id;
}

// Right before "AT&W": the unit's row goes into the record first, so a
// program killed now still leaves one; without it nothing is stored.
void MainWindow::noteStoring(int id)
{
    if (state != LinkState::Writing)
        return;
    storingSeen = true;
    if (writingRecord) {
        pendingRow = writingRecord->writeRow(pendingRow, recordRow(pendingOutcome(writingForm)), &recordError);
        if (pendingRow.isEmpty()) {
            if (recordError.isEmpty())
                recordError = tr("unknown error");
            serial->interrupt(id);
            return;
        }
    }
    showStatus(tr("Storing…"));
}

QString MainWindow::outcomeText(const UnitOutcome &outcome) const
{
    // Without a check a good write shows the summary alone, as it always did.
    if (outcome.result == UnitOutcome::Written && outcome.cause == UnitOutcome::NoCause)
        return writtenSummary;
    // The summary names the values only once they were stored.
    return outcome.stored ? writtenSummary + outcome.words() : outcome.words();
}

void MainWindow::finishWrite(const SequenceResult &result)
{
    writeId = 0;
    UnitOutcome outcome = writeOutcome(result, writingForm);
    outcome.recordError = recordError;
    QString text = outcomeText(outcome);
    if (!recordError.isEmpty())
        text = tr("Nothing was stored: the record %1 could not be written: %2")
                   .arg(QDir::toNativeSeparators(writingRecord->name()), recordError);
    QString error;
    const bool recorded = !writingRecord || !writingRecord->writeRow(pendingRow, recordRow(outcome), &error).isEmpty();
    if (!recorded && recordError.isEmpty())
        text += QLatin1Char(' ')
                + tr("The record %1 could not be written: %2").arg(QDir::toNativeSeparators(writingRecord->name()), error);
    const bool good = outcome.isGood() && recorded && recordError.isEmpty();
    showStatus(text, good ? StatusKind::Good : StatusKind::Failure);
    // The lost device's own message comes next and keeps this one.
    if (result.outcome == SequenceResult::LinkLost)
        lostWriteText = text;

    // Ready for the next unit of the batch: only after a write that took.
    if (good && ui->ActionNextUnit->isChecked() && isMultipoint(writingLink.mode)) {
        for (const auto &[reg, value] : registersSetBy(outcome.linesSent)) {
            if (reg != Reg::UnitAddress || value >= MaxAddress)
                continue;
            // A shared record knows the addresses other stations gave out.
            qint64 next = value + 1;
            if (writingRecord && writingRecord->canReserve()) {
                const qint64 free = writingRecord->nextFreeUnit(outcome.settings.networkAddress, next, &error);
                if (free >= 0)
                    next = free;
            }
            ui->UnitEdit->setText(QString::number(next));
        }
    }
    if (state == LinkState::Writing)
        setState(LinkState::Ready);
}

UnitRecord MainWindow::recordRow(const UnitOutcome &outcome) const
{
    return recordFor(outcome, writingLink, { defaultStation(), operatorName() });
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
    applyState();
}
