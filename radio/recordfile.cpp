#include "radio/recordfile.h"

#include <QFile>

#include "radio/radiosession.h"
#include "radio/writeplan.h"

QString recordResult(const SequenceResult &result)
{
    if (!result.stored)
        return QStringLiteral("failed");
    switch (result.verification) {
    case SequenceResult::Verified: return QStringLiteral("verified");
    case SequenceResult::Mismatch: return QStringLiteral("mismatch");
    case SequenceResult::NoAnswer: return QStringLiteral("failed");
    case SequenceResult::NotVerified: break;
    }
    return QStringLiteral("written");
}

const QStringList &recordHeader()
{
    static const QStringList header = { "time", "port", "product", "module", "mode", "unit_address",
                                        "network_address", "work_mode", "baud", "link_rate", "power",
                                        "repeater", "result", "differences" };
    return header;
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

namespace {

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << csvField(field);
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

// Addresses as the unit holds them (the form may show leading zeros).
QString addressOf(const QString &text)
{
    return text.isEmpty() ? QString() : QString::number(addressFromText(text));
}

} // namespace

bool appendRecord(const QString &path, const UnitRecord &r, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QString text;
    if (file.size() == 0) {
        text += csvLine(recordHeader());
    } else {
        // A crash in the middle of a row leaves it unterminated; end it, so
        // the new row does not run into it.
        char last = 0;
        if (file.seek(file.size() - 1) && file.getChar(&last) && last != '\n')
            text += QStringLiteral("\r\n");
    }
    const bool multipoint = r.config.modeId != 0;
    text += csvLine({ r.time.toUTC().toString(Qt::ISODate), r.config.port, productKey(r.config.productId),
                      moduleKey(r.config.moduleGroupId), modeKey(r.config.modeId),
                      multipoint ? addressOf(r.settings.unitAddress) : QString(), addressOf(r.settings.networkAddress),
                      r.settings.workMode,
                      r.settings.baud, r.settings.linkRate, r.settings.power, repeaterText(r.settings.repeaterRow), r.result,
                      describeDifferences(r.differences) });
    // One write of the whole row: with the file in append mode it lands after
    // everything written before, also by another process.
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            any = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
            any = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            if (any || !field.isEmpty()) {
                row << field;
                rows << row;
            }
            row.clear();
            field.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || !field.isEmpty()) {
        row << field;
        rows << row;
    }
    return rows;
}

QList<QStringList> readRecordRows(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseCsv(QString::fromUtf8(file.readAll()));
}

bool recordHoldsUnit(const QString &path, const QString &unitAddress, const QString &networkAddress)
{
    const int unitColumn = int(recordHeader().indexOf(QStringLiteral("unit_address")));
    const int networkColumn = int(recordHeader().indexOf(QStringLiteral("network_address")));
    const QList<QStringList> rows = readRecordRows(path);
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QStringList &row = rows.at(i);
        if (row.size() > networkColumn && row.at(unitColumn) == addressOf(unitAddress)
            && row.at(networkColumn) == addressOf(networkAddress))
            return true;
    }
    return false;
}
