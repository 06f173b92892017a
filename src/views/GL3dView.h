#pragma once
// The 3-D view: every z-segment in use of the document as one solid, drawn by src/render through
// this window's own OpenGL context. The camera, the projection and the gestures live in
// CView3dState and its functions; this class owns the window, the one context (kept for the
// view's whole life, its outline-font lists made once), the cursors and the right-click menu, and
// hands mouse, keys and commands to those functions.

#include "render/OutlineFont.h"
#include "render/Scene3d.h"
#include "render/View3dInput.h"
#include "render/View3dState.h"

#include <wx/glcanvas.h>

#include <memory>
#include <vector>

class CTessaronDoc;
class wxMenu;

class CGL3dView : public wxGLCanvas {
public:
    CGL3dView(wxWindow* parent, CTessaronDoc* doc);
    ~CGL3dView() override;

    // After every new or opened document: the camera is fitted to the device again.
    void OnInitialUpdate();
    // Any document change: hint 1 fits the camera again; every hint redraws.
    void OnUpdate(int hint);

    // Zoom Origin: the camera back to its start, fitted to the device, and projected.
    void OnZoomOrigin();
    // Projection for the present client size and camera; the document's layers are laid out for
    // the new contact-bar thickness; the view is redrawn.
    void SetProjection();
    // The largest cross-section extent of the device (0 without a z-segment in use).
    float GetDeviceSize();
    bool IsCylinderMode() const;
    // "Parallel View" (true) and "Perspective View" (false).
    void SetParallel(bool parallel);
    // "View Point Distance": the eye factor edited in tenths, from 30 to 100.
    void OnViewPointDistance();

    // The right-click menu's items as they are now, and what choosing one of them does.
    std::vector<CPopupItem3d> PopupItems() const;
    void OnPopupCommand(int id);
    void ShowZsegmentMenu();

    // Renders one frame now (also used by tests that read the frame back).
    void Render();

    CView3dState& State() { return m_state; }
    const CView3dState& State() const { return m_state; }
    float GetContactBarThickness() const { return m_state.contactBarThickness; }
    // The frame's closing flag: nothing is drawn once it is set.
    void SetClosingFlag(const int* closing) { m_pClosing = closing; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnEraseBackground(wxEraseEvent&) {}
    void OnMouseButton(wxMouseEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void BindCommands();

    bool MakeCurrent();
    void SetupOpenGL();
    int SegmentsInUse() const;
    // Gives the document this view's thin-layer setting (it lays the device out again when that
    // changes) and measures the device.
    void PrepareDocument();
    // The number this view gives its thin-layer setting under (CTessaronDoc::SetThinLayerHeight).
    static constexpr int kThinLayerView = 3;
    // Carries out what a gesture asked of the window.
    void Apply(const CInput3dResult& result);

    // The scene as the document holds it now, for drawing and for fitting the camera.
    CScene3d SceneNow() const;

    CTessaronDoc* m_pDoc;
    std::unique_ptr<wxGLContext> m_context;
    bool m_bGLReady = false; // context state and font lists made (once per context)
    CView3dState m_state;
    CDeviceExtents m_extents;
    COutlineFont m_font;
    const int* m_pClosing = nullptr;
    // The camera is at its fitted start: no gesture or camera command has changed it since.
    bool m_bAtOrigin = true;
};

// The command id of the right-click menu's "Zoom in thin layer" (its own, so that the main menu's
// "Paste z-segment material", which had the same number, always reaches the document).
int ThinLayerPopupId();
