#pragma once
#include <QDialog>

namespace Ui {
class VersionDialog;
}

// The About box: product name, version, update date, web link, copyright.
class VersionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit VersionDialog(QWidget *parent = nullptr);
    ~VersionDialog() override;

private slots:
    void on_label_7_linkActivated(QString link);

private:
    Ui::VersionDialog *ui;
};
