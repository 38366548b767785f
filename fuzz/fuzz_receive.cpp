// Feeds arbitrary serial traffic through the receive path in arbitrary
// chunks and checks what the main window relies on.
//
// Input layout: one byte choosing the module (low two bits), then any number
// of [control byte][chunk bytes]. Control bit 7 sets the terminal hold; bit 6
// makes the low six bits count 128-byte blocks instead of bytes, so the
// buffer limit can be reached with few chunks.

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "protocol/moduleprofile.h"
#include "protocol/reportreader.h"

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// The row the window would make current: past the list's end means none.
int rowIn(int row, qsizetype listSize)
{
    return row >= 0 && row < listSize ? row : -1;
}

int rowFromValue(qint64 value)
{
    return value >= 0 && value <= std::numeric_limits<int>::max() ? int(value) : -1;
}

void checkEntry(const RegisterEntry &entry, Module module)
{
    const ModuleProfile &profile = moduleProfile(module);
    int row = -1;
    qsizetype size = 0;
    switch (entry.reg) {
    case 101:
        size = profile.workModes.size();
        row = rowIn(rowFromValue(entry.value), size);
        break;
    case 102:
        size = profile.baudRates.size();
        row = rowIn(rowFromValue(entry.value), size);
        break;
    case 103:
        size = profile.airSpeeds.size();
        row = rowIn(airSpeedRowForValue(entry.value), size);
        check(entry.value != 8 || row == 7 || size <= 7, "S103 value 8 selects row 7");
        break;
    case 104:
        check(entry.value == entry.digits.size(), "S104 value is the digit count");
        for (const QChar c : entry.digits)
            check(c >= QLatin1Char('0') && c <= QLatin1Char('9'), "S104 digits only");
        return;
    case 105:
        check(entry.value >= -1 && entry.value <= qint64(std::numeric_limits<quint32>::max()),
              "S105 is unsigned 32-bit or unreadable");
        return;
    case 108:
        size = profile.outputPowers.size();
        row = rowIn(powerRowForCode(entry.value, module == Module::HalfFjord), size);
        break;
    case 141:
        size = 2;   // "NO", "YES"
        row = rowIn(rowFromValue(entry.value), size);
        break;
    default:
        check(false, "known register");
    }
    check(entry.value >= std::numeric_limits<int>::min() && entry.value <= std::numeric_limits<int>::max(),
          "value within int");
    check(row >= -1 && row < size, "row within the list");
}

void silence(QtMsgType, const QMessageLogContext &, const QString &) { }

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(silence);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const Module module = allModules().at(data[0] & 3);
    size_t pos = 1;

    ReportReader reader;
    while (pos < size) {
        const quint8 control = data[pos++];
        const bool hold = control & 0x80;
        size_t length = control & 0x3F;
        if (control & 0x40)
            length *= 128;
        if (length > size - pos)
            length = size - pos;
        const QByteArray chunk(reinterpret_cast<const char *>(data + pos), qsizetype(length));
        pos += length;

        const QByteArray expected = reader.buffer() + chunk;
        const ReceiveResult result = reader.feed(chunk, hold);
        const QByteArray &buffer = reader.buffer();

        check(buffer.size() <= ReportReader::BufferLimit, "buffer within the limit");
        if (expected.size() > ReportReader::BufferLimit || hold || expected.isEmpty()) {
            check(buffer == (expected.size() > ReportReader::BufferLimit ? QByteArray() : expected),
                  "over the limit cleared, held bytes kept");
            check(!result.scanned && result.frames.isEmpty() && result.entries.isEmpty(),
                  "nothing taken out of an overflowing or held buffer");
            continue;
        }

        if (expected.at(0) != FrameStart) {
            check(result.frames.isEmpty(), "no frame without the frame byte");
            check(result.scanned == expected.contains("OK"), "scanned exactly when OK is in");
        }
        if (result.scanned)
            check(buffer.isEmpty(), "buffer cleared after a scan pass");
        else
            check(expected.endsWith(buffer) && !buffer.contains("OK"), "unscanned bytes kept");
        if (!result.scanned)
            check(result.entries.isEmpty(), "entries only from a scan pass");

        for (const FrameReply &frame : result.frames) {
            check(frame.status == FrameReply::BaudRate || frame.status == FrameReply::LinkClosed,
                  "only known frames reported");
            check(frame.rate < (1u << 24), "rate from three bytes");
            check(frame.size >= 5 && frame.size <= 260, "frame size");
        }
        for (const RegisterEntry &entry : result.entries)
            checkEntry(entry, module);
    }
    return 0;
}
