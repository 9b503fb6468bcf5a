#include "common/gbk.h"
#include "store/database.h"
#include "store/schema.h"
#include "store/tablecheck.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using songtao::test::ScriptedDialogs;
using songtao::test::TempFolder;

namespace {

// The schema as sqlite_master holds it, read without our codec in between.
QList<QPair<QByteArray, QByteArray>> rawSchema(const QString &path)
{
    QList<QPair<QByteArray, QByteArray>> rows;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr)
        == SQLITE_OK) {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, "select name, sql from sqlite_master order by rowid", -1, &statement,
                           nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            rows.append(
                {QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))),
                 QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(statement, 1)))});
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return rows;
}

TEST(TableCheck, CreatesTheFourTablesWithTheirExactStatementsInGbk)
{
    TempFolder folder;
    Database database;
    ScriptedDialogs dialogs;
    FieldDefinitions fields;
    EXPECT_EQ(databaseFilePath(), folder.file(u"数据库.sdb"_s));

    EXPECT_EQ(ensureLibraryTables(database, dialogs, fields, databaseFilePath()), 0);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_TRUE(database.isOpen());
    EXPECT_TRUE(QFile::exists(folder.file(u"数据库.sdb"_s)));
    database.close();

    const QString expected[] = {
        u"CREATE TABLE 读者数据 (班别 TEXT(20), 姓名 TEXT(20), 借书证号 TEXT(20), 图书编号串 TEXT(100), 日期编号串 TEXT(100), 书名串 TEXT(200))"_s,
        u"CREATE TABLE 图书数据 (条形码 TEXT(15), 图书编号 TEXT(10), 分类号 TEXT(20), 图书类别 TEXT(20), 复本号 TEXT(15), 书名 TEXT(50), 著译者 TEXT(20), 出版处 TEXT(20), 页数 TEXT(10), 开本 TEXT(10), 版期 TEXT(15), 版次 TEXT(10), 单价 TEXT(15), 书架名称 TEXT(20), 入库时间 TEXT(20), 是否借出 TEXT(1))"_s,
        u"CREATE TABLE 借出数据 (图书编号 TEXT(15), 借书证号 TEXT(20))"_s,
        u"CREATE TABLE 借阅报表 (年份 TEXT(4), 图书编号 TEXT(10), 书名 TEXT(50), 借阅者 TEXT(15), 借书日期 TEXT(11), 还书日期 TEXT(11))"_s,
    };
    const auto schema = rawSchema(databaseFilePath());
    ASSERT_EQ(schema.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(schema[i].first, toGbk(libraryTables()[i].name));
        EXPECT_EQ(schema[i].second, toGbk(expected[i])) << i;
    }
    // The field definitions of the last creation.
    ASSERT_EQ(fields.size(), 6);
    EXPECT_EQ(fields[4], (FieldDefinition{u"借书日期"_s, kTextFieldType, 11}));
}

TEST(TableCheck, UsesAnExistingTableUnchanged)
{
    TempFolder folder;
    Database database;
    ASSERT_TRUE(database.open(databaseFilePath(), true));
    ASSERT_TRUE(database.execute(u"CREATE TABLE 读者数据 (姓名 TEXT, 备注 TEXT)"_s));
    ScriptedDialogs dialogs;
    FieldDefinitions fields;
    EXPECT_TRUE(checkTable(database, dialogs, fields, databaseFilePath(), libraryTables()[0]));
    EXPECT_TRUE(fields.isEmpty());
    database.close();
    EXPECT_EQ(rawSchema(databaseFilePath()).value(0).second,
              toGbk(u"CREATE TABLE 读者数据 (姓名 TEXT, 备注 TEXT)"_s));
}

TEST(TableCheck, RefusesColumnListsOfDifferentLengths)
{
    TempFolder folder;
    Database database;
    ScriptedDialogs dialogs;
    FieldDefinitions fields;
    const TableLayout broken{u"试验"_s, u"甲,乙,丙"_s, u"1,2"_s, u"x"_s};
    EXPECT_FALSE(checkTable(database, dialogs, fields, databaseFilePath(), broken));
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"提供的字段名称个数与字段大小个数不一致！"_s});
    EXPECT_EQ(dialogs.shown().value(0).title, u"提示"_s);
    EXPECT_FALSE(database.tableExists(u"试验"_s));
}

TEST(TableCheck, SizesAreReadAsLeadingIntegers)
{
    TempFolder folder;
    Database database;
    ScriptedDialogs dialogs;
    FieldDefinitions fields;
    const TableLayout odd{u"试验"_s, u"甲,乙,丙"_s, u" 7,x,-3"_s, u"x"_s};
    ASSERT_TRUE(checkTable(database, dialogs, fields, databaseFilePath(), odd));
    database.close();
    EXPECT_EQ(rawSchema(databaseFilePath()).value(0).second,
              toGbk(u"CREATE TABLE 试验 (甲 TEXT(7), 乙 TEXT, 丙 TEXT)"_s));
}

TEST(TableCheck, UnopenableFileGivesBothMessagesForEveryTable)
{
    TempFolder folder;
    // A folder where the file should be, a missing folder, and a file that is
    // not a database.
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"数据库.sdb"_s));
    ASSERT_TRUE(test::writeFileBytes(folder.file(u"corrupt.sdb"_s),
                                     QByteArray("this is not a database file").repeated(200)));
    const QString paths[] = {databaseFilePath(), folder.file(u"no/such/folder/数据库.sdb"_s),
                             folder.file(u"corrupt.sdb"_s)};
    for (const QString &path : paths) {
        Database database;
        ScriptedDialogs dialogs;
        FieldDefinitions fields;
        EXPECT_EQ(ensureLibraryTables(database, dialogs, fields, path), 4);
        EXPECT_EQ(
            dialogs.noticeTexts(),
            (QStringList{u"打开数据库失败"_s, u"读者数据库初始化失败"_s, u"打开数据库失败"_s,
                         u"图书数据库初始化失败"_s, u"打开数据库失败"_s, u"借出数据库初始化失败"_s,
                         u"打开数据库失败"_s, u"借阅报表数据库初始化失败"_s}))
            << path.toStdString();
        EXPECT_FALSE(database.isOpen());
    }
    // The damaged file is left exactly as it was.
    EXPECT_EQ(test::readFileBytes(folder.file(u"corrupt.sdb"_s)),
              QByteArray("this is not a database file").repeated(200));
}

} // namespace
