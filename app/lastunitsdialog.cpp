#include "app/lastunitsdialog.h"
#include "ui_lastunitsdialog.h"

#include <QDir>
#include <QHeaderView>

#include "app/unitlabels.h"
#include "engine/unitoutcome.h"
#include "terminal/portbox.h"

namespace {
constexpr int PortColumn = 5;
}

LastUnitsDialog::LastUnitsDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LastUnitsDialog)
{
    ui->setupUi(this);
    ui->LastUnitsList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // A port's distinguishing end stays in view; the whole name is in its tooltip.
    ui->LastUnitsList->setItemDelegateForColumn(PortColumn, new PortNameDelegate(ui->LastUnitsList));
    connect(ui->LastUnitsList, &QTreeWidget::currentItemChanged, this, &LastUnitsDialog::updateButton);
    connect(ui->ReprintButton, &QPushButton::clicked, this, &LastUnitsDialog::reprint);
    updateButton();
}

LastUnitsDialog::~LastUnitsDialog()
{
    delete ui;
}

void LastUnitsDialog::setUnits(const QList<UnitRecord> &units)
{
    m_units = units;
    fill();
}

void LastUnitsDialog::fill()
{
    const int current = ui->LastUnitsList->currentIndex().row();
    ui->LastUnitsList->clear();
    for (const UnitRecord &unit : std::as_const(m_units)) {
        auto *row = new QTreeWidgetItem(ui->LastUnitsList, { unit.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                                             resultCaption(unit.result), unit.serial, recordNetworkAddress(unit),
                                                             recordUnitAddress(unit), unit.config.port });
        if (!unit.detail.isEmpty())
            row->setToolTip(1, unit.detail);
        row->setToolTip(PortColumn, QDir::toNativeSeparators(unit.config.port));
    }
    if (ui->LastUnitsList->topLevelItemCount() > 0)
        ui->LastUnitsList->setCurrentItem(ui->LastUnitsList->topLevelItem(qBound(0, current, ui->LastUnitsList->topLevelItemCount() - 1)));
    updateButton();
}

// Labels are for units that read back as written.
void LastUnitsDialog::updateButton()
{
    const int row = ui->LastUnitsList->currentIndex().row();
    ui->ReprintButton->setEnabled(row >= 0 && row < m_units.size() && m_units.at(row).result == resultKey(UnitOutcome::Verified));
}

void LastUnitsDialog::reprint()
{
    const int row = ui->LastUnitsList->currentIndex().row();
    if (row < 0 || row >= m_units.size())
        return;
    QString error;
    const QString path = writeUnitLabel(m_units.at(row), &error);
    ui->LabelNoticeLabel->setText(path.isEmpty() ? tr("The label could not be written: %1").arg(error)
                                                 : tr("Label written to %1").arg(QDir::toNativeSeparators(path)));
    ui->LabelNoticeLabel->setStyleSheet(path.isEmpty() ? QStringLiteral("color: rgb(190, 0, 0);") : QString());
    emit labelPrinted(path, error);
}

void LastUnitsDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fill();
    }
    QDialog::changeEvent(event);
}
