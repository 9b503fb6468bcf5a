#include "common/gbk.h"
#include "store/database.h"
#include "store/gbklike.h"
#include "store/recordset.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using songtao::gbkLike;
using songtao::toGbk;

namespace {

struct LikeCase
{
    QString pattern;
    QString text;
    bool matches;
};

// 癆 is B0 41 ("A" as second byte), 癮 is B0 61 ("a"), 皘 is B0 7C ("|"),
// 癬 is B0 5F ("_"): a byte-wise LIKE finds letters and wildcards inside them.
const LikeCase kCases[] = {
    {u"%红楼%"_s, u"红楼梦"_s, true},
    {u"%红楼梦%"_s, u"红楼"_s, false},
    {u"%楼%"_s, u"红楼梦"_s, true},
    {u"红_梦"_s, u"红楼梦"_s, true},
    {u"红__梦"_s, u"红楼梦"_s, false},
    {u"%a%"_s, u"癮"_s, false},
    {u"%A%"_s, u"癆"_s, false},
    {u"%|%"_s, u"皘"_s, false},
    {u"%_%"_s, u"癬"_s, true},
    {u"癬"_s, u"癬"_s, true},
    {u"_"_s, u"癬"_s, true},
    {u"%皘%"_s, u"书名皘字"_s, true},
    {u"%abc%"_s, u"xABCx"_s, true},
    {u"%ABC%"_s, u"xabcx"_s, true},
    {u"_野家"_s, u"𠮷野家"_s, true},
    {u"%𠮷%"_s, u"𠮷野家"_s, true},
    {u"%%"_s, u""_s, true},
    {u""_s, u""_s, true},
    {u""_s, u"a"_s, false},
    {u"%"_s, u"任何书名"_s, true},
    {u"%5%%"_s, u"打5折"_s, true},
    {u"a%b%c"_s, u"aXbYbZc"_s, true},
    {u"a%b%c"_s, u"aXbYbZ"_s, false},
    {u"%西游记"_s, u"西游记西游记"_s, true},
    {u"%记%记"_s, u"西游记"_s, false},
};

TEST(GbkLike, MatchesWholeCharacters)
{
    for (const LikeCase &c : kCases)
        EXPECT_EQ(gbkLike(toGbk(c.pattern), toGbk(c.text)), c.matches)
            << c.pattern.toStdString() << " / " << c.text.toStdString();
}

TEST(GbkLike, EscapeCharacterMakesWildcardsLiteral)
{
    EXPECT_TRUE(gbkLike("100\\%", "100%", "\\"));
    EXPECT_FALSE(gbkLike("100\\%", "1000", "\\"));
    EXPECT_TRUE(gbkLike("a\\_b", "a_b", "\\"));
    EXPECT_FALSE(gbkLike("a\\_b", "axb", "\\"));
}

TEST(GbkLike, IsWhatTheDatabaseUsesForLike)
{
    songtao::test::TempFolder folder;
    songtao::Database database;
    ASSERT_TRUE(database.open(folder.file(u"like.sdb"_s), true));
    ASSERT_TRUE(database.execute(u"CREATE TABLE 图书数据 (书名 TEXT(50))"_s));
    const QStringList titles = {u"红楼梦"_s, u"癮君子"_s, u"癆病"_s, u"Abc 读本"_s, u"皘"_s};
    for (const QString &title : titles)
        ASSERT_TRUE(database.execute(u"insert into 图书数据 values(?)"_s, {title}));

    songtao::RecordSet records(database);
    const auto found = [&](const QString &text) {
        QStringList result;
        EXPECT_TRUE(
            records.query(u"select * from 图书数据 where 书名 like ?"_s, {u"%"_s + text + u"%"_s}));
        while (records.step())
            result << records.readColumn(u"书名"_s);
        records.close();
        return result;
    };
    EXPECT_EQ(found(u"a"_s), QStringList{u"Abc 读本"_s});
    EXPECT_EQ(found(u"|"_s), QStringList{});
    EXPECT_EQ(found(u"楼"_s), QStringList{u"红楼梦"_s});
    EXPECT_EQ(found(u"ABC"_s), QStringList{u"Abc 读本"_s});
    EXPECT_EQ(database.queryInteger(u"select 'x' like 'x' escape 'ab'"_s), std::nullopt);
}

} // namespace
