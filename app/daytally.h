#pragma once
// The station's day, kept between runs: how many units were verified on
// each network today, and the last units written (any result) with their
// rows, so a label is printed again from there. Independent of the record:
// a window without one counts the same.

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

#include "records/recordstore.h"

class QSettings;

class DayTally
{
public:
    static constexpr int lastKept = 10;

    // A unit's write ended; its row as the record keeps it. `verified`: it
    // counts (stored, read back as written, recorded).
    void add(const UnitRecord &record, bool verified);
    // Units verified on `network` (its digits) on the day `today`.
    int verifiedOn(const QString &network, const QDate &today = QDate::currentDate()) const;
    // Newest first, at most lastKept.
    const QList<UnitRecord> &lastUnits() const { return m_last; }

    void load(const QSettings &settings);
    void save(QSettings &settings) const;

private:
    QDate m_day;                      // the day the counts are of (local time)
    QMap<QString, int> m_verified;    // network address -> units verified that day
    QList<UnitRecord> m_last;
};
