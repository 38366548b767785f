#pragma once
// CSV as RFC 4180 writes it, read one row at a time from any device, so a
// file is never held whole: a field is quoted whole or not at all, a quote
// inside a quoted field is doubled, rows end in CRLF (a bare LF or CR is
// taken too). Whatever breaks these rules is refused with the line it is
// on, never guessed at; so are rows longer than `maxRowBytes`, rows of more
// than `maxFields` fields and text that is not UTF-8.

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

class CsvReader
{
public:
    enum Status { Row, End, Refused };

    CsvReader(QIODevice *device, qsizetype maxRowBytes, int maxFields);

    // The next row into `fields`; blank lines are passed over. After End or
    // Refused every call says the same again.
    Status next(QStringList *fields);
    // The line the last row (or the refusal) began on, from 1.
    qint64 line() const { return m_rowLine; }
    // Why the reader refused, with its line: "line 3: a quote inside ...".
    QString error() const { return m_error; }

private:
    int peek();
    int take();
    Status refuse(const QString &why);
    bool endField(QByteArray *field, QStringList *fields);

    QIODevice *m_device;
    qsizetype m_maxRowBytes;
    int m_maxFields;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_atEnd = false;
    bool m_started = false;
    qint64 m_line = 1;
    qint64 m_rowLine = 0;
    qsizetype m_rowBytes = 0;
    Status m_done = Row;
    QString m_error;
};

// What `text` was before a program read its UTF-8 as Windows-1252 (or
// Latin-1) and wrote it out again as UTF-8, as a spreadsheet does with a
// file that has no byte order mark ("序列" comes back as "åºåˆ—"); empty when
// it does not read as such a round trip.
QString misreadUtf8(const QString &text);
