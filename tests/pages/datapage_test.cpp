#include "pagefixture.h"
#include "store/datapage.h"
#include "store/schema.h"

#include <QFile>
#include <QListWidget>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

class DataPageTest : public test::PageFixture<DataPage>
{
protected:
    QStringList backups() const
    {
        QStringList entries;
        const auto *list = test::control<QListWidget>(page.get(), u"列表框1"_s);
        for (int i = 0; i < list->count(); ++i)
            entries << list->item(i)->text();
        return entries;
    }
};

TEST_F(DataPageTest, BackupIsListedAndConfirmed)
{
    click(u"按钮_备份数据库"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"备份数据库成功"_s});
    EXPECT_EQ(dialogs.shown().at(0).title, u"提示"_s);
    EXPECT_EQ(backups(), QStringList{folder.path() + u"/数据库2016年3月21日15时40分6秒.sdb"_s});

    // A backup that cannot be made says so; the list is refreshed all the same.
    state.closeData();
    ASSERT_TRUE(QFile::remove(databaseFilePath()));
    dialogs.clear();
    clock.advanceSeconds(1);
    click(u"按钮_备份数据库"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"备份数据库失败"_s});
    EXPECT_EQ(backups().size(), 1);
}

TEST_F(DataPageTest, ClearingAsksThenBacksUpAndEmpties)
{
    addBook(u"A1"_s, u"书"_s);
    state.bookTotal = 1;
    dialogs.answerConfirmations({false, true});
    click(u"按钮_清空图书数据"_s);
    EXPECT_TRUE(backups().isEmpty());
    EXPECT_EQ(tableRows(kBookTable).size(), 1);
    click(u"按钮_清空图书数据"_s);
    EXPECT_EQ(backups().size(), 1);
    EXPECT_TRUE(tableRows(kBookTable).isEmpty());
    EXPECT_EQ(state.bookTotal, 0);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{}); // a successful emptying says nothing

    state.closeData();
    dialogs.answerConfirmations({true});
    clock.advanceSeconds(1);
    click(u"按钮_清空读者数据"_s);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"删除读者数据失败"_s});
    EXPECT_EQ(backups().size(), 2);
}

} // namespace
