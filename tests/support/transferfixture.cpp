#include "support/transferfixture.h"

#include "workbook/biffwriter.h"
#include "workbook/workbookfile.h"
#include "workbook/workbooklink.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao::test {

void writeWorkbook(const QString &path, const QString &sheetName, const QStringList &headings,
                   const QList<QStringList> &rows)
{
    std::vector<xls::TextCell> cells;
    for (int c = 0; c < headings.size(); ++c)
        cells.push_back({0, quint16(c), headings[c]});
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c)
            cells.push_back({quint32(r + 1), quint16(c), rows[r][c]});
    }
    ASSERT_TRUE(writeWorkbookFile(path, xls::buildTextWorkbookFile(sheetName, cells)));
}

QList<QStringList> readWorkbook(const QString &path, const QString &sheet, const QString &column,
                                const QStringList &headings)
{
    QList<QStringList> result;
    WorkbookLink link;
    if (!link.connect(path))
        return result;
    auto rows = link.rowsWhereNotEmpty(sheet, column);
    for (; rows && !rows->atEnd(); rows->next()) {
        QStringList row;
        for (const QString &heading : headings)
            row << rows->readColumn(heading);
        result << row;
    }
    return result;
}

void makeCommitFail(Database &database, const QString &table)
{
    ASSERT_TRUE(database.execute(u"PRAGMA foreign_keys = ON"_s));
    ASSERT_TRUE(database.execute(u"CREATE TABLE parent (id INTEGER PRIMARY KEY)"_s));
    ASSERT_TRUE(database.execute(
        u"CREATE TABLE child (id REFERENCES parent(id) DEFERRABLE INITIALLY DEFERRED)"_s));
    ASSERT_TRUE(database.execute(u"CREATE TRIGGER orphan AFTER INSERT ON "_s + table
                                 + u" BEGIN INSERT INTO child VALUES (999); END"_s));
}

} // namespace songtao::test
