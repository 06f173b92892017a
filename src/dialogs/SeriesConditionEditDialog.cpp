#include "dialogs/SeriesConditionEditDialog.h"

#include "dialogs/DialogUnits.h"
#include "sheets/SeriesConditionEditDlg.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CSeriesConditionEditDialog::CSeriesConditionEditDialog(wxWindow* parent, CSeriesConditionEditDlg& values)
    : wxDialog(parent, wxID_ANY, "Edit"), m_values(values)
{
    using Dlg = CSeriesConditionEditDlg;
    const CDialogUnits du(this);
    const struct {
        const char* label;
        int id;
        bool readOnly;
    } rows[] = {{"File name:", Dlg::IDC_FILE_NAME, true}, {"Line number:", Dlg::IDC_LINE, true},
                {"Variable:", Dlg::IDC_VARIABLE, true},   {"Initial:", Dlg::IDC_INITIAL, false},
                {"Final:", Dlg::IDC_FINAL, false},        {"Step number:", Dlg::IDC_STEP_NUMBER, false},
                {"GroupID:", Dlg::IDC_GROUP_ID, false}};
    int y = 8;
    for (const auto& row : rows) {
        new wxStaticText(this, wxID_ANY, row.label, du.Point(8, y + 2), du.Size(50, 8));
        new wxTextCtrl(this, row.id, "", du.Point(62, y), du.Size(row.id == Dlg::IDC_FILE_NAME ? 150 : 70, 13), 0,
                       wxDefaultValidator, wxTextCtrlNameStr);
        if (row.readOnly)
            static_cast<wxTextCtrl*>(FindWindow(row.id))->SetEditable(false);
        y += 18;
    }
    auto* ok = new wxButton(this, wxID_OK, "OK", du.Point(62, y + 4), du.Size(50, 14));
    ok->SetDefault();
    new wxButton(this, wxID_CANCEL, "Cancel", du.Point(122, y + 4), du.Size(50, 14));
    SetClientSize(du.Size(220, y + 26));
    Bind(wxEVT_BUTTON, &CSeriesConditionEditDialog::OnOk, this, wxID_OK);
    CentreOnParent();

    m_values.OnInitDialog(m_controls);
}

void CSeriesConditionEditDialog::OnOk(wxCommandEvent&)
{
    if (m_values.OnOK(m_controls))
        EndModal(wxID_OK);
}
