#include "catalogue/bookspage.h"
#include "pagefixture.h"
#include "store/schema.h"
#include "support/transferfixture.h"

#include <QTableWidget>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

class BooksPageTest : public test::PageFixture<BooksPage>
{
protected:
    void SetUp() override
    {
        PageFixture::SetUp();
        page->prepareImportPreview();
    }
    QString previewCell(int row, int column) const
    {
        const auto *preview = test::control<QTableWidget>(page.get(), u"超级列表框_图书文件预览"_s);
        const QTableWidgetItem *item = preview->item(row, column);
        return item ? item->text() : QString();
    }
};

TEST_F(BooksPageTest, ChoosingPreviewsTwoRowsThenImportAndExport)
{
    const QString sheet = folder.file(u"books.xls"_s);
    test::writeWorkbook(sheet, u"Sheet1"_s, {u"图书编号"_s, u"书名"_s},
                        {{u"A1"_s, u"红楼梦"_s}, {u"A2"_s, u"西游记"_s}, {u"A3"_s, u"水浒传"_s}});
    click(u"按钮_导入图书"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"未选择文件"_s});

    dialogs.clear();
    dialogs.answerFileChoices({sheet});
    click(u"按钮_选择图书数据文件"_s);
    EXPECT_EQ(dialogs.lastInitialFolder(), folder.path());
    EXPECT_EQ(edit(u"编辑框_图书文件路径"_s)->text(), sheet);
    EXPECT_EQ(previewCell(0, 1), u"书名"_s);
    EXPECT_EQ(previewCell(1, 0), u"A1"_s);
    EXPECT_EQ(test::control<QTableWidget>(page.get(), u"超级列表框_图书文件预览"_s)->rowCount(), 2);

    dialogs.answerConfirmations({true});
    click(u"按钮_导入图书"_s);
    EXPECT_EQ(label(u"标签_图书导入状态"_s)->text(), u"导入图书数据结束，耗时 0 秒"_s);
    EXPECT_EQ(tableRows(kBookTable).size(), 3);

    dialogs.clear();
    const QString out = folder.file(u"out.xls"_s);
    dialogs.answerFileChoices({out});
    click(u"按钮_导出图书数据"_s);
    EXPECT_EQ(edit(u"编辑框_图书数据文件名"_s)->text(), out);
    EXPECT_EQ(label(u"标签_图书导入状态"_s)->text(), u"3/3"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"导出图书数据成功！"_s});
}

TEST_F(BooksPageTest, AFileThatIsNoWorkbookPreviewsEmpty)
{
    ASSERT_TRUE(test::writeFileBytes(folder.file(u"x.xls"_s), "not a workbook"));
    dialogs.answerFileChoices({folder.file(u"x.xls"_s)});
    click(u"按钮_选择图书数据文件"_s);
    EXPECT_EQ(previewCell(0, 0), u""_s);
    EXPECT_TRUE(dialogs.noticeTexts().isEmpty());
}

} // namespace
