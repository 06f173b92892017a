#include "platform/SheetRunner.h"

namespace {

// Without a window system nobody can accept a sheet.
class CancellingSheetRunner : public ISheetRunner {
public:
    bool RunLayerSheet(LayerSheetRequest&) override { return false; }
    bool RunZSegPositionDlg(ZSegPositionRequest&) override { return false; }
    bool RunCutLineDlg(CutLineRequest&) override { return false; }
};

CancellingSheetRunner g_cancellingRunner;
ISheetRunner* g_sheetRunner = nullptr;

}  // namespace

ISheetRunner& SheetRunner() { return g_sheetRunner ? *g_sheetRunner : g_cancellingRunner; }

void SetSheetRunner(ISheetRunner* runner) { g_sheetRunner = runner; }
