// Measures the library's operations on a synthetic school library and prints
// the median of several runs per operation. Run: scripts/bench.sh
#include "synthetic.h"

#include "common/dialogs.h"
#include "common/programfolder.h"
#include "store/database.h"
#include "store/fielddefinition.h"
#include "store/schema.h"
#include "store/tablecheck.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

// Benchmarks never answer questions; a box would be a fault.
class SilentDialogs final : public Dialogs
{
public:
    void notify(const QString &text, const QString &, MessageIcon) override
    {
        std::fprintf(stderr, "unexpected notice: %s\n", qPrintable(text));
    }
    bool confirm(const QString &, const QString &) override { return true; }
    QString chooseFile(FileChoiceMode, const QString &) override { return {}; }
};

struct Result
{
    QString name;
    double medianMs;
    double budgetMs;
};

// Runs `prepare` (untimed) and `work` (timed) `runs` times; the median resists
// a stray slow run on a shared machine.
double medianMs(int runs, const std::function<void()> &prepare, const std::function<bool()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        if (!work()) {
            std::fprintf(stderr, "operation failed\n");
            return -1;
        }
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    overrideProgramFolder(folder.path());
    SilentDialogs dialogs;
    std::vector<Result> results;

    {
        const QString path = folder.filePath(u"inserts.sdb"_s);
        const double ms = medianMs(
            3, [&] { QFile::remove(path); },
            [&] {
                Database database;
                FieldDefinitions fields;
                if (ensureLibraryTables(database, dialogs, fields, path) != 0)
                    return false;
                bench::SyntheticLibrary library;
                return library.addBooks(database, 100000);
            });
        results.push_back({u"table check + 100,000 book inserts"_s, ms, 0});
    }

    std::printf("%-44s %12s %12s\n", "operation", "median ms", "budget ms");
    for (const Result &result : results) {
        std::printf("%-44s %12.1f %12s\n", qPrintable(result.name), result.medianMs,
                    result.budgetMs > 0 ? qPrintable(QString::number(result.budgetMs)) : "-");
    }
    return 0;
}
