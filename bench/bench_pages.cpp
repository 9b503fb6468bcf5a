// The pages as the librarian uses them: a click, the query, and the rows
// drawn into the list, over 100,000 books, 5,000 readers and 50,000 report
// rows of one year.
#include "benchdialogs.h"
#include "benchmark.h"
#include "synthetic.h"

#include "app/appstate.h"
#include "app/pageservices.h"
#include "app/passwordfile.h"
#include "catalogue/searchpage.h"
#include "common/clock.h"
#include "readers/readerspage.h"
#include "reports/reportpage.h"
#include "store/schema.h"
#include "store/tablecheck.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace Qt::Literals::StringLiterals;

namespace songtao::bench {
namespace {

int rows(const QWidget *page, const QString &list)
{
    return page->findChild<QTableView *>(list)->model()->rowCount();
}

std::vector<BenchResult> pageCases(const BenchContext &context)
{
    AppState state;
    BenchDialogs dialogs;
    SystemClock clock;
    PasswordFile passwordFile(context.folder + u"/stzy.ini"_s);
    PageServices services{state, dialogs, clock, passwordFile};
    if (ensureLibraryTables(state.database, dialogs, state.fieldDefinitions, databaseFilePath())
        != 0)
        return {{u"page set-up"_s, -1, 0, {}}};
    SyntheticLibrary library;
    if (!library.addBooksWithMarkedTitles(state.database, 100000, 1000, u"琅琊"_s)
        || !library.addReaders(state.database, 5000)
        || !state.database.execute(u"DELETE FROM 借阅报表"_s)
        || !library.addReportRows(state.database, 200000, 100000))
        return {{u"page set-up"_s, -1, 0, {}}};

    std::vector<BenchResult> results;
    SearchPage search(services);
    search.resize(798, 552);
    search.show();
    const auto searchCase = [&](const QString &name, int kind, const QString &text, int expected,
                                double budget) {
        search.findChild<QComboBox *>(u"组合框1"_s)->setCurrentIndex(kind);
        search.findChild<QLineEdit *>(u"编辑框_要搜索的书名"_s)->setText(text);
        const double ms = medianMs(
            context.runs, [] {},
            [&] {
                search.findChild<QPushButton *>(u"按钮_搜索图书"_s)->click();
                return rows(&search, u"超级列表框_显示图书搜索结果"_s) == expected;
            });
        results.push_back({name, ms, budget, {}});
    };
    searchCase(u"search page: title search listing 1,000 books"_s, 0, u"琅琊"_s, 1000, 150);
    searchCase(u"search page: title search listing 100,000 books"_s, 0, u"%"_s, 100000, 2000);
    searchCase(u"search page: a 500-row browsing page"_s, 3, {}, 500, 50);

    ReadersPage readers(services);
    readers.resize(798, 552);
    readers.show();
    results.push_back({u"readers page: list of 5,000 readers"_s,
                       medianMs(
                           context.runs, [] {},
                           [&] {
                               readers.fillReaderList();
                               return rows(&readers, u"超级列表框_显示读者信息"_s) == 5000;
                           }),
                       200,
                       {}});

    // About a quarter of the 200,000 report rows fall in each year.
    const int yearRows =
        int(state.database.queryInteger(u"select count(*) from 借阅报表 where 年份=2016"_s)
                .value_or(0));
    ReportPage report(services);
    report.resize(798, 552);
    report.show();
    report.findChild<QAbstractSpinBox *>(u"编辑框1"_s)->stepBy(1);
    results.push_back({u"report page: view of %1 rows of one year"_s.arg(yearRows),
                       medianMs(
                           context.runs, [] {},
                           [&] {
                               report.findChild<QPushButton *>(u"按钮_查阅借阅报表"_s)->click();
                               return rows(&report, u"超级列表框_借阅报表显示"_s) == yearRows;
                           }),
                       1000,
                       {}});
    return results;
}

const Registration registration("pages", pageCases);

} // namespace
} // namespace songtao::bench
