#pragma once
// The station: who writes (station and operator), the records every unit's
// rows go to (opened and checked once, before any port, and kept off the
// timing thread by a RecordService), whether a profile fits a unit, and where
// the units' unit addresses come from. The window, the batch dialog and
// kvx-cli all ask it, so each rule is written once and says one message.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "protocol/profilefile.h"
#include "protocol/radiosettings.h"
#include "records/recordservice.h"
#include "records/recordstore.h"

class LinkController;
class ProvisionBatch;
class UnitJob;

// Where a batch's unit addresses come from.
struct UnitAddressPlan {
    // -1: none (point to point, or a check).
    qint64 first = -1;
    // Each unit takes the first free unit address from `first` in the
    // record when it is written; otherwise `first`, `first` + 1, ...
    bool fromRecord = false;
};

class Station : public QObject
{
    Q_OBJECT

public:
    explicit Station(QObject *parent = nullptr);
    ~Station() override;

    void setIdentity(const RecordIdentity &identity) { m_identity = identity; }
    const RecordIdentity &identity() const { return m_identity; }

    // The records: a CSV journal and a database, either empty for none.
    // Both are opened and checked on their threads; recordsOpened() follows
    // (at once, when there is none). The records in use before are closed:
    // their requests answered, their rows kept, nothing waited for.
    void openRecords(const QString &journal, const QString &database,
                     int reservationTimeoutS = DefaultReservationTimeoutS);
    // One record location as the operator names it (a CSV file or a
    // database); empty for none.
    void openRecord(const QString &location, int reservationTimeoutS = DefaultReservationTimeoutS);
    // The longest a unit waits for the records before its first line, for
    // the records opened from now on.
    void setRecordBound(int ms) { m_boundMs = ms; }
    int recordBound() const { return m_boundMs; }
    // Closes the records (see RecordService::close()).
    void closeRecords();
    // Opened and checked: units may be written.
    bool recordsReady() const { return m_ready; }
    // Being opened and checked: neither ready nor refused yet.
    bool recordsOpening() const { return m_opened && !m_ready && m_error.isEmpty(); }
    bool hasRecords() const { return m_records && !m_records->isEmpty(); }
    QString recordError() const { return m_error; }
    // A record that hands out unit addresses (a database).
    bool reserves() const { return m_records && m_records->reserves(); }
    // Rows kept here that wait for the shared record.
    int waitingRows() const { return m_records ? m_records->waiting() : 0; }
    RecordService *records() const { return m_records.get(); }

    // Hands the records and who writes to a unit, a batch or a link.
    void equip(UnitJob &job) const;
    void equip(ProvisionBatch &batch) const;
    void equip(LinkController &link) const;

    // The unit-address rule, the same for every front end: `first` as the
    // operator typed it ("" for the profile's unit address, else 1; a
    // number; "auto" for addresses from a database record), for `units`
    // units (0 when not known, as on an assembly line) in `mode`. False
    // with the one message when it cannot be followed.
    static bool planUnitAddresses(const QString &first, const RadioSettings &profile, LinkMode mode, int units,
                                  bool recordReserves, UnitAddressPlan *plan, QString *problem);
    // Why `profile` does not fit the unit on `link`; empty when it does.
    static QString profileMismatch(const ProvisionProfile &profile, const LinkConfig &link);

    // Whether a record holds `settings`' unit address on their network
    // (point to multipoint): writing it again gives two units one address.
    // `done` is called at once unless a record must be asked; `error` when
    // it could not be asked (the record did not answer in time).
    void askUnitHeld(QObject *context, const RadioSettings &settings, LinkMode mode,
                     const std::function<void(bool held, const QString &error)> &done) const;
    // The units the records hold that carry one of `codes` (configured,
    // not superseded): a code is one unit's. `done` gets them and, when a
    // record could not be read, why.
    void askCodesHeld(QObject *context, const QStringList &codes,
                      const std::function<void(const QList<RecordRow> &holders, const QString &error)> &done) const;
    // The unit address for the next unit after `link`'s good write: the
    // next one, or the next free one from it in a record that knows; -1
    // for none.
    void askNextUnit(QObject *context, const LinkController &link, const std::function<void(qint64 next)> &done) const;

signals:
    void recordsOpened(bool ok, const QString &error);
    void waitingChanged(int rows);
    // Rows the shared record refused for good, set aside in `file`.
    void rowsSetAside(int rows, const QString &file, const QString &reason);

private:
    RecordIdentity m_identity;
    std::unique_ptr<RecordService> m_records;
    int m_boundMs = DefaultCallBoundMs;
    bool m_ready = false;
    bool m_opened = false;
    QString m_journal;
    QString m_database;
    QString m_error;
};
