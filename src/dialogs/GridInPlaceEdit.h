#pragma once
// The one-line edit box laid over a grid cell: it opens as the key or click that started it says,
// grows to its text up to the grid's right edge, and ends on Enter, Tab, Escape (the cell's text
// back), an arrow when the edit was started by typing, or the loss of the focus.

#include "dialogs/GridInPlaceEditor.h"

#include <wx/textctrl.h>

class CGridInPlaceEdit : public wxTextCtrl, public CGridInPlaceEditor {
public:
    CGridInPlaceEdit(CGridCtrlWnd* grid, const CGridEditorRequest& request);

protected:
    wxWindow* Window() override { return this; }
    std::string EditorText() const override { return GetValue().utf8_string(); }
    void SetEditorText(const std::string& text) override { ChangeValue(wxString::FromUTF8(text)); }

private:
    void OnCharHook(wxKeyEvent& event);
    void OnTextChanged(wxCommandEvent& event);
};
