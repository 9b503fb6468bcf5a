// The library under faults of its surroundings: a damaged database file at
// start, a read-only database file, a read-only folder and a full disk.
// Each gives a clean message (or the silence the page defines) and loses
// nothing: the database file is whole afterwards and holds what it held.
#include "mounts.h"

#include "catalogue/booktransfer.h"
#include "circulation/circulation.h"
#include "common/programfolder.h"
#include "readers/readerregister.h"
#include "readers/readertransfer.h"
#include "reports/lendingreport.h"
#include "store/backup.h"
#include "store/schema.h"
#include "store/tablecheck.h"
#include "support/transferfixture.h"
#include "workbook/workbooklink.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

// Failures show the texts, not their bytes.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString kImportFailed = u"导入失败，图书数据未能保存，没有导入任何图书！"_s;

class NoView final : public CirculationView
{
public:
    void showAvailability(const QString &) override { }
    void showBorrower(const QString &) override { }
    void showLoans(const QString &, const QList<LoanRow> &rows) override { shown = rows; }
    QList<LoanRow> shown;
};

// SQLite's own verdict on a file, read through a connection of its own.
QString integrity(const QString &path)
{
    sqlite3 *connection = nullptr;
    QString verdict = u"cannot open"_s;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &connection, SQLITE_OPEN_READONLY,
                        nullptr)
        == SQLITE_OK) {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(connection, "PRAGMA integrity_check", -1, &statement, nullptr)
                == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW)
            verdict = QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
    }
    sqlite3_close(connection);
    return verdict;
}

class Faults : public ::testing::Test
{
protected:
    // A library of two readers (one with a book out) and `books` books,
    // written to the program's folder and closed again.
    void makeLibrary(int books = 3)
    {
        AppState maker;
        ASSERT_EQ(ensureLibraryTables(maker.database, dialogs, maker.fieldDefinitions,
                                      databaseFilePath()),
                  0);
        Database &database = maker.database;
        ASSERT_TRUE(database.beginTransaction());
        for (int i = 1; i <= books; ++i) {
            QStringList row(16, u"值"_s);
            row[1] = u"A%1"_s.arg(i, 5, 10, QLatin1Char('0'));
            row[5] = u"书名%1"_s.arg(i);
            ASSERT_TRUE(database.execute(
                u"insert into 图书数据 values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s, row));
        }
        ASSERT_TRUE(database.execute(u"insert into 读者数据 values(?,?,?,?,?,?)"_s,
                                     {u"初一(3)班"_s, u"张三"_s, u"201409001"_s, u"A00001|"_s,
                                      u"2016年3月18日|"_s, u"书名1|"_s}));
        ASSERT_TRUE(
            database.execute(u"insert into 读者数据 values(?,?,?,?,?,?)"_s,
                             {u"初二(1)班"_s, u"李四"_s, u"201409002"_s, u"0"_s, u"0"_s, u"0"_s}));
        ASSERT_TRUE(database.execute(
            u"insert into 借阅报表 values(?,?,?,?,?,'')"_s,
            {u"2016"_s, u"A00001"_s, u"书名1"_s, u"初一(3)班 张三"_s, u"2016年3月18日"_s}));
        ASSERT_TRUE(
            database.execute(u"insert into 借出数据 values(?,?)"_s, {u"A00001"_s, u"201409001"_s}));
        ASSERT_TRUE(database.commitTransaction());
    }

    // Workbooks to import, kept outside the program's folder.
    void makeWorkbooks(int bookRows = 2)
    {
        // Long titles, so that a large sheet outgrows a small disk.
        const QString title = QString(u"新书名，足够长的一段文字"_s).repeated(5);
        QList<QStringList> books;
        for (int i = 1; i <= bookRows; ++i)
            books << QStringList{u"B%1"_s.arg(i), title + QString::number(i)};
        test::writeWorkbook(bookWorkbook, u"Sheet1"_s, {u"图书编号"_s, u"书名"_s}, books);
        test::writeWorkbook(readerWorkbook, u"Sheet1"_s, {u"班别"_s, u"姓名"_s, u"借书证号"_s},
                            {{u"初三(2)班"_s, u"王五"_s, u"201409003"_s}});
    }

    // Opens the library as the main window set-up does; the number of
    // tables that could not be made ready.
    int openLibrary()
    {
        return ensureLibraryTables(state.database, dialogs, state.fieldDefinitions,
                                   databaseFilePath());
    }

    // Every operation that writes the database, as the pages run them.
    void tryEveryWrite()
    {
        Circulation circulation(state, dialogs, clock, view);
        circulation.lend(u"201409002"_s, u"A00002"_s);
        circulation.showReaderLoans(u"201409001"_s);
        circulation.returnSelected(u"201409001"_s, 0);
        dialogs.answerConfirmations({true});
        importBooks(state, dialogs, clock, bookWorkbook, status);
        importReaders(state, dialogs, readerWorkbook);
        ReaderRegister readers(state, dialogs);
        readers.add(u"初三(1)班"_s, u"赵六"_s, u"201409009"_s);
        dialogs.answerConfirmations({true});
        readers.remove(u"201409002"_s);
        dialogs.answerConfirmations({true});
        clock.advanceSeconds(1);
        clearTable(ClearTarget::Books, state, dialogs, clock);
    }

    QStringList successMessages() const
    {
        QStringList found;
        for (const QString &text : dialogs.noticeTexts()) {
            const bool readersImported =
                text.startsWith(u"共导入 "_s) && text != u"共导入 0 个读者信息"_s;
            if (text.contains(u"成功"_s) || readersImported)
                found << text;
        }
        return found;
    }

    test::TempFolder folder;
    const QString bookWorkbook = folder.file(u"books.xls"_s);
    const QString readerWorkbook = folder.file(u"readers.xls"_s);
    AppState state;
    test::ScriptedDialogs dialogs;
    ManualClock clock{QDateTime(QDate(2016, 3, 21), QTime(15, 40, 6))};
    test::RecordingStatus status;
    NoView view;
};

// Damage anywhere in the file: refused when it is opened, before anything
// could be written into it.
struct Damage
{
    const char *name;
    std::function<QByteArray(const QByteArray &)> apply;
};

void PrintTo(const Damage &damage, std::ostream *out)
{
    *out << damage.name;
}

class DamagedAtStart : public Faults, public ::testing::WithParamInterface<Damage>
{ };

TEST_P(DamagedAtStart, RefusedWithTheMessagesAndLeftAsItWas)
{
    makeLibrary(3000);
    makeWorkbooks();
    const QByteArray whole = test::readFileBytes(databaseFilePath());
    ASSERT_GT(whole.size(), 8 * 4096);
    const QByteArray damaged = GetParam().apply(whole);
    ASSERT_TRUE(test::writeFileBytes(databaseFilePath(), damaged));

    EXPECT_EQ(openLibrary(), 4);
    EXPECT_EQ(
        dialogs.noticeTexts(),
        (QStringList{u"打开数据库失败"_s, u"读者数据库初始化失败"_s, u"打开数据库失败"_s,
                     u"图书数据库初始化失败"_s, u"打开数据库失败"_s, u"借出数据库初始化失败"_s,
                     u"打开数据库失败"_s, u"借阅报表数据库初始化失败"_s}));
    dialogs.clear();
    tryEveryWrite();
    EXPECT_EQ(successMessages(), QStringList{});
    EXPECT_TRUE(dialogs.noticeTexts().contains(kImportFailed));
    state.closeData();
    EXPECT_EQ(test::readFileBytes(databaseFilePath()), damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedAtStart,
    ::testing::Values(Damage{"HeaderZeroed",
                             [](QByteArray b) {
                                 return b.replace(0, 100, QByteArray(100, '\0'));
                             }},
                      Damage{"TruncatedToHalf",
                             [](const QByteArray &b) {
                                 return b.left(b.size() / 2);
                             }},
                      Damage{"TruncatedMidPage",
                             [](const QByteArray &b) {
                                 return b.left(b.size() / 2 + 1000);
                             }},
                      Damage{"OnlyTheFirstPage",
                             [](const QByteArray &b) {
                                 return b.left(4096);
                             }},
                      Damage{"PagesInsideOverwritten",
                             [](QByteArray b) {
                                 // Pages in the middle of the book table: noise.
                                 for (qsizetype at = b.size() / 2; at < b.size() / 2 + 3 * 4096;
                                      ++at)
                                     b[at] = char(at * 7919 % 251);
                                 return b;
                             }},
                      Damage{"TextFile",
                             [](const QByteArray &) {
                                 return QByteArray("not a database\n").repeated(999);
                             }}),
    [](const ::testing::TestParamInfo<Damage> &damage) { return std::string(damage.param.name); });

TEST_F(Faults, AReadOnlyDatabaseFileIsUsedForReadingAndNothingIsLost)
{
    makeLibrary();
    makeWorkbooks();
    const QByteArray before = test::readFileBytes(databaseFilePath());
    test::ReadOnlyFile readOnly(databaseFilePath());
    if (!readOnly.mounted())
        GTEST_SKIP() << "a read-only bind mount needs root";

    EXPECT_EQ(openLibrary(), 0);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    tryEveryWrite();
    EXPECT_EQ(successMessages(), QStringList{});
    EXPECT_EQ(dialogs.noticeTexts(),
              (QStringList{u"更新读者数据失败"_s, u"更新还书信息失败"_s, kImportFailed,
                           u"共导入 0 个读者信息"_s, u"添加读者表失败"_s, u"清空图书数据失败"_s}));
    // Reading goes on: the book import's backup and an export work.
    EXPECT_EQ(listBackups().size(), 2);
    dialogs.answerFileChoices({folder.file(u"export.xls"_s)});
    exportBooks(state, dialogs, status);
    EXPECT_EQ(dialogs.noticeTexts().constLast(), u"导出图书数据成功！"_s);
    state.closeData();
    EXPECT_EQ(test::readFileBytes(databaseFilePath()), before);
}

TEST_F(Faults, AReadOnlyFolderRefusesWritesBackupsAndExports)
{
    test::SmallDisk disk(4 << 20);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    overrideProgramFolder(disk.path());
    makeLibrary();
    makeWorkbooks();
    const QByteArray before = test::readFileBytes(databaseFilePath());
    ASSERT_TRUE(disk.makeReadOnly());

    EXPECT_EQ(openLibrary(), 0);
    tryEveryWrite();
    EXPECT_EQ(successMessages(), QStringList{});
    // The book import and the clearing stop at their backup, and say so.
    EXPECT_EQ(dialogs.noticeTexts(),
              (QStringList{u"更新读者数据失败"_s, u"更新还书信息失败"_s, u"备份数据库失败"_s,
                           u"共导入 0 个读者信息"_s, u"添加读者表失败"_s, u"备份数据库失败"_s}));
    EXPECT_TRUE(listBackups().isEmpty());
    EXPECT_FALSE(backupDatabase(clock));

    for (const auto &exportTo : {exportBooks, exportReaders}) {
        dialogs.clear();
        dialogs.answerFileChoices({disk.file(u"export.xls"_s)});
        exportTo(state, dialogs, status);
        EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"数据库连接失败！"_s});
    }
    dialogs.clear();
    dialogs.answerFileChoices({disk.file(u"report.xls"_s)});
    exportReport(state, dialogs, u"2016"_s, status);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"数据库连接失败！"_s});
    EXPECT_FALSE(QFile::exists(disk.file(u"export.xls"_s)));
    state.closeData();
    EXPECT_EQ(test::readFileBytes(databaseFilePath()), before);
    overrideProgramFolder(folder.path());
}

TEST_F(Faults, AFullDiskDuringABookImportKeepsNoneOfItsRows)
{
    // Room for the database and its backup, not for 20,000 imported rows.
    test::SmallDisk disk(512 << 10);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    overrideProgramFolder(disk.path());
    makeLibrary();
    makeWorkbooks(60000);
    ASSERT_EQ(openLibrary(), 0);
    dialogs.answerConfirmations({true});
    EXPECT_EQ(importBooks(state, dialogs, clock, bookWorkbook, status), 0);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{kImportFailed});
    EXPECT_EQ(state.database.queryInteger(u"select count(*) from 图书数据"_s), 3);
    EXPECT_FALSE(state.database.inTransaction());
    state.closeData();
    EXPECT_EQ(integrity(databaseFilePath()), u"ok"_s);
    overrideProgramFolder(folder.path());
}

TEST_F(Faults, AnExportThatNoLongerFitsIsAFailureAndLeavesTheBareTemplate)
{
    makeLibrary(20000);
    ASSERT_EQ(openLibrary(), 0);
    // Room for the template, not for 20,000 rows.
    test::SmallDisk disk(256 << 10);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    const QString path = disk.file(u"图书.xls"_s);
    dialogs.answerFileChoices({path});
    exportBooks(state, dialogs, status);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"导出数据失败！"_s});
    WorkbookLink written;
    ASSERT_TRUE(written.connect(path));
    const std::optional<SheetRows> rows = written.rowsWhereNotEmpty(u"Sheet1"_s, u"图书编号"_s);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(rows->count(), 0);
    EXPECT_EQ(state.database.queryInteger(u"select count(*) from 图书数据"_s), 20000);
    EXPECT_FALSE(state.database.inTransaction());
}

TEST_F(Faults, AFullDiskRefusesEveryWriteAndLosesNothing)
{
    test::SmallDisk disk(512 << 10);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    overrideProgramFolder(disk.path());
    makeLibrary();
    makeWorkbooks();
    ASSERT_EQ(openLibrary(), 0);
    const QByteArray before = test::readFileBytes(databaseFilePath());
    ASSERT_TRUE(disk.fill());

    tryEveryWrite();
    EXPECT_EQ(successMessages(), QStringList{});
    EXPECT_TRUE(listBackups().isEmpty());
    dialogs.clear();
    dialogs.answerFileChoices({disk.file(u"export.xls"_s)});
    exportBooks(state, dialogs, status);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"数据库连接失败！"_s});
    state.closeData();
    EXPECT_EQ(test::readFileBytes(databaseFilePath()), before);
    EXPECT_EQ(integrity(databaseFilePath()), u"ok"_s);
    overrideProgramFolder(folder.path());
}

} // namespace
