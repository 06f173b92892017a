#pragma once
// What the start-up benchmarks share: each start is a fresh process (this benchmark started again
// with a flag and a file), timed from its spawn until it prints the line that says it is ready,
// with the peak resident memory it reports in that line; the small example and the large file are
// started alternately, round after round, and the medians compared.

#include "DocumentBenchSupport.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

// The peak resident memory of this process in kilobytes. Taken from the process's own memory
// map: the rusage a parent gets counts the map the child had before it started this program.
inline long PeakResidentKb()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) break;
    std::fclose(status);
    return kb;
}

// The line a child prints when it is ready.
inline void PrintReady()
{
    std::printf("ready %ld\n", PeakResidentKb());
    std::fflush(stdout);
}

struct StartRun {
    double ms = 0;
    double peakMb = 0;
};

// Starts `self flag path`, times it until its ready line and waits for it to end; true when it
// said it was ready and ended with status 0.
inline bool RunStart(const std::string& self, const char* flag, const std::string& path, StartRun& run)
{
    std::vector<char*> argv{const_cast<char*>(self.c_str()), const_cast<char*>(flag),
                            const_cast<char*>(path.c_str()), nullptr};
    int out[2];
    if (pipe(out) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string printed;
    char buffer[64];
    for (ssize_t n; printed.find('\n') == std::string::npos && (n = read(out[0], buffer, sizeof buffer)) > 0;)
        printed.append(buffer, std::size_t(n));
    run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    close(out[0]);
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return false;
    if (printed.compare(0, 6, "ready ") != 0) return false;
    run.peakMb = std::atof(printed.c_str() + 6) / 1024.0;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Writes the 20 x 500 device through the document as "20x500.layer" in the folder; its path.
inline std::string WriteLargeLayerFile(const std::string& folder)
{
    const std::string path = folder + "/20x500.layer";
    BenchBuilderApp app;
    CTessaronDoc doc;
    BuildBenchDevice(doc, 1, 20, 500);
    doc.SaveCurrentZsegmentLayerFile(path);
    return path;
}

struct StartFigures {
    double smallMs = 0, largeMs = 0, smallMb = 0, largeMb = 0;
};

// `rounds` counted rounds of one start of each file, after one that warms the caches; the medians.
inline bool MeasureStarts(const std::string& self, const char* flag, const std::string& small,
                          const std::string& large, int rounds, StartFigures& figures)
{
    std::vector<double> smallMs, largeMs, smallMb, largeMb;
    for (int round = 0; round <= rounds; ++round) {
        StartRun s, l;
        if (!RunStart(self, flag, small, s) || !RunStart(self, flag, large, l)) return false;
        if (round == 0) continue;
        smallMs.push_back(s.ms);
        smallMb.push_back(s.peakMb);
        largeMs.push_back(l.ms);
        largeMb.push_back(l.peakMb);
    }
    figures = {Median(smallMs), Median(largeMs), Median(smallMb), Median(largeMb)};
    return true;
}

// Prints the medians and the result line, each headed by `label`; `goals` follows the figures in
// the result line.
inline void PrintStartFigures(const StartFigures& f, int rounds, const char* label, const char* goals)
{
    std::printf("%ssmall example: ready in %.1f ms, peak %.1f MB; 20 x 500 file: ready in %.1f ms, peak %.1f MB "
                "(medians of %d starts each)\n",
                label, f.smallMs, f.smallMb, f.largeMs, f.largeMb, rounds);
    std::printf("RESULT %sready on the 20 x 500 file = %.2f x the small example; peak memory = small + %.1f MB %s\n",
                label, f.largeMs / f.smallMs, f.largeMb - f.smallMb, goals);
}
