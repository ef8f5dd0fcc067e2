// Runs one command as a child process and reports what it cost as a whole: wall-clock time,
// user and system CPU time and peak resident memory (the kernel's ru_maxrss of the child).
// Usage: measure RESULT_FILE COMMAND [ARGS...]; the child's output is left where it goes.
// RESULT_FILE gets one line: wall_s user_s sys_s peak_kb exit_status.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>

extern char** environ;

namespace {

double seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: measure RESULT_FILE COMMAND [ARGS...]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::perror("measure: cannot start the command");
        return 2;
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("measure: wait4");
        return 2;
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const int exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror("measure: cannot write the result");
        return 2;
    }
    std::fprintf(out, "%.3f %.3f %.3f %ld %d\n", wall, seconds(usage.ru_utime), seconds(usage.ru_stime),
                 usage.ru_maxrss, exit_status);
    std::fclose(out);
    return exit_status;
}
