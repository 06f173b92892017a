#include "platform/ShellOpen.h"

#include "platform/Path.h"
#include "platform/ProcessRunner.h"

namespace {

class XdgOpener : public IShellOpener {
public:
    bool OpenWithDefaultProgram(const std::string& path) override
    {
        ProcessRequest request;
        bool isUrl = path.find("://") != std::string::npos;
        request.argv = {"xdg-open", isUrl ? path : ResolveExistingPath(path)};
        ProcessResult result = ProcessRunner().Run(request);
        return result.started && result.exitCode == 0;
    }
};

XdgOpener g_xdgOpener;
IShellOpener* g_opener = nullptr;

}  // namespace

IShellOpener& ShellOpener() { return g_opener ? *g_opener : g_xdgOpener; }

void SetShellOpener(IShellOpener* opener) { g_opener = opener; }
