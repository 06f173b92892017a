#include "dialogs/LayerGratingComposPanel.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/SeriesEdit.h"
#include "sheets/DataExchange.h"
#include "sheets/LayerGratingCompos.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/pen.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace {

using Grating = CLayerGratingCompos;

const int kPageWidth = 340;
const int kPageHeight = 194;
const int kRedrawMilliseconds = 200;

const char* const kDistanceLabels[Grating::kDistances] = {"high-index distance:", "fall index distance:",
                                                          "low-index distance:", "rise index distance:"};
const char* const kHighLabels[2] = {"Macro name of the high index section:",
                                    "Active_macro name of the high index section:"};
const char* const kLowLabels[2] = {"Macro name of the low index section:",
                                   "Active_macro name of the low index section:"};
const char* const kParamLabels[2] = {"Macro parameters:", "Active_macro parameters:"};

int MacroOfChoice(int id)
{
    for (int m = 0; m < Grating::kMacros; ++m)
        if (Grating::kParamChoices[m] == id)
            return m;
    return -1;
}

}  // namespace

CLayerGratingComposPanel::CLayerGratingComposPanel(wxWindow* book, CLayerGratingCompos& page)
    : CSheetPagePanel(book, page), m_grating(page), m_timer(this)
{
    CreateControls();
    Bind(wxEVT_TIMER, &CLayerGratingComposPanel::OnTimer, this);
}

CLayerGratingComposPanel::~CLayerGratingComposPanel() { m_timer.Stop(); }

void CLayerGratingComposPanel::CreateControls()
{
    const CDialogUnits du(this);
    CreateDistanceGroup();
    CreateSection(Grating::HI_VAR, 76, "High index section", kHighLabels);
    CreateSection(Grating::LO_VAR, 124, "Low index section", kLowLabels);

    new wxStaticText(this, wxID_ANY, "Please set grating_order:", du.Point(8, 176), du.Size(84, 9));
    const wxString orders[] = {"1", "2"};
    m_pOrder = new wxChoice(this, Grating::IDC_ORDER, du.Point(94, 174), du.Size(30, 14), 2, orders);
    m_pOrder->Bind(wxEVT_CHOICE, &CLayerGratingComposPanel::OnOrderChoice, this);
    new wxStaticText(this, wxID_ANY, "Column:", du.Point(136, 176), du.Size(28, 9));
    auto* column = new wxTextCtrl(this, Grating::IDC_COLUMN, wxEmptyString, du.Point(166, 174), du.Size(24, 12));
    column->Disable();
    m_pInput = new wxCheckBox(this, Grating::IDC_INPUT, "Input grating_compos", du.Point(220, 175), du.Size(100, 10));
    m_pInput->Bind(wxEVT_CHECKBOX, &CLayerGratingComposPanel::OnInputBox, this);
    SetMinSize(du.Size(kPageWidth, kPageHeight));
}

void CLayerGratingComposPanel::CreateDistanceGroup()
{
    const CDialogUnits du(this);
    new wxStaticBox(this, wxID_ANY, "The profile of index change (um)", du.Point(4, 2), du.Size(332, 70));
    for (int d = 0; d < Grating::kDistances; ++d) {
        const int y = 14 + 14 * d;
        new wxStaticText(this, wxID_ANY, kDistanceLabels[d], du.Point(10, y + 2), du.Size(70, 9));
        auto* box = new CSeriesEdit(this, Grating::kDistanceBoxes[d], du.Point(82, y), du.Size(44, 12));
        box->SetParamId(Grating::kDistanceParamIds[d]);
    }
    m_pProfile = new wxWindow(this, Grating::IDC_PROFILE, du.Point(140, 14), du.Size(188, 52), wxBORDER_SIMPLE);
    m_pProfile->SetBackgroundColour(*wxWHITE);
    m_pProfile->Bind(wxEVT_PAINT, &CLayerGratingComposPanel::OnPaintProfile, this);
}

void CLayerGratingComposPanel::CreateSection(int firstMacro, int y, const char* title, const char* const* labels)
{
    const CDialogUnits du(this);
    new wxStaticBox(this, wxID_ANY, title, du.Point(4, y - 2), du.Size(332, 46));
    for (int row = 0; row < 2; ++row) {
        const int m = firstMacro + row;
        const int rowY = y + 10 + 16 * row;
        new wxStaticText(this, wxID_ANY, labels[row], du.Point(8, rowY + 2), du.Size(140, 9));
        new wxTextCtrl(this, Grating::kNameBoxes[m], wxEmptyString, du.Point(150, rowY), du.Size(40, 12));
        new wxStaticText(this, wxID_ANY, kParamLabels[row], du.Point(194, rowY + 2), du.Size(50, 9));
        wxArrayString entries;
        for (const std::string& entry : Grating::ParamEntries(static_cast<Grating::Macro>(m)))
            entries.Add(entry);
        m_pParam[m] = new wxChoice(this, Grating::kParamChoices[m], du.Point(246, rowY), du.Size(42, 14), entries);
        m_pParam[m]->Bind(wxEVT_CHOICE, &CLayerGratingComposPanel::OnParamChoice, this);
        auto* value = new CSeriesEdit(this, Grating::kValueBoxes[m], du.Point(292, rowY), du.Size(40, 12));
        value->SetParamId(Grating::kValueParamIds[m]);
    }
}

void CLayerGratingComposPanel::OnInitPage()
{
    m_grating.OnInitPage();
    m_timer.Start(kRedrawMilliseconds);
}

void CLayerGratingComposPanel::ShowValues()
{
    CSheetPagePanel::ShowValues();
    for (int m = 0; m < Grating::kMacros; ++m)
        m_pParam[m]->SetSelection(m_grating.m_nSlot[m]);
    m_pOrder->SetSelection(m_grating.m_nOrderSelection);
    m_pInput->SetValue(m_grating.GetValues().m_nPresent == 1);
    UpdateEnabling();
}

void CLayerGratingComposPanel::UpdateEnabling()
{
    for (int id : Grating::InputControls())
        if (wxWindow* control = FindWindow(id))
            control->Enable(m_grating.IsControlEnabled(id));
}

void CLayerGratingComposPanel::OnParamChoice(wxCommandEvent& event)
{
    const int macro = MacroOfChoice(event.GetId());
    if (macro < 0)
        return;
    const bool read = ReadValues();
    m_grating.OnSelChangeParam(static_cast<Grating::Macro>(macro), m_pParam[macro]->GetSelection(), read);
    ShowValues();
}

void CLayerGratingComposPanel::OnOrderChoice(wxCommandEvent&)
{
    m_grating.m_nOrderSelection = m_pOrder->GetSelection();
    m_grating.OnSelChangeOrder(m_pOrder->GetSelection());
}

void CLayerGratingComposPanel::OnInputBox(wxCommandEvent&)
{
    m_grating.OnInputChanged(m_pInput->GetValue());
    UpdateEnabling();
}

void CLayerGratingComposPanel::OnTimer(wxTimerEvent&) { m_pProfile->Refresh(); }

void CLayerGratingComposPanel::ReadShownDistances(double distances[]) const
{
    for (int d = 0; d < Grating::kDistances; ++d) {
        double value = 0.0;
        distances[d] = CDataExchange::ReadReal(GetControlText(Grating::kDistanceBoxes[d]), value)
                           ? value
                           : m_grating.m_dDistance[d];
    }
}

void CLayerGratingComposPanel::OnPaintProfile(wxPaintEvent&)
{
    wxPaintDC dc(m_pProfile);
    double distances[Grating::kDistances];
    ReadShownDistances(distances);
    const wxSize size = m_pProfile->GetClientSize();
    const std::vector<Grating::Point> profile = Grating::GetProfile(distances, size.x, size.y);
    dc.SetPen(wxPen(*wxBLACK, 1));
    for (size_t i = 1; i < profile.size(); ++i)
        dc.DrawLine(profile[i - 1].x, profile[i - 1].y, profile[i].x, profile[i].y);
}
