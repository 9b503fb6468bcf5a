#include "app/appstate.h"
#include "app/mainwindowsteps.h"
#include "store/schema.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using songtao::test::ScriptedDialogs;
using songtao::test::TempFolder;

namespace {

struct SetUpRecorder
{
    QStringList steps;
    bool databaseOpenWhenSelecting = true;

    MainWindowSetUpHooks hooks(AppState &state, const QString &rowsText)
    {
        MainWindowSetUpHooks h;
        h.destroyLoginWindow = [this] {
            steps << u"destroy login"_s;
        };
        h.prepareImportPreview = [this] {
            steps << u"preview"_s;
        };
        h.rowsPerPageText = [this, rowsText] {
            steps << u"rows"_s;
            return rowsText;
        };
        h.selectLendingPage = [this, &state] {
            steps << u"select"_s;
            databaseOpenWhenSelecting = state.database.isOpen();
        };
        return h;
    }
};

TEST(MainWindowSetUp, RunsInOrderAndResetsTheSharedState)
{
    TempFolder folder;
    AppState state;
    ScriptedDialogs dialogs;
    state.passwordFailureCount = 3;
    state.bookTotal = 7;
    state.pageStart = 40;
    SetUpRecorder recorder;
    runMainWindowSetUp(state, dialogs, recorder.hooks(state, u"500"_s));

    EXPECT_EQ(recorder.steps,
              QStringList({u"destroy login"_s, u"preview"_s, u"rows"_s, u"select"_s}));
    // The tables are checked last, after the page is selected.
    EXPECT_FALSE(recorder.databaseOpenWhenSelecting);
    EXPECT_TRUE(state.database.isOpen());
    for (const TableLayout &table : libraryTables())
        EXPECT_TRUE(state.database.tableExists(table.name)) << table.name.toStdString();
    EXPECT_TRUE(dialogs.shown().isEmpty());

    EXPECT_TRUE(state.readerPagePending);
    EXPECT_EQ(state.rowsPerPage, 500);
    EXPECT_EQ(state.pageStart, 0);
    EXPECT_EQ(state.bookTotal, 0);
    EXPECT_EQ(state.passwordFailureCount, 0);
}

TEST(MainWindowSetUp, RowsPerPageIsTheBoxReadAsAnInteger)
{
    TempFolder folder;
    for (const auto &[text, rows] :
         {std::pair(u"25"_s, 25), std::pair(u""_s, 0), std::pair(u"12abc"_s, 12)}) {
        AppState state;
        ScriptedDialogs dialogs;
        SetUpRecorder recorder;
        runMainWindowSetUp(state, dialogs, recorder.hooks(state, text));
        EXPECT_EQ(state.rowsPerPage, rows) << text.toStdString();
    }
}

TEST(MainWindowSetUp, DatabaseThatCannotOpenFailsEachTableWithItsMessage)
{
    TempFolder folder;
    // A folder where the database file should be: it cannot be opened.
    ASSERT_TRUE(QDir().mkpath(databaseFilePath()));
    AppState state;
    ScriptedDialogs dialogs;
    SetUpRecorder recorder;
    runMainWindowSetUp(state, dialogs, recorder.hooks(state, u"500"_s));

    EXPECT_EQ(
        dialogs.noticeTexts(),
        QStringList({u"打开数据库失败"_s, u"读者数据库初始化失败"_s, u"打开数据库失败"_s,
                     u"图书数据库初始化失败"_s, u"打开数据库失败"_s, u"借出数据库初始化失败"_s,
                     u"打开数据库失败"_s, u"借阅报表数据库初始化失败"_s}));
    for (const auto &shown : dialogs.shown())
        EXPECT_EQ(shown.title, u"提示"_s);
    EXPECT_EQ(recorder.steps.last(), u"select"_s);
}

TEST(PageChange, ReaderListOnTheFirstVisitBackupListOnEveryVisit)
{
    AppState state;
    state.readerPagePending = true;
    int readerFills = 0;
    int backupRefreshes = 0;
    const PageChangeHooks hooks{[&] { ++readerFills; },
                                [&] {
                                    ++backupRefreshes;
                                }};

    const struct
    {
        QString page;
        int readerFills;
        int backupRefreshes;
    } visits[] = {
        {u"借书还书"_s, 0, 0}, {u"读者管理"_s, 1, 0}, {u"数据管理"_s, 1, 1},
        {u"读者管理"_s, 1, 1}, {u"数据管理"_s, 1, 2}, {u"搜索图书"_s, 1, 2},
    };
    for (const auto &visit : visits) {
        runPageChange(
            state, [&] { return visit.page; }, hooks);
        EXPECT_EQ(readerFills, visit.readerFills) << visit.page.toStdString();
        EXPECT_EQ(backupRefreshes, visit.backupRefreshes) << visit.page.toStdString();
    }
    EXPECT_FALSE(state.readerPagePending);
}

} // namespace
