#include "dialogs/GeneralSheet.h"

#include "dialogs/LayerBulkActivePanel.h"
#include "dialogs/LayerContactPanel.h"
#include "dialogs/LayerDopPanel.h"
#include "dialogs/LayerGratingComposPanel.h"
#include "dialogs/LayerLabelPositionPanel.h"
#include "dialogs/LayerSizePanel.h"
#include "dialogs/LayerVcselPanel.h"
#include "dialogs/MeshPagePanel.h"
#include "dialogs/SheetPagePanel.h"
#include "dialogs/VcselTypeExistsDlg.h"
#include "dialogs/ZSegmentPanel.h"
#include "sheets/General.h"

#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/sizer.h>

namespace {

// Bold italic Arial, 20 pixels high.
wxFont BannerFont()
{
    return wxFont(wxFontInfo(wxSize(0, 20)).FaceName("Arial").Bold().Italic());
}

}  // namespace

CGeneralSheet::CGeneralSheet(wxWindow* parent, CGeneral& general) : m_general(general)
{
    Create(parent, wxID_ANY, wxString::FromUTF8(general.m_strCaption));
    if (general.m_bAllPages) {
        wxWindow* book = GetBookCtrl();
        AddPage(CGeneral::SIZE_PAGE, new CLayerSizePanel(book, general.m_SizePage), " Size_Info");
        AddPage(CGeneral::MATERIAL_PAGE, new CLayerBulkActivePanel(book, general.m_MaterialPage), "Material");
        AddPage(CGeneral::DOPING_PAGE, new CLayerDopPanel(book, general.m_DopingPage), "Doping");
        AddPage(CGeneral::CONTACT_PAGE, new CLayerContactPanel(book, general.m_ContactPage), "Contact");
        AddPage(CGeneral::COLUMN_MESH_PAGE, new CMeshPagePanel(book, general.m_ColumnMeshPage), "Column_Mesh");
        AddPage(CGeneral::LAYER_MESH_PAGE, new CMeshPagePanel(book, general.m_LayerMeshPage), "Layer_Mesh");
        AddPage(CGeneral::GRATING_PAGE, new CLayerGratingComposPanel(book, general.m_GratingPage),
                "DFB/DBR grating setting");
        AddPage(CGeneral::VCSEL_PAGE, new CLayerVcselPanel(book, general.m_VcselPage), "Vcsel");
        AddPage(CGeneral::LABEL_PAGE, new CLayerLabelPositionPanel(book, general.m_LabelPage), "Label Postion");
    } else {
        AddPage(CGeneral::ZSEGMENT_PAGE, new CZSegmentPanel(GetBookCtrl(), general.m_ZSegmentPage),
                CZSegmentPage::kCaption);
    }
    CreateButtonRow();
    LayoutDialog();
    m_fontBanner = BannerFont();
    general.SetWindow(this);

    GetBookCtrl()->Bind(wxEVT_BOOKCTRL_PAGE_CHANGING, &CGeneralSheet::OnPageChanging, this);
    GetBookCtrl()->Bind(wxEVT_BOOKCTRL_PAGE_CHANGED, &CGeneralSheet::OnPageChanged, this);
    Bind(wxEVT_BUTTON, &CGeneralSheet::OnOk, this, wxID_OK);
    Bind(wxEVT_PAINT, &CGeneralSheet::OnPaint, this);
    Bind(wxEVT_CHAR_HOOK, &CGeneralSheet::OnCharHook, this);
}

CGeneralSheet::~CGeneralSheet() { m_general.SetWindow(nullptr); }

void CGeneralSheet::AddPage(int pageIndex, CSheetPagePanel* panel, const char* caption)
{
    // The tabs stand in the order of the page indexes, whatever order the pages are added in.
    size_t position = 0;
    while (position < m_pages.size() && m_pages[position].index < pageIndex)
        ++position;
    GetBookCtrl()->InsertPage(position, panel, caption);
    m_pages.insert(m_pages.begin() + position, {pageIndex, panel});
}

void CGeneralSheet::CreateButtonRow()
{
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->AddStretchSpacer();
    m_pOk = new wxButton(this, wxID_OK, "OK");
    m_pOk->SetDefault();  // shown as the default; the Enter key still does nothing (OnCharHook)
    row->Add(m_pOk, 0, wxALL, 4);
    row->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxALL, 4);
    GetInnerSizer()->Add(row, 0, wxEXPAND | wxALL, 2);
    SetEscapeId(wxID_CANCEL);
}

void CGeneralSheet::Open()
{
    PlaceOnScreen();
    // The grating page opens with the sheet, so its profile is drawn from the start and OK always
    // checks it.
    if (CSheetPagePanel* grating = FindPagePanel(CGeneral::GRATING_PAGE))
        grating->InitialiseOnFirstShow();
    if (CSheetPagePanel* start = ActivePanel())
        start->InitialiseOnFirstShow();
    m_general.OnInitDialog();
}

void CGeneralSheet::PlaceOnScreen()
{
    // Centred first, so a sheet without a saved place keeps a centred top.
    CentreOnParent();
    const wxRect window = GetRect();
    const wxSize screen = wxGetDisplaySize();
    int x = 0, y = 0;
    CGeneral::OpenPosition(CGeneral::LoadSavedPosition(), window.y, window.width, window.height, screen.x, screen.y,
                           x, y);
    Move(x, y);
}

void CGeneralSheet::EndModal(int retCode)
{
    const wxPoint place = GetPosition();
    CGeneral::SavePosition(place.x, place.y);
    wxPropertySheetDialog::EndModal(retCode);
}

CSheetPagePanel* CGeneralSheet::FindPagePanel(int pageIndex) const
{
    for (const Page& page : m_pages)
        if (page.index == pageIndex)
            return page.panel;
    return nullptr;
}

CSheetPagePanel* CGeneralSheet::ActivePanel() const
{
    wxWindow* current = GetBookCtrl()->GetCurrentPage();
    for (const Page& page : m_pages)
        if (page.panel == current)
            return page.panel;
    return nullptr;
}

// ---- ILayerSheetWindow ----

bool CGeneralSheet::CommitActivePage()
{
    CSheetPagePanel* active = ActivePanel();
    return !active || active->ReadValues();
}

bool CGeneralSheet::ReadPage(int pageIndex)
{
    CSheetPagePanel* panel = FindPagePanel(pageIndex);
    return !panel || panel->ReadValues();
}

void CGeneralSheet::RefreshPage(int pageIndex)
{
    if (CSheetPagePanel* panel = FindPagePanel(pageIndex))
        panel->ShowValues();
}

void CGeneralSheet::ActivatePage(int pageIndex, int focusControl)
{
    CSheetPagePanel* panel = FindPagePanel(pageIndex);
    if (!panel)
        return;
    const int position = GetBookCtrl()->FindPage(panel);
    if (GetBookCtrl()->GetSelection() != position)
        GetBookCtrl()->SetSelection(position);
    if (focusControl != 0 && ActivePanel() == panel)
        if (wxWindow* control = panel->FindWindow(focusControl))
            control->SetFocus();
}

int CGeneralSheet::RunVcselTypeExistsDlg()
{
    CVcselTypeExistsDlg dialog(this);
    return CVcselTypeExistsDlg::ChoiceOf(dialog.ShowModal());
}

void CGeneralSheet::EndOk() { EndModal(wxID_OK); }

// ---- events ----

void CGeneralSheet::OnOk(wxCommandEvent&) { m_general.OnOkPressed(); }

void CGeneralSheet::OnPageChanging(wxBookCtrlEvent& event)
{
    // Leaving a page takes its values; a refused value keeps the page.
    const int old = event.GetOldSelection();
    if (old == wxNOT_FOUND)
        return;
    for (const Page& page : m_pages) {
        if (GetBookCtrl()->GetPage(old) != page.panel || page.panel->ReadValues())
            continue;
        event.Veto();
        // GTK changes the page in spite of the veto: the refused page is shown again once the
        // change is through.
        m_nReturnPage = old;
        CallAfter([this] {
            if (m_nReturnPage >= 0 && GetBookCtrl()->GetSelection() != m_nReturnPage)
                GetBookCtrl()->ChangeSelection(static_cast<size_t>(m_nReturnPage));
            m_nReturnPage = -1;
        });
    }
}

void CGeneralSheet::OnPageChanged(wxBookCtrlEvent&)
{
    if (m_nReturnPage >= 0)
        return;
    if (CSheetPagePanel* shown = ActivePanel())
        shown->InitialiseOnFirstShow();
}

wxRect CGeneralSheet::GetBannerRect() const
{
    const wxRect tabs = GetBookCtrl()->GetRect();
    const wxRect ok = m_pOk->GetRect();
    return wxRect(tabs.x, ok.y, ok.x - tabs.x, ok.height);
}

void CGeneralSheet::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    if (m_general.m_strBanner.empty())
        return;
    const wxString text = wxString::FromUTF8(m_general.m_strBanner);
    const wxRect banner = GetBannerRect();
    dc.SetFont(m_fontBanner);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    // An engraved look: the text in the highlight colour one pixel down and right, then in the
    // shadow colour on top.
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_3DHIGHLIGHT));
    dc.DrawLabel(text, wxRect(banner.x + 1, banner.y + 1, banner.width, banner.height),
                 wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_3DSHADOW));
    dc.DrawLabel(text, banner, wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
}

void CGeneralSheet::OnCharHook(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER)
        return;
    event.Skip();
}

bool CGeneralSheet::TryAfter(wxEvent& event)
{
    if (wxPropertySheetDialog::TryAfter(event))
        return true;
    // Only the commands of a menu the sheet or a page popped up travel on.
    const wxEventType type = event.GetEventType();
    if ((type != wxEVT_MENU && type != wxEVT_UPDATE_UI) || !dynamic_cast<wxMenu*>(event.GetEventObject()))
        return false;
    wxWindow* owner = GetParent();
    const bool handled = owner && owner->GetEventHandler()->SafelyProcessEvent(event);
    if (type == wxEVT_UPDATE_UI) {
        auto& ui = static_cast<wxUpdateUIEvent&>(event);
        if (!ui.GetSetEnabled())
            ui.Enable(false);
        return true;
    }
    return handled;
}
