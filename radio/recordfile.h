#pragma once
// The provisioning record: one CSV row (RFC 4180) per unit written, appended
// to a file shared by the window and kvx-cli --log:
//   time,port,product,module,mode,unit_address,network_address,work_mode,
//   baud,link_rate,power,repeater,result,differences
//
// Several programs may append at once: every change is made under a lock
// (a lock file in the temporary folder, named after the record), the header
// goes into an empty file only, and a row is written whole or not at all.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "radio/radiosettings.h"
#include "radio/recordstore.h"

const QStringList &recordHeader();

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
    // A new row, or the row whose text is `handle` replaced (appended when
    // it is gone); returns the row's text, empty on failure.
    QByteArray writeRow(const QByteArray &handle, const UnitRecord &record, QString *error) override;
    QList<RecordRow> rows(QString *error = nullptr) const override;

    // Every row as text, the header included; empty when there is no file.
    QList<QStringList> textRows() const;
    // Whether a unit recorded as verified or written holds this unit
    // address on this network address.
    bool holdsUnit(const QString &unitAddress, const QString &networkAddress) const override;

private:
    QByteArray appendLine(const QByteArray &line, QString *error);
    bool replaceLine(const QByteArray &old, const QByteArray &line, QString *error);

    QString m_path;
};

// The row as written to the file, with its line end.
QByteArray recordLine(const UnitRecord &record);
// A row of the file (the header's columns) back as a record; false when it
// is not one.
bool recordFromFields(const QStringList &fields, UnitRecord *record);

// Every row of the file at `path` as text, the header included.
QList<QStringList> readRecordRows(const QString &path);

QString csvField(const QString &text);
QList<QStringList> parseCsv(const QString &text);
