#pragma once
// A user's input to the controls of an open window, sent as the control's own notification so
// that the window's handlers run as they do for a click or a typed value.

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <string>

// The control of type T with the id in the window; a failure when there is none.
template <typename T>
T* Control(wxWindow* window, int id)
{
    T* control = dynamic_cast<T*>(window->FindWindow(id));
    EXPECT_NE(control, nullptr) << "control " << id;
    return control;
}

inline void Click(wxWindow* window, int id)
{
    wxButton* button = Control<wxButton>(window, id);
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

inline void Type(wxWindow* window, int id, const char* text) { Control<wxTextCtrl>(window, id)->SetValue(text); }

inline std::string Text(wxWindow* window, int id) { return Control<wxTextCtrl>(window, id)->GetValue().ToStdString(); }

inline void Choose(wxRadioButton* radio)
{
    radio->SetValue(true);
    wxCommandEvent chosen(wxEVT_RADIOBUTTON, radio->GetId());
    chosen.SetEventObject(radio);
    chosen.SetInt(1);
    radio->GetEventHandler()->ProcessEvent(chosen);
}

inline void Tick(wxCheckBox* box)
{
    box->SetValue(true);
    wxCommandEvent ticked(wxEVT_CHECKBOX, box->GetId());
    ticked.SetEventObject(box);
    ticked.SetInt(1);
    box->GetEventHandler()->ProcessEvent(ticked);
}
