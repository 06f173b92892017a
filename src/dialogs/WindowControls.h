#pragma once
// The controls of a page or dialog window as its data exchange sees them: found by their dialog
// control ids below the window; text boxes and editable combo boxes exchange their text, choices
// their selected entry, radio buttons and check boxes "1" or "0", static texts their label.

#include "sheets/DialogControls.h"

class wxWindow;

class CWindowControls : public IDialogControls {
public:
    explicit CWindowControls(wxWindow& window) : m_window(window) {}

    std::string GetControlText(int id) const override;
    void SetControlText(int id, const std::string& text) override;
    void FocusControl(int id) override;

private:
    wxWindow& m_window;
};
