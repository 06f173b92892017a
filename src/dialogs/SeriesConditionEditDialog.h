#pragma once
// The window of the series list's "Edit" dialog (dialog 183): the item's file, line and variable
// (read-only), its initial and final value, step number and group id. The values and their checks
// live in CSeriesConditionEditDlg; OK closes the dialog only when it accepts them.

#include "dialogs/WindowControls.h"

#include <wx/dialog.h>

class CSeriesConditionEditDlg;

class CSeriesConditionEditDialog : public wxDialog {
public:
    CSeriesConditionEditDialog(wxWindow* parent, CSeriesConditionEditDlg& values);

private:
    void OnOk(wxCommandEvent& event);

    CSeriesConditionEditDlg& m_values;
    CWindowControls m_controls{*this};
};
