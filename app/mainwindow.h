#pragma once

#include <QMainWindow>
#include <QString>

#include "radio/profilefile.h"
#include "radio/randomaddress.h"
#include "radio/writeplan.h"

class QButtonGroup;
class QCloseEvent;
class QTranslator;
class ATInterface;
class RadioSession;
struct FrameReply;
struct ReceiveResult;
struct RegisterEntry;
struct SequenceResult;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

signals:
    void signal_sendMessage(QString);

private slots:
    void slot_TranslateChinese();
    void slot_TranslateEnglish();
    void slot_Exit();
    void slot_CommandInterface();
    void slot_Version();
    void slot_recvMessage(QString msg);
    void slot_readyRead(const QByteArray &chunk);
    void on_ConnectButton_clicked();
    void on_ConfigButton_clicked();
    void on_RandButton_clicked();
    void on_LockButton_clicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_flush_clicked();
    void on_SerialSetBox_currentIndexChanged(int index);
    void on_RefreshButton_clicked();

    void slot_linkLost(const QString &port);
    void slot_SaveProfile();
    void slot_LoadProfile();
    void slot_ChooseRecord();

private:
    void probePorts();
    void loadModuleProfile();
    void switchLanguage(bool chinese);
    void enterClosedState();
    void keepAside(QWidget *widget);
    void closePort();
    QList<QWidget *> parameterWidgets() const;
    void linkOpened();
    void applyReport(const ReceiveResult &result, bool verifying);
    void applyEntry(const RegisterEntry &entry);
    void applyFrame(const FrameReply &frame);
    void updateConfigButton();
    // The five fields a write needs have been filled by a report.
    bool formIsFilled() const;
    // Puts a profile's settings into the form; false (with the reason on the
    // status line) when it does not fit the connected unit.
    bool applyProfile(const ProvisionProfile &profile);
    // Before a point-to-multipoint write: false when the record already holds
    // this unit address on this network and the operator does not confirm.
    bool confirmUnitAddress();
    // After a write: the check's result, refused lines, the record and the
    // next unit address.
    void finishWrite(const SequenceResult &result);
    static QString storedRecordPath();
    WriteForm currentWriteForm() const;
    bool linkIsOpen() const;
    // Product, module and mode as the radio buttons choose them.
    LinkConfig chosenLink() const;
    // Returns when the sequence has ended (or at once when the program is
    // quitting), keeping the window alive meanwhile, as the slots' own pauses
    // always did.
    SequenceResult waitForSequence(int id);

    Ui::MainWindow *ui;
    quint16 portCount = 0;
    RadioSession *serial = nullptr;   // the link to the modem and its sequences
    ATInterface *atInterface = nullptr;
    QButtonGroup *productGroup = nullptr;
    QButtonGroup *moduleGroup = nullptr;
    QButtonGroup *modeGroup = nullptr;
    bool terminalShown = false;
    bool addressLocked = false;
    quint16 lastRandomAddress = 0;
    int moduleCode = 0;
    int modeId = 0;

    RandomAddressGenerator randomGenerator;
    QTranslator *switchTranslator = nullptr;   // the last language switch
    bool writeRunning = false;                 // a configuration write is under way
    bool deviceLost = false;                   // the device vanished under an open link

    ProvisionProfile loadedProfile;            // the last profile loaded
    bool profileLoaded = false;
    QString recordPath;                        // the provisioning record, empty for none
    WriteForm writtenForm;                     // the form as "AT&W" went out
    QString writtenSummary;
};
