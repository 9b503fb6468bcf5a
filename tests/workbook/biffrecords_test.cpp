#include "workbook/biffreader.h"
#include "workbook/biffrecords.h"
#include "workbook/bytes.h"

#include <QList>

#include <bit>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao::xls;

namespace {

// Builds BIFF8 streams record by record, for the record kinds that the
// fixtures' writers do not produce.
class StreamBuilder
{
public:
    StreamBuilder &record(quint16 id, const QByteArray &data)
    {
        appendU16(m_out, id);
        appendU16(m_out, quint16(data.size()));
        m_out.append(data);
        return *this;
    }
    qsizetype size() const { return m_out.size(); }
    QByteArray &bytes() { return m_out; }

private:
    QByteArray m_out;
};

QByteArray u16s(std::initializer_list<quint16> values)
{
    QByteArray out;
    for (const quint16 v : values)
        appendU16(out, v);
    return out;
}

QByteArray u32(quint32 value)
{
    QByteArray out;
    appendU32(out, value);
    return out;
}

QByteArray f64(double value)
{
    const quint64 bits = std::bit_cast<quint64>(value);
    return u32(quint32(bits)) + u32(quint32(bits >> 32));
}

QByteArray wide(const QString &text)
{
    QByteArray out;
    for (const QChar c : text)
        appendU16(out, c.unicode());
    return out;
}

QByteArray bof(quint16 kind)
{
    return u16s({0x0600, kind}) + QByteArray(12, '\0');
}

// Globals with two cell XFs (0: General, 1: a built-in date) and one
// worksheet, followed by that sheet's records.
std::optional<BiffWorkbook> workbookWith(const std::function<void(StreamBuilder &)> &cells,
                                         const QByteArray &sst = {})
{
    StreamBuilder stream;
    stream.record(record::kBof, bof(0x0005));
    stream.record(record::kXf, u16s({0, 0}) + QByteArray(16, '\0'));
    stream.record(record::kXf, u16s({0, 14}) + QByteArray(16, '\0'));
    const qsizetype offsetAt = stream.size() + 4;
    stream.record(record::kBoundSheet, u32(0) + u16s({0}) + QByteArray("\x06\x00Sheet1", 8));
    if (!sst.isEmpty())
        stream.bytes().append(sst);
    stream.record(record::kEof, {});
    putU32(stream.bytes(), offsetAt, quint32(stream.size()));
    stream.record(record::kBof, bof(0x0010));
    cells(stream);
    stream.record(record::kEof, {});
    return BiffWorkbook::fromStream(stream.bytes());
}

QStringList texts(const SheetData &sheet)
{
    QStringList out;
    for (const Cell &cell : sheet.cells)
        out.append(u"%1,%2=%3"_s.arg(cell.row).arg(cell.column).arg(sheet.text(cell)));
    return out;
}

TEST(BiffRecords, EveryCellRecordReadsAsText)
{
    const auto book = workbookWith([](StreamBuilder &s) {
        const QString label = u"标签"_s;
        s.record(record::kLabel, u16s({1, 0, 0, quint16(label.size())}) + "\x01" + wide(label));
        s.record(record::kRString,
                 u16s({1, 1, 0, 2})
                     + QByteArray("\x00"
                                  "ab",
                                  3)
                     + u16s({0}));
        s.record(record::kRk, u16s({1, 2, 0}) + u32((169u << 2) | 2));
        s.record(record::kRk, u16s({1, 3, 0}) + u32((950u << 2) | 3));
        s.record(record::kRk, u16s({1, 4, 0}) + u32(quint32(std::bit_cast<quint64>(0.5) >> 32)));
        s.record(record::kMulRk,
                 u16s({2, 0}) + u16s({0}) + u32((1u << 2) | 2) + u16s({0}) + u32((2u << 2) | 2)
                     + u16s({1}) + u32((42450u << 2) | 2) + u16s({2}));
        s.record(record::kBoolErr, u16s({3, 0, 0}) + QByteArray("\x01\x00", 2));
        s.record(record::kBoolErr, u16s({3, 1, 0}) + QByteArray("\x07\x01", 2));
        s.record(record::kNumber, u16s({3, 2, 1}) + f64(42450.65284722222));
        s.record(record::kBlank, u16s({3, 3, 0}));
        // A formula's string result, its characters running into a CONTINUE
        // record where they turn 16-bit.
        const QByteArray stringResult = u16s({0, 0, 0, 0xFFFF});
        s.record(record::kFormula, u16s({4, 0, 0}) + stringResult + u16s({0}) + u32(0) + u16s({0}));
        s.record(record::kString,
                 u16s({4})
                     + QByteArray("\x00"
                                  "ab",
                                  3));
        s.record(record::kContinue, QByteArray("\x01", 1) + wide(u"书册"_s));
        s.record(record::kFormula, u16s({4, 1, 0}) + u16s({3, 0, 0, 0xFFFF}) + u16s({0}) + u32(0));
        s.record(record::kFormula, u16s({4, 2, 0}) + f64(30) + u16s({0}) + u32(0));
        s.record(record::kFormula, u16s({4, 3, 0}) + u16s({1, 1, 0, 0xFFFF}) + u16s({0}) + u32(0));
        // An embedded chart's substream: its records are not cells.
        s.record(record::kBof, bof(0x0020));
        s.record(record::kNumber, u16s({9, 9, 0}) + f64(1));
        s.record(record::kEof, {});
        // Out of order: row 0 after the rest.
        s.record(record::kNumber, u16s({0, 0, 0}) + f64(-0.25));
    });
    ASSERT_TRUE(book);
    const auto sheet = book->readSheet(book->findWorksheet(u"SHEET1"_s));
    ASSERT_TRUE(sheet);
    EXPECT_EQ(texts(*sheet),
              (QStringList{u"0,0=-0.25"_s, u"1,0=标签"_s, u"1,1=ab"_s, u"1,2=169"_s, u"1,3=9.5"_s,
                           u"1,4=0.5"_s, u"2,0=1"_s, u"2,1=2"_s, u"2,2=2016年3月21日"_s, u"3,0=1"_s,
                           u"3,1="_s, u"3,2=2016年3月21日15时40分6秒"_s, u"4,0=ab书册"_s, u"4,1="_s,
                           u"4,2=30"_s, u"4,3=1"_s}));
    EXPECT_FALSE(sheet->textOnly);
}

TEST(BiffRecords, SharedStringsAcrossContinueRecords)
{
    // Three strings: plain; split with a switch from 8-bit to 16-bit; rich
    // text with runs and a phonetic block that themselves run over.
    QByteArray sst;
    appendU16(sst, record::kSst);
    const QByteArray compressed(1, '\0');
    QByteArray first =
        u32(3) + u32(3) + u16s({2}) + compressed + "hi" + u16s({4}) + compressed + "ab";
    appendU16(sst, quint16(first.size()));
    sst.append(first);
    QByteArray second = QByteArray("\x01", 1) + wide(u"书名"_s) + u16s({1}) + "\x0C" + u16s({1})
        + u32(6) + "x" + u16s({0, 0}) + QByteArray(6, 'p');
    appendU16(sst, record::kContinue);
    appendU16(sst, quint16(second.size() - 8));
    sst.append(second.left(second.size() - 8));
    appendU16(sst, record::kContinue);
    appendU16(sst, 8);
    sst.append(second.right(8));

    const auto book = workbookWith(
        [](StreamBuilder &s) {
            for (quint16 i = 0; i < 3; ++i)
                s.record(record::kLabelSst, u16s({i, 0, 0}) + u32(i));
        },
        sst);
    ASSERT_TRUE(book);
    const auto sheet = book->readSheet(0);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(texts(*sheet), (QStringList{u"0,0=hi"_s, u"1,0=ab书名"_s, u"2,0=x"_s}));
    EXPECT_TRUE(sheet->textOnly);

    // A shared-string index past the table is a damaged sheet.
    const auto damaged = workbookWith(
        [](StreamBuilder &s) {
            s.record(record::kLabelSst, u16s({0, 0, 0}) + u32(3));
        },
        sst);
    ASSERT_TRUE(damaged);
    EXPECT_FALSE(damaged->readSheet(0));
}

} // namespace
