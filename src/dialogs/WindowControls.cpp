#include "dialogs/WindowControls.h"

#include <wx/choice.h>
#include <wx/textctrl.h>

std::string CWindowControls::GetControlText(int id) const
{
    wxWindow* control = m_window.FindWindow(id);
    if (auto* text = dynamic_cast<wxTextCtrl*>(control))
        return text->GetValue().ToStdString(wxConvUTF8);
    if (auto* choice = dynamic_cast<wxChoice*>(control))
        return choice->GetStringSelection().ToStdString(wxConvUTF8);
    return {};
}

void CWindowControls::SetControlText(int id, const std::string& text)
{
    wxWindow* control = m_window.FindWindow(id);
    if (auto* box = dynamic_cast<wxTextCtrl*>(control))
        box->ChangeValue(wxString::FromUTF8(text));
    else if (auto* choice = dynamic_cast<wxChoice*>(control))
        choice->SetStringSelection(wxString::FromUTF8(text));
}

void CWindowControls::FocusControl(int id)
{
    wxWindow* control = m_window.FindWindow(id);
    if (!control)
        return;
    control->SetFocus();
    if (auto* text = dynamic_cast<wxTextCtrl*>(control))
        text->SelectAll();
}
