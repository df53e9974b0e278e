#pragma once

// The program run as a user runs it, a whole process measured from outside: for the benchmarks
// that time the real program (and a peer beside it) rather than a loop inside their own process.

#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QStringList>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

struct ChildRun
{
    int status = -1;
    double seconds = 0;
    long peakMegabytes = 0;
};

// Runs the program (a path, or a name looked up on PATH) with the environment, its standard input
// from `inputPath` and its standard output and error into files (error into the output's file when
// `errorPath` is empty), and waits for it: its wall time, exit status and its own peak resident
// memory (from wait4, which reports the child alone).
inline ChildRun RunChild(const QStringList& arguments, const QProcessEnvironment& environment,
                         const QString& outputPath, const QString& errorPath = QString(),
                         const QString& inputPath = QStringLiteral("/dev/null"))
{
    std::vector<QByteArray> argumentBytes;
    for (const QString& argument : arguments)
        argumentBytes.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& argument : argumentBytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> environmentBytes;
    for (const QString& entry : environment.toStringList())
        environmentBytes.push_back(entry.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& entry : environmentBytes)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, QFile::encodeName(inputPath).constData(),
                                     O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, QFile::encodeName(outputPath).constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (errorPath.isEmpty())
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
    else
        posix_spawn_file_actions_addopen(&actions, 2, QFile::encodeName(errorPath).constData(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ChildRun run;
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status))
            run.status = WEXITSTATUS(status);
        run.peakMegabytes = usage.ru_maxrss / 1024;
    }
    run.seconds = double(clock.nsecsElapsed()) / 1e9;
    posix_spawn_file_actions_destroy(&actions);
    return run;
}
