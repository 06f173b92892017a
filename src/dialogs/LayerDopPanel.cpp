#include "dialogs/LayerDopPanel.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/SeriesEdit.h"
#include "sheets/LayerDop.h"

#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace {

const int kPageWidth = 290;
const int kPageHeight = 160;

}  // namespace

CLayerDopPanel::CLayerDopPanel(wxWindow* book, CLayerDop& page) : CSheetPagePanel(book, page), m_doping(page)
{
    CreateControls();
}

void CLayerDopPanel::CreateControls()
{
    const CDialogUnits du(this);
    new wxStaticText(this, wxID_ANY, "  Define doping profile", du.Point(8, 6), du.Size(200, 9));
    new wxStaticBox(this, wxID_ANY, "Doping type", du.Point(8, 20), du.Size(70, 56));
    const char* const types[] = {"NONE", "N", "P"};
    for (int i = 0; i < 3; ++i) {
        const int id = CLayerDop::IDC_NONE + i;
        new wxRadioButton(this, id, types[i], du.Point(16, 32 + i * 14), du.Size(50, 10), i == 0 ? wxRB_GROUP : 0);
        Bind(wxEVT_RADIOBUTTON, &CLayerDopPanel::OnType, this, id);
    }
    new wxStaticText(this, wxID_ANY, "Concentration (m^-3):", du.Point(90, 26), du.Size(90, 9));
    auto* concentration = new CSeriesEdit(this, CLayerDop::IDC_CONCENTRATION, du.Point(184, 24), du.Size(80, 12));
    concentration->SetParamId(CLayerDop::kConcentrationParamId);
    new wxStaticText(this, wxID_ANY, "Gauss Tail (uM !=0): ", du.Point(90, 44), du.Size(90, 9));
    auto* tail = new CSeriesEdit(this, CLayerDop::IDC_GAUSS_TAIL, du.Point(184, 42), du.Size(80, 12));
    tail->SetParamId(CLayerDop::kGaussTailParamId);
    new wxStaticText(this, wxID_ANY, "n_newdoping_index:", du.Point(90, 62), du.Size(90, 9));
    new wxTextCtrl(this, CLayerDop::IDC_N_INDEX, "", du.Point(184, 60), du.Size(40, 12));
    new wxStaticText(this, wxID_ANY, "p_newdoping_index:", du.Point(90, 80), du.Size(90, 9));
    new wxTextCtrl(this, CLayerDop::IDC_P_INDEX, "", du.Point(184, 78), du.Size(40, 12));

    // The new-doping text keeps whatever statement the layer carries; its group stays hidden.
    auto* group = new wxStaticBox(this, wxID_ANY, "New_Doping( if any )", du.Point(8, 100), du.Size(120, 30));
    const wxString entries[] = {"", "new_doping", "new_doping2", "new_doping3", "new_doping4", "new_doping5"};
    auto* newDoping = new wxComboBox(this, CLayerDop::IDC_NEW_DOPING, "", du.Point(14, 112), du.Size(100, 40), 6,
                                     entries, wxCB_DROPDOWN);
    group->Hide();
    newDoping->Hide();
    SetMinSize(du.Size(kPageWidth, kPageHeight));
}

void CLayerDopPanel::OnInitPage() { ShowControlStates(); }

void CLayerDopPanel::ShowControlStates()
{
    for (int id : {CLayerDop::IDC_CONCENTRATION, CLayerDop::IDC_GAUSS_TAIL, CLayerDop::IDC_N_INDEX,
                   CLayerDop::IDC_P_INDEX})
        static_cast<wxTextCtrl*>(FindWindow(id))->SetEditable(!m_doping.IsReadOnly(id));
}

void CLayerDopPanel::OnType(wxCommandEvent& event)
{
    m_doping.OnType(static_cast<CLayerDop::DopingType>(event.GetId() - CLayerDop::IDC_NONE), *this);
    // A value that did not read keeps the type the page has.
    static_cast<wxRadioButton*>(FindWindow(CLayerDop::IDC_NONE + m_doping.m_nDopingType))->SetValue(true);
    ShowControlStates();
    if (const int focus = m_doping.GetFocusControl())
        FocusControl(focus);
}
