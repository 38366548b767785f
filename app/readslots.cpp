// Reading the modem's settings report into the form.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>

#include "app/radiobuttons.h"
#include "radio/formcheck.h"
#include "radio/radiosession.h"
#include "terminal/atinterface.h"

namespace {

void selectRow(QComboBox *box, int row)
{
    box->setCurrentIndex(row >= 0 && row < box->count() ? row : -1);
}

} // namespace

void MainWindow::on_RefreshButton_clicked()
{
    if (state != LinkState::Ready)
        return;
    rateListLive = false;
    readPaused = false;
    readAnswered = false;
    readId = 0;
    showStatus(tr("Reading…"));
    setState(LinkState::Reading);
    const int id = serial->read();
    if (state == LinkState::Reading)
        readId = id;
}

// The read ends when its pause is over and the report (or its absence) is in.
void MainWindow::readFinished(const SequenceResult &result)
{
    readPaused = true;
    if (result.outcome == SequenceResult::Completed) {
        if (readAnswered)
            endRead();
        return;
    }
    // Closed or lost meanwhile: those say what happened.
    if (result.outcome != SequenceResult::SendFailed || state != LinkState::Reading)
        return;
    showStatus(tr("The read request could not be sent."), StatusKind::Failure);
    endRead();
}

void MainWindow::endRead()
{
    readId = 0;
    if (state == LinkState::Reading)
        setState(LinkState::Ready);
}

void MainWindow::reportIn(int id, const RadioSettings &settings)
{
    if (id != readId || state != LinkState::Reading)
        return;
    lastReport = settings;
    readAnswered = true;

    QString profileNote;
    bool refused = false;
    if (profileLoaded && ui->ActionApplyProfile->isChecked()) {
        QString refusal;
        if (applyProfile(loadedProfile, true, &refusal)) {
            profileNote = tr("Profile %1 applied.").arg(profileName);
        } else if (!profileRefusalShown) {
            // Once per profile: the operator knows it after the first unit.
            profileRefusalShown = true;
            profileNote = refusal;
            refused = true;
        }
    }
    // What the unit holds, and what of it the form cannot show.
    const WriteForm form = currentWriteForm();
    const QString problem = checkWriteForm(form, settings);
    QStringList parts { tr("Read: %1").arg(writeSummary(form).trimmed()) };
    if (!profileNote.isEmpty())
        parts << profileNote;
    if (!problem.isEmpty())
        parts << problem;
    showStatus(parts.join(QLatin1Char(' ')), problem.isEmpty() && !refused ? StatusKind::Plain : StatusKind::Failure);
    if (readPaused)
        endRead();
}

// Every chunk the modem sends; the terminal shows them while it is shown.
void MainWindow::slot_readyRead(const QByteArray &chunk)
{
    if (terminalShown)
        atInterface->appendReceivedBytes(chunk);
}

void MainWindow::applyFrame(const FrameReply &frame)
{
    if (frame.status != FrameReply::LinkClosed && frame.status != FrameReply::BaudRate)
        return;
    rateListLive = true;
    if (frame.status == FrameReply::BaudRate) {
        for (int row = 0; row < ui->SerialSetBox->count(); ++row) {
            if (ui->SerialSetBox->itemText(row).toInt() == qint64(frame.rate))
                ui->SerialSetBox->setCurrentIndex(row);
        }
    }
    applyState();
}

void MainWindow::applyReport(const ReceiveResult &result, bool verifying)
{
    // The check after a write reads the unit without changing the form, and
    // the answers to a write's lines (an echo names registers too) leave the
    // form as it was when Write was clicked.
    if (verifying || state == LinkState::Writing)
        return;
    for (const RegisterEntry &entry : result.entries)
        applyEntry(entry);
    applyState();
}

// The reader has logged each entry already.
void MainWindow::applyEntry(const RegisterEntry &entry)
{
    if (!reportedRegisters.contains(entry.reg))
        reportedRegisters.append(entry.reg);
    const int row = rowForEntry(entry, moduleForButton(moduleGroup->checkedId()));
    switch (entry.reg) {
    case 101:
        selectRow(ui->WorkModeBox, row);
        break;
    case 102:
        selectRow(ui->BaudSetBox, row);
        break;
    case 103:
        selectRow(ui->AirSpeedBox, row);
        break;
    case 104:
        if (!addressLocked)
            ui->AddressEdit->setText(entry.digits);
        break;
    case 105:
        // An unreadable unit address leaves the field as it is; so does the
        // next unit address, stepped after a write, while that is asked for.
        if (entry.value >= 0 && !(ui->ActionNextUnit->isChecked() && !ui->UnitEdit->text().isEmpty()))
            ui->UnitEdit->setText(QString::number(entry.value));
        break;
    case 108:
        selectRow(ui->OutputPowerBox, row);
        break;
    case 141:
        selectRow(ui->repeater_state, row);
        break;
    default:
        break;
    }
}

bool MainWindow::formIsFilled() const
{
    for (int reg : { 104, 101, 102, 103, 108 }) {
        if (!reportedRegisters.contains(reg))
            return false;
    }
    return true;
}
