#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QRegularExpressionValidator>
#include <QTranslator>

#include "app/cachedir.h"
#include "app/language.h"
#include "app/versiondialog.h"
#include "radio/radiosession.h"
#include "radio/serialports.h"
#include "terminal/atinterface.h"

namespace {

// One to ten digits, and never more than the 32-bit registers hold.
class AddressValidator : public QRegularExpressionValidator
{
public:
    explicit AddressValidator(QObject *parent)
        : QRegularExpressionValidator(QRegularExpression(QStringLiteral("([0-9]{1,10})")), parent)
    {
    }

    State validate(QString &input, int &pos) const override
    {
        const State state = QRegularExpressionValidator::validate(input, pos);
        if (state == Invalid || input.isEmpty())
            return state;
        bool ok = false;
        input.toULongLong(&ok);
        return (ok && input.toULongLong() <= 4294967295ULL) ? state : Invalid;
    }
};

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("KVX_2.0.7"));

    const bool chinese = systemLocaleIsChinese();
    ui->ActionChinese->setChecked(chinese);
    ui->ActionEnglish->setChecked(!chinese);

    probePorts();
    qDebug() << "ports : " << portCount;

    auto *validator = new AddressValidator(this);
    ui->AddressEdit->setValidator(validator);
    ui->UnitEdit->setValidator(validator);

    connect(ui->ActionChinese, &QAction::triggered, this, &MainWindow::slot_TranslateChinese);
    connect(ui->ActionEnglish, &QAction::triggered, this, &MainWindow::slot_TranslateEnglish);
    connect(ui->Exit, &QAction::triggered, this, &MainWindow::slot_Exit);
    connect(ui->ATCommand, &QAction::triggered, this, &MainWindow::slot_CommandInterface);
    connect(ui->Version, &QAction::triggered, this, &MainWindow::slot_Version);

    productGroup = new QButtonGroup(this);
    productGroup->addButton(ui->product_1, 0);
    productGroup->addButton(ui->product_2, 1);
    moduleGroup = new QButtonGroup(this);
    moduleGroup->addButton(ui->module_1, 0);
    moduleGroup->addButton(ui->module_2, 1);
    moduleGroup->addButton(ui->module_3, 2);
    moduleGroup->addButton(ui->module_4, 3);
    modeGroup = new QButtonGroup(this);
    modeGroup->addButton(ui->mode_1, 0);
    modeGroup->addButton(ui->mode_2, 1);

    for (QWidget *field : parameterWidgets())
        field->setEnabled(false);

    serial = new RadioSession(this);

    atInterface = new ATInterface(this);
    atInterface->hide();
    connect(atInterface, &ATInterface::signal_sendMessage, this, &MainWindow::slot_recvMessage);
    connect(serial, &RadioSession::chunkReceived, this, &MainWindow::slot_readyRead);
    connect(serial, &RadioSession::frameReceived, this, &MainWindow::applyFrame);
    connect(serial, &RadioSession::reportScanned, this, &MainWindow::applyReport);
    connect(serial, &RadioSession::opened, this, &MainWindow::linkOpened);
    connect(serial, &RadioSession::stored, this, [this] {
        writtenForm = currentWriteForm();
        writtenSummary = writeSummary(writtenForm);
        ui->DisplayLabel->setText(writtenSummary);
    });
    connect(serial, &RadioSession::linkLost, this, &MainWindow::slot_linkLost);
    connect(serial, &RadioSession::noReport, this, [this] {
        if (linkIsOpen() && serial->isOpen())
            ui->DisplayLabel->setText(tr("No settings report from the modem."));
    });
    connect(serial, &RadioSession::reportRead, this, [this] {
        if (profileLoaded && ui->ActionApplyProfile->isChecked())
            applyProfile(loadedProfile);
    });

    connect(ui->ActionSaveProfile, &QAction::triggered, this, &MainWindow::slot_SaveProfile);
    connect(ui->ActionLoadProfile, &QAction::triggered, this, &MainWindow::slot_LoadProfile);
    connect(ui->ActionRecord, &QAction::triggered, this, &MainWindow::slot_ChooseRecord);
    ui->ActionApplyProfile->setEnabled(false);   // until a profile is loaded
    recordPath = storedRecordPath();

    lastRandomAddress = 0;
    addressLocked = false;
    moduleCode = 0;
    modeId = modeGroup->checkedId();
}

MainWindow::~MainWindow()
{
    clearCacheDirectory(QCoreApplication::applicationDirPath() + QStringLiteral("/temp"));
    delete ui;
}

void MainWindow::probePorts()
{
    portCount = 0;
    const QStringList ports = openablePorts();
    for (const QString &name : ports) {
        ui->SerialBox->addItem(name);
        ++portCount;
    }
}

void MainWindow::slot_TranslateChinese()
{
    switchLanguage(true);
}

void MainWindow::slot_TranslateEnglish()
{
    switchLanguage(false);
}

void MainWindow::switchLanguage(bool chinese)
{
    ui->ActionChinese->setChecked(chinese);
    ui->ActionEnglish->setChecked(!chinese);

    auto *translator = new QTranslator(this);
    if (!loadCatalogue(*translator, chinese)) {
        delete translator;
        return;
    }
    // The new catalogue replaces the previous switch and stays installed, so
    // captions set later come in the chosen language too.
    if (switchTranslator) {
        QCoreApplication::removeTranslator(switchTranslator);
        delete switchTranslator;
    }
    switchTranslator = translator;
    QCoreApplication::installTranslator(switchTranslator);

    // Re-labelling the form would wipe what the operator typed and the status
    // line, and would reset the captions that carry the link and panel state.
    const QString unit = ui->UnitEdit->text();
    const QString address = ui->AddressEdit->text();
    const QString status = ui->DisplayLabel->text();
    const bool linkOpen = linkIsOpen();
    ui->retranslateUi(this);
    ui->UnitEdit->setText(unit);
    ui->AddressEdit->setText(address);
    ui->DisplayLabel->setText(status);
    if (linkOpen)
        ui->ConnectButton->setText(tr("DisConnect"));
    if (terminalShown)
        ui->ATCommand->setText(tr("Main window"));
}

void MainWindow::slot_Exit()
{
    close();
}

void MainWindow::slot_Version()
{
    VersionDialog dialog(this);
    dialog.setStyleSheet(QStringLiteral(
        "QGroupBox {background-color:rgb(255,255,255);border-radius:0px;border:1px solid rgb(255, 170, 0);"
        "color:rgb(0,0,0);}QLabel {color:rgb(0,0,0);}"));
    dialog.exec();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    closePort();
    QMainWindow::closeEvent(event);
}

// The seven fields a settings report fills; they stay disabled until then.
QList<QWidget *> MainWindow::parameterWidgets() const
{
    return { ui->AddressEdit, ui->UnitEdit, ui->WorkModeBox, ui->BaudSetBox,
             ui->AirSpeedBox, ui->OutputPowerBox, ui->repeater_state };
}

void MainWindow::closePort()
{
    serial->closeNow();
}

bool MainWindow::linkIsOpen() const
{
    return ui->ConnectButton->text() != QLatin1String("Connect");
}

// A widget taken out of the central place stays a hidden child of the window,
// so it keeps its state and is destroyed with the window.
void MainWindow::keepAside(QWidget *widget)
{
    if (!widget)
        return;
    widget->setParent(this);
    widget->hide();
}

void MainWindow::slot_CommandInterface()
{
    // The action's caption tells which widget is central; neither widget is
    // destroyed by the swap, so both keep their state.
    if (ui->ATCommand->text() == tr("AT interface")) {
        terminalShown = true;
        serial->setHoldReports(true);
        keepAside(takeCentralWidget());
        setCentralWidget(atInterface);
        atInterface->show();
        atInterface->focusInput();
        ui->ATCommand->setText(tr("Main window"));
    } else {
        terminalShown = false;
        serial->setHoldReports(false);
        keepAside(takeCentralWidget());
        setCentralWidget(ui->centralwidget);
        // Set aside it was hidden; the central place does not show it again.
        ui->centralwidget->show();
        atInterface->clearTranscript();
        ui->ATCommand->setText(tr("AT interface"));
    }
}

void MainWindow::slot_recvMessage(QString msg)
{
    serial->send(msg.toUtf8());
}

SequenceResult MainWindow::waitForSequence(int id)
{
    while (serial->isRunning(id)) {
        QEventLoop loop;
        connect(serial, &RadioSession::finished, &loop, [&loop, id](int done) {
            if (done == id)
                loop.quit();
        });
        // Once the program is quitting every event loop returns at once.
        if (loop.exec() < 0)
            break;
    }
    return serial->takeResult(id);
}
