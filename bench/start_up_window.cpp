// Start-up of the program itself with a document: from the moment a fresh process starts until the
// layer builder, given a ".layer" file on its command line, has opened it, shown its main window and
// drawn the device in it, and the peak resident memory of that process. The staged program's own
// start runs (the application object's InitInstance with the file as its argument, textures and
// macro libraries read from the staged tree); the splash window is taken down at once, as its
// half-second timer would otherwise be part of both figures. The 20 x 500 file is measured against
// the small example, alternately in the same rounds, each start a process of its own.
// Needs a display: run it under xvfb-run.

#include "StartMeasure.h"

#include "app/MainFrame.h"
#include "app/SplashWnd.h"
#include "app/TessaronApp.h"
#include "views/GL2dView.h"

#include <wx/evtloop.h>
#include <wx/init.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

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
    PrintReady();
    std::_Exit(0);
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
    const std::string large = WriteLargeLayerFile(folder.string());

    StartFigures f;
    if (!MeasureStarts(self, "--start", small, large, kRounds, f)) {
        std::fprintf(stderr, "a start did not get ready\n");
        return 1;
    }
    fs::remove_all(folder);

    PrintStartFigures(f, kRounds, "the program with its window: ", "(goals: at most 1.2 x and small + 20 MB)");
    return 0;
}
