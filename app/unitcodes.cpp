// The unit's own code in the window: a field a barcode scanner types into
// (its Return ends the code), kept in the unit's record rows, cleared for
// the next unit after a good write; the write that starts when a code is
// scanned, and the label of a verified unit.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/lastunitsdialog.h"
#include "app/toolsettings.h"
#include "engine/linkcontroller.h"
#include "app/unitlabels.h"
#include "print/unitlabel.h"
#include "protocol/unitcode.h"
#include "records/recordlocation.h"

void MainWindow::setUpUnitCodes()
{
    const QSettings settings = toolSettings();
    ui->ActionUnitCodes->setChecked(settings.value(QLatin1String(UnitCodesKey), false).toBool());
    ui->ActionWriteOnScan->setChecked(settings.value(QLatin1String(WriteOnScanKey), false).toBool());
    ui->ActionLabelAfterWrite->setChecked(settings.value(QLatin1String(LabelAfterWriteKey), false).toBool());
    const std::pair<QAction *, const char *> options[] = {
        { ui->ActionUnitCodes, UnitCodesKey }, { ui->ActionWriteOnScan, WriteOnScanKey }
    };
    for (const auto &[action, key] : options)
        connect(action, &QAction::toggled, this, [key = key](bool on) { toolSettings().setValue(QLatin1String(key), on); });
    connect(ui->ActionUnitCodes, &QAction::toggled, this, &MainWindow::showUnitCodeField);
    connect(ui->ActionLabelAfterWrite, &QAction::triggered, this, &MainWindow::chooseLabelFolder);
    connect(ui->SerialCodeEdit, &QLineEdit::returnPressed, this, &MainWindow::unitCodeEntered);
    showUnitCodeField(ui->ActionUnitCodes->isChecked());
}

void MainWindow::showUnitCodeField(bool shown)
{
    ui->SerialCodeLabel->setVisible(shown);
    ui->SerialCodeEdit->setVisible(shown);
    ui->ActionWriteOnScan->setEnabled(shown);
    if (shown)
        ui->SerialCodeEdit->setFocus();
}

QString MainWindow::unitCode() const
{
    return ui->ActionUnitCodes->isChecked() ? ui->SerialCodeEdit->text().trimmed() : QString();
}

void MainWindow::unitScanned(const QString &code)
{
    ui->SerialCodeEdit->setText(code);
    ui->SerialCodeEdit->setFocus(Qt::OtherFocusReason);
    unitCodeEntered();
}

// A scanner's Return: the code is done. With the option, it starts the
// write of the unit read, as the Write button would.
void MainWindow::unitCodeEntered()
{
    const QString code = unitCode();
    if (code.isEmpty())
        return;
    ui->SerialCodeEdit->selectAll();
    // A code that breaks the rule is said at once, and written with nothing.
    if (const QString problem = unitCodeProblem(code); !problem.isEmpty()) {
        showStatus([code] { return tr("Not taken: %1").arg(unitCodeProblem(code)); }, StatusKind::Failure);
        return;
    }
    if (!ui->ActionWriteOnScan->isChecked())
        return;
    if (serial->state() != LinkState::Ready || !formIsFilled()) {
        showStatus([this, code] { return tr("Unit code %1 is kept for the write: read the unit first.").arg(code); });
        return;
    }
    on_ConfigButton_clicked();
}

void MainWindow::chooseLabelFolder(bool on)
{
    toolSettings().setValue(QLatin1String(LabelAfterWriteKey), on);
    if (!on)
        return;
    // Checked once a folder is chosen.
    ui->ActionLabelAfterWrite->setChecked(false);
    QFileDialog *dialog = fileDialog(tr("Folder for the labels (PDF, 62 x 29 mm)"), labelFolder(), QString(),
                                     QFileDialog::AcceptOpen, [this](const QString &chosen) {
                                         QSettings settings = toolSettings();
                                         settings.setValue(QLatin1String(LabelFolderKey), chosen);
                                         settings.setValue(QLatin1String(LabelAfterWriteKey), true);
                                         ui->ActionLabelAfterWrite->setChecked(true);
                                     });
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->open();
}

// After a good write: the label (of a verified unit, when asked for) and an
// empty code field for the next unit.
void MainWindow::unitWritten(const UnitOutcome &outcome)
{
    if (!outcome.isGood())
        return;
    if (outcome.result == UnitOutcome::Verified && ui->ActionLabelAfterWrite->isChecked()) {
        QString error;
        const QString path = writeUnitLabel(
            recordFor(outcome, serial->config(), { defaultStation(), operatorName() }, serial->unitCode()), &error);
        if (!path.isEmpty())
            logMessage(tr("Label written to %1").arg(QDir::toNativeSeparators(path)));
        else
            showStatus([this, error] { return tr("The label could not be written: %1").arg(error); }, StatusKind::Failure);
    }
    // A code scanned for the next unit while this one was written stays.
    if (ui->SerialCodeEdit->text().trimmed() == serial->unitCode())
        ui->SerialCodeEdit->clear();
    serial->setUnitCode(QString());
}

void MainWindow::slot_LastUnits()
{
    auto *dialog = findChild<LastUnitsDialog *>();
    if (!dialog) {
        dialog = new LastUnitsDialog(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &LastUnitsDialog::labelPrinted, this, [this](const QString &path, const QString &error) {
            if (!path.isEmpty())
                logMessage(tr("Label written to %1").arg(QDir::toNativeSeparators(path)));
            else
                logMessage(tr("The label could not be written: %1").arg(error));
        });
    }
    dialog->setUnits(dayTally.lastUnits());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

QString labelFolder()
{
    const QString folder = toolSettings().value(QLatin1String(LabelFolderKey)).toString();
    return folder.isEmpty() ? QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(QStringLiteral("kvx-labels"))
                            : folder;
}

QString writeUnitLabel(const UnitRecord &record, QString *error)
{
    const QString folder = labelFolder();
    if (!QDir().mkpath(folder)) {
        *error = QCoreApplication::translate("MainWindow", "the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder));
        return {};
    }
    QString name = record.serial.isEmpty()
                       ? QStringLiteral("unit-%1-%2").arg(recordNetworkAddress(record), recordUnitAddress(record))
                       : record.serial;
    // A code is a file name only in the characters every system takes
    // (letters of any script, digits, '.', '_', '-').
    name.replace(QRegularExpression(QStringLiteral("[^\\p{L}\\p{N}._-]")), QStringLiteral("_"));
    const QString path = QDir(folder).filePath(
        QStringLiteral("%1-%2.pdf").arg(name, record.time.toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    return writeLabelsPdf({ record }, LabelSize::Label62x29, path, error) ? path : QString();
}
