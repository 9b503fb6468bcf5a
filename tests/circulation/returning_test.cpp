#include "circulationfixture.h"

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

class ReturningTest : public test::CirculationFixture
{
protected:
    void lendThree()
    {
        circulation.lend(u"201409001"_s, u"A00001"_s);
        clock.advanceSeconds(86400);
        circulation.lend(u"201409001"_s, u"A00002"_s);
        clock.advanceSeconds(86400);
        circulation.lend(u"201409001"_s, u"A00003"_s);
    }
};

TEST_F(ReturningTest, ReturningTheMiddleLoanKeepsDatesWithTheirBooks)
{
    lendThree();
    clock.advanceSeconds(86400);
    circulation.showReaderLoans(u"201409001"_s);
    EXPECT_EQ(circulation.returnSelected(u"201409001"_s, 1), CirculationFocus::None);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(
        tableRows(kReaderTable).first(),
        u"初一(3)班|张 三|201409001|A00001|A00003||2016年3月21日|2016年3月23日||红楼梦|甲｜乙|"_s);
    EXPECT_EQ(tableRows(kReportTable).at(1),
              u"2016|A00002|西游记|初一(3)班 张 三|2016年3月22日|2016年3月24日"_s);
    EXPECT_EQ(tableRows(kLentTable).at(1), u"A00002|0"_s);
    EXPECT_EQ(view.availability.constLast(), u"还书成功！"_s);
    EXPECT_EQ(view.borrower, u""_s);
    EXPECT_EQ(view.readerText, u"班别：初一(3)班  姓名：张 三  已借图书：2 本"_s);
    ASSERT_EQ(view.rows.size(), 2);
    EXPECT_EQ(view.rows[1].bookNumber, u"A00003"_s);
    EXPECT_EQ(view.rows[1].lendingDate, u"2016年3月23日"_s);
}

TEST_F(ReturningTest, ReturningTheOnlyLoanOnTheSameDayWritesTheMarkers)
{
    // An open report row of an earlier year is stamped too: the year is no condition.
    ASSERT_TRUE(state.database.execute(
        u"insert into 借阅报表 values('2015','A00001','红楼梦','旧 读者','2015年12月30日','')"_s));
    circulation.lend(u"201409001"_s, u"A00001"_s);
    circulation.returnSelected(u"201409001"_s, 0);
    EXPECT_EQ(tableRows(kReaderTable).first(), u"初一(3)班|张 三|201409001|0|0|0"_s);
    EXPECT_EQ(tableRows(kReportTable),
              (QStringList{u"2015|A00001|红楼梦|旧 读者|2015年12月30日|2016年3月21日"_s,
                           u"2016|A00001|红楼梦|初一(3)班 张 三|2016年3月21日|2016年3月21日"_s}));
    EXPECT_TRUE(view.rows.isEmpty());
    EXPECT_EQ(view.readerText, u"班别：初一(3)班  姓名：张 三  已借图书：0 本"_s);
    // Nothing selected any more after the refresh.
    dialogs.clear();
    circulation.returnSelected(u"201409001"_s, 0);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"未选择书本"_s});
    // Lent again later: the row is reused.
    circulation.lend(u"201409002"_s, u"A00001"_s);
    EXPECT_EQ(tableRows(kLentTable), QStringList{u"A00001|201409002"_s});
}

TEST_F(ReturningTest, GuardsSelectionAndTheShownCard)
{
    circulation.lend(u"201409001"_s, u"A00001"_s);
    const QStringList before = allTables();
    EXPECT_EQ(circulation.returnSelected(u"201409001"_s, -1), CirculationFocus::None);
    EXPECT_EQ(circulation.returnSelected(u"201409002"_s, 0), CirculationFocus::CardNumberBox);
    EXPECT_EQ(
        dialogs.noticeTexts(),
        (QStringList{u"未选择书本"_s, u"你已更改读者借书证号，该图书借阅者证号：201409001"_s}));
    EXPECT_EQ(allTables(), before);

    // A card that no reader has clears the list: nothing left to return.
    circulation.showReaderLoans(u"999"_s);
    EXPECT_EQ(view.readerText, u"无该借书证号！"_s);
    EXPECT_TRUE(view.rows.isEmpty());
    EXPECT_EQ(state.shownCardNumber, u"999"_s);
    dialogs.clear();
    circulation.returnSelected(u"999"_s, 0);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"未选择书本"_s});
}

TEST_F(ReturningTest, AFailedWriteLeavesAllFourTablesAsTheyWere)
{
    lendThree();
    expectEachFaultChangesNothing(
        {{u"UPDATE"_s, u"读者数据"_s, u"更新还书信息失败"_s},
         {u"UPDATE"_s, u"借阅报表"_s, u"记录借阅报表失败"_s},
         {u"UPDATE"_s, u"借出数据"_s, u"写入借出数据失败，请重新尝试借书操作！"_s}},
        [this] {
            circulation.returnSelected(u"201409001"_s, 0);
            EXPECT_EQ(view.rows.size(), 3); // the list keeps its rows
        });
    dialogs.clear();
    circulation.returnSelected(u"201409001"_s, 0);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(view.rows.size(), 2);
    circulation.lend(u"201409002"_s, u"A00001"_s);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(tableRows(kLentTable).first(), u"A00001|201409002"_s);
}

} // namespace
