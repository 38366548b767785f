#pragma once
// Cuts the byte stream a modem receives into AT lines and link control
// frames. A frame begins with 0xFA where a line would begin.

#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace modemsim {

class InputSplitter
{
public:
    struct Item {
        enum Kind {
            Line,       // `bytes`: the line without its end (CR, LF or CR LF)
            Frame,      // complete frame: `command`, `payload`; `bytes` the whole frame
            BadFrame,   // announced length reached, but no 0x5F after the payload
        };
        Kind kind = Line;
        QByteArray bytes;
        quint8 command = 0;
        QByteArray payload;
        bool overflow = false;   // line longer than MaxLineLength; `bytes` is cut
    };

    // A frame left unfinished this long is dropped, so one stray 0xFA does
    // not swallow the commands after it.
    static constexpr qint64 FrameTimeoutMs = 500;
    static constexpr int MaxLineLength = 512;

    QList<Item> feed(const QByteArray &bytes, qint64 nowMs);

    bool inFrame() const { return m_inFrame; }
    QByteArray pendingLine() const { return m_line; }

private:
    QByteArray m_line;
    QByteArray m_frame;
    bool m_inFrame = false;
    bool m_overflow = false;
    bool m_skipLineFeed = false;
    qint64 m_lastByteMs = 0;
};

} // namespace modemsim
