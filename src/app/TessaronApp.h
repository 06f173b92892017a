#pragma once
// The application object: start-up and shut-down, the mode (layer builder or 3-D editor), the
// application's macro list with its indexes, the one document of the run and the File commands
// the application handles itself.

#include "app/AppCommandLineInfo.h"
#include "app/MacroIndexList.h"
#include "app/WxUserPrompts.h"
#include "platform/AppServices.h"
#include "spreadsheet/WorkbookExportService.h"
#include "spreadsheet/WorkbookImportService.h"
#include "textfiles/MacroLibrary.h"
#include "textfiles/MacroList.h"

#include <wx/app.h>

#include <memory>
#include <string>
#include <vector>

class CTessaronDoc;
class CMainFrame;
class CWxProfile;
class CWxSheetRunner;
class CWxSeriesWindows;
class CWxModelSeriesWindows;
class CEditBoxSeries;
class CModelSeriesCommands;

class CTessaronApp : public wxApp, public IAppServices {
public:
    CTessaronApp();
    ~CTessaronApp() override;

    // wx entry points: OnInit installs the wx services and runs InitInstance; OnExit runs
    // ExitInstance. Tests call InitInstance and ExitInstance directly with their own services.
    bool OnInit() override;
    int OnExit() override;
    // Every event of the program passes here first: a key or mouse-button press while the splash
    // window is up closes it and goes no further.
    int FilterEvent(wxEvent& event) override;

    bool InitInstance();
    int ExitInstance();

    // Start-up steps.
    bool LoadTextureImages();
    void ChooseMode();
    void RegisterLayerFileType();
    void LoadMacroDefinitions();
    void IndexSpecialMacros();

    // Application commands and the macros of the open file.
    void OnFileNew();
    void OnFileOpen();
    bool OpenDocumentFile(const std::string& path);
    // Help/About: the About box of the mode, modal.
    void OnAppAbout();
    void LoadLayerMacros(const std::string& path) override;
    void ClearLayerMacros() override;

    // IAppServices.
    bool Is3dMode() const override { return m_b3dMode != 0; }
    void AddToRecentFileList(const std::string& path) override;
    std::string GetProgramFolder() const override;
    std::string GetInstallRoot() const override { return RootFolder(); }
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    // The program file as started (not resolved through links: its name selects the mode) and the
    // arguments behind it. OnInit takes them from argv; tests set them.
    void SetProgramPath(const std::string& path) { m_strProgramPath = path; }
    void SetArguments(const std::vector<std::string>& args) { m_arguments = args; }
    const std::string& GetProgramPath() const { return m_strProgramPath; }
    // The folder above the folder of the program file (links followed), with a trailing "/";
    // empty when there is none.
    std::string RootFolder() const;

    CTessaronDoc* GetDocument() const { return m_pDocument.get(); }
    CMainFrame* GetMainFrame() const { return m_pMainFrame; }
    void OnMainFrameDestroyed() { m_pMainFrame = nullptr; }
    const std::vector<std::string>& GetRecentFiles() const { return m_recentFiles; }
    void OpenRecentFile(int index);

    // The window title of the mode: "Brenvik" or "Tessaron".
    std::string AppTitle() const { return m_b3dMode ? "Tessaron" : "Brenvik"; }

    CMacroLibrary m_layerMacros;
    CMacroList m_macros;
    CMacroIndexList m_loadMacroIndex;
    CMacroIndexList m_activeLayerMacroIndex;
    // What the libraries and the contact macro gave at start-up: the list ClearLayerMacros goes
    // back to, so macros derived from earlier files never pile up.
    CMacroList m_libraryMacros;
    int m_b3dMode = 1;
    int m_nNextStartMode = 0;
    unsigned char m_bBuilder = 0;

private:
    void ResetState();
    void CreateMainFrame();
    bool ProcessShellCommand(const CAppCommandLineInfo& info);
    // Opens the file into the document once the document's changes are settled.
    bool OpenIntoDocument(const std::string& path);
    void LoadRecentFileList();
    void SaveRecentFileList();

    std::string m_strProgramPath;
    std::vector<std::string> m_arguments;
    std::unique_ptr<CWxProfile> m_profile;
    CWxUserPrompts m_wxPrompts;
    std::unique_ptr<CTessaronDoc> m_pDocument;
    std::unique_ptr<CWxSheetRunner> m_sheetRunner;  // the document's layer property sheet
    // The edit-box series the document's "Series" command feeds, with its windows.
    std::unique_ptr<CWxSeriesWindows> m_seriesWindows;
    std::unique_ptr<CEditBoxSeries> m_editBoxSeries;
    CWorkbookExportService m_workbookExporter;      // the document's spreadsheet export
    CWorkbookImportService m_workbookImporter;      // the document's spreadsheet import
    std::unique_ptr<CWxModelSeriesWindows> m_modelSeriesWindows;  // the model-based series: windows
    std::unique_ptr<CModelSeriesCommands> m_modelSeries;          // and commands
    CMainFrame* m_pMainFrame = nullptr;
    std::vector<std::string> m_recentFiles;
};

// The running application object (null when none is).
CTessaronApp* TheApp();
