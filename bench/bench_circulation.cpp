// Lending, returning and the loan enquiry over 100,000 books, 5,000 readers
// and 200,000 report rows, without indexes, as the tables are defined.
#include "benchdialogs.h"
#include "benchmark.h"
#include "synthetic.h"

#include "app/appstate.h"
#include "circulation/circulation.h"
#include "common/clock.h"
#include "store/schema.h"
#include "store/tablecheck.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao::bench {
namespace {

class NoView final : public CirculationView
{
public:
    void showAvailability(const QString &) override { }
    void showBorrower(const QString &) override { }
    void showLoans(const QString &, const QList<LoanRow> &shown) override { rows = shown.size(); }
    qsizetype rows = 0;
};

std::vector<BenchResult> circulationCases(const BenchContext &context)
{
    AppState state;
    BenchDialogs dialogs;
    if (ensureLibraryTables(state.database, dialogs, state.fieldDefinitions, databaseFilePath())
        != 0)
        return {{u"circulation set-up"_s, -1, 0, {}}};
    SyntheticLibrary library;
    if (!library.addBooks(state.database, 100000) || !library.addReaders(state.database, 5000)
        || !library.addReportRows(state.database, 198000, 100000)
        || !library.addLoans(state.database, 2000))
        return {{u"circulation set-up"_s, -1, 0, {}}};

    ManualClock clock(QDateTime(QDate(2016, 3, 21), QTime(9, 0)));
    NoView view;
    Circulation circulation(state, dialogs, clock, view);
    // Readers near the end of the table and books near the end of the
    // catalogue: the scans cannot stop early.
    const QString card = SyntheticLibrary::cardNumber(4990);
    int nextBook = 99000;
    QString lastLent;

    std::vector<BenchResult> results;
    results.push_back(
        {u"lending (100k books, 5k readers, 200k report rows)"_s,
         medianMs(
             context.runs, [&] { lastLent = SyntheticLibrary::bookNumber(++nextBook); },
             [&] {
                 circulation.lend(card, lastLent);
                 return dialogs.notices == 0;
             }),
         50,
         {}});
    results.push_back({u"loan enquiry"_s,
                       medianMs(
                           context.runs, [] {},
                           [&] {
                               circulation.showReaderLoans(card);
                               return view.rows == context.runs;
                           }),
                       20,
                       {}});
    results.push_back({u"return"_s,
                       medianMs(
                           context.runs, [&] { circulation.showReaderLoans(card); },
                           [&] {
                               const qsizetype before = view.rows;
                               circulation.returnSelected(card, 0);
                               return dialogs.notices == 0 && view.rows == before - 1;
                           }),
                       50,
                       {}});
    return results;
}

const Registration registration("circulation", circulationCases);

} // namespace
} // namespace songtao::bench
