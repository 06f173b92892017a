#pragma once
// The 3-D editor's client area: one row of two panes, the 2-D view of the current z-segment on the
// left and the 3-D view of the whole device on the right, the left pane kept at two thirds of the
// frame's width when the frame is sized or maximised. The pane whose view holds the focus (the
// active view, which commands reach first) is framed in orange-red.

#include <wx/panel.h>
#include <wx/splitter.h>

// One pane: a view inset by a frame two pixels wide, drawn in the active colours while the pane
// is the active one.
class CViewPane : public wxPanel {
public:
    explicit CViewPane(wxWindow* parent);
    // The view the pane holds, a child of this pane.
    void SetView(wxWindow* view);
    wxWindow* GetView() const { return m_pView; }
    void SetActive(bool active);
    bool IsActive() const { return m_bActive; }

private:
    void OnPaint(wxPaintEvent& event);

    wxWindow* m_pView = nullptr;
    bool m_bActive = false;
};

class CViewSplitterWnd : public wxSplitterWindow {
public:
    static constexpr int kFirstPaneWidth = 500; // before the frame is sized the first time
    static constexpr int kMinPaneWidth = 20;

    explicit CViewSplitterWnd(wxWindow* parent);

    CViewPane* Pane(int column) const { return column == 0 ? m_pLeft : m_pRight; }
    // Splits between the two panes once both hold their views; the left pane is the active one.
    void SplitPanes();
    // The two-thirds rule: the left pane (2 w) / 3 pixels wide, w being the frame's client width.
    void RecalcSplitter(int clientWidth);
    // The column (0 or 1) of the active pane; -1 when neither view ever held the focus.
    int GetActivePane() const;
    void SetActivePane(int column);
    // The column whose pane holds the window, -1 for none.
    int PaneOf(const wxWindow* window) const;

private:
    void OnChildFocus(wxChildFocusEvent& event);

    CViewPane* m_pLeft;
    CViewPane* m_pRight;
};
