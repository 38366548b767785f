#pragma once
// The provisioning record on screen: every attempt, filtered by network
// address, with the rows the link-compatibility check flags highlighted and
// its findings said below; and the day at a glance in the charts kvx-cli's
// report draws, drawn the same way (print/chart.h).

#include <QDialog>
#include <QList>
#include <QString>

#include <memory>

#include "records/recordstore.h"

namespace Ui {
class RecordDialog;
}
class RecordWorker;
struct RecordFinding;

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
    struct Reader;
    struct Shown;
    // Reads the record (again, with `reread`) on the dialog's worker and
    // shows the rows of `network` (all when empty) with their findings.
    void fill(const QString &network, bool reread);
    void showRows(const Shown &shown);
    // The charts of the day chosen, from the rows shown.
    void showDay();

    Ui::RecordDialog *ui;
    QString m_location;
    QList<RecordRow> m_rows;
    // The record is read off the window's thread: a large or busy one never
    // holds the window up, and a filter's keystroke reads nothing again.
    std::unique_ptr<RecordWorker> m_worker;
    Reader *m_reader = nullptr;
    int m_asked = 0;
};
