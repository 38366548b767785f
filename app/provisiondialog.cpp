#include "app/provisiondialog.h"
#include "ui_provisiondialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QProgressBar>
#include <QRegularExpressionValidator>
#include <QResizeEvent>
#include <QScreen>
#include <QTreeWidgetItem>

#include "app/unitlabels.h"
#include "engine/provisionbatch.h"
#include "protocol/unitcode.h"
#include "engine/serialports.h"
#include "engine/unitdetector.h"
#include "engine/unitjob.h"
#include "protocol/writeplan.h"
#include "records/recordlocation.h"
#include "terminal/portbox.h"

namespace {

enum Column { PortColumn, ProgressColumn, OutcomeColumn, CodeColumn };

// How far a unit is, for its bar: connect, read, the lines, store, check.
int progressFor(UnitStep step, int line, int lines)
{
    switch (step) {
    case UnitStep::Connecting: return 5;
    case UnitStep::Reading: return 15;
    case UnitStep::Reserving: return 18;
    case UnitStep::Writing: return 20 + (lines > 0 ? 55 * line / lines : 0);
    case UnitStep::Storing: return 80;
    case UnitStep::Verifying: return 92;
    default: return 100;
    }
}

QColor colourFor(const UnitOutcome &outcome)
{
    if (outcome.isGood())
        return outcome.result == UnitOutcome::Written ? QColor(0, 90, 160) : QColor(0, 120, 0);
    // A unit checked that holds other settings: read through, but not as wanted.
    if (outcome.result == UnitOutcome::Differs && outcome.recordError.isEmpty())
        return QColor(190, 100, 0);
    // Stored, but not as asked or not checked; the rest failed.
    const bool stored = outcome.result == UnitOutcome::Mismatch || outcome.result == UnitOutcome::Written;
    return stored && outcome.recordError.isEmpty() ? QColor(190, 100, 0) : QColor(190, 0, 0);
}

// A bar shows how far its unit got; its colour says how the unit ended
// (none while it runs).
void paintBar(QProgressBar *bar, const QColor &colour)
{
    bar->setStyleSheet(colour.isValid() ? QStringLiteral("QProgressBar::chunk { background-color: %1; }").arg(colour.name())
                                        : QString());
}

// The work mode, baud, link rate and power the settings hold, as the
// module's lists name them.
QStringList shownCaptions(const RadioSettings &s, Module module)
{
    QStringList captions;
    for (int reg : { int(Reg::WorkMode), int(Reg::SerialBaud), int(Reg::LinkRate), int(Reg::OutputPower) }) {
        const QString caption = settingWords(s, module, reg);
        if (!caption.isEmpty())
            captions << caption;
    }
    return captions;
}

QProgressBar *barOf(QTreeWidget *list, QTreeWidgetItem *row)
{
    return static_cast<QProgressBar *>(list->itemWidget(row, ProgressColumn));
}

} // namespace

ProvisionDialog::ProvisionDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ProvisionDialog)
{
    ui->setupUi(this);
    ui->UnitStartEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,10}|auto")), ui->UnitStartEdit));
    ui->PortList->setColumnWidth(PortColumn, 220);
    ui->PortList->setColumnWidth(ProgressColumn, 160);
    // A finding is read whole: the outcome column is as wide as its longest
    // text and the list scrolls sideways (each row's tooltip has it too).
    ui->PortList->header()->setStretchLastSection(false);
    ui->PortList->header()->setSectionResizeMode(OutcomeColumn, QHeaderView::ResizeToContents);
    ui->PortList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The dialog keeps its size and its list its place through a run: the
    // notices below the list keep room for two lines whether they say
    // something or not, and the list takes what is left.
    ui->PortList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // A port's name keeps its end, where ports in one folder differ.
    ui->PortList->setItemDelegateForColumn(PortColumn, new PortNameDelegate(ui->PortList));
    fitPortList();
    // The group boxes' titles sit above their frames (the window's frame
    // rule would otherwise run through them).
    setStyleSheet(styleSheet()
                  + QStringLiteral("\nQGroupBox { margin-top: 1.1em; padding-top: 0.3em; }"
                                   "\nQGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                                   " left: 8px; padding: 0px 3px; }"));
    // No port is opened to list it: a live list of what the system offers.
    connect(&m_watcher, &PortWatcher::portAppeared, this, &ProvisionDialog::addPort);
    connect(&m_watcher, &PortWatcher::portVanished, this, &ProvisionDialog::portVanished);
    m_watcher.start();
    for (const PortEntry &port : m_watcher.ports())
        addPort(port);
    connect(ui->FormProfileButton, &QRadioButton::toggled, this, &ProvisionDialog::showProfile);
    connect(ui->PortList, &QTreeWidget::itemChanged, this, &ProvisionDialog::updateControls);
    connect(ui->PortList, &QTreeWidget::currentItemChanged, this, &ProvisionDialog::updateControls);
    connect(ui->WatchBox, &QCheckBox::toggled, this, &ProvisionDialog::updateControls);
    connect(ui->QuickPausesBox, &QCheckBox::clicked, this, &ProvisionDialog::quickPausesChosen);
    connect(ui->BatchCodeEdit, &QLineEdit::returnPressed, this, &ProvisionDialog::codeScanned);
    // Only a row's code is typed over, never its port.
    ui->PortList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(ui->PortList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item, int column) {
        if (column == CodeColumn && !isRunning())
            ui->PortList->editItem(item, CodeColumn);
    });
    ui->PortList->setColumnWidth(OutcomeColumn, 260);
    m_station = &m_ownStation;
    connect(&m_ownStation, &Station::recordsOpened, this, [this] {
        if (m_station == &m_ownStation)
            startWhenOpen();
    });
    setRecordLocation(QString());
    showProfile();
    for (const auto &[label, lines] : wrappedLabels()) {
        label->installEventFilter(this);
        label->setMinimumHeight(lines * label->fontMetrics().lineSpacing());
    }
}

// Room for six rows at least, whatever the rows' widgets and a sideways
// scroll bar take; the list only grows.
void ProvisionDialog::fitPortList()
{
    QTreeWidget *list = ui->PortList;
    list->ensurePolished();
    int row = list->topLevelItemCount() > 0 ? list->sizeHintForRow(0) : 0;
    if (row <= 0) {
        QProgressBar bar;
        row = qMax(list->fontMetrics().height() + 8, bar.sizeHint().height());
    }
    const int height = list->header()->sizeHint().height() + 6 * row
                       + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list) + 2 * list->frameWidth() + 4;
    if (height > list->minimumHeight())
        list->setMinimumHeight(height);
}

QList<std::pair<QLabel *, int>> ProvisionDialog::wrappedLabels() const
{
    return { { ui->HelpLabel, 1 }, { ui->ProfileLabel, 1 }, { ui->DetectLabel, 2 },
             { ui->NoticeLabel, 2 }, { ui->SummaryLabel, 2 }, { ui->StartWhyLabel, 1 } };
}

void ProvisionDialog::fitLabel(QLabel *label, int lines)
{
    int height = lines * label->fontMetrics().lineSpacing();
    // Until the layout has given it its width, a label's lines are not known.
    // (QLabel's own height for a width is never below its minimum.)
    if (isVisible()) {
        const QMargins margins = label->contentsMargins();
        const int width = label->width() - margins.left() - margins.right() - 2 * label->margin();
        const QRect text = label->fontMetrics().boundingRect(QRect(0, 0, qMax(1, width), QWIDGETSIZE_MAX),
                                                             Qt::TextWordWrap, label->text());
        height = qMax(height, text.height() + margins.top() + margins.bottom() + 2 * label->margin());
    }
    if (label->minimumHeight() != height)
        label->setMinimumHeight(height);
}

void ProvisionDialog::fitWrappedLabels()
{
    for (const auto &[label, lines] : wrappedLabels())
        fitLabel(label, lines);
}

void ProvisionDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitWrappedLabels();
    if (std::exchange(m_sized, true))
        return;
    // Opens showing all it holds where the screen has the room; where it
    // has not (a small screen scaled up), the dialog scrolls, nothing of it
    // overlapping.
    const QSize room = screen() ? screen()->availableGeometry().size() - QSize(40, 80) : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // A few rounds: a wider dialog wraps its texts into fewer lines.
    for (int round = 0; round < 3; ++round) {
        layout()->activate();
        ui->ProvisionContents->layout()->activate();
        fitWrappedLabels();
        // The scroll area wants its contents' height for the width given.
        QWidget *contents = ui->ProvisionContents;
        const QSize shown = ui->ProvisionScroll->maximumViewportSize();
        const int needWidth = contents->minimumSizeHint().width();
        const int needHeight = contents->hasHeightForWidth() ? contents->heightForWidth(qMax(shown.width(), needWidth))
                                                             : contents->minimumSizeHint().height();
        const QSize wanted = QSize(width() + qMax(0, needWidth - shown.width()), height() + qMax(0, needHeight - shown.height()))
                                 .boundedTo(room);
        if (wanted == size())
            break;
        resize(wanted);
    }
}

bool ProvisionDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        const QSize before = static_cast<QResizeEvent *>(event)->oldSize();
        const QSize now = static_cast<QResizeEvent *>(event)->size();
        for (const auto &[label, lines] : wrappedLabels()) {
            if (watched == label && before.width() != now.width())
                fitLabel(label, lines);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ProvisionDialog::setStation(Station *station)
{
    if (!station || station == m_station)
        return;
    m_station = station;
    connect(station, &Station::recordsOpened, this, [this, station] {
        if (m_station == station)
            startWhenOpen();
    });
}

void ProvisionDialog::startWhenOpen()
{
    const int pending = m_startWhenOpen;
    m_startWhenOpen = -1;
    if (pending >= 0)
        startBatch(pending == 1);
    updateControls();
}

ProvisionDialog::~ProvisionDialog()
{
    // Units still running end with their links closed at once.
    m_batch.reset();
    m_detectors.clear();
    delete ui;
}

void ProvisionDialog::setFormProfile(const ProvisionProfile &profile, const QString &whyNot)
{
    m_formProfile = profile;
    m_formWhyNot = whyNot;
    if (!whyNot.isEmpty() && !m_fileName.isEmpty())
        ui->FileProfileButton->setChecked(true);
    showProfile();
}

void ProvisionDialog::setRecordLocation(const QString &location)
{
    m_recordLocation = location;
    if (m_station == &m_ownStation)
        m_ownStation.openRecord(location);
    ui->RecordLabel->setText(location.isEmpty() ? tr("none") : QDir::toNativeSeparators(location));
}

void ProvisionDialog::setQuickPauses(bool quick)
{
    ui->QuickPausesBox->setChecked(quick);
}

void ProvisionDialog::setMainLinkOpen(bool open, const QString &port)
{
    const bool wasOpen = m_mainLinkOpen;
    m_mainLinkOpen = open;
    m_mainPort = port;
    // The notice describes the present: gone with the main window's link.
    if (wasOpen && !open)
        say(QString());
    updateControls();
}

bool ProvisionDialog::isRunning() const
{
    return m_startWhenOpen >= 0 || batchRunning();
}

bool ProvisionDialog::batchRunning() const
{
    return m_batch && !m_batch->isFinished();
}

const ProvisionProfile *ProvisionDialog::chosenProfile() const
{
    if (ui->FormProfileButton->isChecked())
        return m_formWhyNot.isEmpty() ? &m_formProfile : nullptr;
    return m_fileName.isEmpty() ? nullptr : &m_fileProfile;
}

void ProvisionDialog::showProfile()
{
    const ProvisionProfile *profile = chosenProfile();
    if (!profile) {
        ui->ProfileLabel->setText(ui->FormProfileButton->isChecked() ? m_formWhyNot
                                                                     : tr("Load a profile file first."));
    } else {
        LinkConfig link;
        link.product = profile->product;
        link.module = profile->module;
        link.mode = profile->mode;
        const RadioSettings &s = profile->settings;
        QStringList parts { QStringLiteral("%1, %2, %3").arg(productCaption(link.product), moduleCaption(link.module),
                                                             isMultipoint(link.mode) ? tr("point to multipoint") : tr("point to point")) };
        parts << shownCaptions(s, link.module);
        parts << (!s.has(Reg::NetworkAddress) ? tr("a random network address")
                                              : tr("network address %1").arg(addressText(s, Reg::NetworkAddress)));
        ui->ProfileLabel->setText((m_fileName.isEmpty() || ui->FormProfileButton->isChecked() ? QString() : m_fileName + QStringLiteral(": "))
                                  + parts.join(QStringLiteral(", ")));
        if (ui->UnitStartEdit->text().isEmpty() && s.has(Reg::UnitAddress))
            ui->UnitStartEdit->setText(addressText(s, Reg::UnitAddress));
    }
    updateControls();
}

void ProvisionDialog::on_LoadProfileButton_clicked()
{
    // Window-modal and answered by a signal: no event loop of its own.
    auto *dialog = new QFileDialog(this, tr("Load profile"), QString(), tr("Profiles (*.json);;All files (*)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    connect(dialog, &QFileDialog::fileSelected, this, &ProvisionDialog::loadProfileFile);
    dialog->open();
}

void ProvisionDialog::loadProfileFile(const QString &path)
{
    ProvisionProfile profile;
    QString error;
    if (!readProfileFile(path, &profile, &error)) {
        say(tr("The profile %1 was refused: %2").arg(QFileInfo(path).fileName(), error), true);
        return;
    }
    m_fileProfile = profile;
    m_fileName = QFileInfo(path).fileName();
    ui->FileProfileButton->setChecked(true);
    ui->UnitStartEdit->clear();
    showProfile();
    say(QString());
}

void ProvisionDialog::on_RecordButton_clicked()
{
    auto *dialog = new QFileDialog(this, tr("Provisioning record"), m_recordLocation,
                                   tr("Records (*.kvxdb *.csv);;All files (*)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) {
        setRecordLocation(path);
        emit recordLocationChosen(path);
    });
    dialog->open();
}

void ProvisionDialog::addPort(const PortEntry &port)
{
    QTreeWidgetItem *row = rowFor(port.name, true);
    row->setDisabled(false);
    // A port that came back after a batch: ready for the next one.
    if (!isRunning())
        row->setText(OutcomeColumn, QString());
}

void ProvisionDialog::portVanished(const QString &name)
{
    // Another unit may come on it: what Detect found there no longer holds.
    m_detected.remove(name);
    // Kept, greyed out: its outcome stays readable.
    if (QTreeWidgetItem *row = rowFor(name, false))
        row->setDisabled(true);
    updateControls();
}

QTreeWidgetItem *ProvisionDialog::rowFor(const QString &port, bool create)
{
    for (int i = 0; i < ui->PortList->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = ui->PortList->topLevelItem(i);
        if (row->text(PortColumn) == port)
            return row;
    }
    if (!create)
        return nullptr;
    auto *row = new QTreeWidgetItem(ui->PortList, { port });
    // The unit's code is typed into its row, or scanned into it.
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
    // Nothing is written to a port the operator did not tick.
    row->setCheckState(PortColumn, Qt::Unchecked);
    auto *bar = new QProgressBar;
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    ui->PortList->setItemWidget(row, ProgressColumn, bar);
    row->setToolTip(PortColumn, port);
    fitPortList();
    return row;
}

void ProvisionDialog::on_StartButton_clicked()
{
    startBatch(false);
}

void ProvisionDialog::on_CheckButton_clicked()
{
    startBatch(true);
}

void ProvisionDialog::startBatch(bool checkOnly)
{
    if (isRunning())
        return;
    const ProvisionProfile *profile = chosenProfile();
    if (!profile) {
        say(ui->FormProfileButton->isChecked() ? m_formWhyNot : tr("Load a profile file first."), true);
        return;
    }
    if (m_mainLinkOpen) {
        say(tr("Disconnect in the main window first: it holds %1 open.").arg(m_mainPort), true);
        return;
    }
    QStringList ports = tickedPorts();
    // A port where Detect found another product fails at once, and says what
    // answered there, instead of after the report's timeout.
    QStringList otherProduct;
    for (const QString &port : std::as_const(ports)) {
        if (m_detected.contains(port) && m_detected.value(port) != profile->product)
            otherProduct << port;
    }
    if (!otherProduct.isEmpty() && otherProduct.size() == ports.size() && !ui->WatchBox->isChecked()) {
        for (const QString &port : std::as_const(otherProduct))
            markOtherProduct(port, profile->product);
        say(tr("Nothing was sent: Detect found another product on every ticked port."), true);
        return;
    }
    if (ports.isEmpty() && !ui->WatchBox->isChecked()) {
        say(tr("Tick the ports to write, or take each unit as it is plugged in."), true);
        return;
    }
    if (const QStringList same = portsOfOneDevice(ports); !same.isEmpty()) {
        say(tr("%1 and %2 are one device (%3): tick one of them. Nothing was sent.").arg(same.at(0), same.at(1), same.at(2)), true);
        return;
    }
    // The record first: no unit is written that it cannot account for. It
    // is opened and checked on its own thread; the start follows.
    Station *station = m_station ? m_station.data() : &m_ownStation;
    if (!station->recordsReady()) {
        if (!station->recordError().isEmpty()) {
            say(tr("The record %1 cannot be written: %2. Nothing was sent.").arg(m_recordLocation, station->recordError()), true);
            return;
        }
        m_startWhenOpen = checkOnly ? 1 : 0;
        say(tr("Opening the record %1…").arg(m_recordLocation));
        updateControls();
        return;
    }
    // Every code by the one rule, and each once, before any port opens.
    QStringList givenCodes = m_scannedCodes;
    for (const QString &port : std::as_const(ports))
        givenCodes << rowFor(port, false)->text(CodeColumn).trimmed();
    if (const QString problem = batchCodesProblem(givenCodes); !problem.isEmpty()) {
        say(tr("Nothing was sent: %1").arg(problem), true);
        return;
    }
    LinkConfig link;
    link.product = profile->product;
    link.module = profile->module;
    link.mode = profile->mode;
    // A check compares only what the profile names; a write's batch is one
    // network.
    const RadioSettings change = checkOnly ? profile->settings : withBatchNetworkAddress(profile->settings);
    // The station's one rule for unit addresses, as kvx-cli follows it.
    UnitAddressPlan plan;
    if (!checkOnly) {
        QString problem;
        if (!Station::planUnitAddresses(isMultipoint(link.mode) ? ui->UnitStartEdit->text() : QString(), change,
                                        link.mode, int(ports.size()), station->reserves(), &plan, &problem)) {
            say(tr("Nothing was sent: %1").arg(problem), true);
            return;
        }
    }

    for (const QString &port : ports) {
        QTreeWidgetItem *row = rowFor(port, false);
        row->setText(OutcomeColumn, QString());
        row->setToolTip(OutcomeColumn, QString());
        barOf(ui->PortList, row)->setValue(0);
        paintBar(barOf(ui->PortList, row), QColor());
    }
    m_batch = std::make_unique<ProvisionBatch>(link, change, plan.first);
    for (const QString &port : std::as_const(otherProduct)) {
        ports.removeAll(port);
        m_batch->skipPort(port, markOtherProduct(port, profile->product));
    }
    m_batch->setVerify(ui->VerifyBox->isChecked());
    m_batch->setQuickPauses(ui->QuickPausesBox->isChecked());
    m_batch->setCheckOnly(checkOnly);
    station->equip(*m_batch);
    QMap<QString, QString> codes;
    for (const QString &port : ports) {
        const QString code = rowFor(port, false)->text(CodeColumn).trimmed();
        if (!code.isEmpty())
            codes.insert(port, code);
    }
    m_batch->setUnitCodes(codes);
    for (const QString &code : std::as_const(m_scannedCodes))
        m_batch->queueUnitCode(code);
    m_scannedCodes.clear();
    connect(m_batch.get(), &ProvisionBatch::unitCodesQueued, this, &ProvisionDialog::showQueuedCodes);
    m_batch->setAutoUnitAddress(plan.fromRecord);
    connect(m_batch.get(), &ProvisionBatch::unitStarted, this, &ProvisionDialog::unitStarted);
    connect(m_batch.get(), &ProvisionBatch::unitProgress, this, &ProvisionDialog::unitProgress);
    connect(m_batch.get(), &ProvisionBatch::unitEnded, this, &ProvisionDialog::unitEnded);
    connect(m_batch.get(), &ProvisionBatch::finished, this, &ProvisionDialog::batchFinished);
    if (ui->WatchBox->isChecked()) {
        m_batch->watch(QString());
        say(checkOnly ? tr("Waiting for units: each port that appears is checked after a second to settle. Stop ends it.")
                      : tr("Waiting for units: each port that appears is written after a second to settle. Stop ends it."));
    } else {
        say(QString());
    }
    ui->SummaryLabel->clear();
    updateControls();
    emit runningChanged(true);
    m_batch->startPorts(ports);
}

void ProvisionDialog::on_StopButton_clicked()
{
    if (!isRunning())
        return;
    if (!batchRunning()) {
        // The start still waited for the record: nothing went out.
        m_startWhenOpen = -1;
        say(tr("Stopped before the start: nothing was sent."));
        updateControls();
        return;
    }
    say(tr("Stopping: each unit ends at a safe point (before AT&W nothing more is sent; after it the store is waited out)."));
    m_batch->stop();
}

QString ProvisionDialog::markOtherProduct(const QString &port, Product wanted)
{
    QTreeWidgetItem *row = rowFor(port, false);
    if (!row)
        return QString();
    const QString text = tr("not written: a %1 answered here, the profile is for a %2")
                             .arg(productCaption(m_detected.value(port)), productCaption(wanted));
    row->setText(OutcomeColumn, text);
    row->setToolTip(OutcomeColumn, text);
    row->setToolTip(PortColumn, port + QLatin1Char('\n') + text);
    row->setForeground(OutcomeColumn, QColor(190, 0, 0));
    barOf(ui->PortList, row)->setValue(0);
    paintBar(barOf(ui->PortList, row), QColor(190, 0, 0));
    return text;
}

void ProvisionDialog::unitStarted(UnitJob *unit)
{
    QTreeWidgetItem *row = rowFor(unit->config().port, true);
    row->setText(OutcomeColumn, stepWords(UnitStep::Connecting));
    row->setToolTip(OutcomeColumn, QString());
    row->setForeground(OutcomeColumn, palette().color(QPalette::WindowText));
    row->setText(CodeColumn, unit->unitCode());
    barOf(ui->PortList, row)->setValue(0);
    paintBar(barOf(ui->PortList, row), QColor());
}

void ProvisionDialog::codeScanned()
{
    const QString code = ui->BatchCodeEdit->text().trimmed();
    ui->BatchCodeEdit->clear();
    if (code.isEmpty())
        return;
    QStringList given = m_scannedCodes;
    for (int i = 0; i < ui->PortList->topLevelItemCount(); ++i)
        given << ui->PortList->topLevelItem(i)->text(CodeColumn);
    QString problem = unitCodeProblem(code);
    if (problem.isEmpty() && given.contains(code))
        problem = batchCodesProblem({ code, code });
    if (!problem.isEmpty()) {
        say(tr("Not taken: %1").arg(problem), true);
        return;
    }
    // On the assembly line the code waits for the next unit plugged in.
    if (batchRunning() && m_batch->isWatching()) {
        m_batch->queueUnitCode(code);
        return;
    }
    if (!batchRunning() && ui->WatchBox->isChecked()) {
        m_scannedCodes << code;
        showQueuedCodes(m_scannedCodes);
        return;
    }
    // Otherwise into the selected row, or the first ticked one without a code.
    QTreeWidgetItem *row = ui->PortList->currentItem();
    if (!row || !row->text(CodeColumn).isEmpty()) {
        row = nullptr;
        for (int i = 0; i < ui->PortList->topLevelItemCount() && !row; ++i) {
            QTreeWidgetItem *candidate = ui->PortList->topLevelItem(i);
            if (candidate->checkState(PortColumn) == Qt::Checked && candidate->text(CodeColumn).isEmpty())
                row = candidate;
        }
    }
    if (!row) {
        say(tr("Unit code %1: select the row of its port first.").arg(code), true);
        return;
    }
    row->setText(CodeColumn, code);
    row->setCheckState(PortColumn, Qt::Checked);
    say(QString());
}

void ProvisionDialog::showQueuedCodes(const QStringList &codes)
{
    say(codes.isEmpty() ? QString()
                        : tr("Codes waiting for the next units plugged in: %1").arg(codes.join(QStringLiteral(", "))));
}

void ProvisionDialog::unitProgress(UnitJob *unit, UnitStep step, int line, int lines)
{
    QTreeWidgetItem *row = rowFor(unit->config().port, true);
    if (step != UnitStep::Closing && step != UnitStep::Finished)
        barOf(ui->PortList, row)->setValue(progressFor(step, line, lines));
    const QString words = stepWords(step, line, lines);
    if (!words.isEmpty())
        row->setText(OutcomeColumn, words);
}

void ProvisionDialog::unitEnded(UnitJob *unit)
{
    QTreeWidgetItem *row = rowFor(unit->config().port, true);
    const UnitOutcome &o = unit->outcome();
    // A unit that took everything fills its bar; one that failed keeps it
    // where it got to.
    QProgressBar *bar = barOf(ui->PortList, row);
    if (o.isGood() || o.result == UnitOutcome::Differs)
        bar->setValue(100);
    paintBar(bar, colourFor(o));
    QString text = o.resultWords();
    if (o.stored && isMultipoint(unit->config().mode))
        text += tr(" (unit address %1)").arg(addressText(o.settings, Reg::UnitAddress));
    text += o.recordNote();
    // A long outcome is cut in the column, whole in its tooltip.
    row->setText(OutcomeColumn, text);
    row->setToolTip(OutcomeColumn, text);
    row->setToolTip(PortColumn, unit->config().port + QLatin1Char('\n') + text);
    row->setForeground(OutcomeColumn, colourFor(o));
    if (ui->LabelBox->isChecked() && o.isGood() && o.result == UnitOutcome::Verified) {
        QString error;
        const QString path = writeUnitLabel(recordFor(o, unit->config(), (m_station ? m_station.data() : &m_ownStation)->identity(), unit->unitCode()), &error);
        if (path.isEmpty())
            say(tr("The label of %1 could not be written: %2").arg(unit->config().port, error), true);
    }
}

void ProvisionDialog::batchFinished()
{
    ui->SummaryLabel->setText(m_batch->summary());
    ui->SummaryLabel->setToolTip(m_batch->summary());
    fitWrappedLabels();
    const bool allGood = m_batch->goodCount() == m_batch->portCount();
    ui->SummaryLabel->setStyleSheet(allGood ? QStringLiteral("color: rgb(0, 120, 0);") : QStringLiteral("color: rgb(190, 0, 0);"));
    say(QString());
    updateControls();
    emit runningChanged(false);
}

QStringList ProvisionDialog::tickedPorts() const
{
    QStringList ports;
    for (int i = 0; i < ui->PortList->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = ui->PortList->topLevelItem(i);
        if (row->checkState(PortColumn) == Qt::Checked && !row->isDisabled())
            ports << row->text(PortColumn);
    }
    return ports;
}

void ProvisionDialog::on_DetectButton_clicked()
{
    const QStringList ports = tickedPorts();
    if (ports.isEmpty() || isRunning() || !m_detectors.empty())
        return;
    // Each ticked port on a link of its own, all at once.
    for (const QString &port : ports) {
        auto detector = std::make_unique<UnitDetector>(port);
        UnitDetector *unit = detector.get();
        connect(unit, &UnitDetector::trying, this, [this, unit](Product product) {
            QTreeWidgetItem *row = rowFor(unit->port(), true);
            row->setText(OutcomeColumn, tr("trying %1 at %2 baud…").arg(productCaption(product)).arg(lineBaudFor(product)));
            row->setForeground(OutcomeColumn, palette().color(QPalette::WindowText));
        });
        connect(unit, &UnitDetector::done, this, [this, unit] { detected(unit); }, Qt::QueuedConnection);
        m_detectors.push_back(std::move(detector));
    }
    ui->DetectLabel->setText(tr("Detecting the units on %n port(s)…", nullptr, int(ports.size())));
    updateControls();
    for (const auto &detector : m_detectors)
        detector->start();
}

void ProvisionDialog::detected(UnitDetector *detector)
{
    QTreeWidgetItem *row = rowFor(detector->port(), true);
    QString text;
    m_detected.remove(detector->port());
    if (!detector->product()) {
        text = detector->failure();
        row->setForeground(OutcomeColumn, QColor(190, 0, 0));
    } else {
        const RadioSettings &s = detector->settings();
        QStringList settings;
        for (int reg : { int(Reg::WorkMode), int(Reg::SerialBaud), int(Reg::LinkRate), int(Reg::OutputPower) }) {
            if (const QString reading = detector->reading(reg); !reading.isEmpty())
                settings << reading;
        }
        settings << tr("network address %1").arg(addressText(s, Reg::NetworkAddress));
        if (s.has(Reg::UnitAddress))
            settings << tr("unit address %1").arg(addressText(s, Reg::UnitAddress));
        text = tr("a %1 answered; module %2 (%3)")
                   .arg(productCaption(*detector->product()), detector->modulesText(), settings.join(QStringLiteral(", ")));
        m_detected.insert(detector->port(), *detector->product());
        row->setForeground(OutcomeColumn, palette().color(QPalette::WindowText));
    }
    row->setText(OutcomeColumn, text);
    row->setToolTip(OutcomeColumn, text);
    if (std::all_of(m_detectors.begin(), m_detectors.end(), [](const auto &d) { return d->isDone(); })) {
        // The last one: each port's answer is on its row, the label says where.
        ui->DetectLabel->setText(m_detectors.size() == 1 ? QStringLiteral("%1: %2").arg(detector->port(), text)
                                                         : tr("Detected: each port's answer is on its row."));
        m_detectors.clear();
    }
    updateControls();
}

void ProvisionDialog::on_CloseButton_clicked()
{
    close();
}

void ProvisionDialog::closeEvent(QCloseEvent *event)
{
    // Units half written must end at their safe points first.
    if (isRunning() || !m_detectors.empty()) {
        say(tr("Stop the batch first; the window closes once every unit has ended."), true);
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ProvisionDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setRecordLocation(m_recordLocation);
        showProfile();
    }
    QDialog::changeEvent(event);
}

void ProvisionDialog::updateControls()
{
    const bool running = isRunning();
    const bool detecting = !m_detectors.empty();
    ui->ProfileGroup->setEnabled(!running);
    ui->UnitStartEdit->setEnabled(!running && chosenProfile() && isMultipoint(chosenProfile()->mode));
    ui->VerifyBox->setEnabled(!running);
    ui->WatchBox->setEnabled(!running);
    ui->QuickPausesBox->setEnabled(!running);
    ui->RecordButton->setEnabled(!running);
    ui->StartButton->setEnabled(!running && !detecting && !m_mainLinkOpen && chosenProfile());
    ui->CheckButton->setEnabled(ui->StartButton->isEnabled());
    ui->StopButton->setEnabled(running);
    ui->CloseButton->setEnabled(!running && !detecting);
    ui->DetectButton->setEnabled(!running && !detecting && !tickedPorts().isEmpty() && !m_mainLinkOpen);
    if (m_mainLinkOpen)
        say(tr("Disconnect in the main window first: it holds %1 open.").arg(m_mainPort), true);
    // A Start that cannot be pressed says why, where it is.
    QString why;
    if (!running && !ui->StartButton->isEnabled()) {
        if (detecting)
            why = tr("Start waits for Detect to end.");
        else if (m_mainLinkOpen)
            why = tr("Start waits: the main window holds %1 open.").arg(m_mainPort);
        else if (ui->FormProfileButton->isChecked())
            why = tr("Start needs a profile: %1").arg(m_formWhyNot);
        else
            why = tr("Start needs a profile: load a profile file first.");
    }
    ui->StartWhyLabel->setText(why);
    fitWrappedLabels();
}

void ProvisionDialog::say(const QString &text, bool failure)
{
    ui->NoticeLabel->setText(text);
    ui->NoticeLabel->setStyleSheet(failure ? QStringLiteral("color: rgb(190, 0, 0);") : QString());
    fitWrappedLabels();
}
