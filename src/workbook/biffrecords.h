#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

namespace songtao::xls {

// Record numbers of BIFF8 used here.
namespace record {
constexpr quint16 kFormula = 0x0006;
constexpr quint16 kEof = 0x000A;
constexpr quint16 kFilePass = 0x002F;
constexpr quint16 kDateMode = 0x0022;
constexpr quint16 kFont = 0x0031;
constexpr quint16 kContinue = 0x003C;
constexpr quint16 kWindow1 = 0x003D;
constexpr quint16 kCodePage = 0x0042;
constexpr quint16 kBoundSheet = 0x0085;
constexpr quint16 kMulRk = 0x00BD;
constexpr quint16 kMulBlank = 0x00BE;
constexpr quint16 kRString = 0x00D6;
constexpr quint16 kXf = 0x00E0;
constexpr quint16 kSst = 0x00FC;
constexpr quint16 kLabelSst = 0x00FD;
constexpr quint16 kDimensions = 0x0200;
constexpr quint16 kBlank = 0x0201;
constexpr quint16 kNumber = 0x0203;
constexpr quint16 kLabel = 0x0204;
constexpr quint16 kBoolErr = 0x0205;
constexpr quint16 kString = 0x0207;
constexpr quint16 kWindow2 = 0x023E;
constexpr quint16 kRk = 0x027E;
constexpr quint16 kStyle = 0x0293;
constexpr quint16 kFormat = 0x041E;
constexpr quint16 kBof = 0x0809;
} // namespace record

// Walks the records of a stream from a position; stops at the end or at a
// record whose length runs past the stream.
class RecordWalker
{
public:
    RecordWalker(QByteArrayView stream, qsizetype at) : m_stream(stream), m_next(at) { }

    // Moves to the next record; false at the end or on a damaged header.
    bool next();
    quint16 id() const { return m_id; }
    QByteArrayView data() const { return m_data; }
    // The id of the record after this one, or 0 when there is none.
    quint16 peekId() const;

private:
    QByteArrayView m_stream;
    qsizetype m_next;
    quint16 m_id = 0;
    QByteArrayView m_data;
};

// The data of a record and its CONTINUE records, read as one: strings whose
// characters run into a CONTINUE record restart there with a new flags byte.
class ContinuedReader
{
public:
    explicit ContinuedReader(std::vector<QByteArrayView> segments) : m_segments(std::move(segments))
    { }

    bool failed() const { return m_failed; }
    quint8 u8();
    quint16 u16();
    quint32 u32();
    bool skip(qint64 count);
    // A unicode string: its character count (8 or 16 bits wide), flags
    // byte, optional rich-text and phonetic parts.
    bool readString(bool wideCount, QString &out);

private:
    bool ensureSegment();
    bool fail();
    bool readChars(qsizetype count, bool wide, QString &out);

    std::vector<QByteArrayView> m_segments;
    size_t m_segment = 0;
    qsizetype m_at = 0;
    bool m_failed = false;
};

// The record at the walker's position with its CONTINUE records; moves the
// walker past them.
std::vector<QByteArrayView> gatherContinued(RecordWalker &walker);

} // namespace songtao::xls
