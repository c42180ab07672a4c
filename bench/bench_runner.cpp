// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a benchmark program and its anchor as whole processes, interleaved,
// and prints one Markdown table row per figure: min / median / max of each,
// their ratio, the cost per contact, memory, and PASS or FAIL against a goal.
//   bench_runner [options] -- CANDIDATE ARGS... [--against ANCHOR ARGS...]
// Options:
//   --name TEXT         what the row measures
//   --runs N            measured runs of each (10), after one unmeasured run
//   --warmup 0          no unmeasured run first
//   --timeout S         seconds one run may take (600); a run over it ends
//                       the row as FAIL
//   --size N            contacts, for the cost per contact
//   --figure KEY        the figure compared: a KEY=value line the programs
//                       print, or "wall" (start to exit) or "cpu" (CPU time
//                       to exit), in ms
//   --goal-ms X         the candidate's median at most X ms
//   --goal-ratio X      the candidate's median at most X times the anchor's
//   --goal-memory X     the candidate's mem_kib at most X times its file_kib
//   --secondary KEY=TEXT[=MS|=xRATIO]  a further row from figure KEY, with
//                       a goal in ms or against the anchor
//   --remove PATH       deleted before every run (a book an import fills)
//   --record FILE       appends "NAME SIZE MICROSECONDS_PER_CONTACT"
// Every run gets PELICAST_BENCH_T0, the runner's CLOCK_MONOTONIC in ns just
// before the process starts. Exit status 0 when every goal is met, 1 when
// one is missed, 3 when a run failed or took too long.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using Figures = std::map<std::string, std::vector<double>>;

struct Program {
    std::vector<std::string> argv;
    Figures figures;
};

struct Secondary {
    std::string key, text;
    std::optional<double> goalMs, goalRatio;
};

struct Options {
    std::string name = "benchmark";
    int runs = 10;
    bool warmup = true;
    double timeoutS = 600;
    long size = 0;
    std::string figure = "wall";
    std::optional<double> goalMs, goalRatio, goalMemory;
    std::vector<Secondary> secondaries;
    std::string remove, record;
};

double monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

double msOf(const timeval& t) {
    return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
}

enum class Outcome { Done, Failed, TimedOut };

// One start to exit, its KEY=value lines added to the program's figures.
Outcome runOnce(Program& program, const Options& options, bool record) {
    if (!options.remove.empty())
        std::remove(options.remove.c_str());
    char outName[] = "/tmp/bench-runner-out-XXXXXX";
    char errName[] = "/tmp/bench-runner-err-XXXXXX";
    const int out = mkstemp(outName);
    const int err = mkstemp(errName);
    const double start = monotonicNs();
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);  // so a timeout ends the program's own children too
        setenv("PELICAST_BENCH_T0", std::to_string(static_cast<long long>(start)).c_str(), 1);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        std::vector<char*> argv;
        for (const std::string& arg : program.argv)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    Outcome outcome = Outcome::Done;
    const timespec pause{0, 200000};
    while (wait4(child, &status, WNOHANG, &usage) == 0) {
        if ((monotonicNs() - start) / 1e9 > options.timeoutS) {
            kill(-child, SIGKILL);
            wait4(child, &status, 0, &usage);
            outcome = Outcome::TimedOut;
            break;
        }
        nanosleep(&pause, nullptr);
    }
    const double wallMs = (monotonicNs() - start) / 1e6;
    if (outcome == Outcome::Done && (!WIFEXITED(status) || WEXITSTATUS(status) != 0)) {
        outcome = Outcome::Failed;
        std::fprintf(stderr, "%s failed (wait status %d):\n", program.argv[0].c_str(), status);
        lseek(err, 0, SEEK_SET);
        char buffer[2048];
        const ssize_t n = read(err, buffer, sizeof buffer - 1);
        if (n > 0)
            std::fwrite(buffer, 1, size_t(n), stderr);
    }
    if (outcome == Outcome::Done && record) {
        program.figures["wall"].push_back(wallMs);
        program.figures["cpu"].push_back(msOf(usage.ru_utime) + msOf(usage.ru_stime));
        if (FILE* lines = std::fopen(outName, "r")) {
            char line[512];
            while (std::fgets(line, sizeof line, lines)) {
                const char* equals = std::strchr(line, '=');
                // "wall" and "cpu" are the runner's own, to the program's exit.
                const std::string key(line, equals ? std::size_t(equals - line) : 0);
                if (equals && key != "wall" && key != "cpu")
                    program.figures[key].push_back(std::atof(equals + 1));
            }
            std::fclose(lines);
        }
    }
    close(out);
    close(err);
    unlink(outName);
    unlink(errName);
    return outcome;
}

struct Spread {
    double min = 0, median = 0, max = 0;
};

std::optional<Spread> spreadOf(const Program& program, const std::string& key) {
    const auto found = program.figures.find(key);
    if (found == program.figures.end() || found->second.empty())
        return std::nullopt;
    std::vector<double> v = found->second;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return Spread{v.front(), n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2, v.back()};
}

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// Three significant digits or more: 0.512, 12.3, 308.
std::string number(double value) {
    return format(value >= 100  ? "%.0f"
                  : value >= 10 ? "%.1f"
                  : value >= 1  ? "%.2f"
                                : "%.3f",
                  value);
}

std::string cell(const std::optional<Spread>& s) {
    if (!s)
        return "—";
    return number(s->min) + " / **" + number(s->median) + "** / " + number(s->max);
}

// Prints one row; returns whether its goal, if any, is met.
bool printRow(const std::string& what, const Options& options, const Program& candidate,
              const Program* anchor, const std::string& key, std::optional<double> goalMs,
              std::optional<double> goalRatio, std::optional<double> goalMemory,
              const std::string& failure) {
    const std::optional<Spread> mine = spreadOf(candidate, key);
    const std::optional<Spread> theirs = anchor ? spreadOf(*anchor, key) : std::nullopt;
    std::string ratio = "—", perContact = "—", memory = "—", goal = "—", verdict = "—";
    bool pass = true;
    if (mine && theirs && theirs->median > 0)
        ratio = format("%.2f", mine->median / theirs->median);
    if (mine && options.size > 0)
        perContact = format("%.2f µs", mine->median * 1000 / double(options.size));
    const auto mem = spreadOf(candidate, "mem_kib");
    const auto file = spreadOf(candidate, "file_kib");
    const bool memoryRow = key == options.figure;
    if (memoryRow && mem && file && file->median > 0)
        memory = format("%.1f MiB", mem->median / 1024) + " = " +
                 format("%.2f×", mem->median / file->median) + " file";
    std::vector<std::string> goals;
    if (goalMs) {
        goals.push_back("≤ " + format("%g", *goalMs) + " ms");
        pass = pass && mine && mine->median <= *goalMs;
    }
    if (goalRatio) {
        goals.push_back("≤ " + format("%g", *goalRatio) + "× anchor");
        pass = pass && mine && theirs && mine->median <= *goalRatio * theirs->median;
    }
    if (goalMemory && memoryRow) {
        goals.push_back("≤ " + format("%g", *goalMemory) + "× file");
        pass = pass && mem && file && mem->median <= *goalMemory * file->median;
    }
    if (!goals.empty()) {
        goal.clear();
        for (const std::string& g : goals)
            goal += (goal.empty() ? "" : ", ") + g;
        verdict = pass ? "PASS" : "**FAIL**";
    }
    if (!failure.empty()) {
        pass = false;
        verdict = "**FAIL** (" + failure + ")";
    }
    std::printf("| %s | %s | %s | %s | %s | %s | %s | %s | %s |\n", what.c_str(),
                options.size > 0 ? std::to_string(options.size).c_str() : "—", cell(mine).c_str(),
                cell(theirs).c_str(), ratio.c_str(), perContact.c_str(), memory.c_str(),
                goal.c_str(), verdict.c_str());
    std::fflush(stdout);
    if (!options.record.empty() && mine && options.size > 0) {
        if (FILE* f = std::fopen(options.record.c_str(), "a")) {
            std::fprintf(f, "%s\t%ld\t%.4f\n", what.c_str(), options.size,
                         mine->median * 1000 / double(options.size));
            std::fclose(f);
        }
    }
    return pass;
}

bool parse(int argc, char** argv, Options& options, Program& candidate,
           std::optional<Program>& anchor) {
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            return false;
        const char* value = argv[++i];
        if (option == "--name")
            options.name = value;
        else if (option == "--runs")
            options.runs = std::max(1, std::atoi(value));
        else if (option == "--warmup")
            options.warmup = std::atoi(value) != 0;
        else if (option == "--timeout")
            options.timeoutS = std::atof(value);
        else if (option == "--size")
            options.size = std::atol(value);
        else if (option == "--figure")
            options.figure = value;
        else if (option == "--goal-ms")
            options.goalMs = std::atof(value);
        else if (option == "--goal-ratio")
            options.goalRatio = std::atof(value);
        else if (option == "--goal-memory")
            options.goalMemory = std::atof(value);
        else if (option == "--remove")
            options.remove = value;
        else if (option == "--record")
            options.record = value;
        else if (option == "--secondary") {
            std::string goalText = value;
            Secondary s;
            s.key = goalText.substr(0, goalText.find('='));
            goalText = goalText.substr(std::min(goalText.size(), s.key.size() + 1));
            s.text = goalText.substr(0, goalText.find('='));
            if (goalText.size() > s.text.size()) {
                const char* goal = goalText.c_str() + s.text.size() + 1;
                if (*goal == 'x')
                    s.goalRatio = std::atof(goal + 1);
                else
                    s.goalMs = std::atof(goal);
            }
            options.secondaries.push_back(s);
        } else {
            return false;
        }
    }
    Program* current = &candidate;
    for (++i; i < argc; ++i) {
        if (std::strcmp(argv[i], "--against") == 0) {
            anchor.emplace();
            current = &*anchor;
        } else {
            current->argv.push_back(argv[i]);
        }
    }
    return !candidate.argv.empty() && (!anchor || !anchor->argv.empty());
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    Program candidate;
    std::optional<Program> anchor;
    if (!parse(argc, argv, options, candidate, anchor)) {
        std::fprintf(stderr,
                     "usage: %s [options] -- CANDIDATE ARGS... [--against ANCHOR ARGS...]\n"
                     "(the options are listed at the top of bench_runner.cpp)\n",
                     argv[0]);
        return 2;
    }
    std::vector<Program*> programs{&candidate};
    if (anchor)
        programs.push_back(&*anchor);
    std::string failure;
    // Round 0 is an unmeasured warm-up of each: page cache, font cache.
    for (int round = options.warmup ? 0 : 1; round <= options.runs && failure.empty(); ++round) {
        // Alternate the order, so neither always follows the other.
        for (std::size_t k = 0; k < programs.size() && failure.empty(); ++k) {
            Program& program = *programs[(std::size_t(round) + k) % programs.size()];
            const Outcome outcome = runOnce(program, options, round > 0);
            if (outcome == Outcome::TimedOut)
                failure = "over " + format("%g", options.timeoutS) + " s";
            else if (outcome == Outcome::Failed)
                failure = "a run failed";
        }
    }
    const Program* theAnchor = anchor ? &*anchor : nullptr;
    bool pass = printRow(options.name, options, candidate, theAnchor, options.figure,
                         options.goalMs, options.goalRatio, options.goalMemory, failure);
    for (const Secondary& s : options.secondaries)
        pass = printRow(s.text, options, candidate, theAnchor, s.key, s.goalMs, s.goalRatio,
                        std::nullopt, failure) &&
               pass;
    if (!failure.empty())
        return 3;
    return pass ? 0 : 1;
}
