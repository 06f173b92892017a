// Opening and saving documents. A ".layer" document is one cross-section, read as z-segment 1 and
// saved as the current z-segment's file; a ".sol" deck is read with all its z-segments
// (TessaronDocSolFile.cpp); every save merges the freshly written statements into the
// lines the file had when it was read, so that text the program does not own survives.

#include "document/TessaronDoc.h"

#include "CommandIds.h"
#include "document/InterruptedSaves.h"
#include "document/SetAsideDocument.h"
#include "platform/AppServices.h"
#include "platform/Archive.h"
#include "platform/Clock.h"
#include "platform/FatalExit.h"
#include "platform/FileIO.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"
#include "platform/TextFileContent.h"
#include "platform/UserPrompts.h"
#include "platform/ViewsHub.h"
#include "textfiles/ContactMacroLines.h"
#include "textfiles/LayerFileContext.h"
#include "textfiles/LayerFileUpdater.h"
#include "textfiles/LayerStatementReader.h"
#include "textfiles/LayerStatementWriter.h"
#include "textfiles/LayerStructureFault.h"
#include "textfiles/SolFile.h"

namespace {

const char kUnsupportedFormat[] = "Now it do not support this foramt!";
const char kNoData[] = "No data! Can't save.";
const char kCantCreate[] = "Can't create file!";
const char kDataError[] = "File data error!";

// "Can't open file <path>", with the reason on a line of its own when the file is there but is
// not one the program reads (a FIFO, a device, a file of absurd size).
bool CheckOpenableFile(const std::string& path)
{
    std::string reason;
    const FileReadCheck check = CheckReadableFile(path, kMaxLayerFileBytes, reason);
    if (check == FileReadCheck::readable)
        return true;
    std::string text = "Can't open file " + path;
    if (check != FileReadCheck::cannotOpen)
        text += "\n" + reason;
    AfxMessageBox(text, MB_OK);
    return false;
}

// "File data error!" with the path and the reason on a second line when the file holds no text
// (a NUL byte) or nothing but white space: neither is a device.
bool CheckTextContent(const std::string& path)
{
    const char* reason = nullptr;
    switch (CheckTextFileContent(path)) {
    case TextFileContent::text: return true;
    case TextFileContent::empty: reason = "the file is empty."; break;
    case TextFileContent::notText: reason = "it is not a text file (it holds NUL bytes)."; break;
    case TextFileContent::unreadable: reason = "the file cannot be read."; break;
    }
    AfxMessageBox(std::string(kDataError) + "\n" + path + ": " + reason, MB_OK);
    return false;
}

enum class DocumentKind { none, deck, layer };

// The kind of file a save writes: a ".sol" deck or a ".layer" file, told by the name alone (a
// folder such as "runs.sol" says nothing). A name that holds both is the kind its last one says:
// one save writes one kind of file, so "x.sol.layer" is a ".layer" file (which opens again as the
// 2-D deck whose ".layer" file is itself).
DocumentKind KindOfDocument(const std::string& path)
{
    const std::string lower = ToLowerAscii(PathFileName(path));
    const std::size_t sol = lower.rfind(".sol");
    const std::size_t layer = lower.rfind(".layer");
    if (sol == std::string::npos && layer == std::string::npos)
        return DocumentKind::none;
    if (layer == std::string::npos)
        return DocumentKind::deck;
    if (sol == std::string::npos)
        return DocumentKind::layer;
    return sol > layer ? DocumentKind::deck : DocumentKind::layer;
}

}  // namespace

CLayerFileContext CTessaronDoc::LayerFileContext(CKeywordLineList* copyLines, int zsegCount)
{
    return CLayerFileContext{m_ZSegments, zsegCount, m_LayerLines.Mutable(), copyLines, m_VcselSections,
                             GetMacroList()};
}

// ---------------------------------------------------------------------------------------------
// Opening

bool CTessaronDoc::OnOpenDocument(const std::string& path)
{
    // Nothing of the open document changes until the file has been found readable and has been
    // read: every refusal leaves the device on screen as it was.
    // A save cut off in the file's folder is finished or undone before anything there is read.
    if (!SettleInterruptedSaves(ResolveDocumentPath(path), m_pViews, "Can't open file " + path))
        return false;
    if (!CheckOpenableFile(path))
        return false;
    // The type is told by the file name: a folder such as "runs.sol" says nothing about it.
    const std::string lower = ToLowerAscii(PathFileName(path));
    if (Contains(lower, ".zdim")) {
        AfxMessageBox(kUnsupportedFormat, MB_OK);
        return false;
    }
    const bool deck = Contains(lower, ".sol");
    if ((deck || Contains(lower, ".layer")) && !CheckTextContent(path))
        return false;
    // The simulator the file was written for, taken over only when the file opens: a deck that is
    // refused leaves the setting as it was.
    const int simulator = path.size() > 3 ? CSolFile::DetectDeckSimulator(path) : -1;

    // The file is read into a fresh document; the open one comes back whole when the read fails.
    CSetAsideDocument previous(*this);
    if (!ReadDocumentFile(path, lower, simulator)) {
        previous.PutBack();
        return false;
    }
    previous.Keep();
    if (simulator >= 0)
        m_nProductCode = m_nTargetSimulator = simulator;
    SetPathName(path, true);
    if (m_pViews)
        m_pViews->StartPrompt(5);
    AppServices().LoadLayerMacros(path);
    if (deck)
        UpdateAllViews(1);
    else
        UpdateDrawing();
    ReportUnusableNumbers();
    return true;
}

bool CTessaronDoc::ReadDocumentFile(const std::string& path, const std::string& lowerName, int simulator)
{
    // The open series belongs to the device being replaced.
    CloseEditBoxSeries();
    m_LoadContext.Reset();
    g_nClipboardZSeg = 0;
    m_MaterialSets.clear();
    g_EditLayer.m_Grating.SetDefault();
    g_EditLayer.m_Mesh.m_dShiftCenter = 0.0;
    g_EditLayer.m_strComment.clear();
    for (CZSegment& segment : m_ZSegments)
        segment.Clear();
    m_ZSegClipboard.Clear();
    m_SegInfoList.Clear();
    DeleteContents();
    SetModifiedFlag(false);
    if (Contains(lowerName, ".sol"))
        return OpenSolFile(path, simulator);
    if (Contains(lowerName, ".layer"))
        return ReadLayerFile(path);
    return true;
}

CLayerFileRead::Status CTessaronDoc::LoadLayerLines(const std::string& path)
{
    m_LayerLines.RemoveAll();
    m_LoadContext.Reset();
    CArchive archive;
    if (!archive.OpenLoad(path))
        return CLayerFileRead::cannotOpen;
    const bool complete = m_LayerLines.Mutable().Serialize(archive, m_LoadContext);
    archive.Close();
    return complete ? CLayerFileRead::read : CLayerFileRead::includeFailed;
}

CLayerFileRead CTessaronDoc::ReadLayerFileRecords(const std::string& path)
{
    CLayerFileRead result;
    result.m_status = LoadLayerLines(path);
    if (result.m_status == CLayerFileRead::cannotOpen)
        return result;

    m_ZSegments.resize(kZSegmentRecords);
    for (CZSegment& segment : m_ZSegments)
        segment.Clear();
    m_ZSegClipboard.Clear();
    // The include failure was reported by the load; the statements are not the file's.
    if (result.m_status != CLayerFileRead::read)
        return result;

    CSharedKeywordLines asRead;
    bool upperWidthRead = false;
    const int read = ReadLoadedStatements(0, 1, asRead, upperWidthRead);
    AppendSegmentMaterialSet(path, asRead);
    if (read == 0) {
        result.m_status = CLayerFileRead::dataError;
        return result;
    }
    result.m_bUpperWidthRead = upperWidthRead;

    CZSegment& segment = m_ZSegments[0];
    segment.m_Params.m_dZFrom = 0.0;
    segment.m_Params.m_dZTo = 0.0;
    segment.m_Params.m_nZPlanes = 1;
    if (segment.GetColumnCount() > 0) {
        segment.Column(0).m_fTaperPoint[0] = 0.0f;
        segment.Column(0).m_fTaperPoint[1] = 0.0f;
    }
    segment.m_strLayerFile = path;
    return result;
}

bool CTessaronDoc::ReadLayerFile(const std::string& path)
{
    OnNewDocument();
    CLayerFileRead read;
    const bool opened = RetryAfterFailure(kFileOpenRetries, kFileOpenRetryDelayMs, [&] {
        read = ReadLayerFileRecords(path);
        return read.m_status != CLayerFileRead::cannotOpen;
    });
    if (!opened) {
        AfxMessageBox("cannt read layer file!", MB_OK);
        FatalExit(-1);
    }
    if (read.m_status == CLayerFileRead::dataError)
        AfxMessageBox(LayerDataErrorText(path, *m_LayerLines), MB_OK);
    if (read.m_status != CLayerFileRead::read) {
        m_ZSegments.clear();
        g_nZSegCount = 0;
        g_nCurZSeg = 0;
        OnNewDocument();
        return false;
    }

    g_nZSegCount = 1;
    g_nCurZSeg = 1;
    if (read.m_bUpperWidthRead)
        g_CurLayerParams.MarkEdgeWidthsRead();
    RenumberContacts();
    RecountLayerColours();
    SetSelection(-1, -1, -1);
    BuildSegInfoList();
    MarkLayerFileIndexesStale();
    RefreshLayerEdges();
    return true;
}

void CTessaronDoc::AppendSegmentMaterialSet(const std::string& path, const CSharedKeywordLines& lines)
{
    m_MaterialSets.push_back(CMaterialSet::FromLoad(m_LoadContext, lines, path));
}

int CTessaronDoc::ReadLoadedStatements(int n, int zsegCount, CSharedKeywordLines& asRead, bool& upperWidthRead)
{
    // The read changes only contact statements (into the model's form). Without any, the list the
    // file was loaded into stays the file's form and is shared once the read is done; with some,
    // the file's form is copied before.
    const bool readChangesLines = HasContactMacroLines(*m_LayerLines);
    if (readChangesLines)
        asRead = CSharedKeywordLines(*m_LayerLines);
    CLayerFileContext context = LayerFileContext(nullptr, zsegCount);
    CLayerStatementReader reader(context);
    const int read = reader.ReadLayerStatements(n);
    upperWidthRead = reader.HasReadUpperWidth();
    if (!readChangesLines)
        asRead = m_LayerLines;
    m_LoadedLines = m_LayerLines;
    return read;
}

// ---------------------------------------------------------------------------------------------
// Saving

bool CTessaronDoc::WarnNoData() const
{
    ViewMessageBox(kNoData, "Warning", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool CTessaronDoc::OnFileSave()
{
    if (!IsModified())
        return true;
    return DoFileSave();
}

bool CTessaronDoc::DoFileSave()
{
    if (g_nZSegCount < 1)
        return WarnNoData();
    const std::string name = Trim(GetDocFileName());
    if (name.empty())
        return OnFileSaveAs();
    if (!CheckZsegmentMeshTotals())
        return false;
    return OnSaveDocument(name);
}

bool CTessaronDoc::OnFileSaveAs()
{
    if (g_nZSegCount < 1)
        return WarnNoData();
    if (!CheckZsegmentMeshTotals())
        return false;
    const bool threeD = AppServices().Is3dMode();
    FileDialogRequest request;
    request.open = false;
    // The builder saves ".layer" files only: a bare name typed there is a ".layer" file.
    request.defaultExt = threeD ? "sol" : "layer";
    request.filter = threeD ? "3d Sol Files (*.sol)|*.sol|Layer Files (*.layer)|*.layer||"
                            : "Layer Files (*.layer)|*.layer||";
    request.initialPath = PathFolder(Trim(GetPathName()));
    if (!UserPrompts().FileDialog(request) || request.chosenPaths.empty())
        return false;
    // Every z-segment file is named after the new file.
    const int naming = m_SegInfoList.m_nNaming;
    m_SegInfoList.m_nNaming = 0;
    const bool saved = OnSaveDocument(WithDefaultExtension(request.chosenPaths.front(), request.defaultExt));
    m_SegInfoList.m_nNaming = naming;
    return saved;
}

bool CTessaronDoc::OnSaveDocument(const std::string& path)
{
    m_dScale[0] = m_dScale[1] = kUnsetScale;
    // Declining the question saves nothing, so the save has not happened: a close that asked for
    // it must not go on and drop the device.
    if (!ConfirmMeshesBeforeSave())
        return false;
    CheckLabelsUnique();

    // The type is told by the file name; one save writes one kind of file.
    const DocumentKind kind = KindOfDocument(path);
    // Any other name would write nothing and still look saved.
    if (kind == DocumentKind::none) {
        AfxMessageBox(kUnsupportedFormat, MB_OK);
        return false;
    }
    if (kind == DocumentKind::deck && !SaveSolDocument(path))
        return false;
    if (kind == DocumentKind::layer && !SaveLayerDocument(path))
        return false;
    SetModifiedFlag(false);
    MarkLayerFileIndexesStale();
    return true;
}

bool CTessaronDoc::SaveLayerDocument(const std::string& path)
{
    if (!GetCurrentZSegment())
        return WarnNoData();
    if (AppServices().Is3dMode())
        AfxMessageBox(" Now your save type is layer. \nYou can use save as menu to save as sol type!", MB_OK);
    if (!SettleInterruptedSaves(ResolveDocumentPath(path), m_pViews, std::string(kCantCreate) + "\n" + path))
        return false;
    if (!SaveCurrentZsegmentLayerFile(path)) {
        AfxMessageBox(std::string(kCantCreate) + "\n" + path + ": " + GetWriteError(), MB_OK);
        return false;
    }
    SetPathName(path, true);
    GetCurrentZSegment()->m_strLayerFile = path;
    return true;
}

bool CTessaronDoc::SaveCurrentZsegmentLayerFile(const std::string& path)
{
    if (!GetCurrentZSegment())
        return false;
    return SaveZsegmentLayerFile(g_nCurZSeg - 1, path);
}
