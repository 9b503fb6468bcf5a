#include "readers/readerregister.h"
#include "store/schema.h"
#include "support/libraryfixture.h"

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

class ReaderRegisterTest : public test::LibraryFixture
{
protected:
    ReaderRegister readers{state, dialogs};
};

TEST_F(ReaderRegisterTest, LookupKeepsSixNamedFieldsEvenWithCommas)
{
    addReader(u"初一,3班"_s, u"张,三"_s, u"2014,01"_s, u"A1|"_s, u"2016年3月21日|"_s, u"红楼梦|"_s);
    const auto found = lookupReader(state, u"2014,01"_s);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found,
              (ReaderRecord{u"初一,3班"_s, u"张,三"_s, u"2014,01"_s, u"A1|"_s, u"2016年3月21日|"_s,
                            u"红楼梦|"_s}));
    EXPECT_EQ(state.currentReader, *found);

    // Unknown, case-different and empty card numbers find nothing and clear it.
    for (const QString &card : {u"2014,02"_s, u""_s}) {
        state.currentReader = *found;
        EXPECT_FALSE(lookupReader(state, card).has_value());
        EXPECT_TRUE(state.currentReader.isEmpty());
    }
    addReader(u"班"_s, u"名"_s, u"A1"_s);
    EXPECT_FALSE(lookupReader(state, u"a1"_s).has_value());
}

TEST_F(ReaderRegisterTest, ListShowsRawLoanStringsAndCount)
{
    EXPECT_EQ(readReaderList(state.recordSet)->size(), 0);
    EXPECT_EQ(readerCountText(0), u"当前读者数量：0个"_s);

    addReader(u"一班"_s, u"甲"_s, u"1"_s);
    addReader(u"二班"_s, u"乙"_s, u"2"_s, u"A1|B2|"_s, u"d|d|"_s, u"t|t|"_s);
    const auto rows = readReaderList(state.recordSet);
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 2);
    EXPECT_EQ(rows->at(0).number, 1);
    EXPECT_EQ(rows->at(0).booksOut, u""_s);
    EXPECT_EQ(rows->at(1).number, 2);
    EXPECT_EQ(rows->at(1).className, u"二班"_s);
    EXPECT_EQ(rows->at(1).name, u"乙"_s);
    EXPECT_EQ(rows->at(1).cardNumber, u"2"_s);
    EXPECT_EQ(rows->at(1).booksOut, u"A1|B2|"_s);
    EXPECT_EQ(readerCountText(rows->size()), u"当前读者数量：2个"_s);

    ASSERT_TRUE(state.database.execute(u"DROP TABLE 读者数据"_s));
    EXPECT_FALSE(readReaderList(state.recordSet).has_value());
}

TEST_F(ReaderRegisterTest, ViewFillsOnlyForAKnownCard)
{
    addReader(u"一班"_s, u"甲"_s, u"201409001"_s);
    RegisterOutcome outcome;
    EXPECT_FALSE(readers.view(u""_s, outcome).has_value());
    EXPECT_TRUE(outcome.focusCardBox);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"请输入借书证号"_s});

    dialogs.clear();
    outcome = {};
    EXPECT_FALSE(readers.view(u"201409002"_s, outcome).has_value());
    EXPECT_FALSE(outcome.focusCardBox);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"无该借书证号"_s});

    dialogs.clear();
    const auto reader = readers.view(u"201409001"_s, outcome);
    ASSERT_TRUE(reader.has_value());
    EXPECT_EQ(reader->name, u"甲"_s);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(ReaderRegisterTest, DeleteRefusesReadersWithBooksOutAndAsksFirst)
{
    addReader(u"一班"_s, u"有书"_s, u"1"_s, u"A1|"_s, u"2016年3月21日|"_s, u"书|"_s);
    addReader(u"一班"_s, u"无书"_s, u"2"_s, u"0"_s, u"残留|"_s, u"残留|"_s);

    EXPECT_TRUE(readers.remove(u""_s).focusCardBox);
    EXPECT_FALSE(readers.remove(u"3"_s).refillList);
    EXPECT_FALSE(readers.remove(u"1"_s).refillList);
    EXPECT_EQ(dialogs.noticeTexts(),
              (QStringList{u"请输入借书证号"_s, u"不存在以下借书证号3"_s,
                           u"该读者有图书未还，不能删除！"_s}));
    EXPECT_EQ(dialogs.shown().last().title, u"警告"_s);

    dialogs.clear();
    dialogs.answerConfirmations({false, true});
    EXPECT_FALSE(readers.remove(u"2"_s).refillList); // cancelled
    EXPECT_EQ(tableRows(kReaderTable).size(), 2);
    // Only the book-number loan string decides: the others may hold leftovers.
    EXPECT_TRUE(readers.remove(u"2"_s).refillList);
    EXPECT_EQ(dialogs.shown().at(0).text, u"确定要删除读者吗？ 2"_s);
    EXPECT_EQ(dialogs.shown().at(0).title, u"提示"_s);
    EXPECT_EQ(tableRows(kReaderTable), QStringList{u"一班|有书|1|A1||2016年3月21日||书|"_s});
}

TEST_F(ReaderRegisterTest, AddChecksCompletenessAndDuplicates)
{
    addReader(u"一班"_s, u"甲"_s, u"A1"_s);
    const struct
    {
        QString className, name, card;
        bool added;
        QString message;
    } cases[] = {
        {u""_s, u"乙"_s, u"A2"_s, false, u"请输入完整的读者信息"_s},
        {u"二班"_s, u""_s, u"A2"_s, false, u"请输入完整的读者信息"_s},
        {u"二班"_s, u"乙"_s, u""_s, false, u"请输入完整的读者信息"_s},
        {u"二班"_s, u"乙"_s, u"A1"_s, false, u"已读者人使用以下借书证号：A1"_s},
        {u"二班"_s, u"乙"_s, u"a1"_s, true, {}},
        {u"三,班"_s, u"O'Neil"_s, u"x'); --"_s, true, {}},
    };
    for (const auto &c : cases) {
        dialogs.clear();
        EXPECT_EQ(readers.add(c.className, c.name, c.card).refillList, c.added)
            << c.card.toStdString();
        EXPECT_EQ(dialogs.noticeTexts(),
                  c.message.isEmpty() ? QStringList{} : QStringList{c.message});
    }
    EXPECT_EQ(tableRows(kReaderTable),
              (QStringList{u"一班|甲|A1|0|0|0"_s, u"二班|乙|a1|0|0|0"_s,
                           u"三,班|O'Neil|x'); --|0|0|0"_s}));

    ASSERT_TRUE(state.database.execute(u"DROP TABLE 读者数据"_s));
    dialogs.clear();
    EXPECT_FALSE(readers.add(u"班"_s, u"名"_s, u"B1"_s).refillList); // query fails: no message
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

} // namespace
