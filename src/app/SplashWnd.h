#pragma once
// The splash window: the mode's product picture, centred on the screen while the main frame is
// being created. It closes after half a second or at the first key or mouse-button press anywhere
// in the program; that press goes no further. At most one exists at a time; it owns itself.

#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/timer.h>

class wxEvent;

class CSplashWnd : public wxFrame {
public:
    // Whether a splash window may be shown: set once by start-up (false for a start by another
    // program).
    static void EnableSplashScreen(bool enable);
    // Shows the splash window unless it is disabled or one is up already. The parent is its owner.
    static void ShowSplashScreen(wxWindow* parent);
    // Every event of the program passes here first; true when it closed the splash window and is
    // to go no further.
    static bool PreTranslateAppMessage(const wxEvent& event);
    // Closes the splash window; the object deletes itself.
    void HideSplashScreen();
    // Puts the splash window back above the windows shown after it (the main frame), where a
    // desktop without a window manager would leave it below them.
    static void RaiseSplashScreen();

    // The picture shown: 298 in the layer builder, 293 in the 3-D editor.
    static int PictureId();
    const wxBitmap& GetPicture() const { return m_bitmap; }

    static bool c_bShowSplashWnd;
    static CSplashWnd* c_pSplashWnd;

private:
    CSplashWnd() = default;
    ~CSplashWnd() override;
    bool Create(wxWindow* parent);
    void OnPaint(wxPaintEvent& event);
    void OnTimer(wxTimerEvent& event);

    wxBitmap m_bitmap;
    wxTimer m_timer;
};
