#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstring>
#include <optional>

namespace songtao::xls {

// Little-endian fields of the file formats. Every read is checked against the
// end of the bytes: a damaged file gives "no value", never a read past it.
class ByteCursor
{
public:
    explicit ByteCursor(QByteArrayView bytes, qsizetype at = 0) : m_bytes(bytes), m_at(at) { }

    qsizetype position() const { return m_at; }
    qsizetype remaining() const { return m_at <= m_bytes.size() ? m_bytes.size() - m_at : 0; }
    bool has(qsizetype count) const { return count >= 0 && remaining() >= count; }
    bool failed() const { return m_failed; }

    bool skip(qsizetype count)
    {
        if (!has(count))
            return fail();
        m_at += count;
        return true;
    }

    quint8 u8() { return quint8(take<1>()); }
    quint16 u16() { return quint16(take<2>()); }
    quint32 u32() { return quint32(take<4>()); }
    quint64 u64() { return take<8>(); }
    double f64()
    {
        const quint64 bits = take<8>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    QByteArrayView bytes(qsizetype count)
    {
        if (!has(count)) {
            fail();
            return {};
        }
        const QByteArrayView view = m_bytes.sliced(m_at, count);
        m_at += count;
        return view;
    }

private:
    template<int N> quint64 take()
    {
        if (!has(N)) {
            fail();
            return 0;
        }
        quint64 value = 0;
        for (int i = N - 1; i >= 0; --i)
            value = (value << 8) | quint8(m_bytes[m_at + i]);
        m_at += N;
        return value;
    }
    bool fail()
    {
        m_failed = true;
        m_at = m_bytes.size();
        return false;
    }

    QByteArrayView m_bytes;
    qsizetype m_at;
    bool m_failed = false;
};

inline quint16 readU16(QByteArrayView bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8));
}

inline quint32 readU32(QByteArrayView bytes, qsizetype at)
{
    return quint32(readU16(bytes, at)) | (quint32(readU16(bytes, at + 2)) << 16);
}

inline void appendU8(QByteArray &out, quint8 value)
{
    out.append(char(value));
}

inline void appendU16(QByteArray &out, quint16 value)
{
    const char bytes[2] = {char(value & 0xFF), char(value >> 8)};
    out.append(bytes, 2);
}

inline void appendU32(QByteArray &out, quint32 value)
{
    appendU16(out, quint16(value & 0xFFFF));
    appendU16(out, quint16(value >> 16));
}

inline void putU16(QByteArray &out, qsizetype at, quint16 value)
{
    out[at] = char(value & 0xFF);
    out[at + 1] = char(value >> 8);
}

inline void putU32(QByteArray &out, qsizetype at, quint32 value)
{
    putU16(out, at, quint16(value & 0xFFFF));
    putU16(out, at + 2, quint16(value >> 16));
}

} // namespace songtao::xls
