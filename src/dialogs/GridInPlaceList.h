#pragma once
// The drop-down list laid over a grid cell of a column with choices: the column's choices with the
// first that begins with the cell's text selected (else the text as it is), at least as wide as
// its widest choice. It ends on Enter, Tab, Escape (the cell's text back), Ctrl with an arrow, or
// the loss of the focus; the arrows alone move through the choices.

#include "dialogs/GridInPlaceEditor.h"

#include <wx/combobox.h>

class CGridInPlaceList : public wxComboBox, public CGridInPlaceEditor {
public:
    CGridInPlaceList(CGridCtrlWnd* grid, const CGridEditorRequest& request);

protected:
    wxWindow* Window() override { return this; }
    std::string EditorText() const override { return GetValue().utf8_string(); }
    void SetEditorText(const std::string& text) override { SetValue(wxString::FromUTF8(text)); }

private:
    void OnCharHook(wxKeyEvent& event);
    void OnFocusLost(wxFocusEvent& event);
};
