#include "protocol/logging.h"

Q_LOGGING_CATEGORY(lcProtocol, "kvx.protocol", QtInfoMsg)

namespace {

bool isText(unsigned char c)
{
    return (c >= 0x20 && c < 0x7f) || c == '\r' || c == '\n' || c == '\t';
}

} // namespace

QString readableBytes(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == '\r')
            text += QLatin1String("\\r");
        else if (c == '\n')
            text += QLatin1String("\\n");
        else if (c == '\t')
            text += QLatin1String("\\t");
        else if (c == '\\')
            text += QLatin1String("\\\\");
        else if (isText(c))
            text += QLatin1Char(char(c));
        else
            text += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
    }
    return text;
}

QString hexBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

bool holdsBinary(const QByteArray &bytes)
{
    for (const char byte : bytes) {
        if (!isText(static_cast<unsigned char>(byte)))
            return true;
    }
    return false;
}
