#include "pagefixture.h"
#include "reports/reportpage.h"
#include "support/transferfixture.h"

#include <QSpinBox>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

class ReportPageTest : public test::PageFixture<ReportPage>
{
protected:
    QSpinBox *year() const { return test::control<QSpinBox>(page.get(), u"编辑框1"_s); }
};

TEST_F(ReportPageTest, SpinnerKeepsTheYearWithinRange)
{
    EXPECT_EQ(year()->text(), u"2015"_s);
    year()->setValue(2095);
    for (int i = 0; i < 11; ++i)
        year()->stepBy(1);
    EXPECT_EQ(year()->text(), u"2100"_s);
    year()->setValue(2000);
    year()->stepBy(-1);
    EXPECT_EQ(year()->text(), u"2000"_s);
}

TEST_F(ReportPageTest, ViewAndExportOneYear)
{
    ASSERT_TRUE(state.database.execute(
        u"insert into 借阅报表 values('2015','A1','红楼梦','一班 甲','2015年3月21日','')"_s));
    ASSERT_TRUE(state.database.execute(
        u"insert into 借阅报表 values('2016','A2','西游记','一班 甲','2016年3月21日','')"_s));
    click(u"按钮_查阅借阅报表"_s);
    const QString rows = u"超级列表框_借阅报表显示"_s;
    EXPECT_EQ(rowTexts(rows, 1), QStringList{u"红楼梦"_s});
    EXPECT_EQ(rowTexts(rows, 4), QStringList{u""_s});
    year()->stepBy(-1);
    click(u"按钮_查阅借阅报表"_s);
    EXPECT_TRUE(rowTexts(rows, 0).isEmpty());
    EXPECT_TRUE(dialogs.shown().isEmpty());

    year()->stepBy(1);
    const QString out = folder.file(u"report.xls"_s);
    dialogs.answerFileChoices({out});
    click(u"按钮_导出借阅报表"_s);
    EXPECT_EQ(label(u"标签_导出借阅报表进度"_s)->text(), u"导出借阅报表成功！"_s);
    EXPECT_EQ(test::readWorkbook(out, u"Sheet1"_s, u"图书编号"_s, {u"书名"_s}),
              QList<QStringList>{{u"红楼梦"_s}});
}

} // namespace
