// Book search, browsing, the reader list and the backup over a library of
// 100,000 books and 5,000 readers.
#include "benchdialogs.h"
#include "benchmark.h"
#include "keepingsink.h"
#include "synthetic.h"

#include "app/appstate.h"
#include "catalogue/booksearch.h"
#include "common/clock.h"
#include "readers/readerregister.h"
#include "store/backup.h"
#include "store/schema.h"
#include "store/tablecheck.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace songtao::bench {
namespace {

std::vector<BenchResult> catalogueCases(const BenchContext &context)
{
    AppState state;
    BenchDialogs dialogs;
    SystemClock clock;
    if (ensureLibraryTables(state.database, dialogs, state.fieldDefinitions, databaseFilePath())
        != 0)
        return {{u"catalogue set-up"_s, -1, 0, {}}};
    SyntheticLibrary library;
    if (!library.addBooksWithMarkedTitles(state.database, 100000, 1000, u"琅琊"_s)
        || !library.addReaders(state.database, 5000))
        return {{u"catalogue set-up"_s, -1, 0, {}}};

    BookSearch search(state, clock, dialogs);
    KeepingSink sink;
    std::vector<BenchResult> results;
    const auto searchCase = [&](const QString &name, SearchKind kind, const QString &text,
                                qsizetype expected, double budget) {
        const double ms = medianMs(
            context.runs, [] {},
            [&] {
                search.search(kind, text, u"500"_s, sink);
                return sink.rows.size() == expected;
            });
        results.push_back({name, ms, budget, {}});
    };
    searchCase(u"title search, 1,000 of 100,000 books"_s, SearchKind::Title, u"琅琊"_s, 1000, 150);
    searchCase(u"title search, 100,000 of 100,000 books"_s, SearchKind::Title, u"%"_s, 100000,
               2000);
    searchCase(u"browse a 500-row page"_s, SearchKind::AllBooks, {}, 500, 50);

    results.push_back({u"reader list of 5,000"_s,
                       medianMs(
                           context.runs, [] {},
                           [&] {
                               const auto rows = readReaderList(state.recordSet);
                               return rows && rows->size() == 5000;
                           }),
                       200,
                       {}});

    // Grow the file to about 50 MB for the backup.
    for (int round = 0; QFileInfo(databaseFilePath()).size() < 50'000'000 && round < 10; ++round) {
        if (!library.addReportRows(state.database, 100000, 100000))
            break;
    }
    ManualClock backupClock(QDateTime(QDate(2016, 3, 21), QTime(8, 0)));
    const double backupMs = medianMs(
        context.runs, [&] { backupClock.advanceSeconds(1); },
        [&] { return backupDatabase(backupClock); });
    results.push_back(
        {u"backup of a %1 MB database"_s.arg(QFileInfo(databaseFilePath()).size() / 1'000'000),
         backupMs,
         1000,
         {}});
    return results;
}

const Registration registration("catalogue", catalogueCases);

} // namespace
} // namespace songtao::bench
