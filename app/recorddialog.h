#pragma once
// The provisioning record on screen: every attempt, filtered by network
// address, with the rows the link-compatibility check flags highlighted and
// its findings said below; and the day at a glance in the charts kvx-cli's
// report draws, drawn the same way (print/chart.h).

#include <QDialog>
#include <QList>
#include <QString>

#include "records/recordstore.h"

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
    // The charts of the day chosen, from the rows shown.
    void showDay();

    Ui::RecordDialog *ui;
    QString m_location;
    QList<RecordRow> m_rows;
};
