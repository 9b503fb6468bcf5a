#include "fixtures.h"

#include "support/tempfolder.h"
#include "workbook/biffreader.h"
#include "workbook/biffwriter.h"
#include "workbook/bytes.h"
#include "workbook/compoundfile.h"
#include "workbook/preview.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using songtao::test::fixture;
using songtao::test::readRows;
using songtao::test::TempFolder;

namespace {

// python3-xlwt: shared strings, RK and NUMBER cells, custom date formats,
// an empty string in the shared-string table, Sheet1 second.
TEST(WorkbookReading, XlwtWorkbook)
{
    WorkbookLink link;
    ASSERT_TRUE(link.connect(fixture(u"xlwt_books.xls"_s)));
    const QStringList headings{u"图书编号"_s, u"书名"_s,     u"页数"_s, u"单价"_s,  u"条形码"_s,
                               u"入库时间"_s, u"借出时间"_s, u"备注"_s, u"不存在"_s};
    const QList<QStringList> expected{
        {u"A00001"_s,
         u"红楼梦"_s,
         u"169"_s,
         u"15"_s,
         u"9787020002207"_s,
         u"2016年3月21日"_s,
         u"2016年3月21日15时40分6秒"_s,
         u"'"_s,
         {}},
        {u"A00002"_s, {}, u"9.5"_s, {}, {}, {}, u"2016年3月21日15时"_s, {}, {}},
        {u"12345"_s, u"数字编号"_s, {}, u"-0.25"_s, {}, {}, {}, {}, {}},
    };
    EXPECT_EQ(readRows(link, u"SHEET1"_s, u"图书编号"_s, headings), expected);
    // Rows whose 书名 is empty (the empty string, the blank) are left out.
    EXPECT_EQ(readRows(link, u"sheet1"_s, u"书名"_s, {u"书名"_s}),
              (QList<QStringList>{{u"红楼梦"_s}, {u"没有编号的书"_s}, {u"数字编号"_s}}));
    EXPECT_FALSE(link.rowsWhereNotEmpty(u"Sheet1"_s, u"图书"_s)); // headings match exactly
    EXPECT_FALSE(link.rowsWhereNotEmpty(u"Sheet2"_s, u"图书编号"_s));
}

TEST(WorkbookReading, DatesCountedFrom1904)
{
    WorkbookLink link;
    ASSERT_TRUE(link.connect(fixture(u"xlwt_1904.xls"_s)));
    EXPECT_EQ(readRows(link, u"Sheet1"_s, u"图书编号"_s, {u"入库时间"_s}),
              (QList<QStringList>{{u"2016年3月21日8时5分"_s}}));
}

// LibreOffice: formulas with cached numbers, strings, the empty string and
// an error; a date-time format; a sheet named SHEET1 after another sheet.
TEST(WorkbookReading, LibreOfficeWorkbook)
{
    WorkbookLink link;
    ASSERT_TRUE(link.connect(fixture(u"lo_books.xls"_s)));
    const QStringList headings{u"借书证号"_s, u"姓名"_s,     u"单价"_s, u"合计"_s,
                               u"说明"_s,     u"借书日期"_s, u"空"_s};
    const QList<QStringList> expected{
        {u"201409001"_s,
         u"张三"_s,
         u"15"_s,
         u"30"_s,
         u"张三的书"_s,
         u"2016年3月21日15时40分"_s,
         {}},
        {u"201409002"_s, u"'"_s, u"9.5"_s, {}, {}, {}, {}},
    };
    EXPECT_EQ(readRows(link, u"Sheet1"_s, u"借书证号"_s, headings), expected);
    EXPECT_TRUE(readRows(link, u"Sheet1"_s, u"空"_s, headings).isEmpty());
    EXPECT_EQ(readRows(link, u"Sheet1"_s, u"合计"_s, {u"合计"_s}),
              (QList<QStringList>{{u"30"_s}})); // the error cell reads as empty
}

TEST(WorkbookReading, MissingSheet1)
{
    WorkbookLink link;
    ASSERT_TRUE(link.connect(fixture(u"lo_nosheet1.xls"_s)));
    EXPECT_FALSE(link.rowsWhereNotEmpty(u"Sheet1"_s, u"借书证号"_s));
    EXPECT_TRUE(link.rowsWhereNotEmpty(u"读者"_s, u"借书证号"_s));
}

TEST(WorkbookReading, ConnectRefusesWhatIsNoWorkbook)
{
    TempFolder folder;
    ASSERT_TRUE(test::writeFileBytes(folder.file(u"empty.xls"_s), {}));
    ASSERT_TRUE(test::writeFileBytes(folder.file(u"text.xls"_s), "图书编号,书名\n"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"folder.xls"_s));
    // An Excel 95 (BIFF5) workbook: stream "Book", version 0x0500.
    QByteArray biff5;
    xls::appendU16(biff5, 0x0809);
    xls::appendU16(biff5, 8);
    xls::appendU16(biff5, 0x0500);
    xls::appendU16(biff5, 0x0005);
    biff5.append(4, '\0');
    ASSERT_TRUE(test::writeFileBytes(folder.file(u"biff5.xls"_s),
                                     xls::buildCompoundFile(u"Book"_s, biff5)));
    ASSERT_TRUE(test::writeFileBytes(folder.file(u"biff5named8.xls"_s),
                                     xls::buildCompoundFile(u"Workbook"_s, biff5)));

    const QString paths[] = {
        folder.file(u"missing.xls"_s),
        folder.file(u"empty.xls"_s),
        folder.file(u"text.xls"_s),
        folder.file(u"folder.xls"_s),
        folder.file(u"biff5.xls"_s),
        folder.file(u"biff5named8.xls"_s),
        fixture(u"renamed_xlsx.xls"_s),
        fixture(u"xlwt_samename.xls"_s),
        QString(),
    };
    for (const QString &path : paths) {
        WorkbookLink link;
        EXPECT_FALSE(link.connect(path)) << path.toStdString();
        EXPECT_FALSE(link.isConnected());
    }
}

// A damaged file never gives a wrong partial result: the link either
// refuses it or reads it exactly as the whole file.
TEST(WorkbookReading, TruncatedFilesAreRefusedOrReadWhole)
{
    TempFolder folder;
    const QString path = folder.file(u"cut.xls"_s);
    for (const QString &name : {u"xlwt_books.xls"_s, u"lo_books.xls"_s}) {
        const QByteArray whole = test::readFileBytes(fixture(name));
        ASSERT_FALSE(whole.isEmpty());
        WorkbookLink full;
        ASSERT_TRUE(full.connect(fixture(name)));
        const QStringList headings{u"图书编号"_s, u"借书证号"_s, u"书名"_s, u"姓名"_s};
        const auto expected = readRows(full, u"Sheet1"_s, headings.front(), headings)
            + readRows(full, u"Sheet1"_s, headings.at(1), headings);
        int refused = 0;
        for (qsizetype length = 0; length < whole.size(); length += 37) {
            ASSERT_TRUE(test::writeFileBytes(path, whole.left(length)));
            WorkbookLink link;
            if (!link.connect(path)) {
                ++refused;
                continue;
            }
            const auto rows = readRows(link, u"Sheet1"_s, headings.front(), headings)
                + readRows(link, u"Sheet1"_s, headings.at(1), headings);
            EXPECT_TRUE(rows.isEmpty() || rows == expected) << name.toStdString() << length;
        }
        EXPECT_GT(refused, 100) << name.toStdString();
    }
}

TEST(WorkbookReading, PreviewShowsTheFirstSheet)
{
    const QList<QStringList> xlwt = readFirstSheetPreview(fixture(u"xlwt_books.xls"_s));
    ASSERT_EQ(xlwt.size(), 2);
    ASSERT_EQ(xlwt[0].size(), 26);
    EXPECT_EQ(xlwt[0][0], u"不是这张表"_s);
    EXPECT_EQ(xlwt[0].mid(1), QStringList(25));
    EXPECT_EQ(xlwt[1], QStringList(26));

    const QList<QStringList> lo = readFirstSheetPreview(fixture(u"lo_books.xls"_s));
    EXPECT_EQ(lo[0].mid(0, 3), (QStringList{u"第一张表"_s, u"42"_s, {}}));
    EXPECT_EQ(lo[1].mid(0, 3), (QStringList{u"2016/3/21"_s, u"0.1"_s, u"1"_s}));

    const QList<QStringList> none = readFirstSheetPreview(fixture(u"renamed_xlsx.xls"_s));
    EXPECT_EQ(none, (QList<QStringList>{QStringList(26), QStringList(26)}));
}

TEST(WorkbookReading, PreviewForms)
{
    // Columns beyond Z and rows below 2 stay out; dates and date-times take
    // the short form.
    xls::SheetData sheet;
    sheet.cells = {{0, 0, xls::CellKind::Date, 0, 42450.65284722222},
                   {0, 1, xls::CellKind::Date, 0, 0.5},
                   {0, 2, xls::CellKind::Number, 0, 15},
                   {0, 3, xls::CellKind::Boolean, 0, 1},
                   {0, 4, xls::CellKind::Error, 0, 0}};
    EXPECT_EQ(sheet.previewText(sheet.cells[0]), u"2016/3/21 15:40:06"_s);
    EXPECT_EQ(sheet.previewText(sheet.cells[1]), u"12:00:00"_s);
    EXPECT_EQ(sheet.previewText(sheet.cells[2]), u"15"_s);
    EXPECT_EQ(sheet.previewText(sheet.cells[3]), u"True"_s);
    EXPECT_EQ(sheet.previewText(sheet.cells[4]), QString());

    TempFolder folder;
    std::vector<xls::TextCell> cells;
    for (quint32 row = 0; row < 4; ++row)
        for (quint16 column = 0; column < 30; ++column)
            cells.push_back({row, column, QString::number(row * 100 + column)});
    const QString path = folder.file(u"wide.xls"_s);
    ASSERT_TRUE(test::writeFileBytes(path, xls::buildTextWorkbookFile(u"宽"_s, cells)));
    const QList<QStringList> preview = readFirstSheetPreview(path);
    ASSERT_EQ(preview.size(), 2);
    EXPECT_EQ(preview[0].size(), 26);
    EXPECT_EQ(preview[0][25], u"25"_s);
    EXPECT_EQ(preview[1][0], u"100"_s);
}

} // namespace
