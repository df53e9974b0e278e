#pragma once

// The programs a user would otherwise run (curl, zbarimg, pdftoppm, xlsx2csv, sqlite3), run on
// the same inputs in the same benchmark, so that each ratio compares like with like on a machine
// whose load changes from minute to minute.

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

struct PeerRun
{
    double seconds = -1; // -1: not installed, or it failed
    bool ran() const { return seconds >= 0; }
};

// Runs the program (looked up on PATH) to its end, its output into `outputPath` and its
// complaints nowhere, and gives its wall-clock time. Says on standard output why a peer did not
// run. (Its peak memory cannot be had from here: a child spawned by a large process is charged
// the parent's memory until it starts the program.)
inline PeerRun RunPeer(const std::vector<std::string>& arguments,
                       const char* outputPath = "/dev/null")
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, outputPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    PeerRun run;
    if (spawned != 0) {
        std::printf("peer %s: not installed\n", argv[0]);
        return run;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    timespec end{};
    clock_gettime(CLOCK_MONOTONIC, &end);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::printf("peer %s: failed (%s %d)\n", argv[0],
                    WIFEXITED(status) ? "exit status" : "signal",
                    WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
        return run;
    }
    run.seconds = double(end.tv_sec - start.tv_sec) + double(end.tv_nsec - start.tv_nsec) / 1e9;
    return run;
}
