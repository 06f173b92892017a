#pragma once
// The pop-up that shows a grid cell's whole text when it does not fit the cell: laid over the
// cell's text rectangle in the cell's font, on the tooltip background, until the mouse leaves the
// cell; a press on it goes to the grid below.

#include "sheets/GridCell.h"

#include <wx/popupwin.h>

class CGridCtrlWnd;

class CTitleTip : public wxPopupWindow {
public:
    explicit CTitleTip(CGridCtrlWnd* grid);

    // The text rectangle and the hover rectangle in the grid's client pixels.
    void Show(const CGridRect& title, const std::string& text, const CGridRect& hover, const CGridFont& font);
    void Hide();
    const wxString& GetText() const { return m_text; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnPress(wxMouseEvent& event);

    CGridCtrlWnd* m_pGrid;
    wxRect m_hover;   // in the grid's client pixels
    wxString m_text;
};
