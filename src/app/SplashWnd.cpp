#include "app/SplashWnd.h"

#include "PictureResources.h"
#include "app/PictureBitmap.h"
#include "app/TessaronApp.h"

#include <wx/dcclient.h>

namespace {

constexpr int kSplashTimerId = 1;
constexpr int kSplashMilliseconds = 500;

bool IsKeyOrButtonPress(wxEventType type)
{
    // A key press reaches the program first as the top-level window's key hook, then as a key-down
    // event; both count, so that no part of the press gets through.
    return type == wxEVT_CHAR_HOOK || type == wxEVT_KEY_DOWN || type == wxEVT_LEFT_DOWN ||
           type == wxEVT_RIGHT_DOWN || type == wxEVT_MIDDLE_DOWN || type == wxEVT_AUX1_DOWN ||
           type == wxEVT_AUX2_DOWN;
}

}  // namespace

bool CSplashWnd::c_bShowSplashWnd = false;
CSplashWnd* CSplashWnd::c_pSplashWnd = nullptr;

CSplashWnd::~CSplashWnd()
{
    if (c_pSplashWnd == this)
        c_pSplashWnd = nullptr;
}

void CSplashWnd::EnableSplashScreen(bool enable) { c_bShowSplashWnd = enable; }

int CSplashWnd::PictureId()
{
    const CTessaronApp* app = TheApp();
    return app && app->m_bBuilder ? IDB_SPLASH_BUILDER : IDB_SPLASH_3D;
}

void CSplashWnd::ShowSplashScreen(wxWindow* parent)
{
    if (!c_bShowSplashWnd || c_pSplashWnd)
        return;
    c_pSplashWnd = new CSplashWnd;
    if (!c_pSplashWnd->Create(parent)) {
        delete c_pSplashWnd;
        return;
    }
    c_pSplashWnd->Update();
}

bool CSplashWnd::Create(wxWindow* parent)
{
    if (!CPictureBitmap::Load(PictureId(), m_bitmap))
        return false;
    // Borderless, so the window's size is the picture's. Its client size is not set apart: before
    // the window is shown the toolkit does not know its decorations and would shrink it to nothing.
    const long style = wxBORDER_NONE | wxFRAME_NO_TASKBAR | wxSTAY_ON_TOP;
    if (!wxFrame::Create(parent, wxID_ANY, wxEmptyString, wxPoint(0, 0), m_bitmap.GetSize(), style))
        return false;
    Bind(wxEVT_PAINT, &CSplashWnd::OnPaint, this);
    Bind(wxEVT_TIMER, &CSplashWnd::OnTimer, this, kSplashTimerId);
    // The owner is not shown yet, so the window lands in the middle of the screen.
    CentreOnScreen();
    m_timer.SetOwner(this, kSplashTimerId);
    m_timer.StartOnce(kSplashMilliseconds);
    Show(true);
    return true;
}

void CSplashWnd::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    dc.DrawBitmap(m_bitmap, 0, 0, false);
}

void CSplashWnd::OnTimer(wxTimerEvent&)
{
    m_timer.Stop();
    HideSplashScreen();
}

void CSplashWnd::HideSplashScreen()
{
    // The window goes at once; the object follows when the program is next idle.
    m_timer.Stop();
    if (c_pSplashWnd == this)
        c_pSplashWnd = nullptr;
    Destroy();
}

void CSplashWnd::RaiseSplashScreen()
{
    if (c_pSplashWnd) {
        c_pSplashWnd->Raise();
        c_pSplashWnd->Update();
    }
}

bool CSplashWnd::PreTranslateAppMessage(const wxEvent& event)
{
    if (!c_pSplashWnd || !IsKeyOrButtonPress(event.GetEventType()))
        return false;
    c_pSplashWnd->HideSplashScreen();
    return true;
}
