#include "document/InterruptedSaves.h"

#include "platform/FileSetRecovery.h"
#include "platform/Path.h"
#include "platform/UserPrompts.h"
#include "platform/ViewsHub.h"

std::string ResolveDocumentPath(const std::string& path)
{
    const std::string existing = ResolveExistingPath(path);
    const std::string followed = FollowSymbolicLinks(existing);
    return followed == existing ? path : followed;
}

bool SettleInterruptedSaves(const std::string& file, IViewsHub* views, const std::string& lead)
{
    const std::string native = ResolveWritePath(file);
    const std::size_t slash = native.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : native.substr(0, slash + 1);
    const CFileSetRecovery::Report report = CFileSetRecovery::RecoverFolder(folder);
    if (report.DidSomething() && views)
        views->ShowStatusText(report.StatusText());
    if (!report.Refused())
        return true;
    AfxMessageBox(lead + "\n" + report.RefusalText(), MB_OK | MB_ICONEXCLAMATION);
    return false;
}
