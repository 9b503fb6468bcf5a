#include "pagefixture.h"
#include "readers/readerspage.h"
#include "store/schema.h"
#include "support/transferfixture.h"

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

class ReadersPageTest : public test::PageFixture<ReadersPage>
{
protected:
    const QString readers = u"超级列表框_显示读者信息"_s;
};

TEST_F(ReadersPageTest, ListSelectionViewAndDelete)
{
    addReader(u"一班"_s, u"甲"_s, u"201409001"_s);
    addReader(u"二班"_s, u"乙"_s, u"201409002"_s, u"A1|B2|"_s, u"d|d|"_s, u"t|t|"_s);
    page->fillReaderList();
    EXPECT_EQ(label(u"透明标签_当前读者数量"_s)->text(), u"当前读者数量：2个"_s);
    EXPECT_EQ(rowTexts(readers, 4), (QStringList{u""_s, u"A1|B2|"_s}));

    selectRow(readers, 1);
    EXPECT_EQ(edit(u"编辑框_班别"_s)->text(), u"二班"_s);
    EXPECT_EQ(edit(u"编辑框_姓名"_s)->text(), u"乙"_s);
    EXPECT_EQ(edit(u"编辑框_借书证号_添加"_s)->text(), u"201409002"_s);
    EXPECT_EQ(edit(u"编辑框_转到借书证号"_s)->text(), u"201409002"_s);
    click(u"按钮_删除选中的读者"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"该读者有图书未还，不能删除！"_s});

    type(u"编辑框_转到借书证号"_s, u"201409001"_s);
    click(u"按钮_查看读者信息"_s);
    EXPECT_EQ(edit(u"编辑框_姓名"_s)->text(), u"甲"_s);
    dialogs.answerConfirmations({true});
    click(u"按钮_删除选中的读者"_s);
    EXPECT_EQ(rowTexts(readers, 3), QStringList{u"201409002"_s});
    EXPECT_EQ(label(u"透明标签_当前读者数量"_s)->text(), u"当前读者数量：1个"_s);

    dialogs.clear();
    type(u"编辑框_转到借书证号"_s, u""_s);
    click(u"按钮_查看读者信息"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"请输入借书证号"_s});
    EXPECT_TRUE(hasFocus(u"编辑框_转到借书证号"_s));
}

TEST_F(ReadersPageTest, AddRefillsAndKeepsTheBoxes)
{
    page->fillReaderList();
    EXPECT_EQ(label(u"透明标签_当前读者数量"_s)->text(), u"当前读者数量：0个"_s);
    type(u"编辑框_班别"_s, u"三班"_s);
    type(u"编辑框_姓名"_s, u"丙"_s);
    type(u"编辑框_借书证号_添加"_s, u"201409003"_s);
    click(u"按钮_添加读者"_s);
    click(u"按钮_添加读者"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"已读者人使用以下借书证号：201409003"_s});
    EXPECT_EQ(rowTexts(readers, 2), QStringList{u"丙"_s});
    EXPECT_EQ(edit(u"编辑框_姓名"_s)->text(), u"丙"_s);

    // The list keeps its rows until it is refilled.
    addReader(u"四班"_s, u"丁"_s, u"4"_s);
    EXPECT_EQ(rowTexts(readers, 2).size(), 1);
    click(u"按钮_刷新"_s);
    EXPECT_EQ(rowTexts(readers, 2), (QStringList{u"丙"_s, u"丁"_s}));
}

TEST_F(ReadersPageTest, ImportAndExportThroughTheirBoxes)
{
    const QString sheet = folder.file(u"readers.xls"_s);
    test::writeWorkbook(sheet, u"Sheet1"_s, {u"班别"_s, u"姓名"_s, u"借书证号"_s},
                        {{u"一班"_s, u"甲"_s, u"1"_s}, {u"一班"_s, u"乙"_s, u"2"_s}});
    click(u"按钮导入读者"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"未指定读者信息文件"_s});
    expectDisabledDuringNotices(u"按钮导入读者"_s);

    dialogs.clear();
    dialogs.answerFileChoices({sheet});
    click(u"按钮选择读者信息文件"_s);
    EXPECT_EQ(dialogs.shown().at(0).mode, FileChoiceMode::Open);
    EXPECT_EQ(edit(u"编辑框读者信息文件路径"_s)->text(), sheet);
    click(u"按钮导入读者"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"共导入 2 个读者信息"_s});
    EXPECT_EQ(rowTexts(readers, 2), (QStringList{u"甲"_s, u"乙"_s}));

    dialogs.onNotice({});
    dialogs.clear();
    const QString out = folder.file(u"out.xls"_s);
    dialogs.answerFileChoices({out});
    click(u"按钮_导出读者数据"_s);
    EXPECT_EQ(edit(u"编辑框_读者数据文件名"_s)->text(), out);
    EXPECT_EQ(label(u"标签_读者导出状态"_s)->text(), u"2/2"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"导出读者数据成功！"_s});
    EXPECT_EQ(test::readWorkbook(out, u"Sheet1"_s, u"借书证号"_s, {u"姓名"_s}),
              (QList<QStringList>{{u"甲"_s}, {u"乙"_s}}));
}

} // namespace
