#include "workbook/biffwriter.h"

#include "workbook/biffrecords.h"
#include "workbook/bytes.h"
#include "workbook/compoundfile.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace songtao::xls {
namespace {

constexpr int kMaxRecordData = 8224;
constexpr quint16 kCellXf = 16; // after the 16 style XFs

void appendRecord(QByteArray &out, quint16 id, const QByteArray &data)
{
    appendU16(out, id);
    appendU16(out, quint16(data.size()));
    out.append(data);
}

bool fitsLatin1(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
}

void appendChars(QByteArray &out, QStringView text, bool wide)
{
    const qsizetype start = out.size();
    out.resize(start + text.size() * (wide ? 2 : 1));
    char *target = out.data() + start;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        *target++ = char(unit & 0xFF);
        if (wide)
            *target++ = char(unit >> 8);
    }
}

// A string with a one-byte count (sheet and font names).
void appendShortString(QByteArray &out, QStringView text)
{
    const bool wide = !fitsLatin1(text);
    appendU8(out, quint8(text.size()));
    appendU8(out, wide ? 1 : 0);
    appendChars(out, text, wide);
}

QByteArray bof(quint16 substream)
{
    QByteArray data;
    appendU16(data, 0x0600);
    appendU16(data, substream);
    appendU16(data, 0x0DBB); // build
    appendU16(data, 0x07CC); // year
    appendU32(data, 0);
    appendU32(data, 0x06); // lowest version that can read the file: BIFF8
    return data;
}

QByteArray font()
{
    QByteArray data;
    appendU16(data, 240); // 12 point, in twentieths
    appendU16(data, 0); // plain
    appendU16(data, 0x7FFF); // automatic colour
    appendU16(data, 400); // normal weight
    appendU16(data, 0);
    appendU8(data, 0);
    appendU8(data, 0);
    appendU8(data, 0x86); // GB2312 character set
    appendU8(data, 0);
    appendShortString(data, u"宋体");
    return data;
}

QByteArray xf(bool style)
{
    QByteArray data;
    appendU16(data, 0); // font
    appendU16(data, 0); // General
    appendU16(data, style ? 0xFFF5 : 0x0001); // locked; style XFs have no parent
    appendU8(data, 0x20); // aligned at the bottom
    appendU8(data, 0);
    appendU8(data, 0);
    appendU8(data, style ? 0x00 : 0xF8); // cell XF: nothing taken from its style
    appendU32(data, 0);
    appendU32(data, 0);
    appendU16(data, 0x20C0); // default pattern colours
    return data;
}

// The shared-string table: strings run on into CONTINUE records, the
// characters of a split string resuming after a new flags byte.
void appendSst(QByteArray &out, const std::vector<QString> &strings, quint32 references)
{
    QByteArray data;
    appendU32(data, references);
    appendU32(data, quint32(strings.size()));
    quint16 id = record::kSst;
    const auto flush = [&] {
        appendRecord(out, id, data);
        data.clear();
        id = record::kContinue;
    };
    for (const QString &text : strings) {
        const bool wide = !fitsLatin1(text);
        const int width = wide ? 2 : 1;
        if (data.size() + 3 + width > kMaxRecordData)
            flush();
        appendU16(data, quint16(text.size()));
        appendU8(data, wide ? 1 : 0);
        qsizetype done = 0;
        for (;;) {
            const qsizetype room = (kMaxRecordData - data.size()) / width;
            const qsizetype n = std::min(room, text.size() - done);
            appendChars(data, QStringView(text).sliced(done, n), wide);
            done += n;
            if (done == text.size())
                break;
            flush();
            appendU8(data, wide ? 1 : 0);
        }
    }
    flush();
}

QByteArray globals(const QString &sheetName, const std::vector<QString> &strings,
                   quint32 references, qsizetype &sheetOffsetAt)
{
    QByteArray out;
    appendRecord(out, record::kBof, bof(0x0005));
    QByteArray data;
    appendU16(data, 1200); // strings are UTF-16
    appendRecord(out, record::kCodePage, data);

    data.clear();
    appendU16(data, 0x0168);
    appendU16(data, 0x001E);
    appendU16(data, 0x3A5C);
    appendU16(data, 0x2328);
    appendU16(data, 0x0038); // scroll bars and sheet tabs shown
    appendU16(data, 0);
    appendU16(data, 0);
    appendU16(data, 1);
    appendU16(data, 0x0258);
    appendRecord(out, record::kWindow1, data);

    data.clear();
    appendU16(data, 0);
    appendRecord(out, record::kDateMode, data);

    // Font number 4 does not exist in the format: four fonts are enough.
    for (int i = 0; i < 4; ++i)
        appendRecord(out, record::kFont, font());
    for (int i = 0; i < 16; ++i)
        appendRecord(out, record::kXf, xf(true));
    appendRecord(out, record::kXf, xf(false));

    data.clear();
    appendU16(data, 0x8000); // built-in style on XF 0
    appendU8(data, 0); // Normal
    appendU8(data, 0xFF);
    appendRecord(out, record::kStyle, data);

    data.clear();
    appendU32(data, 0); // patched once the sheet's place is known
    appendU8(data, 0); // visible
    appendU8(data, 0); // worksheet
    appendShortString(data, QStringView(sheetName).left(31));
    sheetOffsetAt = out.size() + 4;
    appendRecord(out, record::kBoundSheet, data);

    appendSst(out, strings, references);
    appendRecord(out, record::kEof, {});
    return out;
}

} // namespace

QByteArray buildTextWorkbookStream(const QString &sheetName, const std::vector<TextCell> &cells)
{
    std::vector<QString> strings;
    QHash<QString, quint32> index;
    index.reserve(qsizetype(cells.size()));
    std::vector<quint32> cellStrings;
    cellStrings.reserve(cells.size());
    quint32 references = 0;
    quint32 firstRow = 0, lastRow = 0;
    quint16 firstColumn = 0, lastColumn = 0;
    bool any = false;
    for (const TextCell &cell : cells) {
        if (cell.text.isEmpty()) {
            cellStrings.push_back(0);
            continue;
        }
        auto it = index.constFind(cell.text);
        if (it == index.cend()) {
            it = index.insert(cell.text, quint32(strings.size()));
            strings.push_back(cell.text);
        }
        cellStrings.push_back(*it);
        ++references;
        if (!any) {
            firstRow = lastRow = cell.row;
            firstColumn = lastColumn = cell.column;
            any = true;
        }
        firstRow = std::min(firstRow, cell.row);
        lastRow = std::max(lastRow, cell.row);
        firstColumn = std::min(firstColumn, cell.column);
        lastColumn = std::max(lastColumn, cell.column);
    }

    qsizetype sheetOffsetAt = 0;
    QByteArray out = globals(sheetName, strings, references, sheetOffsetAt);
    putU32(out, sheetOffsetAt, quint32(out.size()));

    appendRecord(out, record::kBof, bof(0x0010));
    QByteArray data;
    appendU32(data, any ? firstRow : 0);
    appendU32(data, any ? lastRow + 1 : 0);
    appendU16(data, any ? firstColumn : 0);
    appendU16(data, any ? quint16(lastColumn + 1) : 0);
    appendU16(data, 0);
    appendRecord(out, record::kDimensions, data);

    out.reserve(out.size() + qsizetype(references) * 14 + 64);
    for (size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].text.isEmpty())
            continue;
        char label[14];
        const quint16 fields[] = {record::kLabelSst, 10, quint16(cells[i].row), cells[i].column,
                                  kCellXf};
        for (int f = 0; f < 5; ++f) {
            label[2 * f] = char(fields[f] & 0xFF);
            label[2 * f + 1] = char(fields[f] >> 8);
        }
        for (int b = 0; b < 4; ++b)
            label[10 + b] = char((cellStrings[i] >> (8 * b)) & 0xFF);
        out.append(label, sizeof label);
    }

    data.clear();
    appendU16(data, 0x06B6); // grid, headers, zeros, outline symbols; selected, shown
    appendU16(data, 0);
    appendU16(data, 0);
    appendU32(data, 64); // automatic grid colour
    appendU16(data, 0);
    appendU16(data, 0);
    appendU32(data, 0);
    appendRecord(out, record::kWindow2, data);
    appendRecord(out, record::kEof, {});
    return out;
}

QByteArray buildTextWorkbookFile(const QString &sheetName, const std::vector<TextCell> &cells)
{
    return buildCompoundFile(u"Workbook"_s, buildTextWorkbookStream(sheetName, cells));
}

} // namespace songtao::xls
