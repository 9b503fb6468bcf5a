// Runs one operation on the library in a given folder, as the pages would,
// so that scripts/crash_safety.sh can kill it with SIGKILL at a random
// moment and then look at what the database file holds.
//
//   crashdriver setup <folder> <books> <readers> <sheet rows>
//   crashdriver import-books <folder>
//   crashdriver import-readers <folder>
//   crashdriver lend <folder> <card> <book>
//   crashdriver return <folder> <card> <book>
//
// "setup" makes 数据库.sdb with <books> books and <readers> readers (the
// first reader has the first book out), books.xls with <sheet rows> new
// books and readers.xls with <sheet rows> readers, half of them known.
// The other commands print "ready" once the database is open, just before
// the operation starts, and "done" when it has finished as it should; the
// exit code is 0 only then.
#include "app/appstate.h"
#include "catalogue/booktransfer.h"
#include "circulation/circulation.h"
#include "circulation/loanstrings.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/programfolder.h"
#include "common/statusview.h"
#include "readers/readertransfer.h"
#include "store/schema.h"
#include "store/tablecheck.h"
#include "workbook/templates.h"
#include "workbook/workbooklink.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

// Answers every question with OK and remembers the last notice.
class YesDialogs final : public Dialogs
{
public:
    void notify(const QString &text, const QString &, MessageIcon) override { notices << text; }
    bool confirm(const QString &, const QString &) override { return true; }
    QString chooseFile(FileChoiceMode, const QString &) override { return {}; }
    QStringList notices;
};

class NoStatus final : public StatusView
{
public:
    void showStatus(const QString &) override { }
};

class NoView final : public CirculationView
{
public:
    void showAvailability(const QString &) override { }
    void showBorrower(const QString &) override { }
    void showLoans(const QString &, const QList<LoanRow> &rows) override { shown = rows; }
    QList<LoanRow> shown;
};

QString bookNumber(int i)
{
    return u"A%1"_s.arg(i, 6, 10, QLatin1Char('0'));
}

QString cardNumber(int i)
{
    return u"2014%1"_s.arg(i, 5, 10, QLatin1Char('0'));
}

QStringList bookRow(int i)
{
    QStringList row;
    for (const QString &column : bookColumns())
        row << column + QString::number(i);
    row[1] = bookNumber(i);
    row[5] = u"书名，含“引号”'与|分隔%1"_s.arg(i);
    return row;
}

bool setUp(AppState &state, int books, int readers, int sheetRows)
{
    Database &database = state.database;
    if (!database.beginTransaction())
        return false;
    for (int i = 1; i <= books; ++i) {
        if (!database.execute(u"insert into 图书数据 values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s,
                              bookRow(i)))
            return false;
    }
    for (int i = 1; i <= readers; ++i) {
        const bool lent = i == 1;
        if (!database.execute(u"insert into 读者数据 values(?,?,?,?,?,?)"_s,
                              {u"初一(%1)班"_s.arg(i % 8), u"读者%1"_s.arg(i), cardNumber(i),
                               lent ? joinLoanItems({bookNumber(1)}) : kNoLoansMarker,
                               lent ? joinLoanItems({u"2016年3月1日"_s}) : kNoLoansMarker,
                               lent ? joinLoanItems({titleItem(bookRow(1)[5])}) : kNoLoansMarker}))
            return false;
    }
    if (readers > 0 && books > 0
        && (!database.execute(
                u"insert into 借阅报表 values(?,?,?,?,?,'')"_s,
                {u"2016"_s, bookNumber(1), bookRow(1)[5], u"初一(1)班 读者1"_s, u"2016年3月1日"_s})
            || !database.execute(u"insert into 借出数据 values(?,?)"_s,
                                 {bookNumber(1), cardNumber(1)})))
        return false;
    if (!database.commitTransaction())
        return false;

    const QString folder = programFolder();
    WorkbookLink link;
    if (!writeTemplate(WorkbookTemplate::Books, folder + u"/books.xls"_s)
        || !link.connect(folder + u"/books.xls"_s))
        return false;
    for (int i = books + 1; i <= books + sheetRows; ++i) {
        QList<QPair<QString, QString>> named;
        const QStringList row = bookRow(i);
        for (qsizetype c = 0; c < row.size(); ++c)
            named.append({bookColumns()[c], row[c]});
        if (!link.insertRow(u"Sheet1"_s, named))
            return false;
    }
    if (!writeTemplate(WorkbookTemplate::Readers, folder + u"/readers.xls"_s)
        || !link.connect(folder + u"/readers.xls"_s))
        return false;
    const int firstReader = std::max(1, readers - sheetRows / 2 + 1);
    for (int i = firstReader; i < firstReader + sheetRows; ++i) {
        if (!link.insertRow(u"Sheet1"_s,
                            {{u"班别"_s, u"初二(%1)班"_s.arg(i % 8)},
                             {u"姓名"_s, u"新读者%1"_s.arg(i)},
                             {u"借书证号"_s, cardNumber(i)}}))
            return false;
    }
    return link.disconnect();
}

int usage()
{
    std::fputs("usage: crashdriver setup <folder> <books> <readers> <sheet rows>\n"
               "       crashdriver import-books|import-readers <folder>\n"
               "       crashdriver lend|return <folder> <card> <book>\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.size() < 2)
        return usage();
    const QString &command = args[0];
    overrideProgramFolder(QDir(args[1]).absolutePath());
    if (command == u"setup"_s)
        QDir().mkpath(programFolder());

    AppState state;
    YesDialogs dialogs;
    // A set clock keeps every run's writes identical, so that a killed run
    // can be compared with an uninterrupted one byte for byte.
    ManualClock clock(QDateTime(QDate(2016, 3, 21), QTime(9, 30)));
    if (ensureLibraryTables(state.database, dialogs, state.fieldDefinitions, databaseFilePath())
        != 0) {
        std::fputs("cannot open the database\n", stderr);
        return 1;
    }

    if (command == u"setup"_s) {
        if (args.size() != 5)
            return usage();
        return setUp(state, args[2].toInt(), args[3].toInt(), args[4].toInt()) ? 0 : 1;
    }

    const QString folder = programFolder();
    bool ok = false;
    NoStatus status;
    NoView view;
    Circulation circulation(state, dialogs, clock, view);
    const auto ready = [] {
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
    };
    if (command == u"import-books"_s) {
        ready();
        ok = importBooks(state, dialogs, clock, folder + u"/books.xls"_s, status) > 0;
    } else if (command == u"import-readers"_s) {
        ready();
        ok = importReaders(state, dialogs, folder + u"/readers.xls"_s) > 0;
    } else if (command == u"lend"_s && args.size() == 4) {
        ready();
        circulation.lend(args[2], args[3]);
        ok = dialogs.notices.isEmpty();
    } else if (command == u"return"_s && args.size() == 4) {
        ready();
        circulation.showReaderLoans(args[2]);
        int row = 0;
        while (row < view.shown.size() && view.shown[row].bookNumber != args[3])
            ++row;
        circulation.returnSelected(args[2], row);
        ok = dialogs.notices.isEmpty();
    } else {
        return usage();
    }
    if (ok) {
        std::fputs("done\n", stdout);
        std::fflush(stdout);
        return 0;
    }
    for (const QString &notice : std::as_const(dialogs.notices))
        std::fprintf(stderr, "%s\n", notice.toUtf8().constData());
    return 1;
}
