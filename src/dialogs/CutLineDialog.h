#pragma once
// The window of the "Set cut line value" dialog (dialog 350): the prompt, the value box, the
// allowed range, OK and Cancel, laid out in dialog units. The values and their checks live in
// CCutLineDlg; OK closes the dialog only when it accepts the value.

#include "sheets/DialogControls.h"

#include <wx/dialog.h>

class CCutLineDlg;

class CCutLineDialog : public wxDialog, public IDialogControls {
public:
    CCutLineDialog(wxWindow* parent, CCutLineDlg& values);

    std::string GetControlText(int id) const override;
    void SetControlText(int id, const std::string& text) override;
    void FocusControl(int id) override;

private:
    void OnOk(wxCommandEvent& event);
    // Widens the prompt and the range text (and the dialog) to the whole of their texts.
    void FitTexts();

    CCutLineDlg& m_values;
};
