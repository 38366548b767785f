// kvx-cli serve: the line at a glance, read-only, until a stop signal.

#include "cli/cli.h"

#include <QCoreApplication>
#include <QTimer>

#include "cli/exitstatus.h"
#include "records/recordlocation.h"
#include "server/lineserver.h"

namespace {

// Opening a record waits at most this long (a server's connect has its own
// bound of 5 s).
constexpr int OpenLimitMs = 30000;

} // namespace

int Cli::serve(const QStringList &arguments)
{
    if (arguments.size() > 1)
        throw UsageError { tr("serve takes no file") };
    ServeSettings settings;
    settings.record = need("record");
    if (!isDatabaseRecord(settings.record))
        throw UsageError { tr("--record %1: serve reads a database record (a SQLite file or postgresql://…); "
                              "a CSV journal goes into one with kvx-cli record import").arg(settings.record) };
    QString error;
    if (m_parser.isSet(QStringLiteral("listen"))
        && !parseListenAddress(m_parser.value(QStringLiteral("listen")), &settings.address, &settings.port, &error))
        throw UsageError { error };
    if (m_parser.isSet(QStringLiteral("token-file"))
        && !readTokenFile(m_parser.value(QStringLiteral("token-file")), &settings.token, &error))
        throw UsageError { error };
    // Other computers see the line only with the token.
    if (!settings.address.isLoopback() && settings.token.isEmpty())
        throw UsageError { tr("--listen %1: an address other computers reach needs --token-file FILE")
                               .arg(m_parser.value(QStringLiteral("listen"))) };
    settings.reservationTimeoutS = reservationTimeout();
    settings.catalogues = catalogueFolder();

    LineServer server(settings);
    bool answered = false;
    bool ok = false;
    QObject::connect(&server, &LineServer::ready, &m_app, [&](bool opened, const QString &reason) {
        answered = true;
        ok = opened;
        error = reason;
        m_app.quit();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &m_app, [&] {
        error = tr("the record did not answer within %1 s").arg(OpenLimitMs / 1000);
        m_app.quit();
    });
    QObject stopWatch;
    StopSignals::onFirst(&stopWatch, [this] { m_app.quit(); });
    server.start();
    limit.start(OpenLimitMs);
    m_app.exec();
    limit.stop();
    if (StopSignals::received())
        return stoppedStatus(StopSignals::received());
    if (!answered || !ok) {
        m_board->printFailure(QStringLiteral("--record %1: %2").arg(recordShownName(settings.record), error));
        return Usage;
    }
    if (!server.startListening(&error)) {
        m_board->printFailure(error);
        return CannotOpen;
    }
    // The address on stdout (a script started with port 0 learns it here).
    out() << server.url() << Qt::endl;
    m_board->printFailure(tr("serving %1 at %2, read-only (Ctrl-C ends)").arg(server.recordName(), server.url()));
    m_app.exec();
    return Success;
}
