// kvx-print: a unit's labels and the day's report from a record, for
// `kvx-cli label` and `kvx-cli record report`. Its own program because it
// needs Qt Gui (fonts, the PDF writer, printers), which kvx-cli never
// loads; without a display it draws offscreen.
//
//   kvx-print label --record R (--serial CODE | --network N [--unit U] | --from T [--to T])
//                   [--size 62x29|50x25|a4] (--pdf FILE | --printer NAME)
//   kvx-print report --record R [--day DATE | --from T [--to T]] [--html FILE] [--pdf FILE]
//
// Exit status: 0 done, 1 usage or nothing to label, 7 the record or a file
// could not be read or written.

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

#include "print/dayreport.h"
#include "print/unitlabel.h"
#include "records/recordfigures.h"
#include "records/recordlocation.h"

namespace {

constexpr int Usage = 1;
constexpr int RecordFailed = 7;

struct Failure {
    int status;
    QString message;
};

QDateTime timeOption(const QCommandLineParser &parser, const QString &name)
{
    const QString text = parser.value(name);
    QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    if (!time.isValid()) {
        const QDate day = QDate::fromString(text, Qt::ISODate);
        if (day.isValid())
            time = QDateTime(day, QTime(0, 0));
    }
    if (!time.isValid())
        throw Failure { Usage, QStringLiteral("--%1 %2: give a date (2026-12-08) or a time (2026-12-08T14:00)").arg(name, text) };
    return time.toUTC();
}

// The range of --day, or --from / --to; today when none is given.
QPair<QDateTime, QDateTime> rangeOf(const QCommandLineParser &parser)
{
    if (parser.isSet(QStringLiteral("day"))) {
        const QDate day = QDate::fromString(parser.value(QStringLiteral("day")), Qt::ISODate);
        if (!day.isValid())
            throw Failure { Usage, QStringLiteral("--day %1: give a date, e.g. 2026-12-08").arg(parser.value(QStringLiteral("day"))) };
        return dayRange(day);
    }
    if (!parser.isSet(QStringLiteral("from")))
        return dayRange(QDate::currentDate());
    const QDateTime from = timeOption(parser, QStringLiteral("from"));
    const QDateTime to = parser.isSet(QStringLiteral("to")) ? timeOption(parser, QStringLiteral("to"))
                                                            : QDateTime::currentDateTimeUtc().addSecs(1);
    if (to <= from)
        throw Failure { Usage, QStringLiteral("--to must come after --from") };
    return { from, to };
}

QList<RecordRow> recordRows(const QCommandLineParser &parser)
{
    const QString location = parser.value(QStringLiteral("record"));
    if (location.isEmpty())
        throw Failure { Usage, QStringLiteral("--record is needed") };
    const std::unique_ptr<RecordStore> record = openRecord(location);
    QString error;
    if (!record->openExisting(&error))
        throw Failure { Usage, QStringLiteral("--record %1: %2").arg(record->name(), error) };
    const QList<RecordRow> rows = record->rows(&error);
    if (!error.isEmpty())
        throw Failure { RecordFailed, QStringLiteral("--record %1: %2").arg(record->name(), error) };
    return rows;
}

// The verified units asked for: the last one of a code or of a unit
// address, or every one of a time range, in the record's order.
QList<UnitRecord> unitsToLabel(const QCommandLineParser &parser, const QList<RecordRow> &rows)
{
    QList<UnitRecord> chosen;
    const bool byCode = parser.isSet(QStringLiteral("serial"));
    const bool byUnit = parser.isSet(QStringLiteral("network"));
    const bool byTime = parser.isSet(QStringLiteral("from")) || parser.isSet(QStringLiteral("day"));
    if (int(byCode) + int(byUnit) + int(byTime) != 1)
        throw Failure { Usage, QStringLiteral("label: name the units by one of --serial CODE, --network N [--unit U], "
                                              "or --from TIME [--to TIME]") };
    const auto verified = [](const RecordRow &row) { return !row.superseded && row.record.result == QLatin1String("verified"); };
    if (byTime) {
        const auto [from, to] = rangeOf(parser);
        for (const RecordRow &row : rows) {
            if (verified(row) && row.record.time >= from && row.record.time < to)
                chosen << row.record;
        }
        return chosen;
    }
    const QString code = parser.value(QStringLiteral("serial")).trimmed();
    const QString network = parser.value(QStringLiteral("network"));
    const QString unit = parser.value(QStringLiteral("unit"));
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        const UnitRecord &r = it->record;
        if (!verified(*it))
            continue;
        const bool match = byCode ? r.serial == code
                                  : recordNetworkAddress(r) == QString::number(network.toLongLong())
                                        && (unit.isEmpty() || recordUnitAddress(r) == QString::number(unit.toLongLong()));
        if (match)
            return { r };
    }
    return chosen;
}

int label(const QCommandLineParser &parser)
{
    LabelSize size = LabelSize::Label62x29;
    if (parser.isSet(QStringLiteral("size")) && !labelSizeForKey(parser.value(QStringLiteral("size")), &size))
        throw Failure { Usage, QStringLiteral("--size %1: allowed: 62x29, 50x25, a4").arg(parser.value(QStringLiteral("size"))) };
    const bool toPrinter = parser.isSet(QStringLiteral("printer"));
    const QString pdf = parser.value(QStringLiteral("pdf"));
    if (toPrinter == !pdf.isEmpty())
        throw Failure { Usage, QStringLiteral("label: give --pdf FILE or --printer NAME (default: the system's default)") };
    const QList<UnitRecord> units = unitsToLabel(parser, recordRows(parser));
    if (units.isEmpty())
        throw Failure { Usage, QStringLiteral("label: the record holds no verified unit of that choice") };
    QString error;
    QString printer = parser.value(QStringLiteral("printer"));
    if (printer == QLatin1String("default"))
        printer.clear();
    const bool done = toPrinter ? printLabels(units, size, printer, &error)
                                : writeLabelsPdf(units, size, pdf, &error);
    if (!done)
        throw Failure { RecordFailed, QStringLiteral("label: %1").arg(error) };
    QTextStream(stdout) << units.size() << (units.size() == 1 ? " label" : " labels") << " to "
                        << (toPrinter ? QStringLiteral("the printer") : pdf) << Qt::endl;
    return 0;
}

int report(const QCommandLineParser &parser)
{
    const QString html = parser.value(QStringLiteral("html"));
    const QString pdf = parser.value(QStringLiteral("pdf"));
    if (html.isEmpty() && pdf.isEmpty())
        throw Failure { Usage, QStringLiteral("record report: give --html FILE, --pdf FILE or both") };
    const auto [from, to] = rangeOf(parser);
    const RecordFigures figures = recordFigures(recordRows(parser), from, to);
    const QString title = from.secsTo(to) == 24 * 3600 || parser.isSet(QStringLiteral("day"))
                              ? QStringLiteral("Units of %1").arg(from.toLocalTime().date().toString(Qt::ISODate))
                              : QStringLiteral("Units from %1 to %2")
                                    .arg(from.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                         to.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    QString error;
    if (!html.isEmpty() && !writeReportHtml(figures, title, html, &error))
        throw Failure { RecordFailed, QStringLiteral("--html %1: %2").arg(html, error) };
    if (!pdf.isEmpty() && !writeReportPdf(figures, title, pdf, &error))
        throw Failure { RecordFailed, QStringLiteral("--pdf %1: %2").arg(pdf, error) };
    QTextStream(stdout) << figures.total.good << " good units of " << figures.total.attempts << " attempts" << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Labels and reports need no screen: drawn offscreen where there is none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({
        { "record", "The record.", "RECORD" }, { "serial", "A unit's code.", "CODE" },
        { "network", "Network address.", "N" }, { "unit", "Unit address.", "U" },
        { "from", "From this time.", "TIME" }, { "to", "Until this time.", "TIME" },
        { "day", "This day.", "DATE" }, { "size", "Label size.", "SIZE" }, { "pdf", "PDF file.", "FILE" },
        { "printer", "A printer.", "NAME" }, { "html", "HTML file.", "FILE" }, { "quiet", "No progress." },
    });
    if (!parser.parse(app.arguments())) {
        QTextStream(stderr) << "kvx-print: " << parser.errorText() << Qt::endl;
        return Usage;
    }
    const QStringList positional = parser.positionalArguments();
    try {
        if (positional.value(0) == QLatin1String("label"))
            return label(parser);
        if (positional.value(0) == QLatin1String("report") || positional.mid(0, 2) == QStringList { "record", "report" })
            return report(parser);
        throw Failure { Usage, QStringLiteral("give label or report") };
    } catch (const Failure &failure) {
        QTextStream(stderr) << "kvx-print: " << failure.message << Qt::endl;
        return failure.status;
    }
}
