#include "dialogs/ContactParamWindow.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/SeriesEdit.h"
#include "sheets/ContactParamDlg.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CContactParamWindow::CContactParamWindow(wxWindow* parent, CContactParamDlg& values)
    : wxDialog(parent, wxID_ANY, "Set contact parameter"), m_values(values), m_controls(*this)
{
    using C = CContactParamDlg;
    const CDialogUnits du(this);
    new wxStaticText(this, wxID_ANY, "contact num:", du.Point(10, 10), du.Size(50, 9));
    new wxTextCtrl(this, C::IDC_CONTACT_NUM, "", du.Point(66, 8), du.Size(60, 12));
    new wxStaticText(this, wxID_ANY, "contact type:", du.Point(10, 28), du.Size(50, 9));
    const wxString types[] = {"ohmic", "schottky"};
    m_pType = new wxComboBox(this, C::IDC_TYPE, "", du.Point(66, 26), du.Size(60, 40), 2, types, wxCB_READONLY);
    // Carries the type text; never seen.
    auto* typeText = new wxTextCtrl(this, C::IDC_TYPE_TEXT, "", du.Point(66, 26), du.Size(10, 10));
    typeText->Hide();
    typeText->Disable();

    new wxStaticBox(this, wxID_ANY, "", du.Point(6, 42), du.Size(124, 46));
    m_pBarrierGiven = new wxRadioButton(this, C::IDC_BARRIER_GIVEN, "", du.Point(12, 54), wxDefaultSize, wxRB_GROUP);
    new wxStaticText(this, wxID_ANY, "barrier:", du.Point(24, 55), du.Size(40, 9));
    auto* barrier = new CSeriesEdit(this, C::IDC_BARRIER, du.Point(66, 53), du.Size(60, 12));
    m_pWorkFunctionGiven = new wxRadioButton(this, C::IDC_WORK_FUNCTION_GIVEN, "", du.Point(12, 70));
    new wxStaticText(this, wxID_ANY, "work_function:", du.Point(24, 71), du.Size(42, 9));
    auto* workFunction = new CSeriesEdit(this, C::IDC_WORK_FUNCTION, du.Point(66, 69), du.Size(60, 12));
    barrier->SetParamId(C::kBarrierParamId);
    workFunction->SetParamId(C::kWorkFunctionParamId);

    auto* ok = new wxButton(this, wxID_OK, "OK", du.Point(10, 96), du.Size(50, 14));
    ok->SetDefault();
    new wxButton(this, wxID_CANCEL, "Cancel", du.Point(76, 96), du.Size(50, 14));
    SetClientSize(du.Size(136, 117));
    Bind(wxEVT_BUTTON, &CContactParamWindow::OnOk, this, wxID_OK);
    Bind(wxEVT_RADIOBUTTON, &CContactParamWindow::OnRadio, this, C::IDC_BARRIER_GIVEN);
    Bind(wxEVT_RADIOBUTTON, &CContactParamWindow::OnRadio, this, C::IDC_WORK_FUNCTION_GIVEN);
    Bind(wxEVT_COMBOBOX, &CContactParamWindow::OnType, this, C::IDC_TYPE);
    CentreOnParent();

    values.OnInitDialog(m_controls);
    m_pType->SetSelection(values.m_nTypeSelection);
    ShowControlStates();
}

void CContactParamWindow::ShowControlStates()
{
    (m_values.m_bBarrierGiven ? m_pBarrierGiven : m_pWorkFunctionGiven)->SetValue(true);
    for (int id : {CContactParamDlg::IDC_BARRIER, CContactParamDlg::IDC_WORK_FUNCTION,
                   CContactParamDlg::IDC_BARRIER_GIVEN, CContactParamDlg::IDC_WORK_FUNCTION_GIVEN})
        FindWindow(id)->Enable(m_values.IsControlEnabled(id));
}

void CContactParamWindow::OnRadio(wxCommandEvent& event)
{
    m_values.OnBarrierGiven(m_controls, event.GetId() == CContactParamDlg::IDC_BARRIER_GIVEN);
    ShowControlStates();
}

void CContactParamWindow::OnType(wxCommandEvent&)
{
    m_values.OnTypeSelected(m_controls, m_pType->GetSelection());
    ShowControlStates();
}

void CContactParamWindow::OnOk(wxCommandEvent&)
{
    if (m_values.OnOK(m_controls))
        EndModal(wxID_OK);
}
