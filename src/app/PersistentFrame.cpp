#include "app/PersistentFrame.h"

#include "platform/Profile.h"

#include <wx/toolbar.h>

#include <cstdio>

CPersistentFrame::CPersistentFrame(const wxString& title)
    : wxFrame(nullptr, wxID_ANY, title, wxDefaultPosition, wxSize(1000, 700))
{
    m_normalRect = GetRect();
    Bind(wxEVT_SIZE, &CPersistentFrame::OnSizeOrMove, this);
    Bind(wxEVT_MOVE, &CPersistentFrame::OnSizeOrMove, this);
    Bind(wxEVT_MAXIMIZE, &CPersistentFrame::OnSizeOrMove, this);
}

CPersistentFrame::~CPersistentFrame() { SavePlacement(); }

void CPersistentFrame::OnSizeOrMove(wxEvent& event)
{
    if (IsIconized())
        ;
    else if (IsMaximized())
        m_bMaximizedBeforeIconize = true;
    else {
        m_bMaximizedBeforeIconize = false;
        m_normalRect = GetRect();
    }
    event.Skip();
}

void CPersistentFrame::SavePlacement()
{
    if (m_bPlacementSaved)
        return;
    m_bPlacementSaved = true;
    int icon = 0, max = 0;
    if (IsIconized())
        icon = 1, max = m_bMaximizedBeforeIconize ? 1 : 0;
    else if (IsMaximized())
        max = 1;
    char rect[64];
    std::snprintf(rect, sizeof rect, "%04d %04d %04d %04d", m_normalRect.GetLeft(), m_normalRect.GetTop(),
                  m_normalRect.GetRight() + 1, m_normalRect.GetBottom() + 1);
    IProfile& profile = Profile();
    profile.WriteProfileString("Window size", "Rect", rect);
    profile.WriteProfileInt("Window size", "icon", icon);
    profile.WriteProfileInt("Window size", "max", max);
    // The tool bar's state: which bar and whether it is shown.
    const wxToolBar* bar = GetToolBar();
    profile.WriteProfileInt("Brenvik-Bar0", "BarID", 59392);
    profile.WriteProfileInt("Brenvik-Bar0", "Visible", bar && bar->IsShown() ? 1 : 0);
}
