#include "views/GL3dView.h"

#include "CommandIds.h"
#include "dialogs/ViewPointDistanceDlg.h"
#include "model/ProcessState.h"
#include "document/TessaronDoc.h"
#include "platform/AppServices.h"
#include "platform/UserPrompts.h"
#include "platform/ViewsHub.h"
#include "render/View3dFit.h"
#include "views/ViewCursors.h"

#include <wx/dcclient.h>
#include <wx/menu.h>

#include <algorithm>

namespace {

// Double-buffered RGBA with a depth buffer and no stencil, as the view always asked for. 24 depth
// bits rather than 32: X servers and Mesa offer no 32-bit depth visual.
wxGLAttributes DisplayAttributes()
{
    wxGLAttributes attrs;
    attrs.PlatformDefaults().RGBA().DoubleBuffer().MinRGBA(8, 8, 8, 0).Depth(24).EndList();
    return attrs;
}

// The cursors of the zoom, move and rotate gestures.
wxCursor CursorOf(ECursor3d cursor)
{
    switch (cursor) {
    case ECursor3d::Zoom: return ZoomCursor();
    case ECursor3d::Move: return MoveCursor();
    case ECursor3d::Rotate: return RotateCursor();
    case ECursor3d::Unchanged: break;
    }
    return wxNullCursor;
}

CMouse3d MouseOf(const wxMouseEvent& event)
{
    CMouse3d m;
    m.x = event.GetX();
    m.y = event.GetY();
    m.left = event.LeftIsDown();
    m.right = event.RightIsDown();
    return m;
}

EKey3d KeyOf(int code)
{
    switch (code) {
    case WXK_LEFT: case WXK_NUMPAD_LEFT: return EKey3d::Left;
    case WXK_RIGHT: case WXK_NUMPAD_RIGHT: return EKey3d::Right;
    case WXK_UP: case WXK_NUMPAD_UP: return EKey3d::Up;
    case WXK_DOWN: case WXK_NUMPAD_DOWN: return EKey3d::Down;
    default: return EKey3d::Other;
    }
}

const char kMoveInfo[] = "You can drag the left mouse key to move object.\n(This is for your information only)";
const char kRotationInfo[] =
    "You can use direction key or drag the right mouse key to rotate object.\n(This is for your information only)";
const char kZoomInfo[] = "You can drag both mouse keys to zoom in or zoom out.\n(This is for your information only)";

} // namespace

int ThinLayerPopupId() { return WxId(ID_3D_THIN_LAYER); }

CGL3dView::CGL3dView(wxWindow* parent, CTessaronDoc* doc)
    : wxGLCanvas(parent, DisplayAttributes(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
      m_pDoc(doc)
{
    // The legacy (compatibility) profile: the drawing is OpenGL 1.1 (immediate mode and client-side
    // vertex arrays).
    wxGLContextAttrs ctxAttrs;
    ctxAttrs.PlatformDefaults().CompatibilityProfile().EndList();
    m_context = std::make_unique<wxGLContext>(this, nullptr, &ctxAttrs);
    if (!m_context->IsOK()) m_context = std::make_unique<wxGLContext>(this);

    Bind(wxEVT_PAINT, &CGL3dView::OnPaint, this);
    Bind(wxEVT_SIZE, &CGL3dView::OnSize, this);
    Bind(wxEVT_ERASE_BACKGROUND, &CGL3dView::OnEraseBackground, this);
    Bind(wxEVT_LEFT_DOWN, &CGL3dView::OnMouseButton, this);
    Bind(wxEVT_LEFT_UP, &CGL3dView::OnMouseButton, this);
    Bind(wxEVT_RIGHT_DOWN, &CGL3dView::OnMouseButton, this);
    Bind(wxEVT_RIGHT_UP, &CGL3dView::OnMouseButton, this);
    Bind(wxEVT_MOTION, &CGL3dView::OnMouseMove, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CGL3dView::OnCaptureLost, this);
    Bind(wxEVT_KEY_DOWN, &CGL3dView::OnKeyDown, this);
    BindCommands();
    OnInitialUpdate();
}

CGL3dView::~CGL3dView()
{
    if (HasCapture()) ReleaseMouse();
    if (m_bGLReady && MakeCurrent()) m_font.Delete();
}

// ---- document and camera ----

int CGL3dView::SegmentsInUse() const
{
    if (!m_pDoc) return 0;
    return std::max(0, std::min(g_nZSegCount, int(m_pDoc->m_ZSegments.size())));
}

bool CGL3dView::IsCylinderMode() const { return m_pDoc && m_pDoc->m_nCylinder == 1; }

void CGL3dView::PrepareDocument()
{
    const int n = SegmentsInUse();
    if (n >= 1) m_pDoc->SetThinLayerHeight(kThinLayerView, m_state.thinLayers, m_state.contactBarThickness);
    m_extents = n >= 1 ? DeviceExtents3d(m_pDoc->m_ZSegments, n) : CDeviceExtents();
}

float CGL3dView::GetDeviceSize()
{
    if (SegmentsInUse() < 1) return 0.0f;
    PrepareDocument();
    return DeviceSize3d(m_extents);
}

void CGL3dView::OnInitialUpdate() { OnZoomOrigin(); }

void CGL3dView::OnUpdate(int hint)
{
    if (hint == 1)
        OnInitialUpdate();
    else
        PrepareDocument();
    Refresh(false);
}

void CGL3dView::OnZoomOrigin()
{
    const int n = SegmentsInUse();
    const double length = n >= 1 ? m_pDoc->m_ZSegments[n - 1].m_Params.m_dZTo - m_pDoc->m_ZSegments[0].m_Params.m_dZFrom
                                 : 0.0;
    ZoomOrigin3d(m_state, n, length, [this] { return GetDeviceSize(); });
    // The start view shows the whole device, whatever its shape and the pane's.
    const wxSize size = GetClientSize();
    const CScene3d scene = SceneNow();
    FitPointsInView3d(m_state, scene, DeviceCorners3d(scene), size.GetWidth(), size.GetHeight());
    m_bAtOrigin = true;
    SetProjection();
}

void CGL3dView::SetProjection()
{
    const wxSize size = GetClientSize();
    SetProjection3d(m_state, size.GetWidth(), size.GetHeight());
    PrepareDocument();
    Refresh(false);
}

void CGL3dView::SetParallel(bool parallel)
{
    m_state.parallel = parallel;
    // The other camera sees the device at another size: a camera at its start is fitted again.
    if (m_bAtOrigin)
        OnZoomOrigin();
    else
        SetProjection();
}

void CGL3dView::OnViewPointDistance()
{
    CViewPointDistanceDlg dialog(this);
    dialog.SetValue(EyeFactorToDialogValue(m_state.eyeFactor));
    if (dialog.ShowModal() != wxID_OK) return;
    m_state.eyeFactor = EyeFactorFromDialogValue(dialog.GetValue());
    m_bAtOrigin = false;
    SetProjection();
}

// ---- drawing ----

bool CGL3dView::MakeCurrent()
{
    return m_context && m_context->IsOK() && IsShownOnScreen() && SetCurrent(*m_context);
}

void CGL3dView::SetupOpenGL()
{
    if (m_bGLReady) return;
    SetupGL3d();
    m_font.Build();
    m_bGLReady = true;
}

CScene3d CGL3dView::SceneNow() const
{
    CScene3d scene;
    if (m_pDoc) {
        scene.segments = &m_pDoc->m_ZSegments;
        scene.segmentsInUse = SegmentsInUse();
        scene.drawingLock = m_pDoc->m_nDrawingLock != 0;
    }
    scene.currentZSeg = g_nCurZSeg;
    scene.cylinder = IsCylinderMode();
    scene.extents = m_extents;
    scene.font = &m_font;
    return scene;
}

void CGL3dView::Render()
{
    if (m_pClosing && *m_pClosing) return;
    if (!MakeCurrent()) return;
    SetupOpenGL();
    RenderScene3d(m_state, SceneNow());
    SwapBuffers();
}

void CGL3dView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    Render();
}

void CGL3dView::OnSize(wxSizeEvent& event)
{
    event.Skip();
    // A camera still at its start is fitted to the new pane (a window opened small and then
    // enlarged, or a moved splitter bar); one the user has turned or moved keeps its place.
    if (m_bAtOrigin)
        OnZoomOrigin();
    else
        SetProjection();
}

// ---- mouse and keys ----

void CGL3dView::Apply(const CInput3dResult& r)
{
    if (r.captureMouse && !HasCapture()) CaptureMouse();
    if (r.releaseMouse && HasCapture()) ReleaseMouse();
    if (r.cursor != ECursor3d::Unchanged) SetCursor(CursorOf(r.cursor));
    if (r.showNextStepPrompt && m_pDoc && m_pDoc->GetViews())
        m_pDoc->GetViews()->StartPrompt(g_nZSegCount >= 1 ? 4 : 0);
    if (r.setProjection) {
        m_bAtOrigin = false;
        SetProjection();
    }
    if (r.showZsegmentMenu) ShowZsegmentMenu();
}

void CGL3dView::OnMouseButton(wxMouseEvent& event)
{
    const CMouse3d mouse = MouseOf(event);
    const int n = SegmentsInUse();
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN) SetFocus();
    CInput3dResult r;
    if (type == wxEVT_LEFT_DOWN)
        r = LeftButtonDown3d(m_state, n, mouse);
    else if (type == wxEVT_RIGHT_DOWN)
        r = RightButtonDown3d(m_state, n, mouse);
    else if (type == wxEVT_LEFT_UP)
        r = LeftButtonUp3d(m_state, n, mouse);
    else
        r = RightButtonUp3d(m_state, n, mouse);
    event.Skip();
    Apply(r);
}

void CGL3dView::OnMouseMove(wxMouseEvent& event)
{
    event.Skip();
    Apply(MouseMove3d(m_state, SegmentsInUse(), HasCapture(), GetClientSize().GetHeight(), MouseOf(event)));
}

void CGL3dView::OnCaptureLost(wxMouseCaptureLostEvent&) { m_state.gesture = EGesture3d::Idle; }

void CGL3dView::OnKeyDown(wxKeyEvent& event)
{
    const EKey3d key = KeyOf(event.GetKeyCode());
    // The arrow keys are the view's own: passed on, they would move the focus to the next pane.
    if (key == EKey3d::Other) event.Skip();
    Apply(KeyDown3d(m_state, key));
}

// ---- right-click menu ----

std::vector<CPopupItem3d> CGL3dView::PopupItems() const
{
    return ZsegmentPopupItems(ThinLayerPopupId(), WxId(ID_ZSEG_PROPERTY), m_state.thinLayers, SegmentsInUse(),
                              g_nCurZSeg);
}

void CGL3dView::OnPopupCommand(int id)
{
    if (id == ThinLayerPopupId()) {
        m_state.thinLayers = !m_state.thinLayers;
        PrepareDocument();
        return;
    }
    const int index = ZsegmentOfPopupId(id, SegmentsInUse());
    if (index >= 0) {
        if (m_pDoc) m_pDoc->SelectZsegment(index); // current z-segment, and every view redrawn
        return;
    }
    // Anything else ("Current z-segment property") goes its way through the frame's routing.
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(this);
    ProcessWindowEvent(command);
}

void CGL3dView::ShowZsegmentMenu()
{
    if (!AppServices().Is3dMode()) return;
    wxMenu menu;
    for (const CPopupItem3d& item : PopupItems()) {
        if (item.id == 0)
            menu.AppendSeparator();
        else if (item.id == WxId(ID_ZSEG_PROPERTY))
            menu.Append(item.id, item.text);
        else
            menu.AppendCheckItem(item.id, item.text)->Check(item.checked);
    }
    const int id = GetPopupMenuSelectionFromUser(menu);
    if (id != wxID_NONE) OnPopupCommand(id);
}

// ---- commands ----

void CGL3dView::BindCommands()
{
    auto onMenu = [this](int command, auto action) {
        Bind(wxEVT_MENU, [this, action](wxCommandEvent&) { action(); }, WxId(command));
    };
    auto projectAfter = [this](auto change) {
        return [this, change]() {
            change();
            m_bAtOrigin = false;
            SetProjection();
        };
    };
    onMenu(ID_ZOOM_IN, projectAfter([this] { ZoomIn3d(m_state); }));
    onMenu(ID_ZOOM_OUT, projectAfter([this] { ZoomOut3d(m_state); }));
    onMenu(ID_ZOOM_ORIGIN, [this] { OnZoomOrigin(); });
    onMenu(ID_VIEW_PARALLEL, [this] { SetParallel(true); });
    onMenu(ID_VIEW_PERSPECTIVE, [this] { SetParallel(false); });
    onMenu(ID_VIEW_DISTANCE, [this] { OnViewPointDistance(); });
    onMenu(ID_3D_MOVE, [] { AfxMessageBox(kMoveInfo, MB_OK); });
    onMenu(ID_3D_ROTATION, [] { AfxMessageBox(kRotationInfo, MB_OK); });
    onMenu(ID_3D_ZOOM, [] { AfxMessageBox(kZoomInfo, MB_OK); });
    // The zoom switches change nothing on the screen until the next gesture or command.
    onMenu(ID_3D_ZOOM_X, [this] { m_state.zoomSwitchX = !m_state.zoomSwitchX; });
    onMenu(ID_3D_ZOOM_Y, [this] { m_state.zoomSwitchY = !m_state.zoomSwitchY; });
    onMenu(ID_3D_ZOOM_Z, [this] { m_state.zoomSwitchZ = !m_state.zoomSwitchZ; });
    Bind(wxEVT_MENU, [this](wxCommandEvent& e) { OnPopupCommand(e.GetId()); }, ThinLayerPopupId());

    auto onUpdate = [this](int command, auto rule) {
        Bind(wxEVT_UPDATE_UI, [this, rule](wxUpdateUIEvent& e) { rule(e); }, WxId(command));
    };
    const auto needsSegments = [this](wxUpdateUIEvent& e) { e.Enable(SegmentsInUse() >= 1); };
    for (int command : {ID_ZOOM_IN, ID_ZOOM_OUT, ID_ZOOM_ORIGIN, ID_VIEW_DISTANCE}) onUpdate(command, needsSegments);
    onUpdate(ID_VIEW_PARALLEL, [this](wxUpdateUIEvent& e) {
        e.Enable(SegmentsInUse() >= 1);
        e.Check(m_state.parallel);
    });
    onUpdate(ID_VIEW_PERSPECTIVE, [this](wxUpdateUIEvent& e) {
        e.Enable(SegmentsInUse() >= 1);
        e.Check(!m_state.parallel);
    });
    for (int command : {ID_3D_MOVE, ID_3D_ROTATION, ID_3D_ZOOM}) onUpdate(command, [](wxUpdateUIEvent& e) { e.Enable(true); });
    onUpdate(ID_3D_ZOOM_X, [this](wxUpdateUIEvent& e) { e.Check(m_state.zoomSwitchX); });
    onUpdate(ID_3D_ZOOM_Y, [this](wxUpdateUIEvent& e) { e.Check(m_state.zoomSwitchY); });
    onUpdate(ID_3D_ZOOM_Z, [this](wxUpdateUIEvent& e) { e.Check(m_state.zoomSwitchZ); });
}
