#pragma once
// The window of "DialogBox Of Composition_grading" (dialog 194): grading_from and grading_to of
// the graded variable and the direction radios, OK and Cancel. The values live in
// CCompositionGradingDlg; OK closes the dialog only when both boxes read as numbers.

#include "dialogs/WindowControls.h"

#include <wx/dialog.h>

class CCompositionGradingDlg;
class wxRadioButton;

class CCompositionGradingWindow : public wxDialog {
public:
    CCompositionGradingWindow(wxWindow* parent, CCompositionGradingDlg& values);

private:
    void ShowValues();
    void OnOk(wxCommandEvent& event);

    CCompositionGradingDlg& m_values;
    CWindowControls m_controls;
    wxRadioButton* m_pNoDirection = nullptr;
};
