#pragma once
// What every fuzz target shares: a broken property aborts, so libFuzzer
// keeps the input that broke it; the library's warnings stay quiet.

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

inline void silence(QtMsgType, const QMessageLogContext &, const QString &) { }

// Reads an input from the front: fixed-size choices first, then the rest.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool atEnd() const { return m_pos >= m_size; }
    size_t left() const { return m_size - m_pos; }
    // The next byte, 0 past the end.
    quint8 byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    // Up to `length` bytes as they are.
    QByteArray bytes(size_t length)
    {
        if (length > left())
            length = left();
        const QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(length));
        m_pos += length;
        return out;
    }
    // A text of a length the next byte gives (at most 63 bytes).
    QByteArray text() { return bytes(byte() & 0x3F); }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};
