#include "dialogs/LayerSizePanel.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/SeriesEdit.h"
#include "sheets/DataExchange.h"
#include "sheets/LayerSize.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/scrolbar.h>
#include <wx/stattext.h>

namespace {

// One value of the page: its label, box, unit and bar, one row under the other.
struct SizeRow {
    const char* label;
    int labelId;
    int boxId;
    int unitId;
    int barId;
    int y;
};

const SizeRow kRows[] = {
    {"The Height Of Current Layer", wxID_ANY, CLayerSize::IDC_HEIGHT, wxID_ANY, CLayerSize::IDC_HEIGHT_SCROLL, 8},
    {"The Width Of Current Layer", CLayerSize::IDC_WIDTH_LABEL, CLayerSize::IDC_WIDTH, CLayerSize::IDC_WIDTH_UNIT,
     CLayerSize::IDC_WIDTH_SCROLL, 40},
    {"Upper_W#(The Width Of Current Layer's Upper Edge)", CLayerSize::IDC_UPPER_LABEL, CLayerSize::IDC_UPPER_WIDTH,
     CLayerSize::IDC_UPPER_UNIT, CLayerSize::IDC_UPPER_SCROLL, 72},
    {"Lower_W#(The Width Of Current Layer's Lower Edge)", CLayerSize::IDC_LOWER_LABEL, CLayerSize::IDC_LOWER_WIDTH,
     CLayerSize::IDC_LOWER_UNIT, CLayerSize::IDC_LOWER_SCROLL, 104},
};

// Controls whose enabling follows the page's mode.
const int kModeControls[] = {
    CLayerSize::IDC_WIDTH,       CLayerSize::IDC_WIDTH_SCROLL, CLayerSize::IDC_WIDTH_LABEL, CLayerSize::IDC_WIDTH_UNIT,
    CLayerSize::IDC_UPPER_WIDTH, CLayerSize::IDC_UPPER_SCROLL, CLayerSize::IDC_UPPER_LABEL, CLayerSize::IDC_UPPER_UNIT,
    CLayerSize::IDC_LOWER_WIDTH, CLayerSize::IDC_LOWER_SCROLL, CLayerSize::IDC_LOWER_LABEL, CLayerSize::IDC_LOWER_UNIT,
};

const int kPageWidth = 290;
const int kPageHeight = 160;
// wx bars count from 0: bar position p (1 .. 200) is wx position p - 1.
const int kBarRange = CLayerSize::kScrollMax - CLayerSize::kScrollMin + 1;
const int kBarPage = 10;

CLayerSize::ScrollCode ScrollCodeOf(wxEventType type)
{
    if (type == wxEVT_SCROLL_LINEUP)
        return CLayerSize::SB_LINELEFT;
    if (type == wxEVT_SCROLL_LINEDOWN)
        return CLayerSize::SB_LINERIGHT;
    if (type == wxEVT_SCROLL_PAGEUP)
        return CLayerSize::SB_PAGELEFT;
    if (type == wxEVT_SCROLL_PAGEDOWN)
        return CLayerSize::SB_PAGERIGHT;
    if (type == wxEVT_SCROLL_THUMBRELEASE)
        return CLayerSize::SB_THUMBPOSITION;
    if (type == wxEVT_SCROLL_THUMBTRACK)
        return CLayerSize::SB_THUMBTRACK;
    if (type == wxEVT_SCROLL_TOP)
        return CLayerSize::SB_LEFT;
    if (type == wxEVT_SCROLL_BOTTOM)
        return CLayerSize::SB_RIGHT;
    return CLayerSize::SB_ENDSCROLL;
}

}  // namespace

CLayerSizePanel::CLayerSizePanel(wxWindow* book, CLayerSize& page) : CSheetPagePanel(book, page), m_size(page)
{
    CreateControls();
}

void CLayerSizePanel::CreateControls()
{
    const CDialogUnits du(this);
    for (int i = 0; i < 4; ++i) {
        const SizeRow& row = kRows[i];
        new wxStaticText(this, row.labelId, row.label, du.Point(8, row.y + 2), du.Size(180, 9));
        auto* box = new CSeriesEdit(this, row.boxId, du.Point(190, row.y), du.Size(50, 12));
        box->SetParamId(CLayerSize::kParamIds[i]);
        box->Bind(wxEVT_TEXT, &CLayerSizePanel::OnBoxText, this);
        new wxStaticText(this, row.unitId, "um", du.Point(244, row.y + 2), du.Size(20, 9));
        auto* bar = new wxScrollBar(this, row.barId, du.Point(8, row.y + 15), du.Size(270, 10), wxSB_HORIZONTAL);
        bar->SetScrollbar(0, 1, kBarRange, kBarPage);
        for (const wxEventTypeTag<wxScrollEvent>& type : {wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM, wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN,
                                 wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN, wxEVT_SCROLL_THUMBTRACK,
                                 wxEVT_SCROLL_THUMBRELEASE, wxEVT_SCROLL_CHANGED})
            bar->Bind(type, &CLayerSizePanel::OnScroll, this);
    }
    m_pConvert = new wxButton(this, CLayerSize::IDC_CONVERT, m_size.GetConvertButtonText(), du.Point(8, 136),
                              du.Size(120, 14));
    m_pConvert->Bind(wxEVT_BUTTON, &CLayerSizePanel::OnConvert, this);
    new wxStaticText(this, wxID_ANY, "Solve_Wave_Equation:", du.Point(140, 139), du.Size(72, 9));
    const wxString entries[] = {"no", "yes"};
    m_pWaveEquation = new wxChoice(this, CLayerSize::IDC_WAVE_EQUATION, du.Point(214, 136), du.Size(64, 14), 2, entries);
    m_pWaveEquation->Bind(wxEVT_CHOICE, &CLayerSizePanel::OnWaveEquation, this);
    SetMinSize(du.Size(kPageWidth, kPageHeight));
}

void CLayerSizePanel::OnInitPage()
{
    m_size.OnInitPage();
    UpdateGraphButton();
    m_pWaveEquation->SetSelection(m_size.GetWaveEquationSelection());
}

void CLayerSizePanel::UpdateGraphButton()
{
    for (const SizeRow& row : kRows)
        ShowBarPosition(row.barId);
    for (int id : kModeControls)
        if (wxWindow* control = FindWindow(id))
            control->Enable(m_size.IsControlEnabled(id));
    m_pConvert->SetLabel(m_size.GetConvertButtonText());
}

void CLayerSizePanel::ShowBarPosition(int barId)
{
    if (auto* bar = dynamic_cast<wxScrollBar*>(FindWindow(barId)))
        bar->SetThumbPosition(m_size.GetScrollPosition(barId) - CLayerSize::kScrollMin);
}

void CLayerSizePanel::OnBoxText(wxCommandEvent& event) { m_size.OnBoxChanged(event.GetId()); }

void CLayerSizePanel::OnWaveEquation(wxCommandEvent&) { m_size.OnWaveEquationChanged(m_pWaveEquation->GetSelection()); }

void CLayerSizePanel::OnConvert(wxCommandEvent&)
{
    m_size.ToggleRegular();
    UpdateGraphButton();
}

void CLayerSizePanel::OnScroll(wxScrollEvent& event)
{
    const CLayerSize::ScrollCode code = ScrollCodeOf(event.GetEventType());
    const int boxId = m_size.OnHScroll(event.GetId(), code, event.GetPosition() + CLayerSize::kScrollMin);
    // While the thumb is dragged the bar follows the pointer; it settles when it is released.
    if (code != CLayerSize::SB_THUMBTRACK)
        ShowBarPosition(event.GetId());
    // Only the scrolled value's box changes: what was typed in the others stays.
    if (boxId != 0)
        SetControlText(boxId, CDataExchange::FloatText(m_size.GetBoxValue(boxId)));
    event.Skip();
}
