#include "workbook/biffrecords.h"

#include "workbook/bytes.h"

#include <QtEndian>

#include <cstring>

namespace songtao::xls {

bool RecordWalker::next()
{
    if (m_next + 4 > m_stream.size())
        return false;
    const quint16 id = readU16(m_stream, m_next);
    const quint16 length = readU16(m_stream, m_next + 2);
    if (m_next + 4 + length > m_stream.size())
        return false;
    m_id = id;
    m_data = m_stream.sliced(m_next + 4, length);
    m_next += 4 + length;
    return true;
}

quint16 RecordWalker::peekId() const
{
    if (m_next + 4 > m_stream.size())
        return 0;
    return readU16(m_stream, m_next);
}

std::vector<QByteArrayView> gatherContinued(RecordWalker &walker)
{
    std::vector<QByteArrayView> segments{walker.data()};
    while (walker.peekId() == record::kContinue && walker.next())
        segments.push_back(walker.data());
    return segments;
}

bool ContinuedReader::fail()
{
    m_failed = true;
    return false;
}

bool ContinuedReader::ensureSegment()
{
    while (m_segment < m_segments.size() && m_at >= m_segments[m_segment].size()) {
        ++m_segment;
        m_at = 0;
    }
    if (m_segment >= m_segments.size()) {
        m_failed = true;
        return false;
    }
    return true;
}

quint8 ContinuedReader::u8()
{
    if (m_failed || !ensureSegment())
        return 0;
    return quint8(m_segments[m_segment][m_at++]);
}

quint16 ContinuedReader::u16()
{
    const quint16 low = u8();
    return quint16(low | (u8() << 8));
}

quint32 ContinuedReader::u32()
{
    const quint32 low = u16();
    return low | (quint32(u16()) << 16);
}

bool ContinuedReader::skip(qint64 count)
{
    while (count > 0 && !m_failed) {
        if (!ensureSegment())
            return false;
        const qint64 step = std::min<qint64>(count, m_segments[m_segment].size() - m_at);
        m_at += step;
        count -= step;
    }
    return !m_failed;
}

bool ContinuedReader::readChars(qsizetype count, bool wide, QString &out)
{
    out.clear();
    out.reserve(count);
    while (count > 0) {
        if (m_failed || m_segment >= m_segments.size())
            return fail();
        if (m_at >= m_segments[m_segment].size()) {
            // The characters go on in the next record, which starts with its
            // own flags byte saying how wide they are there.
            ++m_segment;
            m_at = 0;
            if (m_segment >= m_segments.size() || m_segments[m_segment].isEmpty())
                return fail();
            wide = (quint8(m_segments[m_segment][m_at++]) & 0x01) != 0;
            continue;
        }
        const QByteArrayView segment = m_segments[m_segment];
        const qsizetype available = (segment.size() - m_at) / (wide ? 2 : 1);
        if (available == 0)
            return fail(); // half a 16-bit character
        const qsizetype n = std::min(count, available);
        const char *source = segment.data() + m_at;
        if (wide) {
            const qsizetype start = out.size();
            out.resize(start + n);
            char16_t *target = reinterpret_cast<char16_t *>(out.data()) + start;
            for (qsizetype i = 0; i < n; ++i)
                target[i] = qFromLittleEndian<quint16>(source + 2 * i);
        } else {
            out.append(QLatin1StringView(source, n));
        }
        m_at += n * (wide ? 2 : 1);
        count -= n;
    }
    return true;
}

bool ContinuedReader::readString(bool wideCount, QString &out)
{
    const quint16 count = wideCount ? u16() : u8();
    const quint8 flags = u8();
    if (m_failed)
        return false;
    const quint16 runs = (flags & 0x08) ? u16() : 0;
    const quint32 phonetic = (flags & 0x04) ? u32() : 0;
    if (!readChars(count, (flags & 0x01) != 0, out))
        return false;
    return skip(qint64(runs) * 4 + phonetic);
}

} // namespace songtao::xls
