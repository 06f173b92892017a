#include "dialogs/GridCtrlWnd.h"

#include "dialogs/GridDropTarget.h"
#include "dialogs/GridInPlaceEdit.h"
#include "dialogs/GridInPlaceList.h"
#include "dialogs/GridPainter.h"
#include "dialogs/SeriesEdit.h"
#include "dialogs/TitleTip.h"

#include <wx/clipbrd.h>
#include <wx/dcbuffer.h>
#include <wx/dnd.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/toplevel.h>

#include <memory>

wxDEFINE_EVENT(EVT_GRID_NOTIFY, CGridNotifyEvent);

namespace {

constexpr int kAutoScrollMs = 25;

unsigned ColorRef(const wxColour& c) { return GridRgb(c.Red(), c.Green(), c.Blue()); }

unsigned SystemColour(wxSystemColour which) { return ColorRef(wxSystemSettings::GetColour(which)); }

}  // namespace

CGridCtrlWnd::CGridCtrlWnd(wxWindow* parent, int id, const wxRect& rect, CGridCtrl& grid)
    : wxWindow(parent, id, rect.GetPosition(), rect.GetSize(),
               wxBORDER_SUNKEN | wxHSCROLL | wxVSCROLL | wxWANTS_CHARS | wxTAB_TRAVERSAL),
      m_grid(grid),
      m_timer(this)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_grid.AttachWindow(this);
    m_grid.OnSysColorChange(SystemColour(wxSYS_COLOUR_WINDOWTEXT), SystemColour(wxSYS_COLOUR_WINDOW),
                            SystemColour(wxSYS_COLOUR_3DFACE), SystemColour(wxSYS_COLOUR_3DSHADOW));
    ApplyFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    SetDropTarget(new CGridDropTarget(this));
    if (m_grid.m_bShowTitleTips)
        m_pTitleTip = new CTitleTip(this);
    m_grid.OnCreate();

    Bind(wxEVT_PAINT, &CGridCtrlWnd::OnPaint, this);
    Bind(wxEVT_SIZE, &CGridCtrlWnd::OnSize, this);
    Bind(wxEVT_LEFT_DOWN, &CGridCtrlWnd::OnLeftDown, this);
    Bind(wxEVT_RIGHT_DOWN, &CGridCtrlWnd::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CGridCtrlWnd::OnLeftUp, this);
    Bind(wxEVT_RIGHT_UP, &CGridCtrlWnd::OnRightUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CGridCtrlWnd::OnDoubleClick, this);
    Bind(wxEVT_MOTION, &CGridCtrlWnd::OnMotion, this);
    Bind(wxEVT_MOUSEWHEEL, &CGridCtrlWnd::OnWheel, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CGridCtrlWnd::OnCaptureLost, this);
    Bind(wxEVT_KEY_DOWN, &CGridCtrlWnd::OnKeyDown, this);
    Bind(wxEVT_CHAR, &CGridCtrlWnd::OnChar, this);
    Bind(wxEVT_KILL_FOCUS, &CGridCtrlWnd::OnKillFocus, this);
    Bind(wxEVT_TIMER, &CGridCtrlWnd::OnTimer, this);
    Bind(wxEVT_SYS_COLOUR_CHANGED, &CGridCtrlWnd::OnSysColourChanged, this);
    for (const auto& type : {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
                             wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
                             wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE})
        Bind(type, &CGridCtrlWnd::OnScroll, this);
    // Tab and Enter reach the grid before a dialog's navigation and default button take them.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if ((key == WXK_TAB && m_grid.WantsTab(event.ControlDown())) || key == WXK_RETURN ||
            key == WXK_NUMPAD_ENTER) {
            OnKeyDown(event);
            if (key != WXK_TAB)
                m_grid.OnChar(VK_RETURN, event.ControlDown());
            return;
        }
        event.Skip();
    });
    BindCommands();
}

CGridCtrlWnd::~CGridCtrlWnd()
{
    m_timer.Stop();
    if (wxWindow::HasCapture())
        wxWindow::ReleaseMouse();
    m_grid.AttachWindow(nullptr);
}

void CGridCtrlWnd::BindCommands()
{
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { m_grid.CutSelectedText(); }, wxID_CUT);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { m_grid.CopySelectedText(); }, wxID_COPY);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { m_grid.PasteText(); }, wxID_PASTE);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { m_grid.SelectAllCells(); }, wxID_SELECTALL);
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Enable(m_grid.CanCut()); }, wxID_CUT);
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Enable(m_grid.CanCopy()); }, wxID_COPY);
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Enable(m_grid.CanPaste()); }, wxID_PASTE);
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Enable(m_grid.CanSelectAll()); }, wxID_SELECTALL);
}

void CGridCtrlWnd::ApplyFont(const wxFont& font)
{
    SetFont(font);
    wxClientDC dc(this);
    dc.SetFont(font);
    m_grid.SetGridFont(CGridPainter::GridFont(font), dc.GetTextExtent(" ").x, dc.GetCharHeight(), dc.GetCharWidth());
}

wxWindow* CGridCtrlWnd::GetEditor() const
{
    wxWindow* editor = m_pEditor.get();
    return editor && editor->IsShown() ? editor : nullptr;
}

void CGridCtrlWnd::EndEdit(int row, int col, const std::string& text, int lastKey, bool shift)
{
    m_grid.OnEndInPlaceEditNotify(row, col, text, lastKey, shift);
}

void CGridCtrlWnd::CommitEdit()
{
    if (auto* editor = dynamic_cast<CGridInPlaceEditor*>(m_pEditor.get()))
        editor->CommitNow();
}

int CGridCtrlWnd::VirtualKey(int code)
{
    switch (code) {
    case WXK_TAB: return VK_TAB;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER: return VK_RETURN;
    case WXK_ESCAPE: return VK_ESCAPE;
    case WXK_BACK: return VK_BACK;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP: return VK_PRIOR;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN: return VK_NEXT;
    case WXK_END:
    case WXK_NUMPAD_END: return VK_END;
    case WXK_HOME:
    case WXK_NUMPAD_HOME: return VK_HOME;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT: return VK_LEFT;
    case WXK_UP:
    case WXK_NUMPAD_UP: return VK_UP;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT: return VK_RIGHT;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN: return VK_DOWN;
    case WXK_DELETE:
    case WXK_NUMPAD_DELETE: return VK_DELETE;
    default: return code >= 'A' && code <= 'Z' ? code : 0;
    }
}

// --- IGridWindow -----------------------------------------------------------------------------------

CGridSize CGridCtrlWnd::GetClientSize() const
{
    const wxSize size = wxWindow::GetClientSize();
    return {size.x, size.y};
}

CGridTextExtent CGridCtrlWnd::MeasureText(const std::string& text, const CGridFont& font) const
{
    wxClientDC dc(const_cast<CGridCtrlWnd*>(this));
    dc.SetFont(CGridPainter::Font(font));
    const wxSize extent = dc.GetMultiLineTextExtent(wxString::FromUTF8(text));
    return {extent.x, std::max(extent.y, dc.GetCharHeight())};
}

void CGridCtrlWnd::InvalidateAll() { Refresh(false); }

void CGridCtrlWnd::InvalidateRect(const CGridRect& r)
{
    RefreshRect(wxRect(r.left, r.top, r.right - r.left, r.bottom - r.top), false);
}

void CGridCtrlWnd::SetScrollBars(int hPage, int hMax, int hPos, int vPage, int vMax, int vPos)
{
    SetScrollbar(wxHORIZONTAL, hPos, hMax > 0 ? hPage : 0, hMax > 0 ? hMax + 1 : 0);
    SetScrollbar(wxVERTICAL, vPos, vMax > 0 ? vPage : 0, vMax > 0 ? vMax + 1 : 0);
}

bool CGridCtrlWnd::HasKeyboardFocus() const { return FindFocus() == this; }

// Taking the focus ends an open edit.
void CGridCtrlWnd::TakeKeyboardFocus()
{
    if (auto* editor = dynamic_cast<CGridInPlaceEditor*>(m_pEditor.get()))
        editor->FinishEdit();
    SetFocus();
}

void CGridCtrlWnd::CaptureMouse()
{
    if (!wxWindow::HasCapture())
        wxWindow::CaptureMouse();
}

void CGridCtrlWnd::ReleaseMouse()
{
    if (wxWindow::HasCapture())
        wxWindow::ReleaseMouse();
}

bool CGridCtrlWnd::HasCapture() const { return wxWindow::HasCapture(); }

void CGridCtrlWnd::SetCursor(EGridCursor cursor)
{
    const wxStockCursor stock =
        cursor == EGridCursor::SizeWE ? wxCURSOR_SIZEWE : cursor == EGridCursor::SizeNS ? wxCURSOR_SIZENS : wxCURSOR_ARROW;
    wxWindow::SetCursor(wxCursor(stock));
}

void CGridCtrlWnd::StartAutoScroll() { m_timer.Start(kAutoScrollMs); }

void CGridCtrlWnd::StopAutoScroll() { m_timer.Stop(); }

void CGridCtrlWnd::OpenEditor(const CGridEditorRequest& request)
{
    if (request.isList)
        m_pEditor = new CGridInPlaceList(this, request);
    else
        m_pEditor = new CGridInPlaceEdit(this, request);
}

void CGridCtrlWnd::ShowTitleTip(const CGridRect& textRect, const std::string& text, const CGridRect& hover,
                                const CGridFont& font)
{
    // No tip while another window has the keyboard.
    if (m_pTitleTip && FindFocus())
        m_pTitleTip->Show(textRect, text, hover, font);
}

void CGridCtrlWnd::HideTitleTip()
{
    if (m_pTitleTip)
        m_pTitleTip->Hide();
}

bool CGridCtrlWnd::SetClipboardText(const std::string& text)
{
    wxClipboardLocker locker;
    if (!locker)
        return false;
    return wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(text)));
}

bool CGridCtrlWnd::GetClipboardText(std::string& text)
{
    wxClipboardLocker locker;
    if (!locker || !(wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT)))
        return false;
    wxTextDataObject data;
    if (!wxTheClipboard->GetData(data))
        return false;
    text = data.GetText().utf8_string();
    return true;
}

bool CGridCtrlWnd::ClipboardHasText()
{
    wxClipboardLocker locker;
    if (!locker)
        return false;
    return wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT);
}

int CGridCtrlWnd::DoDragDrop(const std::string& text)
{
    wxTextDataObject data(wxString::FromUTF8(text));
    wxDropSource source(data, this);
    const wxDragResult result = source.DoDragDrop(wxDrag_AllowMove);
    return result == wxDragMove ? DROPEFFECT_MOVE : result == wxDragCopy ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

void CGridCtrlWnd::NotifyOwner(int row, int col, int code)
{
    CGridNotifyEvent event(EVT_GRID_NOTIFY, GetId(), row, col, code);
    event.SetEventObject(this);
    ProcessWindowEvent(event);
}

void CGridCtrlWnd::PostCommandToOwner()
{
    auto* event = new CGridNotifyEvent(EVT_GRID_NOTIFY, GetId(), -1, -1, 0);
    event->SetEventObject(this);
    GetEventHandler()->QueueEvent(event);
}

// The numeric boxes' "Series" menu: the grid has already recorded the cell's series target with
// the grid value's id, and the command goes the same way as a box's.
void CGridCtrlWnd::ShowSeriesMenu() { CSeriesEdit::PopupSeriesMenu(this); }

// --- Events ----------------------------------------------------------------------------------------

CGridMouse CGridCtrlWnd::Mouse(const wxMouseEvent& event) const
{
    return {{event.GetX(), event.GetY()}, event.ShiftDown(), event.ControlDown(), event.LeftIsDown()};
}

void CGridCtrlWnd::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    dc.SetFont(GetFont());
    const wxRect clip = GetUpdateRegion().GetBox();
    CGridPainter(m_grid).DrawGrid(dc, clip);
    // The band that shows where a row or column being resized will end.
    const EGridMouseMode mode = m_grid.GetMouseMode();
    if (mode == EGridMouseMode::SizingCol || mode == EGridMouseMode::SizingRow) {
        const wxSize size = wxWindow::GetClientSize();
        const CGridPoint p = m_grid.GetLastMousePoint();
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(*wxBLACK_BRUSH);
        if (mode == EGridMouseMode::SizingCol)
            dc.DrawRectangle(p.x, 0, 2, size.y);
        else
            dc.DrawRectangle(0, p.y, size.x, 2);
    }
}

void CGridCtrlWnd::OnSize(wxSizeEvent& event)
{
    event.Skip();
    if (m_bInSize)
        return;
    m_bInSize = true;
    // A change of size ends an open edit (the toolkit also reports sizes that did not change).
    const wxSize size = wxWindow::GetClientSize();
    if (size != m_lastSize && GetEditor())
        TakeKeyboardFocus();
    m_lastSize = size;
    m_grid.ResetScrollBars();
    Refresh(false);
    m_bInSize = false;
}

void CGridCtrlWnd::OnLeftDown(wxMouseEvent& event)
{
    HideTitleTip();
    m_grid.OnLButtonDown(Mouse(event));
}

void CGridCtrlWnd::OnLeftUp(wxMouseEvent& event) { m_grid.OnLButtonUp(Mouse(event)); }

void CGridCtrlWnd::OnRightUp(wxMouseEvent& event) { m_grid.OnRButtonUp(Mouse(event)); }

void CGridCtrlWnd::OnDoubleClick(wxMouseEvent& event)
{
    m_grid.OnLButtonDblClk(Mouse(event));
    event.Skip();
}

void CGridCtrlWnd::OnMotion(wxMouseEvent& event) { m_grid.OnMouseMove(Mouse(event)); }

void CGridCtrlWnd::OnWheel(wxMouseEvent& event)
{
    // The system's lines per notch take the place of the wheel step setting.
    if (event.GetLinesPerAction() > 0)
        m_grid.SetWheelScrollLines(unsigned(event.GetLinesPerAction()));
    const int delta = event.GetWheelDelta() > 0 ? event.GetWheelRotation() * 120 / event.GetWheelDelta() : 0;
    m_grid.OnMouseWheel(delta);
}

void CGridCtrlWnd::OnCaptureLost(wxMouseCaptureLostEvent&) { m_grid.OnCaptureChanged(false); }

void CGridCtrlWnd::OnKeyDown(wxKeyEvent& event)
{
    const int key = VirtualKey(event.GetKeyCode());
    if (key == 0 || !m_grid.IsValid(m_grid.GetFocusCell())) {
        event.Skip();
        return;
    }
    m_grid.OnKeyDown(key, event.ShiftDown(), event.ControlDown());
    // Letters and Backspace go on to become characters, which start an edit.
    if ((key >= 'A' && key <= 'Z' && !event.ControlDown()) || key == VK_BACK)
        event.Skip();
}

void CGridCtrlWnd::OnChar(wxKeyEvent& event)
{
    const int ch = event.GetUnicodeKey();
    // Control characters other than Backspace, Tab and Enter start no edit (an editor would end
    // at once on Escape, say).
    if (ch == WXK_NONE || ch > 255 || (ch < 32 && ch != VK_BACK && ch != VK_TAB && ch != VK_RETURN)) {
        event.Skip();
        return;
    }
    m_grid.OnChar(ch, event.ControlDown());
}

void CGridCtrlWnd::OnKillFocus(wxFocusEvent& event)
{
    m_grid.OnKillFocus();
    event.Skip();
}

void CGridCtrlWnd::OnScroll(wxScrollWinEvent& event)
{
    const wxEventType type = event.GetEventType();
    int code = SB_THUMBTRACK;
    if (type == wxEVT_SCROLLWIN_TOP)
        code = SB_TOP;
    else if (type == wxEVT_SCROLLWIN_BOTTOM)
        code = SB_BOTTOM;
    else if (type == wxEVT_SCROLLWIN_LINEUP)
        code = SB_LINEUP;
    else if (type == wxEVT_SCROLLWIN_LINEDOWN)
        code = SB_LINEDOWN;
    else if (type == wxEVT_SCROLLWIN_PAGEUP)
        code = SB_PAGEUP;
    else if (type == wxEVT_SCROLLWIN_PAGEDOWN)
        code = SB_PAGEDOWN;
    if (event.GetOrientation() == wxHORIZONTAL)
        m_grid.OnHScroll(code, event.GetPosition());
    else
        m_grid.OnVScroll(code, event.GetPosition());
}

void CGridCtrlWnd::OnTimer(wxTimerEvent&)
{
    const wxPoint p = ScreenToClient(wxGetMousePosition());
    m_grid.OnTimer({p.x, p.y});
}

void CGridCtrlWnd::OnSysColourChanged(wxSysColourChangedEvent& event)
{
    event.Skip();
    m_grid.OnSysColorChange(SystemColour(wxSYS_COLOUR_WINDOWTEXT), SystemColour(wxSYS_COLOUR_WINDOW),
                            SystemColour(wxSYS_COLOUR_3DFACE), SystemColour(wxSYS_COLOUR_3DSHADOW));
    Refresh(false);
}
