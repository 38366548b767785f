#pragma once
// The last units written at this station, newest first, with their codes
// and results; a verified unit's label is printed again from here (a label
// torn or smudged at the bench).

#include <QDialog>
#include <QList>

#include "records/recordstore.h"

namespace Ui {
class LastUnitsDialog;
}

class LastUnitsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LastUnitsDialog(QWidget *parent = nullptr);
    ~LastUnitsDialog() override;

    void setUnits(const QList<UnitRecord> &units);

signals:
    // A label was written, or could not be (`path` empty, `error` why).
    void labelPrinted(const QString &path, const QString &error);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fill();
    void reprint();
    void updateButton();

    Ui::LastUnitsDialog *ui;
    QList<UnitRecord> m_units;
};
