#pragma once
// How kvx-cli serve is set up: the record, where it listens, the token
// that other computers must show, and the limits that keep a stranger's
// requests from costing the line anything.

#include <QByteArray>
#include <QHostAddress>
#include <QString>

struct ServeSettings {
    static constexpr quint16 DefaultPort = 8470;

    QString record;                        // a database file or postgresql:// name
    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = DefaultPort;
    QByteArray token;                      // empty: none asked for (loopback only)
    int reservationTimeoutS = 600;         // as the stations' --reservation-timeout
    QString catalogues;                    // the folder of chinese.qm and english.qm

    int maxConnections = 256;              // at once, live pages included
    int maxLivePages = 64;
    int maxRequestBytes = 16 * 1024;       // a request's line and headers; no request takes a body
    int idleMs = 10000;                    // a connection that asks nothing for this long is closed
    int recordAnswerMs = 5000;             // a question to the record that takes longer is answered 503
    int maxQueuedQuestions = 64;           // questions waiting for the record at once
};

// "ADDR:PORT", "[IPv6]:PORT", "ADDR" (the default port) or ":PORT" (the
// loopback address); "localhost" is the loopback address, port 0 any free
// one. False, with the
// reason, for anything else.
bool parseListenAddress(const QString &text, QHostAddress *address, quint16 *port, QString *error);

// A bearer token from a file: its first line, 16 to 256 characters of
// A-Z, a-z, 0-9 and . _ ~ + / = - (as `openssl rand -base64 32` makes one).
bool readTokenFile(const QString &path, QByteArray *token, QString *error);

// Whether `given` is the token, in a time that does not depend on where
// they differ (nor on the length of either).
bool tokenMatches(const QByteArray &token, const QByteArray &given);
