#pragma once
// The provisioning record on screen: every attempt, filtered by network
// address, with the rows the link-compatibility check flags highlighted and
// its findings said below.

#include <QDialog>
#include <QString>

namespace Ui {
class RecordDialog;
}

class RecordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RecordDialog(const QString &location, QWidget *parent = nullptr);
    ~RecordDialog() override;

public slots:
    void reload();

protected:
    void changeEvent(QEvent *event) override;

private:
    void fill(const QString &network);

    Ui::RecordDialog *ui;
    QString m_location;
};
