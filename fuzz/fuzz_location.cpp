// The record's location as the operator types it (--record, the window's
// record field): a CSV file, a database file or a postgresql:// name.
// Input: one byte choosing how the rest is read, then
//  - any location (even byte): it is read without a crash, a PostgreSQL
//    name is shown as a PostgreSQL name that reads as itself;
//  - a PostgreSQL name with a password in it (odd byte), put together from
//    the input's user, host, database and options around a password: the
//    password is never shown, and the record refuses the name before any
//    connection is tried.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QUrl>

#include "fuzz/fuzzcheck.h"
#include "records/databaserecord.h"
#include "records/recordlocation.h"

namespace {

const QString Password = QStringLiteral("Sekr1tPassw0rd");

// A part of the name, without the characters that would end it.
QString part(FuzzInput &in, const char *ends)
{
    QString text = QString::fromUtf8(in.text());
    for (const char *end = ends; *end; ++end)
        text.remove(QLatin1Char(*end));
    return text;
}

void anyLocation(FuzzInput &in)
{
    const QString location = QString::fromUtf8(in.bytes(in.left()));
    const RecordKind kind = recordKind(location);
    const QString shown = recordShownName(location);
    check(kind != RecordKind::None || shown.isEmpty(), "no record, no name");
    if (kind != RecordKind::Postgres)
        return;
    check(recordKind(shown) == RecordKind::Postgres, "a PostgreSQL record is shown as one");
    check(recordShownName(shown) == shown, "the name shown reads as the same record");
}

void withPassword(FuzzInput &in)
{
    const quint8 how = in.byte();
    const QString user = part(in, "@/?:");
    const QString host = part(in, "@/?");
    QString database = part(in, "?");
    if (database.isEmpty())
        database = QStringLiteral("units");
    const QString options = part(in, "");
    // Should no refusal come, the connection goes to a socket folder that
    // is not there: it fails at once, and the message tells.
    QString location = QStringLiteral("postgresql://") + user;
    location += how & 1 ? QStringLiteral(":") + Password + QStringLiteral("@") : QStringLiteral("@");
    location += host + QLatin1Char('/') + database + QStringLiteral("?host=/nonexistent/kvx-fuzz");
    if (!(how & 1))
        location += QStringLiteral("&password=") + Password;
    if (!options.isEmpty())
        location += QLatin1Char('&') + options;

    const QString rest = QString(location).remove(Password);
    const bool elsewhere = rest.contains(Password) || QUrl::fromPercentEncoding(rest.toUtf8()).contains(Password);
    const QString shown = recordShownName(location);
    check(elsewhere || !shown.contains(Password), "a password is never shown");

    DatabaseRecord record(location);
    check(elsewhere || !record.name().contains(Password), "a password is never in the record's name");
    QString error;
    check(!record.prepare(&error) && error.contains(QLatin1String("password does not belong")),
          "a name with a password is refused before connecting");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler(silence);
    // The database drivers are plugins, found through the application.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    if (in.byte() & 1)
        withPassword(in);
    else
        anyLocation(in);
    return 0;
}
