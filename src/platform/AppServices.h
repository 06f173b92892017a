#pragma once
// What the document needs of the application object: the mode, the macros of the open file and
// the recent-file list. Installed by the application; a neutral default serves batch use and tests
// that do not install the fake (tests/support/FakeAppServices.h).

#include <string>

class IAppServices {
public:
    virtual ~IAppServices() = default;
    // Nonzero while the 3-D device editor runs, false in the layer builder.
    virtual bool Is3dMode() const = 0;
    // Drops the macros the previously opened file defined from the application's macro list.
    virtual void ClearLayerMacros() = 0;
    // Loads the macros the statements of the structure file at `path` use into the macro list.
    virtual void LoadLayerMacros(const std::string& path) = 0;
    // Adds a document path to the recent-file list.
    virtual void AddToRecentFileList(const std::string& path) = 0;
    // The folder that holds the running program file, with a trailing separator ("" when unknown).
    virtual std::string GetProgramFolder() const { return std::string(); }
    // The installation root: the folder above the program's own folder, ending in a separator;
    // the simulator data folders with the mesher tools lie below it. "" when it is not known.
    virtual std::string GetInstallRoot() const { return std::string(); }
    // The busy cursor of a long command, shown from Begin to End; calls nest.
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
};

// Shows the busy cursor for its lifetime, so every way out of a command restores the cursor.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// The installed service; without one: 3-D mode, and the macro and recent-file calls do nothing.
IAppServices& AppServices();
// Installs a service (nullptr restores the default). The caller keeps ownership.
void SetAppServices(IAppServices* services);
