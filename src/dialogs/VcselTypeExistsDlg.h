#pragma once
// Dialog 291: the choice offered when a new VCSEL type is given a name that exists with other
// values. It ends with IDC_NEW_TEMPLET ("New Templet"), IDC_LOAD ("Load"), wxID_OK ("Overwrite")
// or wxID_CANCEL.

#include <wx/dialog.h>

#include <string>

class CVcselTypeExistsDlg : public wxDialog {
public:
    enum : int { IDC_MESSAGE = 1199, IDC_NEW_TEMPLET = 1197, IDC_LOAD = 1198 };

    explicit CVcselTypeExistsDlg(wxWindow* parent);

    // The explanation the dialog shows.
    static std::string MessageText();
    // The dialog's end code as the sheet's choices count it: IDOK, IDCANCEL, 1197 or 1198.
    static int ChoiceOf(int endCode);

    std::string m_strMessage;

private:
    void OnOwnButton(wxCommandEvent& event);
};
