#include "catalogue/booktransfer.h"
#include "store/backup.h"
#include "store/schema.h"
#include "support/transferfixture.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using test::readWorkbook;
using test::writeWorkbook;

namespace {

const QString kImportQuestion =
    u"导入新的图书数据，可能会导致新的图书数据中存在重复的记录（因为去除重复图书功能未加入），建议先清空图书数据再导入，确定导入吗？"_s;

class BookTransferTest : public test::LibraryFixture
{
protected:
    QString workbook(const QString &name) const { return folder.file(name); }
    int import(const QString &path)
    {
        dialogs.answerConfirmations({true});
        clock.advanceSeconds(1); // a backup of its own each time
        return importBooks(state, dialogs, clock, path, status);
    }

    test::RecordingStatus status;
};

TEST_F(BookTransferTest, ImportsEveryRowWithABookNumberAfterABackup)
{
    writeWorkbook(workbook(u"books.xls"_s), u"Sheet1"_s,
                  {u"书名"_s, u"图书编号"_s, u"单价"_s, u"条形码"_s},
                  {{u"红楼梦"_s, u"A00001"_s, u"15.00元"_s, u"9787020002207"_s},
                   {u"西游记"_s, u"A00002"_s},
                   {u"没有编号"_s, u""_s, u"1"_s},
                   {u"水浒传"_s, u"A00004"_s, u""_s, u"O'Brien"_s}});
    state.bookTotal = 7;
    EXPECT_EQ(import(workbook(u"books.xls"_s)), 3);
    EXPECT_EQ(dialogs.shown().at(0).text, kImportQuestion);
    EXPECT_EQ(dialogs.shown().at(0).title, u"警告"_s);
    EXPECT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(state.bookTotal, 0);
    EXPECT_EQ(listBackups().size(), 1);
    EXPECT_EQ(status.statuses,
              (QStringList{u"开始连接数据库..."_s, u"正在查询图书编号不为空的内容"_s, u"查询结束"_s,
                           u"开始事务"_s, u"1"_s, u"2"_s, u"3"_s, u"事务结束"_s,
                           u"导入图书数据结束，耗时 0 秒"_s}));
    // A sheet without most columns imports them empty, in the table's order.
    EXPECT_EQ(
        tableRows(kBookTable),
        (QStringList{u"9787020002207|A00001||||红楼梦|||||||15.00元|||"_s,
                     u"|A00002||||西游记||||||||||"_s, u"O'Brien|A00004||||水浒传||||||||||"_s}));

    // The same workbook again stores every book twice.
    EXPECT_EQ(import(workbook(u"books.xls"_s)), 3);
    EXPECT_EQ(tableRows(kBookTable).size(), 6);
}

TEST_F(BookTransferTest, NumbersAndDatesArriveAsTheirTexts)
{
    EXPECT_EQ(import(QStringLiteral(TEST_DATA_DIR "/xlwt_books.xls")), 3);
    RecordSet &records = state.recordSet;
    ASSERT_TRUE(records.query(u"select * from 图书数据"_s));
    QStringList seen;
    while (records.step()) {
        seen << records.readColumn(u"图书编号"_s) + u' ' + records.readColumn(u"页数"_s) + u' '
                + records.readColumn(u"单价"_s) + u' ' + records.readColumn(u"条形码"_s) + u' '
                + records.readColumn(u"入库时间"_s);
    }
    records.close();
    EXPECT_EQ(seen,
              (QStringList{u"A00001 169 15 9787020002207 2016年3月21日"_s, u"A00002 9.5   "_s,
                           u"12345  -0.25  "_s}));
}

TEST_F(BookTransferTest, StopsCleanlyBeforeAnythingIsImported)
{
    writeWorkbook(workbook(u"other.xls"_s), u"图书"_s, {u"图书编号"_s}, {{u"A1"_s}});
    writeWorkbook(workbook(u"nonumber.xls"_s), u"Sheet1"_s, {u"书名"_s}, {{u"书"_s}});

    EXPECT_EQ(importBooks(state, dialogs, clock, {}, status), 0);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"未选择文件"_s});

    dialogs.clear();
    dialogs.answerConfirmations({false});
    EXPECT_EQ(importBooks(state, dialogs, clock, workbook(u"other.xls"_s), status), 0);
    EXPECT_TRUE(listBackups().isEmpty());

    // Not a workbook: the backup was made, then the connection fails.
    ASSERT_TRUE(test::writeFileBytes(workbook(u"text.xls"_s), "not a workbook"));
    dialogs.clear();
    EXPECT_EQ(import(workbook(u"text.xls"_s)), 0);
    EXPECT_EQ(dialogs.shown().constLast().text, u"数据库连接失败！"_s);
    EXPECT_EQ(dialogs.shown().constLast().icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.shown().constLast().title, u"信息："_s);
    EXPECT_EQ(status.statuses.constLast(), u"开始连接数据库..."_s);

    for (const QString &name : {u"other.xls"_s, u"nonumber.xls"_s}) {
        dialogs.clear();
        EXPECT_EQ(import(workbook(name)), 0);
        EXPECT_EQ(dialogs.shown().constLast().text, u"查询失败!"_s);
        EXPECT_EQ(status.statuses.constLast(), u"查询结束"_s);
    }
    EXPECT_EQ(listBackups().size(), 3);
    EXPECT_TRUE(tableRows(kBookTable).isEmpty());
}

TEST_F(BookTransferTest, AFailedCommitIsReportedAsNothingImported)
{
    writeWorkbook(workbook(u"books.xls"_s), u"Sheet1"_s, {u"图书编号"_s}, {{u"A1"_s}, {u"A2"_s}});
    test::makeCommitFail(state.database, kBookTable);
    EXPECT_EQ(import(workbook(u"books.xls"_s)), 0);
    EXPECT_EQ(dialogs.shown().constLast().text,
              u"导入失败，图书数据未能保存，没有导入任何图书！"_s);
    EXPECT_NE(status.statuses.constLast(), u"导入图书数据结束，耗时 0 秒"_s);
    EXPECT_FALSE(state.database.inTransaction());
    EXPECT_TRUE(tableRows(kBookTable).isEmpty());
}

TEST_F(BookTransferTest, AnImportThatCouldStoreNoRowIsAFailure)
{
    // Every insert refused, as by a database file that cannot be written.
    writeWorkbook(workbook(u"books.xls"_s), u"Sheet1"_s, {u"图书编号"_s}, {{u"A1"_s}, {u"A2"_s}});
    ASSERT_TRUE(state.database.execute(u"CREATE TRIGGER refuse BEFORE INSERT ON 图书数据 "
                                       u"BEGIN SELECT RAISE(ABORT, 'x'); END"_s));
    EXPECT_EQ(import(workbook(u"books.xls"_s)), 0);
    EXPECT_EQ(dialogs.noticeTexts(),
              QStringList{u"导入失败，图书数据未能保存，没有导入任何图书！"_s});
    EXPECT_EQ(status.statuses.constLast(), u"导入失败，图书数据未能保存，没有导入任何图书！"_s);
    EXPECT_FALSE(state.database.inTransaction());

    // A sheet without rows is no failure: there was nothing to store.
    writeWorkbook(workbook(u"empty.xls"_s), u"Sheet1"_s, {u"图书编号"_s}, {});
    dialogs.clear();
    EXPECT_EQ(import(workbook(u"empty.xls"_s)), 0);
    EXPECT_TRUE(dialogs.noticeTexts().isEmpty());
    EXPECT_EQ(status.statuses.constLast(), u"导入图书数据结束，耗时 0 秒"_s);
}

TEST_F(BookTransferTest, ExportReplacesTheFileAndShowsProgress)
{
    const QString path = workbook(u"export.xls"_s);
    // An older workbook with more rows is replaced completely.
    writeWorkbook(path, u"sheet1"_s, bookColumns(),
                  QList<QStringList>(5, QStringList(16, u"旧"_s)));
    addBook(u"A1"_s, u"红楼梦"_s, u"978"_s);
    addBook(u"A2"_s, u"O'Brien|,%"_s);
    addBook(u"A3"_s, u"𠮷"_s);

    dialogs.answerFileChoices({path});
    exportBooks(state, dialogs, status);
    EXPECT_EQ(status.paths, QStringList{path});
    EXPECT_EQ(status.statuses, (QStringList{u"1/3"_s, u"2/3"_s, u"3/3"_s}));
    EXPECT_EQ(dialogs.shown().constLast().text, u"导出图书数据成功！"_s);
    EXPECT_EQ(dialogs.shown().constLast().icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.shown().at(0).mode, FileChoiceMode::Save);
    const QList<QStringList> rows = readWorkbook(path, u"Sheet1"_s, u"图书编号"_s, bookColumns());
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1][5], u"O'Brien|,%"_s);
    EXPECT_EQ(rows[2][5], u"𠮷"_s);
}

TEST_F(BookTransferTest, ExportThenImportGivesBackEveryBook)
{
    const QStringList full = {u"9787020002207"_s,
                              u"A00001"_s,
                              u"I242.4"_s,
                              u"文学"_s,
                              u"1"_s,
                              u"红楼梦"_s,
                              u"曹雪芹"_s,
                              u"人民文学出版社"_s,
                              u"1606"_s,
                              u"32开"_s,
                              u"1996.12"_s,
                              u"3"_s,
                              u"59.70"_s,
                              u"文学书架一"_s,
                              u"2015年9月1日"_s,
                              u"0"_s};
    ASSERT_TRUE(state.database.execute(
        u"insert into 图书数据 values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s, full));
    addBook(u"A'2"_s, u"含有'引号\"和--"_s);
    const QStringList before = tableRows(kBookTable);
    const QString path = workbook(u"roundtrip.xls"_s);
    dialogs.answerFileChoices({path});
    exportBooks(state, dialogs, status);
    ASSERT_TRUE(state.database.deleteAllRows(kBookTable));
    EXPECT_EQ(import(path), 2);
    EXPECT_EQ(tableRows(kBookTable), before);
}

TEST_F(BookTransferTest, ExportFailuresAreNeverReportedAsSuccess)
{
    dialogs.answerFileChoices({workbook(u"none.xls"_s)});
    exportBooks(state, dialogs, status);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"没有图书数据可导出！"_s});
    EXPECT_EQ(readWorkbook(workbook(u"none.xls"_s), u"Sheet1"_s, u"图书编号"_s, {}).size(), 0);
    EXPECT_TRUE(QFile::exists(workbook(u"none.xls"_s)));

    // A template that cannot be written: a missing folder, a folder in the way.
    addBook(u"A1"_s, u"书"_s);
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"folder.xls"_s));
    for (const QString &path : {workbook(u"no/such/folder/x.xls"_s), workbook(u"folder.xls"_s)}) {
        dialogs.clear();
        dialogs.answerFileChoices({path});
        exportBooks(state, dialogs, status);
        EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"数据库连接失败！"_s}) << path.toStdString();
    }

    dialogs.clear();
    exportBooks(state, dialogs, status); // cancelled: nothing shown beyond the choice
    EXPECT_EQ(dialogs.shown().size(), 1);

    ASSERT_TRUE(state.database.execute(u"DROP TABLE 图书数据"_s));
    dialogs.clear();
    dialogs.answerFileChoices({workbook(u"query.xls"_s)});
    exportBooks(state, dialogs, status);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"查询全部图书失败"_s});
    EXPECT_EQ(dialogs.shown().constLast().icon, MessageIcon::None);
}

} // namespace
