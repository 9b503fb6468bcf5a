// Imports and exports through the workbook link: 20,000 books each way and
// 5,000 readers into a table of 5,000.
#include "benchdialogs.h"
#include "benchmark.h"
#include "synthetic.h"

#include "app/appstate.h"
#include "catalogue/booktransfer.h"
#include "common/clock.h"
#include "common/statusview.h"
#include "readers/readertransfer.h"
#include "reports/lendingreport.h"
#include "store/schema.h"
#include "store/tablecheck.h"
#include "workbook/templates.h"
#include "workbook/workbooklink.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace songtao::bench {
namespace {

class NoStatus final : public StatusView
{
public:
    void showStatus(const QString &) override { }
};

std::vector<BenchResult> transferCases(const BenchContext &context)
{
    AppState state;
    BenchDialogs dialogs;
    ManualClock clock(QDateTime(QDate(2016, 3, 21), QTime(8, 0)));
    NoStatus status;
    if (ensureLibraryTables(state.database, dialogs, state.fieldDefinitions, databaseFilePath())
        != 0)
        return {{u"transfer set-up"_s, -1, 0, {}}};
    SyntheticLibrary library;
    const QString books = context.folder + u"/books.xls"_s;
    if (!library.writeBookWorkbook(books, 20000))
        return {{u"transfer set-up"_s, -1, 0, {}}};

    std::vector<BenchResult> results;
    results.push_back(
        {u"book import of 20,000 rows, backup included"_s,
         medianMs(
             context.runs,
             [&] {
                 state.database.deleteAllRows(kBookTable);
                 clock.advanceSeconds(1);
             },
             [&] { return importBooks(state, dialogs, clock, books, status) == 20000; }),
         1000,
         {}});

    dialogs.file = context.folder + u"/export.xls"_s;
    results.push_back({u"book export of 20,000 books"_s,
                       medianMs(
                           context.runs, [] {},
                           [&] {
                               exportBooks(state, dialogs, status);
                               return dialogs.lastNotice == u"导出图书数据成功！"_s;
                           }),
                       1000,
                       {}});

    // 5,000 readers in the table, and a sheet of 5,000 others.
    if (!library.addReaders(state.database, 5000))
        return results;
    const QString readers = context.folder + u"/readers.xls"_s;
    {
        WorkbookLink link;
        if (!writeTemplate(WorkbookTemplate::Readers, readers) || !link.connect(readers))
            return results;
        for (int i = 5001; i <= 10000; ++i) {
            link.insertRow(u"Sheet1"_s,
                           {{u"班别"_s, library.className()},
                            {u"姓名"_s, library.personName()},
                            {u"借书证号"_s, SyntheticLibrary::cardNumber(i)}});
        }
        if (!link.disconnect())
            return results;
    }
    results.push_back({u"reader import of 5,000 into a table of 5,000"_s,
                       medianMs(
                           context.runs,
                           [&] {
                               state.database.execute(u"delete from 读者数据 where 借书证号 > ?"_s,
                                                      {SyntheticLibrary::cardNumber(5000)});
                           },
                           [&] { return importReaders(state, dialogs, readers) == 5000; }),
                       3000,
                       {}});

    if (!library.addReportRows(state.database, 200000, 100000))
        return results;
    dialogs.file = context.folder + u"/report.xls"_s;
    results.push_back({u"report export of one year (about 50,000 rows)"_s,
                       medianMs(
                           context.runs, [] {},
                           [&] {
                               exportReport(state, dialogs, u"2016"_s, status);
                               return QFile::exists(dialogs.file);
                           }),
                       0,
                       {}});
    return results;
}

const Registration registration("transfer", transferCases);

} // namespace
} // namespace songtao::bench
