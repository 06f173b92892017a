#include "sheets/General.h"

#include "document/TessaronDoc.h"
#include "platform/NumberText.h"
#include "platform/Profile.h"
#include "platform/SheetRunner.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "platform/ViewsHub.h"
#include "sheets/LayerSheetWindow.h"

#include <cmath>
#include <cstdio>

namespace {

const char kWarningCaption[] = "WARNNING";
const char kDopingQuestion[] = "You have not input the doping information.\nPlease input it.Input?";
const char kMeshQuestion[] =
    "Your mesh_number default value is zero,so You\nMust input Total_Mesh_x and Total_Mesh_y value\nor you input a "
    "non_zero mesh number!";
const char kVcselTypeQuestion[] = "You have not input the vcsel type.\nPlease input it.Input?";
const char kGratingNotRight[] = "Grating compos property page is not right!";
const double kNoDoping = 1e-6;
const int kMinMeshTotal = 2;
const int kNextStepPrompt = 2;

// A sheet without a window: every page accepts, nothing is shown.
class NoSheetWindow : public ILayerSheetWindow {
public:
    bool CommitActivePage() override { return true; }
    bool ReadPage(int) override { return true; }
    void RefreshPage(int) override {}
    void ActivatePage(int, int) override {}
    int RunVcselTypeExistsDlg() override { return IDCANCEL; }
    void EndOk() override {}
};

bool AskWarning(const char* question, unsigned icon)
{
    return UserPrompts().MessageBox(question, kWarningCaption, MB_YESNO | icon) == IDYES;
}

}  // namespace

const char CGeneral::kPositionSection[] = "CGenearlDlg";
const char CGeneral::kPositionEntry[] = "left-top";

CGeneral::CGeneral(CTessaronDoc& doc, LayerSheetRequest& request)
    : m_bAllPages(request.allPages ? 1 : 0), m_strCaption(request.caption), m_strBanner(request.bannerText),
      m_doc(doc), m_request(request)
{
    if (m_bAllPages) {
        m_GratingPage.SetValues(g_EditLayer.m_Grating);
        m_LabelPage.SetLabels(g_EditLayer.m_Labels, g_EditColumn.m_Labels);
        m_LabelPage.SetDocument(&m_doc);
        m_VcselPage.SetTypeList(&m_doc.m_VcselSections);
    } else {
        m_ZSegmentPage.SetTaperLineEditable(request.zSegmentPageIndex != 0);
        m_ZSegmentPage.SetPreviousZEnd(request.previousZEnd);
    }
    m_doc.m_nContactUpdateMode = -1;
    if (request.contactUpdateMode)
        *request.contactUpdateMode = -1;
    m_MaterialPage.SetMacroList(&m_doc.GetMacroList());
    m_MaterialPage.SetContactStored([this] {
        m_doc.m_nContactUpdateMode = 0;
        if (m_request.contactUpdateMode)
            *m_request.contactUpdateMode = 0;
    });
    m_ContactPage.SetContactsChanged([this] {
        m_doc.m_nContactUpdateMode = 1;
        if (m_request.contactUpdateMode)
            *m_request.contactUpdateMode = 1;
    });
}

ILayerSheetWindow& CGeneral::Window()
{
    static NoSheetWindow none;
    return m_pWindow ? *m_pWindow : none;
}

int CGeneral::GetSelectedRow() const
{
    const CZSegment* current = m_doc.GetCurrentZSegment();
    return current ? current->m_nSelectedRow : -1;
}

// ---------------------------------------------------------------------------------------------
// Opening

void CGeneral::OnInitDialog()
{
    m_sideContacts.clear();
    int selectedRow = 0;
    int selectedColumn = -1;
    if (const CZSegment* current = m_doc.GetCurrentZSegment()) {
        m_sideContacts = current->m_SideContacts;
        if (current->m_nSelectionKind != 0) {
            selectedRow = current->m_nSelectedRow;
            selectedColumn = current->m_nSelectedColumn;
        }
    }
    m_ContactPage.SetSideContacts(m_sideContacts, selectedRow);
    m_ContactPage.SetTargetPlace(g_nCurZSeg - 1, selectedColumn);
    m_strVcselTypeAtOpen = g_EditLayer.m_nVcselFlag ? g_EditLayer.m_Vcsel->m_strVcselType : std::string();
}

void CGeneral::OpenPosition(const std::string& saved, int top, int width, int height, int screenWidth,
                            int screenHeight, int& x, int& y)
{
    if (std::sscanf(saved.c_str(), "%d, %d", &x, &y) != 2) {
        x = screenWidth - width;
        y = top;
        return;
    }
    if (x + width > screenWidth)
        x = screenWidth - width;
    if (y + height > screenHeight)
        y = screenHeight - height;
}

std::string CGeneral::LoadSavedPosition() { return Profile().GetProfileString(kPositionSection, kPositionEntry); }

void CGeneral::SavePosition(int left, int top)
{
    Profile().WriteProfileString(kPositionSection, kPositionEntry, StrFormat("%d, %d", left, top));
}

// ---------------------------------------------------------------------------------------------
// OK

bool CGeneral::OnOkPressed()
{
    if (m_bAllPages) {
        if (!CheckGratingPage()) {
            AfxMessageBox(kGratingNotRight, MB_OK);
            return false;
        }
        TakeGratingAndLabels();
        return ValidateAndCollect();
    }
    return CheckZSegmentPage();
}

bool CGeneral::CheckZSegmentPage()
{
    // The z-segment form: its only page checks its values and the sheet takes them into the
    // images. The solution method changes only here, so a cancelled sheet leaves it as it was.
    if (!Window().CommitActivePage())
        return false;
    if (m_ZSegmentPage.IsInitialised()) {
        if (!m_ZSegmentPage.CheckAndStore())
            return false;
        m_ZSegmentPage.StoreInto(g_EditZSegment, g_EditColumn);
        m_ZSegmentPage.ApplySolutionMethod();
    }
    Accept();
    return true;
}

bool CGeneral::CheckGratingPage()
{
    if (!m_GratingPage.IsInitialised() || m_GratingPage.m_Record.m_nPresent == 0)
        return true;
    return Window().ReadPage(GRATING_PAGE) && m_GratingPage.CheckComplete();
}

void CGeneral::TakeGratingAndLabels()
{
    if (m_GratingPage.IsInitialised())
        g_EditLayer.m_Grating = m_GratingPage.GetValues();
    if (m_LabelPage.IsInitialised())
        m_LabelPage.GetLabels(g_EditLayer.m_Labels, g_EditColumn.m_Labels);
}

bool CGeneral::ValidateAndCollect()
{
    // The type list is changed on a copy, so a sheet that stays open (and may be cancelled) leaves
    // the document's list as it was.
    std::vector<CVcselSection> types = m_doc.m_VcselSections;
    for (;;) {
        if (!Window().CommitActivePage())
            return false;
        CollectPages();
        if (!CheckDoping() || !CheckMeshTotals() || !CheckVcselType())
            return false;
        const ListStep step = UpdateVcselTypeList(types);
        if (step == ListStep::Stop)
            return false;
        if (step == ListStep::Done)
            break;
    }
    m_doc.m_VcselSections = types;
    RaiseMeshTotals();
    Accept();
    ClearContactLayerGrading();
    ApplyVcselTypeToLayers();
    HandBackSideContacts();
    return true;
}

void CGeneral::CollectPages()
{
    if (m_DopingPage.IsInitialised())
        m_DopingPage.CollectInto(g_EditLayer.m_Doping);
    if (m_LayerMeshPage.IsInitialised())
        m_LayerMeshPage.CollectInto(g_EditLayer.m_Mesh);
    if (m_ColumnMeshPage.IsInitialised())
        m_ColumnMeshPage.CollectInto(g_EditColumn, g_EditZSegment);
    if (m_VcselPage.IsInitialised())
        m_VcselPage.CollectInto(g_EditLayer);
    if (m_SizePage.IsInitialised())
        m_SizePage.CollectInto(g_EditLayer);
}

bool CGeneral::CheckDoping()
{
    const CLayerDoping& doping = g_EditLayer.m_Doping;
    if (m_DopingPage.m_nDopingType == CLayerDop::NONE || std::fabs(doping.m_fGaussianTail) >= kNoDoping ||
        std::fabs(doping.m_fValue) >= kNoDoping)
        return true;
    if (!AskWarning(kDopingQuestion, MB_ICONSTOP))
        return true;
    Window().ActivatePage(DOPING_PAGE, CLayerDop::IDC_CONCENTRATION);
    return false;
}

bool CGeneral::CheckMeshTotals()
{
    if (g_EditColumn.m_Mesh.m_nMeshNum != 0 && g_EditLayer.m_Mesh.m_nMeshNum != 0)
        return true;
    const struct {
        int total;
        int control;
    } passes[] = {{g_EditZSegment.m_nTotalXMesh, CCMesh::IDC_TOTAL_X_MESH},
                  {g_EditZSegment.m_nTotalYMesh, CCMesh::IDC_TOTAL_Y_MESH}};
    for (const auto& pass : passes) {
        if (pass.total < kMinMeshTotal && AskWarning(kMeshQuestion, MB_ICONQUESTION)) {
            Window().ActivatePage(COLUMN_MESH_PAGE, pass.control);
            return false;
        }
    }
    return true;
}

bool CGeneral::CheckVcselType()
{
    if (!m_VcselPage.IsInitialised() || !m_VcselPage.m_nVcselFlag || !m_VcselPage.m_strTypeName.empty())
        return true;
    if (AskWarning(kVcselTypeQuestion, MB_ICONSTOP)) {
        Window().ActivatePage(VCSEL_PAGE, CLayerVcsel::IDC_TYPE_NAME);
        return false;
    }
    m_VcselPage.m_nVcselFlag = 0;
    g_EditLayer.m_nVcselFlag = 0;
    return true;
}

CGeneral::ListStep CGeneral::UpdateVcselTypeList(std::vector<CVcselSection>& types)
{
    if (!m_VcselPage.IsInitialised() || !m_VcselPage.m_nVcselFlag || m_VcselPage.m_nCreateMode != CLayerVcsel::NEW_VCSEL)
        return ListStep::Done;
    const CVcselSection& section = g_EditLayer.m_Vcsel;
    bool matched = false;
    for (int i = 0; i < static_cast<int>(types.size()); ++i) {
        if (types[i].m_strVcselType != section.m_strVcselType)
            continue;
        matched = true;
        if (!types[i].IsSame(section))
            return ResolveExistingType(i, types);
    }
    if (!matched)
        AddNewType(types);
    return ListStep::Done;
}

CGeneral::ListStep CGeneral::ResolveExistingType(int index, std::vector<CVcselSection>& types)
{
    switch (Window().RunVcselTypeExistsDlg()) {
    case IDOK:
        types[index] = g_EditLayer.m_Vcsel;
        return ListStep::Again;
    case IDC_NEW_TEMPLET:
        Window().ActivatePage(VCSEL_PAGE, CLayerVcsel::IDC_TYPE_NAME);
        return ListStep::Stop;
    case IDC_LOAD:
        m_VcselPage.LoadExistingType(index, types);
        Window().RefreshPage(VCSEL_PAGE);
        Window().ActivatePage(VCSEL_PAGE, 0);
        return ListStep::Stop;
    default:
        Window().ActivatePage(VCSEL_PAGE, 0);
        return ListStep::Stop;
    }
}

void CGeneral::AddNewType(std::vector<CVcselSection>& types)
{
    const CVcselSection& section = g_EditLayer.m_Vcsel;
    const int i = m_VcselPage.m_nTypeIndexAtOpen;
    if (i >= 0 && i < static_cast<int>(types.size())) {
        // The layer had a type: the new one takes its place, or goes beside it when other rows
        // still use the old one (after it when they lie below, before it when above).
        switch (m_doc.FindMacroNameInOtherRow(GetSelectedRow(), m_VcselPage.m_strTypeNameAtOpen)) {
        case -1: types[i] = section; break;
        case 0: types.insert(types.begin() + i + 1, section); break;
        default: types.insert(types.begin() + i, section); break;
        }
        return;
    }
    if (m_doc.IsMacroNameUsed(section.m_strVcselType))
        return;
    // Types stand in the list in the order of the rows that use them.
    const std::string below = m_doc.GetLastMacroName(GetSelectedRow() + 1);
    if (below.empty()) {
        types.insert(types.begin(), section);
        return;
    }
    for (size_t k = 0; k < types.size(); ++k) {
        if (types[k].m_strVcselType == below) {
            types.insert(types.begin() + k + 1, section);
            ++k;
        }
    }
}

void CGeneral::RaiseMeshTotals()
{
    if (g_EditZSegment.m_nTotalXMesh < kMinMeshTotal)
        g_EditZSegment.m_nTotalXMesh = kMinMeshTotal;
    if (g_EditZSegment.m_nTotalYMesh < kMinMeshTotal)
        g_EditZSegment.m_nTotalYMesh = kMinMeshTotal;
}

void CGeneral::Accept()
{
    m_bAccepted = 1;
    Window().EndOk();
    if (IViewsHub* views = m_doc.GetViews(); views && views->HasGL2dView())
        views->StartPrompt(g_nZSegCount >= 1 ? kNextStepPrompt : 0);
}

void CGeneral::ClearContactLayerGrading()
{
    if (!StartsWith(g_EditLayer.m_Material.m_Bulk.m_strName, "contact"))
        return;
    g_EditLayer.m_Material.m_Grading.Edit().m_nGradeVar = 0;
    if (g_EditLayer.m_Grating->m_nPresent != 0)
        g_EditLayer.m_Grating.Edit().m_nPresent = 0;
}

void CGeneral::ApplyVcselTypeToLayers()
{
    if (m_VcselPage.IsInitialised())
        m_doc.ApplyVcselSection(m_strVcselTypeAtOpen, g_EditLayer.m_nVcselFlag, g_EditLayer.m_Vcsel);
}

void CGeneral::HandBackSideContacts()
{
    if (!m_ContactPage.IsInitialised())
        return;
    m_sideContacts = m_ContactPage.m_sideContacts;
    if (m_request.contactGroups)
        *m_request.contactGroups = m_sideContacts;
    m_request.contactGroupsFilled = true;
}
