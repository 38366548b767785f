#pragma once
// Provisioning several units from the window: a profile (a file, or the
// main window's form), the ports to write (a live list), the first unit
// address, the check and the record; every checked port runs at once, and
// with "Take each unit as it is plugged in" every port that appears gets the
// next unit. The units are the engine's (ProvisionBatch, UnitJob), as in
// `kvx-cli provision`.

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

#include "engine/portwatcher.h"
#include "engine/station.h"
#include "engine/unitoutcome.h"
#include "protocol/profilefile.h"
#include "protocol/radiosettings.h"
#include "records/recordstore.h"

class QLabel;
class QTreeWidgetItem;
class ProvisionBatch;
class RecordStore;
class UnitDetector;
class UnitJob;

namespace Ui {
class ProvisionDialog;
}

class ProvisionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProvisionDialog(QWidget *parent = nullptr);
    ~ProvisionDialog() override;

    // The main window's form as a profile; `whyNot` says why it cannot be
    // taken (not read yet, a blank field) when it is not usable.
    void setFormProfile(const ProvisionProfile &profile, const QString &whyNot);
    // The record every unit's row goes to (empty: none). Without a
    // station of the window's, the dialog's own opens it.
    void setRecordLocation(const QString &location);
    // The window's station: its records and who writes.
    void setStation(Station *station);
    void setRecordIdentity(const RecordIdentity &identity) { m_ownStation.setIdentity(identity); }
    // The main window holds a port open: no batch starts meanwhile.
    void setMainLinkOpen(bool open, const QString &port);

    // A batch runs, or waits for its record to open before it starts.
    bool isRunning() const;
    // The remembered choice of quick pauses, shown in the check box.
    void setQuickPauses(bool quick);

signals:
    void runningChanged(bool running);
    // Another record was chosen here.
    void recordLocationChosen(const QString &location);
    // The operator ticked or cleared quick pauses here.
    void quickPausesChosen(bool quick);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_LoadProfileButton_clicked();
    void on_StartButton_clicked();
    void on_CheckButton_clicked();
    void on_StopButton_clicked();
    void on_DetectButton_clicked();
    void on_RecordButton_clicked();
    void on_CloseButton_clicked();

private:
    void loadProfileFile(const QString &path);
    // Every ticked port at once: written, or (`checkOnly`) read and compared.
    void startBatch(bool checkOnly);
    void startWhenOpen();
    bool batchRunning() const;
    const ProvisionProfile *chosenProfile() const;
    void showProfile();
    void addPort(const PortEntry &port);
    void portVanished(const QString &name);
    QTreeWidgetItem *rowFor(const QString &port, bool create);
    void unitStarted(UnitJob *unit);
    // The row of a port Detect found another product on: not written.
    // Returns what its row says.
    QString markOtherProduct(const QString &port, Product wanted);
    void fitPortList();
    // Each wrapped text gets the height its lines take at its width now, so
    // the layouts never give a text the room of the widgets below it; the
    // notices keep room for two lines whether they say something or not,
    // so the list keeps its place through a run.
    QList<std::pair<QLabel *, int>> wrappedLabels() const;
    void fitLabel(QLabel *label, int lines);
    void fitWrappedLabels();
    void unitProgress(UnitJob *unit, UnitStep step, int line, int lines);
    void unitEnded(UnitJob *unit);
    void batchFinished();
    // A code scanned or typed into the dialog's code field.
    void codeScanned();
    void showQueuedCodes(const QStringList &codes);
    void detected(UnitDetector *detector);
    QStringList tickedPorts() const;
    void updateControls();
    void say(const QString &text, bool failure = false);

    Ui::ProvisionDialog *ui;
    PortWatcher m_watcher;
    ProvisionProfile m_formProfile;
    QString m_formWhyNot;
    ProvisionProfile m_fileProfile;
    QString m_fileName;
    QString m_recordLocation;
    Station m_ownStation;
    QPointer<Station> m_station;
    int m_startWhenOpen = -1;   // a start asked while the record was being opened: 1 check, 0 write
    bool m_mainLinkOpen = false;
    QString m_mainPort;
    std::unique_ptr<ProvisionBatch> m_batch;
    std::vector<std::unique_ptr<UnitDetector>> m_detectors;
    QStringList m_scannedCodes;   // scanned before the assembly line started
    QHash<QString, Product> m_detected;   // what Detect found answering on each port
    bool m_sized = false;                 // sized to what it holds when first shown
};
