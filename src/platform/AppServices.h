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
};

// The installed service; without one: 3-D mode, and the macro and recent-file calls do nothing.
IAppServices& AppServices();
// Installs a service (nullptr restores the default). The caller keeps ownership.
void SetAppServices(IAppServices* services);
