#pragma once
// The window of "Set Macro Parameter" (dialog 272): six labelled numeric boxes for a macro's
// variables beside the macro's text, OK and Cancel. The values, labels and which boxes show live
// in CMacroParamDlg; OK closes the dialog only when every box reads as a number.

#include "dialogs/WindowControls.h"

#include <wx/dialog.h>

class CMacroList;
class CMacroParamDlg;

class CMacroParamWindow : public wxDialog {
public:
    CMacroParamWindow(wxWindow* parent, CMacroParamDlg& values, CMacroList& macros);

private:
    void ShowLabelsAndBoxes();
    void OnOk(wxCommandEvent& event);

    CMacroParamDlg& m_values;
    CWindowControls m_controls;
};
