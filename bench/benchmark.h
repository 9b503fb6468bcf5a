#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace songtao::bench {

// Everything a case may need: a fresh folder it owns (also the program's
// folder while it runs) and how many times to repeat.
struct BenchContext
{
    QString folder;
    int runs = 5;
};

// Times `work` after an untimed `prepare`, `runs` times, and returns the
// median in milliseconds (negative when `work` reported failure). The median
// resists a stray slow run on a shared machine.
double medianMs(int runs, const std::function<void()> &prepare, const std::function<bool()> &work);

struct BenchResult
{
    QString name;
    double medianMs;
    double budgetMs; // 0 when there is none
    QString note; // e.g. a peer's figure and the ratio to it
};

using BenchCase = std::function<std::vector<BenchResult>(const BenchContext &)>;

// Each bench_*.cpp file registers its cases with a static Registration.
struct Registration
{
    Registration(const char *group, BenchCase benchCase);
};

} // namespace songtao::bench
