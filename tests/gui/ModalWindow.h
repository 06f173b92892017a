#pragma once
// Finds the modal dialog of a kind while it runs, for tests that act on it from a timer or a
// deferred call inside its modal loop; WindowInput.h drives its controls as a user would.

#include "WindowInput.h"

#include <wx/dialog.h>
#include <wx/toplevel.h>

// The modal dialog of type T now up, or nullptr.
template <typename T>
T* OpenModal()
{
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<T*>(window); dialog && dialog->IsModal())
            return dialog;
    return nullptr;
}
