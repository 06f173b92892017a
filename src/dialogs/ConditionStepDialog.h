#pragma once
// The window of the series step dialog ("Series", dialog 109): initial value, final value, step
// number and group id, OK and Cancel. The values and their checks live in CConditionStepDlg; OK
// closes the dialog only when it accepts them.

#include "dialogs/WindowControls.h"

#include <wx/dialog.h>

class CConditionStepDlg;

class CConditionStepDialog : public wxDialog {
public:
    CConditionStepDialog(wxWindow* parent, CConditionStepDlg& values);

private:
    void OnOk(wxCommandEvent& event);

    CConditionStepDlg& m_values;
    CWindowControls m_controls{*this};
};
