#pragma once
// The provisioning record as a CSV journal (RFC 4180), shared by the window
// and kvx-cli --log:
//   time,port,product,module,mode,unit_address,network_address,work_mode,
//   baud,link_rate,power,repeater,result,differences,attempt,station,
//   operator,tool_version,pauses,serial
//
// A new file begins with a UTF-8 byte order mark, so a spreadsheet opened
// on it reads Chinese right. Times are UTC, the column named "time_utc", as
// "2026-12-08T09:15:02", the form LibreOffice reads as a date and time when
// it opens a CSV. A file that exists is appended to as it is: no mark is
// added, its header kept, its times in its own spelling (a header "time"
// and "2026-12-08 09:15:02"). A cell a spreadsheet would run as a formula (it starts with =,
// +, -, @, a tab or a CR) is written with a leading apostrophe, which
// reading takes off again.
//
// The file is only ever appended to: an attempt writes a `pending` row right
// before "AT&W" and its final row when the unit ends, both carrying the
// attempt's id; a reader takes the last row of each attempt. Nothing
// truncates, rewrites or renames the file, so a full disk or a killed
// program can cost at most the row being written. Files written before the
// attempt column existed stay readable (each of their rows is an attempt of
// its own), and so do those written before the pauses column, and before
// the serial column (no code).
//
// Several programs may append at once: each append is made under one lock
// beside the record, named from its canonical path (the same for every
// program however it spells the path), the header goes into an empty file
// only, and a row is written whole or cut back.

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QIODevice;

#include "protocol/radiosettings.h"
#include "records/recordstore.h"

// The columns as written now; the first 14, 15, 18 and 19 are those of
// older files, which call the first column "time".
const QStringList &recordHeader();
// Whether `fields` is the header of a record file, old or new.
bool isRecordHeader(const QStringList &fields);

// How a file spells its times: new files "2026-12-08T09:15:02", files whose
// header says "time" "2026-12-08 09:15:02" (both UTC).
enum class RecordTimeStyle { Spreadsheet, Spaced };
// The byte order mark and the header line a new file (or an export) begins with.
QByteArray recordFileStart();

// The longest row a record file holds: a real row is far shorter.
constexpr qsizetype MaxRecordRowBytes = 16 * 1024;

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

// The row's values, in the columns' order, as a reader sees them.
QStringList recordFields(const UnitRecord &record, const QString &attempt = QString(),
                         RecordTimeStyle style = RecordTimeStyle::Spreadsheet);
// The row as written to the file, with its line end.
QByteArray recordLine(const UnitRecord &record, const QString &attempt = QString(),
                      RecordTimeStyle style = RecordTimeStyle::Spreadsheet);
// A row of the file back as a record (and its attempt, empty in a row of an
// older file), its values checked as a write checks them: the products,
// modules and modes the tool knows, the captions of the row's module, the
// addresses in range, a result the record knows. False, with the reason in
// `why`, when it is not a row of a record.
bool recordFromFields(const QStringList &fields, UnitRecord *record, QString *attempt = nullptr,
                      QString *why = nullptr);

// A time as the file holds it, and back (also the ISO 8601 of older files).
QString recordTimeText(const QDateTime &time, RecordTimeStyle style = RecordTimeStyle::Spreadsheet);
QDateTime recordTimeFromText(const QString &text);
// A cell as written, with a formula guarded; and back.
QString guardedCell(const QString &text);
QString unguardedCell(const QString &text);

// The header and the last row of each attempt, as text: the record as its
// readers see it.
QList<QStringList> readRecordRows(const QString &path);

// A record file to take into another record, read as a stream twice, so
// that what is held is one attempt id per attempt, never the rows: open()
// reads every row and checks it (the first that fails refuses the whole
// file, naming its line), then rewind() and next() give the last row of
// each attempt, a row of an older file known by its content.
class ImportFile
{
public:
    ImportFile();
    ~ImportFile();
    ImportFile(const ImportFile &) = delete;
    ImportFile &operator=(const ImportFile &) = delete;

    // A regular file of at most MaxImportBytes.
    bool open(const QString &path, QString *error);
    // Any device; it must seek back to its start for rewind().
    bool open(QIODevice *device, QString *error);
    // The station given to rows that name none.
    void setStation(const QString &station) { m_station = station; }
    // The rows to take in.
    qsizetype size() const { return m_size; }
    bool rewind(QString *error);
    // The next row to take in; false at the end, or with `error` set when
    // the file no longer reads as it did.
    bool next(RecordRow *row, QString *error);

private:
    bool readRow(RecordRow *row, QString *error);

    std::unique_ptr<QIODevice> m_file;
    QIODevice *m_device = nullptr;
    std::unique_ptr<class CsvReader> m_reader;
    QHash<QString, qint64> m_lastRowOf;   // attempt -> its last row's index
    qint64 m_row = 0;
    qsizetype m_size = 0;
    QString m_station;
};

// The largest file `record import` takes.
constexpr qint64 MaxImportBytes = qint64(64) << 20;
// The rows ImportFile gives, from any device, at once.
bool readImportRows(QIODevice *device, QList<RecordRow> *rows, QString *error);

// A new attempt's id.
QString newAttemptId();

QString csvField(const QString &text);
QList<QStringList> parseCsv(const QString &text);
