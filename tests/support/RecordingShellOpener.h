#pragma once
// An opener for tests: records every path it is asked to open with the default program and starts
// nothing (or fails as told). Installs itself for its lifetime.

#include "platform/ShellOpen.h"

#include <string>
#include <vector>

class RecordingShellOpener : public IShellOpener {
public:
    RecordingShellOpener() { SetShellOpener(this); }
    ~RecordingShellOpener() override { SetShellOpener(nullptr); }

    bool OpenWithDefaultProgram(const std::string& path) override
    {
        opened.push_back(path);
        return failure.empty();
    }
    std::string FailureReason() const override { return failure; }

    std::vector<std::string> opened;
    // Set, every open fails with this reason (a desktop with no program for the file).
    std::string failure;
};
