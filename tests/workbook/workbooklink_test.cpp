#include "fixtures.h"

#include "support/tempfolder.h"
#include "workbook/templates.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using songtao::test::fixture;
using songtao::test::readRows;
using songtao::test::TempFolder;

namespace {

using Row = QList<QPair<QString, QString>>;

const QStringList kReport{u"图书编号"_s, u"书名"_s, u"借阅者"_s, u"借书日期"_s, u"还书日期"_s};

Row reportRow(const QString &book, const QString &title, const QString &returned = {})
{
    return {{u"图书编号"_s, book},
            {u"书名"_s, title},
            {u"借阅者"_s, u"初一(3)班 张三"_s},
            {u"借书日期"_s, u"2016年3月21日"_s},
            {u"还书日期"_s, returned}};
}

class WorkbookLinkTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(writeTemplate(WorkbookTemplate::LendingReport, path)); }

    QList<QStringList> fileRows(const QString &file)
    {
        WorkbookLink reader;
        EXPECT_TRUE(reader.connect(file));
        return readRows(reader, u"Sheet1"_s, u"图书编号"_s, kReport);
    }

    TempFolder folder;
    QString path = folder.file(u"report.xls"_s);
};

TEST_F(WorkbookLinkTest, InsertsAreWrittenAtDisconnect)
{
    WorkbookLink link;
    ASSERT_TRUE(link.connect(path));
    ASSERT_TRUE(link.insertRow(u"Sheet1"_s, reportRow(u"A00001"_s, u"红楼梦"_s)));
    // Columns in any order; one left out and one empty give no cell.
    ASSERT_TRUE(link.insertRow(u"sheet1"_s,
                               {{u"书名"_s, u"It's \"quoted\", [x]"_s},
                                {u"图书编号"_s, u"A00002"_s},
                                {u"借阅者"_s, QString()}}));
    // Until then the file holds the bare template, while the link itself
    // already sees the new rows.
    EXPECT_TRUE(fileRows(path).isEmpty());
    EXPECT_EQ(readRows(link, u"Sheet1"_s, u"图书编号"_s, {u"图书编号"_s}).size(), 2);
    EXPECT_TRUE(link.disconnect());
    EXPECT_FALSE(link.isConnected());

    const QList<QStringList> expected{
        {u"A00001"_s, u"红楼梦"_s, u"初一(3)班 张三"_s, u"2016年3月21日"_s, {}},
        {u"A00002"_s, u"It's \"quoted\", [x]"_s, {}, {}, {}}};
    EXPECT_EQ(fileRows(path), expected);

    // A later connection appends below the rows already there.
    ASSERT_TRUE(link.connect(path));
    ASSERT_TRUE(
        link.insertRow(u"Sheet1"_s, reportRow(u"A00003"_s, u"水浒传"_s, u"2016年3月22日"_s)));
    EXPECT_TRUE(link.disconnect());
    EXPECT_EQ(fileRows(path).size(), 3);
    EXPECT_EQ(fileRows(path).last().last(), u"2016年3月22日"_s);
}

TEST_F(WorkbookLinkTest, InsertsAreWrittenWhenReplacedOrDestroyed)
{
    const QString other = folder.file(u"other.xls"_s);
    ASSERT_TRUE(writeTemplate(WorkbookTemplate::LendingReport, other));
    {
        WorkbookLink link;
        ASSERT_TRUE(link.connect(path));
        ASSERT_TRUE(link.insertRow(u"Sheet1"_s, reportRow(u"A1"_s, u"一"_s)));
        EXPECT_FALSE(link.connect(folder.file(u"missing.xls"_s)));
        EXPECT_TRUE(link.isConnected()); // a failed connect keeps the old one
        ASSERT_TRUE(link.insertRow(u"Sheet1"_s, reportRow(u"A2"_s, u"二"_s)));
        ASSERT_TRUE(link.connect(other));
        EXPECT_EQ(fileRows(path).size(), 2);
        ASSERT_TRUE(link.insertRow(u"Sheet1"_s, reportRow(u"B1"_s, u"三"_s)));
    }
    EXPECT_EQ(
        fileRows(other),
        (QList<QStringList>{{u"B1"_s, u"三"_s, u"初一(3)班 张三"_s, u"2016年3月21日"_s, {}}}));
    // Reconnecting to the same file reads what the earlier connection wrote.
    WorkbookLink link;
    ASSERT_TRUE(link.connect(path));
    ASSERT_TRUE(link.insertRow(u"Sheet1"_s, reportRow(u"A3"_s, u"四"_s)));
    ASSERT_TRUE(link.connect(path));
    EXPECT_EQ(readRows(link, u"Sheet1"_s, u"图书编号"_s, {u"图书编号"_s}),
              (QList<QStringList>{{u"A1"_s}, {u"A2"_s}, {u"A3"_s}}));
}

TEST_F(WorkbookLinkTest, InsertsAreWrittenWhenTheProgramEnds)
{
    // The program ends through std::exit; a link on the heap is never
    // destroyed then.
    EXPECT_EXIT(
        {
            auto *link = new WorkbookLink;
            link->connect(path);
            link->insertRow(u"Sheet1"_s, reportRow(u"A1"_s, u"一"_s));
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(fileRows(path).size(), 1);
}

TEST_F(WorkbookLinkTest, FailedInsertLeavesTheEarlierRowsInTheFile)
{
    WorkbookLink link;
    ASSERT_TRUE(link.connect(path));
    ASSERT_TRUE(link.insertRow(u"Sheet1"_s, reportRow(u"A1"_s, u"一"_s)));
    ASSERT_TRUE(link.insertRow(u"Sheet1"_s, reportRow(u"A2"_s, u"二"_s)));

    const std::pair<const char *, std::pair<QString, Row>> failures[] = {
        {"unknown heading", {u"Sheet1"_s, {{u"图书编号"_s, u"A3"_s}, {u"年份"_s, u"2016"_s}}}},
        {"heading twice", {u"Sheet1"_s, {{u"图书编号"_s, u"A3"_s}, {u"图书编号"_s, u"A4"_s}}}},
        {"no such sheet", {u"Sheet2"_s, reportRow(u"A3"_s, u"三"_s)}},
        {"value too long", {u"Sheet1"_s, {{u"书名"_s, QString(32768, u'长')}}}},
    };
    for (const auto &[what, insert] : failures)
        EXPECT_FALSE(link.insertRow(insert.first, insert.second)) << what;
    EXPECT_EQ(fileRows(path).size(), 2);
    EXPECT_TRUE(link.isConnected());
    EXPECT_TRUE(link.disconnect());
    EXPECT_EQ(fileRows(path).size(), 2);
}

TEST_F(WorkbookLinkTest, FullSheetRefusesFurtherRows)
{
    WorkbookLink link;
    ASSERT_TRUE(link.connect(path));
    for (int i = 1; i < 65536; ++i)
        ASSERT_TRUE(link.insertRow(u"Sheet1"_s, {{u"图书编号"_s, u"A"_s}})) << i;
    EXPECT_FALSE(link.insertRow(u"Sheet1"_s, {{u"图书编号"_s, u"B"_s}}));
    EXPECT_TRUE(link.disconnect());
    EXPECT_EQ(fileRows(path).size(), 65535);
}

TEST_F(WorkbookLinkTest, WorkbooksItCannotWriteBackAreNotChanged)
{
    // Numbers, dates and formulas, or a second sheet: rewriting as one sheet
    // of text would lose them, so inserts are refused.
    for (const QString &name : {u"lo_books.xls"_s, u"xlwt_books.xls"_s}) {
        const QString copy = folder.file(name);
        ASSERT_TRUE(QFile::copy(fixture(name), copy));
        WorkbookLink link;
        ASSERT_TRUE(link.connect(copy));
        EXPECT_FALSE(link.insertRow(u"Sheet1"_s, {{u"姓名"_s, u"李四"_s}}));
        EXPECT_TRUE(link.disconnect());
        EXPECT_EQ(test::readFileBytes(copy), test::readFileBytes(fixture(name)));
    }
}

TEST_F(WorkbookLinkTest, FailedWriteIsReported)
{
    const QString gone = folder.file(u"gone"_s);
    ASSERT_TRUE(QDir().mkpath(gone));
    const QString file = gone + u"/report.xls"_s;
    ASSERT_TRUE(writeTemplate(WorkbookTemplate::LendingReport, file));
    WorkbookLink link;
    ASSERT_TRUE(link.connect(file));
    ASSERT_TRUE(link.insertRow(u"Sheet1"_s, reportRow(u"A1"_s, u"一"_s)));
    ASSERT_TRUE(QDir(gone).removeRecursively());
    EXPECT_FALSE(link.disconnect());
    EXPECT_FALSE(link.isConnected());
    EXPECT_TRUE(link.disconnect()); // nothing left to write
}

TEST_F(WorkbookLinkTest, RowsHandedOutKeepTheirSnapshot)
{
    WorkbookLink link;
    ASSERT_TRUE(link.connect(path));
    ASSERT_TRUE(link.insertRow(u"Sheet1"_s, reportRow(u"A1"_s, u"一"_s)));
    auto rows = link.rowsWhereNotEmpty(u"Sheet1"_s, u"图书编号"_s);
    ASSERT_TRUE(rows);
    ASSERT_TRUE(link.insertRow(u"Sheet1"_s, reportRow(u"A2"_s, u"二"_s)));
    EXPECT_EQ(rows->count(), 1);
    EXPECT_EQ(rows->readColumn(u"书名"_s), u"一"_s);
    rows->next();
    EXPECT_TRUE(rows->atEnd());
    EXPECT_EQ(rows->readColumn(u"书名"_s), QString());
    EXPECT_EQ(link.rowsWhereNotEmpty(u"Sheet1"_s, u"图书编号"_s)->count(), 2);
}

TEST_F(WorkbookLinkTest, NothingWorksWithoutAConnection)
{
    WorkbookLink link;
    EXPECT_FALSE(link.rowsWhereNotEmpty(u"Sheet1"_s, u"图书编号"_s));
    EXPECT_FALSE(link.insertRow(u"Sheet1"_s, reportRow(u"A1"_s, u"一"_s)));
    EXPECT_TRUE(link.disconnect());
}

} // namespace
