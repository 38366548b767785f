#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>

#include "profiles/moduleprofile.h"

void MainWindow::loadModuleProfile()
{
    const ModuleProfile &profile = moduleProfile(moduleGroup->checkedId());
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
}
