#include "catalogue/searchpage.h"
#include "pagefixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

class SearchPageTest : public test::PageFixture<SearchPage>
{
protected:
    void chooseKind(int index) const
    {
        test::control<QComboBox>(page.get(), u"组合框1"_s)->setCurrentIndex(index);
    }
};

TEST_F(SearchPageTest, TitleSearchListsRowsAndCopiesTheSelectedBookNumber)
{
    addBook(u"A00001"_s, u"红楼梦"_s, {}, u"曹雪芹"_s, u"文学书架一"_s);
    addBook(u"A00002"_s, u"红楼梦新证"_s);
    addBook(u"A00003"_s, u"西游记"_s);
    type(u"编辑框_要搜索的书名"_s, u"红楼"_s);
    click(u"按钮_搜索图书"_s);
    EXPECT_EQ(label(u"透明标签_显示图书搜索结果"_s)->text(),
              u"查询结束，耗时0秒，搜索到2个记录，当前图书总数：3"_s);
    const QString results = u"超级列表框_显示图书搜索结果"_s;
    EXPECT_EQ(rowTexts(results, 0), (QStringList{u"1"_s, u"2"_s}));
    EXPECT_EQ(rowTexts(results, 1), (QStringList{u"红楼梦"_s, u"红楼梦新证"_s}));
    EXPECT_EQ(rowTexts(results, 2), (QStringList{u"曹雪芹"_s, u""_s}));
    EXPECT_EQ(rowTexts(results, 4), (QStringList{u"文学书架一"_s, u""_s}));

    selectRow(results, 1);
    EXPECT_EQ(edit(u"编辑框_选中的图书编号"_s)->text(), u"A00002"_s);
    click(u"按钮_复制图书编号"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"A00002"_s);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].text, u"A00002"_s);
    EXPECT_EQ(dialogs.shown()[0].title, u"剪辑板的内容"_s);
}

TEST_F(SearchPageTest, MissingInputPutsTheFocusInItsBox)
{
    expectDisabledDuringNotices(u"按钮_搜索图书"_s);
    type(u"编辑框_要搜索的书名"_s, u""_s);
    click(u"按钮_搜索图书"_s);
    EXPECT_EQ(label(u"透明标签_显示图书搜索结果"_s)->text(), u"请输入要搜索的内容"_s);
    EXPECT_TRUE(hasFocus(u"编辑框_要搜索的书名"_s));

    type(u"编辑框_要搜索的书名"_s, u"书"_s);
    type(u"编辑框_每页行数"_s, u"0"_s);
    click(u"按钮_搜索图书"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"请输入大于0的数"_s});
    EXPECT_TRUE(hasFocus(u"编辑框_每页行数"_s));
}

TEST_F(SearchPageTest, BrowsingEnablesPagingAndNumbersRowsThroughTheTable)
{
    EXPECT_FALSE(button(u"按钮_上页"_s)->isEnabled());
    ASSERT_TRUE(state.database.beginTransaction());
    for (int i = 1; i <= 7; ++i)
        addBook(u"B%1"_s.arg(i), u"书"_s);
    ASSERT_TRUE(state.database.commitTransaction());

    chooseKind(3);
    EXPECT_EQ(edit(u"编辑框_要搜索的书名"_s)->text(), u""_s);
    EXPECT_FALSE(edit(u"编辑框_要搜索的书名"_s)->isEnabled());
    EXPECT_TRUE(button(u"按钮_上页"_s)->isEnabled());
    type(u"编辑框_每页行数"_s, u"3"_s);
    click(u"按钮_搜索图书"_s);
    const QString results = u"超级列表框_显示图书搜索结果"_s;
    EXPECT_EQ(rowTexts(results, 0), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    click(u"按钮_下页"_s);
    EXPECT_EQ(rowTexts(results, 0), (QStringList{u"4"_s, u"5"_s, u"6"_s}));
    click(u"按钮_上页"_s);
    EXPECT_EQ(rowTexts(results, 0), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(label(u"透明标签_显示图书搜索结果"_s)->text(), u"浏览全部图书，当前图书总数：7"_s);

    type(u"编辑框_要搜索的书名"_s, u"留着"_s);
    chooseKind(0);
    EXPECT_TRUE(edit(u"编辑框_要搜索的书名"_s)->isEnabled());
    EXPECT_EQ(edit(u"编辑框_要搜索的书名"_s)->text(), u"留着"_s);
    EXPECT_FALSE(button(u"按钮_下页"_s)->isEnabled());
    EXPECT_EQ(rowTexts(results, 0).size(), 3); // a kind change does not search
}

} // namespace
