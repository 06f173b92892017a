#pragma once
// What a page's data exchange needs of the controls it is shown in: the text of a control by its
// id, and the focus for the control whose value was refused. The GUI implements it over the page's
// windows; tests over a map of texts.

#include <string>

class IDialogControls {
public:
    virtual ~IDialogControls() = default;
    virtual std::string GetControlText(int id) const = 0;
    virtual void SetControlText(int id, const std::string& text) = 0;
    // Puts the focus on the control and selects its text.
    virtual void FocusControl(int id) = 0;
};
