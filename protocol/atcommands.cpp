#include "protocol/atcommands.h"

#include <QString>

namespace {

QByteArray line(const char *templ, qint64 value)
{
    return QString::fromLatin1(templ).arg(value, 0, 10, QLatin1Char(' ')).toUtf8();
}

QByteArray preset(int number)
{
    return QByteArrayLiteral("AT&F") + QByteArray::number(number) + QByteArrayLiteral("\r\n");
}

// Preset numbers by module code 1..4; 0 where the module has none.
struct PresetRow {
    int pointToPoint[4];
    int multipoint[4];
};
constexpr PresetRow MasterPresets = { { 6, 10, 6, 3 }, { 1, 7, 1, 1 } };
constexpr PresetRow RepeaterPresets = { { 7, 12, 7, 0 }, { 3, 9, 3, 0 } };
constexpr PresetRow SlavePresets = { { 7, 11, 7, 4 }, { 2, 8, 2, 2 } };

QByteArray presetFor(const PresetRow &row, bool multipoint, int moduleCode)
{
    // Only the low byte of the code counts, as on the modems' side.
    const int code = moduleCode & 0xFF;
    if (code < 1 || code > 4)
        return QByteArray();
    const int number = multipoint ? row.multipoint[code - 1] : row.pointToPoint[code - 1];
    return number ? preset(number) : QByteArray();
}

} // namespace

QByteArray cmdReadSettings() { return QByteArrayLiteral("AT&V\r\n"); }
QByteArray cmdStoreSettings() { return QByteArrayLiteral("AT&W\r\n"); }

QByteArray cmdSetS102(int value) { return line("ATS102=%1\r\n", value); }
QByteArray cmdSetS103(int value) { return line("ATS103=%1\r\n", value); }
QByteArray cmdSetS104(quint32 value) { return line("ATS104=%1\r\n", value); }
QByteArray cmdSetS105(quint32 value) { return line("ATS105=%1\r\n", value); }
QByteArray cmdSetS108(int value) { return line("ATS108=%1\r\n", value); }
QByteArray cmdSetS118(int value) { return line("ATS118=%1\r\n", value); }
QByteArray cmdSetS141(int value) { return line("ATS141=%1\r\n", value); }

QByteArray cmdPresetMaster(bool multipoint, int moduleCode) { return presetFor(MasterPresets, multipoint, moduleCode); }
QByteArray cmdPresetRepeater(bool multipoint, int moduleCode) { return presetFor(RepeaterPresets, multipoint, moduleCode); }
QByteArray cmdPresetSlave(bool multipoint, int moduleCode) { return presetFor(SlavePresets, multipoint, moduleCode); }

QByteArray buildFrame(quint8 command, const QByteArray &payload)
{
    QByteArray frame;
    frame.reserve(payload.size() + 5);
    frame.append(FrameStart);
    frame.append(char(command));
    frame.append(char(payload.size() & 0xFF));
    frame.append(char((payload.size() >> 8) & 0xFF));
    frame.append(payload);
    frame.append(FrameEnd);
    return frame;
}

QByteArray frameLinkOpen() { return buildFrame(FrameLinkOpen); }
QByteArray frameReadPrepare() { return buildFrame(FrameReadPrepare); }
QByteArray frameLinkClose() { return buildFrame(FrameLinkClose); }

QByteArray frameSetBaud(qint32 rate)
{
    const quint32 r = quint32(rate);
    QByteArray payload;
    for (int shift = 0; shift < 32; shift += 8)
        payload.append(char((r >> shift) & 0xFF));
    return buildFrame(FrameSetBaud, payload);
}

FrameReply decodeFrameReply(const QByteArray &buffer)
{
    FrameReply reply;
    if (buffer.isEmpty() || buffer.at(0) != FrameStart)
        return reply;
    if (buffer.size() < 3) {
        reply.status = FrameReply::Incomplete;
        return reply;
    }
    const int length = quint8(buffer.at(2));
    reply.command = quint8(buffer.at(1));
    if (buffer.size() < length + 5) {
        reply.status = FrameReply::Incomplete;
        return reply;
    }
    if (buffer.at(length + 4) != FrameEnd) {
        reply.status = FrameReply::BadEnd;
        return reply;
    }
    reply.size = length + 5;
    switch (reply.command) {
    case FrameLinkOpen:
        reply.status = FrameReply::BaudRate;
        // Low three payload bytes; a shorter payload counts as zeros.
        for (int i = 0; i < 3 && i < length; ++i)
            reply.rate |= quint32(quint8(buffer.at(4 + i))) << (8 * i);
        break;
    case FrameLinkClose:
        reply.status = FrameReply::LinkClosed;
        break;
    default:
        reply.status = FrameReply::Unknown;
        break;
    }
    return reply;
}
