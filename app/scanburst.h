#pragma once
// Tells a barcode scanner from a person at the keyboard: a scanner types a
// whole code in a burst, its keys a few milliseconds apart, and ends it with
// Return; nobody types that fast. The times are given (milliseconds on any
// one clock), so the rule is checked without a keyboard.

#include <QString>
#include <QtGlobal>

class ScanBurst
{
public:
    // Keys of one burst come at most this far apart; a person's rarely come
    // closer than 50 ms, a scanner's within 20.
    static constexpr int maxGapMs = 35;
    // A code has at least this many characters before its Return.
    static constexpr int minLength = 3;

    // A character typed at `ms` continues the burst held so far; a first
    // character always begins one.
    bool continues(qint64 ms) const { return held.isEmpty() || ms - last <= maxGapMs; }
    // The character is held as part of the burst.
    void hold(const QString &text, qint64 ms)
    {
        held += text;
        last = ms;
    }
    // Return at `ms` ends a scan: enough characters, none of them too slow.
    bool endsScan(qint64 ms) const { return held.size() >= minLength && ms - last <= maxGapMs; }

    bool isEmpty() const { return held.isEmpty(); }
    QString code() const { return held; }
    void clear() { held.clear(); }

private:
    QString held;
    qint64 last = 0;
};
