#include "app/recorddialog.h"
#include "ui_recorddialog.h"

#include <QDir>
#include <QPointer>
#include <QRegularExpressionValidator>

#include <memory>

#include "app/chartwidget.h"
#include "engine/unitoutcome.h"
#include "protocol/writeplan.h"
#include "records/recordfigures.h"
#include "records/recordlocation.h"
#include "records/recordstore.h"
#include "records/recordworker.h"

namespace {

// The columns shown: the CSV record's, then what a database adds.
QStringList rowFields(const RecordRow &row)
{
    const UnitRecord &r = row.record;
    QString result = resultCaption(r.result);
    if (row.superseded)
        result += QCoreApplication::translate("RecordDialog", " (superseded)");
    return QStringList { r.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                         r.station,
                         r.operatorName,
                         r.config.port,
                         productCaption(r.config.product),
                         moduleCaption(r.config.module),
                         isMultipoint(r.config.mode) ? QCoreApplication::translate("RecordDialog", "point to multipoint")
                                                     : QCoreApplication::translate("RecordDialog", "point to point"),
                         recordUnitAddress(r),
                         recordNetworkAddress(r) }
           + recordCaptions(r) + QStringList { result, r.detail, r.serial };
}

} // namespace

// On the worker's thread: the record's store and the rows read from it.
struct RecordDialog::Reader : QObject {
    std::unique_ptr<RecordStore> store;
    QList<RecordRow> rows;
    QString error;
    bool read = false;
};

struct RecordDialog::Shown {
    int asked = 0;
    QList<RecordRow> rows;
    QList<RecordFinding> findings;
    QString error;
};

RecordDialog::RecordDialog(const QString &location, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::RecordDialog)
    , m_location(location)
{
    ui->setupUi(this);
    m_worker = std::make_unique<RecordWorker>(QStringLiteral("kvx-record-view"));
    m_reader = new Reader;
    m_reader->moveToThread(m_worker->home()->thread());
    Reader *reader = m_reader;
    m_worker->post([reader, home = m_worker->home(), location] {
        reader->setParent(home);
        reader->store = openRecord(location);
    });
    ui->NetworkFilterEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), ui->NetworkFilterEdit));
    connect(ui->NetworkFilterEdit, &QLineEdit::textChanged, this, [this] { fill(ui->NetworkFilterEdit->text(), false); });
    connect(ui->ReloadButton, &QPushButton::clicked, this, &RecordDialog::reload);
    ui->DayEdit->setDate(QDate::currentDate());
    connect(ui->DayEdit, &QDateEdit::dateChanged, this, [this] { showDay(); });
    reload();
}

RecordDialog::~RecordDialog()
{
    delete ui;
}

void RecordDialog::reload()
{
    fill(ui->NetworkFilterEdit->text(), true);
}

void RecordDialog::fill(const QString &network, bool reread)
{
    ui->RecordNameLabel->setText(tr("Record: %1").arg(QDir::toNativeSeparators(m_location)));
    ui->FindingsLabel->setText(tr("Reading the record…"));
    ui->FindingsLabel->setStyleSheet(QString());
    const int asked = ++m_asked;
    Reader *reader = m_reader;
    QPointer<RecordDialog> self(this);
    m_worker->ask<Shown>(
        [reader, asked, network, reread] {
            Shown shown;
            shown.asked = asked;
            if (reread || !reader->read) {
                reader->error.clear();
                reader->rows = reader->store->rows(&reader->error);
                reader->read = true;
            }
            shown.error = reader->error;
            shown.rows = reader->rows;
            if (!network.isEmpty()) {
                const QString wanted = QString::number(addressFromText(network));
                shown.rows.erase(std::remove_if(shown.rows.begin(), shown.rows.end(),
                                                [&](const RecordRow &row) { return recordNetworkAddress(row.record) != wanted; }),
                                 shown.rows.end());
            }
            // The check runs on what is shown: a network's units among themselves.
            shown.findings = checkRecord(shown.rows);
            return shown;
        },
        [self](const Shown &shown) {
            // Only the answer to the last question asked is shown.
            if (self && shown.asked == self->m_asked)
                self->showRows(shown);
        });
}

void RecordDialog::showRows(const Shown &shown)
{
    ui->RecordTable->setColumnCount(17);
    ui->RecordTable->setHorizontalHeaderLabels({ tr("Time"), tr("Station"), tr("Operator"), tr("Port"), tr("Product"),
                                                 tr("Module"), tr("Mode"), tr("Unit address"), tr("Network address"),
                                                 tr("Work mode"), tr("Baud"), tr("Link rate"), tr("Power"),
                                                 tr("Repeater"), tr("Result"), tr("Differences"), tr("Unit code") });
    ui->RecordTable->setRowCount(0);
    if (!shown.error.isEmpty()) {
        ui->FindingsLabel->setText(tr("The record cannot be read: %1").arg(shown.error));
        ui->FindingsLabel->setStyleSheet(QStringLiteral("color: rgb(190, 0, 0);"));
        return;
    }
    const QList<RecordRow> &rows = shown.rows;
    m_rows = rows;
    showDay();
    const QList<RecordFinding> &findings = shown.findings;
    QMap<int, QColor> marked;
    for (const RecordFinding &finding : findings) {
        const QColor colour = finding.kind == RecordFinding::NeverVerified ? QColor(255, 236, 200) : QColor(255, 205, 205);
        for (int row : finding.rows) {
            if (!marked.contains(row) || finding.kind != RecordFinding::NeverVerified)
                marked.insert(row, colour);
        }
    }
    ui->RecordTable->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList fields = rowFields(rows.at(i));
        for (int column = 0; column < fields.size(); ++column) {
            auto *item = new QTableWidgetItem(fields.at(column));
            if (marked.contains(i))
                item->setBackground(marked.value(i));
            ui->RecordTable->setItem(i, column, item);
        }
    }
    ui->RecordTable->resizeColumnsToContents();
    QStringList said;
    for (const RecordFinding &finding : findings)
        said << finding.text;
    ui->FindingsLabel->setText(findings.isEmpty() ? tr("%n row(s); no conflicts.", nullptr, int(rows.size()))
                                                  : said.join(QLatin1Char('\n')));
    ui->FindingsLabel->setStyleSheet(findings.isEmpty() ? QString() : QStringLiteral("color: rgb(190, 0, 0);"));
}

void RecordDialog::showDay()
{
    while (QLayoutItem *item = ui->chartsLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const auto [from, to] = dayRange(ui->DayEdit->date());
    const RecordFigures figures = recordFigures(m_rows, from, to);
    const int percent = figures.total.attempts ? qRound(100.0 * figures.total.good / figures.total.attempts) : 0;
    ui->DaySummaryLabel->setText(tr("%1 good units of %2 attempts (%3 %)").arg(figures.total.good).arg(figures.total.attempts).arg(percent));
    // The report's charts, drawn as the report draws them: two by two.
    const QList<ChartData> charts = reportCharts(figures);
    for (int i = 0; i < charts.size(); ++i) {
        auto *chart = new ChartWidget(charts.at(i));
        chart->setObjectName(QStringLiteral("DayChart%1").arg(i));
        ui->chartsLayout->addWidget(chart, i / 2, i % 2);
    }
}

void RecordDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        reload();
    }
    QDialog::changeEvent(event);
}
