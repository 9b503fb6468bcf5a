#include "childprocess.h"

#include <QElapsedTimer>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace songtao::bench {

ChildRun runChild(const QString &program, const QStringList &arguments,
                  const QStringList &environment, const QString &inputPath,
                  const QString &outputPath)
{
    // Everything the child sees is prepared before the clock starts.
    std::vector<QByteArray> argStore{program.toLocal8Bit()};
    for (const QString &argument : arguments)
        argStore.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : argStore)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    std::vector<QByteArray> envStore;
    for (const QString &entry : environment)
        envStore.push_back(entry.toLocal8Bit());
    for (char **entry = environ; *entry != nullptr; ++entry) {
        const QByteArray existing(*entry);
        const QByteArray name = existing.left(existing.indexOf('=') + 1);
        const bool replaced = std::any_of(envStore.begin(), envStore.end(),
                                          [&](const QByteArray &e) { return e.startsWith(name); });
        if (!replaced)
            envStore.push_back(existing);
    }
    std::vector<char *> envp;
    for (QByteArray &entry : envStore)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    const QByteArray input =
        inputPath.isEmpty() ? QByteArray("/dev/null") : inputPath.toLocal8Bit();
    const QByteArray output =
        outputPath.isEmpty() ? QByteArray("/dev/null") : outputPath.toLocal8Bit();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.constData(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    ChildRun run;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return run;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return run;
    run.wallMs = double(timer.nsecsElapsed()) / 1e6;
    run.started = true;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

QString findProgram(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace songtao::bench
