#pragma once
// The "Material" page of the layer property sheet (dialog 218): the bulk and active macro lists
// with their style radios and "Show ... Param" buttons, the names last chosen, and the grading
// choice. The values and rules live in CLayerBulkActive; this window shows them and runs the
// page's dialogs (macro parameters, composition grading, contact parameters) over itself.

#include "dialogs/SheetPagePanel.h"
#include "sheets/MaterialDialogs.h"

class CLayerBulkActive;
class wxListBox;
class wxRadioButton;

class CLayerBulkActivePanel : public CSheetPagePanel, public IMaterialDialogs {
public:
    CLayerBulkActivePanel(wxWindow* book, CLayerBulkActive& page);
    ~CLayerBulkActivePanel() override;

    bool RunMacroParamDlg(CMacroParamDlg& dialog) override;
    bool RunGradingDlg(CCompositionGradingDlg& dialog) override;
    bool RunContactParamDlg(CContactParamDlg& dialog) override;

protected:
    void OnInitPage() override;

private:
    void CreateControls();
    void CreateList(int list, int x, const char* caption);
    void FillList(int list);
    void ShowPage();
    void OnListSelection(wxCommandEvent& event);
    void OnListDoubleClick(wxCommandEvent& event);
    void OnShowParam(wxCommandEvent& event);
    void OnStyle(wxCommandEvent& event);
    void OnGrading(wxCommandEvent& event);

    CLayerBulkActive& m_material;
    wxListBox* m_pList[2] = {nullptr, nullptr};
    wxRadioButton* m_pNoGrading = nullptr;
};
