#include "dialogs/WindowControls.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/textentry.h>

std::string CWindowControls::GetControlText(int id) const
{
    wxWindow* control = m_window.FindWindow(id);
    // Text boxes and editable combo boxes hold a text of their own, whatever their list offers.
    if (auto* text = dynamic_cast<wxTextEntry*>(control))
        return text->GetValue().ToStdString(wxConvUTF8);
    if (auto* choice = dynamic_cast<wxChoice*>(control))
        return choice->GetStringSelection().ToStdString(wxConvUTF8);
    if (auto* radio = dynamic_cast<wxRadioButton*>(control))
        return radio->GetValue() ? "1" : "0";
    if (auto* check = dynamic_cast<wxCheckBox*>(control))
        return check->GetValue() ? "1" : "0";
    if (auto* label = dynamic_cast<wxStaticText*>(control))
        return label->GetLabel().ToStdString(wxConvUTF8);
    return {};
}

void CWindowControls::SetControlText(int id, const std::string& text)
{
    wxWindow* control = m_window.FindWindow(id);
    if (auto* box = dynamic_cast<wxTextEntry*>(control))
        box->ChangeValue(wxString::FromUTF8(text));
    else if (auto* choice = dynamic_cast<wxChoice*>(control))
        choice->SetStringSelection(wxString::FromUTF8(text));
    else if (auto* radio = dynamic_cast<wxRadioButton*>(control))
        radio->SetValue(text == "1");
    else if (auto* check = dynamic_cast<wxCheckBox*>(control))
        check->SetValue(text == "1");
    else if (auto* label = dynamic_cast<wxStaticText*>(control))
        label->SetLabel(wxString::FromUTF8(text));
}

void CWindowControls::FocusControl(int id)
{
    wxWindow* control = m_window.FindWindow(id);
    if (!control)
        return;
    control->SetFocus();
    if (auto* text = dynamic_cast<wxTextEntry*>(control))
        text->SelectAll();
}
