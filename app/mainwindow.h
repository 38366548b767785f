#pragma once

#include <QMainWindow>
#include <QString>

#include "radio/randomaddress.h"
#include "radio/reportreader.h"

class QButtonGroup;
class QCloseEvent;
class QSerialPort;
class QTranslator;
class ATInterface;
struct WriteForm;

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
    void slot_readyRead();
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

    void slot_serialError(int error);

private:
    void probePorts();
    void loadModuleProfile();
    void switchLanguage(bool chinese);
    void enterClosedState();
    void keepAside(QWidget *widget);
    void closePort();
    QList<QWidget *> parameterWidgets() const;
    void applyEntry(const RegisterEntry &entry);
    void applyFrame(const FrameReply &frame);
    void updateConfigButton();
    WriteForm currentWriteForm() const;
    bool linkIsOpen() const;
    bool sendBytes(const QByteArray &bytes);

    Ui::MainWindow *ui;
    quint16 portCount = 0;
    QSerialPort *serial = nullptr;
    ATInterface *atInterface = nullptr;
    QButtonGroup *productGroup = nullptr;
    QButtonGroup *moduleGroup = nullptr;
    QButtonGroup *modeGroup = nullptr;
    bool terminalShown = false;
    bool addressLocked = false;
    quint16 lastRandomAddress = 0;
    int moduleCode = 0;
    int modeId = 0;
    ReportReader recvBuffer;   // received bytes not yet consumed, and their scanner

    RandomAddressGenerator randomGenerator;
    QTranslator *switchTranslator = nullptr;   // the last language switch
    bool writeRunning = false;                 // a configuration write is under way
    int linkGeneration = 0;                    // bumped whenever the link closes
    bool deviceLost = false;                   // the device vanished under an open link
};
