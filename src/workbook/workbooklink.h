#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace songtao {

namespace xls {
struct SheetData;
class BiffWorkbook;
} // namespace xls

// The rows of a sheet that a query chose, walked in sheet order. Columns are
// read by their heading in row 1, matched exactly; a heading that appears
// twice names its first column.
class SheetRows
{
public:
    bool atEnd() const { return m_position >= m_rows.size(); }
    void next() { ++m_position; }
    // The named column of the current row as text: numbers "%.13g", dates
    // as the date-time text, text unchanged. Empty for an empty cell, an
    // error, a heading that does not exist, or past the last row.
    QString readColumn(const QString &heading) const;
    qsizetype count() const { return qsizetype(m_rows.size()); }

private:
    friend class WorkbookLink;
    std::shared_ptr<const xls::SheetData> m_sheet;
    QHash<QString, quint16> m_headings;
    std::vector<quint32> m_rows; // index of each row's first cell
    size_t m_position = 0;
};

// The one connection of the program to a workbook file (.xls), used by the
// imports as a table to read and by the exports as a table to append to.
//
// Inserted rows are kept in memory and written to the file, atomically, when
// the link disconnects, when a later connect replaces it, when an insert
// fails (so that the rows before it are in the file), when it is destroyed,
// and when the program ends while it is still alive.
class WorkbookLink
{
public:
    WorkbookLink();
    ~WorkbookLink();
    WorkbookLink(const WorkbookLink &) = delete;
    WorkbookLink &operator=(const WorkbookLink &) = delete;

    // Opens the workbook at `path`. False for a missing, unreadable or
    // damaged file, a folder, or anything that is not an Excel 97-2003
    // workbook; the earlier connection then stays. On success the earlier
    // connection is closed first (its inserts written).
    bool connect(const QString &path);
    bool isConnected() const;
    QString path() const;

    // The rows below row 1 of the named worksheet (letter case ignored)
    // whose `column` cell does not read as the empty text. Nothing when not
    // connected, when the sheet does not exist, or when no heading of row 1
    // is `column`.
    std::optional<SheetRows> rowsWhereNotEmpty(const QString &sheet, const QString &column);

    // Appends a row below the last row of the named worksheet, each value
    // as a text cell in the column whose heading is its name; empty values
    // make no cell. Fails when not connected, for a missing sheet, a name
    // that is no heading or is given twice, a value too long for a cell, a
    // full sheet, or a workbook this link could not write back without loss
    // (more than one sheet, or cells that are not text).
    bool insertRow(const QString &sheet, const QList<QPair<QString, QString>> &namedValues);

    // Writes the inserted rows and closes the connection. False when the
    // file could not be written; the connection is closed either way.
    // Without a connection, or without inserts, there is nothing to write.
    bool disconnect();

private:
    struct Connection;
    class LiveLinks;
    bool flush();
    std::shared_ptr<xls::SheetData> sheet(const QString &name, int *index);

    std::unique_ptr<Connection> m_connection;
};

} // namespace songtao
