#pragma once
// The window of "Set contact parameter" (dialog 348): contact number, contact type, and the
// barrier or work function with the radio that says which is given; OK and Cancel. The values
// and which controls are enabled live in CContactParamDlg.

#include "dialogs/WindowControls.h"

#include <wx/dialog.h>

class CContactParamDlg;
class wxComboBox;
class wxRadioButton;

class CContactParamWindow : public wxDialog {
public:
    CContactParamWindow(wxWindow* parent, CContactParamDlg& values);

private:
    void ShowControlStates();
    void OnRadio(wxCommandEvent& event);
    void OnType(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    CContactParamDlg& m_values;
    CWindowControls m_controls;
    wxComboBox* m_pType = nullptr;
    wxRadioButton* m_pBarrierGiven = nullptr;
    wxRadioButton* m_pWorkFunctionGiven = nullptr;
};
