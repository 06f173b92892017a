// Start-up of the program itself with a document: from the moment a fresh process starts until the
// layer builder, given a ".layer" file on its command line, has opened it, shown its main window and
// drawn the device in it, and the peak resident memory of that process. The staged program's own
// start runs (the application object's InitInstance with the file as its argument, textures and
// macro libraries read from the staged tree); the splash window is taken down at once, as its
// half-second timer would otherwise be part of both figures. The 20 x 500 file is measured against
// the small example, alternately in the same rounds, each start a process of its own.
// Needs a display: run it under xvfb-run.

#include "DocumentBenchSupport.h"

#include "app/MainFrame.h"
#include "app/SplashWnd.h"
#include "app/TessaronApp.h"
#include "views/GL2dView.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <wx/evtloop.h>
#include <wx/init.h>

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

class StartApp : public CTessaronApp {
public:
    using CTessaronApp::DeletePendingObjects;

    // Runs what is pending, the idle handlers included, until nothing is left to do.
    void RunUntilIdle()
    {
        for (;;) {
            ProcessPendingEvents();
            bool worked = false;
            while (Pending()) {
                Dispatch();
                worked = true;
            }
            DeletePendingObjects();
            if (ProcessIdle())
                worked = true;
            if (!worked && !Pending())
                return;
        }
    }
};

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

// The child: starts the layer builder on the file, waits until its window has drawn the device,
// prints "ready <peak kB>" and ends without the shut-down being counted.
int StartWithFile(const char* path)
{
    auto* app = new StartApp;
    wxApp::SetInstance(app);
    static char name[] = "brenvik";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "no display: run this benchmark under xvfb-run\n");
        return 2;
    }
    wxEventLoop loop;
    wxEventLoopBase::SetActive(&loop);
    app->SetProgramPath(std::string(TESSARON_STAGE_DIR) + "/bin/brenvik");
    app->SetArguments({path});
    if (!app->InitInstance())
        return 1;
    if (CSplashWnd::c_pSplashWnd)
        CSplashWnd::c_pSplashWnd->HideSplashScreen();
    app->RunUntilIdle();
    CMainFrame* frame = app->GetMainFrame();
    CGL2dView* view = frame ? frame->GetGL2dView() : nullptr;
    if (!view || !frame->IsShown())
        return 1;
    // Whatever part of the window is still to be painted is painted now.
    view->Update();
    std::printf("ready %ld\n", PeakResidentKb());
    std::fflush(stdout);
    std::_Exit(0);
}

struct Run {
    double ms = 0;
    double peakMb = 0;
};

// Starts this program as the child for `path` and times it until the child says it is ready.
bool RunChild(const std::string& self, const std::string& path, Run& run)
{
    std::vector<char*> argv{const_cast<char*>(self.c_str()), const_cast<char*>("--start"),
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

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--start") == 0) return StartWithFile(argv[2]);
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "no display: run this benchmark under xvfb-run\n");
        return 2;
    }

    namespace fs = std::filesystem;
    const std::string self = fs::absolute(argv[0]).string();
    const std::string small = std::string(TESSARON_EXAMPLES) + "/ridge.layer";
    const fs::path folder = fs::temp_directory_path() / "tessaron_bench_start_up_window";
    fs::remove_all(folder);
    fs::create_directories(folder / "home");
    // The starts keep their settings (window place, recent files) in a home of their own.
    setenv("HOME", (folder / "home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder / "home" / ".config").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder / "home" / ".local/share").c_str(), 1);
    const std::string large = (folder / "20x500.layer").string();
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
            std::fprintf(stderr, "a start did not get ready\n");
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
    std::printf("the program with its window, small example: ready in %.1f ms, peak %.1f MB; 20 x 500 file: "
                "ready in %.1f ms, peak %.1f MB (medians of %d starts each)\n",
                sMs, sMb, lMs, lMb, kRounds);
    std::printf("RESULT the program ready on the 20 x 500 file = %.2f x the small example (goal: at most 1.2); "
                "peak memory = small + %.1f MB (goal: at most 20)\n",
                lMs / sMs, lMb - sMb);
    return 0;
}
