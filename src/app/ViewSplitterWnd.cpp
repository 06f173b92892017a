#include "app/ViewSplitterWnd.h"

#include <wx/dcclient.h>
#include <wx/sizer.h>

#include <algorithm>

namespace {

constexpr int kFrameWidth = 2;

// Two nested rectangles, each with its top and left edges in one colour and its bottom and right
// edges in the other.
void Draw3dRect(wxDC& dc, wxRect r, const wxColour& topLeft, const wxColour& bottomRight)
{
    dc.SetPen(wxPen(topLeft));
    dc.DrawLine(r.GetLeft(), r.GetTop(), r.GetRight(), r.GetTop());
    dc.DrawLine(r.GetLeft(), r.GetTop(), r.GetLeft(), r.GetBottom());
    dc.SetPen(wxPen(bottomRight));
    dc.DrawLine(r.GetLeft(), r.GetBottom(), r.GetRight() + 1, r.GetBottom());
    dc.DrawLine(r.GetRight(), r.GetTop(), r.GetRight(), r.GetBottom());
}

} // namespace

CViewPane::CViewPane(wxWindow* parent) : wxPanel(parent, wxID_ANY)
{
    SetSizer(new wxBoxSizer(wxVERTICAL));
    Bind(wxEVT_PAINT, &CViewPane::OnPaint, this);
}

void CViewPane::SetView(wxWindow* view)
{
    m_pView = view;
    GetSizer()->Add(view, 1, wxEXPAND | wxALL, kFrameWidth);
    Layout();
}

void CViewPane::SetActive(bool active)
{
    if (m_bActive == active) return;
    m_bActive = active;
    Refresh();
}

void CViewPane::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    if (!m_bActive) return;
    wxRect r(GetClientSize());
    Draw3dRect(dc, r, wxColour(180, 75, 25), wxColour(245, 5, 25));
    r.Deflate(1);
    Draw3dRect(dc, r, wxColour(145, 95, 75), wxColour(220, 65, 40));
}

CViewSplitterWnd::CViewSplitterWnd(wxWindow* parent)
    : wxSplitterWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSP_LIVE_UPDATE | wxSP_NOBORDER),
      m_pLeft(new CViewPane(this)),
      m_pRight(new CViewPane(this))
{
    SetMinimumPaneSize(kMinPaneWidth);
    Bind(wxEVT_CHILD_FOCUS, &CViewSplitterWnd::OnChildFocus, this);
}

void CViewSplitterWnd::SplitPanes()
{
    SplitVertically(m_pLeft, m_pRight, kFirstPaneWidth);
    SetActivePane(0);
}

void CViewSplitterWnd::RecalcSplitter(int clientWidth)
{
    if (!IsSplit()) return;
    SetSashPosition(std::max((2 * clientWidth) / 3, kMinPaneWidth));
}

int CViewSplitterWnd::GetActivePane() const
{
    if (m_pLeft->IsActive()) return 0;
    if (m_pRight->IsActive()) return 1;
    return -1;
}

void CViewSplitterWnd::SetActivePane(int column)
{
    m_pLeft->SetActive(column == 0);
    m_pRight->SetActive(column == 1);
}

int CViewSplitterWnd::PaneOf(const wxWindow* window) const
{
    for (const wxWindow* w = window; w; w = w->GetParent()) {
        if (w == m_pLeft) return 0;
        if (w == m_pRight) return 1;
        if (w == this) break;
    }
    return -1;
}

void CViewSplitterWnd::OnChildFocus(wxChildFocusEvent& event)
{
    const int column = PaneOf(event.GetWindow());
    if (column >= 0) SetActivePane(column);
    event.Skip();
}
