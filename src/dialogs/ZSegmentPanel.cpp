#include "dialogs/ZSegmentPanel.h"

#include "dialogs/DialogUnits.h"
#include "sheets/ZSegmentPage.h"

#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

// A numeric box with its label, in dialog units.
struct Box {
    const char* label;
    int id;
    int labelX, labelWidth, boxX, y;
};

const Box kPositionBoxes[] = {
    {"From:", CZSegmentPage::IDC_FROM, 26, 24, 52, 20},
    {"To:", CZSegmentPage::IDC_TO, 112, 14, 128, 20},
    {"Segment length:", CZSegmentPage::IDC_SEGMENT_LENGTH, 26, 56, 84, 40},
    {"Taper length:", CZSegmentPage::IDC_TAPER_LENGTH, 138, 46, 186, 40},
};

const Box kStructureBoxes[] = {
    {"zplanes:", CZSegmentPage::IDC_ZPLANES, 150, 32, 186, 96},
    {"Rotation angle:", CZSegmentPage::IDC_ROTATION_ANGLE, 14, 60, 90, 150},
};

// Controls whose enabling follows the position entry or the taper-line permission.
const int kEnabledControls[] = {CZSegmentPage::IDC_FROM, CZSegmentPage::IDC_TO, CZSegmentPage::IDC_SEGMENT_LENGTH,
                                CZSegmentPage::IDC_TAPER_LENGTH, CZSegmentPage::IDC_TAPER_LINE};

const int kPageWidth = 260;
const int kPageHeight = 186;
const int kBoxWidth = 44;
const int kBoxHeight = 12;

}  // namespace

CZSegmentPanel::CZSegmentPanel(wxWindow* book, CZSegmentPage& page) : CSheetPagePanel(book, page), m_zsegment(page)
{
    CreateControls();
}

void CZSegmentPanel::CreateControls()
{
    const CDialogUnits du(this);
    new wxStaticBox(this, wxID_ANY, "Position : This is a z-segment parameter", du.Point(7, 7), du.Size(246, 58));
    m_pByPosition = new wxRadioButton(this, CZSegmentPage::IDC_BY_POSITION, "", du.Point(14, 21), wxDefaultSize,
                                      wxRB_GROUP);
    m_pByLengths = new wxRadioButton(this, CZSegmentPage::IDC_BY_LENGTHS, "", du.Point(14, 41));
    for (const Box& box : kPositionBoxes) {
        new wxStaticText(this, wxID_ANY, box.label, du.Point(box.labelX, box.y + 2), du.Size(box.labelWidth, 8));
        new wxTextCtrl(this, box.id, "", du.Point(box.boxX, box.y), du.Size(kBoxWidth, kBoxHeight));
    }

    new wxStaticBox(this, wxID_ANY, "Z_structure  Parameter", du.Point(7, 70), du.Size(246, 110));
    new wxStaticText(this, wxID_ANY, "It will use either your input value or the calculation of the program",
                     du.Point(14, 82), du.Size(232, 9));
    m_pLink = AddChoice(CZSegmentPage::IDC_LINK_TAPER_CONTACT, "link_taper_contact:", 96, 70, 50, {"yes", "no"});
    m_pMethod = AddChoice(CZSegmentPage::IDC_SOLUTION_METHOD, "3d_solution_method", 114, 70, 80,
                          {"3d-isolated-layer", "3d-flow", ""});
    m_pTaperLine = AddChoice(CZSegmentPage::IDC_TAPER_LINE, "This Colunm has taper line?", 132, 100, 50, {"no", "yes"});
    for (const Box& box : kStructureBoxes) {
        new wxStaticText(this, wxID_ANY, box.label, du.Point(box.labelX, box.y + 2), du.Size(box.labelWidth, 8));
        new wxTextCtrl(this, box.id, "", du.Point(box.boxX, box.y), du.Size(kBoxWidth, kBoxHeight));
    }
    SetMinSize(du.Size(kPageWidth, kPageHeight));

    m_pByPosition->Bind(wxEVT_RADIOBUTTON, &CZSegmentPanel::OnRadio, this);
    m_pByLengths->Bind(wxEVT_RADIOBUTTON, &CZSegmentPanel::OnRadio, this);
}

wxChoice* CZSegmentPanel::AddChoice(int id, const char* label, int y, int labelWidth, int width,
                                    std::initializer_list<const char*> entries)
{
    const CDialogUnits du(this);
    new wxStaticText(this, wxID_ANY, label, du.Point(14, y + 2), du.Size(labelWidth, 8));
    wxArrayString texts;
    for (const char* entry : entries)
        texts.Add(entry);
    auto* choice = new wxChoice(this, id, du.Point(14 + labelWidth + 2, y), du.Size(width, 14), texts);
    choice->Bind(wxEVT_CHOICE, &CZSegmentPanel::OnChoice, this);
    return choice;
}

void CZSegmentPanel::OnInitPage()
{
    m_zsegment.OnInitPage();
    m_pLink->SetSelection(m_zsegment.GetLinkSelection());
    m_pMethod->SetSelection(m_zsegment.GetMethodSelection());
    m_pTaperLine->SetSelection(m_zsegment.GetTaperLineSelection());
    const bool byLengths = m_zsegment.GetPositionRadio() == CZSegmentPage::IDC_BY_LENGTHS;
    m_pByLengths->SetValue(byLengths);
    m_pByPosition->SetValue(!byLengths);
    UpdateEnables();
}

void CZSegmentPanel::UpdateEnables()
{
    for (int id : kEnabledControls)
        if (wxWindow* control = FindWindow(id))
            control->Enable(m_zsegment.IsControlEnabled(id));
}

void CZSegmentPanel::OnRadio(wxCommandEvent& event)
{
    if (event.GetId() == CZSegmentPage::IDC_BY_LENGTHS)
        m_zsegment.OnRadioLengths();
    else
        m_zsegment.OnRadioPosition();
    UpdateEnables();
}

void CZSegmentPanel::OnChoice(wxCommandEvent& event)
{
    switch (event.GetId()) {
    case CZSegmentPage::IDC_LINK_TAPER_CONTACT: m_zsegment.OnSelChangeLinkTaperContact(m_pLink->GetSelection()); break;
    case CZSegmentPage::IDC_SOLUTION_METHOD: m_zsegment.OnSelChangeSolutionMethod(m_pMethod->GetSelection()); break;
    case CZSegmentPage::IDC_TAPER_LINE: m_zsegment.OnSelChangeTaperLine(m_pTaperLine->GetSelection()); break;
    default: break;
    }
}
