#pragma once
// The numeric edit box of every page and dialog: an ordinary text box that carries the series
// parameter id of its value. A right click records that id in g_nSeriesParamId and offers the
// one-item menu "Series" (menu 358) in place of the text box's own menu; the chosen command goes
// to the box's top-level window (the sheet or dialog), which hands it on to the main frame.

#include <wx/textctrl.h>

class wxMenu;

class CSeriesEdit : public wxTextCtrl {
public:
    CSeriesEdit(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size);

    void SetParamId(int id) { m_nParamId = id; }
    int GetParamId() const { return m_nParamId; }

    // Menu 358 as the box shows it.
    static wxMenu* CreateSeriesMenu();
    // Pops menu 358 at the mouse over the top-level window of `source`, whose commands go on to
    // the main frame and the document.
    static void PopupSeriesMenu(wxWindow* source);

private:
    void OnRightDown(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);

    int m_nParamId = -1;
};
