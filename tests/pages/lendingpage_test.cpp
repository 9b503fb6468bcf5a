#include "circulation/lendingpage.h"
#include "pagefixture.h"
#include "store/schema.h"

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

class LendingPageTest : public test::PageFixture<LendingPage>
{
protected:
    void SetUp() override
    {
        PageFixture::SetUp();
        addReader(u"初一(3)班"_s, u"张三"_s, u"201409001"_s);
        addBook(u"A00001"_s, u"红楼梦"_s);
        addBook(u"A00002"_s, u"西游记"_s);
    }
    const QString loans = u"超级列表框_显示借书情况"_s;
};

TEST_F(LendingPageTest, LendingShowsTheLogAndTheLoan)
{
    // The boxes start with their design texts.
    EXPECT_EQ(edit(u"编辑框_借书证号_借书还书"_s)->text(), u"201409001"_s);
    EXPECT_EQ(edit(u"编辑框_借书编号"_s)->text(), u"A00001"_s);
    click(u"按钮_借书"_s);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(label(u"透明标签_图书是否可借"_s)->text(), u"成功记录所借图书！"_s);
    EXPECT_EQ(label(u"透明标签_读者信息"_s)->text(),
              u"班别：初一(3)班  姓名：张三  已借图书：1 本"_s);
    EXPECT_EQ(rowTexts(loans, 3), QStringList{u"2016年3月26日"_s});
    EXPECT_EQ(rowTexts(loans, 4), QStringList{u"5"_s});

    click(u"按钮_借书"_s);
    EXPECT_EQ(label(u"透明标签_图书是否可借"_s)->text(), u"该图书已借出！"_s);
    EXPECT_EQ(label(u"透明标签_借阅者"_s)->text(), u"借阅者证号：201409001"_s);

    type(u"编辑框_借书编号"_s, u""_s);
    click(u"按钮_借书"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"请输入图书编号"_s});
    EXPECT_TRUE(hasFocus(u"编辑框_借书编号"_s));
}

TEST_F(LendingPageTest, ReturningActsOnTheSelectedRowOfTheShownReader)
{
    click(u"按钮_借书"_s);
    type(u"编辑框_借书编号"_s, u"A00002"_s);
    click(u"按钮_借书"_s);
    clock.advanceSeconds(2 * 86400);
    click(u"按钮_查询借书情况"_s);
    EXPECT_EQ(rowTexts(loans, 4), (QStringList{u"3"_s, u"3"_s}));

    click(u"按钮_还书"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"未选择书本"_s});

    selectRow(loans, 0);
    type(u"编辑框_借书证号_借书还书"_s, u"201409002"_s);
    click(u"按钮_还书"_s);
    EXPECT_EQ(dialogs.noticeTexts().constLast(),
              u"你已更改读者借书证号，该图书借阅者证号：201409001"_s);
    EXPECT_TRUE(hasFocus(u"编辑框_借书证号_借书还书"_s));

    type(u"编辑框_借书证号_借书还书"_s, u"201409001"_s);
    dialogs.clear();
    click(u"按钮_还书"_s);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(label(u"透明标签_图书是否可借"_s)->text(), u"还书成功！"_s);
    EXPECT_EQ(rowTexts(loans, 0), QStringList{u"A00002"_s});
    EXPECT_EQ(tableRows(kLentTable), (QStringList{u"A00001|0"_s, u"A00002|201409001"_s}));

    type(u"编辑框_借书证号_借书还书"_s, u"999"_s);
    click(u"按钮_查询借书情况"_s);
    EXPECT_EQ(label(u"透明标签_读者信息"_s)->text(), u"无该借书证号！"_s);
    EXPECT_TRUE(rowTexts(loans, 0).isEmpty());
}

} // namespace
