#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace songtao::xls {

struct TextCell
{
    quint32 row = 0;
    quint16 column = 0;
    QString text;
};

// Limits of the format: rows, columns and characters in one cell.
constexpr quint32 kMaxRows = 65536;
constexpr quint16 kMaxColumns = 256;
constexpr qsizetype kMaxCellText = 32767;

// A one-sheet BIFF8 workbook stream of text cells, all in the shared-string
// table. Cells must be sorted by row and column and within the limits above;
// empty texts are left out (no cell). The same input always gives the same
// bytes.
QByteArray buildTextWorkbookStream(const QString &sheetName, const std::vector<TextCell> &cells);

// The same wrapped in a compound file: a whole .xls file.
QByteArray buildTextWorkbookFile(const QString &sheetName, const std::vector<TextCell> &cells);

} // namespace songtao::xls
