#pragma once
// The 2-D view: the current z-segment of the document as a flat cross-section in an orthographic
// projection 16 units high, drawn by src/render through this window's own OpenGL context. The
// projection state, the conversions and the mouse gestures live in CView2dState and the functions
// of render/View2dInput.h; this class owns the window, the one context (kept for the view's whole
// life, textures uploaded into it once), the batches of its frames, the view options, the
// next-step prompt window and the layer-information box, and hands mouse, keys and commands to
// those functions. A paint only reads the document: the document lays the device out in its
// update, and the view tells it the thin-layer height whenever its zoom changes.

#include "platform/UserPrompts.h"
#include "render/LayerBatchCache.h"
#include "render/LayerDrawing.h"
#include "render/View2dInput.h"
#include "render/View2dState.h"
#include "render/ZsegmentPopup.h"
#include "views/MyToolTip.h"

#include <wx/glcanvas.h>
#include <wx/timer.h>
#include <wx/weakref.h>

#include <memory>
#include <vector>

class CPromptDlg;
class CTessaronDoc;

class CGL2dView : public wxGLCanvas, private IView2dDocument {
public:
    CGL2dView(wxWindow* parent, CTessaronDoc* doc);
    ~CGL2dView() override;

    // After every new or opened document: translation 2, 2, scales 1, both axes zoom, no gesture;
    // right after the next paint (the window has its size by then) the projection and the fit of
    // the current z-segment follow.
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
    // True until the projection and fit that follow an initial update have run.
    bool IsSetupPending() const { return m_bSetupPending; }

    CClientPoint ProjectPoint(CModelPoint world) const { return ::ProjectPoint(m_state, world); }
    CModelPoint UnProjectPoint(CClientPoint client) const { return ::UnProjectPoint(m_state, client); }
    CClientRect WorldRectToClient(const CModelRect& world) const { return ::WorldRectToClient(m_state, world); }
    CModelRect ClientRectToWorld(const CClientRect& client) const { return ::ClientRectToWorld(m_state, client); }

    CView2dState& State() { return m_state; }
    const CView2dState& State() const { return m_state; }
    const CInput2dState& InputState() const { return m_input; }
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
    // The font dialog for the prompt window's font and colour; nothing while there is no prompt
    // window.
    void SetPromptFont();

    // Shows next-step prompt `index` in the prompt window, as soon as the window exists (10 ms on).
    void StartPrompt(int index);
    // View/Prompt Window: makes the prompt window at its first use (shown by the option), then
    // shows or hides it and flips the option.
    void OnPromptWindow();
    CPromptDlg* GetPromptDlg() const { return m_pPromptDlg.get(); }

    // The layer-information box for a window point: the layer under it and its data, or no box.
    void ShowLayerInfo(CClientPoint point);
    const CMyToolTip& GetInfoBox() const { return m_infoBox; }
    CMyToolTip& GetInfoBox() { return m_infoBox; }

    // The right-click menu's items (3-D editor only) and what choosing one of them does.
    std::vector<CPopupItem> PopupItems() const;
    void OnPopupCommand(int id);

    // Renders one frame now and shows it.
    void Render();
    // The colour of the view's own frame at a client point: a frame is drawn and read back before
    // it is shown, so whatever lies over the view on the screen does not count. False when the view
    // cannot draw (not shown).
    bool ReadFramePixel(CClientPoint p, unsigned char rgb[3]);

private:
    // IView2dDocument: the gestures reach the document through the view.
    int SegmentsInUse() const override;
    int CurrentSegmentNumber() const override;
    const CZSegment* CurrentSegment() const override;
    bool HasSelection() const override;
    void PrepareDrawing() override { PrepareDocument(); }
    void SetSelection(int zseg, int column, int row) override;
    void SetDropTarget(CLayerRef layer, bool on) override;
    void SendCommand(int id) override;
    bool IsCommandEnabled(int id) const override;
    void UpdateAllViews() override;

    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnEraseBackground(wxEraseEvent&) {}
    void OnSettingsTimer(wxTimerEvent& event);
    void OnPromptTimer(wxTimerEvent& event);
    void OnWindowDestroy(wxWindowDestroyEvent& event);
    void OnMouseButton(wxMouseEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void BindCommands();
    // Carries out what a gesture asked of the window.
    void Apply(const CInput2dResult& result, CClientPoint point);
    void ShowZsegmentMenu(CClientPoint point);

    bool MakeCurrent();
    // Draws a frame into the back buffer; false when the view cannot draw.
    bool DrawFrame();
    void SetupOpenGL();
    // The document's layout for this view's zoom: its thin-layer height (nothing when unchanged).
    void PrepareDocument();
    // Repaints the whole view; the information box goes with it.
    void InvalidateView();
    // The projection and fit an initial update asked for; a paint queues it, as it changes the
    // document's layout and a paint changes nothing.
    void RunPendingSetup();
    void LoadOptions();
    void SaveOptions();

    // The number this view gives its thin-layer setting under (CTessaronDoc::SetThinLayerHeight).
    static constexpr int kThinLayerView = 2;

    CTessaronDoc* m_pDoc;
    std::unique_ptr<wxGLContext> m_context;
    bool m_bSetupPending = true;   // projection and fit at the next paint
    bool m_bSetupQueued = false;
    bool m_bPainting = false;      // within OnPaint
    bool m_bGLReady = false;       // context state and textures set up (once per context)
    bool m_bOptionsSaved = false;
    const bool m_bThinLayers = true; // layers thinner than a contact bar are drawn that thick
    CView2dState m_state;
    CInput2dState m_input;
    bool m_bLeftHeld = false;      // a press of the button in this view, not released yet
    bool m_bRightHeld = false;
    int m_nBackGrid = 1;           // "Layer_ViewGrid"
    GLuint m_textureNames[kTextureNameCount] = {};
    CLayerBatchCache m_layerBatches;
    wxTimer m_settingsTimer;
    wxTimer m_promptTimer;
    int m_nPromptIndex = -1;       // the prompt to show at the next prompt-timer tick
    wxWeakRef<CPromptDlg> m_pPromptDlg;
    CMyToolTip m_infoBox;
    CClientPoint m_lastInfoPoint{-1000, -1000};
};
