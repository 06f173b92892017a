#pragma once
// "Setting View Point Distance" (dialog 282): the 3-D view's eye distance as a whole number from 30
// to 100 (the eye factor in tenths) in edit box 1029, with OK and Cancel. The value lives in a
// plain member; one data-exchange function moves it between the member and the edit box and
// checks it, so the check can be driven without showing the dialog.

#include <wx/dialog.h>

#include <string>

class wxTextCtrl;

class CViewPointDistanceDlg : public wxDialog {
public:
    static constexpr int kEditId = 1029;
    static constexpr int kMinValue = 30;
    static constexpr int kMaxValue = 100;

    explicit CViewPointDistanceDlg(wxWindow* parent);

    void SetValue(int value) { m_nValue = value; }
    int GetValue() const { return m_nValue; }

    // To the edit box (save false) or from it (save true). Reading refuses, with the message the
    // user is shown, a text that is not a whole number or a number outside 30..100; the member
    // then keeps its value.
    bool DoDataExchange(bool save);

    // The number a text holds: blanks around an optionally signed run of digits, nothing else.
    static bool ParseInteger(const std::string& text, int& value);

    wxTextCtrl* Edit() const { return m_pEdit; }

    int m_nValue = 0;

private:
    bool TransferDataToWindow() override { return DoDataExchange(false); }
    bool TransferDataFromWindow() override { return DoDataExchange(true); }

    wxTextCtrl* m_pEdit = nullptr;
};
