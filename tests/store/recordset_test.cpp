#include "store/database.h"
#include "store/recordset.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using songtao::test::TempFolder;

namespace {

class RecordSetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(database.open(folder.file(u"records.sdb"_s), true));
        ASSERT_TRUE(database.execute(
            u"CREATE TABLE 借阅报表 (年份 TEXT(4), 图书编号 TEXT(10), 书名 TEXT(50), Title TEXT)"_s));
        ASSERT_TRUE(database.execute(u"insert into 借阅报表 values('2016','A1','红楼梦','x')"_s));
        ASSERT_TRUE(database.execute(u"insert into 借阅报表 values(2017,'A2',NULL,'y')"_s));
        ASSERT_TRUE(database.execute(u"insert into 借阅报表 values('2016','A3',?,'z')"_s,
                                     {u"很长的书名"_s.repeated(40)}));
    }

    TempFolder folder;
    Database database;
    RecordSet records{database};
};

TEST_F(RecordSetTest, CountsRewindsAndWalks)
{
    ASSERT_TRUE(records.query(u"select * from 借阅报表 where 年份=2016"_s));
    EXPECT_EQ(records.recordCount(), 0); // nothing counted yet
    ASSERT_TRUE(records.countAndRewind());
    EXPECT_EQ(records.recordCount(), 2);
    EXPECT_FALSE(records.atEnd());
    EXPECT_EQ(records.readColumn(u"书名"_s), u""_s); // no current row before the first step

    ASSERT_TRUE(records.step());
    EXPECT_EQ(records.readColumn(u"图书编号"_s), u"A1"_s);
    ASSERT_TRUE(records.step());
    // A value longer than its declared size comes back whole.
    EXPECT_EQ(records.readColumn(u"书名"_s), u"很长的书名"_s.repeated(40));
    EXPECT_FALSE(records.step());
    EXPECT_TRUE(records.atEnd());
    EXPECT_FALSE(records.step()); // stepping past the end stays there
    EXPECT_EQ(records.readColumn(u"书名"_s), u""_s);
    records.close();
    EXPECT_TRUE(records.atEnd());
    records.close(); // harmless twice
}

TEST_F(RecordSetTest, ReadsColumnsByNameWithOnlyAsciiLettersFolded)
{
    ASSERT_TRUE(records.query(u"select * from 借阅报表 where 图书编号 = 'A2'"_s));
    ASSERT_TRUE(records.step());
    EXPECT_EQ(records.readColumn(u"年份"_s), u"2017"_s); // stored as text by affinity
    EXPECT_EQ(records.readColumn(u"书名"_s), u""_s); // NULL
    EXPECT_EQ(records.readColumn(u"title"_s), u"y"_s);
    EXPECT_EQ(records.readColumn(u"TITLE"_s), u"y"_s);
    EXPECT_EQ(records.readColumn(u"书"_s), u""_s);
    EXPECT_EQ(records.readColumn(u"没有"_s), u""_s);
    EXPECT_EQ(records.readColumn(99), u""_s);
}

TEST_F(RecordSetTest, NoMatchMeansAtEndBeforeAnyStep)
{
    ASSERT_TRUE(records.query(u"select * from 借阅报表 where 图书编号 = ?"_s, {u"a1"_s}));
    ASSERT_TRUE(records.countAndRewind());
    EXPECT_EQ(records.recordCount(), 0);
    EXPECT_TRUE(records.atEnd());
}

TEST_F(RecordSetTest, BadStatementsFailAtQueryTime)
{
    EXPECT_FALSE(records.query(u"select 没有的列 from 借阅报表"_s));
    EXPECT_FALSE(records.query(u"select * from 没有的表"_s));
    EXPECT_FALSE(records.query(u""_s));
    EXPECT_FALSE(records.query(u"select * from 借阅报表 where 年份 = ?"_s, {}));
    EXPECT_TRUE(records.atEnd());
    EXPECT_FALSE(records.countAndRewind());
    EXPECT_FALSE(records.step());
}

TEST_F(RecordSetTest, ANewQueryOrAClosedDatabaseEndsTheWalk)
{
    ASSERT_TRUE(records.query(u"select * from 借阅报表"_s));
    ASSERT_TRUE(records.step());
    database.close();
    EXPECT_FALSE(records.step());
    EXPECT_TRUE(records.atEnd());
    EXPECT_EQ(records.readColumn(u"年份"_s), u""_s);
    ASSERT_TRUE(database.open(folder.file(u"records.sdb"_s), false));
    EXPECT_FALSE(records.step()); // the old statement belongs to the closed connection
    ASSERT_TRUE(records.query(u"select * from 借阅报表"_s));
    ASSERT_TRUE(records.countAndRewind());
    EXPECT_EQ(records.recordCount(), 3);
}

} // namespace
