#pragma once

#include <QString>
#include <QStringList>

namespace songtao::bench {

// One run of another program, as the peer and start-up cases measure it.
struct ChildRun
{
    bool started = false;
    int exitCode = -1; // -1 when it did not end normally
    double wallMs = 0; // from the spawn to the end of the process
};

// Runs `program` with `arguments` and waits for it. `environment` entries
// ("NAME=value") are added to ours; stdin comes from `inputPath` (or
// /dev/null) and stdout goes to `outputPath` (or /dev/null); stderr is
// dropped.
ChildRun runChild(const QString &program, const QStringList &arguments,
                  const QStringList &environment = {}, const QString &inputPath = {},
                  const QString &outputPath = {});

// The full path of `name` on PATH, or empty.
QString findProgram(const QString &name);

// The median of `values` (not empty).
double median(std::vector<double> values);

} // namespace songtao::bench
