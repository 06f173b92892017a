#pragma once
// The one top-level window of both modes: tool bar, five-pane status bar, the mode's menu bar,
// the view of the document, and the routing of commands (active view, then document, then this
// frame, then the application). It is also the document's way to its views.

#include "app/IconMenu.h"
#include "app/PersistentFrame.h"
#include "platform/ViewsHub.h"

#include <wx/timer.h>

#include <set>

class CGL2dView;
class CGL3dView;
class CViewSplitterWnd;
class CTessaronDoc;
class CTessaronApp;
class wxMenuBar;
class wxWindow;

class CMainFrame : public CPersistentFrame, public IViewsHub {
public:
    CMainFrame(CTessaronApp& app, CTessaronDoc& doc);
    ~CMainFrame() override;

    // Builds and installs the menu bar with the tool-bar pictures beside its commands.
    void LoadModeMenu();
    // Requests next-step prompt i of the 2-D view (0 when the device has no z-segment).
    void ShowNextStepPrompt(int i);
    // The document was replaced by New or Open: title, views and menus follow.
    void OnDocumentReplaced();
    void UpdateRecentFileMenu();
    // The 3-D editor's Z-segment menu: one entry per z-segment in use behind "Delete z-segment".
    void RebuildZsegmentMenu();
    void UpdateTitle();

    // Runs a command through the frame's routing as a menu choice would.
    bool RunCommand(int id);
    // Whether the command's enabling rule (view, document or frame) lets it run.
    bool IsCommandEnabled(int wxId);

    // The view commands reach first: the view of the active pane in the 3-D editor.
    wxWindow* GetActiveView() const;
    CGL2dView* GetGL2dView() const { return m_pView; }
    CGL3dView* GetGL3dView() const { return m_pView3d; }
    CViewSplitterWnd* GetSplitter() const { return m_pSplitter; }
    // The two-thirds rule of the 3-D editor's splitter (nothing in the layer builder).
    void RecalcSplitter();
    int m_bClosing = 0;

    // IViewsHub.
    void UpdateAllViews(int hint) override;
    bool HasGL2dView() const override;
    bool HasGL3dView() const override { return m_pView3d != nullptr; }
    void StartPrompt(int index) override;
    void SetLayerInfoFont() override;
    void SetPromptFont() override;
    int GetGridFlag() const override;
    void SetGridFlag(int flag) override;
    void InitialUpdate2d() override;
    void ZoomOrigin() override;
    void ShowStatusText(const std::string& text) override;

protected:
    bool TryBefore(wxEvent& event) override;

private:
    bool CreateToolBarForMode();
    void CreateStatusBarPanes();
    void CreateAcceleratorTable();
    void OnCreateClient();
    // The 3-D editor's splitter with the 2-D view on the left and the 3-D view on the right.
    void CreateSplitter();
    void OnSizeKeepSplit(wxSizeEvent& event);
    void InitialUpdate3d();
    void CollectCommandIds();
    // 128 in the 3-D editor, 130 in the layer builder: the mode's menu and tool bar.
    int ModeResourceId() const;
    wxMenuBar* CreateTemplateMenuBar() const;

    void OnClose(wxCloseEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnIdleUpdateIndicators(wxIdleEvent& event);
    void OnDropFiles(wxDropFilesEvent& event);
    void OnMoveScene(wxCommandEvent& event);
    void OnAppExit(wxCommandEvent& event);
    void OnViewToolBar(wxCommandEvent& event);
    void OnViewStatusBar(wxCommandEvent& event);
    void OnUpdateViewToolBar(wxUpdateUIEvent& event);
    void OnUpdateViewStatusBar(wxUpdateUIEvent& event);
    void OnRecentFile(wxCommandEvent& event);

    CTessaronApp& m_app;
    CTessaronDoc& m_doc;
    CGL2dView* m_pView = nullptr;
    CGL3dView* m_pView3d = nullptr;          // 3-D editor only
    CViewSplitterWnd* m_pSplitter = nullptr; // 3-D editor only
    bool m_bWasMaximized = false;
    wxTimer m_menuTimer;
    CIconMenu m_menu;
    std::set<int> m_commandIds;   // the commands of the menus, tool bar and shortcuts
};
