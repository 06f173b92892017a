#include "dialogs/LayerBulkActivePanel.h"

#include "dialogs/CompositionGradingWindow.h"
#include "dialogs/ContactParamWindow.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/MacroParamWindow.h"
#include "sheets/LayerBulkActive.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

using Page = CLayerBulkActive;

// The controls of one list, bulk first.
struct ListControls {
    int nameId, listId, oldId, freeId, buttonId;
    const char* button;
};

const ListControls kLists[2] = {
    {Page::IDC_BULK_NAME, Page::IDC_BULK_LIST, Page::IDC_BULK_OLD_STYLE, Page::IDC_BULK_FREE_STYLE,
     Page::IDC_SHOW_BULK_PARAM, "Show Load Macro Param"},
    {Page::IDC_ACTIVE_NAME, Page::IDC_ACTIVE_LIST, Page::IDC_ACTIVE_OLD_STYLE, Page::IDC_ACTIVE_FREE_STYLE,
     Page::IDC_SHOW_ACTIVE_PARAM, "Show Active Macro Param"},
};

const int kPageWidth = 290;
const int kPageHeight = 200;

Page::Macro ListOfControl(int id)
{
    const ListControls& active = kLists[Page::ACTIVE];
    return id == active.listId || id == active.oldId || id == active.freeId || id == active.buttonId ? Page::ACTIVE
                                                                                                     : Page::BULK;
}

}  // namespace

CLayerBulkActivePanel::CLayerBulkActivePanel(wxWindow* book, CLayerBulkActive& page)
    : CSheetPagePanel(book, page), m_material(page)
{
    CreateControls();
    page.SetDialogs(this);
}

CLayerBulkActivePanel::~CLayerBulkActivePanel() { m_material.SetDialogs(nullptr); }

void CLayerBulkActivePanel::CreateControls()
{
    CreateList(Page::BULK, 8, "Bulk Material Macro");
    CreateList(Page::ACTIVE, 150, "Active Layer Macro");
    const CDialogUnits du(this);
    new wxStaticBox(this, wxID_ANY, "Composition Parameter", du.Point(8, 138), du.Size(274, 54));
    new wxStaticText(this, wxID_ANY, "Composition grading:\nWhich composition parameter do you wish to grade?",
                     du.Point(14, 148), du.Size(260, 18));
    for (int i = 0; i < Page::kGradingChoices; ++i) {
        const int id = Page::IDC_GRADING_NONE + i;
        new wxRadioButton(this, id, wxString::Format("%d", i), du.Point(14 + i * 40, 172), du.Size(30, 10),
                          i == 0 ? wxRB_GROUP : 0);
        Bind(wxEVT_RADIOBUTTON, &CLayerBulkActivePanel::OnGrading, this, id);
    }
    // Checked when the layer grades a variable no radio stands for: a radio group of the toolkit
    // always has one checked.
    m_pNoGrading = new wxRadioButton(this, wxID_ANY, "", du.Point(14, 172));
    m_pNoGrading->Hide();
    SetMinSize(du.Size(kPageWidth, kPageHeight));
}

void CLayerBulkActivePanel::CreateList(int list, int x, const char* caption)
{
    const ListControls& c = kLists[list];
    const CDialogUnits du(this);
    new wxStaticText(this, wxID_ANY, caption, du.Point(x, 6), du.Size(120, 9));
    new wxTextCtrl(this, c.nameId, "", du.Point(x, 16), du.Size(130, 12), wxTE_READONLY);
    m_pList[list] = new wxListBox(this, c.listId, du.Point(x, 30), du.Size(130, 72), 0, nullptr, wxLB_SINGLE);
    new wxRadioButton(this, c.oldId, "old style", du.Point(x, 105), du.Size(60, 10), wxRB_GROUP);
    new wxRadioButton(this, c.freeId, "free style", du.Point(x + 64, 105), du.Size(60, 10));
    new wxButton(this, c.buttonId, c.button, du.Point(x, 118), du.Size(130, 14));
    m_pList[list]->Bind(wxEVT_LISTBOX, &CLayerBulkActivePanel::OnListSelection, this);
    m_pList[list]->Bind(wxEVT_LISTBOX_DCLICK, &CLayerBulkActivePanel::OnListDoubleClick, this);
    Bind(wxEVT_RADIOBUTTON, &CLayerBulkActivePanel::OnStyle, this, c.oldId);
    Bind(wxEVT_RADIOBUTTON, &CLayerBulkActivePanel::OnStyle, this, c.freeId);
    Bind(wxEVT_BUTTON, &CLayerBulkActivePanel::OnShowParam, this, c.buttonId);
}

void CLayerBulkActivePanel::OnInitPage()
{
    m_material.OnInitPage();
    for (int list : {Page::BULK, Page::ACTIVE}) {
        const ListControls& c = kLists[list];
        static_cast<wxRadioButton*>(FindWindow(m_material.m_bOldStyle[list] ? c.oldId : c.freeId))->SetValue(true);
        FillList(list);
    }
}

void CLayerBulkActivePanel::FillList(int list)
{
    wxListBox* box = m_pList[list];
    box->Clear();
    for (const std::string& entry : m_material.GetListEntries(static_cast<Page::Macro>(list)))
        box->Append(wxString::FromUTF8(entry));
}

void CLayerBulkActivePanel::ShowPage()
{
    ShowValues();
    if (m_material.m_nGradingChoice < 0 || m_material.m_nGradingChoice >= Page::kGradingChoices)
        m_pNoGrading->SetValue(true);
}

void CLayerBulkActivePanel::OnListSelection(wxCommandEvent& event)
{
    const int selection = event.GetSelection();
    if (selection == wxNOT_FOUND)
        return;
    const Page::Macro list = ListOfControl(event.GetId());
    m_material.OnListSelection(list, m_pList[list]->GetString(selection).ToStdString(wxConvUTF8));
    ShowPage();
}

void CLayerBulkActivePanel::OnListDoubleClick(wxCommandEvent& event)
{
    OnListSelection(event);
    ShowPage();
    m_material.CommitMacro(ListOfControl(event.GetId()));
}

void CLayerBulkActivePanel::OnShowParam(wxCommandEvent& event)
{
    ShowPage();
    m_material.CommitMacro(ListOfControl(event.GetId()));
}

void CLayerBulkActivePanel::OnStyle(wxCommandEvent& event)
{
    const Page::Macro list = ListOfControl(event.GetId());
    m_material.OnStyle(list, event.GetId() == kLists[list].oldId);
    FillList(list);
}

void CLayerBulkActivePanel::OnGrading(wxCommandEvent& event)
{
    m_material.OnGradingChoice(event.GetId() - Page::IDC_GRADING_NONE);
    // A cancelled grading dialog gives the previous choice back.
    ShowPage();
}

bool CLayerBulkActivePanel::RunMacroParamDlg(CMacroParamDlg& dialog)
{
    CMacroParamWindow window(this, dialog, m_material.Macros());
    return window.ShowModal() == wxID_OK;
}

bool CLayerBulkActivePanel::RunGradingDlg(CCompositionGradingDlg& dialog)
{
    CCompositionGradingWindow window(this, dialog);
    return window.ShowModal() == wxID_OK;
}

bool CLayerBulkActivePanel::RunContactParamDlg(CContactParamDlg& dialog)
{
    CContactParamWindow window(this, dialog);
    return window.ShowModal() == wxID_OK;
}
