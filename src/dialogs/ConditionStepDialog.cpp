#include "dialogs/ConditionStepDialog.h"

#include "dialogs/DialogUnits.h"
#include "sheets/ConditionStepDlg.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CConditionStepDialog::CConditionStepDialog(wxWindow* parent, CConditionStepDlg& values)
    : wxDialog(parent, wxID_ANY, "Series"), m_values(values)
{
    const CDialogUnits du(this);
    const struct {
        const char* label;
        int id;
    } rows[] = {{"Initial value", CConditionStepDlg::IDC_INITIAL},
                {"Final value", CConditionStepDlg::IDC_FINAL},
                {"Step number", CConditionStepDlg::IDC_STEP_NUMBER},
                {"GroupID", CConditionStepDlg::IDC_GROUP_ID}};
    int y = 10;
    for (const auto& row : rows) {
        new wxStaticText(this, wxID_ANY, row.label, du.Point(10, y + 2), du.Size(50, 8));
        new wxTextCtrl(this, row.id, "", du.Point(64, y), du.Size(70, 13));
        y += 20;
    }
    auto* ok = new wxButton(this, wxID_OK, "OK", du.Point(20, y + 4), du.Size(50, 14));
    ok->SetDefault();
    new wxButton(this, wxID_CANCEL, "Cancel", du.Point(84, y + 4), du.Size(50, 14));
    SetClientSize(du.Size(150, y + 26));
    Bind(wxEVT_BUTTON, &CConditionStepDialog::OnOk, this, wxID_OK);
    CentreOnScreen();

    m_values.OnInitDialog(m_controls);
    m_controls.FocusControl(CConditionStepDlg::IDC_FINAL);
}

void CConditionStepDialog::OnOk(wxCommandEvent&)
{
    if (m_values.OnOK(m_controls))
        EndModal(wxID_OK);
}
