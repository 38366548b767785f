#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>

#include <utility>

#include "advert/cachedir.h"
#include "app/buttonstyles.h"
#include "app/language.h"
#include "app/logging.h"
#include "app/provisiondialog.h"
#include "app/radiobuttons.h"
#include "app/resultbanner.h"
#include "app/stationkeys.h"
#include "app/statuslabel.h"
#include "app/toolsettings.h"
#include "app/versiondialog.h"
#include "engine/linkcontroller.h"
#include "engine/portwatcher.h"
#include "engine/serialports.h"
#include "engine/unitdetector.h"
#include "protocol/formcheck.h"
#include "engine/station.h"
#include "protocol/version.h"
#include "protocol/writeplan.h"
#include "records/recordstore.h"
#include "terminal/atinterface.h"

namespace {

// Digits only; more than the 32-bit registers hold are kept as typed but
// never acceptable, so the form can say so.
class AddressValidator : public QRegularExpressionValidator
{
public:
    explicit AddressValidator(QObject *parent)
        : QRegularExpressionValidator(QRegularExpression(QStringLiteral("([0-9]{1,20})")), parent)
    {
    }

    State validate(QString &input, int &pos) const override
    {
        const State state = QRegularExpressionValidator::validate(input, pos);
        if (state == Invalid || input.isEmpty())
            return state;
        bool ok = false;
        // Too large, yet shown as typed: the form says so and nothing is
        // written, rather than a digit vanishing without a word.
        const qulonglong value = input.toULongLong(&ok);
        return (ok && value <= qulonglong(MaxAddress)) ? state : Intermediate;
    }
};

// Replacing a style sheet re-polishes the widget; skip it when nothing changes.
// A sheet is replaced only when the state calls for another one: the form's
// own sheet (laid out over two lines) stays while it says the same.
void setSheet(QWidget *widget, const char *sheet)
{
    const QString text = QLatin1String(sheet);
    QString current = widget->styleSheet();
    current.remove(QLatin1Char('\n'));
    if (current != text)
        widget->setStyleSheet(text);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("KVX_" KVX_VERSION));

    const bool chinese = startsInChinese();
    ui->ActionChinese->setChecked(chinese);
    ui->ActionEnglish->setChecked(!chinese);
    installQtCatalogue(chinese);

    probePorts();
    qCDebug(lcApp) << "ports : " << portCount;

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
    // The choice on show must be plain on the dark form, and a choice that
    // cannot be changed (while connected) must look it.
    ui->SerialGroupBox->setStyleSheet(QStringLiteral(
        "QRadioButton { spacing: 4px; }"
        // The form gives each button a fixed width: a larger dot would cut
        // "Skerry" and "Brae - Loch".
        "QRadioButton::indicator { width: 10px; height: 10px; border-radius: 7px;"
        " border: 2px solid rgb(235, 235, 235); background-color: rgb(80, 80, 80); }"
        "QRadioButton::indicator:checked { background-color: qradialgradient(cx: 0.5, cy: 0.5, radius: 0.5,"
        " fx: 0.5, fy: 0.5, stop: 0 rgb(66, 170, 249), stop: 0.55 rgb(66, 170, 249), stop: 0.7 rgb(80, 80, 80)); }"
        "QRadioButton::indicator:disabled { border-color: rgb(150, 150, 150); background-color: rgb(105, 105, 105); }"
        "QRadioButton::indicator:checked:disabled { background-color: qradialgradient(cx: 0.5, cy: 0.5, radius: 0.5,"
        " fx: 0.5, fy: 0.5, stop: 0 rgb(185, 185, 185), stop: 0.55 rgb(185, 185, 185), stop: 0.7 rgb(105, 105, 105)); }"
        "QRadioButton:disabled { color: rgb(165, 165, 165); }"));

    serial = new LinkController(this);

    atInterface = new ATInterface(this);
    atInterface->hide();
    connect(atInterface, &ATInterface::signal_sendMessage, this, &MainWindow::slot_recvMessage);
    // The terminal's notes are of the link on show, and go with it.
    connect(atInterface, &ATInterface::signal_notice, this,
            [this](const QString &text) { showStatus([text] { return text; }, StatusKind::Plain, StatusScope::Link); });
    connect(atInterface, &ATInterface::signal_noAnswer, this, [this] {
        const LinkConfig link = serial->config();
        showStatus([this, link] {
            return tr("No answer at %1 baud (%2): is the product right? A KV5 answers at 9600 baud, a KV6 - KV7 at "
                      "115200. Port %3.")
                .arg(lineBaudFor(link.product))
                .arg(productCaption(link.product), link.port);
        }, StatusKind::Failure, StatusScope::Link);
    });
    setUpTerminalLink();
    connect(serial, &LinkController::chunkReceived, this, &MainWindow::slot_readyRead);
    connect(serial, &LinkController::stateChanged, this, &MainWindow::applyState);
    // Next unit: a link that became ready without the connect completing
    // (stopped midway) reads nothing; the key is free again.
    connect(serial, &LinkController::stateChanged, this, [this](LinkState state) {
        if (reconnectPending && state == LinkState::Ready)
            QMetaObject::invokeMethod(this, [this] {
                if (reconnectPending && serial->state() == LinkState::Ready) {
                    reconnectPending = false;
                    applyState();
                }
            }, Qt::QueuedConnection);
    });
    connect(serial, &LinkController::linkOpened, this, &MainWindow::linkOpened);
    connect(serial, &LinkController::connected, this,
            [this] {
                showStatus([this, port = serial->config().port] { return tr("Connected to %1.").arg(port); },
                           StatusKind::Plain, StatusScope::Link);
                // Next unit: this one is linked, read it.
                if (std::exchange(reconnectPending, false))
                    on_RefreshButton_clicked();
            });
    connect(serial, &LinkController::passThroughChanged, this, &MainWindow::showPassThroughRate);
    connect(serial, &LinkController::reportApplied, this, &MainWindow::applyReport);
    connect(serial, &LinkController::reportRead, this, &MainWindow::reportIn);
    connect(serial, &LinkController::noReport, this, [this] {
        showStatus([this] {
            return tr("No settings report from the modem. Is the product right? KV5 answers at 9600 baud, "
                      "KV6 - KV7 at 115200.");
        }, StatusKind::Failure);
    });
    connect(serial, &LinkController::readFailed, this,
            [this] { showStatus([this] { return tr("The read request could not be sent."); }, StatusKind::Failure); });
    connect(serial, &LinkController::writeProgress, this,
            [this](UnitStep step, int line, int lines) { showWriteProgress(step, line, lines); });
    connect(serial, &LinkController::writeEnded, this, &MainWindow::finishWrite);
    connect(serial, &LinkController::linkLost, this, &MainWindow::slot_linkLost);
    connect(serial, &LinkController::closed, this, [this] {
        enterClosedState();
        // The close gives both buttons their one-line sheets, also where
        // the picture stays (the form's own are what the window first shows).
        ui->RefreshButton->setStyleSheet(QLatin1String(RefreshIdle));
        ui->ConfigButton->setStyleSheet(QLatin1String(ConfigBusy));
        // Next unit: the last one is let go, link the one plugged in now
        // (once this signal has returned, so the link has settled as closed).
        if (reconnectPending)
            QMetaObject::invokeMethod(this, &MainWindow::reconnectNow, Qt::QueuedConnection);
        // What was said of the link is over with it; what happened stays.
        if (statusScope != StatusScope::Event)
            showStatus([this, port = serial->config().port] { return tr("Disconnected from %1.").arg(port); },
                       StatusKind::Plain, StatusScope::Link);
    });

    connect(ui->ActionSaveProfile, &QAction::triggered, this, &MainWindow::slot_SaveProfile);
    connect(ui->ActionLoadProfile, &QAction::triggered, this, &MainWindow::slot_LoadProfile);
    connect(ui->ActionRecord, &QAction::triggered, this, &MainWindow::slot_ChooseRecord);
    connect(ui->ActionStopRecord, &QAction::triggered, this, &MainWindow::slot_StopRecord);
    connect(ui->ActionSharedRecord, &QAction::triggered, this, &MainWindow::slot_SharedRecord);
    connect(ui->ActionShowRecord, &QAction::triggered, this, &MainWindow::slot_ShowRecord);
    connect(ui->ActionOperator, &QAction::triggered, this, &MainWindow::slot_Operator);
    connect(ui->ActionProvision, &QAction::triggered, this, &MainWindow::slot_Provision);
    connect(ui->ActionMessageLog, &QAction::triggered, this, &MainWindow::slot_MessageLog);
    connect(ui->ActionCompareProfile, &QAction::triggered, this, &MainWindow::slot_CompareProfile);
    setUpKeys();
    // A scan goes to the unit's code wherever the focus is, while its field
    // is shown; Exit's key works in text fields too.
    stationKeys = new StationKeys(this, [this] { return ui->SerialCodeEdit->isVisible(); }, ui->SerialCodeEdit);
    stationKeys->setWindowKeys({ ui->Exit->shortcut() });
    connect(stationKeys, &StationKeys::scanned, this, &MainWindow::unitScanned);
    connect(ui->SerialBox, &QComboBox::currentIndexChanged, this, &MainWindow::showCurrentPort);
    connect(ui->DisplayLabel, &StatusLabel::clicked, this, &MainWindow::slot_MessageLog);
    // The message has the line; the spacer after it only what is left.
    ui->horizontalLayout_2->setStretchFactor(ui->DisplayLabel, 1);
    // A refusal of a field goes once the field is put right.
    for (QLineEdit *edit : { ui->AddressEdit, ui->UnitEdit })
        connect(edit, &QLineEdit::textChanged, this, &MainWindow::recheckForm);
    // An address typed out of range is refused at once, naming the range.
    for (const auto &[reg, edit] : { std::pair { int(Reg::NetworkAddress), ui->AddressEdit }, std::pair { int(Reg::UnitAddress), ui->UnitEdit } }) {
        connect(edit, &QLineEdit::textEdited, this, [this, reg = reg, edit = edit](const QString &text) {
            if (addressFieldProblem(reg, text).isEmpty())
                return;
            showMessage([this, reg, edit] {
                return StatusText { addressFieldProblem(reg, edit->text()), StatusKind::Failure };
            }, StatusScope::Field);
        });
    }
    for (const auto &[reg, box] : optionLists())
        connect(box, &QComboBox::currentIndexChanged, this, &MainWindow::recheckForm);

    // "Recording to …" lives in the status bar, out of the messages' way.
    recordLabel = new StatusLabel(this);
    recordLabel->setObjectName(QStringLiteral("RecordLabel"));
    recordLabel->setElideMode(Qt::ElideMiddle);
    recordLabel->setStyleSheet(QStringLiteral("font-size:15px;"));
    recordLabel->setFont(ui->DisplayLabel->font());
    statusBar()->setSizeGripEnabled(false);
    // At its own width, so that a message the status bar shows (under the
    // terminal) has the room beside it.
    statusBar()->addPermanentWidget(recordLabel);
    // How many rows wait for the shared record, while any do.
    waitingLabel = new StatusLabel(this);
    waitingLabel->setObjectName(QStringLiteral("WaitingLabel"));
    waitingLabel->setStyleSheet(QStringLiteral("font-size:15px;"));
    waitingLabel->setFont(ui->DisplayLabel->font());
    waitingLabel->setVisible(false);
    statusBar()->addPermanentWidget(waitingLabel);
    station = new Station(this);
    connect(station, &Station::waitingChanged, this, [this](int rows) {
        waitingLabel->setVisible(rows > 0);
        waitingLabel->setText(tr("%n row(s) wait for the shared record", nullptr, rows));
    });
    // A row the shared record refuses for good: where it went, and why.
    connect(station, &Station::rowsSetAside, this, [this](int rows, const QString &file, const QString &reason) {
        showStatus([rows, file, reason] {
            return tr("%n row(s) the shared record refused are set aside in %1: %2", nullptr, rows)
                .arg(QDir::toNativeSeparators(file), reason);
        }, StatusKind::Failure);
    });
    connect(station, &Station::recordsOpened, this, [this](bool ok, const QString &error) {
        applyState();
        if (!ok)
            showStatus([this, error] { return tr("The record cannot be used: %1").arg(error); }, StatusKind::Failure);
    });

    lastRandomAddress = 0;
    addressLocked = false;
    restoreChoices();
    setUpUnitCodes();
    setRecordPath(storedRecordPath());

    // The day at this station, as the last run left it.
    dayTally.load(toolSettings());
    connect(ui->ResultPanel, &ResultBanner::lastUnitsRequested, this, &MainWindow::slot_LastUnits);
    connect(ui->ActionLastUnits, &QAction::triggered, this, &MainWindow::slot_LastUnits);
    for (QLineEdit *edit : { ui->AddressEdit, ui->UnitEdit })
        connect(edit, &QLineEdit::textChanged, this, &MainWindow::showDay);
    showDay();
    ui->ActionFindProduct->setChecked(toolSettings().value(QLatin1String(FindProductKey), false).toBool());

    // The options are remembered as the operator sets them.
    const std::pair<QAction *, const char *> options[] = {
        { ui->ActionVerifyWrite, VerifyKey }, { ui->ActionNextUnit, NextUnitKey }, { ui->ActionApplyProfile, ApplyProfileKey },
        { ui->ActionQuickPauses, QuickPausesKey }, { ui->ActionFindProduct, FindProductKey }
    };
    for (const auto &[action, key] : options)
        connect(action, &QAction::toggled, this, [key = key](bool on) { toolSettings().setValue(QLatin1String(key), on); });
    connect(ui->ActionQuickPauses, &QAction::toggled, this, &MainWindow::setQuickPauses);

    // While disconnected the list follows devices plugged in and out.
    portWatcher = new PortWatcher(this);
    connect(portWatcher, &PortWatcher::portAppeared, this, &MainWindow::portAppeared);
    connect(portWatcher, &PortWatcher::portVanished, this, &MainWindow::portVanished);
    portWatcher->start();

    // The rate list's note has its two lines' room whether it says
    // something or not: the form keeps its place when it does.
    ui->RateNoteLabel->ensurePolished();
    ui->RateNoteLabel->setMinimumHeight(2 * ui->RateNoteLabel->fontMetrics().lineSpacing());
    applyState();
    fitWindowSize();
    // Asked once the window is on the screen.
    QMetaObject::invokeMethod(this, &MainWindow::offerLastJob, Qt::QueuedConnection);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Where no window manager activates the window, it is asked all the same.
    if (!jobAsked)
        QTimer::singleShot(1500, this, &MainWindow::askLastJob);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !jobAsked)
        QMetaObject::invokeMethod(this, &MainWindow::askLastJob, Qt::QueuedConnection);
    QMainWindow::changeEvent(event);
}

void MainWindow::offerLastJob()
{
    if (isActiveWindow())
        askLastJob();
}

// The locked network address and the unit address due next, as the last run
// left them: offered back in one question, as a crash or a reboot mid-batch
// must not make the operator find both again. No starts clean; Later (and
// Escape) keeps the job for the next start.
void MainWindow::askLastJob()
{
    if (std::exchange(jobAsked, true))
        return;
    const QSettings settings = toolSettings();
    const QString network = settings.value(QLatin1String(JobNetworkKey)).toString();
    const QString unit = settings.value(QLatin1String(JobNextUnitKey)).toString();
    int pos = 0;
    QString checked = network;
    if (network.isEmpty() || addressLocked || ui->AddressEdit->validator()->validate(checked, pos) != QValidator::Acceptable)
        return;
    const QString question = unit.isEmpty() ? tr("Continue network %1?").arg(network)
                                            : tr("Continue network %1 from unit %2?").arg(network, unit);
    auto *box = new QMessageBox(QMessageBox::Question, tr("The last job"), question, QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("JobQuestion"));
    QPushButton *later = box->addButton(tr("Later"), QMessageBox::RejectRole);
    // Not modal: the window stays usable while the question waits.
    box->setWindowModality(Qt::NonModal);
    box->setDefaultButton(QMessageBox::Yes);
    box->setEscapeButton(later);
    box->setStyleSheet(QStringLiteral("QLabel { color: rgb(0, 0, 0); }"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, network, unit] {
        if (box->clickedButton() == box->button(QMessageBox::No)) {
            forgetJob();
            showStatus([this, network] { return tr("Started clean: the last job on network %1 is forgotten.").arg(network); });
            return;
        }
        if (box->clickedButton() != box->button(QMessageBox::Yes)) {
            showStatus([this, network] {
                return tr("The job on network %1 is kept for the next start.").arg(network);
            });
            return;
        }
        ui->AddressEdit->setText(network);
        addressLocked = true;
        if (!unit.isEmpty())
            ui->UnitEdit->setText(unit);
        applyState();
        showStatus([this, network] { return tr("Network address %1 is locked again.").arg(network); });
    });
    box->show();
    // Over the window, wherever the window manager put it.
    box->move(frameGeometry().center() - box->rect().center());
}

void MainWindow::rememberJob()
{
    QSettings settings = toolSettings();
    if (!addressLocked || ui->AddressEdit->text().isEmpty()) {
        forgetJob();
        return;
    }
    settings.setValue(QLatin1String(JobNetworkKey), ui->AddressEdit->text());
}

void MainWindow::forgetJob()
{
    QSettings settings = toolSettings();
    settings.remove(QLatin1String(JobNetworkKey));
    settings.remove(QLatin1String(JobNextUnitKey));
}

// The terminal offers the port list and Connect / Disconnect of the form
// (the same list, the same slot), and its choices are remembered.
void MainWindow::setUpTerminalLink()
{
    QComboBox *ports = atInterface->portBox();
    ports->setModel(ui->SerialBox->model());
    // Each box follows the other; the guard keeps the two from answering each
    // other while the shared list changes under both.
    const auto follow = [this](QComboBox *from, QComboBox *to) {
        connect(from, &QComboBox::currentIndexChanged, this, [this, to](int row) {
            if (std::exchange(followingPort, true))
                return;
            to->setCurrentIndex(row);
            followingPort = false;
        });
    };
    follow(ui->SerialBox, ports);
    follow(ports, ui->SerialBox);
    connect(atInterface, &ATInterface::signal_toggleLink, this, &MainWindow::on_ConnectButton_clicked);
    // The terminal's product is the form's: the one choice, in two places.
    fillTerminalProducts();
    QComboBox *products = atInterface->productBox();
    connect(productGroup, &QButtonGroup::idToggled, products, [products](int id, bool checked) {
        if (checked)
            products->setCurrentIndex(id);
    });
    connect(products, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (QAbstractButton *button = productGroup->button(row))
            button->setChecked(true);
    });

    const QSettings settings = toolSettings();
    atInterface->setShowSentLines(settings.value(QLatin1String(TerminalSentKey), false).toBool());
    const QString log = settings.value(QLatin1String(TerminalLogKey)).toString();
    QString error;
    if (!log.isEmpty() && !atInterface->logTo(log, &error))
        showStatus([this, log, error] { return tr("The terminal cannot log to %1: %2").arg(QDir::toNativeSeparators(log), error); },
                   StatusKind::Failure);
    // Connected after the choices are restored, so restoring changes nothing.
    connect(atInterface, &ATInterface::signal_choicesChanged, this, [this] {
        QSettings stored = toolSettings();
        stored.setValue(QLatin1String(TerminalSentKey), atInterface->showsSentLines());
        stored.setValue(QLatin1String(TerminalLogKey), atInterface->logPath());
    });
}

void MainWindow::fillTerminalProducts()
{
    QComboBox *products = atInterface->productBox();
    const QSignalBlocker quiet(products);
    products->clear();
    for (const Product product : { Product::Kv5, Product::Kv6 })
        products->addItem(tr("%1 at %2 baud").arg(productCaption(product)).arg(lineBaudFor(product)));
    products->setToolTip(tr("The product decides the line's rate: a unit of the other product stays silent."));
    products->setCurrentIndex(qMax(0, productGroup->checkedId()));
}

// Keys for a day of units: Connect, Read, Write and the next unit, in the
// order of the F keys; the keys the menus had already (Ctrl+C, Ctrl+E,
// Ctrl+A) keep their meaning. Tab follows the form, then the buttons.
void MainWindow::setUpKeys()
{
    connect(ui->ActionConnect, &QAction::triggered, this, &MainWindow::on_ConnectButton_clicked);
    connect(ui->ActionRead, &QAction::triggered, this, &MainWindow::on_RefreshButton_clicked);
    connect(ui->ActionWrite, &QAction::triggered, this, &MainWindow::on_ConfigButton_clicked);
    connect(ui->ActionReconnect, &QAction::triggered, this, &MainWindow::slot_NextUnit);
    const QList<QWidget *> order { ui->UnitEdit, ui->AddressEdit, ui->WorkModeBox, ui->BaudSetBox,
                                   ui->AirSpeedBox, ui->OutputPowerBox, ui->repeater_state,
                                   ui->RefreshButton, ui->RandButton, ui->LockButton, ui->ConfigButton,
                                   ui->product_1, ui->product_2, ui->module_1, ui->module_2, ui->module_3,
                                   ui->module_4, ui->mode_1, ui->mode_2, ui->flush, ui->SerialBox,
                                   ui->ConnectButton, ui->SerialSetBox };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

    // The style's focus frame all but vanishes on the dark grey: the widget
    // with the keyboard's focus gets a yellow frame (a yellow caption for the
    // radio buttons, whose fixed widths leave no room for a frame).
    ui->centralwidget->setStyleSheet(QStringLiteral(
        "QLineEdit:focus, QComboBox:focus { border: 2px solid rgb(255, 200, 0); }"
        "QPushButton:focus { border: 3px solid rgb(255, 200, 0); border-radius: 4px; }"
        "QPushButton#ConnectButton:focus, QPushButton#flush:focus { background-color: rgb(225, 225, 225); }"
        "QRadioButton:focus { color: rgb(255, 200, 0); }"));
}

// Next unit: lets the unit on the line go, links again on the same port and
// reads the unit plugged in meanwhile.
void MainWindow::slot_NextUnit()
{
    const LinkState state = serial->state();
    if (state != LinkState::Closed && state != LinkState::Ready)
        return;
    reconnectPending = true;
    applyState();
    if (state == LinkState::Ready)
        serial->close();
    else
        reconnectNow();
}

void MainWindow::reconnectNow()
{
    if (!reconnectPending || serial->state() != LinkState::Closed)
        return;
    on_ConnectButton_clicked();
    // The port would not open: the status line says why, nothing waits.
    if (serial->state() == LinkState::Closed && !productFinder)
        reconnectPending = false;
    applyState();
}

// Never smaller than the whole form (in the language on show, with the
// status bar), and never so wide that the banner's picture repeats. Where
// the screen is smaller than that (a small laptop, a desktop scaled up), the
// window takes what the screen has and the form scrolls in it: nothing of it
// is cut off.
void MainWindow::fitWindowSize()
{
    ensurePolished();
    centralWidget()->adjustSize();
    const QSize needed = QMainWindow::minimumSizeHint().expandedTo(QSize(915, 406));
    const QScreen *screen = this->screen();
    // The window manager's frame comes on top; before the first show it is
    // not known, so a title bar's worth is kept free.
    const QSize room = screen ? screen->availableGeometry().size() - QSize(16, 40) : needed;
    if (needed.width() <= room.width() && needed.height() <= room.height()) {
        setMinimumSize(needed);
        setMaximumWidth(needed.width() + 200);
        return;
    }
    if (!formScroll) {
        formScroll = new QScrollArea(this);
        formScroll->setObjectName(QStringLiteral("FormScrollArea"));
        formScroll->setFrameShape(QFrame::NoFrame);
        formScroll->setWidgetResizable(true);
        // The window's grey around the form, as without the scroll bars.
        formScroll->setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget#centralwidget "
                                                 "{ background-color: rgb(100, 100, 100); }"));
        const bool formShown = centralWidget() == ui->centralwidget;
        if (formShown)
            takeCentralWidget();
        // The result and the status line stay in view under the form that
        // scrolls: the result is read at a glance, and scanned into.
        formColumn = new QWidget(this);
        formColumn->setObjectName(QStringLiteral("FormColumn"));
        auto *column = new QVBoxLayout(formColumn);
        column->setContentsMargins(ui->verticalLayout_2->contentsMargins().left(), 0,
                                   ui->verticalLayout_2->contentsMargins().right(),
                                   ui->verticalLayout_2->contentsMargins().bottom());
        column->addWidget(formScroll, 1);
        ui->verticalLayout_2->removeWidget(ui->ResultPanel);
        ui->verticalLayout_2->removeItem(ui->horizontalLayout_2);
        column->addWidget(ui->ResultPanel);
        column->addLayout(ui->horizontalLayout_2);
        const QSize form = ui->centralwidget->minimumSizeHint();
        formScroll->setWidget(ui->centralwidget);
        ui->centralwidget->setMinimumSize(form);
        ui->centralwidget->show();
        if (formShown)
            setCentralWidget(formColumn);
        else
            keepAside(formColumn);
    }
    setMinimumSize(needed.boundedTo(room).boundedTo(QSize(480, 320)).expandedTo(formColumn->minimumSizeHint().boundedTo(room)));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // A scroll bar one way takes room the other way.
    QSize size = needed;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (needed.width() > room.width())
        size.rheight() += bar;
    if (needed.height() > room.height())
        size.rwidth() += bar;
    resize(size.boundedTo(room));
}

QWidget *MainWindow::formArea() const
{
    return formColumn ? formColumn : ui->centralwidget;
}

MainWindow::~MainWindow()
{
    // Only a cache the program made: a "temp" of the user's own stays as it is.
    clearOwnCacheDirectory(QCoreApplication::applicationDirPath() + QStringLiteral("/temp"));
    delete ui;
}

void MainWindow::probePorts()
{
    portCount = 0;
    for (const PortEntry &port : openablePortEntries())
        listPort(port);
}

// A port in the list, told apart from the others: its whole name in the
// list that drops down (wider than the box), what the system says of it in
// its tooltip.
void MainWindow::listPort(const PortEntry &port)
{
    int row = ui->SerialBox->findText(port.name);
    if (row < 0) {
        ui->SerialBox->addItem(port.name);
        row = ui->SerialBox->count() - 1;
        ++portCount;
    }
    QStringList tip { QDir::toNativeSeparators(port.path) };
    if (!port.description.isEmpty())
        tip << port.description;
    ui->SerialBox->setItemData(row, tip.join(QLatin1Char('\n')), Qt::ToolTipRole);
    int widest = ui->SerialBox->width();
    for (int i = 0; i < ui->SerialBox->count(); ++i)
        widest = qMax(widest, ui->SerialBox->fontMetrics().horizontalAdvance(ui->SerialBox->itemText(i)) + 32);
    ui->SerialBox->view()->setMinimumWidth(widest);
    showCurrentPort();
}

void MainWindow::showCurrentPort()
{
    ui->SerialBox->setToolTip(ui->SerialBox->currentData(Qt::ToolTipRole).toString());
}

void MainWindow::restoreChoices()
{
    const QSettings settings = toolSettings();
    rememberedPort = settings.value(QLatin1String(PortKey)).toString();
    const int row = ui->SerialBox->findText(rememberedPort);
    if (row >= 0)
        ui->SerialBox->setCurrentIndex(row);
    const std::pair<QButtonGroup *, const char *> groups[] = {
        { productGroup, ProductKey }, { moduleGroup, ModuleKey }, { modeGroup, ModeKey }
    };
    for (const auto &[group, key] : groups) {
        bool ok = false;
        const int id = settings.value(QLatin1String(key)).toInt(&ok);
        if (QAbstractButton *button = ok ? group->button(id) : nullptr)
            button->setChecked(true);
    }
    ui->ActionVerifyWrite->setChecked(settings.value(QLatin1String(VerifyKey), false).toBool());
    ui->ActionNextUnit->setChecked(settings.value(QLatin1String(NextUnitKey), false).toBool());
    ui->ActionQuickPauses->setChecked(settings.value(QLatin1String(QuickPausesKey), false).toBool());
    setQuickPauses(ui->ActionQuickPauses->isChecked());
    const QString profile = settings.value(QLatin1String(ProfileKey)).toString();
    QString error;
    if (!profile.isEmpty() && readProfileFile(profile, &loadedProfile, &error)) {
        profileLoaded = true;
        profileName = QFileInfo(profile).fileName();
        ui->ActionApplyProfile->setChecked(settings.value(QLatin1String(ApplyProfileKey), false).toBool());
    }
}

bool MainWindow::quickPauses() const
{
    return serial->timing().pauseEndsOnReply;
}

// The link's pauses from the next sequence on; the batch dialog starts with
// the same choice.
void MainWindow::setQuickPauses(bool quick)
{
    SessionTiming timing = serial->timing();
    timing.pauseEndsOnReply = quick;
    serial->setTiming(timing);
    if (provisionDialog)
        provisionDialog->setQuickPauses(quick);
}

void MainWindow::rememberChoices()
{
    QSettings settings = toolSettings();
    settings.setValue(QLatin1String(PortKey), rememberedPort);
    settings.setValue(QLatin1String(ProductKey), productGroup->checkedId());
    settings.setValue(QLatin1String(ModuleKey), moduleGroup->checkedId());
    settings.setValue(QLatin1String(ModeKey), modeGroup->checkedId());
}

void MainWindow::preferPort(const QString &port)
{
    if (port.isEmpty())
        return;
    // Given on the command line: wins over the port remembered.
    rememberedPort = port;
    const int row = ui->SerialBox->findText(port);
    if (row >= 0)
        ui->SerialBox->setCurrentIndex(row);
}

bool MainWindow::waitsForRecord() const
{
    return askingRecord || askingNextUnit || station->recordsOpening();
}

MainWindow::LinkState MainWindow::linkState() const
{
    return serial->state();
}

bool MainWindow::formIsFilled() const
{
    return serial->reportComplete();
}

void MainWindow::portAppeared(const PortEntry &port)
{
    if (serial->state() != LinkState::Closed) {
        portChanges.append({ true, port });
        return;
    }
    const quint16 listed = portCount;
    listPort(port);
    if (portCount != listed)
        qCDebug(lcApp) << "ports : " << portCount;
    // The adapter last used, plugged in again, is the one wanted.
    if (ui->SerialBox->currentIndex() < 0 || port.name == rememberedPort)
        ui->SerialBox->setCurrentIndex(ui->SerialBox->findText(port.name));
}

void MainWindow::portVanished(const QString &name)
{
    if (serial->state() != LinkState::Closed) {
        portChanges.append({ false, PortEntry { name, name, QString() } });
        return;
    }
    const int row = ui->SerialBox->findText(name);
    if (row >= 0) {
        ui->SerialBox->removeItem(row);
        --portCount;
        qCDebug(lcApp) << "ports : " << portCount;
    }
    showCurrentPort();
}

// Every control that depends on the link, in one place.
void MainWindow::applyState()
{
    const LinkState state = serial->state();
    // Asking the unit its product (before Connect) is a sequence too.
    const bool finding = productFinder != nullptr;
    const bool closed = state == LinkState::Closed && !finding;
    const bool ready = state == LinkState::Ready;
    const bool idle = closed || ready;   // no sequence runs

    // A sequence disables the field the operator was on, and Qt passes the
    // focus on down the chain; it comes back when the sequence ends, so the
    // keyboard stays where the operator left it.
    QWidget *focused = QApplication::focusWidget();
    if (!idle && focused && focused->isEnabled() && ui->centralwidget->isAncestorOf(focused))
        focusBeforeSequence = focused;
    ui->ConnectButton->setText(closed ? QStringLiteral("Connect") : tr("DisConnect"));
    // While the batch dialog writes units, the window opens no port of its own.
    ui->ConnectButton->setEnabled(state != LinkState::Closing && !(closed && batchRunning) && !(finding && productFindStopped));
    for (QButtonGroup *group : { productGroup, moduleGroup, modeGroup }) {
        const auto buttons = group->buttons();
        for (QAbstractButton *button : buttons)
            button->setEnabled(closed);
    }
    ui->SerialBox->setEnabled(closed);
    atInterface->setLinkOpen(ready);
    atInterface->setLinkButton(ui->ConnectButton->text(), ui->ConnectButton->isEnabled());
    atInterface->portBox()->setEnabled(closed);
    atInterface->productBox()->setEnabled(closed);

    ui->RefreshButton->setEnabled(ready);
    setSheet(ui->RefreshButton, ready ? RefreshActive : RefreshIdle);
    const bool writable = ready && formIsFilled() && !waitsForRecord();
    ui->ConfigButton->setEnabled(writable);
    setSheet(ui->ConfigButton, writable ? ConfigReady : ConfigBusy);
    // Grey while locked, and while a sequence runs.
    ui->RandButton->setEnabled(idle && !addressLocked);
    setSheet(ui->RandButton, ui->RandButton->isEnabled() ? RandUsable : RandBlocked);
    ui->LockButton->setEnabled(idle);
    setSheet(ui->LockButton, addressLocked ? LockClosed : LockOpen);

    // A field takes input once the unit has reported it; the unit address
    // exists in point to multipoint only.
    const std::pair<QWidget *, int> fields[] = {
        { ui->AddressEdit, Reg::NetworkAddress }, { ui->WorkModeBox, Reg::WorkMode }, { ui->BaudSetBox, Reg::SerialBaud },
        { ui->AirSpeedBox, Reg::LinkRate }, { ui->OutputPowerBox, Reg::OutputPower }, { ui->repeater_state, Reg::RepeaterEnable },
    };
    for (const auto &[field, reg] : fields)
        field->setEnabled(ready && serial->hasReported(reg));
    // The unit address too waits for the unit's report.
    ui->UnitEdit->setEnabled(ready && isMultipoint(serial->config().mode)
                             && (serial->hasReported(Reg::UnitAddress) || formIsFilled()));
    // The locked address goes into every unit as it is: not typed over, and
    // it looks it (grey, as a field that only shows).
    ui->AddressEdit->setReadOnly(addressLocked);
    const QString addressSheet = QLatin1String(addressLocked ? LockedAddressSheet : AddressSheet);
    if (ui->AddressEdit->styleSheet() != addressSheet) {
        ui->AddressEdit->setStyleSheet(addressSheet);
        ui->AddressEdit->setToolTip(addressLocked ? tr("Locked: this network address goes into every unit.") : QString());
    }
    // Frame replies enable the rate list, also while closing; never while a
    // sequence runs, as a rate sends a frame.
    ui->SerialSetBox->setEnabled(rateListLive && (ready || state == LinkState::Closing));
    // A list greyed by the read says why, and what gives it back.
    ui->RateNoteLabel->setText(rateLockedByRead && !ui->SerialSetBox->isEnabled() && !closed
                                   ? tr("Locked after Read: reconnect to change it.")
                                   : QString());

    // The keys do what the buttons do, and only while the buttons can; Read
    // and Write belong to the form, not to the terminal.
    ui->ActionConnect->setEnabled(ui->ConnectButton->isEnabled());
    ui->ActionRead->setEnabled(ready && !terminalShown);
    ui->ActionWrite->setEnabled(writable && !terminalShown);
    ui->ActionReconnect->setEnabled(idle && ui->ConnectButton->isEnabled() && !reconnectPending && !terminalShown);
    for (QAction *action : { ui->ActionChinese, ui->ActionEnglish, ui->ATCommand, ui->ActionSaveProfile,
                             ui->ActionLoadProfile, ui->ActionVerifyWrite, ui->ActionQuickPauses, ui->ActionNextUnit, ui->ActionRecord,
                             ui->ActionSharedRecord, ui->ActionOperator, ui->ActionProvision, ui->Version })
        action->setEnabled(idle);
    if (idle && std::exchange(focusToForm, false)) {
        focusBeforeSequence = nullptr;
        focusForm();
    } else if (idle && focusBeforeSequence) {
        if (focusBeforeSequence->isEnabled() && focusBeforeSequence->isVisible())
            focusBeforeSequence->setFocus(Qt::OtherFocusReason);
        focusBeforeSequence = nullptr;
    }
    ui->ActionApplyProfile->setEnabled(idle && profileLoaded);
    ui->ActionCompareProfile->setEnabled(ready && formIsFilled());
    ui->ActionStopRecord->setEnabled(idle && !recordPath.isEmpty());
    ui->ActionShowRecord->setEnabled(!recordPath.isEmpty());
    // The batch dialog starts only while the window holds no port; the form
    // it may take is the one shown while a unit is ready.
    if (provisionDialog) {
        provisionDialog->setMainLinkOpen(!closed, serial->config().port);
        if (ready && !batchRunning) {
            QString whyNot;
            const ProvisionProfile profile = formProfile(&whyNot);
            if (whyNot.isEmpty())
                provisionDialog->setFormProfile(profile, whyNot);
        }
    }
}

// The next unit starts at its code (a scanner's field) or at the form's
// first field that takes input; a button keeps nothing for it.
void MainWindow::focusForm()
{
    if (terminalShown)
        return;
    QWidget *next = nullptr;
    if (ui->SerialCodeEdit->isVisible() && ui->SerialCodeEdit->isEnabled()) {
        next = ui->SerialCodeEdit;
    } else {
        for (QWidget *field : std::initializer_list<QWidget *> { ui->UnitEdit, ui->AddressEdit, ui->WorkModeBox, ui->BaudSetBox,
                                                                 ui->AirSpeedBox, ui->OutputPowerBox, ui->repeater_state }) {
            if (field->isEnabled() && !(field == ui->AddressEdit && addressLocked)) {
                next = field;
                break;
            }
        }
    }
    if (next)
        next->setFocus(Qt::OtherFocusReason);
}

QWidget *MainWindow::fieldOf(int reg) const
{
    if (reg == Reg::NetworkAddress)
        return ui->AddressEdit;
    if (reg == Reg::UnitAddress)
        return ui->UnitEdit;
    for (const auto &[list, box] : optionLists()) {
        if (list == reg)
            return box;
    }
    return nullptr;
}

// Units verified on the form's network today, and the unit address due
// next (point to multipoint).
void MainWindow::showDay()
{
    QString network = ui->AddressEdit->text();
    if (network.isEmpty() && !dayTally.lastUnits().isEmpty())
        network = recordNetworkAddress(dayTally.lastUnits().first());
    QStringList parts;
    if (!network.isEmpty())
        parts << tr("Today on network %1: %n verified", nullptr, dayTally.verifiedOn(network)).arg(network);
    const bool multipoint = serial->state() == LinkState::Closed ? modeGroup->checkedId() == 1 : isMultipoint(serial->config().mode);
    if (multipoint && !ui->UnitEdit->text().isEmpty())
        parts << tr("next unit %1").arg(ui->UnitEdit->text());
    const QString day = parts.join(QString::fromUtf16(SummarySeparator));
    const QString about = tr("Units verified on this network today at this station; click for the last units written.");
    ui->ResultPanel->setDay(day, day.isEmpty() ? about : day + QLatin1Char('\n') + about);
}

void MainWindow::showStatus(const std::function<QString()> &text, StatusKind kind, StatusScope scope)
{
    showMessage([text, kind] { return StatusText { text(), kind }; }, scope);
}

void MainWindow::showMessage(const Message &message, StatusScope scope)
{
    statusMessage = message;
    statusScope = scope;
    const StatusText shown = message();
    logMessage(shown.text);
    paintStatus(shown);
}

void MainWindow::logMessage(const QString &text)
{
    if (text.isEmpty())
        return;
    messageLog.append({ QDateTime::currentDateTime(), text });
    if (messageLogDialog)
        messageLogDialog->append(messageLog.last());
}

// White on the window's grey for progress; a result on a box of its own
// colour, so a failure cannot pass for a success at a glance. The font
// stays: a line too long for the window ends in "…" and is whole in the
// tooltip and in the message log.
void MainWindow::paintStatus(const StatusText &shown)
{
    static const char *const backgrounds[] = {
        "",
        "background-color: rgb(0, 110, 0);padding: 0px 4px;",
        "background-color: rgb(170, 0, 0);padding: 0px 4px;",
    };
    const StatusKind kind = shown.text.isEmpty() ? StatusKind::Plain : shown.kind;
    const QString sheet = QStringLiteral("font-size:17px;") + QLatin1String(backgrounds[int(kind)]);
    if (ui->DisplayLabel->styleSheet() != sheet)
        ui->DisplayLabel->setStyleSheet(sheet);
    ui->DisplayLabel->setMessage(shown.text);
    // The terminal covers the status line; the window's status bar says it.
    if (terminalShown)
        statusBar()->showMessage(shown.text);
}

void MainWindow::recheckForm()
{
    if (statusScope != StatusScope::Field || !statusMessage)
        return;
    const StatusText shown = statusMessage();
    if (shown.text != ui->DisplayLabel->text())
        logMessage(shown.text);
    paintStatus(shown);
}

void MainWindow::slot_MessageLog()
{
    if (!messageLogDialog) {
        messageLogDialog = new MessageLog(this);
        messageLogDialog->setAttribute(Qt::WA_DeleteOnClose);
        messageLogDialog->setMessages(messageLog);
    }
    messageLogDialog->show();
    messageLogDialog->raise();
    messageLogDialog->activateWindow();
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
    installQtCatalogue(chinese);
    rememberLanguage(chinese);

    // Re-labelling the form would wipe what the operator typed and the status
    // line, and would reset the captions that carry the link and panel state.
    const QString unit = ui->UnitEdit->text();
    const QString address = ui->AddressEdit->text();
    ui->retranslateUi(this);
    stationKeys->setWindowKeys({ ui->Exit->shortcut() });
    fillTerminalProducts();
    showDay();
    // The catalogues name the window too; the version is the build's own.
    setWindowTitle(QStringLiteral("KVX_" KVX_VERSION));
    ui->UnitEdit->setText(unit);
    ui->AddressEdit->setText(address);
    // The message on show, in the language now chosen.
    paintStatus(statusMessage ? statusMessage() : StatusText());
    applyState();
    setRecordPath(recordPath);
    if (terminalShown)
        ui->ATCommand->setText(tr("Main window"));
}

// Qt's own texts (file dialogs, the buttons of a question) in the language
// of the window; English is their own.
void MainWindow::installQtCatalogue(bool chinese)
{
    if (qtTranslator) {
        QCoreApplication::removeTranslator(qtTranslator);
        delete qtTranslator;
        qtTranslator = nullptr;
    }
    if (!chinese)
        return;
    auto *translator = new QTranslator(this);
    if (!loadQtCatalogue(*translator, chinese)) {
        delete translator;
        return;
    }
    qtTranslator = translator;
    QCoreApplication::installTranslator(qtTranslator);
}

void MainWindow::slot_Exit()
{
    close();
}

void MainWindow::slot_Version()
{
    // Modal to the window and destroyed when closed, without an event loop
    // of its own: sequences keep their timers meanwhile.
    auto *dialog = new VersionDialog(this);
    dialog->setStyleSheet(QStringLiteral(
        "QGroupBox {background-color:rgb(255,255,255);border-radius:0px;border:1px solid rgb(255, 170, 0);"
        "color:rgb(0,0,0);}QLabel {color:rgb(0,0,0);}"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A write under way ends here, before "AT&W" with nothing more sent, and
    // its record row is completed.
    closePort();
    rememberChoices();
    QMainWindow::closeEvent(event);
}

// The seven fields a settings report fills; they stay disabled until then.
QList<QWidget *> MainWindow::parameterWidgets() const
{
    QList<QWidget *> widgets { ui->AddressEdit, ui->UnitEdit };
    for (const auto &[reg, box] : optionLists())
        widgets << box;
    return widgets;
}

QList<std::pair<int, QComboBox *>> MainWindow::optionLists() const
{
    return { { Reg::WorkMode, ui->WorkModeBox }, { Reg::SerialBaud, ui->BaudSetBox }, { Reg::LinkRate, ui->AirSpeedBox },
             { Reg::OutputPower, ui->OutputPowerBox }, { Reg::RepeaterEnable, ui->repeater_state } };
}

void MainWindow::clearOptionLists()
{
    for (const auto &[reg, box] : optionLists())
        box->setCurrentIndex(-1);
}

void MainWindow::closePort()
{
    serial->closeNow();
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
    // Lines typed into the terminal would land between a sequence's own.
    if (serial->state() != LinkState::Closed && serial->state() != LinkState::Ready)
        return;
    // Neither widget is destroyed by the swap, so both keep their state.
    if (!terminalShown) {
        terminalShown = true;
        serial->setHoldReports(true);
        keepAside(takeCentralWidget());
        setCentralWidget(atInterface);
        atInterface->portBox()->setCurrentIndex(ui->SerialBox->currentIndex());
        atInterface->show();
        atInterface->focusInput();
        ui->ATCommand->setText(tr("Main window"));
        statusBar()->showMessage(ui->DisplayLabel->text());
    } else {
        terminalShown = false;
        serial->setHoldReports(false);
        keepAside(takeCentralWidget());
        setCentralWidget(formArea());
        // Set aside it was hidden; the central place does not show it again.
        formArea()->show();
        ui->centralwidget->show();
        atInterface->clearTranscript();
        ui->ATCommand->setText(tr("AT interface"));
        statusBar()->clearMessage();
    }
    // Read and Write belong to the form.
    applyState();
}

void MainWindow::slot_recvMessage(QString msg)
{
    serial->sendRaw(msg.toUtf8());
}
