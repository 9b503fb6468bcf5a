#include "readers/readertransfer.h"
#include "store/schema.h"
#include "support/transferfixture.h"

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using test::readWorkbook;
using test::writeWorkbook;

namespace {

class ReaderTransferTest : public test::LibraryFixture
{
protected:
    test::RecordingStatus status;
};

TEST_F(ReaderTransferTest, ImportSkipsKnownCardsAndFillsEmptyLoanStrings)
{
    addReader(u"一班"_s, u"旧名"_s, u"201409001"_s);
    const QString path = folder.file(u"readers.xls"_s);
    writeWorkbook(
        path, u"Sheet1"_s,
        {u"借书证号"_s, u"姓名"_s, u"班别"_s, u"图书编号串"_s, u"日期编号串"_s, u"书名串"_s},
        {{u"201409001"_s, u"新名"_s, u"二班"_s},
         {u"201409002"_s, u"乙"_s, u"二班"_s, u"A1|"_s, u"2016年3月21日|"_s, u"书|"_s},
         {u""_s, u"没有证号"_s},
         {u"201409003"_s, u"丙,丁"_s, u"三班"_s},
         {u"201409003"_s, u"重复"_s, u"三班"_s},
         {u"a201409002"_s, u"大小写"_s, u"三班"_s}});
    EXPECT_EQ(importReaders(state, dialogs, path), 3);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"共导入 3 个读者信息"_s});
    EXPECT_EQ(dialogs.shown().at(0).title, u"提示"_s);
    EXPECT_EQ(
        tableRows(kReaderTable),
        (QStringList{u"一班|旧名|201409001|0|0|0"_s, u"二班|乙|201409002|A1||2016年3月21日||书|"_s,
                     u"三班|丙,丁|201409003|0|0|0"_s, u"三班|大小写|a201409002|0|0|0"_s}));

    // Everything known already: a count of 0.
    dialogs.clear();
    EXPECT_EQ(importReaders(state, dialogs, path), 0);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"共导入 0 个读者信息"_s});
}

TEST_F(ReaderTransferTest, NumericCardNumbersMatchStoredTexts)
{
    // The LibreOffice fixture's SHEET1 holds card 201409001 as a number.
    addReader(u"一班"_s, u"甲"_s, u"201409001"_s);
    EXPECT_EQ(importReaders(state, dialogs, QStringLiteral(TEST_DATA_DIR "/lo_books.xls")), 1);
    EXPECT_EQ(tableRows(kReaderTable).constLast(), u"|'|201409002|0|0|0"_s);
}

TEST_F(ReaderTransferTest, ImportFailuresLeaveTheTableAlone)
{
    writeWorkbook(folder.file(u"other.xls"_s), u"读者"_s, {u"借书证号"_s}, {{u"1"_s}});
    EXPECT_EQ(importReaders(state, dialogs, folder.file(u"missing.xls"_s)), 0);
    EXPECT_EQ(importReaders(state, dialogs, folder.file(u"other.xls"_s)), 0);
    EXPECT_EQ(dialogs.noticeTexts(), (QStringList{u"数据库连接失败！"_s, u"查询失败!"_s}));

    writeWorkbook(folder.file(u"ok.xls"_s), u"Sheet1"_s, {u"借书证号"_s}, {{u"1"_s}, {u"2"_s}});
    test::makeCommitFail(state.database, kReaderTable);
    dialogs.clear();
    EXPECT_EQ(importReaders(state, dialogs, folder.file(u"ok.xls"_s)), 0);
    EXPECT_EQ(dialogs.noticeTexts(),
              QStringList{u"导入失败，读者数据未能保存，没有导入任何读者！"_s});
    EXPECT_FALSE(state.database.inTransaction());
    EXPECT_TRUE(tableRows(kReaderTable).isEmpty());
}

TEST_F(ReaderTransferTest, ExportThenImportGivesBackEveryReader)
{
    addReader(u"一班"_s, u"甲"_s, u"1"_s, u"A1|B2|"_s, u"2016年3月21日|2016年3月22日|"_s,
              u"红楼梦|西游记|"_s);
    addReader(u"二班"_s, u"𠮷田"_s, u"2"_s);
    addReader(u"三班"_s, u"O'Neil"_s, u"3"_s);
    const QStringList before = tableRows(kReaderTable);
    const QString path = folder.file(u"readers.xls"_s);
    dialogs.answerFileChoices({path});
    exportReaders(state, dialogs, status);
    EXPECT_EQ(status.paths, QStringList{path});
    EXPECT_EQ(status.statuses, (QStringList{u"1/3"_s, u"2/3"_s, u"3/3"_s}));
    EXPECT_EQ(dialogs.shown().constLast().text, u"导出读者数据成功！"_s);

    ASSERT_TRUE(state.database.deleteAllRows(kReaderTable));
    EXPECT_EQ(importReaders(state, dialogs, path), 3);
    EXPECT_EQ(tableRows(kReaderTable), before);
}

TEST_F(ReaderTransferTest, ExportWithoutReadersLeavesTheBareTemplate)
{
    const QString path = folder.file(u"empty.xls"_s);
    dialogs.answerFileChoices({path});
    exportReaders(state, dialogs, status);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"没有读者数据可导出！"_s});
    EXPECT_EQ(dialogs.shown().constLast().icon, MessageIcon::Information);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(readWorkbook(path, u"Sheet1"_s, u"借书证号"_s, {}).isEmpty());
}

} // namespace
