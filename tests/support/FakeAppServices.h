#pragma once
// An application for tests: a chosen mode and installation root, and a record of the macro,
// recent-file and wait-cursor calls.
// Installs itself for its lifetime.

#include "platform/AppServices.h"

#include <string>
#include <vector>

class FakeAppServices : public IAppServices {
public:
    explicit FakeAppServices(bool threeD = true) : mode3d(threeD) { SetAppServices(this); }
    ~FakeAppServices() override { SetAppServices(nullptr); }

    bool Is3dMode() const override { return mode3d; }
    void ClearLayerMacros() override { calls.push_back("ClearLayerMacros"); }
    void LoadLayerMacros(const std::string& path) override { calls.push_back("LoadLayerMacros " + path); }
    void AddToRecentFileList(const std::string& path) override { recentFiles.push_back(path); }
    std::string GetProgramFolder() const override { return programFolder; }
    std::string GetInstallRoot() const override { return installRoot; }
    void BeginWaitCursor() override { calls.push_back("BeginWaitCursor"); }
    void EndWaitCursor() override { calls.push_back("EndWaitCursor"); }

    bool mode3d;
    std::string installRoot;
    std::vector<std::string> calls;
    std::vector<std::string> recentFiles;
    std::string programFolder;
};
