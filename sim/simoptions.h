#pragma once
// Command line of kvx-modemsim.

#include "sim/modemmodel.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace modemsim {

struct SimOptions {
    Product product = Product::Kv6;
    Module module = Module::Tarn;
    QString linkPath;     // --link: symlink to the serial side
    int appearAfterMs = 0;   // --appear-after: the symlink comes this late
    QString logPath;      // --log: every received chunk with its time
    QString statePath;    // --state: registers kept by AT&W
    bool once = false;    // --once: end when the peer has gone for good
    bool echo = false;    // --echo: repeat each received line first
    bool silentAfterStore = false;   // --silent-after-store
    int chunkBytes = 0;   // --chunk: answer piece size, 0 = whole answers
    int gapMs = 0;        // --gap: pause between answer pieces
    Registers initial;    // --reg NNN=V: start values over the stored ones
    Registers stuck;      // --stuck NNN=V: registers that keep their value
    QList<QByteArray> refused;   // --error-on CMD: commands answered "ERROR"
    bool help = false;
};

// `arguments` without the program name.
bool parseSimOptions(const QStringList &arguments, SimOptions *options, QString *error);
QString simUsage();

// How long the serial side must stay closed before --once ends the run;
// the tool closes and reopens the port between probing and connecting.
constexpr int OncePeerGoneMs = 2000;

} // namespace modemsim
