#include "app/TessaronApp.h"

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "app/ShellRegistration.h"
#include "app/SplashWnd.h"
#include "app/WxProfile.h"
#include "dialogs/WxModelSeriesWindows.h"
#include "dialogs/WxSeriesWindows.h"
#include "dialogs/WxSheetRunner.h"
#include "document/EditBoxSeriesHost.h"
#include "document/TessaronDoc.h"
#include "platform/FatalExit.h"
#include "platform/Path.h"
#include "platform/Profile.h"
#include "platform/SheetRunner.h"
#include "platform/TextureImage.h"
#include "platform/UserPrompts.h"
#include "series/ModelSeriesCommands.h"
#include "views/GL2dView.h"
#include "textfiles/LayerParamFlags.h"

#include <wx/filename.h>
#include <wx/utils.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

constexpr int kRecentFileCount = 4;
const char* const kRecentSection = "Recent File List";

bool PathExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(path), ec);
}

// Start-up messages have no owner window and an OK button.
void StartupMessage(const std::string& text) { UserPrompts().MessageBox(text, MessageBoxCaption(), MB_OK); }

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

// argv[0] made absolute against the current folder, without resolving links: the name the program
// was started by selects its mode. A bare name is looked up along PATH.
std::string ProgramPathFromArgv0(const std::string& argv0)
{
    if (argv0.find('/') == std::string::npos) {
        wxString found;
        if (wxFindFileInPath(&found, wxGetenv("PATH"), wxString::FromUTF8(argv0)))
            return found.ToStdString(wxConvUTF8);
    }
    wxFileName name(wxString::FromUTF8(argv0));
    name.MakeAbsolute();
    return name.GetFullPath().ToStdString(wxConvUTF8);
}

}  // namespace

CTessaronApp* TheApp() { return dynamic_cast<CTessaronApp*>(wxTheApp); }

CTessaronApp::CTessaronApp() = default;

CTessaronApp::~CTessaronApp()
{
    if (&AppServices() == this)
        SetAppServices(nullptr);
}

bool CTessaronApp::OnInit()
{
    // The wx command-line parser stays out: the program reads its own arguments.
    m_strProgramPath = ProgramPathFromArgv0(argc > 0 ? argv[0].ToStdString(wxConvUTF8) : std::string());
    m_arguments.clear();
    for (int i = 1; i < argc; ++i)
        m_arguments.push_back(argv[i].ToStdString(wxConvUTF8));
    SetUserPrompts(&m_wxPrompts);
    if (InitInstance())
        return true;
    // A start that stops still stores its mode; the process then ends with a failure code.
    ExitInstance();
    return false;
}

int CTessaronApp::FilterEvent(wxEvent& event)
{
    return CSplashWnd::PreTranslateAppMessage(event) ? int(Event_Processed) : int(Event_Skip);
}

int CTessaronApp::OnExit()
{
    const int code = ExitInstance();
    if (&UserPrompts() == &m_wxPrompts)
        SetUserPrompts(nullptr);
    return code;
}

void CTessaronApp::ResetState()
{
    FreeTextureImages();
    m_macros = CMacroList();
    m_libraryMacros = CMacroList();
    m_layerMacros = CMacroLibrary();
    m_layerMacros.SetApplicationMacros(&m_macros);
    m_loadMacroIndex.RemoveAll();
    m_activeLayerMacroIndex.RemoveAll();
    m_b3dMode = 1;
    m_bBuilder = 0;
    m_nNextStartMode = 0;
    m_recentFiles.clear();
}

bool CTessaronApp::InitInstance()
{
    ResetState();
    // Message boxes carry the application's title, "Brenvik" in both modes; the frame's title
    // comes from the mode.
    SetMessageBoxCaption("Brenvik");
    // The settings store is there from the first step, so a start that stops still stores its mode.
    m_profile = std::make_unique<CWxProfile>("Brenvik");
    SetProfile(m_profile.get());
    if (!LoadTextureImages())
        return false;
    m_b3dMode = 0;
    m_bBuilder = 1;
    LoadRecentFileList();

    CAppCommandLineInfo info;
    info.ParseCommandLine(m_arguments);
    CSplashWnd::EnableSplashScreen(info.m_bShowSplash);

    ChooseMode();
    m_nNextStartMode = m_b3dMode;
    SetAppServices(this);

    RegisterLayerFileType();
    LoadMacroDefinitions();

    if (!ProcessShellCommand(info))
        return false;
    m_pMainFrame->Maximize(true);
    m_pMainFrame->Show(true);
    m_pMainFrame->DragAcceptFiles(true);
    CSplashWnd::RaiseSplashScreen();
    return true;
}

int CTessaronApp::ExitInstance()
{
    Profile().WriteProfileInt("Settings", "status", m_nNextStartMode);
    // The document outlives this step; its settings go to the store before the store is closed.
    if (m_pDocument)
        m_pDocument->SaveProfileSettings();
    FreeTextureImages();
    if (&AppServices() == this)
        SetAppServices(nullptr);
    if (&SheetRunner() == m_sheetRunner.get())
        SetSheetRunner(nullptr);
    if (m_editBoxSeries && EditBoxSeriesHost() == m_editBoxSeries.get())
        SetEditBoxSeriesHost(nullptr);
    if (&Profile() == m_profile.get())
        SetProfile(nullptr);
    m_profile.reset();
    return 0;
}

std::string CTessaronApp::GetProgramFolder() const
{
    // The program file is the one the name leads to: a link on the search path leads to the
    // installed program, and the data lies above and below that program's folder.
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::canonical(m_strProgramPath, ec);
    const std::string program = ec ? m_strProgramPath : real.string();
    const size_t programEnd = program.rfind('/');
    return programEnd == std::string::npos ? std::string() : program.substr(0, programEnd + 1);
}

std::string CTessaronApp::RootFolder() const
{
    // The program folder without its trailing separator, cut after the separator before it.
    const std::string programFolder = GetProgramFolder();
    if (programFolder.size() < 2)
        return {};
    const size_t rootEnd = programFolder.rfind('/', programFolder.size() - 2);
    if (rootEnd == std::string::npos)
        return {};
    return programFolder.substr(0, rootEnd + 1);
}

bool CTessaronApp::LoadTextureImages()
{
    for (int i = 0; i < kTextureImageCount; ++i) {
        const std::string root = RootFolder();
        if (root.empty()) {
            StartupMessage("can't find GUI\\data dir");
            return false;
        }
        const std::string path = root + "GUI/Data/" + std::to_string(TextureFileNumber(i)) + ".bmp";
        if (!PathExists(path)) {
            StartupMessage("You lost data directory:" + path + "! \nPlease contact with Veltrane Software Inc.");
            return false;
        }
        g_TextureImages[i] = LoadTextureBitmap(path.c_str());
    }
    return true;
}

void CTessaronApp::ChooseMode()
{
    // The title is the program file's name without folder and extension.
    wxFileName program(wxString::FromUTF8(m_strProgramPath));
    const std::string title = Lower(program.GetName().ToStdString(wxConvUTF8));
    const bool builder = title == "brenvik";
    m_b3dMode = builder ? 0 : 1;
    m_bBuilder = builder ? 1 : 0;
}

void CTessaronApp::RegisterLayerFileType() { CShellRegistration::RegisterLayerFileType(m_strProgramPath); }

void CTessaronApp::LoadMacroDefinitions()
{
    const std::string root = RootFolder();
    for (const char* name : {"veltrane.mac", "more.mac"}) {
        const std::string path = root + name;
        if (!PathExists(path)) {
            StartupMessage(path + " is not exist");
            FatalExit(-1);
        }
    }
    m_macros.SetPath(root + "veltrane.mac");
    m_macros.Reload();
    CMacroList more;
    more.SetPath(root + "more.mac");
    more.Reload();
    m_macros.AddAll(more);
    CMacroLibrary contact;
    contact.AddContactMacro();
    m_macros.AddAll(contact.GetMacroList());
    m_libraryMacros = m_macros;
    IndexSpecialMacros();
    FillLayerParamFlags();
}

void CTessaronApp::IndexSpecialMacros()
{
    m_loadMacroIndex.RemoveAll();
    m_activeLayerMacroIndex.RemoveAll();
    m_macros.ResetCursor();
    CMacroDef def;
    while (m_macros.GetNext(def)) {
        if (!def.IsValid())
            continue;
        const int count = (def.GetTokenCount() - 1) / 3 - 1;
        if (def.GetToken(0) == "load_macro")
            m_loadMacroIndex.Add(def.GetToken(3), count);
        if (def.GetToken(0) == "get_active_layer")
            m_activeLayerMacroIndex.Add(def.GetToken(3), count);
    }
}

void CTessaronApp::LoadLayerMacros(const std::string& path)
{
    m_layerMacros.LoadFromLayerFile(path);
    m_macros.AddAll(m_layerMacros.GetMacroList());
    IndexSpecialMacros();
}

void CTessaronApp::ClearLayerMacros()
{
    m_macros = m_libraryMacros;
    m_layerMacros.GetMacroList().RemoveAll();
    IndexSpecialMacros();
}

void CTessaronApp::CreateMainFrame()
{
    m_pDocument = std::make_unique<CTessaronDoc>();
    m_pDocument->SetMacroList(&m_macros);
    m_pDocument->SetWorkbookExporter(&m_workbookExporter);
    m_pDocument->SetWorkbookImporter(&m_workbookImporter);
    m_sheetRunner = std::make_unique<CWxSheetRunner>(*m_pDocument);
    SetSheetRunner(m_sheetRunner.get());
    m_seriesWindows = std::make_unique<CWxSeriesWindows>();
    m_editBoxSeries = std::make_unique<CEditBoxSeries>(*m_seriesWindows);
    m_seriesWindows->SetHost(m_editBoxSeries.get());
    SetEditBoxSeriesHost(m_editBoxSeries.get());
    m_modelSeriesWindows = std::make_unique<CWxModelSeriesWindows>(
        [this]() -> wxWindow* { return m_pMainFrame; },
        [this]() -> wxWindow* { return m_pMainFrame ? static_cast<wxWindow*>(m_pMainFrame->GetGL2dView()) : nullptr; });
    m_modelSeries = std::make_unique<CModelSeriesCommands>(*m_modelSeriesWindows);
    m_pDocument->SetModelSeriesHandler(m_modelSeries.get());
    m_pMainFrame = new CMainFrame(*this, *m_pDocument);
    SetTopWindow(m_pMainFrame);
}

bool CTessaronApp::ProcessShellCommand(const CAppCommandLineInfo& info)
{
    CreateMainFrame();
    // A file that cannot be opened has shown its message; the program then starts with an empty
    // document, as File Open leaves it, rather than ending before its window appears.
    if (info.m_nShellCommand == CAppCommandLineInfo::FileOpen && OpenDocumentFile(info.m_strFileName))
        return true;
    OnFileNew();
    return true;
}

void CTessaronApp::OnFileNew()
{
    if (!m_pDocument || !m_pDocument->SaveModified())
        return;
    m_pDocument->SetTitle("Untitled");
    m_pDocument->OnNewDocument();
    if (m_pMainFrame)
        m_pMainFrame->OnDocumentReplaced();
}

void CTessaronApp::OnFileOpen()
{
    FileDialogRequest request;
    request.open = true;
    request.filter = m_b3dMode ? "3d Sol Files(*.sol)|*.sol|Layer Files(*.layer)|*.layer||"
                               : "Layer Files(*.layer)|*.layer||";
    // The dialog starts in the folder of the open document.
    if (m_pDocument)
        request.initialPath = PathFolder(m_pDocument->GetPathName());
    if (!UserPrompts().FileDialog(request) || request.chosenPaths.empty())
        return;
    OpenDocumentFile(request.chosenPaths.front());
}

void CTessaronApp::OnAppAbout()
{
    CAboutDlg about;
    // A picture that cannot be loaded keeps the box from opening; nothing is reported.
    if (about.Create(m_pMainFrame))
        about.ShowModal();
}

bool CTessaronApp::OpenDocumentFile(const std::string& path)
{
    if (!m_pDocument || !m_pDocument->SaveModified())
        return false;
    return OpenIntoDocument(path);
}

bool CTessaronApp::OpenIntoDocument(const std::string& path)
{
    wxFileName name(wxString::FromUTF8(path));
    name.MakeAbsolute();
    const std::string fullPath = name.GetFullPath().ToStdString(wxConvUTF8);
    // A file that cannot be read leaves the open document, its name and its views as they were.
    if (!m_pDocument->OnOpenDocument(fullPath))
        return false;
    m_pDocument->SetPathName(fullPath, true);
    m_pDocument->SetModifiedFlag(false);
    if (m_pMainFrame)
        m_pMainFrame->OnDocumentReplaced();
    return true;
}

void CTessaronApp::OpenRecentFile(int index)
{
    if (index < 0 || index >= int(m_recentFiles.size()))
        return;
    const std::string path = m_recentFiles[index];
    // A user who keeps the changed document at the save question keeps the entry as well; only a
    // file that cannot be opened leaves the list.
    if (!m_pDocument || !m_pDocument->SaveModified())
        return;
    if (!OpenIntoDocument(path)) {
        // A recent file that cannot be opened leaves the list, as the framework's list does.
        auto it = std::find(m_recentFiles.begin(), m_recentFiles.end(), path);
        if (it != m_recentFiles.end())
            m_recentFiles.erase(it);
        SaveRecentFileList();
        if (m_pMainFrame)
            m_pMainFrame->UpdateRecentFileMenu();
    }
}

void CTessaronApp::BeginWaitCursor() { wxBeginBusyCursor(); }

void CTessaronApp::EndWaitCursor() { wxEndBusyCursor(); }

void CTessaronApp::AddToRecentFileList(const std::string& path)
{
    if (path.empty())
        return;
    m_recentFiles.erase(std::remove(m_recentFiles.begin(), m_recentFiles.end(), path), m_recentFiles.end());
    m_recentFiles.insert(m_recentFiles.begin(), path);
    if (m_recentFiles.size() > size_t(kRecentFileCount))
        m_recentFiles.resize(kRecentFileCount);
    SaveRecentFileList();
    if (m_pMainFrame)
        m_pMainFrame->UpdateRecentFileMenu();
}

void CTessaronApp::LoadRecentFileList()
{
    m_recentFiles.clear();
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const std::string path = Profile().GetProfileString(kRecentSection, "File" + std::to_string(i));
        if (!path.empty())
            m_recentFiles.push_back(path);
    }
}

void CTessaronApp::SaveRecentFileList()
{
    for (int i = 1; i <= kRecentFileCount; ++i)
        Profile().WriteProfileString(kRecentSection, "File" + std::to_string(i),
                                     i <= int(m_recentFiles.size()) ? m_recentFiles[i - 1] : "");
}
