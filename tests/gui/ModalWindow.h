#pragma once
// Finds the modal dialog of a kind while it runs, for tests that act on it from a timer or a
// deferred call inside its modal loop, and drives its controls by their ids as a user would.

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <string>

// The modal dialog of type T now up, or nullptr.
template <typename T>
T* OpenModal()
{
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<T*>(window); dialog && dialog->IsModal())
            return dialog;
    return nullptr;
}

// The control of a window by its id and kind; fails the test when there is none.
template <typename T>
T* Control(wxWindow* window, int id)
{
    T* control = dynamic_cast<T*>(window->FindWindow(id));
    EXPECT_NE(control, nullptr) << "control " << id;
    return control;
}

// Presses a button of the window.
inline void Click(wxWindow* window, int id)
{
    wxButton* button = Control<wxButton>(window, id);
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

inline void Type(wxWindow* window, int id, const char* text) { Control<wxTextCtrl>(window, id)->SetValue(text); }

inline std::string Text(wxWindow* window, int id)
{
    return Control<wxTextCtrl>(window, id)->GetValue().ToStdString();
}
