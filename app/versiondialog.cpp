#include "app/versiondialog.h"
#include "ui_versiondialog.h"

#include <QDesktopServices>
#include <QUrl>

VersionDialog::VersionDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::VersionDialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("About KV5"));
}

VersionDialog::~VersionDialog()
{
    delete ui;
}

void VersionDialog::on_label_7_linkActivated(QString link)
{
    QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
}
