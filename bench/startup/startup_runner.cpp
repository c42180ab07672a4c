// SPDX-License-Identifier: GPL-3.0-or-later
// Runs programs as whole processes, interleaved, and compares the candidate's
// median wall time and peak memory (maximum resident set size, from wait4)
// with the baseline's. Further reference programs are measured the same way
// and reported for comparison only.
//   bench_startup_runner RUNS MAX_RATIO MAX_EXTRA_MIB CANDIDATE BASELINE [REFERENCE...]
// Exit status 0 when the candidate is within both limits, 1 when not, 2 on a
// failed run.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Program {
    std::string path;
    std::vector<double> seconds;
    std::vector<double> peakMiB;

    std::string name() const { return path.substr(path.find_last_of('/') + 1); }
};

// One start to exit. The programs' own output (platform warnings) is dropped.
bool runOnce(Program& program, bool record) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return false;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s ended abnormally (wait status %d); run it by hand to see why\n",
                     program.path.c_str(), status);
        return false;
    }
    if (record) {
        program.seconds.push_back(elapsed.count());
        program.peakMiB.push_back(static_cast<double>(usage.ru_maxrss) / 1024.0);  // KiB
    }
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 6) {
        std::fprintf(stderr,
                     "usage: %s RUNS MAX_RATIO MAX_EXTRA_MIB CANDIDATE BASELINE [REFERENCE...]\n",
                     argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const double maxRatio = std::atof(argv[2]);
    const double maxExtraMiB = std::atof(argv[3]);
    std::vector<Program> programs;
    for (int i = 4; i < argc; ++i)
        programs.push_back({argv[i], {}, {}});
    const std::size_t count = programs.size();

    // Round 0 is an unmeasured warm-up: page cache, font cache, settings file.
    for (int round = 0; round <= runs; ++round) {
        // Rotate the order, so no program always follows the same one.
        for (std::size_t k = 0; k < count; ++k) {
            if (!runOnce(programs[(std::size_t(round) + k) % count], round > 0))
                return 2;
        }
    }

    std::printf("runs each: %d (interleaved, after one warm-up start each)\n", runs);
    for (const Program& program : programs)
        std::printf("  %-34s median %7.1f ms (min %7.1f, max %7.1f)   median peak RSS %5.1f MiB\n",
                    program.name().c_str(), median(program.seconds) * 1000,
                    *std::min_element(program.seconds.begin(), program.seconds.end()) * 1000,
                    *std::max_element(program.seconds.begin(), program.seconds.end()) * 1000,
                    median(program.peakMiB));

    const Program& candidate = programs[0];
    const auto compare = [&](const Program& other, bool judged) {
        const double ratio = median(candidate.seconds) / median(other.seconds);
        const double extra = median(candidate.peakMiB) - median(other.peakMiB);
        if (!judged) {
            std::printf(
                "against %s (for comparison): time ratio %.3f, extra peak memory %.1f MiB\n",
                other.name().c_str(), ratio, extra);
            return true;
        }
        const bool timeOk = ratio <= maxRatio;
        const bool memoryOk = extra <= maxExtraMiB;
        std::printf(
            "against %s: time ratio %.3f (limit %.2f) %s, extra peak memory %.1f MiB "
            "(limit %.1f) %s\n",
            other.name().c_str(), ratio, maxRatio, timeOk ? "PASS" : "FAIL", extra, maxExtraMiB,
            memoryOk ? "PASS" : "FAIL");
        return timeOk && memoryOk;
    };
    const bool pass = compare(programs[1], true);
    for (std::size_t k = 2; k < count; ++k)
        compare(programs[k], false);
    std::printf("%s\n", pass ? "PASS" : "FAIL");
    return pass ? 0 : 1;
}
