#pragma once
// Dialog layouts are given in dialog units, which scale with the window's font: a quarter of the
// average character width across and an eighth of the character height down.

#include <wx/gdicmn.h>

class wxWindow;

class CDialogUnits {
public:
    explicit CDialogUnits(wxWindow* window) : m_pWindow(window) {}

    wxPoint Point(int x, int y) const;
    wxSize Size(int width, int height) const;

private:
    wxWindow* m_pWindow;
};
