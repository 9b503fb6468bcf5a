#include "reports/lendingreport.h"
#include "store/schema.h"
#include "support/transferfixture.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using test::readWorkbook;

namespace {

class LendingReportTest : public test::LibraryFixture
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        for (const QString &row : {u"2016|A1|红楼梦|一班 甲|2016年3月21日|2016年3月26日"_s,
                                   u"2015|A2|西游记|二班 乙|2015年5月1日|"_s,
                                   u"2016|A3|O'Brien|三班 丙|2016年4月1日|"_s})
            ASSERT_TRUE(state.database.execute(u"insert into 借阅报表 values(?,?,?,?,?,?)"_s,
                                               row.split(u'|')));
    }
    test::RecordingStatus status;
};

TEST_F(LendingReportTest, ViewListsOneYearInLendingOrder)
{
    const auto rows = readReport(state.recordSet, u"2016"_s);
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 2);
    EXPECT_EQ(
        rows->at(0),
        (ReportRow{u"A1"_s, u"红楼梦"_s, u"一班 甲"_s, u"2016年3月21日"_s, u"2016年3月26日"_s}));
    EXPECT_EQ(rows->at(1).returnedOn, u""_s);
    EXPECT_TRUE(readReport(state.recordSet, u"2017"_s)->isEmpty());
    ASSERT_TRUE(state.database.execute(u"DROP TABLE 借阅报表"_s));
    EXPECT_FALSE(readReport(state.recordSet, u"2016"_s).has_value());
}

TEST_F(LendingReportTest, ExportWritesTheYearWithProgress)
{
    const QString path = folder.file(u"report.xls"_s);
    test::writeWorkbook(path, u"Sheet1"_s, {u"图书编号"_s}, {{u"旧"_s}, {u"旧"_s}, {u"旧"_s}});
    dialogs.answerFileChoices({path});
    exportReport(state, dialogs, u"2016"_s, status);
    EXPECT_EQ(status.statuses,
              (QStringList{u"准备导出数据……"_s, u"1/2"_s, u"2/2"_s, u"导出借阅报表成功！"_s}));
    EXPECT_TRUE(dialogs.noticeTexts().isEmpty());
    const QStringList headings = {u"图书编号"_s, u"书名"_s, u"借阅者"_s, u"借书日期"_s,
                                  u"还书日期"_s};
    EXPECT_EQ(readWorkbook(path, u"Sheet1"_s, u"图书编号"_s, headings),
              (QList<QStringList>{
                  {u"A1"_s, u"红楼梦"_s, u"一班 甲"_s, u"2016年3月21日"_s, u"2016年3月26日"_s},
                  {u"A3"_s, u"O'Brien"_s, u"三班 丙"_s, u"2016年4月1日"_s, u""_s}}));
}

TEST_F(LendingReportTest, AnEmptyYearExportsTheHeadingRowOnly)
{
    const QString path = folder.file(u"empty.xls"_s);
    dialogs.answerFileChoices({path});
    exportReport(state, dialogs, u"2014"_s, status);
    EXPECT_EQ(status.statuses, (QStringList{u"准备导出数据……"_s, u"导出借阅报表成功！"_s}));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(readWorkbook(path, u"Sheet1"_s, u"图书编号"_s, {}).isEmpty());
}

TEST_F(LendingReportTest, ExportStopsAtEachFailure)
{
    exportReport(state, dialogs, u"2016"_s, status); // cancelled
    EXPECT_EQ(status.statuses, QStringList{u"准备导出数据……"_s});

    ASSERT_TRUE(QDir(folder.path()).mkdir(u"dir.xls"_s));
    dialogs.answerFileChoices({folder.file(u"dir.xls"_s)});
    exportReport(state, dialogs, u"2016"_s, status);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"数据库连接失败！"_s});

    ASSERT_TRUE(state.database.execute(u"DROP TABLE 借阅报表"_s));
    status.statuses.clear();
    dialogs.answerFileChoices({folder.file(u"q.xls"_s)});
    exportReport(state, dialogs, u"2016"_s, status);
    EXPECT_EQ(status.statuses.constLast(), u"操作失败，可能没有借阅数据！"_s);
}

// A workbook that cannot be written at the end is a failed export.
TEST_F(LendingReportTest, AWriteThatFailsAtTheEndIsReported)
{
    class SabotagingStatus final : public StatusView
    {
    public:
        explicit SabotagingStatus(QString path) : m_path(std::move(path)) { }
        void showStatus(const QString &text) override
        {
            texts << text;
            if (text == u"1/2"_s) { // the file turns into a folder mid-export
                QFile::remove(m_path);
                QDir().mkdir(m_path);
            }
        }
        QStringList texts;

    private:
        QString m_path;
    };
    const QString path = folder.file(u"sabotaged.xls"_s);
    SabotagingStatus sabotage(path);
    dialogs.answerFileChoices({path});
    exportReport(state, dialogs, u"2016"_s, sabotage);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"导出数据失败！"_s});
    EXPECT_NE(sabotage.texts.constLast(), u"导出借阅报表成功！"_s);
}

} // namespace
