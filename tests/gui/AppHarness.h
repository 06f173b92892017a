#pragma once
// Runs the real application object in the test process: a root folder tree like the staged one
// (bin/, GUI/Data/<n>.bmp, the two macro libraries), start-up through InitInstance with a chosen
// program name and arguments, and an orderly shut-down. HOME points at a temporary folder for the
// whole test program, so settings and desktop files land there.

#include "support/TempFolder.h"
#include "app/TessaronApp.h"

#include <string>
#include <vector>

class CMainFrame;

// The folder tree the program finds above its own folder.
class AppTree {
public:
    // Copies the staged textures and macro libraries, leaving out any file named in `omit`
    // (relative to the root, e.g. "GUI/Data/8.bmp" or "more.mac").
    // With `under`, the tree lies in that sub-folder of the temporary folder.
    explicit AppTree(const std::vector<std::string>& omit = {}, const std::string& under = "");
    // Puts a copy of `source` in place of the root-relative file `name`.
    void Replace(const std::string& name, const std::string& source) const;
    std::string Root() const { return m_root + "/"; }
    std::string Program(const std::string& name) const { return m_root + "/bin/" + name; }
    const TempFolder& Folder() const { return m_folder; }

private:
    TempFolder m_folder;
    std::string m_root;
};

CTessaronApp& TestApp();
// Runs InitInstance for the program `programName` in the tree; the result of InitInstance.
bool StartApp(const AppTree& tree, const std::string& programName, const std::vector<std::string>& args = {});
// Runs InitInstance for the program file at `programPath`, wherever it lies.
bool StartProgram(const std::string& programPath, const std::vector<std::string>& args = {});
// Whether the splash window of a start stays up (it closes itself after half a second); a start
// that keeps it returns before any event is processed. Off by default: a start closes it at once,
// so that it takes no key or click meant for the frame.
void KeepSplashOnStart(bool keep);
// Closes the main frame (when there is one) without questions and runs ExitInstance.
void StopApp();
CMainFrame* Frame();
// Lets pending events and idle processing run.
void PumpEvents(int milliseconds = 0);
// A click of the left mouse button on the main window's 2-D view at a model point: the layer
// there is selected.
void ClickLayerAt(float x, float y);
// The settings file of the running user, read afresh.
int ProfileIntFromFile(const std::string& section, const std::string& entry, int defaultValue);
std::string ProfileStringFromFile(const std::string& section, const std::string& entry);
