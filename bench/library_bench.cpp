// Measures the library's operations on a synthetic school library and prints
// the median of several runs per operation. Run: scripts/bench.sh [group...]
#include "benchmark.h"

#include "common/programfolder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace songtao::bench {

namespace {
std::multimap<QString, BenchCase> &registry()
{
    static std::multimap<QString, BenchCase> cases;
    return cases;
}
} // namespace

Registration::Registration(const char *group, BenchCase benchCase)
{
    registry().emplace(QString::fromUtf8(group), std::move(benchCase));
}

double medianMs(int runs, const std::function<void()> &prepare, const std::function<bool()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        if (!work())
            return -1;
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace songtao::bench

int main(int argc, char *argv[])
{
    using namespace songtao::bench;
    // The page cases fill real widgets; no screen is needed for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList wanted = application.arguments().mid(1);

    std::printf("%-48s %12s %10s  %s\n", "operation", "median ms", "budget ms", "note");
    int failures = 0;
    for (const auto &[group, benchCase] : registry()) {
        if (!wanted.isEmpty() && !wanted.contains(group))
            continue;
        QTemporaryDir folder;
        songtao::overrideProgramFolder(folder.path());
        for (const BenchResult &result : benchCase({folder.path(), 5})) {
            const bool failed = result.medianMs < 0;
            const bool overBudget = result.budgetMs > 0 && result.medianMs > result.budgetMs;
            failures += failed ? 1 : 0;
            std::printf(
                "%-48s %12s %10s  %s%s\n", result.name.toUtf8().constData(),
                failed ? "FAILED" : QByteArray::number(result.medianMs, 'f', 1).constData(),
                result.budgetMs > 0 ? QByteArray::number(result.budgetMs, 'f', 0).constData() : "-",
                overBudget ? "OVER BUDGET " : "", result.note.toUtf8().constData());
        }
        songtao::overrideProgramFolder({});
    }
    return failures == 0 ? 0 : 1;
}
