#include "sheets/LayerBulkActive.h"

#include "model/ProcessState.h"
#include "model/VoidMacroName.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "sheets/CompositionGradingDlg.h"
#include "sheets/ContactParamDlg.h"
#include "sheets/DataExchange.h"
#include "sheets/MaterialDialogs.h"
#include "textfiles/MacroList.h"

namespace {

const char kNewBulk[] = "algaas";
const char kVoid[] = "void";
const char kContact[] = "contact";
const char kStartDirection[] = "+y";
const char* const kListKeywords[2] = {"load_macro", "get_active_layer"};

// A page without a window or dialogs: every dialog is cancelled.
class NoDialogs : public IMaterialDialogs {
public:
    bool RunMacroParamDlg(CMacroParamDlg&) override { return false; }
    bool RunGradingDlg(CCompositionGradingDlg&) override { return false; }
    bool RunContactParamDlg(CContactParamDlg&) override { return false; }
};

CMacroParamSet& LayerMacro(CLayerBulkActive::Macro list)
{
    return list == CLayerBulkActive::BULK ? g_EditLayer.m_Material.m_Bulk : g_EditLayer.m_Material.m_Active.Edit();
}

void ResetGrading(CLayerGrading& grading)
{
    grading.m_strDirection = kStartDirection;
    grading.m_fGradeFrom = 0.0f;
    grading.m_fGradeTo = 0.0f;
}

}  // namespace

const char CLayerBulkActive::kNoParameter[] = "No Parameter";
const char CLayerBulkActive::kOldStyle[] = "_old_style";

CLayerBulkActive::CLayerBulkActive()
{
    CLayerMaterial& material = g_EditLayer.m_Material;
    if (g_nLayerEditMode == 1 || g_nLayerEditMode == 2) {
        material.m_Bulk = CMacroParamSet();
        material.m_Bulk.m_strName = kNewBulk;
        CMacroParamSet noActive;
        noActive.m_strName = kVoid;
        material.m_Active = noActive;
        material.m_Grading.Edit().m_nGradeVar = 0;
        ResetGrading(material.m_Grading.Edit());
        m_strBulkName = kNewBulk;
        m_strActiveName = kVoid;
        m_nGradingChoice = 0;
        m_nGradingInForce = 0;
    } else if (g_nLayerEditMode == 3) {
        m_strBulkName = material.m_Bulk.m_strName;
        FromVoidMacroName(m_strBulkName);
        m_strActiveName = material.m_Active->m_strName;
        FromVoidMacroName(m_strActiveName);
        m_nGradingChoice = material.m_Grading->m_nGradeVar;
        m_nGradingInForce = material.m_Grading->m_nGradeVar;
    }
}

CMacroList& CLayerBulkActive::Macros()
{
    static CMacroList none;
    return m_pMacros ? *m_pMacros : none;
}

IMaterialDialogs& CLayerBulkActive::Dialogs()
{
    static NoDialogs none;
    return m_pDialogs ? *m_pDialogs : none;
}

void CLayerBulkActive::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_BULK_NAME, m_strBulkName);
    dx.Text(IDC_ACTIVE_NAME, m_strActiveName);
    dx.Radio(IDC_GRADING_NONE, kGradingChoices, m_nGradingChoice);
}

void CLayerBulkActive::OnInitPage()
{
    for (Macro list : {BULK, ACTIVE}) {
        std::string& name = Name(list);
        const std::string::size_type suffix = name.find(kOldStyle);
        m_bOldStyle[list] = suffix != std::string::npos ? 1 : 0;
        if (suffix != std::string::npos)
            name.erase(suffix);
    }
    FillList(BULK);
    FillList(ACTIVE);
    m_BulkDlg.m_nKind = CMacroParamDlg::BULK;
    m_ActiveDlg.m_nKind = CMacroParamDlg::ACTIVE;
}

void CLayerBulkActive::FillList(Macro list)
{
    std::vector<std::string>& entries = m_entries[list];
    entries.assign(1, kVoid);
    CMacroList& macros = Macros();
    macros.ResetCursor();
    CMacroDef def;
    while (macros.GetNext(def)) {
        if (!def.IsValid() || def.GetToken(0) != kListKeywords[list])
            continue;
        std::string name = def.GetToken(3);
        const std::string::size_type suffix = name.find(kOldStyle);
        if ((suffix != std::string::npos) != (m_bOldStyle[list] != 0))
            continue;
        if (suffix != std::string::npos)
            name.erase(suffix);
        entries.push_back(name);
    }
}

void CLayerBulkActive::OnListSelection(Macro list, const std::string& entry) { Name(list) = entry; }

void CLayerBulkActive::OnStyle(Macro list, bool oldStyle)
{
    m_bOldStyle[list] = oldStyle ? 1 : 0;
    FillList(list);
}

void CLayerBulkActive::CommitMacro(Macro list)
{
    std::string name = Name(list);
    if (list == BULK && name == kContact) {
        CommitContact();
        return;
    }
    if (m_bOldStyle[list])
        name += kOldStyle;

    CMacroParamSet& layerMacro = LayerMacro(list);
    std::string layerName = layerMacro.m_strName;
    FromVoidMacroName(layerName);
    // The same macro again opens with the layer's values; another one starts from zeros.
    const double zeros[CMacroParamDlg::kValues] = {0, 0, 0, 0, 0, 0};
    CMacroParamDlg& dialog = ParamDlg(list);
    dialog.m_strName = name;
    dialog.SetParams(name == layerName ? layerMacro.m_dVar : zeros);

    if (Macros().GetParamCountOf(name) <= 0) {
        layerMacro.m_strName = name;
        ToVoidMacroName(layerMacro.m_strName);
        AfxMessageBox(kNoParameter, MB_OK);
        return;
    }
    if (name == kVoid) {
        layerMacro.m_strName = name;
        ToVoidMacroName(layerMacro.m_strName);
        return;
    }
    dialog.m_nKind = list;
    if (!Dialogs().RunMacroParamDlg(dialog))
        return;
    layerMacro.m_strName = dialog.m_strName;
    ToVoidMacroName(layerMacro.m_strName);
    dialog.GetParams(layerMacro.m_dVar);
}

void CLayerBulkActive::CommitContact()
{
    CMacroParamSet& bulk = g_EditLayer.m_Material.m_Bulk;
    CContactParamDlg dialog;
    if (StartsWith(bulk.m_strName, kContact))
        dialog.SetFromRecord(bulk.m_dVar);
    if (!Dialogs().RunContactParamDlg(dialog))
        return;
    bulk.m_strName = kContact;
    dialog.GetToRecord(bulk.m_dVar);
    if (m_onContactStored)
        m_onContactStored();
}

void CLayerBulkActive::OnGradingChoice(int choice)
{
    CLayerGrading& grading = g_EditLayer.m_Material.m_Grading.Edit();
    if (choice <= 0) {
        m_nGradingChoice = 0;
        grading.m_nGradeVar = 0;
        ResetGrading(grading);
        m_nGradingInForce = 0;
        return;
    }
    // Cancel gives everything back as it was before this choice.
    const CLayerGrading before = grading;
    const int choiceBefore = m_nGradingChoice;
    const int inForceBefore = m_nGradingInForce;

    m_nGradingChoice = choice;
    grading.m_nGradeVar = choice;
    if (m_nGradingInForce != choice)
        ResetGrading(grading);
    m_nGradingInForce = choice;

    CCompositionGradingDlg dialog;
    dialog.m_nSlot = choice - 1;
    dialog.m_nMode = CCompositionGradingDlg::FOCUS_FROM;
    dialog.m_fFrom = grading.m_fGradeFrom;
    dialog.m_fTo = grading.m_fGradeTo;
    dialog.m_nDirection = CCompositionGradingDlg::DirectionIndex(grading.m_strDirection);
    if (!Dialogs().RunGradingDlg(dialog)) {
        grading = before;
        m_nGradingChoice = choiceBefore;
        m_nGradingInForce = inForceBefore;
        return;
    }
    grading.m_fGradeFrom = dialog.m_fFrom;
    grading.m_fGradeTo = dialog.m_fTo;
    if (dialog.m_nDirection >= 0)
        grading.m_strDirection = CCompositionGradingDlg::DirectionText(dialog.m_nDirection);
}
