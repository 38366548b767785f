#include "server/lineserver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHttpServerRequest>
#include <QMap>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QWebSocket>

#include <cstring>

#include "protocol/radiotypes.h"
#include "records/recordlocation.h"

namespace {

struct ServerText {
    Q_DECLARE_TR_FUNCTIONS(Serve)
};

const char CookieName[] = "kvx_token";
// A live page that reads this much less than it is sent is let go.
constexpr qint64 MostUnsentToLivePage = 4 << 20;
// After a refusal, what the client still sends is read and dropped this
// long, so the answer reaches it before the connection closes.
constexpr int LingerMs = 1000;
constexpr int MostUnits = 1000;
constexpr int HistoryUnits = 500;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 303: return "See Other";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 413: return "Payload Too Large";
    case 503: return "Service Unavailable";
    default: break;
    }
    return "Error";
}

} // namespace

// A request's head as the guard read it.
struct RequestHead {
    int sequence = 0;
    QByteArray method;
    QString path;
    QList<QPair<QString, QString>> query;    // decoded, in order
    QHash<QByteArray, QByteArray> headers;   // names in lower case
    bool close = false;
    bool websocket = false;
    PageLanguage language = PageLanguage::English;

    QByteArray header(const char *name) const { return headers.value(QByteArray(name)); }
    bool hasItem(const char *key) const { return item(key, nullptr); }
    bool item(const char *key, QString *value) const
    {
        for (const auto &pair : query) {
            if (pair.first == QLatin1String(key)) {
                if (value)
                    *value = pair.second;
                return true;
            }
        }
        return false;
    }
    bool headOnly() const { return method == "HEAD"; }
    bool isApi() const { return path.startsWith(QLatin1String("/api/")); }
};

struct Reply {
    int status = 200;
    QByteArray type;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
    bool close = false;
};

namespace {

QByteArray serialized(const Reply &reply, bool headOnly, bool close)
{
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    if (!reply.type.isEmpty())
        bytes += "Content-Type: " + reply.type + "\r\n";
    bytes += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    bytes += "Cache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer\r\n"
             "X-Frame-Options: DENY\r\n";
    if (reply.type.startsWith("text/html"))
        bytes += "Content-Security-Policy: " + LinePage::securityPolicy() + "\r\n";
    for (const auto &header : reply.headers)
        bytes += header.first + ": " + header.second + "\r\n";
    if (close)
        bytes += "Connection: close\r\n";
    bytes += "\r\n";
    if (!headOnly)
        bytes += reply.body;
    return bytes;
}

bool isTokenChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || std::strchr("!#$%&'*+-.^_`|~", c);
}

// The request line and headers; false with the reason for anything that
// is not plainly HTTP/1.x.
bool parseHead(const QByteArray &bytes, RequestHead *head, QString *error)
{
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    const QList<QByteArray> request = lines.value(0).split(' ');
    if (request.size() != 3 || request.at(0).isEmpty()
        || !std::all_of(request.at(0).begin(), request.at(0).end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
        *error = ServerText::tr("not an HTTP request line");
        return false;
    }
    if (request.at(2) != "HTTP/1.1" && request.at(2) != "HTTP/1.0") {
        *error = ServerText::tr("only HTTP/1.0 and HTTP/1.1 are spoken here");
        return false;
    }
    head->method = request.at(0);
    const QByteArray target = request.at(1);
    if (!target.startsWith('/')
        || !std::all_of(target.begin(), target.end(), [](char c) { return c > 0x20 && c < 0x7f; })) {
        *error = ServerText::tr("the path must start with / and hold printable characters only");
        return false;
    }
    const QByteArray rawPath = target.left(target.contains('?') ? target.indexOf('?') : target.size());
    head->path = QUrl::fromPercentEncoding(rawPath);
    if (head->path.contains(QLatin1Char('\\'))
        || std::any_of(head->path.begin(), head->path.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; })) {
        *error = ServerText::tr("the path holds characters no path here has");
        return false;
    }
    for (const QString &segment : head->path.split(QLatin1Char('/'))) {
        if (segment == QLatin1String("..") || segment == QLatin1String(".")) {
            *error = ServerText::tr("a path with . or .. in it names nothing here");
            return false;
        }
    }
    if (target.contains('?')) {
        for (const QByteArray &item : target.mid(target.indexOf('?') + 1).split('&')) {
            if (item.isEmpty())
                continue;
            const int equals = int(item.indexOf('='));
            const QByteArray key = equals < 0 ? item : item.left(equals);
            const QByteArray value = equals < 0 ? QByteArray() : item.mid(equals + 1);
            head->query << qMakePair(QUrl::fromPercentEncoding(key), QUrl::fromPercentEncoding(value));
        }
    }
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (line.isEmpty())
            continue;
        const int colon = int(line.indexOf(':'));
        const QByteArray name = colon > 0 ? line.left(colon).toLower() : QByteArray();
        if (name.isEmpty() || !std::all_of(name.begin(), name.end(), isTokenChar)) {
            *error = ServerText::tr("a header line is not \"Name: value\"");
            return false;
        }
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (head->headers.contains(name)) {
            if (name == "host" || name == "content-length" || name == "authorization") {
                *error = ServerText::tr("the header %1 is given twice").arg(QString::fromLatin1(name));
                return false;
            }
            head->headers[name] += ", " + value;
        } else {
            head->headers.insert(name, value);
        }
    }
    const QByteArray connection = head->header("connection").toLower();
    head->close = connection.contains("close") || (request.at(2) == "HTTP/1.0" && !connection.contains("keep-alive"));
    head->websocket = head->header("upgrade").toLower() == "websocket";
    QString lang;
    head->item("lang", &lang);
    head->language = pageLanguage(head->header("accept-language"), lang);
    return true;
}

// The host a request names, without its port.
QString hostOf(const QByteArray &host)
{
    QString text = QString::fromLatin1(host).trimmed();
    if (text.startsWith(QLatin1Char('[')))
        return text.mid(1, text.indexOf(QLatin1Char(']')) - 1);
    return text.section(QLatin1Char(':'), 0, 0);
}

bool isLoopbackName(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

// A time as the API takes it: ISO 8601 with its zone, or a date (its local
// midnight).
bool parseTime(const QString &text, QDateTime *time)
{
    static const QRegularExpression Day(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    static const QRegularExpression Zoned(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}(:\\d{2}(\\.\\d{1,3})?)?(Z|[+-]\\d{2}:?\\d{2})$"));
    if (Day.match(text).hasMatch()) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        *time = QDateTime(date, QTime(0, 0));
        return date.isValid();
    }
    if (!Zoned.match(text).hasMatch())
        return false;
    *time = QDateTime::fromString(text, Qt::ISODateWithMs);
    return time->isValid();
}

bool parseAddress(const QString &text, QString *number)
{
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || value > qulonglong(MaxAddress) || text.startsWith(QLatin1Char('+')))
        return false;
    *number = QString::number(value);
    return true;
}

} // namespace

// Reads every request's head before Qt's server does, and writes the
// connection's answers in the order they were asked. One for each
// connection, a child of its socket.
class ConnectionGuard : public QObject
{
    Q_OBJECT

public:
    ConnectionGuard(LineServer *server, QTcpSocket *socket)
        : QObject(socket)
        , m_server(server)
        , m_socket(socket)
    {
        // Connected before Qt's server connects its own reading: this sees
        // each piece first.
        connect(socket, &QTcpSocket::readyRead, this, &ConnectionGuard::inspect);
        m_idle.setSingleShot(true);
        connect(&m_idle, &QTimer::timeout, socket, &QTcpSocket::abort);
        m_idle.start(server->m_settings.idleMs);
    }

    static ConnectionGuard *of(QTcpSocket *socket)
    {
        return socket ? socket->findChild<ConnectionGuard *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    }

    bool upgraded() const { return m_upgraded; }

    bool takeAccepted(RequestHead *head)
    {
        if (m_accepted.isEmpty())
            return false;
        *head = m_accepted.takeFirst();
        return true;
    }

    void deliver(int sequence, const QByteArray &bytes, bool close)
    {
        m_ready.insert(sequence, qMakePair(bytes, close));
        while (!m_closing && m_ready.contains(m_nextToSend)) {
            const auto reply = m_ready.take(m_nextToSend++);
            m_socket->write(reply.first);
            if (reply.second)
                closeAfterReply();
        }
        if (!m_closing)
            m_idle.start(m_server->m_settings.idleMs);
    }

private:
    void inspect()
    {
        if (m_upgraded)
            return;
        if (m_refused) {
            m_socket->readAll();
            return;
        }
        m_head += m_socket->peek(m_socket->bytesAvailable());
        while (!m_refused && !m_upgraded) {
            while (m_head.startsWith("\r\n") || m_head.startsWith("\n"))
                m_head.remove(0, m_head.startsWith('\r') ? 2 : 1);
            const qsizetype crlf = m_head.indexOf("\n\r\n");
            const qsizetype lf = m_head.indexOf("\n\n");
            qsizetype end = crlf < 0 ? lf : (lf < 0 ? crlf : std::min(crlf, lf));
            const int endLength = end == crlf ? 3 : 2;
            if (end < 0 || end + endLength > m_server->m_settings.maxRequestBytes) {
                if (m_head.size() > m_server->m_settings.maxRequestBytes)
                    refuse(m_nextSequence++, 413, ServerText::tr("a request may be %1 bytes at most (its line and headers)")
                                                      .arg(m_server->m_settings.maxRequestBytes));
                return;
            }
            const QByteArray bytes = m_head.left(end + 1);
            m_head.remove(0, end + endLength);
            takeHead(bytes);
        }
    }

    void takeHead(const QByteArray &bytes)
    {
        RequestHead head;
        head.sequence = m_nextSequence++;
        QString error;
        if (!parseHead(bytes, &head, &error)) {
            refuse(head.sequence, 400, error, &head);
            return;
        }
        if (std::unique_ptr<Reply> reply = m_server->screen(head)) {
            m_refused = true;
            stopQtReading();
            reply->close = true;
            m_server->send(m_socket, head.sequence, *reply, head);
            return;
        }
        if (head.websocket) {
            // Qt's server takes the handshake from here; the live page then
            // lives until it closes.
            m_upgraded = true;
            m_idle.stop();
            return;
        }
        m_accepted << head;
    }

    void refuse(int sequence, int status, const QString &message, const RequestHead *parsed = nullptr)
    {
        m_refused = true;
        stopQtReading();
        RequestHead head = parsed ? *parsed : RequestHead();
        head.sequence = sequence;
        Reply reply = m_server->errorReply(head, status, message);
        reply.close = true;
        m_server->send(m_socket, sequence, reply, head);
    }

    // Nothing more of this connection reaches Qt's parser; what comes is
    // read and dropped.
    void stopQtReading()
    {
        disconnect(m_socket, &QTcpSocket::readyRead, m_server, nullptr);
        if (m_socket->isTransactionStarted())
            m_socket->commitTransaction();
        m_socket->readAll();
        m_head.clear();
    }

    void closeAfterReply()
    {
        m_closing = true;
        m_idle.stop();
        if (!m_refused) {
            m_socket->disconnectFromHost();
            return;
        }
        // The client may still be sending what was refused: read on a
        // little, so that the answer is not lost to a reset.
        QTimer::singleShot(LingerMs, m_socket, [socket = m_socket] { socket->disconnectFromHost(); });
        QTimer::singleShot(LingerMs * 3, m_socket, [socket = m_socket] { socket->abort(); });
    }

    LineServer *m_server;
    QTcpSocket *m_socket;
    QByteArray m_head;
    QList<RequestHead> m_accepted;   // given to Qt's server, not yet answered by it
    int m_nextSequence = 0;
    int m_nextToSend = 0;
    QMap<int, QPair<QByteArray, bool>> m_ready;
    QTimer m_idle;
    bool m_refused = false;
    bool m_upgraded = false;
    bool m_closing = false;
};

// Takes each connection, counts it, and sets its guard before Qt's server
// sees it.
class ServeListener : public QTcpServer
{
public:
    explicit ServeListener(LineServer *server)
        : QTcpServer(server)
        , m_server(server)
    {
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        if (m_server->m_connections >= m_server->m_settings.maxConnections) {
            Reply reply;
            reply.status = 503;
            reply.type = "application/json";
            reply.body = errorJson(ServerText::tr("too many connections at once; try again shortly"));
            reply.headers << qMakePair(QByteArray("Retry-After"), QByteArray("5"));
            socket->write(serialized(reply, false, true));
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromHost();
            QTimer::singleShot(2000, socket, [socket] {
                socket->abort();
                socket->deleteLater();
            });
            return;
        }
        ++m_server->m_connections;
        connect(socket, &QObject::destroyed, m_server, [server = m_server] { --server->m_connections; });
        new ConnectionGuard(m_server, socket);
        addPendingConnection(socket);
    }

private:
    LineServer *m_server;
};

struct LineServer::Question {
    QPointer<QTcpSocket> socket;
    RequestHead head;
    QString what;          // a history page's title; empty for the API
    QTimer deadline;
};

LineServer::LineServer(const ServeSettings &settings, QObject *parent)
    : QAbstractHttpServer(parent)
    , m_settings(settings)
    , m_page(settings.catalogues)
    , m_reader(std::make_unique<LineReader>(settings.record, settings.reservationTimeoutS))
{
    // As the window and kvx-cli show a record: a file's name, a database
    // without its password.
    m_state.name = recordShownName(settings.record);
    connect(m_reader.get(), &LineReader::opened, this, [this](bool ok, const QString &, const QString &error) {
        if (!ok)
            emit ready(false, error);
    });
    connect(m_reader.get(), &LineReader::summaryRead, this, &LineServer::summaryRead);
    connect(m_reader.get(), &LineReader::recordFailed, this, &LineServer::recordFailed);
    connect(m_reader.get(), &LineReader::unitsRead, this, &LineServer::unitsRead);
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &LineServer::takeLivePages);
}

LineServer::~LineServer()
{
    delete m_listener;
    m_listener = nullptr;
    qDeleteAll(m_questions);
    m_reader->finish();
}

void LineServer::start()
{
    if (m_started)
        return;
    m_started = true;
    m_reader->start();
}

bool LineServer::startListening(QString *error)
{
    m_listener = new ServeListener(this);
    if (!m_listener->listen(m_settings.address, m_settings.port)) {
        *error = ServerText::tr("cannot listen on %1: %2").arg(url(), m_listener->errorString());
        delete m_listener;
        m_listener = nullptr;
        return false;
    }
    bind(m_listener);
    return true;
}

QString LineServer::url() const
{
    const quint16 port = m_listener ? m_listener->serverPort() : m_settings.port;
    QString host = m_settings.address.toString();
    if (m_settings.address.protocol() == QAbstractSocket::IPv6Protocol)
        host = QLatin1Char('[') + host + QLatin1Char(']');
    return QStringLiteral("http://%1:%2/").arg(host).arg(port);
}

std::unique_ptr<Reply> LineServer::screen(const RequestHead &head) const
{
    const auto refusal = [&](int status, const QString &message) {
        return std::make_unique<Reply>(errorReply(head, status, message));
    };
    if (head.method != "GET" && head.method != "HEAD") {
        auto reply = refusal(405, ServerText::tr("this view is read-only: GET and HEAD only"));
        reply->headers << qMakePair(QByteArray("Allow"), QByteArray("GET, HEAD"));
        return reply;
    }
    if (head.header("content-length").toLongLong() > 0 || head.headers.contains("transfer-encoding"))
        return refusal(413, ServerText::tr("no request here takes a body"));
    if (!head.headers.contains("host") && !head.close)
        return refusal(400, ServerText::tr("an HTTP/1.1 request names its Host"));
    // Without a token only this computer's own names are answered, so a web
    // page elsewhere cannot make a browser read the line through a name of
    // its own that leads here.
    if (m_settings.token.isEmpty() && head.headers.contains("host") && !isLoopbackName(hostOf(head.header("host"))))
        return refusal(403, ServerText::tr("this view answers at its loopback address only (kvx-cli serve "
                                           "--listen ADDRESS --token-file FILE serves other computers)"));
    bool wrong = false;
    if (!authorized(head, &wrong)) {
        std::unique_ptr<Reply> reply;
        if (!head.isApi() && !head.websocket) {
            reply = std::make_unique<Reply>();
            reply->status = 401;
            reply->type = "text/html; charset=utf-8";
            reply->body = m_page.tokenPage(head.language, wrong);
        } else {
            reply = refusal(401, wrong ? ServerText::tr("that is not the token")
                                       : ServerText::tr("this view asks for its token: Authorization: Bearer TOKEN"));
        }
        reply->headers << qMakePair(QByteArray("WWW-Authenticate"), QByteArray("Bearer realm=\"kvx-line\""));
        return reply;
    }
    if (head.websocket) {
        if (head.path != QLatin1String("/live"))
            return refusal(404, ServerText::tr("live pages connect to /live"));
        // A page of another site may not read the line through a browser
        // here: a live page is this view's own.
        const QByteArray origin = head.header("origin");
        if (!origin.isEmpty() && origin != "http://" + head.header("host") && origin != "https://" + head.header("host"))
            return refusal(403, ServerText::tr("a live page of another site"));
        if (m_live.size() >= m_settings.maxLivePages)
            return refusal(503, ServerText::tr("too many live pages at once"));
    }
    return nullptr;
}

bool LineServer::authorized(const RequestHead &head, bool *wrongToken) const
{
    if (m_settings.token.isEmpty())
        return true;
    QList<QByteArray> given;
    const QByteArray authorization = head.header("authorization");
    if (authorization.startsWith("Bearer "))
        given << authorization.mid(7).trimmed();
    for (const QByteArray &cookie : head.header("cookie").split(';')) {
        const QByteArray pair = cookie.trimmed();
        if (pair.startsWith(QByteArray(CookieName) + '='))
            given << pair.mid(int(sizeof(CookieName)));
    }
    QString fromQuery;
    if (head.item("token", &fromQuery))
        given << fromQuery.toUtf8();
    bool all = !given.isEmpty();
    for (const QByteArray &token : given)
        all = tokenMatches(m_settings.token, token) && all;
    *wrongToken = !given.isEmpty() && !all;
    return all;
}

Reply LineServer::errorReply(const RequestHead &head, int status, const QString &message) const
{
    Reply reply;
    reply.status = status;
    if (head.isApi() || head.websocket || head.method.isEmpty()) {
        reply.type = "application/json";
        reply.body = errorJson(message);
    } else {
        reply.type = "text/html; charset=utf-8";
        reply.body = m_page.errorPage(status, message, head.language);
    }
    return reply;
}

void LineServer::send(QTcpSocket *socket, int sequence, const Reply &reply, const RequestHead &head)
{
    if (ConnectionGuard *guard = ConnectionGuard::of(socket))
        guard->deliver(sequence, serialized(reply, head.headOnly(), reply.close || head.close), reply.close || head.close);
}

bool LineServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    ConnectionGuard *guard = ConnectionGuard::of(socket);
    // A live page's handshake comes here first: Qt's WebSocket server takes
    // it once this returns, answering nothing.
    if (guard && guard->upgraded())
        return true;
    RequestHead head;
    if (!guard || !guard->takeAccepted(&head)) {
        socket->abort();
        return true;
    }
    // Qt's reading and the guard's agree on what was asked, or it is not
    // answered.
    if (request.url().path(QUrl::FullyDecoded) != head.path) {
        Reply reply = errorReply(head, 400, ServerText::tr("the request could not be read"));
        reply.close = true;
        send(socket, head.sequence, reply, head);
        return true;
    }
    answer(socket, head);
    return true;
}

void LineServer::missingHandler(const QHttpServerRequest &, QTcpSocket *socket)
{
    socket->abort();
}

void LineServer::answer(QTcpSocket *socket, const RequestHead &head)
{
    static const QHash<QString, QStringList> Allowed = {
        { QStringLiteral("/"), { "lang", "token" } },
        { QStringLiteral("/api/summary"), { "token" } },
        { QStringLiteral("/api/stations"), { "token" } },
        { QStringLiteral("/api/units"), { "since", "network", "unit", "serial", "limit", "cursor", "token" } },
        { QStringLiteral("/units"), { "serial", "network", "unit", "lang", "token" } },
        { QStringLiteral("/live"), { "lang", "token" } },
    };
    const auto it = Allowed.constFind(head.path);
    if (it == Allowed.cend()) {
        send(socket, head.sequence, errorReply(head, 404, ServerText::tr("there is nothing at %1").arg(head.path)), head);
        return;
    }
    QStringList seen;
    for (const auto &item : head.query) {
        const QString problem = !it->contains(item.first) ? ServerText::tr("%1 takes no \"%2\" (it takes: %3)")
                                                                .arg(head.path, item.first, it->join(QStringLiteral(", ")))
                              : seen.contains(item.first) ? ServerText::tr("\"%1\" is given twice").arg(item.first)
                                                          : QString();
        if (!problem.isEmpty()) {
            send(socket, head.sequence, errorReply(head, 400, problem), head);
            return;
        }
        seen << item.first;
    }
    Reply reply;
    if (head.hasItem("token") && !m_settings.token.isEmpty()) {
        // A token from the address goes into a cookie, and out of the
        // address the browser shows and keeps.
        QStringList rest;
        for (const auto &item : head.query) {
            if (item.first != QLatin1String("token"))
                rest << item.first + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(item.second));
        }
        reply.status = 303;
        reply.headers << qMakePair(QByteArray("Location"),
                                   (head.path + (rest.isEmpty() ? QString() : QLatin1Char('?') + rest.join(QLatin1Char('&')))).toUtf8())
                      << qMakePair(QByteArray("Set-Cookie"),
                                   QByteArray(CookieName) + '=' + m_settings.token + "; Path=/; HttpOnly; SameSite=Strict");
    } else if (head.path == QLatin1String("/")) {
        reply.type = "text/html; charset=utf-8";
        reply.body = m_page.linePage(fragment(head.language), m_state, head.language);
    } else if (head.path == QLatin1String("/api/summary")) {
        if (m_summaryJson.isEmpty())
            m_summaryJson = summaryJson(m_summary, m_state);
        reply.type = "application/json";
        reply.body = m_summaryJson;
    } else if (head.path == QLatin1String("/api/stations")) {
        if (m_stationsJson.isEmpty())
            m_stationsJson = stationsJson(m_summary, m_state);
        reply.type = "application/json";
        reply.body = m_stationsJson;
    } else if (head.path == QLatin1String("/live")) {
        reply = errorReply(head, 400, ServerText::tr("/live is the live pages' WebSocket"));
    } else {
        UnitQuery query;
        QString what;
        if (std::unique_ptr<Reply> refusal = apiUnitsQuestion(head, &query, &what)) {
            send(socket, head.sequence, *refusal, head);
            return;
        }
        ask(socket, head, query, what);
        return;
    }
    send(socket, head.sequence, reply, head);
}

std::unique_ptr<Reply> LineServer::apiUnitsQuestion(const RequestHead &head, UnitQuery *query, QString *what) const
{
    const auto refusal = [&](const QString &message) { return std::make_unique<Reply>(errorReply(head, 400, message)); };
    QString value;
    if (head.item("since", &value) && !parseTime(value, &query->since))
        return refusal(ServerText::tr("since=%1: give a time in ISO 8601 with its zone (2026-12-08T09:00:00Z, "
                                      "2026-12-08T17:00:00+08:00) or a date (2026-12-08)").arg(value));
    for (const char *key : { "network", "unit" }) {
        if (head.item(key, &value) && !parseAddress(value, key == QByteArray("unit") ? &query->unit : &query->network))
            return refusal(ServerText::tr("%1=%2: an address is a whole number 0 … %3").arg(QLatin1String(key), value, QString::number(MaxAddress)));
    }
    if (head.item("serial", &value)) {
        if (value.trimmed().isEmpty() || value.size() > 256)
            return refusal(ServerText::tr("serial: a unit's code, 1 to 256 characters"));
        query->serial = value.trimmed();
    }
    const bool history = head.path == QLatin1String("/units");
    query->limit = history ? HistoryUnits : 100;
    if (head.item("limit", &value)) {
        bool ok = false;
        query->limit = value.toInt(&ok);
        if (!ok || query->limit < 1 || query->limit > MostUnits)
            return refusal(ServerText::tr("limit=%1: a number 1 … %2").arg(value, QString::number(MostUnits)));
    }
    if (head.item("cursor", &value)) {
        // The cursor is the last row's time and id, as a page's "next" gives it.
        const QList<QByteArray> parts = QByteArray::fromBase64(value.toLatin1(), QByteArray::Base64UrlEncoding).split('|');
        bool ok = false;
        QDateTime time;
        query->afterId = parts.value(1).toLongLong(&ok);
        query->afterTime = QString::fromLatin1(parts.value(0));
        if (parts.size() != 2 || !ok || query->afterId < 0 || !parseTime(query->afterTime, &time))
            return refusal(ServerText::tr("cursor=%1: not a cursor this view gave").arg(value));
    }
    if (history) {
        if (query->serial.isEmpty() && query->network.isEmpty())
            return refusal(ServerText::tr("/units shows a unit: give its serial, or its network (and unit)"));
        *what = !query->serial.isEmpty() ? query->serial
                                         : m_page.unitTitle(head.language, query->network, query->unit);
    }
    return nullptr;
}

void LineServer::ask(QTcpSocket *socket, const RequestHead &head, const UnitQuery &query, const QString &what)
{
    if (m_questions.size() >= m_settings.maxQueuedQuestions) {
        Reply reply = errorReply(head, 503, ServerText::tr("the record is asked too much at once; try again shortly"));
        reply.headers << qMakePair(QByteArray("Retry-After"), QByteArray("1"));
        send(socket, head.sequence, reply, head);
        return;
    }
    const quint64 id = m_nextQuestion++;
    auto *question = new Question;
    question->socket = socket;
    question->head = head;
    question->what = what;
    question->deadline.setSingleShot(true);
    // The record's answer has a bound: without one in time the request is
    // answered anyway.
    connect(&question->deadline, &QTimer::timeout, this, [this, id] {
        Question *late = m_questions.take(id);
        if (!late)
            return;
        Reply reply = errorReply(late->head, 503, ServerText::tr("the record did not answer within %1 s").arg(m_settings.recordAnswerMs / 1000));
        if (late->socket)
            send(late->socket, late->head.sequence, reply, late->head);
        late->deadline.stop();
        QTimer::singleShot(0, this, [late] { delete late; });
    });
    question->deadline.start(m_settings.recordAnswerMs);
    m_questions.insert(id, question);
    m_reader->askUnits(id, query, head.isApi());
}

void LineServer::unitsRead(quint64 id, const UnitsAnswer &answer)
{
    std::unique_ptr<Question> question(m_questions.take(id));
    if (!question)
        return;
    question->deadline.stop();
    if (!question->socket)
        return;
    const RequestHead &head = question->head;
    Reply reply;
    if (!answer.error.isEmpty()) {
        reply = errorReply(head, 503, ServerText::tr("the record does not answer: %1").arg(answer.error));
    } else if (head.path == QLatin1String("/units")) {
        reply.type = "text/html; charset=utf-8";
        reply.body = m_page.historyPage(question->what, answer, head.language);
    } else {
        QString next;
        if (answer.more) {
            QStringList items;
            for (const auto &item : head.query) {
                if (item.first != QLatin1String("cursor") && item.first != QLatin1String("token"))
                    items << item.first + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(item.second));
            }
            const QByteArray cursor = (answer.cursorTime.toLatin1() + '|' + QByteArray::number(answer.cursorId))
                                          .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
            items << QStringLiteral("cursor=") + QString::fromLatin1(cursor);
            next = head.path + QLatin1Char('?') + items.join(QLatin1Char('&'));
        }
        reply.type = "application/json";
        reply.body = unitsJson(answer, next);
    }
    send(question->socket, head.sequence, reply, head);
}

void LineServer::summaryRead(const LineSummary &summary)
{
    m_summary = summary;
    m_state.answering = true;
    m_state.error.clear();
    m_fragments[0].clear();
    m_fragments[1].clear();
    m_summaryJson.clear();
    m_stationsJson.clear();
    if (!m_ready) {
        m_ready = true;
        emit ready(true, QString());
        return;
    }
    pushToLivePages();
}

void LineServer::recordFailed(const QString &error)
{
    m_state.answering = false;
    m_state.error = error;
    m_state.since = QDateTime::currentDateTimeUtc();
    m_fragments[0].clear();
    m_fragments[1].clear();
    m_summaryJson.clear();
    m_stationsJson.clear();
    if (!m_ready) {
        emit ready(false, error);
        return;
    }
    pushToLivePages();
}

const QString &LineServer::fragment(PageLanguage language)
{
    QString &cached = m_fragments[language == PageLanguage::Chinese ? 1 : 0];
    if (cached.isEmpty())
        cached = m_page.lineFragment(m_summary, m_state, language);
    return cached;
}

void LineServer::takeLivePages()
{
    while (hasPendingWebSocketConnections()) {
        QWebSocket *socket = nextPendingWebSocketConnection().release();
        if (!socket)
            continue;
        socket->setParent(this);
        socket->setMaxAllowedIncomingFrameSize(1024);
        socket->setMaxAllowedIncomingMessageSize(1024);
        const QUrl url = socket->request().url();
        const QString lang = QUrlQuery(url).queryItemValue(QStringLiteral("lang"));
        const PageLanguage language = pageLanguage(socket->request().rawHeader("Accept-Language"), lang);
        m_live.append({ socket, language });
        connect(socket, &QWebSocket::disconnected, this, [this, socket] {
            m_live.removeIf([socket](const LivePage &page) { return page.socket == socket; });
            socket->deleteLater();
        });
        // The page as it is now: it may have changed since the page was sent.
        socket->sendTextMessage(liveMessage(fragment(language)));
    }
}

void LineServer::pushToLivePages()
{
    QString messages[2];
    QList<QWebSocket *> tooSlow;
    for (const LivePage &page : std::as_const(m_live)) {
        QString &message = messages[page.language == PageLanguage::Chinese ? 1 : 0];
        if (message.isEmpty())
            message = liveMessage(fragment(page.language));
        if (page.socket->bytesToWrite() > MostUnsentToLivePage)
            tooSlow << page.socket;
        else
            page.socket->sendTextMessage(message);
    }
    for (QWebSocket *socket : tooSlow)
        socket->abort();
}

#include "lineserver.moc"
