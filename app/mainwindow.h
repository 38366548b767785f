#pragma once

#include <QFileDialog>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <QPointer>

#include <functional>
#include <memory>

#include "app/daytally.h"
#include "app/messagelog.h"
#include "engine/linkcontroller.h"
#include "engine/serialports.h"
#include "engine/unitoutcome.h"
#include "protocol/profilefile.h"
#include "protocol/radiosettings.h"
#include "protocol/randomaddress.h"
#include "protocol/writeplan.h"
#include "records/recordfile.h"

class QButtonGroup;
class QComboBox;
class QCloseEvent;
class MessageLog;
class StatusLabel;
class QTranslator;
class ATInterface;
class PortWatcher;
class ProvisionDialog;
class RecordStore;
class Station;
class StationKeys;
class UnitDetector;
struct RegisterEntry;
struct UnitOutcome;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // What the link is doing (the link's own state). One state decides every
    // control (applyState); a slot hands the link a value and returns, the
    // link's signals move on.
    using LinkState = LinkController::State;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    LinkState linkState() const;
    // The window waits for the record's answer before or after a write
    // (a unit address held, the next free one): Write waits with it.
    // (and while the record chosen is being opened).
    bool waitsForRecord() const;
    // The link's pauses end as soon as the unit has answered (Tools → Quick pauses).
    bool quickPauses() const;
    // The port to offer first (the command line's --port).
    void preferPort(const QString &port);

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
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    void on_flush_clicked();
    void on_SerialSetBox_currentIndexChanged(int index);
    void on_RefreshButton_clicked();

    void slot_linkLost(const QString &port);
    void slot_SaveProfile();
    void slot_LoadProfile();
    void slot_ChooseRecord();
    void slot_SharedRecord();
    void slot_StopRecord();
    void slot_ShowRecord();
    void slot_Operator();
    void slot_Provision();
    void slot_MessageLog();
    void slot_CompareProfile();
    void slot_NextUnit();
    void slot_LastUnits();

private:
    enum class StatusKind { Plain, Good, Failure };
    struct StatusText {
        QString text;
        StatusKind kind = StatusKind::Plain;
    };
    // A status-line message is made again whenever what it describes may
    // have changed: the language (every message), the form (a refusal of a
    // field, which goes once the form passes).
    using Message = std::function<StatusText()>;
    // Link: says what the link is doing (connecting, writing 3 of 7…) and
    // goes when it closes; Event: says what happened, and stays; Field: a
    // refusal of the form, which goes once the form passes.
    enum class StatusScope { Link, Event, Field };

    void probePorts();
    void loadModuleProfile();
    void switchLanguage(bool chinese);
    void installQtCatalogue(bool chinese);
    void fitWindowSize();
    // What the window shows of the form: the form, or the scroll area
    // holding it where the screen is smaller than the form.
    QWidget *formArea() const;
    void setUpKeys();
    void setUpTerminalLink();
    void offerLastJob();
    // The last job is asked about once the window is on the screen where
    // the window manager put it, so the question opens over it.
    void askLastJob();
    // The job in the settings: the network address while it is locked, the
    // next unit address after a write.
    void rememberJob();
    void forgetJob();
    void reconnectNow();
    // Opens the link with the choices of the form.
    void openLink();
    // "Find the product on Connect": asks the unit on `port` which product
    // it is, then connects as that product.
    void findProduct(const QString &port);
    void productFound();
    // After a read or a write: the keyboard goes where the next unit starts,
    // the code field when it is shown, else the form's first field.
    void focusForm();
    // The field a refused write names.
    QWidget *fieldOf(int reg) const;
    // The day's line of the result banner.
    void showDay();
    // The terminal's product list, in the language on show.
    void fillTerminalProducts();
    void applyState();
    void showStatus(const std::function<QString()> &text, StatusKind kind = StatusKind::Plain,
                    StatusScope scope = StatusScope::Event);
    void showMessage(const Message &message, StatusScope scope);
    void paintStatus(const StatusText &shown);
    void logMessage(const QString &text);
    // A field changed: a refusal of the form is said again, or goes.
    void recheckForm();
    void enterClosedState();
    void keepAside(QWidget *widget);
    void closePort();
    QList<QWidget *> parameterWidgets() const;
    // The form's option lists and the register each stands for, in report order.
    QList<std::pair<int, QComboBox *>> optionLists() const;
    // No row chosen in any option list.
    void clearOptionLists();
    void linkOpened();
    void reportIn(const RadioSettings &settings);
    void applyReport(const QList<RegisterEntry> &entries);
    void applyEntry(const RegisterEntry &entry);
    void showPassThroughRate();
    // The five fields a write needs have been filled by this unit's report.
    bool formIsFilled() const;
    // Puts a profile's settings into the form; false when it does not fit
    // the connected unit (profileMismatch() says why). `afterRead`: the
    // automatic application after a report.
    bool applyProfile(const ProvisionProfile &profile, bool afterRead);
    // A profile file chosen by the operator, read and fitting the unit just
    // read, handed to `use` with its path; `notReady` says why not now.
    void chooseProfile(const QString &caption, const std::function<QString()> &notReady,
                       const std::function<void(const ProvisionProfile &, const QString &)> &use);
    // Why a profile does not fit the connected unit; empty when it does.
    QString profileMismatch(const ProvisionProfile &profile) const;
    // Writes `form` unless the record holds its unit address on its network
    // and the operator does not confirm.
    void confirmThenWrite(const RadioSettings &form);
    // After the unit address: a unit code the record holds for a unit is
    // asked about before anything is sent.
    void confirmCodeThenWrite(const RadioSettings &form, bool replace);
    void askBeforeWriting(const RadioSettings &form);
    // A file dialog of the window's, not yet open: `chosen` gets the file.
    QFileDialog *fileDialog(const QString &caption, const QString &directory, const QString &filter,
                            QFileDialog::AcceptMode mode, const std::function<void(const QString &)> &chosen);
    // `replace`: the operator chose to write a unit address the record
    // holds; a shared record hands it over.
    void startWrite(const RadioSettings &form, bool replace);
    // A one-line question of the window's, not yet open.
    class QInputDialog *textQuestion(const QString &title, const QString &label, const QString &text,
                                     const std::function<void(const QString &)> &answered);
    // The form as a profile for the batch dialog; `whyNot` says why it
    // cannot be taken.
    ProvisionProfile formProfile(QString *whyNot) const;
    QString operatorName() const;
    void showWriteProgress(UnitStep step, int line, int lines);
    // After a write: how it ended, and the next unit address.
    void finishWrite(const UnitOutcome &outcome);
    // The unit's own code: its field, the write a scan starts, the label.
    void setUpUnitCodes();
    void showUnitCodeField(bool shown);
    void unitCodeEntered();
    // A scanner's burst, wherever the focus was: the code goes into its field.
    void unitScanned(const QString &code);
    // The code in the field when it is shown; empty otherwise.
    QString unitCode() const;
    void chooseLabelFolder(bool on);
    void unitWritten(const UnitOutcome &outcome);
    static QString storedRecordPath();
    void setRecordPath(const QString &path);
    // The form's values as a write's settings (the window's rows become
    // register values here, and nowhere else).
    RadioSettings currentWriteForm() const;
    // Product, module and mode as the radio buttons choose them.
    LinkConfig chosenLink() const;
    // The module of the unit linked last (the link's); the chosen one before the first link.
    Module linkedModule() const;

    // What the window remembers between runs.
    void restoreChoices();
    void rememberChoices();
    void setQuickPauses(bool quick);
    void portAppeared(const PortEntry &port);
    void listPort(const PortEntry &port);
    void showCurrentPort();
    void portVanished(const QString &name);

    Ui::MainWindow *ui;
    quint16 portCount = 0;              // the ports SerialBox lists
    LinkController *serial = nullptr;   // the link to the modem and the unit on it
    ATInterface *atInterface = nullptr;
    QButtonGroup *productGroup = nullptr;
    QButtonGroup *moduleGroup = nullptr;
    QButtonGroup *modeGroup = nullptr;
    bool terminalShown = false;
    bool addressLocked = false;
    quint16 lastRandomAddress = 0;

    RandomAddressGenerator randomGenerator;
    QTranslator *switchTranslator = nullptr;   // the last language switch
    QTranslator *qtTranslator = nullptr;       // Qt's own dialogs in Chinese
    PortWatcher *portWatcher = nullptr;
    QList<QPair<bool, PortEntry>> portChanges; // (appeared, port) seen while the link was in use
    QString rememberedPort;

    Message statusMessage;                     // what the status line says, made again on demand
    StatusScope statusScope = StatusScope::Event;
    QList<LoggedMessage> messageLog;           // every message of the session
    QPointer<MessageLog> messageLogDialog;
    StatusLabel *recordLabel = nullptr;        // "Recording to …" in the status bar
    bool rateListLive = false;                 // a frame reply has enabled the rate list
    UnitOutcome lostWrite;                     // a write that ended with the device
    QString lostWriteSummary;                  // what it sent

    ProvisionProfile loadedProfile;            // the last profile loaded
    bool profileLoaded = false;
    QString profileName;
    bool profileRefusalShown = false;          // said once per profile
    QString recordPath;                        // the provisioning record, empty for none

    // Who writes and the record in use, shared with the batch dialog; the
    // link writes its rows through it.
    Station *station = nullptr;
    StatusLabel *waitingLabel = nullptr;       // rows kept here for the shared record
    QPointer<ProvisionDialog> provisionDialog;
    bool batchRunning = false;                 // the batch dialog is writing units
    class QScrollArea *formScroll = nullptr;   // only where the screen is too small for the form
    QWidget *formColumn = nullptr;             // the scrolling form, the result and the status line under it
    bool reconnectPending = false;
    bool followingPort = false;                // the terminal's port box and SerialBox agree
    QPointer<QWidget> focusBeforeSequence;     // given back when the sequence ends
    bool askingRecord = false;                 // Write waits for the record's answer
    bool askingNextUnit = false;               // the next unit address is asked of the record
    quint64 writesStarted = 0;                 // an answer for an earlier write is not applied
    StationKeys *stationKeys = nullptr;        // scans and the window's own keys
    bool focusToForm = false;                  // a read or write runs: the form takes the keyboard after it
    std::unique_ptr<UnitDetector> productFinder;   // "Find the product on Connect" asks the unit
    bool productFindStopped = false;
    bool rateLockedByRead = false;             // a KV6 - KV7 read has greyed the rate list
    DayTally dayTally;
    bool jobAsked = false;                     // the last job was offered this run
};
