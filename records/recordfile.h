#pragma once
// The provisioning record as a CSV journal (RFC 4180), shared by the window
// and kvx-cli --log:
//   time,port,product,module,mode,unit_address,network_address,work_mode,
//   baud,link_rate,power,repeater,result,differences,attempt,serial
//
// The file is only ever appended to: an attempt writes a `pending` row right
// before "AT&W" and its final row when the unit ends, both carrying the
// attempt's id; a reader takes the last row of each attempt. Nothing
// truncates, rewrites or renames the file, so a full disk or a killed
// program can cost at most the row being written. Files written before the
// attempt column existed stay readable (each of their rows is an attempt of
// its own), and so do those written before the serial column (no code).
//
// Several programs may append at once: each append is made under one lock
// beside the record, named from its canonical path (the same for every
// program however it spells the path), the header goes into an empty file
// only, and a row is written whole or cut back.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "protocol/radiosettings.h"
#include "records/recordstore.h"

// The columns as written now; the first 14, and the first 15, are those of
// older files.
const QStringList &recordHeader();
// Whether `fields` is the header of a record file, old or new.
bool isRecordHeader(const QStringList &fields);

class RecordFile : public RecordStore
{
public:
    explicit RecordFile(const QString &path = QString());

    QString path() const { return m_path; }
    bool isSet() const { return !m_path.isEmpty(); }

    QString name() const override { return m_path; }
    // Creates the file (with its header) when it is missing and checks that
    // rows can be appended; call before any unit is touched.
    bool prepare(QString *error = nullptr) override;
    bool openExisting(QString *error) override;
    // Appends the row of attempt `handle` (a new attempt when empty);
    // returns the attempt's id, empty when the row could not be written.
    QByteArray writeRow(const QByteArray &handle, const UnitRecord &record, QString *error) override;
    // The last row of each attempt, in the order the attempts began.
    QList<RecordRow> rows(QString *error = nullptr) const override;
    bool holdsUnit(const QString &unitAddress, const QString &networkAddress) const override;
    // Appends a `released` row to each attempt on this address that was
    // stored and never ended.
    bool release(const QString &networkAddress, const QString &unitAddress, QList<RecordRow> *released,
                 QString *error) override;

    // Every line of the file as text, the header included, as written.
    QList<QStringList> journal() const;

private:
    QString m_path;
};

// The row as written to the file, with its line end.
QByteArray recordLine(const UnitRecord &record, const QString &attempt = QString());
// A row of the file back as a record (and its attempt, empty in a row of an
// older file); false when it is not one.
bool recordFromFields(const QStringList &fields, UnitRecord *record, QString *attempt = nullptr);

// The header and the last row of each attempt, as text: the record as its
// readers see it.
QList<QStringList> readRecordRows(const QString &path);

// The largest file `record import` takes.
constexpr qint64 MaxImportBytes = qint64(64) << 20;
// The rows of a record file to take into another record: the last row of
// each attempt, a row of an older file known by its content. Only regular
// files of at most MaxImportBytes are read.
bool readImportFile(const QString &path, QList<RecordRow> *rows, QString *error);

// A new attempt's id.
QString newAttemptId();

QString csvField(const QString &text);
QList<QStringList> parseCsv(const QString &text);
