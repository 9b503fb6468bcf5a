// Start-up of the real program to its login window: wall time and peak
// resident memory, on the offscreen platform. A preloaded probe ends the
// process at the first paint of the login window; the program itself is
// the one scripts/run.sh starts, unchanged.
#include "benchdialogs.h"
#include "benchmark.h"
#include "childprocess.h"
#include "synthetic.h"

#include "common/dialogs.h"
#include "store/database.h"
#include "store/schema.h"
#include "store/tablecheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace songtao::bench {
namespace {

constexpr double kBudgetMs = 500;
constexpr double kBudgetMb = 80;

std::vector<BenchResult> startupCases(const BenchContext &context)
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString program = QFileInfo(here + u"/../songtao-library"_s).absoluteFilePath();
    const QString probe = here + u"/libstartupprobe.so"_s;
    if (!QFileInfo::exists(program) || !QFileInfo::exists(probe))
        return {{u"start-up to the login window"_s, -1, kBudgetMs, u"program not built"_s}};
    // The user's own configuration (the password file) stays out of it.
    const QStringList environment{u"LD_PRELOAD="_s + probe, u"QT_QPA_PLATFORM=offscreen"_s,
                                  u"ASAN_OPTIONS=verify_asan_link_order=0"_s,
                                  u"HOME="_s + context.folder,
                                  u"XDG_CONFIG_HOME="_s + context.folder};
    // One untimed run fills the font and file caches, as any earlier start does.
    runChild(program, {}, environment);
    const QString printed = context.folder + u"/probe.out"_s;
    std::vector<double> times;
    std::vector<double> peaks;
    for (int i = 0; i < context.runs; ++i) {
        const ChildRun run = runChild(program, {}, environment, {}, printed);
        QFile file(printed);
        const QByteArray line =
            file.open(QIODevice::ReadOnly) ? file.readAll().simplified() : QByteArray();
        // "VmHWM: 30000 kB"
        const QList<QByteArray> words = line.split(' ');
        if (!run.started || run.exitCode != 0 || words.size() != 3)
            return {{u"start-up to the login window"_s, -1, kBudgetMs, u"did not start"_s}};
        times.push_back(run.wallMs);
        peaks.push_back(words[1].toDouble() / 1024.0);
    }
    const double peakMb = median(peaks);
    return {{u"start-up to the login window"_s, median(times), kBudgetMs,
             u"peak resident %1 MB (budget %2 MB)%3"_s.arg(peakMb, 0, 'f', 1)
                 .arg(kBudgetMb, 0, 'f', 0)
                 .arg(peakMb > kBudgetMb ? u" OVER BUDGET"_s : QString())}};
}

// The main window's set-up opens the file, checks it whole and finds the
// four tables: its cost on a library of some years.
std::vector<BenchResult> openingCases(const BenchContext &context)
{
    BenchDialogs dialogs;
    FieldDefinitions fields;
    {
        Database database;
        SyntheticLibrary library;
        if (ensureLibraryTables(database, dialogs, fields, databaseFilePath()) != 0
            || !library.addBooks(database, 100000) || !library.addReaders(database, 5000))
            return {{u"opening set-up"_s, -1, 0, {}}};
        for (int round = 0; QFileInfo(databaseFilePath()).size() < 50'000'000 && round < 10;
             ++round) {
            if (!library.addReportRows(database, 100000, 100000))
                return {{u"opening set-up"_s, -1, 0, {}}};
        }
    }
    const double ms = medianMs(
        context.runs, [] {},
        [&] {
            Database database;
            return ensureLibraryTables(database, dialogs, fields, databaseFilePath()) == 0;
        });
    return {{u"table check opening a %1 MB database"_s.arg(QFileInfo(databaseFilePath()).size()
                                                           / 1'000'000),
             ms, 0, u"the file is checked whole on opening"_s}};
}

const Registration registration("startup", startupCases);
const Registration opening("startup", openingCases);

} // namespace
} // namespace songtao::bench
