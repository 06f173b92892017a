#include "dialogs/TitleTip.h"

#include "dialogs/GridCtrlWnd.h"
#include "dialogs/GridPainter.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

CTitleTip::CTitleTip(CGridCtrlWnd* grid) : wxPopupWindow(grid, wxBORDER_SIMPLE), m_pGrid(grid)
{
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOBK));
    Bind(wxEVT_PAINT, &CTitleTip::OnPaint, this);
    Bind(wxEVT_MOTION, &CTitleTip::OnMotion, this);
    Bind(wxEVT_LEFT_DOWN, &CTitleTip::OnPress, this);
    Bind(wxEVT_RIGHT_DOWN, &CTitleTip::OnPress, this);
    Bind(wxEVT_MIDDLE_DOWN, &CTitleTip::OnPress, this);
    Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent&) { Hide(); });
}

void CTitleTip::Show(const CGridRect& title, const std::string& text, const CGridRect& hover, const CGridFont& font)
{
    if (title.IsEmpty() || IsShown())
        return;
    m_hover = wxRect(wxPoint(hover.left, hover.top), wxPoint(hover.right, hover.bottom));
    m_text = " " + wxString::FromUTF8(text) + " ";
    SetFont(CGridPainter::Font(font));
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    const int width = dc.GetTextExtent(m_text).x;
    // The grid only offers text that does not fit; the tip lies over the cell's text.
    const wxPoint topLeft = m_pGrid->ClientToScreen(wxPoint(title.left, title.top));
    SetSize(topLeft.x, topLeft.y, width + 2, title.bottom - title.top + 1);
    wxPopupWindow::Show();
    Raise();
    Refresh();
}

void CTitleTip::Hide()
{
    if (IsShown())
        wxPopupWindow::Hide();
}

void CTitleTip::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    dc.SetFont(GetFont());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOTEXT));
    dc.DrawText(m_text, 0, 0);
}

void CTitleTip::OnMotion(wxMouseEvent& event)
{
    const wxPoint inGrid = m_pGrid->ScreenToClient(ClientToScreen(event.GetPosition()));
    if (!m_hover.Contains(inGrid))
        Hide();
}

// A press on the tip is a press on the cell below it.
void CTitleTip::OnPress(wxMouseEvent& event)
{
    const wxPoint inGrid = m_pGrid->ScreenToClient(ClientToScreen(event.GetPosition()));
    Hide();
    wxMouseEvent press(event.GetEventType());
    press.SetPosition(inGrid);
    press.SetEventObject(m_pGrid);
    press.SetShiftDown(event.ShiftDown());
    press.SetControlDown(event.ControlDown());
    press.SetLeftDown(event.LeftIsDown());
    press.SetRightDown(event.RightIsDown());
    m_pGrid->GetEventHandler()->ProcessEvent(press);
}
