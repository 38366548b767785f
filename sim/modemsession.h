#pragma once
// What a unit does with the bytes that reach it: at the wrong line speed it
// understands nothing; otherwise lines and frames go to the model, each
// line echoed first when echo is on.

#include "sim/inputsplitter.h"
#include "sim/modemmodel.h"

namespace modemsim {

class ModemSession
{
public:
    ModemSession(ModemModel *model, bool echo);

    // A unit that goes quiet once it has stored its settings (as one that
    // restarts slowly would): nothing is answered after "AT&W".
    void setSilentAfterStore(bool silent) { m_silentAfterStore = silent; }

    bool understandsSpeed(int lineBaud) const;
    // Bytes received at `lineBaud`; returns everything the unit answers.
    QByteArray receive(const QByteArray &bytes, int lineBaud, qint64 nowMs);

    qint64 ignoredBytes() const { return m_ignored; }
    const InputSplitter &splitter() const { return m_splitter; }

private:
    ModemModel *m_model;
    bool m_echo;
    InputSplitter m_splitter;
    qint64 m_ignored = 0;
    bool m_silentAfterStore = false;
    bool m_silent = false;
};

} // namespace modemsim
