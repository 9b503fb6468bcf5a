#include "store/booktable.h"
#include "store/database.h"
#include "store/recordset.h"
#include "store/schema.h"
#include "store/tablecheck.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using songtao::test::ScriptedDialogs;
using songtao::test::TempFolder;

namespace {

// A database with the four library tables in a fresh folder.
class LibraryDatabase : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FieldDefinitions fields;
        ScriptedDialogs dialogs;
        ASSERT_EQ(ensureLibraryTables(database, dialogs, fields, databaseFilePath()), 0);
    }

    QStringList column(const QString &statement, const QString &name,
                       const QStringList &values = {})
    {
        QStringList result;
        EXPECT_TRUE(records.query(statement, values)) << statement.toStdString();
        while (records.step())
            result << records.readColumn(name);
        records.close();
        return result;
    }

    TempFolder folder;
    Database database;
    RecordSet records{database};
};

TEST_F(LibraryDatabase, HostileValuesAreStoredAndComparedExactly)
{
    const QStringList hostile = {
        u"O'Brien"_s,
        u"x'); DROP TABLE 读者数据; --"_s,
        u"' OR '1'='1"_s,
        u"100%"_s,
        u"a;b"_s,
        u"-- comment"_s,
        u"\"双引号\""_s,
        u"𠮷"_s,
        u""_s,
    };
    for (const QString &value : hostile) {
        ASSERT_TRUE(database.execute(u"insert into 读者数据 values(?,?,?,?,?,?)"_s,
                                     {u"班"_s, value, value, u"0"_s, u"0"_s, u"0"_s}));
    }
    EXPECT_TRUE(database.tableExists(kReaderTable));
    EXPECT_EQ(column(u"select * from 读者数据"_s, u"姓名"_s), hostile);
    for (const QString &value : hostile) {
        EXPECT_EQ(column(u"select * from 读者数据 where 借书证号 = ?"_s, u"借书证号"_s, {value}),
                  QStringList{value});
    }
    EXPECT_TRUE(
        column(u"select * from 读者数据 where 借书证号 = ?"_s, u"借书证号"_s, {u"o'brien"_s})
            .isEmpty());
}

TEST_F(LibraryDatabase, StatementTextCannotCarryASecondStatement)
{
    EXPECT_FALSE(database.execute(u"insert into 借出数据 values('a','b'); delete from 读者数据"_s));
    EXPECT_EQ(database.queryInteger(u"select count(*) from 借出数据"_s), 0);
}

TEST_F(LibraryDatabase, FailuresGiveFalseNeverACrash)
{
    EXPECT_FALSE(database.execute(u""_s));
    EXPECT_FALSE(database.execute(u"insert into 没有的表 values('1')"_s));
    EXPECT_FALSE(database.execute(u"insert into 借出数据 values(?,?)"_s, {u"only one"_s}));
    EXPECT_FALSE(database.execute(u"selectt"_s));
    EXPECT_TRUE(database.execute(u"update 借出数据 set 借书证号 = '0' where 图书编号 = 'none'"_s));

    // Two begins: the second fails and the first stays open; one commit ends it.
    EXPECT_TRUE(database.beginTransaction());
    EXPECT_FALSE(database.beginTransaction());
    EXPECT_TRUE(database.inTransaction());
    EXPECT_TRUE(database.commitTransaction());
    EXPECT_FALSE(database.commitTransaction());

    database.close();
    EXPECT_FALSE(database.execute(u"delete from 借出数据"_s));
    EXPECT_FALSE(database.beginTransaction());
    EXPECT_FALSE(database.tableExists(kBookTable));
    EXPECT_FALSE(records.query(u"select * from 借出数据"_s));
    EXPECT_EQ(database.queryInteger(u"select 1"_s), std::nullopt);
}

TEST_F(LibraryDatabase, RollbackAndCloseDiscardTheOpenTransaction)
{
    const auto count = [&] {
        return database.queryInteger(u"select count(*) from 借出数据"_s);
    };
    ASSERT_TRUE(database.beginTransaction());
    ASSERT_TRUE(database.execute(u"insert into 借出数据 values(?,?)"_s, {u"A1"_s, u"1"_s}));
    EXPECT_TRUE(database.rollbackTransaction());
    EXPECT_EQ(count(), 0);
    // The next transaction commits normally.
    ASSERT_TRUE(database.beginTransaction());
    ASSERT_TRUE(database.execute(u"insert into 借出数据 values(?,?)"_s, {u"A2"_s, u"2"_s}));
    ASSERT_TRUE(database.commitTransaction());
    EXPECT_EQ(count(), 1);

    ASSERT_TRUE(database.beginTransaction());
    ASSERT_TRUE(database.execute(u"insert into 借出数据 values(?,?)"_s, {u"A3"_s, u"3"_s}));
    database.close();
    ASSERT_TRUE(database.open(databaseFilePath(), false));
    EXPECT_EQ(count(), 1);
}

TEST_F(LibraryDatabase, NothingRunsOutsideATransactionThatSQLiteRolledBack)
{
    // SQLite ends a transaction on its own on a full disk or an I/O error; a
    // trigger's RAISE(ROLLBACK) does the same here.
    ASSERT_TRUE(
        database.execute(u"CREATE TRIGGER gone BEFORE INSERT ON 借出数据 "
                         u"WHEN NEW.借书证号 = 'boom' BEGIN SELECT RAISE(ROLLBACK, 'x'); END"_s));
    const auto count = [&] {
        return database.queryInteger(u"select count(*) from 借出数据"_s);
    };
    const QString insert = u"insert into 借出数据 values(?,?)"_s;
    ASSERT_TRUE(database.beginTransaction());
    ASSERT_TRUE(database.execute(insert, {u"A1"_s, u"1"_s}));
    EXPECT_FALSE(database.execute(insert, {u"A2"_s, u"boom"_s}));
    EXPECT_FALSE(database.inTransaction());
    // The rest of the work would last on its own, without the rows before.
    EXPECT_FALSE(database.execute(insert, {u"A3"_s, u"3"_s}));
    EXPECT_FALSE(database.commitTransaction());
    EXPECT_EQ(count(), 0);

    // Once the transaction is over, the database works as before.
    EXPECT_TRUE(database.execute(insert, {u"A4"_s, u"4"_s}));
    ASSERT_TRUE(database.beginTransaction());
    EXPECT_FALSE(database.beginTransaction());
    ASSERT_TRUE(database.execute(insert, {u"A5"_s, u"5"_s}));
    ASSERT_TRUE(database.commitTransaction());
    EXPECT_EQ(count(), 2);
}

TEST_F(LibraryDatabase, OpenWithoutCreateNeedsAnExistingFile)
{
    Database other;
    EXPECT_FALSE(other.open(folder.file(u"missing.sdb"_s), false));
    EXPECT_FALSE(QFile::exists(folder.file(u"missing.sdb"_s)));
    EXPECT_TRUE(other.open(databaseFilePath(), false));
    EXPECT_FALSE(other.open(u""_s, true));
    EXPECT_FALSE(other.isOpen());
}

TEST_F(LibraryDatabase, BookTableCountsTheRowsAtEachCall)
{
    BookTable books;
    EXPECT_EQ(books.rowCount(), 0);
    EXPECT_FALSE(books.open(u"没有的表"_s, database));
    EXPECT_FALSE(books.isOpen());
    ASSERT_TRUE(books.open(kBookTable, database));
    EXPECT_EQ(books.rowCount(), 0);
    const QStringList row(16, u"x"_s);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(database.execute(
            u"insert into 图书数据 values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s, row));
    EXPECT_EQ(books.rowCount(), 3);
    ASSERT_TRUE(database.deleteAllRows(kBookTable));
    EXPECT_EQ(books.rowCount(), 0);
    books.close();
    EXPECT_FALSE(books.isOpen());
    EXPECT_EQ(books.rowCount(), 0);
}

TEST(LegacyDatabase, OpensAFileWrittenByAnotherToolAndUsesItUnchanged)
{
    TempFolder folder;
    ASSERT_TRUE(QFile::copy(QStringLiteral(TEST_DATA_DIR "/legacy.sdb"), databaseFilePath()));
    QFile::setPermissions(databaseFilePath(), QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray before = test::readFileBytes(databaseFilePath());

    Database database;
    ScriptedDialogs dialogs;
    FieldDefinitions fields;
    EXPECT_EQ(ensureLibraryTables(database, dialogs, fields, databaseFilePath()), 0);
    EXPECT_TRUE(fields.isEmpty()); // nothing had to be created

    RecordSet records(database);
    ASSERT_TRUE(records.query(u"select * from 图书数据 where 图书编号 = ?"_s, {u"A00002"_s}));
    ASSERT_TRUE(records.countAndRewind());
    EXPECT_EQ(records.recordCount(), 1);
    ASSERT_TRUE(records.step());
    EXPECT_EQ(records.readColumn(u"书名"_s), u"癮君子的皘字"_s);
    EXPECT_EQ(records.readColumn(u"出版处"_s), u"上海译文出版社"_s);
    records.close();

    ASSERT_TRUE(records.query(u"select * from 读者数据 where 借书证号 = ?"_s, {u"201409001"_s}));
    ASSERT_TRUE(records.step());
    EXPECT_EQ(records.readColumn(u"班别"_s), u"初一(3)班"_s);
    EXPECT_EQ(records.readColumn(u"日期编号串"_s), u"2016年3月21日"_s);
    records.close();

    EXPECT_EQ(database.queryInteger(u"select count(*) from 借阅报表 where 年份=2016"_s), 1);
    EXPECT_EQ(
        database.queryInteger(u"select count(*) from 图书数据 where 书名 like ?"_s, {u"%君子%"_s}),
        1);
    database.close();
    EXPECT_EQ(test::readFileBytes(databaseFilePath()), before);
}

} // namespace
