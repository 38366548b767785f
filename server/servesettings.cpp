#include "server/servesettings.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

struct ServeText {
    Q_DECLARE_TR_FUNCTIONS(Serve)
};

} // namespace

bool parseListenAddress(const QString &text, QHostAddress *address, quint16 *port, QString *error)
{
    QString host = text.trimmed();
    QString portText;
    if (host.startsWith(QLatin1Char('['))) {
        const int close = int(host.indexOf(QLatin1Char(']')));
        if (close < 0) {
            *error = ServeText::tr("--listen %1: an IPv6 address ends with ]").arg(text);
            return false;
        }
        const QString rest = host.mid(close + 1);
        if (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':'))) {
            *error = ServeText::tr("--listen %1: give ADDRESS:PORT").arg(text);
            return false;
        }
        portText = rest.mid(1);
        host = host.mid(1, close - 1);
    } else if (host.count(QLatin1Char(':')) == 1) {
        portText = host.section(QLatin1Char(':'), 1);
        host = host.section(QLatin1Char(':'), 0, 0);
    }
    *port = ServeSettings::DefaultPort;
    if (!portText.isEmpty() || text.trimmed().endsWith(QLatin1Char(':'))) {
        bool ok = false;
        const uint number = portText.toUInt(&ok);
        if (!ok || number > 65535) {
            *error = ServeText::tr("--listen %1: the port must be a number 0 … 65535 (0: any free one)").arg(text);
            return false;
        }
        *port = quint16(number);
    }
    if (host.isEmpty() || host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) {
        *address = QHostAddress(QHostAddress::LocalHost);
        return true;
    }
    if (!address->setAddress(host)) {
        *error = ServeText::tr("--listen %1: not an IP address (e.g. 0.0.0.0:8470, 192.168.1.20:8470, [::]:8470)").arg(text);
        return false;
    }
    return true;
}

bool readTokenFile(const QString &path, QByteArray *token, QString *error)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        *error = ServeText::tr("--token-file %1: cannot be read (%2)").arg(path, file.errorString());
        return false;
    }
    const QByteArray line = file.read(4096).split('\n').value(0).trimmed();
    static const QRegularExpression Allowed(QStringLiteral("^[A-Za-z0-9._~+/=-]{16,256}$"));
    if (!Allowed.match(QString::fromLatin1(line)).hasMatch()) {
        *error = ServeText::tr("--token-file %1: the token must be 16 to 256 characters of A-Z, a-z, 0-9 and . _ ~ + / = - "
                               "on the first line (e.g. made by openssl rand -base64 32)")
                     .arg(path);
        return false;
    }
    *token = line;
    return true;
}

bool tokenMatches(const QByteArray &token, const QByteArray &given)
{
    // Both sides are keyed hashes first: equal lengths, and the comparison
    // below looks at every byte whatever it finds.
    static const QByteArray key = [] {
        QByteArray bytes(32, Qt::Uninitialized);
        QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        return bytes;
    }();
    const QByteArray a = QMessageAuthenticationCode::hash(token, key, QCryptographicHash::Sha256);
    const QByteArray b = QMessageAuthenticationCode::hash(given, key, QCryptographicHash::Sha256);
    unsigned char difference = 0;
    for (int i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a.at(i) ^ b.at(i));
    return difference == 0 && !token.isEmpty();
}
