#include "dialogs/LayerContactPanel.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/GridCtrlWnd.h"
#include "sheets/LayerContact.h"

#include <wx/button.h>
#include <wx/stattext.h>

namespace {

const int kPageWidth = 288;
const int kPageHeight = 243;

}  // namespace

CLayerContactPanel::CLayerContactPanel(wxWindow* book, CLayerContact& page)
    : CSheetPagePanel(book, page), m_contact(page)
{
    CreateControls();
}

void CLayerContactPanel::CreateControls()
{
    const CDialogUnits du(this);
    new wxButton(this, CLayerContact::IDC_REMOVE, "Remove", du.Point(8, 206), du.Size(50, 14));
    new wxButton(this, CLayerContact::IDC_REMOVE_ALL, "Remove all", du.Point(66, 206), du.Size(50, 14));
    new wxStaticText(this, wxID_ANY, "Notes:Double click grid to select side or contact type!", du.Point(8, 228),
                     du.Size(270, 9));
    Bind(wxEVT_BUTTON, &CLayerContactPanel::OnRemove, this, CLayerContact::IDC_REMOVE);
    Bind(wxEVT_BUTTON, &CLayerContactPanel::OnRemoveAll, this, CLayerContact::IDC_REMOVE_ALL);
    SetMinSize(du.Size(kPageWidth, kPageHeight));
}

void CLayerContactPanel::OnInitPage()
{
    // The grid is a window of its own, made in pixels where the page always had it.
    const wxRect rect(wxPoint(CLayerContact::kGridLeft, CLayerContact::kGridTop),
                      wxPoint(CLayerContact::kGridRight - 1, CLayerContact::kGridBottom - 1));
    m_pGrid = new CGridCtrlWnd(this, CLayerContact::IDC_GRID, rect, m_contact.Grid());
    m_contact.OnInitDialog();
}

bool CLayerContactPanel::ReadValues()
{
    if (!m_pGrid)
        return true;
    m_pGrid->CommitEdit();
    return m_contact.OnKillActive();
}

void CLayerContactPanel::OnRemove(wxCommandEvent&)
{
    if (m_pGrid)
        m_pGrid->CommitEdit();
    m_contact.OnRemove();
}

void CLayerContactPanel::OnRemoveAll(wxCommandEvent&)
{
    if (m_pGrid)
        m_pGrid->CommitEdit();
    m_contact.OnRemoveAll();
}
