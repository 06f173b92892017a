#include "dialogs/WxSheetRunner.h"

#include "dialogs/CutLineDialog.h"
#include "dialogs/GeneralSheet.h"
#include "dialogs/ZSegPositionWindow.h"
#include "sheets/CutLineDlg.h"
#include "sheets/General.h"
#include "sheets/ZSegPositionDlg.h"

#include <wx/app.h>

namespace {

// The sheet lies over the main window when it is shown.
wxWindow* SheetParent()
{
    wxWindow* top = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
    return top && top->IsShown() ? top : nullptr;
}

}  // namespace

bool CWxSheetRunner::RunLayerSheet(LayerSheetRequest& request)
{
    CGeneral general(m_doc, request);
    CGeneralSheet sheet(SheetParent(), general);
    sheet.Open();
    sheet.ShowModal();
    return general.m_bAccepted != 0;
}

bool CWxSheetRunner::RunZSegPositionDlg(ZSegPositionRequest& request)
{
    CZSegPositionDlg dialog;
    dialog.m_dReferenceZ = request.previousEnd;
    dialog.m_dFrom = request.from;
    dialog.m_dTo = request.to;
    dialog.m_dSegmentLength = request.segmentLength;
    dialog.m_dTaperLength = request.taperLength;
    dialog.m_strLayerFile = request.layerFileName;
    dialog.m_bUseExistingFile = !request.layerFileName.empty();
    CZSegPositionWindow window(SheetParent(), dialog);
    if (window.ShowModal() != wxID_OK)
        return false;
    request.from = dialog.m_dFrom;
    request.to = dialog.m_dTo;
    request.segmentLength = dialog.m_dSegmentLength;
    request.taperLength = dialog.m_dTaperLength;
    request.layerFileName = dialog.m_strLayerFile;
    return true;
}

bool CWxSheetRunner::RunCutLineDlg(CutLineRequest& request)
{
    CCutLineDlg values;
    values.m_dLimit = request.limit;
    values.m_bVertical = request.vertical;
    values.m_dValue = request.value;
    CCutLineDialog dialog(SheetParent(), values);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    request.value = values.GetValue();
    return true;
}
