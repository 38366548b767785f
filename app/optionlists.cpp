#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QStandardItemModel>

#include "protocol/moduleprofile.h"

void MainWindow::loadModuleProfile()
{
    const ModuleProfile &profile = moduleProfile(linkedModule());
    const std::pair<QComboBox *, const QStringList *> lists[] = {
        { ui->WorkModeBox, &profile.workModes },
        { ui->BaudSetBox, &profile.baudRates },
        { ui->AirSpeedBox, &profile.airSpeeds },
        { ui->OutputPowerBox, &profile.outputPowers },
    };
    for (const auto &[box, rows] : lists) {
        box->clear();
        for (const QString &row : *rows)
            box->addItem(row);
    }
    // A placeholder work mode keeps its place but cannot be chosen; a report
    // naming it still selects it.
    auto *modes = qobject_cast<QStandardItemModel *>(ui->WorkModeBox->model());
    for (int row = 0; modes && row < profile.workModes.size(); ++row) {
        if (profile.workModes.at(row).isEmpty())
            modes->item(row)->setEnabled(false);
    }
}
