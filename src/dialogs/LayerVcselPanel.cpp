#include "dialogs/LayerVcselPanel.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/SeriesEdit.h"
#include "sheets/LayerVcsel.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace {

using Vcsel = CLayerVcsel;

const int kPageWidth = 340;
const int kPageHeight = 150;

// The boxes whose enabling and editing follow the page's state.
const int kStateBoxes[] = {Vcsel::IDC_TYPE_NAME, Vcsel::IDC_SECTION_LOSS, Vcsel::IDC_SECTION_INDEX,
                           Vcsel::IDC_MESH_POINTS};

}  // namespace

CLayerVcselPanel::CLayerVcselPanel(wxWindow* book, CLayerVcsel& page) : CSheetPagePanel(book, page), m_vcsel(page)
{
    CreateControls();
}

void CLayerVcselPanel::CreateControls()
{
    const CDialogUnits du(this);
    m_pInput = new wxCheckBox(this, Vcsel::IDC_INPUT_VCSEL, "Input Vcsel", du.Point(8, 6), du.Size(60, 10));
    m_pInput->Bind(wxEVT_CHECKBOX, &CLayerVcselPanel::OnInputVcsel, this);

    new wxStaticBox(this, wxID_ANY, "Vcsel Create Mode", du.Point(4, 20), du.Size(332, 30));
    m_pEqualPrevious = new wxRadioButton(this, Vcsel::IDC_EQUAL_PREVIOUS, "Equal Previous", du.Point(10, 33),
                                         du.Size(64, 10), wxRB_GROUP);
    m_pNewVcsel = new wxRadioButton(this, Vcsel::IDC_NEW_VCSEL, "New Vcsel", du.Point(150, 33), du.Size(56, 10));
    m_pTypes = new wxChoice(this, Vcsel::IDC_TYPES, du.Point(76, 31), du.Size(68, 14));
    m_pEqualPrevious->Bind(wxEVT_RADIOBUTTON, &CLayerVcselPanel::OnEqualPrevious, this);
    m_pNewVcsel->Bind(wxEVT_RADIOBUTTON, &CLayerVcselPanel::OnNewVcsel, this);
    m_pTypes->Bind(wxEVT_CHOICE, &CLayerVcselPanel::OnTypes, this);

    new wxStaticText(this, wxID_ANY, "Vcsel_type :", du.Point(8, 58), du.Size(44, 9));
    new wxTextCtrl(this, Vcsel::IDC_TYPE_NAME, wxEmptyString, du.Point(54, 56), du.Size(56, 12));
    new wxStaticText(this, wxID_ANY, "Grating_model:", du.Point(118, 58), du.Size(52, 9));
    wxArrayString models;
    for (const char* model : Vcsel::kGratingModels)
        models.Add(model);
    m_pGratingModel = new wxChoice(this, Vcsel::IDC_GRATING_MODEL, du.Point(172, 56), du.Size(50, 14), models);
    m_pGratingModel->Bind(wxEVT_CHOICE, &CLayerVcselPanel::OnGratingModel, this);
    new wxStaticText(this, wxID_ANY, "Active:", du.Point(232, 58), du.Size(26, 9));
    const wxString actives[] = {Vcsel::kActiveTexts[0], Vcsel::kActiveTexts[1]};
    m_pActive = new wxChoice(this, Vcsel::IDC_ACTIVE, du.Point(260, 56), du.Size(36, 14), 2, actives);
    m_pActive->Bind(wxEVT_CHOICE, &CLayerVcselPanel::OnActive, this);

    new wxStaticText(this, wxID_ANY, "Mesh_points:", du.Point(8, 78), du.Size(44, 9));
    new wxTextCtrl(this, Vcsel::IDC_MESH_POINTS, wxEmptyString, du.Point(54, 76), du.Size(40, 12));
    new wxStaticText(this, wxID_ANY, "Section_loss:", du.Point(104, 78), du.Size(46, 9));
    auto* loss = new CSeriesEdit(this, Vcsel::IDC_SECTION_LOSS, du.Point(152, 76), du.Size(40, 12));
    loss->SetParamId(Vcsel::ParamIdOf(Vcsel::IDC_SECTION_LOSS));
    new wxStaticText(this, wxID_ANY, "Section_index:", du.Point(204, 78), du.Size(50, 9));
    auto* index = new CSeriesEdit(this, Vcsel::IDC_SECTION_INDEX, du.Point(256, 76), du.Size(40, 12));
    index->SetParamId(Vcsel::ParamIdOf(Vcsel::IDC_SECTION_INDEX));
    CreatePairs();
    SetMinSize(du.Size(kPageWidth, kPageHeight));
}

void CLayerVcselPanel::CreatePairs()
{
    const CDialogUnits du(this);
    for (int k = 0; k < Vcsel::kPairs; ++k) {
        const int x = 8 + 110 * (k % 3);
        const int y = 96 + 16 * (k / 3);
        const int layerId = Vcsel::IDC_FIRST_PAIR + 2 * k;
        new wxStaticText(this, wxID_ANY, wxString::Format("Layer%d:", k + 1), du.Point(x, y + 2), du.Size(24, 9));
        auto* layer = new CSeriesEdit(this, layerId, du.Point(x + 26, y), du.Size(28, 12));
        layer->SetParamId(Vcsel::ParamIdOf(layerId));
        new wxStaticText(this, wxID_ANY, wxString::Format("Index%d:", k + 1), du.Point(x + 56, y + 2), du.Size(24, 9));
        auto* index = new CSeriesEdit(this, layerId + 1, du.Point(x + 80, y), du.Size(26, 12));
        index->SetParamId(Vcsel::ParamIdOf(layerId + 1));
    }
}

void CLayerVcselPanel::OnInitPage()
{
    m_vcsel.OnInitPage(m_vcsel.GetTypeList());
    FillTypes();
}

void CLayerVcselPanel::FillTypes()
{
    m_pTypes->Clear();
    for (const std::string& entry : Vcsel::TypeEntries(m_vcsel.GetTypeList()))
        m_pTypes->Append(wxString::FromUTF8(entry));
}

void CLayerVcselPanel::ShowValues()
{
    CSheetPagePanel::ShowValues();
    m_pInput->SetValue(m_vcsel.m_nVcselFlag != 0);
    m_pEqualPrevious->SetValue(m_vcsel.m_nCreateMode == Vcsel::EQUAL_PREVIOUS);
    m_pNewVcsel->SetValue(m_vcsel.m_nCreateMode == Vcsel::NEW_VCSEL);
    const int type = m_vcsel.m_nSelectedType;
    m_pTypes->SetSelection(type >= 0 && type < static_cast<int>(m_pTypes->GetCount()) ? type : wxNOT_FOUND);
    m_pGratingModel->SetSelection(m_vcsel.GetGratingModelSelection());
    m_pActive->SetSelection(m_pActive->FindString(wxString::FromUTF8(m_vcsel.m_strActive), true));
    UpdateControls();
}

void CLayerVcselPanel::UpdateControls()
{
    for (int id : {Vcsel::IDC_EQUAL_PREVIOUS, Vcsel::IDC_NEW_VCSEL, Vcsel::IDC_TYPES, Vcsel::IDC_GRATING_MODEL,
                   Vcsel::IDC_ACTIVE})
        FindWindow(id)->Enable(m_vcsel.IsControlEnabled(id));
    std::vector<int> boxes(std::begin(kStateBoxes), std::end(kStateBoxes));
    for (int id = Vcsel::IDC_FIRST_PAIR; id < Vcsel::IDC_FIRST_PAIR + 2 * Vcsel::kPairs; ++id)
        boxes.push_back(id);
    for (int id : boxes) {
        auto* box = static_cast<wxTextCtrl*>(FindWindow(id));
        box->Enable(m_vcsel.IsControlEnabled(id));
        box->SetEditable(!m_vcsel.IsControlReadOnly(id));
    }
}

void CLayerVcselPanel::OnInputVcsel(wxCommandEvent&)
{
    ReadValues();
    m_vcsel.m_nVcselFlag = m_pInput->GetValue() ? 1 : 0;
    m_vcsel.OnInputVcsel(m_vcsel.GetTypeList());
    ShowValues();
}

void CLayerVcselPanel::OnEqualPrevious(wxCommandEvent&)
{
    ReadValues();
    m_vcsel.OnEqualPrevious(m_vcsel.GetTypeList());
    ShowValues();
}

void CLayerVcselPanel::OnNewVcsel(wxCommandEvent&)
{
    ReadValues();
    m_vcsel.OnNewVcsel();
    ShowValues();
}

void CLayerVcselPanel::OnGratingModel(wxCommandEvent&)
{
    ReadValues();
    m_vcsel.OnSelChangeGratingModel(m_pGratingModel->GetSelection());
    ShowValues();
}

void CLayerVcselPanel::OnActive(wxCommandEvent&) { m_vcsel.m_strActive = m_pActive->GetStringSelection().ToStdString(); }

void CLayerVcselPanel::OnTypes(wxCommandEvent&)
{
    m_vcsel.OnSelChangeTypes(m_pTypes->GetSelection(), m_vcsel.GetTypeList());
    ShowValues();
}
