// Provisioning a batch of units: profiles, the record of every unit and the
// question before a unit address is used twice.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>

#include <QInputDialog>

#include "app/provisiondialog.h"
#include "app/radiobuttons.h"
#include "protocol/unitcode.h"
#include "app/recorddialog.h"
#include "app/toolsettings.h"
#include "protocol/profilecheck.h"
#include "engine/linkcontroller.h"
#include "engine/station.h"
#include "records/databaserecord.h"
#include "records/recordlocation.h"

namespace {

// The window's white labels are meant for its grey; its dialogs have their own.
const char DialogSheet[] = "QLabel { color: rgb(0, 0, 0); }";

QString profileFilter()
{
    return QCoreApplication::translate("MainWindow", "Profiles (*.json);;All files (*)");
}

} // namespace

QString MainWindow::storedRecordPath()
{
    return toolSettings().value(QLatin1String(RecordKey)).toString();
}

QFileDialog *MainWindow::fileDialog(const QString &caption, const QString &directory, const QString &filter,
                                    QFileDialog::AcceptMode mode, const std::function<void(const QString &)> &chosen)
{
    auto *dialog = new QFileDialog(this, caption, directory, filter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setStyleSheet(QLatin1String(DialogSheet));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, chosen);
    return dialog;
}

void MainWindow::slot_SaveProfile()
{
    const auto save = [this](const QString &path) {
        QSaveFile file(path);
        const QByteArray json = profileToJson(chosenLink(), currentWriteForm());
        if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
            showStatus([this, error = file.errorString()] { return tr("The profile could not be saved: %1").arg(error); },
                       StatusKind::Failure);
            return;
        }
        showStatus([this, path] { return tr("Profile saved to %1.").arg(QDir::toNativeSeparators(path)); });
    };
    QFileDialog *dialog = fileDialog(tr("Save profile"), QString(), profileFilter(), QFileDialog::AcceptSave, save);
    // A profile is found again by its suffix (the dialogs list *.json).
    dialog->setDefaultSuffix(QStringLiteral("json"));
    dialog->open();
}

void MainWindow::chooseProfile(const QString &caption, const std::function<QString()> &notReady,
                               const std::function<void(const ProvisionProfile &, const QString &)> &use)
{
    // The option lists are only there once the unit has been read.
    if (serial->state() != LinkState::Ready || !formIsFilled()) {
        showStatus(notReady);
        return;
    }
    fileDialog(caption, QString(), profileFilter(), QFileDialog::AcceptOpen, [this, use](const QString &path) {
        // The device may have gone while the dialog was open.
        if (serial->state() != LinkState::Ready)
            return;
        ProvisionProfile profile;
        QString error;
        if (!readProfileFile(path, &profile, &error)) {
            showStatus([this, error] { return tr("The profile was refused: %1").arg(error); }, StatusKind::Failure);
            return;
        }
        if (!profileMismatch(profile).isEmpty()) {
            showStatus([this, profile] { return profileMismatch(profile); }, StatusKind::Failure);
            return;
        }
        use(profile, path);
    })->open();
}

void MainWindow::slot_LoadProfile()
{
    chooseProfile(tr("Load profile"), [this] { return tr("Connect and read the unit before loading a profile."); },
                  [this](const ProvisionProfile &profile, const QString &path) {
                      applyProfile(profile, false);
                      loadedProfile = profile;
                      profileLoaded = true;
                      profileName = QFileInfo(path).fileName();
                      profileRefusalShown = false;
                      toolSettings().setValue(QLatin1String(ProfileKey), QFileInfo(path).absoluteFilePath());
                      applyState();
                      showStatus([this, name = profileName] { return tr("Profile %1 applied.").arg(name); });
                  });
}

QString MainWindow::profileMismatch(const ProvisionProfile &profile) const
{
    return Station::profileMismatch(profile, serial->config());
}

// The unit just read beside a profile: what differs is said, nothing is
// written and the form stays as it is.
void MainWindow::slot_CompareProfile()
{
    chooseProfile(tr("Compare with profile"),
                  [this] { return tr("Connect and read the unit before comparing it with a profile."); },
                  [this](const ProvisionProfile &profile, const QString &path) {
                      const QList<RegisterDifference> differences =
                          compareWithProfile(serial->report(), profile.settings, serial->config());
                      const QString name = QFileInfo(path).fileName();
                      const Module module = serial->config().module;
                      if (differences.isEmpty()) {
                          showStatus([this, name] { return tr("The unit matches the profile %1.").arg(name); },
                                     StatusKind::Good);
                          return;
                      }
                      showStatus([this, name, differences, module] {
                          return tr("The unit differs from the profile %1: %2")
                              .arg(name, describeProfileDifferences(differences, module));
                      }, StatusKind::Failure);
                  });
}

bool MainWindow::applyProfile(const ProvisionProfile &profile, bool afterRead)
{
    if (!profileMismatch(profile).isEmpty())
        return false;
    const RadioSettings &change = profile.settings;
    for (const auto &[reg, box] : optionLists()) {
        const int row = change.has(reg) ? rowForValue(linkedModule(), reg, change.value(reg)) : -1;
        if (row >= 0)
            box->setCurrentIndex(row);
    }
    // The locked address goes into every unit; a profile does not change it.
    if (change.has(Reg::NetworkAddress) && !addressLocked)
        ui->AddressEdit->setText(addressText(change, Reg::NetworkAddress));
    // After a read, a stepped unit address is the next unit's, not the profile's.
    const bool stepped = afterRead && ui->ActionNextUnit->isChecked() && !ui->UnitEdit->text().isEmpty();
    if (change.has(Reg::UnitAddress) && isMultipoint(serial->config().mode) && !stepped)
        ui->UnitEdit->setText(addressText(change, Reg::UnitAddress));
    return true;
}

void MainWindow::slot_ChooseRecord()
{
    const auto choose = [this](const QString &path) {
        setRecordPath(path);
        showStatus([this, path] { return tr("Every write is recorded in %1.").arg(QDir::toNativeSeparators(path)); });
    };
    QFileDialog *dialog = fileDialog(tr("Provisioning record"), recordKind(recordPath) == RecordKind::Postgres ? QString() : recordPath,
                                     tr("Records (*.kvxdb *.csv);;Database records (*.kvxdb);;CSV files (*.csv);;All files (*)"),
                                     QFileDialog::AcceptSave, choose);
    // Rows are added to a record that exists: nothing is overwritten. A new
    // name without a suffix becomes a database file.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setDefaultSuffix(QStringLiteral("kvxdb"));
    dialog->open();
}

QInputDialog *MainWindow::textQuestion(const QString &title, const QString &label, const QString &text,
                                       const std::function<void(const QString &)> &answered)
{
    auto *dialog = new QInputDialog(this);
    dialog->setWindowTitle(title);
    dialog->setLabelText(label);
    dialog->setTextValue(text);
    dialog->setStyleSheet(QLatin1String(DialogSheet));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QInputDialog::textValueSelected, this, answered);
    return dialog;
}

void MainWindow::slot_SharedRecord()
{
    const QString current = recordKind(recordPath) == RecordKind::Postgres ? recordPath : QStringLiteral("postgresql://");
    textQuestion(tr("Shared record"),
                 tr("A PostgreSQL database that the stations share, as postgresql://user@host/dbname.\n"
                    "Its password is read from ~/.pgpass (or PGPASSFILE), never typed here."),
                 current, [this](const QString &text) {
                     const QString location = text.trimmed();
                     if (recordKind(location) != RecordKind::Postgres)
                         return showStatus([this, location] { return tr("Not a PostgreSQL record: %1").arg(location); },
                                           StatusKind::Failure);
                     // Checked on the station's record thread: the window
                     // never waits for the server.
                     setRecordPath(location);
                     showStatus([this, name = recordShownName(location)] { return tr("Every write is recorded in %1.").arg(name); });
                 })
        ->open();
}

void MainWindow::slot_ShowRecord()
{
    if (recordPath.isEmpty())
        return;
    auto *dialog = new RecordDialog(recordPath, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

QString MainWindow::operatorName() const
{
    const QString name = toolSettings().value(QLatin1String(OperatorKey)).toString();
    return name.isEmpty() ? defaultOperator() : name;
}

void MainWindow::slot_Operator()
{
    textQuestion(tr("Operator"), tr("The operator's name, kept with every unit in a database record:"), operatorName(),
                 [this](const QString &name) {
                     toolSettings().setValue(QLatin1String(OperatorKey), name.trimmed());
                     showStatus([this, name = operatorName()] { return tr("Units are recorded as written by %1.").arg(name); });
                 })
        ->open();
}

ProvisionProfile MainWindow::formProfile(QString *whyNot) const
{
    ProvisionProfile profile;
    const LinkState state = serial->state();
    const LinkConfig link = state == LinkState::Closed ? chosenLink() : serial->config();
    profile.product = link.product;
    profile.module = link.module;
    profile.mode = link.mode;
    profile.hasMode = true;
    const RadioSettings form = currentWriteForm();
    whyNot->clear();
    if (state != LinkState::Ready || !formIsFilled())
        *whyNot = tr("Connect and read a unit to take its form, or load a profile file.");
    else
        *whyNot = serial->checkWrite(form);
    // A unit address only where units have one.
    profile.settings = form;
    if (!isMultipoint(link.mode))
        profile.settings.remove(Reg::UnitAddress);
    return profile;
}

void MainWindow::slot_Provision()
{
    if (!provisionDialog) {
        provisionDialog = new ProvisionDialog(this);
        provisionDialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(provisionDialog, &ProvisionDialog::runningChanged, this, [this](bool running) {
            batchRunning = running;
            applyState();
        });
        connect(provisionDialog, &ProvisionDialog::recordLocationChosen, this, &MainWindow::setRecordPath);
        connect(provisionDialog, &ProvisionDialog::quickPausesChosen, ui->ActionQuickPauses, &QAction::setChecked);
        QString whyNot;
        const ProvisionProfile profile = formProfile(&whyNot);
        provisionDialog->setFormProfile(profile, whyNot);
    }
    provisionDialog->setRecordLocation(recordPath);
    provisionDialog->setQuickPauses(ui->ActionQuickPauses->isChecked());
    station->setIdentity({ defaultStation(), operatorName() });
    provisionDialog->setStation(station);
    provisionDialog->setMainLinkOpen(serial->state() != LinkState::Closed, serial->config().port);
    provisionDialog->show();
    provisionDialog->raise();
    provisionDialog->activateWindow();
}

void MainWindow::slot_StopRecord()
{
    const QString path = recordPath;
    setRecordPath(QString());
    showStatus([this, path] { return tr("Writes are no longer recorded in %1.").arg(QDir::toNativeSeparators(path)); });
}

// The record in use, remembered for the next run and shown beside the
// status line while there is one.
void MainWindow::setRecordPath(const QString &path)
{
    if (path != storedRecordPath()) {
        QSettings settings = toolSettings();
        if (path.isEmpty())
            settings.remove(QLatin1String(RecordKey));
        else
            settings.setValue(QLatin1String(RecordKey), path);
    }
    recordPath = path;
    station->openRecord(path);
    // In the status bar, cut in the middle: the start and the file name
    // both stay readable.
    recordLabel->setVisible(!path.isEmpty());
    recordLabel->setText(path.isEmpty() ? QString() : tr("Recording to %1").arg(recordShownName(path)));
    recordLabel->setToolTip(QDir::toNativeSeparators(path));
    applyState();
}

void MainWindow::confirmThenWrite(const RadioSettings &form)
{
    const QString code = serial->unitCode();
    if (!code.isEmpty() && !unitCodeProblem(code).isEmpty()) {
        showStatus([code] { return tr("Nothing was sent: %1").arg(unitCodeProblem(code)); }, StatusKind::Failure);
        return;
    }
    // Asked of the record on its own thread; the form waits meanwhile.
    askingRecord = true;
    applyState();
    station->askUnitHeld(this, form, serial->config().mode, [this, form](bool held, const QString &error) {
        askingRecord = false;
        applyState();
        if (serial->state() != LinkState::Ready || !serial->isOpen())
            return;
        // Unasked, two units could get one address: nothing is sent.
        if (!error.isEmpty())
            return showStatus([error] { return tr("Not written: the record could not say whether the unit address is in use: %1").arg(error); },
                              StatusKind::Failure);
        if (held)
            askBeforeWriting(form);
        else
            confirmCodeThenWrite(form, false);
    });
}

void MainWindow::confirmCodeThenWrite(const RadioSettings &form, bool replace)
{
    const QString code = serial->unitCode();
    if (code.isEmpty()) {
        startWrite(form, replace);
        return;
    }
    askingRecord = true;
    applyState();
    station->askCodesHeld(this, { code }, [this, form, replace, code](const QList<RecordRow> &holders, const QString &error) {
        askingRecord = false;
        applyState();
        if (serial->state() != LinkState::Ready || !serial->isOpen())
            return;
        if (!error.isEmpty()) {
            showStatus([error] { return tr("Nothing was sent: the record's units cannot be read: %1").arg(error); },
                       StatusKind::Failure);
            return;
        }
        if (holders.isEmpty()) {
            startWrite(form, replace);
            return;
        }
        // A code is one unit's: the label scanned twice, or this unit
        // written again knowingly.
        const RecordRow holder = holders.first();
        auto *box = new QMessageBox(QMessageBox::Question, tr("Unit code in use"),
                                    tr("The record holds this code already: %1. Write it to this unit too?")
                                        .arg(codeHolderText(holder)),
                                    QMessageBox::Yes | QMessageBox::No, this);
        box->setDefaultButton(QMessageBox::No);
        box->setEscapeButton(QMessageBox::No);
        box->setStyleSheet(QLatin1String(DialogSheet));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setObjectName(QStringLiteral("CodeInUseQuestion"));
        connect(box, &QMessageBox::finished, this, [this, box, form, replace, code] {
            if (box->clickedButton() != box->button(QMessageBox::Yes)) {
                showStatus([code] { return tr("Not written: unit code %1 is recorded for another unit.").arg(code); },
                           StatusKind::Failure);
                return;
            }
            if (serial->state() == LinkState::Ready && serial->isOpen())
                startWrite(form, replace);
        });
        box->open();
    });
}

void MainWindow::askBeforeWriting(const RadioSettings &form)
{
    const QString unit = QString::number(form.value(Reg::UnitAddress, 0));
    const QString network = QString::number(form.value(Reg::NetworkAddress, 0));
    // Two units with one address on one network do not link.
    auto *box = new QMessageBox(QMessageBox::Question, tr("Unit address in use"),
                                tr("The record already holds unit address %1 on network address %2. Write it again?")
                                    .arg(unit, network),
                                QMessageBox::Yes | QMessageBox::No, this);
    // Enter and Escape keep the unit as it is.
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    box->setStyleSheet(QLatin1String(DialogSheet));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, form, unit, network] {
        if (box->clickedButton() != box->button(QMessageBox::Yes)) {
            showStatus([this, unit, network] {
                return tr("Not written: unit address %1 is already in use on network address %2.").arg(unit, network);
            }, StatusKind::Failure);
            return;
        }
        // The device may have gone while the question was open.
        if (serial->state() == LinkState::Ready && serial->isOpen())
            confirmCodeThenWrite(form, true);
    });
    box->open();
}
