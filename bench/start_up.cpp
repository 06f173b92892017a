// Start-up with a document: how long a fresh process takes from its start until it has opened a
// ".layer" file and laid the device out (read, records built, layout and drawing state updated, no
// window) and has ended, and the peak resident memory of that process. The 20 x 500 file is measured against the small example,
// alternately in the same rounds; each measurement is a process of its own (this program started
// again with "--open <file>"), so that neither file's heap is counted for the other.

#include "DocumentBenchSupport.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kRounds = 15;

struct Run {
    double ms = 0;
    double peakMb = 0;
};

// The peak resident memory of this process in kilobytes. Taken from the process's own memory
// map: the rusage a parent gets counts the map the child had before it started this program.
long PeakResidentKb()
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

// Opens the file as the program does, prints its peak memory and ends; the exit status tells
// whether it opened.
int OpenOnly(const char* path)
{
    BenchBuilderApp app;
    CTessaronDoc doc;
    const bool opened = doc.OnOpenDocument(path) && g_nZSegCount == 1;
    std::printf("%ld\n", PeakResidentKb());
    std::fflush(stdout);
    return opened ? 0 : 1;
}

bool RunChild(const std::string& self, const std::string& path, Run& run)
{
    std::vector<char*> argv{const_cast<char*>(self.c_str()), const_cast<char*>("--open"),
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
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) printed.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return false;
    run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.peakMb = std::atof(printed.c_str()) / 1024.0;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--open") == 0) return OpenOnly(argv[2]);

    namespace fs = std::filesystem;
    const std::string self = fs::absolute(argv[0]).string();
    const std::string small = std::string(TESSARON_EXAMPLES) + "/ridge.layer";
    const std::string folder = (fs::temp_directory_path() / "tessaron_bench_start_up").string();
    fs::create_directories(folder);
    const std::string large = folder + "/20x500.layer";
    {
        BenchBuilderApp app;
        CTessaronDoc doc;
        BuildBenchDevice(doc, 1, 20, 500);
        doc.SaveCurrentZsegmentLayerFile(large);
    }

    std::vector<double> smallMs, largeMs, smallMb, largeMb;
    for (int round = 0; round <= kRounds; ++round) {
        Run s, l;
        if (!RunChild(self, small, s) || !RunChild(self, large, l)) {
            std::fprintf(stderr, "a file did not open\n");
            return 1;
        }
        if (round == 0) continue;  // the first round warms the caches
        smallMs.push_back(s.ms);
        smallMb.push_back(s.peakMb);
        largeMs.push_back(l.ms);
        largeMb.push_back(l.peakMb);
    }
    fs::remove_all(folder);

    const double sMs = Median(smallMs), lMs = Median(largeMs), sMb = Median(smallMb), lMb = Median(largeMb);
    std::printf("small example: ready in %.2f ms, peak %.1f MB; 20 x 500 file: ready in %.2f ms, peak %.1f MB "
                "(medians of %d processes each)\n",
                sMs, sMb, lMs, lMb, kRounds);
    std::printf("RESULT ready on the 20 x 500 file = %.2f x the small example (goal: at most 1.2); peak memory = "
                "small + %.1f MB (goal: at most 20)\n",
                lMs / sMs, lMb - sMb);
    return 0;
}
