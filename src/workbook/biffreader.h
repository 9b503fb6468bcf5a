#pragma once

#include "workbook/sheetdata.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace songtao::xls {

// An Excel 97-2003 (BIFF8) workbook: its globals read at once, its sheets on
// demand. Older BIFF5 workbooks (Excel 5 and 95, 8-bit strings in a code
// page) and encrypted ones are refused.
class BiffWorkbook
{
public:
    struct Sheet
    {
        QString name;
        quint32 offset = 0; // of the sheet's BOF record in the stream
        bool isWorksheet = false;
    };

    // From the bytes of a whole file (a compound file with a Workbook stream).
    static std::optional<BiffWorkbook> fromFile(QByteArray file);
    // From the Workbook stream itself.
    static std::optional<BiffWorkbook> fromStream(QByteArray stream);

    const std::vector<Sheet> &sheets() const { return m_sheets; }
    // Worksheet by name, letter case ignored; -1 when there is none.
    int findWorksheet(const QString &name) const;
    // The first worksheet in the workbook's order, or -1.
    int firstWorksheet() const;

    // The sheet's cells, or nothing when its records are damaged.
    std::optional<SheetData> readSheet(int index) const;

private:
    BiffWorkbook() = default;
    bool readGlobals();

    QByteArray m_stream;
    bool m_date1904 = false;
    std::vector<bool> m_xfIsDate;
    std::shared_ptr<const std::vector<QString>> m_sharedStrings;
    std::vector<Sheet> m_sheets;
};

} // namespace songtao::xls
