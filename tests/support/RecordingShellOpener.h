#pragma once
// An opener for tests: records every path it is asked to open with the default program and starts
// nothing. Installs itself for its lifetime.

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
        return true;
    }

    std::vector<std::string> opened;
};
