#pragma once
// Finds the modal dialog of a kind while it runs, for tests that act on it from a timer or a
// deferred call inside its modal loop; WindowInput.h drives its controls as a user would.

#include "AppHarness.h"
#include "WindowInput.h"
#include "app/MainFrame.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/toplevel.h>

#include <functional>

// The modal dialog of type T now up, or nullptr.
template <typename T>
T* OpenModal()
{
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<T*>(window); dialog && dialog->IsModal())
            return dialog;
    return nullptr;
}

// Runs a command of the running program's frame while `user` acts on the modal window of type T
// it opens; the user must close it.
template <typename T>
void RunWithModal(int id, std::function<void(T&)> user)
{
    wxTheApp->CallAfter([user] {
        T* window = OpenModal<T>();
        if (!window) {
            ADD_FAILURE() << "no modal window open";
            return;
        }
        user(*window);
        if (window->IsModal()) {
            ADD_FAILURE() << "the window was left open";
            window->EndModal(wxID_CANCEL);
        }
    });
    EXPECT_TRUE(Frame()->RunCommand(id));
}
