#pragma once
// A user's input to the layer property sheet beyond single controls: a tab chosen, an entry of a
// list picked, and a modal dialog a click opens acted on before the click returns.

#include "WhenModal.h"
#include "WindowInput.h"
#include "dialogs/GeneralSheet.h"

#include <wx/bookctrl.h>
#include <wx/choice.h>
#include <wx/listbox.h>

// Shows the sheet's page with the caption, as a click on its tab does.
inline void ShowTab(CGeneralSheet& sheet, const char* caption)
{
    wxBookCtrlBase* book = sheet.GetBookCtrl();
    for (size_t i = 0; i < book->GetPageCount(); ++i) {
        if (book->GetPageText(i) == caption) {
            book->SetSelection(i);
            return;
        }
    }
    ADD_FAILURE() << "no page " << caption;
}

// Picks an entry of a list box, as a click on it does.
inline void Pick(wxListBox* list, const char* entry)
{
    ASSERT_TRUE(list->SetStringSelection(entry)) << entry;
    wxCommandEvent picked(wxEVT_LISTBOX, list->GetId());
    picked.SetEventObject(list);
    picked.SetInt(list->GetSelection());
    picked.SetString(entry);
    list->GetEventHandler()->ProcessEvent(picked);
}

// Clicks a button whose handler opens a modal dialog of type T; `user` acts on that dialog and
// must close it.
template <typename T>
void ClickInto(wxWindow* window, int id, std::function<void(T&)> user)
{
    WhenModal<T> watcher(std::move(user));
    Click(window, id);
    EXPECT_TRUE(watcher.Seen()) << "button " << id;
}

// Chooses a radio button whose handler opens a modal dialog of type T; `user` acts on that dialog
// and must close it.
template <typename T>
void ChooseInto(wxWindow* window, int id, std::function<void(T&)> user)
{
    WhenModal<T> watcher(std::move(user));
    Choose(Control<wxRadioButton>(window, id));
    EXPECT_TRUE(watcher.Seen()) << "radio " << id;
}

// Moves the focus out of a box, as a click elsewhere does.
inline void LeaveBox(wxWindow* window, int id)
{
    wxWindow* box = window->FindWindow(id);
    wxFocusEvent left(wxEVT_KILL_FOCUS, id);
    left.SetEventObject(box);
    box->GetEventHandler()->ProcessEvent(left);
}
