#pragma once
// The window of the "Series Item" dialog (dialog 223): the caption, the current value, the
// initial and final boxes (the step box and its caption hidden), OK and Cancel, laid out in
// dialog units. The values and their checks live in CSeriesItemDlg; OK closes the dialog only
// when it accepts them.

#include <wx/dialog.h>

class CSeriesItemDlg;

class CSeriesItemDialog : public wxDialog {
public:
    CSeriesItemDialog(wxWindow* parent, CSeriesItemDlg& values);

private:
    void OnOk(wxCommandEvent& event);

    CSeriesItemDlg& m_values;
};
