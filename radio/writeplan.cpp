#include "radio/writeplan.h"

bool WriteSequence::next(const WriteForm &, WriteLine &) { return false; }
bool WriteSequence::finished() const { return true; }
QList<WriteLine> planWrite(const WriteForm &) { return {}; }
QString writeSummary(const WriteForm &) { return {}; }
quint32 addressFromText(const QString &) { return 0; }
int powerCodeFor(const WriteForm &) { return 0; }
