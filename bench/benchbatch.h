#pragma once
// A batch of KV5 units (in-process modems on pseudo-terminals, the real
// pauses) written into a record, and how far the pauses on the wire were
// from their lengths: the benchmarks' measure of a batch held up by
// something beside it.

#include <QString>

#include <functional>

class PtyModem;
class Station;
struct LinkConfig;
struct RadioSettings;

// The longest |gap - pause| between lines the unit received: each write
// line and the next (its pause, if the plan gives it one), AT&W and the
// check's AT&V (the storage pause). The read's AT&V to the first write line
// is no pause of a sequence: the write starts once the record has answered
// what the unit needs before its first line; `beginMs` gets the longest such
// wait beyond the request pause. With KVX_BENCH_VERBOSE set, each new worst
// is said.
qint64 largestPauseDifference(const PtyModem &modem, const RadioSettings &written, const LinkConfig &link,
                              qint64 *beginMs = nullptr);

// `units` units written at once into the database record `db`; `started`
// is called right before the first port opens, `ended` once every unit has
// ended (its answer is not looked at: it waits for what it needs). The
// largest pause difference of any unit, or -1 when the batch did not run.
qint64 benchBatch(const QString &db, int units, const std::function<void()> &started = {},
                  const std::function<void(const Station &)> &ended = {});
