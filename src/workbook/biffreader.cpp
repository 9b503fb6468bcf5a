#include "workbook/biffreader.h"

#include "workbook/biffrecords.h"
#include "workbook/bytes.h"
#include "workbook/cellformat.h"
#include "workbook/compoundfile.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace songtao::xls {
namespace {

constexpr quint16 kBiff8 = 0x0600;
constexpr quint16 kGlobalsSubstream = 0x0005;
constexpr quint16 kWorksheetSubstream = 0x0010;

double rkValue(quint32 rk)
{
    double value;
    if (rk & 0x02) {
        value = double(qint32(rk) >> 2);
    } else {
        const quint64 bits = quint64(rk & 0xFFFFFFFC) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 0x01) ? value / 100.0 : value;
}

// A string read from one record without CONTINUE parts.
bool readRecordString(QByteArrayView data, qsizetype at, bool wideCount, QString &out)
{
    if (at > data.size())
        return false;
    ContinuedReader reader({data.sliced(at)});
    return reader.readString(wideCount, out);
}

} // namespace

std::optional<BiffWorkbook> BiffWorkbook::fromFile(QByteArray file)
{
    const auto compound = CompoundFile::open(std::move(file));
    if (!compound)
        return std::nullopt;
    // BIFF5 workbooks keep their stream under the name "Book": not found
    // here, so they are refused along with every other non-BIFF8 file.
    auto stream = compound->stream(u"Workbook"_s);
    if (!stream)
        return std::nullopt;
    return fromStream(std::move(*stream));
}

std::optional<BiffWorkbook> BiffWorkbook::fromStream(QByteArray stream)
{
    BiffWorkbook book;
    book.m_stream = std::move(stream);
    if (!book.readGlobals())
        return std::nullopt;
    return book;
}

bool BiffWorkbook::readGlobals()
{
    RecordWalker walker(m_stream, 0);
    if (!walker.next() || walker.id() != record::kBof || walker.data().size() < 4)
        return false;
    if (readU16(walker.data(), 0) != kBiff8 || readU16(walker.data(), 2) != kGlobalsSubstream)
        return false;

    QHash<int, bool> customFormats; // format id -> shows a date
    std::vector<int> xfFormats;
    auto strings = std::make_shared<std::vector<QString>>();
    bool ended = false;
    while (!ended && walker.next()) {
        const QByteArrayView data = walker.data();
        switch (walker.id()) {
        case record::kEof:
            ended = true;
            break;
        case record::kFilePass:
            return false; // encrypted: nothing can be read
        case record::kDateMode:
            if (data.size() >= 2)
                m_date1904 = readU16(data, 0) == 1;
            break;
        case record::kFormat: {
            QString text;
            if (data.size() >= 2 && readRecordString(data, 2, true, text))
                customFormats.insert(readU16(data, 0), isDateFormatText(text));
            break;
        }
        case record::kXf:
            if (data.size() >= 4)
                xfFormats.push_back(readU16(data, 2));
            break;
        case record::kBoundSheet: {
            if (data.size() < 6)
                return false;
            Sheet sheet;
            sheet.offset = readU32(data, 0);
            sheet.isWorksheet = quint8(data[5]) == 0;
            if (!readRecordString(data, 6, false, sheet.name))
                return false;
            m_sheets.push_back(std::move(sheet));
            break;
        }
        case record::kSst: {
            ContinuedReader reader(gatherContinued(walker));
            reader.u32(); // total references, not needed
            const quint32 unique = reader.u32();
            if (reader.failed())
                return false;
            // Each string takes three bytes at least: never reserve more
            // than the record could hold.
            strings->reserve(std::min<quint32>(unique, quint32(m_stream.size() / 3)));
            QString text;
            for (quint32 i = 0; i < unique; ++i) {
                if (!reader.readString(true, text))
                    return false;
                strings->push_back(text);
            }
            break;
        }
        default:
            break;
        }
    }
    if (!ended)
        return false;

    // Two sheets whose names differ only in letter case cannot be told
    // apart by a name lookup: such a workbook is refused.
    QSet<QString> names;
    for (const Sheet &sheet : m_sheets) {
        const QString folded = sheet.name.toCaseFolded();
        if (names.contains(folded))
            return false;
        names.insert(folded);
    }

    m_xfIsDate.reserve(xfFormats.size());
    for (const int format : xfFormats)
        m_xfIsDate.push_back(isBuiltInDateFormat(format) || customFormats.value(format, false));
    m_sharedStrings = std::move(strings);
    return true;
}

int BiffWorkbook::findWorksheet(const QString &name) const
{
    for (size_t i = 0; i < m_sheets.size(); ++i) {
        if (m_sheets[i].isWorksheet && m_sheets[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

int BiffWorkbook::firstWorksheet() const
{
    for (size_t i = 0; i < m_sheets.size(); ++i) {
        if (m_sheets[i].isWorksheet)
            return int(i);
    }
    return -1;
}

std::optional<SheetData> BiffWorkbook::readSheet(int index) const
{
    if (index < 0 || size_t(index) >= m_sheets.size())
        return std::nullopt;
    const Sheet &info = m_sheets[size_t(index)];
    if (info.offset >= quint64(m_stream.size()))
        return std::nullopt;
    RecordWalker walker(m_stream, info.offset);
    if (!walker.next() || walker.id() != record::kBof || walker.data().size() < 4
        || readU16(walker.data(), 0) != kBiff8 || readU16(walker.data(), 2) != kWorksheetSubstream)
        return std::nullopt;

    SheetData sheet;
    sheet.name = info.name;
    sheet.date1904 = m_date1904;
    sheet.sharedStrings = m_sharedStrings;
    std::vector<Cell> &cells = sheet.cells;
    // A cell record takes 14 bytes or more: enough room for most sheets
    // without regrowing, never more than the stream could hold.
    cells.reserve(
        std::min<size_t>(size_t(m_stream.size() - qsizetype(info.offset)) / 14, size_t(1) << 22));

    const auto isDate = [this](quint16 xf) {
        return xf < m_xfIsDate.size() && m_xfIsDate[xf];
    };
    const auto addNumber = [&](quint16 row, quint16 column, quint16 xf, double value) {
        cells.push_back({row, column, isDate(xf) ? CellKind::Date : CellKind::Number, 0, value});
    };
    const auto addOwnText = [&](quint16 row, quint16 column, QString text) {
        cells.push_back({row, column, CellKind::OwnText, quint32(sheet.ownTexts.size()), 0});
        sheet.ownTexts.push_back(std::move(text));
    };
    // A formula whose cached value is a string gets it from the STRING
    // record that follows it.
    qsizetype pendingString = -1;

    int depth = 1; // embedded charts bring their own BOF .. EOF
    while (depth > 0) {
        if (!walker.next())
            return std::nullopt;
        const quint16 id = walker.id();
        if (id == record::kBof) {
            ++depth;
            continue;
        }
        if (id == record::kEof) {
            --depth;
            continue;
        }
        if (depth > 1)
            continue;
        const QByteArrayView data = walker.data();
        ByteCursor in(data);
        switch (id) {
        case record::kLabelSst: {
            const quint16 row = in.u16(), column = in.u16();
            in.u16();
            const quint32 string = in.u32();
            if (in.failed() || string >= m_sharedStrings->size())
                return std::nullopt;
            cells.push_back({row, column, CellKind::SharedText, string, 0});
            break;
        }
        case record::kLabel:
        case record::kRString: {
            const quint16 row = in.u16(), column = in.u16();
            in.u16();
            QString text;
            if (in.failed() || !readRecordString(data, 6, true, text))
                return std::nullopt;
            addOwnText(row, column, std::move(text));
            break;
        }
        case record::kNumber: {
            const quint16 row = in.u16(), column = in.u16(), xf = in.u16();
            const double value = in.f64();
            if (in.failed())
                return std::nullopt;
            addNumber(row, column, xf, value);
            sheet.textOnly = false;
            break;
        }
        case record::kRk: {
            const quint16 row = in.u16(), column = in.u16(), xf = in.u16();
            const quint32 rk = in.u32();
            if (in.failed())
                return std::nullopt;
            addNumber(row, column, xf, rkValue(rk));
            sheet.textOnly = false;
            break;
        }
        case record::kMulRk: {
            const quint16 row = in.u16(), first = in.u16();
            if (in.failed() || data.size() < 6)
                return std::nullopt;
            const qsizetype count = (data.size() - 6) / 6;
            for (qsizetype i = 0; i < count; ++i) {
                const quint16 xf = in.u16();
                const quint32 rk = in.u32();
                addNumber(row, quint16(first + i), xf, rkValue(rk));
            }
            sheet.textOnly = sheet.textOnly && count == 0;
            break;
        }
        case record::kBoolErr: {
            const quint16 row = in.u16(), column = in.u16();
            in.u16();
            const quint8 value = in.u8(), isError = in.u8();
            if (in.failed())
                return std::nullopt;
            cells.push_back({row, column, isError ? CellKind::Error : CellKind::Boolean, 0,
                             double(value != 0)});
            sheet.textOnly = false;
            break;
        }
        case record::kFormula: {
            const quint16 row = in.u16(), column = in.u16(), xf = in.u16();
            const QByteArrayView result = in.bytes(8);
            if (in.failed())
                return std::nullopt;
            sheet.textOnly = false;
            if (readU16(result, 6) != 0xFFFF) {
                ByteCursor value(result);
                addNumber(row, column, xf, value.f64());
                break;
            }
            switch (quint8(result[0])) {
            case 0: // string, in the STRING record that follows
                pendingString = qsizetype(cells.size());
                addOwnText(row, column, QString());
                break;
            case 1:
                cells.push_back({row, column, CellKind::Boolean, 0, double(result[2] != 0)});
                break;
            case 2:
                cells.push_back({row, column, CellKind::Error, 0, 0});
                break;
            default: // 3: the empty string
                addOwnText(row, column, QString());
                break;
            }
            break;
        }
        case record::kString: {
            if (pendingString < 0)
                break;
            ContinuedReader reader(gatherContinued(walker));
            QString text;
            if (!reader.readString(true, text))
                return std::nullopt;
            sheet.ownTexts[cells[size_t(pendingString)].text] = std::move(text);
            pendingString = -1;
            break;
        }
        default:
            break;
        }
    }

    // Writers put cells in row order, but the format does not promise it.
    const auto before = [](const Cell &a, const Cell &b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    };
    if (!std::is_sorted(cells.begin(), cells.end(), before))
        std::stable_sort(cells.begin(), cells.end(), before);
    // A cell written twice keeps its last value.
    const auto last = std::unique(cells.rbegin(), cells.rend(), [](const Cell &a, const Cell &b) {
        return a.row == b.row && a.column == b.column;
    });
    cells.erase(cells.begin(), last.base());
    return sheet;
}

} // namespace songtao::xls
