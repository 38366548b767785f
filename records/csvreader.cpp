#include "records/csvreader.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QStringDecoder>

namespace {

struct CsvReaderText {
    Q_DECLARE_TR_FUNCTIONS(CsvReader)
};

constexpr qint64 ChunkBytes = 64 * 1024;

} // namespace

CsvReader::CsvReader(QIODevice *device, qsizetype maxRowBytes, int maxFields)
    : m_device(device)
    , m_maxRowBytes(maxRowBytes)
    , m_maxFields(maxFields)
{
}

int CsvReader::peek()
{
    if (m_pos >= m_buffer.size()) {
        if (m_atEnd)
            return -1;
        m_buffer = m_device->read(ChunkBytes);
        m_pos = 0;
        if (m_buffer.isEmpty()) {
            m_atEnd = true;
            return -1;
        }
    }
    return static_cast<unsigned char>(m_buffer.at(m_pos));
}

int CsvReader::take()
{
    const int c = peek();
    if (c < 0)
        return c;
    ++m_pos;
    ++m_rowBytes;
    // A line ends in LF, or in a CR that no LF follows.
    if (c == '\n' || (c == '\r' && peek() != '\n'))
        ++m_line;
    return c;
}

CsvReader::Status CsvReader::refuse(const QString &why)
{
    m_error = CsvReaderText::tr("line %1: %2").arg(m_rowLine).arg(why);
    m_done = Refused;
    return Refused;
}

bool CsvReader::endField(QByteArray *field, QStringList *fields)
{
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder(*field);
    field->clear();
    if (decoder.hasError()) {
        refuse(CsvReaderText::tr("the text is not UTF-8"));
        return false;
    }
    if (fields->size() >= m_maxFields) {
        refuse(CsvReaderText::tr("more than %1 fields: not a record row").arg(m_maxFields));
        return false;
    }
    *fields << text;
    return true;
}

CsvReader::Status CsvReader::next(QStringList *fields)
{
    fields->clear();
    if (m_done != Row)
        return m_done;
    if (!m_started) {
        m_started = true;
        // A spreadsheet's byte order mark before the header.
        if (peek() == 0xEF && m_buffer.mid(m_pos, 3) == "\xEF\xBB\xBF")
            m_pos += 3;
    }
    // Blank lines between rows are no rows.
    while (peek() == '\r' || peek() == '\n')
        take();
    m_rowLine = m_line;
    m_rowBytes = 0;
    if (peek() < 0) {
        m_done = End;
        return End;
    }
    QByteArray field;
    for (;;) {
        if (m_rowBytes > m_maxRowBytes)
            return refuse(CsvReaderText::tr("longer than any record row (more than %1 bytes)").arg(m_maxRowBytes));
        int c = take();
        if (c == '"' && field.isEmpty()) {
            // A quoted field: to its closing quote, then a comma or the line's end.
            for (;;) {
                if (m_rowBytes > m_maxRowBytes)
                    return refuse(CsvReaderText::tr("longer than any record row (more than %1 bytes)").arg(m_maxRowBytes));
                c = take();
                if (c < 0)
                    return refuse(CsvReaderText::tr("a quoted field is never closed"));
                if (c == '"') {
                    if (peek() != '"')
                        break;
                    take();
                }
                field += char(c);
            }
            c = take();
            if (c != ',' && c != '\r' && c != '\n' && c >= 0)
                return refuse(CsvReaderText::tr("text after the closing quote of a field"));
            if (!endField(&field, fields))
                return Refused;
        } else if (c == '"') {
            return refuse(CsvReaderText::tr("a quote inside an unquoted field (quote the whole field, doubling its quotes)"));
        } else if (c == ',' || c == '\r' || c == '\n' || c < 0) {
            if (!endField(&field, fields))
                return Refused;
        } else {
            field += char(c);
            continue;
        }
        // A field has ended; so has the row, unless a comma ended it.
        if (c == '\r' && peek() == '\n')
            take();
        if (c != ',')
            return Row;
        if (peek() < 0 || peek() == '\r' || peek() == '\n') {
            // A comma at the line's end: one more, empty field.
            if (!endField(&field, fields))
                return Refused;
            const int end = take();
            if (end == '\r' && peek() == '\n')
                take();
            return Row;
        }
    }
}

namespace {

// Windows-1252's characters for the bytes 0x80 ... 0x9F; the five it leaves
// undefined are read as the C1 control of the same number.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte a misreading made `c` of; -1 when no single byte becomes `c`.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    // LibreOffice keeps an undefined byte as a private-use character.
    if (c >= 0xF180 && c <= 0xF19F)
        return c - 0xF100;
    for (int i = 0; i < 32; ++i) {
        if (Cp1252High[i] == c)
            return 0x80 + i;
    }
    return c >= 0x80 && c <= 0x9F ? int(c) : -1;
}

} // namespace

QString misreadUtf8(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    bool high = false;
    for (const QChar c : text) {
        const int byte = byteOf(c.unicode());
        if (byte < 0)
            return QString();
        high = high || byte >= 0x80;
        bytes += char(byte);
    }
    if (!high)
        return QString();
    // Only UTF-8 with several-byte characters comes back this way: Latin
    // text of its own ("Café") is no UTF-8 as bytes.
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString meant = decoder(bytes);
    return decoder.hasError() ? QString() : meant;
}
