#include "AppHarness.h"

#include "app/MainFrame.h"
#include "app/SplashWnd.h"
#include "app/WxProfile.h"
#include "document/TessaronDoc.h"
#include "views/GL2dView.h"

#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/stopwatch.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class GuiTestApp : public CTessaronApp {
public:
    using CTessaronApp::DeletePendingObjects;
};

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    ADD_FAILURE() << "wx assertion failed: " << cond.ToStdString() << " " << msg.ToStdString() << " in "
                  << func.ToStdString() << " at " << file.ToStdString() << ":" << line;
}

// One wx application for the whole test program, on a temporary HOME.
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        m_home = std::make_unique<TempFolder>();
        setenv("HOME", m_home->Path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (m_home->Path() + "/.config").c_str(), 1);
        setenv("XDG_DATA_HOME", (m_home->Path() + "/.local/share").c_str(), 1);
        wxSetAssertHandler(FailOnAssert);
        wxApp::SetInstance(new GuiTestApp);
        static char name[] = "gui_tests";
        static char* argv[] = {name, nullptr};
        int argc = 1;
        ASSERT_TRUE(wxEntryStart(argc, argv)) << "no display: run the GUI tests under xvfb-run";
        m_loop = std::make_unique<wxEventLoop>();
        wxEventLoopBase::SetActive(m_loop.get());
    }
    void TearDown() override
    {
        StopApp();
        wxEventLoopBase::SetActive(nullptr);
        m_loop.reset();
        wxEntryCleanup();
        m_home.reset();
    }

private:
    std::unique_ptr<TempFolder> m_home;
    std::unique_ptr<wxEventLoop> m_loop;
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

bool g_running = false;
bool g_keepSplash = false;

}  // namespace

AppTree::AppTree(const std::vector<std::string>& omit, const std::string& under)
    : m_root(under.empty() ? m_folder.Path() : m_folder.Path() + "/" + under)
{
    const fs::path stage(TESSARON_STAGE_DIR);
    const fs::path root(m_root);
    fs::create_directories(root / "bin");
    fs::create_directories(root / "GUI" / "Data");
    std::vector<std::string> files = {"veltrane.mac", "more.mac"};
    for (int n = 0; n < 15; ++n)
        files.push_back("GUI/Data/" + std::to_string(n) + ".bmp");
    for (const std::string& f : files)
        if (std::find(omit.begin(), omit.end(), f) == omit.end())
            fs::copy_file(stage / f, root / f);
}

void AppTree::Replace(const std::string& name, const std::string& source) const
{
    fs::copy_file(source, fs::path(m_root) / name, fs::copy_options::overwrite_existing);
}

CTessaronApp& TestApp() { return *static_cast<CTessaronApp*>(wxTheApp); }

bool StartApp(const AppTree& tree, const std::string& programName, const std::vector<std::string>& args)
{
    return StartProgram(tree.Program(programName), args);
}

bool StartProgram(const std::string& programPath, const std::vector<std::string>& args)
{
    StopApp();
    // Every start begins with settings of its own (no recent files of an earlier test).
    static int starts = 0;
    const std::string config = std::string(std::getenv("HOME")) + "/.config-" + std::to_string(++starts);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    TestApp().SetProgramPath(programPath);
    TestApp().SetArguments(args);
    g_running = true;
    const bool ok = TestApp().InitInstance();
    // A kept splash window is left for the test to see before any event can close it.
    if (g_keepSplash)
        return ok;
    if (CSplashWnd::c_pSplashWnd)
        CSplashWnd::c_pSplashWnd->HideSplashScreen();
    PumpEvents();
    return ok;
}

void KeepSplashOnStart(bool keep) { g_keepSplash = keep; }

CMainFrame* Frame() { return wxTheApp ? TestApp().GetMainFrame() : nullptr; }

void StopApp()
{
    if (!g_running || !wxTheApp)
        return;
    g_running = false;
    if (CMainFrame* frame = Frame()) {
        if (CTessaronDoc* doc = TestApp().GetDocument())
            doc->SetModifiedFlag(false);
        frame->Close(true);
    }
    PumpEvents();
    TestApp().ExitInstance();
}

void PumpEvents(int milliseconds)
{
    wxStopWatch watch;
    do {
        wxTheApp->ProcessPendingEvents();
        while (wxTheApp->Pending())
            wxTheApp->Dispatch();
        static_cast<GuiTestApp&>(TestApp()).DeletePendingObjects();
        wxTheApp->ProcessIdle();
    } while (watch.Time() < milliseconds);
}

int ProfileIntFromFile(const std::string& section, const std::string& entry, int defaultValue)
{
    CWxProfile profile("Brenvik");
    return profile.GetProfileInt(section, entry, defaultValue);
}

std::string ProfileStringFromFile(const std::string& section, const std::string& entry)
{
    CWxProfile profile("Brenvik");
    return profile.GetProfileString(section, entry);
}

void ClickLayerAt(float x, float y)
{
    PumpEvents(100);
    CGL2dView* view = Frame()->GetGL2dView();
    ASSERT_NE(view, nullptr);
    const CClientPoint p = view->ProjectPoint({x, y});
    wxUIActionSimulator sim;
    sim.MouseMove(view->ClientToScreen(wxPoint(p.x, p.y)));
    PumpEvents(50);
    sim.MouseClick();
    PumpEvents(100);
}
