#include "app/loginwindow.h"
#include "app/mainwindow.h"
#include "app/tabcontrol.h"
#include "store/schema.h"
#include "support/uitesting.h"
#include "uifixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using songtao::test::control;

namespace {

class MainWindowTest : public test::UiFixture
{
protected:
    void open(QWidget *loginWindow = nullptr)
    {
        window = std::make_unique<MainWindow>(services, loginWindow);
        tabs = control<TabControl>(window.get(), u"高级选择夹1"_s);
    }

    void show()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QToolButton *button(const QString &name) { return control<QToolButton>(window.get(), name); }

    // Pointer events as the window system delivers them: to whatever
    // control lies under the pointer, not to the window itself.
    void moveTo(QPoint position) { QTest::mouseMove(window->windowHandle(), position); }
    void press(QPoint position)
    {
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, position);
    }
    void release(QPoint position)
    {
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, position);
    }
    // Window-relative position of a point given relative to where the
    // window was when the drag began.
    QPoint local(QPoint fromStart, QPoint start) const
    {
        return window->mapFromGlobal(start + fromStart);
    }

    std::unique_ptr<MainWindow> window;
    TabControl *tabs = nullptr;
};

TEST_F(MainWindowTest, SetUpAfterLoginReplacesTheLoginWindow)
{
    storePassword(u"quill"_s);
    auto *login = new LoginWindow(state, dialogs, passwordFile, random);
    QObject::connect(login, &LoginWindow::loginAccepted, login, [&] { open(login); });
    bool loginDestroyed = false;
    QObject watcher;
    QObject::connect(login, &QObject::destroyed, &watcher, [&] { loginDestroyed = true; });
    login->show();
    for (int i = 0; i < 2; ++i) {
        control<QLineEdit>(login, u"编辑框pass"_s)->setText(u"wrong"_s);
        QTest::mouseClick(control<QPushButton>(login, u"按钮登录系统"_s), Qt::LeftButton);
    }
    control<QLineEdit>(login, u"编辑框pass"_s)->setText(u"quill"_s);
    control<QLineEdit>(login, u"编辑框_验证码"_s)->setText(state.verificationCode);
    QTest::mouseClick(control<QPushButton>(login, u"按钮登录系统"_s), Qt::LeftButton);
    ASSERT_NE(window, nullptr);

    EXPECT_FALSE(login->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(loginDestroyed);

    EXPECT_EQ(tabs->currentIndex(), 6);
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), u"借书还书"_s);
    EXPECT_EQ(state.rowsPerPage, 500);
    EXPECT_TRUE(state.readerPagePending);
    EXPECT_EQ(state.passwordFailureCount, 0);
    EXPECT_EQ(state.pageStart, 0);
    EXPECT_EQ(state.bookTotal, 0);
    EXPECT_TRUE(QFile::exists(databaseFilePath()));
    for (const TableLayout &table : libraryTables())
        EXPECT_TRUE(state.database.tableExists(table.name));
    EXPECT_EQ(dialogs.noticeTexts().size(), 2); // the two wrong passwords only
}

TEST_F(MainWindowTest, UnopenableDatabaseIsReportedPerTableAndTheWindowStays)
{
    ASSERT_TRUE(QDir().mkpath(databaseFilePath()));
    open();
    EXPECT_EQ(
        dialogs.noticeTexts(),
        QStringList({u"打开数据库失败"_s, u"读者数据库初始化失败"_s, u"打开数据库失败"_s,
                     u"图书数据库初始化失败"_s, u"打开数据库失败"_s, u"借出数据库初始化失败"_s,
                     u"打开数据库失败"_s, u"借阅报表数据库初始化失败"_s}));
    show();
    EXPECT_EQ(tabs->currentIndex(), 6);
}

TEST_F(MainWindowTest, ZoneTrackingSetsPointerAndZoneOnTheBackgroundOnly)
{
    open();
    show();
    const struct
    {
        QPoint at;
        QString zone;
        Qt::CursorShape cursor;
    } moves[] = {
        {{0, 40}, u"左"_s, Qt::SizeHorCursor},
        {{400, 40}, {}, Qt::ArrowCursor},
        // (QTest reads the point (0, 0) as "the window's centre".)
        {{1, 1}, u"左上角"_s, Qt::SizeFDiagCursor},
        {{400, 3}, u"上"_s, Qt::SizeVerCursor},
        {{100, 40}, {}, Qt::ArrowCursor},
        {{100, 3}, u"上"_s, Qt::SizeVerCursor}, // over the title
        {{793, 40}, {}, Qt::ArrowCursor},
        {{799, 40}, u"右"_s, Qt::SizeHorCursor},
        {{799, 599}, u"右下角"_s, Qt::SizeFDiagCursor},
        {{400, 599}, u"下"_s, Qt::SizeVerCursor},
        {{400, 40}, {}, Qt::ArrowCursor},
        // Over the tab control, the icon and a picture button the window
        // sees nothing: the last finding stays.
        {{3, 300}, {}, Qt::ArrowCursor},
        {{3, 3}, {}, Qt::ArrowCursor},
        {{797, 3}, {}, Qt::ArrowCursor},
        {{799, 300}, u"右"_s, Qt::SizeHorCursor},
        {{795, 300}, u"右"_s, Qt::SizeHorCursor},
    };
    for (const auto &move : moves) {
        moveTo(move.at);
        EXPECT_EQ(state.resizeZone, move.zone) << move.at.x() << "," << move.at.y();
        EXPECT_EQ(window->cursor().shape(), move.cursor) << move.at.x() << "," << move.at.y();
    }
}

TEST_F(MainWindowTest, ZonePressResizesByHandWithoutAWindowManager)
{
    open();
    show();
    const QPoint start = window->pos();
    moveTo({799, 300});
    press({799, 300});
    moveTo(local({899, 300}, start));
    release(local({899, 300}, start));
    EXPECT_EQ(window->geometry(), QRect(start, QSize(900, 600)));
    EXPECT_EQ(tabs->x(), 51);
    EXPECT_EQ(button(u"图形按钮_关闭"_s)->x(), 854);

    // The left edge: the right edge stays, and the minimum holds.
    moveTo({3, 300});
    ASSERT_EQ(state.resizeZone, u"左"_s);
    press({3, 300});
    moveTo(local({203, 300}, start));
    release(local({203, 300}, start));
    EXPECT_EQ(window->geometry(), QRect(start + QPoint(100, 0), QSize(800, 600)));
}

TEST_F(MainWindowTest, PressAfterLeavingAZoneMovesTheWindow)
{
    open();
    show();
    const QPoint start = window->pos();
    moveTo({799, 300});
    moveTo({400, 30});
    EXPECT_TRUE(state.resizeZone.isEmpty());
    press({400, 30});
    moveTo(local({440, 50}, start));
    release(local({440, 50}, start));
    EXPECT_EQ(window->geometry(), QRect(start + QPoint(40, 20), QSize(800, 600)));

    // The title drags the window as the background does.
    const QPoint moved = window->pos();
    moveTo({100, 20});
    press({100, 20});
    moveTo({110, 25});
    release(local({110, 25}, moved));
    EXPECT_EQ(window->geometry(), QRect(moved + QPoint(10, 5), QSize(800, 600)));
}

TEST_F(MainWindowTest, LayoutStepKeepsTheMinimumAndCentresTheTabs)
{
    open();
    show();
    const struct
    {
        QSize requested;
        QSize kept;
        int tabLeft;
        int closeLeft;
    } cases[] = {
        {{1001, 700}, {1001, 700}, 101, 955},
        {{700, 600}, {800, 600}, 1, 754},
        {{800, 500}, {800, 600}, 1, 754},
    };
    for (const auto &c : cases) {
        window->resize(c.requested);
        EXPECT_EQ(window->size(), c.kept);
        EXPECT_EQ(tabs->geometry(), QRect(c.tabLeft, 47, 798, 552));
        EXPECT_EQ(button(u"图形按钮_关闭"_s)->pos(), QPoint(c.closeLeft, 2));
        EXPECT_EQ(button(u"图形按钮_最大化"_s)->pos(), QPoint(c.kept.width() - 72, 2));
        EXPECT_EQ(button(u"图形按钮_还原"_s)->pos(), QPoint(c.kept.width() - 72, 2));
        EXPECT_EQ(button(u"图形按钮_最小化"_s)->pos(), QPoint(c.kept.width() - 99, 2));
        EXPECT_EQ(control<QWidget>(window.get(), u"透明标签1"_s)->pos(), QPoint(38, 2));
    }
}

TEST_F(MainWindowTest, MaximiseAndRestoreSwapTheirButtons)
{
    open();
    show();
    QToolButton *maximise = button(u"图形按钮_最大化"_s);
    QToolButton *restore = button(u"图形按钮_还原"_s);
    EXPECT_TRUE(maximise->isVisible());
    EXPECT_FALSE(restore->isVisible());

    QTest::mouseClick(maximise, Qt::LeftButton);
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(maximise->isVisible());
    EXPECT_TRUE(restore->isVisible());
    EXPECT_EQ(restore->geometry(), maximise->geometry());

    QTest::mouseClick(restore, Qt::LeftButton);
    EXPECT_FALSE(window->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(maximise->isVisible());
    EXPECT_FALSE(restore->isVisible());

    // A state change the window system makes swaps them too.
    window->setWindowState(Qt::WindowMaximized);
    EXPECT_FALSE(maximise->isVisible());
    EXPECT_TRUE(restore->isVisible());
}

TEST_F(MainWindowTest, MinimiseAndCloseButtons)
{
    open();
    show();
    QTest::mouseClick(button(u"图形按钮_最小化"_s), Qt::LeftButton);
    EXPECT_TRUE(window->windowState() & Qt::WindowMinimized);
    EXPECT_EQ(programEnds, 0);
    QTest::mouseClick(button(u"图形按钮_关闭"_s), Qt::LeftButton);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(MainWindowTest, PageVisitsFillTheReaderListOnceAndTheBackupListEachTime)
{
    open();
    show();
    auto *backups = control<QListWidget>(window.get(), u"列表框1"_s);
    auto *readers = control<QTableView>(window.get(), u"超级列表框_显示读者信息"_s);
    const auto addReader = [this](const QString &card) {
        ASSERT_TRUE(state.database.execute(
            u"insert into 读者数据 values('班','名',?,'0','0','0')"_s, {card}));
    };

    addReader(u"1"_s);
    ASSERT_TRUE(test::writeFileBytes(folder.file(u"数据库2016年3月21日.sdb"_s), "x"));
    tabs->setCurrentIndex(4);
    EXPECT_EQ(readers->model()->rowCount(), 1);
    EXPECT_FALSE(state.readerPagePending);
    EXPECT_EQ(backups->count(), 0);

    addReader(u"2"_s);
    tabs->setCurrentIndex(1);
    EXPECT_EQ(backups->count(), 1);
    ASSERT_TRUE(test::writeFileBytes(folder.file(u"数据库2016年3月22日.sdb"_s), "x"));
    tabs->setCurrentIndex(4);
    EXPECT_EQ(readers->model()->rowCount(), 1); // only the first visit fills it
    tabs->setCurrentIndex(1);
    EXPECT_EQ(backups->count(), 2);
}

TEST_F(MainWindowTest, TeardownClosesTheData)
{
    open();
    ASSERT_TRUE(state.database.isOpen());
    window.reset();
    EXPECT_FALSE(state.database.isOpen());
}

} // namespace
