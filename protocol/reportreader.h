#pragma once
// Turns the bytes the modem sends into frame replies and register entries.
// No widget in here: the main window applies the result to the form.

#include <QByteArray>
#include <QList>
#include <QString>

#include "protocol/atcommands.h"
#include "protocol/radiotypes.h"

struct RegisterEntry {
    int reg = 0;          // 101, 102, 103, 104, 105, 108 or 141
    qint64 value = -1;    // the number read; -1 when it could not be read
                          // (S105 holds 0..4294967295; S104: digit count)
    QString digits;       // S104 only: the address digits, kept as text
};

struct ReceiveResult {
    QList<FrameReply> frames;        // complete 0xB0 / 0xE2 replies handled
    bool scanned = false;            // a scan pass ran (report ended in "OK")
    QList<RegisterEntry> entries;    // in report order
};

class ReportReader
{
public:
    static constexpr int BufferLimit = 4096;

    // Adds a received chunk. While `hold` is set (terminal shown) the bytes
    // are only kept; otherwise frames and a complete report are taken out.
    ReceiveResult feed(const QByteArray &chunk, bool hold);

    const QByteArray &buffer() const { return m_buffer; }
    void clear() { m_buffer.clear(); }

private:
    QByteArray m_buffer;
};

// Row mappings of the reported values. -1 means no row; a row past the end of
// the loaded list means no row as well, which the caller checks.
int airSpeedRowForValue(qint64 value);                 // 8 stands for row 7
int powerRowForCode(qint64 code, bool halfFjord);      // dBm code to row
