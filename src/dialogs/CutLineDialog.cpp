#include "dialogs/CutLineDialog.h"

#include "dialogs/DialogUnits.h"
#include "sheets/CutLineDlg.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

CCutLineDialog::CCutLineDialog(wxWindow* parent, CCutLineDlg& values)
    : wxDialog(parent, wxID_ANY, "Set cut line value"), m_values(values)
{
    const CDialogUnits du(this);
    new wxStaticText(this, CCutLineDlg::IDC_PROMPT, "", du.Point(7, 6), du.Size(122, 29));
    new wxTextCtrl(this, CCutLineDlg::IDC_VALUE, "", du.Point(9, 42), du.Size(44, 13));
    new wxStaticText(this, CCutLineDlg::IDC_RANGE, "", du.Point(59, 44), du.Size(90, 13));
    auto* ok = new wxButton(this, wxID_OK, "OK", du.Point(7, 66), du.Size(40, 14));
    ok->SetDefault();
    new wxButton(this, wxID_CANCEL, "Cancel", du.Point(64, 66), du.Size(40, 14));
    SetClientSize(du.Size(154, 90));
    Bind(wxEVT_BUTTON, &CCutLineDialog::OnOk, this, wxID_OK);
    CentreOnParent();

    m_values.OnInitDialog(*this);
    FitTexts();
    FindWindow(CCutLineDlg::IDC_VALUE)->SetFocus();
}

void CCutLineDialog::FitTexts()
{
    // The prompt and the range are one line each: a text wider than its place widens its place,
    // and the dialog with it, so that it is never cut.
    const CDialogUnits du(this);
    int right = 0;
    for (int id : {CCutLineDlg::IDC_PROMPT, CCutLineDlg::IDC_RANGE}) {
        wxWindow* text = FindWindow(id);
        const wxRect place = text->GetRect();
        const int needed = text->GetTextExtent(text->GetLabel()).x + du.Size(2, 0).x;
        if (needed > place.width) text->SetSize(needed, place.height);
        right = std::max(right, text->GetRect().GetRight());
    }
    const wxSize client = GetClientSize();
    const int width = right + du.Size(7, 0).x;
    if (width > client.x) SetClientSize(width, client.y);
    CentreOnParent();
}

std::string CCutLineDialog::GetControlText(int id) const
{
    if (auto* box = dynamic_cast<wxTextCtrl*>(FindWindow(id)))
        return box->GetValue().ToStdString(wxConvUTF8);
    if (wxWindow* control = FindWindow(id))
        return control->GetLabel().ToStdString(wxConvUTF8);
    return {};
}

void CCutLineDialog::SetControlText(int id, const std::string& text)
{
    if (auto* box = dynamic_cast<wxTextCtrl*>(FindWindow(id)))
        box->ChangeValue(wxString::FromUTF8(text));
    else if (wxWindow* control = FindWindow(id))
        control->SetLabel(wxString::FromUTF8(text));
}

void CCutLineDialog::FocusControl(int id)
{
    if (auto* box = dynamic_cast<wxTextCtrl*>(FindWindow(id))) {
        box->SetFocus();
        box->SelectAll();
    }
}

void CCutLineDialog::OnOk(wxCommandEvent&)
{
    if (m_values.OnOK(*this))
        EndModal(wxID_OK);
}
