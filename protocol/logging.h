#pragma once
// The diagnostics of each folder go to a logging category of its own, off
// below info as Qt's own are: QT_LOGGING_RULES="kvx.*.debug=true" shows them
// all, "kvx.protocol.debug=true" the report reader's alone.

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcProtocol)   // "kvx.protocol": the settings report as it is read

// Bytes of the line for a person: printable ASCII as it is, CR, LF and tab as
// \r \n \t, anything else as \xNN ("AT&V\r\n", "\xfa\xb0...").
QString readableBytes(const QByteArray &bytes);
// Each byte in hex, apart by spaces ("fa b0 00 00 5f").
QString hexBytes(const QByteArray &bytes);
// True when the bytes hold anything but text: a link control frame or noise,
// shown in hex as well.
bool holdsBinary(const QByteArray &bytes);
