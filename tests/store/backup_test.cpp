#include "store/backup.h"
#include "store/schema.h"
#include "support/libraryfixture.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

class BackupTest : public test::LibraryFixture
{
protected:
    QStringList backupNames() const
    {
        QStringList names;
        for (const QString &path : listBackups())
            names << path.mid(folder.path().size() + 1);
        return names;
    }
};

TEST_F(BackupTest, NamesFollowTheDateTimeText)
{
    const struct
    {
        QTime time;
        QString name;
    } cases[] = {
        {QTime(15, 40, 6), u"数据库2016年3月21日15时40分6秒.sdb"_s},
        {QTime(15, 40, 0), u"数据库2016年3月21日15时40分.sdb"_s},
        {QTime(15, 0, 0), u"数据库2016年3月21日15时.sdb"_s},
        {QTime(0, 0, 0), u"数据库2016年3月21日.sdb"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(backupFileName(QDateTime(QDate(2016, 3, 21), c.time)), c.name);
}

TEST_F(BackupTest, CopiesTheOpenDatabaseByteForByteAndListsIt)
{
    addBook(u"A1"_s, u"红楼梦"_s);
    ASSERT_TRUE(backupDatabase(clock));
    const QString copy = folder.file(u"数据库2016年3月21日15时40分6秒.sdb"_s);
    EXPECT_EQ(test::readFileBytes(copy), test::readFileBytes(databaseFilePath()));
    EXPECT_EQ(listBackups(), QStringList{copy});

    // A midnight backup is listed too; a second one in the same second
    // replaces the first; files that do not fit the pattern are not listed.
    clock.set(QDateTime(QDate(2016, 3, 22), QTime(0, 0)));
    ASSERT_TRUE(backupDatabase(clock));
    addBook(u"A2"_s, u"西游记"_s);
    ASSERT_TRUE(backupDatabase(clock));
    EXPECT_EQ(test::readFileBytes(folder.file(u"数据库2016年3月22日.sdb"_s)),
              test::readFileBytes(databaseFilePath()));
    ASSERT_TRUE(test::writeFileBytes(folder.file(u"数据库备份.sdb"_s), "x"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"数据库2017年1月1日.sdb"_s));
    ASSERT_TRUE(test::writeFileBytes(folder.file(u"数据库1999年x月y日旧.sdb"_s), "x"));
    EXPECT_EQ(backupNames(),
              (QStringList{u"数据库1999年x月y日旧.sdb"_s, u"数据库2016年3月21日15时40分6秒.sdb"_s,
                           u"数据库2016年3月22日.sdb"_s}));
}

TEST_F(BackupTest, AMissingOrUnreadableDatabaseIsNoBackup)
{
    state.closeData();
    ASSERT_TRUE(QFile::remove(databaseFilePath()));
    // An older file under the backup's name must not count as a good backup.
    ASSERT_TRUE(test::writeFileBytes(folder.file(u"数据库2016年3月21日15时40分6秒.sdb"_s), "old"));
    EXPECT_FALSE(backupDatabase(clock));
    EXPECT_EQ(test::readFileBytes(folder.file(u"数据库2016年3月21日15时40分6秒.sdb"_s)), "old");
}

TEST_F(BackupTest, ABackupThatCannotBeWrittenFails)
{
    // A folder under the backup's name cannot be replaced by a file.
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"数据库2016年3月21日15时40分6秒.sdb"_s));
    EXPECT_FALSE(backupDatabase(clock));
}

TEST_F(BackupTest, ClearingAsksBacksUpThenEmptiesOneTable)
{
    addBook(u"A1"_s, u"书"_s);
    addReader(u"班"_s, u"名"_s, u"1"_s, u"A1|"_s, u"d|"_s, u"书|"_s);
    ASSERT_TRUE(state.database.execute(u"insert into 借出数据 values('A1','1')"_s));
    state.bookTotal = 1;

    dialogs.answerConfirmations({false});
    EXPECT_FALSE(clearTable(ClearTarget::Books, state, dialogs, clock));
    EXPECT_TRUE(listBackups().isEmpty()); // cancel makes no backup
    EXPECT_EQ(dialogs.shown().at(0).text, u"确定要清空图书数据吗？"_s);
    EXPECT_EQ(dialogs.shown().at(0).title, u"警告"_s);

    const struct
    {
        ClearTarget target;
        QString question;
        QString table;
    } cases[] = {
        {ClearTarget::Books, u"确定要清空图书数据吗？"_s, kBookTable},
        {ClearTarget::Readers, u"确定要清空读者数据吗？"_s, kReaderTable},
        {ClearTarget::LentBooks, u"确定要清空借出数据吗？"_s, kLentTable},
    };
    for (const auto &c : cases) {
        dialogs.clear();
        dialogs.answerConfirmations({true});
        clock.advanceSeconds(1);
        const QStringList before = tableRows(c.table);
        EXPECT_TRUE(clearTable(c.target, state, dialogs, clock));
        EXPECT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.shown().at(0).text, c.question);
        EXPECT_TRUE(tableRows(c.table).isEmpty());
        // The backup made just before holds the rows.
        Database copy;
        ASSERT_TRUE(copy.open(listBackups().constLast(), false));
        EXPECT_EQ(copy.queryInteger(u"select count(*) from "_s + c.table), before.size());
    }
    EXPECT_EQ(state.bookTotal, 0);
    EXPECT_EQ(listBackups().size(), 3);
    EXPECT_EQ(tableRows(kReportTable).size(), 0);
}

TEST_F(BackupTest, FailedEmptyingShowsTheTablesMessage)
{
    ASSERT_TRUE(state.database.execute(u"DROP TABLE 读者数据"_s));
    dialogs.answerConfirmations({true});
    EXPECT_FALSE(clearTable(ClearTarget::Readers, state, dialogs, clock));
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"删除读者数据失败"_s});
    EXPECT_EQ(listBackups().size(), 1);

    // Without a database file no backup can be made: the clearing stops there.
    state.closeData();
    ASSERT_TRUE(QFile::remove(databaseFilePath()));
    dialogs.clear();
    dialogs.answerConfirmations({true});
    clock.advanceSeconds(1);
    EXPECT_FALSE(clearTable(ClearTarget::LentBooks, state, dialogs, clock));
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"备份数据库失败"_s});
    EXPECT_EQ(dialogs.shown().constLast().icon, MessageIcon::Error);
}

} // namespace
