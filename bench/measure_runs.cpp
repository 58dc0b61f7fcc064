// measure-runs RUNS PROGRAM [ARGUMENT...]: runs the program RUNS times, its output thrown away,
// and prints the median wall time from start to exit in seconds and the peak resident memory in
// kilobytes, as /usr/bin/time -v and hyperfine measure them.
//
// A program of its own, small, because a child inherits its parent's peak resident memory up to
// the moment it starts another program: started straight from the benchmarks, which hold a
// million words, lettro-solve would seem to need all of their memory.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// One run; false when the program could not be started or did not exit with status 0.
bool runOnce(char** argv, double& seconds, long& peakKilobytes)
{
    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        execv(argv[0], argv);
        _exit(127);
    }
    int status = 0;
    rusage usage = {};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) {
        return false;
    }
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    peakKilobytes = usage.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    int runs = argc >= 3 ? std::atoi(argv[1]) : 0;
    if (runs <= 0) {
        std::fprintf(stderr, "usage: measure-runs RUNS PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    std::vector<double> times;
    long peakKilobytes = 0;
    for (int run = 0; run < runs; ++run) {
        double seconds;
        long kilobytes;
        if (!runOnce(argv + 2, seconds, kilobytes)) {
            std::fprintf(stderr, "measure-runs: %s failed\n", argv[2]);
            return 1;
        }
        times.push_back(seconds);
        peakKilobytes = std::max(peakKilobytes, kilobytes);
    }
    std::sort(times.begin(), times.end());
    std::printf("%.6f %ld\n", times[times.size() / 2], peakKilobytes);
    return 0;
}
