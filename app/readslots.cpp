// Reading the modem's settings report into the form.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

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
    // The rate list stays grey after a KV6 - KV7 read, and says so.
    rateLockedByRead = serial->config().product == Product::Kv6;
    focusToForm = true;
    showStatus([this] { return tr("Reading…"); }, StatusKind::Plain, StatusScope::Link);
    serial->read();
}

// The Read's report: the status line names what the unit reported, whatever
// the lock, the stepped unit address or a profile then made of the form.
void MainWindow::reportIn(const RadioSettings &settings)
{
    // Applied once; what is said of it is said again in the language on
    // show, and with what the form now holds.
    enum { NoProfile, Applied, Refused } profileDone = NoProfile;
    if (profileLoaded && ui->ActionApplyProfile->isChecked()) {
        if (applyProfile(loadedProfile, true)) {
            profileDone = Applied;
        } else if (!profileRefusalShown) {
            // Once per profile: the operator knows it after the first unit.
            profileRefusalShown = true;
            profileDone = Refused;
        }
    }
    // What of the form cannot be written as it stands, until it can; said
    // again whole in the language switched to.
    showMessage(
        [this, settings, module = serial->config().module, profileDone, profile = loadedProfile, name = profileName] {
            QStringList parts { tr("Read: %1").arg(labelledSummary(settings, module)) };
            if (profileDone == Applied)
                parts << tr("Profile %1 applied.").arg(name);
            else if (profileDone == Refused)
                parts << profileMismatch(profile);
            const QString problem = serial->state() == LinkState::Ready ? serial->checkWrite(currentWriteForm()) : QString();
            if (!problem.isEmpty())
                parts << problem;
            const bool failed = !problem.isEmpty() || profileDone == Refused;
            return StatusText { parts.join(QLatin1Char(' ')), failed ? StatusKind::Failure : StatusKind::Plain };
        },
        StatusScope::Field);
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
    for (const auto &[reg, box] : optionLists()) {
        if (reg == entry.reg) {
            selectRow(box, rowForValue(linkedModule(), entry.reg, entry.value));
            return;
        }
    }
    if (entry.reg == Reg::NetworkAddress && !addressLocked) {
        ui->AddressEdit->setText(entry.digits);
    } else if (entry.reg == Reg::UnitAddress) {
        // An unreadable unit address leaves the field as it is; so does the
        // next unit address, stepped after a write, while that is asked for.
        if (entry.value >= 0 && !(ui->ActionNextUnit->isChecked() && !ui->UnitEdit->text().isEmpty()))
            ui->UnitEdit->setText(QString::number(entry.value));
    }
}
