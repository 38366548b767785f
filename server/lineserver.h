#pragma once
// kvx-cli serve: the line at a glance over HTTP, read-only. The page (/),
// a unit's history (/units), the API (/api/summary, /api/stations,
// /api/units) and the live pages' WebSocket (/live), on Qt HTTP Server and
// Qt WebSockets. Every request's head is read here first, before Qt's own
// parser: its size, method, path, host and token decide whether it is
// answered at all, so a stranger's request costs a bounded amount and gets
// 400, 401, 403, 404, 405 or 413 quickly. Nothing here waits on the
// database: the record is read by a LineReader on its own thread.

#include <QAbstractHttpServer>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

#include <memory>

#include "server/linepage.h"
#include "server/linereader.h"
#include "server/servesettings.h"

class QTcpSocket;
class QTimer;
class QWebSocket;
class ServeListener;
struct RequestHead;
struct Reply;

class LineServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    explicit LineServer(const ServeSettings &settings, QObject *parent = nullptr);
    ~LineServer() override;

    // Opens the record and reads the day once; ready() follows.
    void start();
    // After ready(true): listens on the address set; false with the reason.
    bool startListening(QString *error);
    // The address it answers at, "http://127.0.0.1:8470/".
    QString url() const;
    QString recordName() const { return m_state.name; }

signals:
    void ready(bool ok, const QString &error);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    friend class ConnectionGuard;
    friend class ServeListener;

    struct Question;

    // What the guard decides of a whole head: empty when it is to be
    // answered (by handleRequest, or by the WebSocket server).
    std::unique_ptr<Reply> screen(const RequestHead &head) const;
    bool authorized(const RequestHead &head, bool *wrongToken) const;
    void answer(QTcpSocket *socket, const RequestHead &head);
    std::unique_ptr<Reply> apiUnitsQuestion(const RequestHead &head, UnitQuery *query, QString *what) const;
    void ask(QTcpSocket *socket, const RequestHead &head, const UnitQuery &query, const QString &what);
    void unitsRead(quint64 id, const UnitsAnswer &answer);
    void send(QTcpSocket *socket, int sequence, const Reply &reply, const RequestHead &head);
    Reply errorReply(const RequestHead &head, int status, const QString &message) const;

    void summaryRead(const LineSummary &summary);
    void recordFailed(const QString &error);
    void takeLivePages();
    void pushToLivePages();
    const QString &fragment(PageLanguage language);

    ServeSettings m_settings;
    LinePage m_page;
    std::unique_ptr<LineReader> m_reader;
    ServeListener *m_listener = nullptr;
    bool m_started = false;
    bool m_ready = false;
    int m_connections = 0;

    LineSummary m_summary;
    RecordState m_state;
    QString m_fragments[2];        // by language; empty while stale
    QByteArray m_summaryJson;
    QByteArray m_stationsJson;

    QHash<quint64, Question *> m_questions;
    quint64 m_nextQuestion = 1;

    struct LivePage {
        QWebSocket *socket;
        PageLanguage language;
    };
    QList<LivePage> m_live;
};
