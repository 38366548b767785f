// Reading the modem's settings report into the form.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>

#include "app/radiobuttons.h"
#include "engine/linkcontroller.h"
#include "terminal/atinterface.h"

namespace {

void selectRow(QComboBox *box, int row)
{
    box->setCurrentIndex(row >= 0 && row < box->count() ? row : -1);
}

} // namespace

void MainWindow::on_RefreshButton_clicked()
{
    if (serial->state() != LinkState::Ready)
        return;
    rateListLive = false;
    showStatus(tr("Reading…"));
    serial->read();
}

// The Read's report: the status line names what the unit reported, whatever
// the lock, the stepped unit address or a profile then made of the form.
void MainWindow::reportIn(const RadioSettings &settings)
{
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
    // What of the form cannot be written as it stands.
    const QString problem = serial->checkWrite(currentWriteForm());
    QStringList parts { tr("Read: %1").arg(writeSummary(writeFormFor(settings, serial->config())).trimmed()) };
    if (!profileNote.isEmpty())
        parts << profileNote;
    if (!problem.isEmpty())
        parts << problem;
    showStatus(parts.join(QLatin1Char(' ')), problem.isEmpty() && !refused ? StatusKind::Plain : StatusKind::Failure);
}

// Every chunk the modem sends; the terminal shows them while it is shown.
void MainWindow::slot_readyRead(const QByteArray &chunk)
{
    if (terminalShown)
        atInterface->appendReceivedBytes(chunk);
}

// Entries of a report of this link's unit (the link passes over the answers
// to a write's lines and the check's report).
void MainWindow::applyReport(const QList<RegisterEntry> &entries)
{
    for (const RegisterEntry &entry : entries)
        applyEntry(entry);
    applyState();
}

// The reader has logged each entry already.
void MainWindow::applyEntry(const RegisterEntry &entry)
{
    const int row = rowForEntry(entry, moduleForButton(moduleGroup->checkedId()));
    switch (entry.reg) {
    case Reg::WorkMode:
        selectRow(ui->WorkModeBox, row);
        break;
    case Reg::SerialBaud:
        selectRow(ui->BaudSetBox, row);
        break;
    case Reg::LinkRate:
        selectRow(ui->AirSpeedBox, row);
        break;
    case Reg::NetworkAddress:
        if (!addressLocked)
            ui->AddressEdit->setText(entry.digits);
        break;
    case Reg::UnitAddress:
        // An unreadable unit address leaves the field as it is; so does the
        // next unit address, stepped after a write, while that is asked for.
        if (entry.value >= 0 && !(ui->ActionNextUnit->isChecked() && !ui->UnitEdit->text().isEmpty()))
            ui->UnitEdit->setText(QString::number(entry.value));
        break;
    case Reg::OutputPower:
        selectRow(ui->OutputPowerBox, row);
        break;
    case Reg::RepeaterEnable:
        selectRow(ui->repeater_state, row);
        break;
    default:
        break;
    }
}
