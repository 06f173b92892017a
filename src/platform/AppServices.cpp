#include "platform/AppServices.h"

namespace {

class NoAppServices : public IAppServices {
public:
    bool Is3dMode() const override { return true; }
    void ClearLayerMacros() override {}
    void LoadLayerMacros(const std::string&) override {}
    void AddToRecentFileList(const std::string&) override {}
};

NoAppServices g_noAppServices;
IAppServices* g_appServices = nullptr;

}  // namespace

IAppServices& AppServices() { return g_appServices ? *g_appServices : g_noAppServices; }

void SetAppServices(IAppServices* services) { g_appServices = services; }

CWaitCursor::CWaitCursor() { AppServices().BeginWaitCursor(); }

CWaitCursor::~CWaitCursor() { AppServices().EndWaitCursor(); }
