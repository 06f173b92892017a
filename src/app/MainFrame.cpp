#include "app/MainFrame.h"

#include "CommandIds.h"
#include "MenuResources.h"
#include "app/SplashWnd.h"
#include "app/TessaronApp.h"
#include "app/ToolBarArt.h"
#include "app/ViewSplitterWnd.h"
#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "views/GL2dView.h"
#include "views/GL3dView.h"
#include "platform/UserPrompts.h"

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include <set>
#include <utility>
#include <vector>

namespace {

constexpr int kMenuTimerId = 2;
constexpr int kMenuTimerDelay = 100;
constexpr int kRecentFilePosition = 11;   // index of the recent-file entries in the File menu

// The commands the frame and the application handle.
bool IsFrameCommand(int id)
{
    switch (id) {
    case ID_FILE_NEW: case ID_FILE_OPEN: case ID_APP_EXIT: case ID_MOVE_SCENE: case ID_VIEW_TOOLBAR:
    case ID_VIEW_STATUS_BAR: case ID_APP_ABOUT:
        return true;
    default:
        return id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE4;
    }
}

wxAcceleratorEntry ToWxAccelerator(const AccelRes& a)
{
    int flags = wxACCEL_NORMAL;
    if (a.ctrl)
        flags |= wxACCEL_CTRL;
    if (a.alt)
        flags |= wxACCEL_ALT;
    if (a.shift)
        flags |= wxACCEL_SHIFT;
    return wxAcceleratorEntry(flags, a.key == AccelKey::Delete ? int(WXK_DELETE) : int(a.letter), WxId(a.id));
}

}  // namespace

CMainFrame::CMainFrame(CTessaronApp& app, CTessaronDoc& doc)
    : CPersistentFrame(app.AppTitle()), m_app(app), m_doc(doc), m_menuTimer(this, kMenuTimerId)
{
    CreateToolBarForMode();
    CreateStatusBarPanes();
    SetMenuBar(CreateTemplateMenuBar());
    RebuildZsegmentMenu();
    CreateAcceleratorTable();
    CollectCommandIds();
    OnCreateClient();
    m_doc.SetViews(this);

    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
    Bind(wxEVT_TIMER, &CMainFrame::OnTimer, this, kMenuTimerId);
    Bind(wxEVT_IDLE, &CMainFrame::OnIdleUpdateIndicators, this);
    Bind(wxEVT_DROP_FILES, &CMainFrame::OnDropFiles, this);
    Bind(wxEVT_MENU, &CMainFrame::OnMoveScene, this, WxId(ID_MOVE_SCENE));
    Bind(wxEVT_MENU, &CMainFrame::OnAppExit, this, WxId(ID_APP_EXIT));
    Bind(wxEVT_MENU, &CMainFrame::OnViewToolBar, this, WxId(ID_VIEW_TOOLBAR));
    Bind(wxEVT_MENU, &CMainFrame::OnViewStatusBar, this, WxId(ID_VIEW_STATUS_BAR));
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateViewToolBar, this, WxId(ID_VIEW_TOOLBAR));
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateViewStatusBar, this, WxId(ID_VIEW_STATUS_BAR));
    Bind(wxEVT_MENU, &CMainFrame::OnRecentFile, this, WxId(ID_FILE_MRU_FILE1), WxId(ID_FILE_MRU_FILE4));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { m_app.OnFileNew(); }, WxId(ID_FILE_NEW));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { m_app.OnFileOpen(); }, WxId(ID_FILE_OPEN));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { m_app.OnAppAbout(); }, WxId(ID_APP_ABOUT));

    m_menuTimer.Start(kMenuTimerDelay);
    CSplashWnd::ShowSplashScreen(this);
    UpdateTitle();
}

CMainFrame::~CMainFrame()
{
    m_menuTimer.Stop();
    m_doc.SetViews(nullptr);
    SavePlacement();
    m_app.OnMainFrameDestroyed();
}

bool CMainFrame::CreateToolBarForMode()
{
    wxToolBar* bar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL, wxID_ANY);
    if (!bar)
        return false;
    bar->SetToolBitmapSize(wxSize(kToolBitmapWidth, kToolBitmapHeight));
    for (const ToolButtonRes& b : ModeToolButtons(m_app.Is3dMode())) {
        if (b.id == 0)
            bar->AddSeparator();
        else
            bar->AddTool(WxId(b.id), b.text, ToolBarBitmap(b.id), b.text,
                         IsCheckCommand(b.id) ? wxITEM_CHECK : wxITEM_NORMAL)->SetLongHelp(b.text);
    }
    return bar->Realize();
}

void CMainFrame::CreateStatusBarPanes()
{
    wxStatusBar* bar = CreateStatusBar(5);
    const int textWidth = bar->GetTextExtent("SCRL").GetWidth() + 12;
    const int widths[5] = {-1, bar->GetTextExtent("Prompt").GetWidth() + 12, textWidth, textWidth, textWidth};
    bar->SetStatusWidths(5, widths);
    SetStatusBarPane(0);
    bar->SetStatusText("Ready", 0);
    bar->SetStatusText("Prompt", 1);
}

void CMainFrame::CreateAcceleratorTable()
{
    // The whole table belongs to the frame, so a shortcut wins over a menu's mnemonic (Alt+L is
    // New Column, not the Layer menu); the shortcut texts in the menus are for reading.
    std::vector<wxAcceleratorEntry> entries;
    for (const AccelRes& a : ModeAccelerators())
        entries.push_back(ToWxAccelerator(a));
    SetAcceleratorTable(wxAcceleratorTable(int(entries.size()), entries.data()));
}

void CMainFrame::CollectCommandIds()
{
    const bool b3d = m_app.Is3dMode();
    for (const MenuRes& menu : ModeMenus(b3d))
        for (const MenuItemRes& item : menu.items)
            if (item.label)
                m_commandIds.insert(item.id);
    for (const ToolButtonRes& b : ModeToolButtons(b3d))
        if (b.id)
            m_commandIds.insert(b.id);
    for (const AccelRes& a : ModeAccelerators())
        m_commandIds.insert(a.id);
}

void CMainFrame::OnCreateClient()
{
    if (m_app.Is3dMode()) {
        CreateSplitter();
        return;
    }
    // The layer builder: the 2-D view of the current z-segment fills the client area.
    m_pView = new CGL2dView(this, &m_doc);
}

void CMainFrame::CreateSplitter()
{
    m_pSplitter = new CViewSplitterWnd(this);
    m_pView = new CGL2dView(m_pSplitter->Pane(0), &m_doc);
    m_pSplitter->Pane(0)->SetView(m_pView);
    m_pView3d = new CGL3dView(m_pSplitter->Pane(1), &m_doc);
    m_pView3d->SetClosingFlag(&m_bClosing);
    m_pSplitter->Pane(1)->SetView(m_pView3d);
    m_pSplitter->SplitPanes();
    Bind(wxEVT_SIZE, &CMainFrame::OnSizeKeepSplit, this);
}

void CMainFrame::RecalcSplitter()
{
    if (m_pSplitter)
        m_pSplitter->RecalcSplitter(GetClientSize().GetWidth());
}

void CMainFrame::OnSizeKeepSplit(wxSizeEvent& event)
{
    event.Skip();
    // Sizing and maximising keep two thirds; a restore from maximised and a minimise leave the
    // panes as they are. The rule runs once the frame has laid the splitter out at its new size.
    const bool maximized = IsMaximized();
    const bool restored = m_bWasMaximized && !maximized;
    m_bWasMaximized = maximized;
    if (!IsIconized() && !restored)
        CallAfter([this] { RecalcSplitter(); });
}

int CMainFrame::ModeResourceId() const { return m_app.Is3dMode() ? IDR_TESSARON : IDR_BRENVIK; }

wxMenuBar* CMainFrame::CreateTemplateMenuBar() const
{
    // The mode's menu as its resource gives it, until the menu with pictures replaces it.
    CIconMenu plain;
    plain.LoadMenu(ModeResourceId());
    return plain.CreateMenuBar();
}

void CMainFrame::LoadModeMenu()
{
    m_menu.LoadMenu(ModeResourceId());
    m_menu.ImportToolbarImages({ModeResourceId()});
    // A menu that cannot be built leaves the frame without a menu bar.
    wxMenuBar* old = GetMenuBar();
    SetMenuBar(m_menu.CreateMenuBar());
    delete old;
    UpdateRecentFileMenu();
    RebuildZsegmentMenu();
}

void CMainFrame::UpdateRecentFileMenu()
{
    wxMenuBar* bar = GetMenuBar();
    if (!bar)
        return;
    wxMenu* file = bar->GetMenu(0);
    for (int id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE4; ++id)
        if (wxMenuItem* item = file->FindChildItem(WxId(id)))
            file->Destroy(item);
    const std::vector<std::string>& files = m_app.GetRecentFiles();
    if (files.empty()) {
        file->Insert(kRecentFilePosition, WxId(ID_FILE_MRU_FILE1), "Recent File")->Enable(false);
        return;
    }
    for (size_t i = 0; i < files.size(); ++i)
        file->Insert(kRecentFilePosition + i, WxId(ID_FILE_MRU_FILE1 + int(i)),
                     wxString::Format("&%d %s", int(i + 1), wxString::FromUTF8(files[i])));
}

void CMainFrame::RebuildZsegmentMenu()
{
    // The pop-up with "Delete z-segment" at its ninth place; the entries behind it are the
    // document's z-segments. They are brought up to date while the program is idle, so a menu is
    // never changed while it is being shown.
    constexpr size_t kDeletePosition = 8;
    wxMenuBar* bar = GetMenuBar();
    if (!m_app.Is3dMode() || !bar)
        return;
    for (size_t m = bar->GetMenuCount(); m-- > 0;) {
        wxMenu* menu = bar->GetMenu(m);
        if (menu->GetMenuItemCount() <= kDeletePosition ||
            menu->FindItemByPosition(kDeletePosition)->GetId() != WxId(ID_ZSEG_DELETE))
            continue;
        // Rebuilt only when the entries behind it differ, separators included: without z-segments
        // the menu ends at "Delete z-segment", even where the resources give it a closing separator.
        const std::vector<MenuItemData> wanted = m_doc.GetZsegmentMenuItems();
        std::vector<std::pair<int, wxString>> shown, listed;
        for (size_t i = kDeletePosition + 1; i < menu->GetMenuItemCount(); ++i) {
            const wxMenuItem* item = menu->FindItemByPosition(i);
            shown.emplace_back(item->IsSeparator() ? -1 : item->GetId(),
                               item->IsSeparator() ? wxString() : item->GetItemLabel());
        }
        for (const MenuItemData& item : wanted)
            listed.emplace_back(item.separator ? -1 : WxId(item.id),
                                item.separator ? wxString() : wxString::FromUTF8(item.text));
        if (shown == listed)
            return;
        while (menu->GetMenuItemCount() > kDeletePosition + 1)
            menu->Destroy(menu->FindItemByPosition(menu->GetMenuItemCount() - 1));
        for (const MenuItemData& item : wanted) {
            if (item.separator)
                menu->AppendSeparator();
            else
                menu->AppendCheckItem(WxId(item.id), wxString::FromUTF8(item.text))->Check(item.checked);
        }
        return;
    }
}

void CMainFrame::UpdateTitle()
{
    // The document's title follows its path (a Save As changes it): the frame shows it.
    std::string title = m_doc.GetTitle();
    if (title.find_first_not_of(' ') == std::string::npos)
        title = "Untitled";
    const wxString text = wxString::FromUTF8(title) + " - " + m_app.AppTitle();
    if (GetTitle() != text)
        SetTitle(text);
}

void CMainFrame::OnDocumentReplaced()
{
    UpdateTitle();
    InitialUpdate2d();
    InitialUpdate3d();
}

wxWindow* CMainFrame::GetActiveView() const
{
    if (m_pSplitter && m_pSplitter->GetActivePane() == 1)
        return m_pView3d;
    return m_pView;
}

bool CMainFrame::RunCommand(int id)
{
    wxCommandEvent event(wxEVT_MENU, WxId(id));
    event.SetEventObject(this);
    return ProcessWindowEvent(event);
}

bool CMainFrame::TryBefore(wxEvent& event)
{
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_MENU) {
        // A command that is shown disabled does not run, whichever way it was sent.
        if (!IsCommandEnabled(event.GetId()))
            return true;
        wxWindow* view = GetActiveView();
        if (view && view->GetEventHandler()->ProcessEventLocally(event))
            return true;
        if (m_doc.OnCommand(CommandIdOfWx(event.GetId())))
            return true;
    } else if (type == wxEVT_UPDATE_UI) {
        wxWindow* view = GetActiveView();
        if (view && view->GetEventHandler()->ProcessEventLocally(event))
            return true;
        const int id = CommandIdOfWx(event.GetId());
        auto& ui = static_cast<wxUpdateUIEvent&>(event);
        const CommandState state = m_doc.QueryCommand(id);
        if (state.handled) {
            ui.Enable(state.enabled);
            if (state.hasCheck)
                ui.Check(state.checked);
            return true;
        }
        if (m_commandIds.count(id) && !IsFrameCommand(id) && !IsViewCommand(id)) {
            ui.Enable(false);  // nobody handles it
            return true;
        }
        if (IsViewCommand(id)) {
            ui.Enable(false);  // the other view's command: the active view would not carry it out
            return true;
        }
    }
    return CPersistentFrame::TryBefore(event);
}

bool CMainFrame::IsCommandEnabled(int wxId)
{
    wxUpdateUIEvent ui(wxId);
    ui.SetEventObject(this);
    HandleWindowEvent(ui);
    return !ui.GetSetEnabled() || ui.GetEnabled();
}

void CMainFrame::OnClose(wxCloseEvent& event)
{
    m_bClosing = 1;
    if (event.CanVeto() && !m_doc.SaveModified()) {
        // The user kept the document open: the frame is not closing after all.
        m_bClosing = 0;
        event.Veto();
        return;
    }
    SavePlacement();
    Destroy();
}

void CMainFrame::OnTimer(wxTimerEvent&)
{
    m_menuTimer.Stop();
    LoadModeMenu();
}

void CMainFrame::OnIdleUpdateIndicators(wxIdleEvent& event)
{
    UpdateTitle();
    RebuildZsegmentMenu();
    wxStatusBar* bar = GetStatusBar();
    if (bar) {
        const struct { int pane; wxKeyCode key; const char* text; } indicators[] = {
            {2, WXK_CAPITAL, "CAP"}, {3, WXK_NUMLOCK, "NUM"}, {4, WXK_SCROLL, "SCRL"}};
        for (const auto& ind : indicators) {
            const wxString text = wxGetKeyState(ind.key) ? ind.text : "";
            if (bar->GetStatusText(ind.pane) != text)
                bar->SetStatusText(text, ind.pane);
        }
    }
    event.Skip();
}

void CMainFrame::OnDropFiles(wxDropFilesEvent& event)
{
    // A drop opens a file as File Open does; one document at a time, so the first file.
    if (event.GetNumberOfFiles() > 0)
        m_app.OpenDocumentFile(event.GetFiles()[0].ToStdString(wxConvUTF8));
}

void CMainFrame::OnMoveScene(wxCommandEvent&)
{
    AfxMessageBox("   Please press the shift key and move mouse \n to scroll layer scene!");
}

void CMainFrame::OnAppExit(wxCommandEvent&) { Close(false); }

void CMainFrame::OnViewToolBar(wxCommandEvent&)
{
    if (wxToolBar* bar = GetToolBar()) {
        bar->Show(!bar->IsShown());
        SendSizeEvent();
    }
}

void CMainFrame::OnViewStatusBar(wxCommandEvent&)
{
    if (wxStatusBar* bar = GetStatusBar()) {
        bar->Show(!bar->IsShown());
        SendSizeEvent();
    }
}

void CMainFrame::OnUpdateViewToolBar(wxUpdateUIEvent& event)
{
    event.Check(GetToolBar() && GetToolBar()->IsShown());
}

void CMainFrame::OnUpdateViewStatusBar(wxUpdateUIEvent& event)
{
    event.Check(GetStatusBar() && GetStatusBar()->IsShown());
}

void CMainFrame::OnRecentFile(wxCommandEvent& event) { m_app.OpenRecentFile(CommandIdOfWx(event.GetId()) - ID_FILE_MRU_FILE1); }

void CMainFrame::ShowNextStepPrompt(int i)
{
    // Needs an active view whose document has a 2-D view; otherwise there is nowhere to show it.
    if (!m_pView || !HasGL2dView())
        return;
    StartPrompt(g_nZSegCount >= 1 ? i : 0);
}

// ---- the document's way to its views ----

void CMainFrame::UpdateAllViews(int hint)
{
    if (m_pView)
        m_pView->OnUpdate(hint);
    if (m_pView3d)
        m_pView3d->OnUpdate(hint);
}

bool CMainFrame::HasGL2dView() const { return m_pView != nullptr; }

void CMainFrame::StartPrompt(int index)
{
    if (m_pView)
        m_pView->StartPrompt(index);
}

void CMainFrame::SetLayerInfoFont()
{
    if (m_pView)
        m_pView->SetLayerInfoFont();
}

void CMainFrame::SetPromptFont()
{
    if (m_pView)
        m_pView->SetPromptFont();
}

int CMainFrame::GetGridFlag() const { return m_pView ? m_pView->GetGridFlag() : 0; }

void CMainFrame::SetGridFlag(int flag)
{
    if (m_pView)
        m_pView->SetGridFlag(flag);
}

void CMainFrame::InitialUpdate2d()
{
    if (m_pView)
        m_pView->OnInitialUpdate();
}

void CMainFrame::InitialUpdate3d()
{
    if (m_pView3d)
        m_pView3d->OnInitialUpdate();
}

void CMainFrame::ZoomOrigin()
{
    if (m_pView3d)
        m_pView3d->OnZoomOrigin();
}

void CMainFrame::ShowStatusText(const std::string& text)
{
    if (wxStatusBar* bar = GetStatusBar())
        bar->SetStatusText(wxString::FromUTF8(text), 0);
}
