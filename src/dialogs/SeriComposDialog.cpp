#include "dialogs/SeriComposDialog.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/WindowControls.h"
#include "sheets/SeriComposDlg.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CSeriComposDialog::CSeriComposDialog(wxWindow* parent, CSeriComposDlg& values, CMacroList& macros)
    : wxDialog(parent, wxID_ANY, "Seri Compos"), m_values(values)
{
    const CDialogUnits du(this);
    for (int k = 0; k < CSeriComposDlg::kRows; ++k) {
        const int y = 7 + 18 * k;
        new wxRadioButton(this, CSeriComposDlg::kRadioIds[k], "", du.Point(5, y - 1), wxDefaultSize,
                          k == 0 ? wxRB_GROUP : 0);
        new wxStaticText(this, CSeriComposDlg::kNameIds[k], "", du.Point(20, y + 1), du.Size(50, 9));
        new wxStaticText(this, CSeriComposDlg::kFromCaptionIds[k], "From", du.Point(74, y + 1), du.Size(18, 9));
        new wxTextCtrl(this, CSeriComposDlg::kFromIds[k], "", du.Point(94, y - 1), du.Size(44, 13));
        new wxStaticText(this, CSeriComposDlg::kToCaptionIds[k], "To", du.Point(144, y + 1), du.Size(12, 9));
        new wxTextCtrl(this, CSeriComposDlg::kToIds[k], "", du.Point(158, y - 1), du.Size(44, 13));
        new wxStaticText(this, CSeriComposDlg::kStepCaptionIds[k], "Step", du.Point(208, y + 1), du.Size(18, 9));
        new wxTextCtrl(this, CSeriComposDlg::kStepIds[k], "", du.Point(228, y - 1), du.Size(44, 13));
        Bind(wxEVT_RADIOBUTTON, &CSeriComposDialog::OnRadio, this, CSeriComposDlg::kRadioIds[k]);
    }
    new wxTextCtrl(this, CSeriComposDlg::IDC_COMMENT, "", du.Point(7, 118), du.Size(265, 50),
                   wxTE_MULTILINE | wxTE_READONLY);
    auto* ok = new wxButton(this, wxID_OK, "OK", du.Point(176, 174), du.Size(45, 14));
    ok->SetDefault();
    new wxButton(this, wxID_CANCEL, "Cancel", du.Point(227, 174), du.Size(45, 14));
    SetClientSize(du.Size(280, 194));
    Bind(wxEVT_BUTTON, &CSeriComposDialog::OnOk, this, wxID_OK);
    CentreOnParent();

    m_values.FillRows(macros);
    CWindowControls controls(*this);
    m_values.OnInitDialog(controls);
    ShowRows();
    EnableSelectedRow();
}

void CSeriComposDialog::ShowRows()
{
    for (int k = 0; k < CSeriComposDlg::kRows; ++k) {
        const bool name = m_values.IsNameShown(k);
        const bool row = m_values.IsRowShown(k);
        FindWindow(CSeriComposDlg::kNameIds[k])->Show(name);
        FindWindow(CSeriComposDlg::kFromIds[k])->Show(name);
        for (int id : {CSeriComposDlg::kRadioIds[k], CSeriComposDlg::kFromCaptionIds[k], CSeriComposDlg::kToCaptionIds[k],
                       CSeriComposDlg::kToIds[k], CSeriComposDlg::kStepCaptionIds[k], CSeriComposDlg::kStepIds[k]})
            FindWindow(id)->Show(row);
    }
}

void CSeriComposDialog::EnableSelectedRow()
{
    for (int k = 0; k < CSeriComposDlg::kRows; ++k) {
        const bool selected = m_values.IsRowEnabled(k);
        static_cast<wxRadioButton*>(FindWindow(CSeriComposDlg::kRadioIds[k]))->SetValue(selected);
        for (int id : {CSeriComposDlg::kFromIds[k], CSeriComposDlg::kToIds[k], CSeriComposDlg::kStepIds[k]})
            FindWindow(id)->Enable(selected);
    }
}

void CSeriComposDialog::OnRadio(wxCommandEvent& event)
{
    for (int k = 0; k < CSeriComposDlg::kRows; ++k)
        if (CSeriComposDlg::kRadioIds[k] == event.GetId())
            m_values.m_nSelectedRow = k;
    EnableSelectedRow();
}

void CSeriComposDialog::OnOk(wxCommandEvent&)
{
    CWindowControls controls(*this);
    if (m_values.OnOK(controls))
        EndModal(wxID_OK);
}
