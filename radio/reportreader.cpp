#include "radio/reportreader.h"

ReceiveResult ReportReader::feed(const QByteArray &chunk, bool hold)
{
    Q_UNUSED(chunk);
    Q_UNUSED(hold);
    return {};
}

int airSpeedRowForValue(qint64 value) { return int(value); }
int powerRowForCode(qint64 code, bool) { return int(code); }
