#pragma once
// The grid control's window: our own child window (not wxGrid) that paints a CGridCtrl
// (sheets/GridCtrl.h) and turns the mouse, the keys, the scroll bars, the timer, focus changes and
// drops into its calls. It opens the in-place editors over cells, shows the title tip, reaches the
// clipboard and drag and drop as text, pops up the "Series" menu of a grid value, and tells its
// parent about cell events with CGridNotifyEvent:
//
//   EVT_GRID_NOTIFY, code GVN_*        sent at once (the focus moves, an edit starts or ends, ...)
//   EVT_GRID_NOTIFY, code 0            posted when a button goes up over a cell
//
// The commands Cut (wxID_CUT), Copy, Paste and Select All reach the grid through the window's
// event handler, each with an update handler.

#include "sheets/GridCtrl.h"

#include <wx/event.h>
#include <wx/timer.h>
#include <wx/weakref.h>
#include <wx/window.h>

class CGridInPlaceEditor;
class CTitleTip;

class CGridNotifyEvent : public wxCommandEvent {
public:
    CGridNotifyEvent(wxEventType type = wxEVT_NULL, int id = 0, int row = -1, int col = -1, int code = 0)
        : wxCommandEvent(type, id), m_row(row), m_col(col), m_code(code)
    {
    }
    wxEvent* Clone() const override { return new CGridNotifyEvent(*this); }
    int GetRow() const { return m_row; }
    int GetCol() const { return m_col; }
    int GetCode() const { return m_code; }

private:
    int m_row, m_col, m_code;
};

wxDECLARE_EVENT(EVT_GRID_NOTIFY, CGridNotifyEvent);

class CGridCtrlWnd : public wxWindow, public IGridWindow {
public:
    // The window shows `grid`, which must outlive it.
    CGridCtrlWnd(wxWindow* parent, int id, const wxRect& rect, CGridCtrl& grid);
    ~CGridCtrlWnd() override;

    CGridCtrl& Grid() { return m_grid; }
    // The open in-place editor; null when none.
    wxWindow* GetEditor() const;
    CTitleTip* GetTitleTip() const { return m_pTitleTip; }
    // An editor's end: its text and the key that ended it (0 none).
    void EndEdit(int row, int col, const std::string& text, int lastKey, bool shift);
    // Ends an open in-place editor now, its text stored in its cell before this returns.
    void CommitEdit();

    // IGridWindow.
    CGridSize GetClientSize() const override;
    CGridTextExtent MeasureText(const std::string& text, const CGridFont& font) const override;
    void InvalidateAll() override;
    void InvalidateRect(const CGridRect& rect) override;
    void SetScrollBars(int hPage, int hMax, int hPos, int vPage, int vMax, int vPos) override;
    bool HasKeyboardFocus() const override;
    void TakeKeyboardFocus() override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    bool HasCapture() const override;
    void SetCursor(EGridCursor cursor) override;
    void StartAutoScroll() override;
    void StopAutoScroll() override;
    void OpenEditor(const CGridEditorRequest& request) override;
    void ShowTitleTip(const CGridRect& textRect, const std::string& text, const CGridRect& hover,
                      const CGridFont& font) override;
    void HideTitleTip() override;
    bool SetClipboardText(const std::string& text) override;
    bool GetClipboardText(std::string& text) override;
    bool ClipboardHasText() override;
    int DoDragDrop(const std::string& text) override;
    void NotifyOwner(int row, int col, int code) override;
    void PostCommandToOwner() override;
    void ShowSeriesMenu() override;

    // Keys by the grid's numbers; 0 for a key it does not handle.
    static int VirtualKey(int wxKeyCode);

private:
    void ApplyFont(const wxFont& font);
    CGridMouse Mouse(const wxMouseEvent& event) const;
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnScroll(wxScrollWinEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnSysColourChanged(wxSysColourChangedEvent& event);
    void BindCommands();

    CGridCtrl& m_grid;
    wxTimer m_timer;
    wxWeakRef<wxWindow> m_pEditor;
    CTitleTip* m_pTitleTip = nullptr;
    bool m_bInSize = false;
    wxSize m_lastSize;
};
