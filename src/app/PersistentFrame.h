#pragma once
// A frame that writes its window placement and its tool-bar state to the profile when it is
// destroyed (section "Window size": "Rect", "icon", "max"). Nothing reads them back: every start
// shows the frame maximised.

#include <wx/frame.h>

class CPersistentFrame : public wxFrame {
public:
    CPersistentFrame(const wxString& title);
    ~CPersistentFrame() override;

    // Writes the placement now (the destructor calls it).
    void SavePlacement();

protected:
    void OnSizeOrMove(wxEvent& event);

    wxRect m_normalRect;            // the last position while neither maximised nor minimised
    bool m_bMaximizedBeforeIconize = false;
    bool m_bPlacementSaved = false;
};
