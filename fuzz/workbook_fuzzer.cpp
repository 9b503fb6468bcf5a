// Arbitrary bytes as a workbook file: open, read every sheet and every cell
// in both text forms, and for sheets of text write them back and read them
// again, which must give the same texts. A crash, a leak, a hang or a
// trap here is a fault. Bytes that do not start like a compound file are
// taken as the Workbook stream itself, so that mutations reach the records
// without first having to keep a container sound.
#include "workbook/biffreader.h"
#include "workbook/biffwriter.h"

#include <cstddef>
#include <cstdint>

namespace {

void roundTrip(const songtao::xls::SheetData &sheet)
{
    using namespace songtao::xls;
    std::vector<TextCell> cells;
    for (const Cell &cell : sheet.cells)
        cells.push_back({cell.row, cell.column, sheet.text(cell)});
    const auto again = BiffWorkbook::fromFile(buildTextWorkbookFile(sheet.name, cells));
    if (!again)
        __builtin_trap();
    const auto read = again->readSheet(0);
    if (!read)
        __builtin_trap();
    size_t next = 0;
    for (const TextCell &cell : cells) {
        if (cell.text.isEmpty())
            continue;
        if (next >= read->cells.size())
            __builtin_trap();
        const Cell &back = read->cells[next++];
        if (back.row != cell.row || back.column != cell.column || read->text(back) != cell.text)
            __builtin_trap();
    }
    if (next != read->cells.size() || read->name != sheet.name.left(31))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace songtao::xls;
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const bool container = bytes.startsWith("\xD0\xCF\x11\xE0");
    const auto book = container ? BiffWorkbook::fromFile(std::move(bytes))
                                : BiffWorkbook::fromStream(std::move(bytes));
    if (!book)
        return 0;
    book->findWorksheet(QStringLiteral("Sheet1"));
    for (size_t i = 0; i < book->sheets().size(); ++i) {
        const auto sheet = book->readSheet(int(i));
        if (!sheet)
            continue;
        for (const Cell &cell : sheet->cells) {
            sheet->text(cell);
            sheet->previewText(cell);
            sheet->isEmptyText(cell);
        }
        if (sheet->textOnly)
            roundTrip(*sheet);
    }
    return 0;
}
