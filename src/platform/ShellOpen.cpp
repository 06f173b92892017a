#include "platform/ShellOpen.h"

#include "platform/Path.h"
#include "platform/ProcessRunner.h"

#include <string>

namespace {

// What xdg-open's exit status says went wrong.
std::string XdgOpenFailure(const ProcessResult& result)
{
    if (!result.started)
        return "No program to open it with was found (\"xdg-open\" could not be started).";
    switch (result.exitCode) {
    case 2: return "\"xdg-open\": the file does not exist.";
    case 3: return "No program is set up to open it (\"xdg-open\" found no tool for it).";
    case 4: return "The program set up to open it failed (\"xdg-open\": the action failed).";
    default: return "\"xdg-open\" ended with status " + std::to_string(result.exitCode) + ".";
    }
}

class XdgOpener : public IShellOpener {
public:
    bool OpenWithDefaultProgram(const std::string& path) override
    {
        ProcessRequest request;
        bool isUrl = path.find("://") != std::string::npos;
        request.argv = {"xdg-open", isUrl ? path : ResolveExistingPath(path)};
        ProcessResult result = ProcessRunner().Run(request);
        const bool opened = result.started && result.exitCode == 0;
        m_failure = opened ? std::string() : XdgOpenFailure(result);
        return opened;
    }
    std::string FailureReason() const override { return m_failure; }

private:
    std::string m_failure;
};

XdgOpener g_xdgOpener;
IShellOpener* g_opener = nullptr;

}  // namespace

IShellOpener& ShellOpener() { return g_opener ? *g_opener : g_xdgOpener; }

void SetShellOpener(IShellOpener* opener) { g_opener = opener; }
