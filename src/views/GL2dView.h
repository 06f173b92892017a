#pragma once
// The 2-D view: the current z-segment of the document as a flat cross-section in an orthographic
// projection 16 units high, drawn by src/render through this window's own OpenGL context. The
// projection state and the conversions live in CView2dState; this class owns the window, the one
// context (kept for the view's whole life, textures uploaded into it once), the batches of its
// frames and the view options. A paint only reads the document: the document lays the device out
// in its update, and the view tells it the thin-layer height whenever its zoom changes.

#include "platform/UserPrompts.h"
#include "render/LayerBatchCache.h"
#include "render/LayerDrawing.h"
#include "render/View2dState.h"

#include <wx/glcanvas.h>
#include <wx/timer.h>

#include <memory>

class CTessaronDoc;

class CGL2dView : public wxGLCanvas {
public:
    CGL2dView(wxWindow* parent, CTessaronDoc* doc);
    ~CGL2dView() override;

    // After every new or opened document: translation 2, 2, scales 1, both axes zoom; right after the
    // next paint (the window has its size by then) the projection and the fit of the current
    // z-segment follow.
    void OnInitialUpdate();
    // Any document change: repaint.
    void OnUpdate(int hint);

    // Projection for the present client size, the document's thin-layer height for it, a repaint.
    void SetProjection();
    // Scales and centres the current z-segment (or the selected layer, scales kept) in 80 % of the
    // window.
    void FitCurrentSegment();
    // The fit three times, so that thin layers drawn at the contact-bar thickness settle.
    void OnZoomOrigin();

    CClientPoint ProjectPoint(CModelPoint world) const { return ::ProjectPoint(m_state, world); }
    CModelPoint UnProjectPoint(CClientPoint client) const { return ::UnProjectPoint(m_state, client); }
    CClientRect WorldRectToClient(const CModelRect& world) const { return ::WorldRectToClient(m_state, world); }
    CModelRect ClientRectToWorld(const CClientRect& client) const { return ::ClientRectToWorld(m_state, client); }

    CView2dState& State() { return m_state; }
    const CView2dState& State() const { return m_state; }
    float GetContactBarThickness() const { return m_state.contactBarThickness; }

    // View options kept in the settings section "CGL2dView".
    int GetGridFlag() const { return m_nBackGrid; }
    void SetGridFlag(int flag) { m_nBackGrid = flag; }
    int m_nLayerInfo = 1;    // "Layer_ViewLayerInfo": the hover box
    int m_nPromptWnd = 1;    // "Layer_ViewPromptWnd": the next-step prompt window
    int m_nMinSpacing = 1;   // "Set minimum spacing"; nothing else reads it

    // The font dialog for the layer-information box's font and colour; the choice is kept and the
    // view repainted.
    void SetLayerInfoFont();
    // The font dialog for the prompt window's font; nothing while there is no prompt window.
    void SetPromptFont();
    // The layer-information box's font: face, size in points and colour (red 9).
    FontChoice m_layerInfoFont{"Courier New", 8, false, false, 9};

    // Renders one frame now and shows it.
    void Render();
    // The colour of the view's own frame at a client point: a frame is drawn and read back before
    // it is shown, so whatever lies over the view on the screen does not count. False when the view
    // cannot draw (not shown).
    bool ReadFramePixel(CClientPoint p, unsigned char rgb[3]);

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnEraseBackground(wxEraseEvent&) {}
    void OnSettingsTimer(wxTimerEvent& event);
    void OnWindowDestroy(wxWindowDestroyEvent& event);

    bool MakeCurrent();
    // Draws a frame into the back buffer; false when the view cannot draw.
    bool DrawFrame();
    void SetupOpenGL();
    // The projection and fit an initial update asked for; a paint queues it, as it changes the
    // document's layout and a paint changes nothing.
    void RunPendingSetup();
    void LoadOptions();
    void SaveOptions();

    // The number this view gives its thin-layer setting under (CTessaronDoc::SetThinLayerHeight).
    static constexpr int kThinLayerView = 2;

    CTessaronDoc* m_pDoc;
    std::unique_ptr<wxGLContext> m_context;
    bool m_bSetupPending = true;   // projection and fit after the next paint
    bool m_bSetupQueued = false;
    bool m_bGLReady = false;       // context state and textures set up (once per context)
    bool m_bOptionsSaved = false;
    const bool m_bThinLayers = true; // layers thinner than a contact bar are drawn that thick
    CView2dState m_state;
    int m_nBackGrid = 1;           // "Layer_ViewGrid"
    GLuint m_textureNames[kTextureNameCount] = {};
    CLayerBatchCache m_layerBatches;
    wxTimer m_settingsTimer;
};
