#include "workbook/preview.h"

#include "workbook/biffreader.h"
#include "workbook/workbookfile.h"

namespace songtao {

QList<QStringList> readFirstSheetPreview(const QString &path)
{
    constexpr int kRows = 2;
    constexpr int kColumns = 26;
    QList<QStringList> preview(kRows, QStringList(kColumns));
    const auto book = xls::BiffWorkbook::fromFile(readWorkbookFile(path));
    if (!book)
        return preview;
    const auto sheet = book->readSheet(book->firstWorksheet());
    if (!sheet)
        return preview;
    for (const xls::Cell &cell : sheet->cells) {
        if (cell.row >= kRows)
            break;
        if (cell.column < kColumns)
            preview[cell.row][cell.column] = sheet->previewText(cell);
    }
    return preview;
}

} // namespace songtao
