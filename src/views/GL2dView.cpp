#include "views/GL2dView.h"

#include "model/ProcessState.h"
#include "document/TessaronDoc.h"
#include "platform/Profile.h"
#include "platform/TextureImage.h"
#include "render/Scene2d.h"

#include <wx/dcclient.h>

#include <cstdlib>
#include <string>

namespace {

const char kSection[] = "CGL2dView";
const char kGridKey[] = "Layer_ViewGrid";
const char kLayerInfoKey[] = "Layer_ViewLayerInfo";
const char kPromptKey[] = "Layer_ViewPromptWnd";
constexpr int kSettingsTimerMs = 20;

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

} // namespace

CGL2dView::CGL2dView(wxWindow* parent, CTessaronDoc* doc)
    : wxGLCanvas(parent, DisplayAttributes(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
      m_pDoc(doc),
      m_settingsTimer(this)
{
    // The legacy (compatibility) profile: the drawing is OpenGL 1.1 immediate mode. The platform
    // defaults ask for direct rendering; an indirect context is refused by many X servers.
    wxGLContextAttrs ctxAttrs;
    ctxAttrs.PlatformDefaults().CompatibilityProfile().EndList();
    m_context = std::make_unique<wxGLContext>(this, nullptr, &ctxAttrs);
    if (!m_context->IsOK()) m_context = std::make_unique<wxGLContext>(this);

    Bind(wxEVT_PAINT, &CGL2dView::OnPaint, this);
    Bind(wxEVT_SIZE, &CGL2dView::OnSize, this);
    Bind(wxEVT_ERASE_BACKGROUND, &CGL2dView::OnEraseBackground, this);
    Bind(wxEVT_TIMER, &CGL2dView::OnSettingsTimer, this, m_settingsTimer.GetId());
    Bind(wxEVT_DESTROY, &CGL2dView::OnWindowDestroy, this);
    // The options are read shortly after creation, once the frame has settled.
    m_settingsTimer.StartOnce(kSettingsTimerMs);
    OnInitialUpdate();
}

CGL2dView::~CGL2dView()
{
    m_settingsTimer.Stop();
    SaveOptions();
    if (m_bGLReady && MakeCurrent()) glDeleteTextures(kTextureNameCount, m_textureNames);
}

void CGL2dView::OnInitialUpdate()
{
    ResetView2d(m_state);
    m_bSetupPending = true;
    Refresh(false);
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

void CGL2dView::OnUpdate(int /*hint*/) { Refresh(false); }

void CGL2dView::SetLayerInfoFont()
{
    FontChoice font = m_layerInfoFont;
    if (!UserPrompts().FontDialog(font))
        return;
    m_layerInfoFont = font;
    Refresh(false);
}

void CGL2dView::SetPromptFont()
{
    // The prompt window holds its own font; the view has none to show yet.
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
    if (m_pDoc) m_pDoc->SetThinLayerHeight(kThinLayerView, m_bThinLayers, m_state.contactBarThickness);
    Refresh(false);
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
    CModelRect target;
    target.top = r[0];
    target.left = r[1];
    target.right = r[2];
    target.bottom = r[3];
    if (FitStep2d(m_state, target, selection)) SetProjection();
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
    return true;
}

void CGL2dView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    Render();
}

void CGL2dView::OnSize(wxSizeEvent& event)
{
    event.Skip();
    SetProjection();
}

void CGL2dView::OnSettingsTimer(wxTimerEvent&) { LoadOptions(); }

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
}
