#pragma once

#include <QString>

#include <memory>
#include <vector>

namespace songtao::xls {

enum class CellKind : quint8 { Number, Date, Boolean, Error, SharedText, OwnText };

struct Cell
{
    quint32 row = 0;
    quint16 column = 0;
    CellKind kind = CellKind::Number;
    quint32 text = 0; // index into the shared or the sheet's own texts
    double number = 0; // value of numbers, dates and booleans
};

// One worksheet's cells, sorted by row and then column. Empty cells (blank,
// or without a value) are not kept.
struct SheetData
{
    QString name;
    bool date1904 = false;
    // True when every cell is text, so that rewriting the sheet as text cells
    // loses nothing.
    bool textOnly = true;
    std::shared_ptr<const std::vector<QString>> sharedStrings;
    std::vector<QString> ownTexts;
    std::vector<Cell> cells;

    // The cell's text as the link reads it: numbers "%.13g", dates as the
    // date-time text, booleans 1 or 0, errors empty.
    QString text(const Cell &cell) const;
    // The cell's text as the preview shows it: the shortest number, the
    // short date form 2016/3/21, booleans True or False.
    QString previewText(const Cell &cell) const;
    // True when the cell reads as the empty text.
    bool isEmptyText(const Cell &cell) const;
};

} // namespace songtao::xls
