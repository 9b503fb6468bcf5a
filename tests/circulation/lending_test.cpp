#include "circulationfixture.h"

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

class LendingTest : public test::CirculationFixture
{ };

TEST_F(LendingTest, FirstLendingWritesAllThreeTablesAndShowsTheLoan)
{
    clock.set(QDateTime(QDate(2016, 5, 5), QTime(9, 30)));
    EXPECT_EQ(circulation.lend(u"201409001"_s, u"A00001"_s), CirculationFocus::None);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(
        view.availability,
        (QStringList{u"查询图书是否可借。。。"_s, u"该图书可借！"_s, u"成功记录所借图书！"_s}));
    EXPECT_EQ(tableRows(kReaderTable).first(),
              u"初一(3)班|张 三|201409001|A00001||2016年5月5日||红楼梦|"_s);
    EXPECT_EQ(tableRows(kReportTable),
              QStringList{u"2016|A00001|红楼梦|初一(3)班 张 三|2016年5月5日|"_s});
    EXPECT_EQ(tableRows(kLentTable), QStringList{u"A00001|201409001"_s});
    EXPECT_EQ(view.readerText, u"班别：初一(3)班  姓名：张 三  已借图书：1 本"_s);
    ASSERT_EQ(view.rows.size(), 1);
    EXPECT_EQ(view.rows[0],
              (LoanRow{u"A00001"_s, u"红楼梦"_s, u"2016年5月5日"_s, u"2016年5月10日"_s, u"5"_s}));
    EXPECT_FALSE(state.database.inTransaction());
}

TEST_F(LendingTest, ReturnedBookReusesItsRowAndSecondLoanAppends)
{
    ASSERT_TRUE(state.database.execute(u"insert into 借出数据 values('A00002','0')"_s));
    circulation.lend(u"201409001"_s, u"A00001"_s);
    clock.advanceSeconds(86400);
    circulation.lend(u"201409001"_s, u"A00002"_s);
    EXPECT_EQ(tableRows(kLentTable), (QStringList{u"A00002|201409001"_s, u"A00001|201409001"_s}));
    EXPECT_EQ(
        tableRows(kReaderTable).first(),
        u"初一(3)班|张 三|201409001|A00001|A00002||2016年3月21日|2016年3月22日||红楼梦|西游记|"_s);
    ASSERT_EQ(view.rows.size(), 2);
    EXPECT_EQ(view.rows.last().bookNumber, u"A00002"_s);
    EXPECT_EQ(view.readerText, u"班别：初一(3)班  姓名：张 三  已借图书：2 本"_s);
}

TEST_F(LendingTest, RefusalsWriteNothing)
{
    circulation.lend(u"201409002"_s, u"A00001"_s);
    const QStringList before = allTables();

    const struct
    {
        QString card, book;
        QStringList notices;
        QString lastAvailability;
        CirculationFocus focus;
    } cases[] = {
        {u""_s, u""_s, {u"请输入图书编号"_s}, {}, CirculationFocus::BookNumberBox},
        {u"999"_s, u"A00002"_s, {u"无该借书证号"_s}, {}, CirculationFocus::None},
        {u""_s, u"A00002"_s, {u"无该借书证号"_s}, {}, CirculationFocus::None},
        {u"201409001"_s, u"a00002"_s, {}, u"无该图书编号！"_s, CirculationFocus::None},
        {u"201409001"_s, u"A00009"_s, {}, u"无该图书编号！"_s, CirculationFocus::None},
        {u"201409001"_s, u"A00001"_s, {}, u"该图书已借出！"_s, CirculationFocus::None},
        {u"201409002"_s, u"A00001"_s, {}, u"该图书已借出！"_s, CirculationFocus::None},
        {u"201409001"_s,
         u"A|1"_s,
         {u"图书编号中含有“|”或“,”，不能借出！"_s},
         {},
         CirculationFocus::BookNumberBox},
        {u"201409001"_s,
         u"A,1"_s,
         {u"图书编号中含有“|”或“,”，不能借出！"_s},
         {},
         CirculationFocus::BookNumberBox},
    };
    for (const auto &c : cases) {
        dialogs.clear();
        view.availability.clear();
        EXPECT_EQ(circulation.lend(c.card, c.book), c.focus) << c.book.toStdString();
        EXPECT_EQ(dialogs.noticeTexts(), c.notices) << c.book.toStdString();
        EXPECT_EQ(view.availability.value(view.availability.size() - 1), c.lastAvailability)
            << c.book.toStdString();
    }
    EXPECT_EQ(view.borrower, u"借阅者证号：201409002"_s);
    EXPECT_EQ(allTables(), before);
}

TEST_F(LendingTest, TitleWithBarIsStoredWithAFullWidthBarInTheLoanString)
{
    circulation.lend(u"201409001"_s, u"A00003"_s);
    EXPECT_EQ(tableRows(kReaderTable).first(),
              u"初一(3)班|张 三|201409001|A00003||2016年3月21日||甲｜乙|"_s);
    EXPECT_EQ(tableRows(kReportTable).first(),
              u"2016|A00003|甲|乙|初一(3)班 张 三|2016年3月21日|"_s);
    ASSERT_EQ(view.rows.size(), 1);
    EXPECT_EQ(view.rows[0].title, u"甲｜乙"_s);
}

// Each write of a lending made to fail in turn by a trigger: nothing of the
// lending lasts, and the next lending commits normally.
TEST_F(LendingTest, AFailedWriteLeavesAllFourTablesAsTheyWere)
{
    circulation.lend(u"201409002"_s, u"A00002"_s);
    expectEachFaultChangesNothing(
        {{u"UPDATE"_s, u"读者数据"_s, u"更新读者数据失败"_s},
         {u"INSERT"_s, u"借阅报表"_s, u"记录借阅报表失败"_s},
         {u"INSERT"_s, u"借出数据"_s, u"写入<是否借出>失败，请重新尝试借书操作！"_s}},
        [this] { circulation.lend(u"201409001"_s, u"A00001"_s); });
    // The update path of an earlier-returned book fails the same way.
    ASSERT_TRUE(state.database.execute(u"update 借出数据 set 借书证号='0'"_s));
    const QStringList before = allTables();
    ASSERT_TRUE(state.database.execute(
        u"CREATE TRIGGER fault BEFORE UPDATE ON 借出数据 BEGIN SELECT RAISE(ABORT, 'fault'); END"_s));
    dialogs.clear();
    circulation.lend(u"201409001"_s, u"A00002"_s);
    EXPECT_EQ(dialogs.shown().value(0).title, u"信息："_s);
    ASSERT_TRUE(state.database.execute(u"DROP TRIGGER fault"_s));
    EXPECT_EQ(allTables(), before);

    dialogs.clear();
    circulation.lend(u"201409001"_s, u"A00001"_s);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    state.closeData(); // only committed work survives a close
    ASSERT_TRUE(state.database.open(databaseFilePath(), false));
    EXPECT_EQ(tableRows(kLentTable), (QStringList{u"A00002|0"_s, u"A00001|201409001"_s}));
    EXPECT_EQ(tableRows(kReportTable).size(), 2);
}

} // namespace
