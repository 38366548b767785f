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
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <algorithm>
#include <cstdio>

#include "print/dayreport.h"
#include "print/unitlabel.h"
#include "records/recordfigures.h"
#include "records/recordlocation.h"
#include "records/recordstore.h"

namespace {

struct PrintText {
    Q_DECLARE_TR_FUNCTIONS(KvxPrint)
};

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
        throw Failure { Usage, PrintText::tr("--%1 %2: give a date (2026-12-08) or a time (2026-12-08T14:00)").arg(name, text) };
    return time.toUTC();
}

// The range of --day, or --from / --to; today when none is given.
QPair<QDateTime, QDateTime> rangeOf(const QCommandLineParser &parser)
{
    if (parser.isSet(QStringLiteral("day"))) {
        const QDate day = QDate::fromString(parser.value(QStringLiteral("day")), Qt::ISODate);
        if (!day.isValid())
            throw Failure { Usage, PrintText::tr("--day %1: give a date, e.g. 2026-12-08").arg(parser.value(QStringLiteral("day"))) };
        return dayRange(day);
    }
    if (!parser.isSet(QStringLiteral("from")))
        return dayRange(QDate::currentDate());
    const QDateTime from = timeOption(parser, QStringLiteral("from"));
    const QDateTime to = parser.isSet(QStringLiteral("to")) ? timeOption(parser, QStringLiteral("to"))
                                                            : QDateTime::currentDateTimeUtc().addSecs(1);
    if (to <= from)
        throw Failure { Usage, PrintText::tr("--to must come after --from") };
    return { from, to };
}

QList<RecordRow> recordRows(const QCommandLineParser &parser)
{
    const QString location = parser.value(QStringLiteral("record"));
    if (location.isEmpty())
        throw Failure { Usage, PrintText::tr("--record is needed") };
    const std::unique_ptr<RecordStore> record = openRecord(location);
    QString error;
    if (!record->openExisting(&error))
        throw Failure { Usage, QStringLiteral("--record %1: %2").arg(record->name(), error) };
    const QList<RecordRow> rows = record->rows(&error);
    if (!error.isEmpty())
        throw Failure { RecordFailed, QStringLiteral("--record %1: %2").arg(record->name(), error) };
    return rows;
}

// The verified units asked for: the last one of a code, every unit of a
// network (each unit address's last row that configured it) or the one of
// --unit, or every one of a time range; in the record's order.
QList<UnitRecord> unitsToLabel(const QCommandLineParser &parser, const QList<RecordRow> &rows)
{
    QList<UnitRecord> chosen;
    const bool byCode = parser.isSet(QStringLiteral("serial"));
    const bool byUnit = parser.isSet(QStringLiteral("network"));
    const bool byTime = parser.isSet(QStringLiteral("from")) || parser.isSet(QStringLiteral("day"));
    if (int(byCode) + int(byUnit) + int(byTime) != 1)
        throw Failure { Usage, PrintText::tr("name the units by one of --serial CODE, --network N [--unit U], "
                                             "or --from TIME [--to TIME]") };
    if (parser.isSet(QStringLiteral("unit")) && !byUnit)
        throw Failure { Usage, PrintText::tr("--unit goes with --network") };
    const auto verified = [](const RecordRow &row) { return !row.superseded && row.record.result == QLatin1String("verified"); };
    if (byTime) {
        const auto [from, to] = rangeOf(parser);
        for (const RecordRow &row : rows) {
            if (verified(row) && row.record.time >= from && row.record.time < to)
                chosen << row.record;
        }
        return chosen;
    }
    if (byCode) {
        const QString code = parser.value(QStringLiteral("serial")).trimmed();
        for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
            if (verified(*it) && it->record.serial == code)
                return { it->record };
        }
        return chosen;
    }
    const auto number = [&](const QString &name) {
        bool ok = false;
        const qulonglong value = parser.value(name).toULongLong(&ok);
        if (!ok || value > qulonglong(MaxAddress))
            throw Failure { Usage, PrintText::tr("--%1 %2: must be a whole number 0 … %3").arg(name, parser.value(name)).arg(MaxAddress) };
        return QString::number(value);
    };
    const QString network = number(QStringLiteral("network"));
    const QString unit = parser.isSet(QStringLiteral("unit")) ? number(QStringLiteral("unit")) : QString();
    // A unit is the last row that configured its unit address (a unit of
    // a point-to-point pair has none: each verified row, the last of its
    // code); it is labelled when that row is verified.
    QMap<QString, qsizetype> lastOf;
    QList<UnitRecord> units;
    for (const RecordRow &row : rows) {
        const UnitRecord &r = row.record;
        if (row.superseded || recordNetworkAddress(r) != network || !holdsItsAddress(row))
            continue;
        if (!unit.isEmpty() && recordUnitAddress(r) != unit)
            continue;
        const QString key = !recordUnitAddress(r).isEmpty() ? QStringLiteral("unit ") + recordUnitAddress(r)
                            : !r.serial.isEmpty()           ? QStringLiteral("code ") + r.serial
                                                            : QStringLiteral("row %1").arg(units.size());
        const auto seen = lastOf.constFind(key);
        if (seen != lastOf.cend()) {
            units[seen.value()] = r;
        } else {
            lastOf.insert(key, units.size());
            units << r;
        }
    }
    for (const UnitRecord &r : units) {
        if (r.result == QLatin1String("verified"))
            chosen << r;
    }
    return chosen;
}

int label(const QCommandLineParser &parser)
{
    LabelSize size = LabelSize::Label62x29;
    if (parser.isSet(QStringLiteral("size")) && !labelSizeForKey(parser.value(QStringLiteral("size")), &size))
        throw Failure { Usage, PrintText::tr("--size %1: allowed: 62x29, 50x25, a4").arg(parser.value(QStringLiteral("size"))) };
    const bool toPrinter = parser.isSet(QStringLiteral("printer"));
    const QString pdf = parser.value(QStringLiteral("pdf"));
    if (toPrinter == !pdf.isEmpty())
        throw Failure { Usage, PrintText::tr("give --pdf FILE or --printer NAME (default: the system's default)") };
    const QList<UnitRecord> units = unitsToLabel(parser, recordRows(parser));
    if (units.isEmpty())
        throw Failure { Usage, PrintText::tr("the record holds no verified unit of that choice") };
    QString error;
    QString printer = parser.value(QStringLiteral("printer"));
    if (printer == QLatin1String("default"))
        printer.clear();
    const bool done = toPrinter ? printLabels(units, size, printer, &error)
                                : writeLabelsPdf(units, size, pdf, &error);
    if (!done)
        throw Failure { RecordFailed, PrintText::tr("no label was made: %1").arg(error) };
    QTextStream(stdout) << (toPrinter ? PrintText::tr("%n label(s) to the printer", nullptr, int(units.size()))
                                      : PrintText::tr("%n label(s) to %1", nullptr, int(units.size())).arg(pdf))
                        << Qt::endl;
    return 0;
}

int report(const QCommandLineParser &parser)
{
    const QString html = parser.value(QStringLiteral("html"));
    const QString pdf = parser.value(QStringLiteral("pdf"));
    if (html.isEmpty() && pdf.isEmpty())
        throw Failure { Usage, PrintText::tr("give --html FILE, --pdf FILE or both") };
    const auto [from, to] = rangeOf(parser);
    const RecordFigures figures = recordFigures(recordRows(parser), from, to);
    const QString title = from.secsTo(to) == 24 * 3600 || parser.isSet(QStringLiteral("day"))
                              ? PrintText::tr("Units of %1").arg(from.toLocalTime().date().toString(Qt::ISODate))
                              : PrintText::tr("Units from %1 to %2")
                                    .arg(from.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                         to.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    QString error;
    if (!html.isEmpty() && !writeReportHtml(figures, title, html, &error))
        throw Failure { RecordFailed, QStringLiteral("--html %1: %2").arg(html, error) };
    if (!pdf.isEmpty() && !writeReportPdf(figures, title, pdf, &error))
        throw Failure { RecordFailed, QStringLiteral("--pdf %1: %2").arg(pdf, error) };
    QTextStream(stdout) << PrintText::tr("%1 good units of %2 attempts").arg(figures.total.good).arg(figures.total.attempts)
                        << Qt::endl;
    return 0;
}


// The toolkit's notes about folders it made up for itself (no
// XDG_RUNTIME_DIR in a service or over ssh) are no concern of the user's.
void quietAboutRuntimeFolders(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    const QByteArray text = qFormatLogMessage(type, context, message).toLocal8Bit();
    std::fprintf(stderr, "%s\n", text.constData());
}

// The catalogue of the system's language, as kvx-cli loads it, from beside
// this program.
bool loadCatalogue(QTranslator &translator)
{
    const bool chinese = QLocale::system().name() == QLatin1String("zh_CN");
    return translator.load(QLatin1String(chinese ? "chinese.qm" : "english.qm"),
                           QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietAboutRuntimeFolders);
    // Labels and reports need no screen: drawn offscreen where there is none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTranslator translator;
    if (loadCatalogue(translator))
        QCoreApplication::installTranslator(&translator);
    // It speaks as the command that was run (kvx-cli runs it), naming that
    // command's help.
    const QString speaker = qEnvironmentVariableIsEmpty("KVX_PRINT_AS") ? QStringLiteral("kvx-print")
                                                                          : qEnvironmentVariable("KVX_PRINT_AS");
    QCommandLineParser parser;
    parser.addOptions({
        { "record", "The record.", "RECORD" }, { "serial", "A unit's code.", "CODE" },
        { "network", "Network address.", "N" }, { "unit", "Unit address.", "U" },
        { "from", "From this time.", "TIME" }, { "to", "Until this time.", "TIME" },
        { "day", "This day.", "DATE" }, { "size", "Label size.", "SIZE" }, { "pdf", "PDF file.", "FILE" },
        { "printer", "A printer.", "NAME" }, { "html", "HTML file.", "FILE" }, { "quiet", "No progress." },
    });
    const QStringList positional = parser.parse(app.arguments()) ? parser.positionalArguments() : QStringList();
    const bool labels = positional.value(0) == QLatin1String("label");
    const bool report = positional.value(0) == QLatin1String("report") || positional.mid(0, 2) == QStringList { "record", "report" };
    const QString help = speaker + (labels ? QStringLiteral(" help label") : report ? QStringLiteral(" help record") : QStringLiteral(" --help"));
    try {
        if (!parser.unknownOptionNames().isEmpty())
            throw Failure { Usage, PrintText::tr("--%1: no such option (see %2)").arg(parser.unknownOptionNames().first(), help) };
        if (!parser.errorText().isEmpty())
            throw Failure { Usage, PrintText::tr("%1 (see %2)").arg(parser.errorText(), help) };
        if (labels)
            return label(parser);
        if (report)
            return ::report(parser);
        throw Failure { Usage, PrintText::tr("give label or report") };
    } catch (const Failure &failure) {
        QTextStream(stderr) << speaker << ": " << failure.message
                            << (failure.status == Usage && !failure.message.contains(QLatin1String("(see "))
                                    ? QStringLiteral(" (see %1)").arg(help)
                                    : QString())
                            << Qt::endl;
        return failure.status;
    }
}
