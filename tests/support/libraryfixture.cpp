#include "support/libraryfixture.h"

#include "store/schema.h"
#include "store/tablecheck.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao::test {

void LibraryFixture::SetUp()
{
    ASSERT_EQ(
        ensureLibraryTables(state.database, dialogs, state.fieldDefinitions, databaseFilePath()),
        0);
}

void LibraryFixture::addBook(const QString &bookNumber, const QString &title,
                             const QString &barcode, const QString &author, const QString &shelf)
{
    QStringList row(16, QString());
    row[0] = barcode;
    row[1] = bookNumber;
    row[5] = title;
    row[6] = author;
    row[13] = shelf;
    ASSERT_TRUE(state.database.execute(
        u"insert into 图书数据 values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s, row));
}

void LibraryFixture::addReader(const QString &className, const QString &name,
                               const QString &cardNumber, const QString &books,
                               const QString &dates, const QString &titles)
{
    ASSERT_TRUE(state.database.execute(u"insert into 读者数据 values(?,?,?,?,?,?)"_s,
                                       {className, name, cardNumber, books, dates, titles}));
}

QStringList LibraryFixture::tableRows(const QString &table)
{
    QStringList rows;
    RecordSet records(state.database);
    EXPECT_TRUE(records.query(u"select * from "_s + table));
    const QStringList columns = records.columnNames();
    while (records.step()) {
        QStringList values;
        for (int i = 0; i < columns.size(); ++i)
            values << records.readColumn(i);
        rows << values.join(u'|');
    }
    return rows;
}

} // namespace songtao::test
