#pragma once
// Everything the tool itself puts on the serial line: AT command lines and
// the binary link control frames of the KV6 - KV7 product.

#include <QByteArray>
#include <QtGlobal>

// Fixed lines.
QByteArray cmdReadSettings();   // "AT&V\r\n"
QByteArray cmdStoreSettings();  // "AT&W\r\n"

// Register assignments, plain decimal; the address registers are unsigned.
QByteArray cmdSetS102(int value);
QByteArray cmdSetS103(int value);
QByteArray cmdSetS104(quint32 value);
QByteArray cmdSetS105(quint32 value);
QByteArray cmdSetS108(int value);
QByteArray cmdSetS118(int value);
QByteArray cmdSetS141(int value);

// Factory presets by work-mode row ("Master", "Repeater", "Slave"); an empty
// array where the module has no such preset.
QByteArray cmdPresetMaster(bool multipoint, int moduleCode);
QByteArray cmdPresetRepeater(bool multipoint, int moduleCode);
QByteArray cmdPresetSlave(bool multipoint, int moduleCode);

// Link control frames: 0xFA, command, 16-bit LE payload length, payload, 0x5F.
enum FrameCommand : quint8 {
    FrameLinkOpen = 0xB0,     // also the reply carrying the pass-through rate
    FrameSetBaud = 0xB1,
    FrameReadPrepare = 0xE1,
    FrameLinkClose = 0xE2,    // also its reply
};
constexpr char FrameStart = char(0xFA);
constexpr char FrameEnd = char(0x5F);

QByteArray buildFrame(quint8 command, const QByteArray &payload = QByteArray());
QByteArray frameLinkOpen();               // FA B0 00 00 5F
QByteArray frameSetBaud(qint32 rate);     // FA B1 04 00 r0 r1 r2 r3 5F
QByteArray frameReadPrepare();            // FA E1 00 00 5F
QByteArray frameLinkClose();              // FA E2 00 00 5F

// A frame reply at the head of a receive buffer. Only the low byte of the
// length field is consulted, as the modems fill in nothing else.
struct FrameReply {
    enum Status {
        NotFrame,        // buffer empty or not starting with 0xFA
        Incomplete,      // fewer bytes than the length field announces
        BadEnd,          // the byte after the payload is not 0x5F
        Unknown,         // complete, but not a reply the tool knows
        BaudRate,        // 0xB0: pass-through rate in `rate`
        LinkClosed,      // 0xE2
    };
    Status status = NotFrame;
    quint8 command = 0;
    int size = 0;        // bytes of the whole frame when complete
    quint32 rate = 0;    // low three payload bytes of a 0xB0 reply
};
FrameReply decodeFrameReply(const QByteArray &buffer);
