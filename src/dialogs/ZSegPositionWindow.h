#pragma once
// The window of the "z-segment Position" dialog (dialog 241): the From/To and length boxes with
// their radio choice, the "Use existing layer file" box with the file name and Import, OK and
// Cancel. It shows a CZSegPositionDlg, which holds the values and does the dialog's work.

#include "dialogs/WindowControls.h"

#include <wx/dialog.h>

class CZSegPositionDlg;
class wxCheckBox;
class wxRadioButton;

class CZSegPositionWindow : public wxDialog {
public:
    CZSegPositionWindow(wxWindow* parent, CZSegPositionDlg& dialog);

private:
    void CreateControls();
    void UpdateEnables();
    void OnRadio(wxCommandEvent& event);
    void OnUseExistingFile(wxCommandEvent& event);
    void OnImport(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    CZSegPositionDlg& m_dialog;
    CWindowControls m_controls;
    wxRadioButton* m_pByPosition = nullptr;
    wxRadioButton* m_pByLengths = nullptr;
    wxCheckBox* m_pUseExistingFile = nullptr;
};
