#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QStandardItemModel>

#include "protocol/moduleprofile.h"

void MainWindow::loadModuleProfile()
{
    const Module module = linkedModule();
    const ModuleProfile &profile = moduleProfile(module);
    for (const auto &[reg, box] : optionLists()) {
        // The repeater's two rows are the form's own, in the language on show.
        if (reg == Reg::RepeaterEnable)
            continue;
        box->clear();
        box->addItems(settingRows(module, reg));
    }
    // A placeholder work mode keeps its place but cannot be chosen; a report
    // naming it still selects it.
    auto *modes = qobject_cast<QStandardItemModel *>(ui->WorkModeBox->model());
    for (int row = 0; modes && row < profile.workModes.size(); ++row) {
        if (profile.workModes.at(row).isEmpty())
            modes->item(row)->setEnabled(false);
    }
}
