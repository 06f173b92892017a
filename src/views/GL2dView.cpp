#include "views/GL2dView.h"

#include "CommandIds.h"
#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "platform/AppServices.h"
#include "platform/Profile.h"
#include "platform/TextureImage.h"
#include "platform/ViewsHub.h"
#include "render/Overlay2d.h"
#include "render/Scene2d.h"
#include "render/WindowFont.h"
#include "spreadsheet/DeviceInfoText.h"
#include "views/PromptDlg.h"
#include "views/ViewCursors.h"

#include <wx/dcclient.h>
#include <wx/menu.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

const char kSection[] = "CGL2dView";
const char kGridKey[] = "Layer_ViewGrid";
const char kLayerInfoKey[] = "Layer_ViewLayerInfo";
const char kPromptKey[] = "Layer_ViewPromptWnd";
constexpr int kSettingsTimerMs = 20;
constexpr int kPromptTimerMs = 10;
constexpr int kSettingsTimerId = 1;
constexpr int kPromptTimerId = 2;

// Double-buffered RGBA with a depth buffer and no stencil. 24 depth bits rather than 32: X servers
// and Mesa offer no 32-bit depth visual, and 24 bits resolve the 0.2 step that puts empty layers
// behind the others in the +-1100 depth range many times over.
wxGLAttributes DisplayAttributes()
{
    wxGLAttributes attrs;
    attrs.PlatformDefaults().RGBA().DoubleBuffer().MinRGBA(8, 8, 8, 0).Depth(24).EndList();
    return attrs;
}

// A key that is missing or empty keeps the present value.
void ReadOption(const char* key, int& value)
{
    const std::string text = Profile().GetProfileString(kSection, key, "");
    if (!text.empty()) value = std::atoi(text.c_str());
}

CMouse2d MouseOf(const wxMouseEvent& event)
{
    CMouse2d m;
    m.x = event.GetX();
    m.y = event.GetY();
    m.left = event.LeftIsDown();
    m.right = event.RightIsDown();
    m.shift = event.ShiftDown();
    m.ctrl = event.ControlDown();
    return m;
}

} // namespace

CGL2dView::CGL2dView(wxWindow* parent, CTessaronDoc* doc)
    : wxGLCanvas(parent, DisplayAttributes(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
      m_pDoc(doc),
      m_settingsTimer(this, kSettingsTimerId),
      m_promptTimer(this, kPromptTimerId)
{
    // The legacy (compatibility) profile: the drawing is OpenGL 1.1 (immediate mode and client-side
    // vertex arrays). The platform defaults ask for direct rendering; an indirect context is refused
    // by many X servers.
    wxGLContextAttrs ctxAttrs;
    ctxAttrs.PlatformDefaults().CompatibilityProfile().EndList();
    m_context = std::make_unique<wxGLContext>(this, nullptr, &ctxAttrs);
    if (!m_context->IsOK()) m_context = std::make_unique<wxGLContext>(this);

    Bind(wxEVT_PAINT, &CGL2dView::OnPaint, this);
    Bind(wxEVT_SIZE, &CGL2dView::OnSize, this);
    Bind(wxEVT_ERASE_BACKGROUND, &CGL2dView::OnEraseBackground, this);
    Bind(wxEVT_TIMER, &CGL2dView::OnSettingsTimer, this, kSettingsTimerId);
    Bind(wxEVT_TIMER, &CGL2dView::OnPromptTimer, this, kPromptTimerId);
    Bind(wxEVT_DESTROY, &CGL2dView::OnWindowDestroy, this);
    Bind(wxEVT_LEFT_DOWN, &CGL2dView::OnMouseButton, this);
    Bind(wxEVT_LEFT_UP, &CGL2dView::OnMouseButton, this);
    Bind(wxEVT_RIGHT_DOWN, &CGL2dView::OnMouseButton, this);
    Bind(wxEVT_RIGHT_UP, &CGL2dView::OnMouseButton, this);
    Bind(wxEVT_MOTION, &CGL2dView::OnMouseMove, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CGL2dView::OnCaptureLost, this);
    Bind(wxEVT_KEY_DOWN, &CGL2dView::OnKeyDown, this);
    BindCommands();
    m_infoBox.LoadSettings(this);
    // The options are read shortly after creation, once the frame has settled.
    m_settingsTimer.StartOnce(kSettingsTimerMs);
    OnInitialUpdate();
}

CGL2dView::~CGL2dView()
{
    m_settingsTimer.Stop();
    m_promptTimer.Stop();
    if (HasCapture()) ReleaseMouse();
    SaveOptions();
    if (m_bGLReady && MakeCurrent()) glDeleteTextures(kTextureNameCount, m_textureNames);
}

void CGL2dView::OnInitialUpdate()
{
    ResetView2d(m_state);
    ResetInput2d(m_input);
    m_bSetupPending = true;
    InvalidateView();
}

void CGL2dView::OnUpdate(int /*hint*/) { InvalidateView(); }

void CGL2dView::InvalidateView()
{
    m_infoBox.EraseBox();
    // Asked for while this view paints, the paint under way is the redraw.
    if (!m_bPainting) Refresh(false);
}

void CGL2dView::RunPendingSetup()
{
    m_bSetupQueued = false;
    const wxSize size = GetClientSize();
    if (!m_bSetupPending || size.GetWidth() <= 0 || size.GetHeight() <= 0) return;
    m_bSetupPending = false;
    SetProjection();
    OnZoomOrigin();
}

void CGL2dView::SetLayerInfoFont()
{
    FontChoice font = m_infoBox.m_font;
    if (!UserPrompts().FontDialog(font))
        return;
    font.faceName = CutFaceName(font.faceName);
    m_infoBox.m_font = font;
    InvalidateView();
}

void CGL2dView::SetPromptFont()
{
    CPromptDlg* prompt = m_pPromptDlg.get();
    if (!prompt) return;
    FontChoice font = prompt->m_font;
    if (!UserPrompts().FontDialog(font))
        return;
    prompt->m_font = font;
    prompt->SetTextFont();
}

// ---- prompt window ----

void CGL2dView::StartPrompt(int index)
{
    m_nPromptIndex = index;
    m_promptTimer.Start(kPromptTimerMs);
}

void CGL2dView::OnPromptTimer(wxTimerEvent&)
{
    // A prompt asked for before the window exists waits for it.
    CPromptDlg* prompt = m_pPromptDlg.get();
    if (!prompt) return;
    m_promptTimer.Stop();
    prompt->ShowPrompt(m_nPromptIndex);
}

void CGL2dView::OnPromptWindow()
{
    if (!m_pPromptDlg) {
        auto* prompt = new CPromptDlg(this);
        if (!prompt->Create()) {
            prompt->Destroy();
            return;
        }
        m_pPromptDlg = prompt;
        SetFocus();
        if (m_nPromptWnd)
            prompt->ShowWithoutActivating();
        else
            prompt->Hide();
        return;
    }
    if (m_nPromptWnd)
        m_pPromptDlg->Hide();
    else
        m_pPromptDlg->ShowWithoutActivating();
    m_nPromptWnd = m_nPromptWnd ? 0 : 1;
}

bool CGL2dView::MakeCurrent()
{
    return m_context && m_context->IsOK() && IsShownOnScreen() && SetCurrent(*m_context);
}

void CGL2dView::SetupOpenGL()
{
    if (m_bGLReady) return;
    SetupGL2d();
    CTextureData images[kTextureNameCount];
    for (int i = 0; i < kTextureNameCount && i < kTextureImageCount; ++i)
        if (const CTextureImage* image = g_TextureImages[i].get())
            images[i] = {image->sizeX, image->sizeY, image->data.data()};
    UploadTextures(images, m_textureNames);
    m_bGLReady = true;
}

void CGL2dView::SetProjection()
{
    const wxSize size = GetClientSize();
    SetProjection2d(m_state, size.GetWidth(), size.GetHeight());
    PrepareDocument();
    InvalidateView();
}

void CGL2dView::PrepareDocument()
{
    if (m_pDoc) m_pDoc->SetThinLayerHeight(kThinLayerView, m_bThinLayers, m_state.contactBarThickness);
}

void CGL2dView::FitCurrentSegment()
{
    if (!m_pDoc || g_nCurZSeg < 1 || m_pDoc->m_ZSegments.empty()) return;
    const CZSegment* seg = m_pDoc->GetCurrentZSegment();
    if (!seg) return;
    float r[4] = {0, 0, 0, 0};
    const bool selection = m_pDoc->m_bHasSelection && seg->HasLayer(seg->m_nSelectedColumn, seg->m_nSelectedRow);
    if (selection)
        seg->GetColumn(seg->m_nSelectedColumn).GetLayer(seg->m_nSelectedRow).GetRect(r);
    else
        seg->GetBoundingRect(r);
    if (FitStep2d(m_state, ModelRectOf(r), selection)) SetProjection();
}

void CGL2dView::OnZoomOrigin()
{
    for (int i = 0; i < 3; ++i) FitCurrentSegment();
}

void CGL2dView::Render()
{
    if (DrawFrame()) SwapBuffers();
}

bool CGL2dView::ReadFramePixel(CClientPoint p, unsigned char rgb[3])
{
    if (!DrawFrame()) return false;
    const wxSize size = GetClientSize();
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    // OpenGL counts rows from the bottom of the window.
    glReadPixels(p.x, size.GetHeight() - 1 - p.y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    SwapBuffers();
    return true;
}

bool CGL2dView::DrawFrame()
{
    if (!MakeCurrent()) return false;
    SetupOpenGL();
    // A paint has run the set-up already; a frame drawn outside a paint (a pixel read) leaves the
    // model as it is and has the set-up run after it.
    if (m_bSetupPending && !m_bSetupQueued) {
        m_bSetupQueued = true;
        CallAfter(&CGL2dView::RunPendingSetup);
    }
    const CTessaronDoc* doc = m_pDoc;
    CScene2d scene;
    scene.segment = (doc && g_nCurZSeg >= 1) ? doc->GetCurrentZSegment() : nullptr;
    scene.currentZSeg = scene.segment ? g_nCurZSeg : 0;
    scene.backGrid = m_nBackGrid != 0;
    scene.layerBatches = &m_layerBatches;
    scene.revision = doc ? doc->GetDrawingRevision() : 0;
    RenderScene2d(m_state, scene);
    if (m_input.gesture == EGesture2d::LayerDrag) DrawDragRectangle2d(m_state, m_input.dragRect);
    m_infoBox.Draw(m_state);
    return true;
}

void CGL2dView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    // The first paint after a new or opened document fits the view before it draws: a large
    // device is then not drawn once unfitted and again fitted.
    m_bPainting = true;
    if (m_bSetupPending) RunPendingSetup();
    Render();
    m_bPainting = false;
}

void CGL2dView::OnSize(wxSizeEvent& event)
{
    event.Skip();
    SetProjection();
}

void CGL2dView::OnSettingsTimer(wxTimerEvent&)
{
    LoadOptions();
    OnPromptWindow();
}

void CGL2dView::OnWindowDestroy(wxWindowDestroyEvent& event)
{
    if (event.GetEventObject() == this) SaveOptions();
    event.Skip();
}

void CGL2dView::LoadOptions()
{
    ReadOption(kGridKey, m_nBackGrid);
    ReadOption(kLayerInfoKey, m_nLayerInfo);
    ReadOption(kPromptKey, m_nPromptWnd);
    Refresh(false);
}

void CGL2dView::SaveOptions()
{
    if (m_bOptionsSaved) return;
    m_bOptionsSaved = true;
    Profile().WriteProfileString(kSection, kGridKey, std::to_string(m_nBackGrid));
    Profile().WriteProfileString(kSection, kLayerInfoKey, std::to_string(m_nLayerInfo));
    Profile().WriteProfileString(kSection, kPromptKey, std::to_string(m_nPromptWnd));
    m_infoBox.SaveSettings();
    // The prompt window goes with the view and keeps its place, font and colour.
    if (CPromptDlg* prompt = m_pPromptDlg.get()) {
        prompt->SaveSettings();
        prompt->Destroy();
        m_pPromptDlg = nullptr;
    }
}

// ---- the document as the gestures see it ----

int CGL2dView::SegmentsInUse() const
{
    if (!m_pDoc) return 0;
    return std::max(0, std::min(g_nZSegCount, int(m_pDoc->m_ZSegments.size())));
}

int CGL2dView::CurrentSegmentNumber() const { return m_pDoc ? g_nCurZSeg : 0; }

const CZSegment* CGL2dView::CurrentSegment() const { return m_pDoc ? m_pDoc->GetCurrentZSegment() : nullptr; }

bool CGL2dView::HasSelection() const { return m_pDoc && m_pDoc->m_bHasSelection; }

// The layers' marks are drawn from the document's update: a changed mark needs a new drawing.
void CGL2dView::SetSelection(int zseg, int column, int row)
{
    if (!m_pDoc) return;
    m_pDoc->SetSelection(zseg, column, row);
    m_pDoc->UpdateDrawing();
}

void CGL2dView::SetDropTarget(CLayerRef layer, bool on)
{
    CZSegment* segment = m_pDoc ? m_pDoc->GetCurrentZSegment() : nullptr;
    if (!segment || !segment->HasLayer(layer.column, layer.row)) return;
    int& mark = segment->Column(layer.column).Layer(layer.row).m_nRed;
    if (mark == (on ? 1 : 0)) return;
    mark = on ? 1 : 0;
    m_pDoc->UpdateDrawing();
}

void CGL2dView::SendCommand(int id)
{
    if (!m_pDoc) return;
    // Paste and Modify go the way of a menu choice, through the frame with its enabling rules;
    // Copy and Cut are the document's own, sent only when their rules allow (IsCommandEnabled).
    if (id == ID_LAYER_PASTE || id == ID_LAYER_MODIFY) {
        wxCommandEvent command(wxEVT_MENU, WxId(id));
        command.SetEventObject(this);
        wxWindow* frame = wxGetTopLevelParent(this);
        if (frame) frame->GetEventHandler()->ProcessEvent(command);
        return;
    }
    m_pDoc->OnCommand(id);
}

bool CGL2dView::IsCommandEnabled(int id) const
{
    if (!m_pDoc) return false;
    const CommandState state = m_pDoc->QueryCommand(id);
    return state.handled && state.enabled;
}

void CGL2dView::UpdateAllViews()
{
    if (m_pDoc) m_pDoc->UpdateAllViews(0);
    InvalidateView();
}

// ---- mouse and keys ----

void CGL2dView::OnMouseButton(wxMouseEvent& event)
{
    const wxEventType type = event.GetEventType();
    // The toolkit does not always report the other button of a press as held (GTK leaves the left
    // button out of a right press), so the view keeps count of its own presses and releases.
    if (type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_UP) m_bLeftHeld = type == wxEVT_LEFT_DOWN;
    if (type == wxEVT_RIGHT_DOWN || type == wxEVT_RIGHT_UP) m_bRightHeld = type == wxEVT_RIGHT_DOWN;
    CMouse2d mouse = MouseOf(event);
    mouse.left = m_bLeftHeld;
    mouse.right = m_bRightHeld;
    CInput2dResult r;
    if (type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN) SetFocus();
    if (type == wxEVT_LEFT_DOWN) {
        r = LeftButtonDown2d(m_input, m_state, *this, mouse);
    } else if (type == wxEVT_LEFT_UP) {
        r = LeftButtonUp2d(m_input, *this, mouse);
    } else if (type == wxEVT_RIGHT_DOWN) {
        r = RightButtonDown2d(m_input, m_state, *this, mouse);
    } else {
        r = RightButtonUp2d(m_input, m_state, *this, mouse);
    }
    // The right button is the view's own: passed on, its press would raise a second menu.
    if (type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_UP) event.Skip();
    Apply(r, {mouse.x, mouse.y});
}

void CGL2dView::OnMouseMove(wxMouseEvent& event)
{
    event.Skip();
    CMouse2d mouse = MouseOf(event);
    mouse.left = mouse.left || m_bLeftHeld;
    mouse.right = mouse.right || m_bRightHeld;
    Apply(MouseMove2d(m_input, m_state, *this, HasCapture(), mouse), {mouse.x, mouse.y});
}

void CGL2dView::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_bLeftHeld = m_bRightHeld = false;
    if (m_input.dropTarget.IsSet()) SetDropTarget(m_input.dropTarget, false);
    ResetInput2d(m_input);
    InvalidateView();
}

void CGL2dView::OnKeyDown(wxKeyEvent& event)
{
    SetProjection();
    event.Skip();
}

void CGL2dView::Apply(const CInput2dResult& r, CClientPoint point)
{
    if (r.captureMouse && !HasCapture()) CaptureMouse();
    if (r.releaseMouse) {
        if (HasCapture()) ReleaseMouse();
        SetCursor(wxNullCursor);
    }
    if (r.cursor == ECursor2d::Zoom) SetCursor(ZoomCursor());
    if (r.cursor == ECursor2d::Pan) SetCursor(MoveCursor());
    if (r.prompt >= 0) StartPrompt(SegmentsInUse() >= 1 ? r.prompt : 0);
    if (r.setProjection) SetProjection();
    if (r.invalidate || r.moveDragRect) InvalidateView();
    if (r.showLayerInfo) ShowLayerInfo(point);
    if (r.showContextMenu) ShowZsegmentMenu(point);
}

void CGL2dView::ShowLayerInfo(CClientPoint point)
{
    if (!m_nLayerInfo || (point.x == m_lastInfoPoint.x && point.y == m_lastInfoPoint.y)) return;
    m_lastInfoPoint = point;
    PrepareDocument();
    const CZSegment* segment = CurrentSegment();
    CLayerRef hit;
    std::vector<std::string> lines;
    if (segment && HitTestLayer2d(m_state, *segment, point, hit)) {
        CDeviceInfoText text(*m_pDoc);
        const CModelPoint at = DeviceCoordinate2d(m_state, segment, point, hit);
        text.SetPosition(at.x, at.y);
        text.BuildLines(g_nCurZSeg - 1, hit.column, hit.row, lines);
    }
    if (lines.empty()) {
        InvalidateView();
        return;
    }
    m_infoBox.SetLines(std::move(lines), CMyToolTip::kBackground);
    m_infoBox.ShowInfo(point.x, point.y, true);
    Refresh(false);
}

// ---- right-click menu ----

std::vector<CPopupItem> CGL2dView::PopupItems() const { return ZsegmentPopupEntries(SegmentsInUse(), g_nCurZSeg); }

void CGL2dView::OnPopupCommand(int id)
{
    const int index = ZsegmentOfPopupId(id, SegmentsInUse());
    if (index >= 0 && m_pDoc) m_pDoc->SelectZsegment(index); // current z-segment, and every view redrawn
}

void CGL2dView::ShowZsegmentMenu(CClientPoint point)
{
    if (!AppServices().Is3dMode()) return;
    wxMenu menu;
    for (const CPopupItem& item : PopupItems()) menu.AppendCheckItem(item.id, item.text)->Check(item.checked);
    const int id = GetPopupMenuSelectionFromUser(menu, wxPoint(point.x, point.y));
    if (id != wxID_NONE) OnPopupCommand(id);
}

// ---- commands ----

void CGL2dView::BindCommands()
{
    auto onMenu = [this](int command, auto action) {
        Bind(wxEVT_MENU, [action](wxCommandEvent&) { action(); }, WxId(command));
    };
    auto onUpdate = [this](int command, auto rule) {
        Bind(wxEVT_UPDATE_UI, [rule](wxUpdateUIEvent& e) { rule(e); }, WxId(command));
    };
    auto setZoomAxes = [this](bool x, bool y) {
        m_state.zoomX = x;
        m_state.zoomY = y;
    };
    onMenu(ID_ZOOM_IN, [this] {
        ZoomIn2d(m_state);
        SetProjection();
    });
    onMenu(ID_ZOOM_OUT, [this] {
        ZoomOut2d(m_state);
        SetProjection();
    });
    onMenu(ID_ZOOM_ORIGIN, [this] { OnZoomOrigin(); });
    onMenu(ID_ZOOM_ONLY_X, [setZoomAxes] { setZoomAxes(true, false); });
    onMenu(ID_ZOOM_ONLY_Y, [setZoomAxes] { setZoomAxes(false, true); });
    onMenu(ID_ZOOM_BOTH, [setZoomAxes] { setZoomAxes(true, true); });
    onMenu(ID_VIEW_LAYER_INFO, [this] { m_nLayerInfo = m_nLayerInfo ? 0 : 1; });
    onMenu(ID_VIEW_PROMPT_WINDOW, [this] { OnPromptWindow(); });
    onMenu(ID_OPTIONS_MIN_SPACING, [this] { m_nMinSpacing = m_nMinSpacing ? 0 : 1; });

    for (int command : {ID_ZOOM_IN, ID_ZOOM_OUT})
        onUpdate(command, [this](wxUpdateUIEvent& e) { e.Enable(SegmentsInUse() >= 1); });
    onUpdate(ID_ZOOM_ORIGIN, [](wxUpdateUIEvent& e) { e.Enable(g_nCurZSeg >= 1); });
    onUpdate(ID_ZOOM_ONLY_X, [this](wxUpdateUIEvent& e) { e.Check(m_state.zoomX && !m_state.zoomY); });
    onUpdate(ID_ZOOM_ONLY_Y, [this](wxUpdateUIEvent& e) { e.Check(!m_state.zoomX && m_state.zoomY); });
    onUpdate(ID_ZOOM_BOTH, [this](wxUpdateUIEvent& e) { e.Check(m_state.zoomX && m_state.zoomY); });
    onUpdate(ID_VIEW_LAYER_INFO, [this](wxUpdateUIEvent& e) { e.Check(m_nLayerInfo != 0); });
    onUpdate(ID_VIEW_PROMPT_WINDOW, [this](wxUpdateUIEvent& e) { e.Check(m_nPromptWnd != 0); });
    onUpdate(ID_OPTIONS_MIN_SPACING, [this](wxUpdateUIEvent& e) { e.Check(m_nMinSpacing != 0); });
}
