// One z-segment's ".layer" file: reading it into a z-segment (the spreadsheet import, the New
// z-segment command), reading its statements only (the spreadsheet export reads back what it
// wrote), and writing one z-segment merged into the text its file had when it was read.
//
// The material sets stay aligned with the z-segments: set n is always the text of z-segment n's
// file, so a save never merges one z-segment into another's text.

#include "document/TessaronDoc.h"

#include "platform/AppServices.h"
#include "platform/Archive.h"
#include "platform/FileIO.h"
#include "platform/FileSystem.h"
#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/UserPrompts.h"
#include "textfiles/LayerFileContext.h"
#include "textfiles/LayerFileUpdater.h"
#include "textfiles/LayerStatementReader.h"
#include "textfiles/LayerStatementWriter.h"
#include "textfiles/LayerStructureFault.h"

#include <algorithm>
#include <utility>

namespace {

const char kFileDataError[] = "File data error!";
const char kNoColumnToSave[] = "z-segment %d has no column; a file without one could not be opened again";

// A numbered load of a ".layer" file as the first file of a new load: includes recorded afresh,
// numbers from 1 or on from the last load.
bool LoadNumbered(CArchive& archive, CKeywordLineList& list, CLoadContext& context, bool resetCounter)
{
    list.RemoveAll();
    if (resetCounter)
        context.m_nLineCounter = 0;
    context.m_Includes.clear();
    return list.Serialize(archive, context);
}

// The same into a shared list, which is not copied first: its statements are replaced.
bool LoadNumbered(CArchive& archive, CSharedKeywordLines& list, CLoadContext& context, bool resetCounter)
{
    list.RemoveAll();
    return LoadNumbered(archive, list.Mutable(), context, resetCounter);
}

}  // namespace

bool CTessaronDoc::LoadLayerStatements(std::string path, CKeywordLineList& list)
{
    if (path.empty() || !FileExists(path) || path.find(".layer", 1) == std::string::npos)
        return false;
    CArchive archive;
    if (!archive.OpenLoad(path))
        return false;
    const bool loaded = LoadNumbered(archive, list, m_LoadContext, true);
    archive.Close();
    return loaded;
}

void CTessaronDoc::LoadZsegmentLayerFile(std::string path, int n)
{
    if (n < 0 || n >= kZSegmentRecords)
        return;
    CArchive archive;
    if (!archive.OpenLoad(path))
        return;
    const bool loaded = LoadNumbered(archive, m_LayerLines, m_LoadContext, true);
    archive.Close();
    if (!loaded)
        return;  // an include could not be read: reported by the load, nothing taken over

    if (static_cast<int>(m_ZSegments.size()) <= n)
        m_ZSegments.resize(static_cast<std::size_t>(n) + 1);
    g_nZSegCount = n + 1;
    CSharedKeywordLines asRead;
    bool upperWidthRead = false;
    ReadLoadedStatements(n, g_nZSegCount, asRead, upperWidthRead);
    if (upperWidthRead)
        g_CurLayerParams.MarkEdgeWidthsRead();
    // The text as loaded becomes z-segment n's material set, at its own index.
    if (static_cast<int>(m_MaterialSets.size()) <= n)
        m_MaterialSets.resize(static_cast<std::size_t>(n) + 1);
    m_MaterialSets[static_cast<std::size_t>(n)] = CMaterialSet::FromLoad(m_LoadContext, asRead, path);

    CZSegment& segment = m_ZSegments[static_cast<std::size_t>(n)];
    segment.m_Params.m_dZFrom = 0.0;
    segment.m_Params.m_dZTo = 0.0;
    segment.m_Params.m_nZPlanes = 1;
    g_nCurZSeg = n + 1;
    AssignLayerColours();
    RecountLayerColours();
    SetSelection(-1, -1, -1);
    RefreshLayerEdges();
}

bool CTessaronDoc::SaveZsegmentLayerFile(int n, std::string path)
{
    m_strWriteError.clear();
    std::string bytes;
    if (!BuildZsegmentLayerText(n, path, bytes))
        return false;
    CAtomicFileWriter writer;
    // The file is put in place only when it was written whole.
    if (writer.Open(path) && writer.Write(bytes) && writer.Commit())
        return true;
    m_strWriteError = writer.ErrorText();
    return false;
}

bool CTessaronDoc::BuildZsegmentLayerText(int n, const std::string& path, std::string& bytes)
{
    if (n < 0 || n >= static_cast<int>(m_ZSegments.size()))
        return false;
    // The reader refuses a file without a "column" statement: written, it would never open again.
    if (m_ZSegments[static_cast<std::size_t>(n)].GetColumnCount() < 1) {
        m_strWriteError = StrFormat(kNoColumnToSave, n + 1);
        return false;
    }
    AutoMeshZsegment(n);
    m_LayerLines.RemoveAll();
    CLayerFileContext context = LayerFileContext(nullptr, g_nZSegCount);
    CLayerStatementWriter(context).WriteLayerStatements(n);

    CSharedKeywordLines oldLines;
    CLoadContext loaded;
    if (n < static_cast<int>(m_MaterialSets.size())) {
        // The included files are copied from the folder of this z-segment's own file, not from
        // that of whichever file was read last.
        const CMaterialSet& set = m_MaterialSets[static_cast<std::size_t>(n)];
        loaded.m_Includes = set.m_Includes;
        loaded.m_strIncludeFolder = set.m_strIncludeFolder;
        oldLines = set.m_Lines;
    }
    if (static_cast<int>(m_BuiltLayerTexts.size()) <= n)
        m_BuiltLayerTexts.resize(static_cast<std::size_t>(n) + 1);
    CBuiltLayerText& built = m_BuiltLayerTexts[static_cast<std::size_t>(n)];
    // With included files the merge also depends on the folders and the files there, which a save
    // may have to copy: such a z-segment is merged every time.
    const bool reusable = loaded.m_Includes.empty();
    std::string freshImage;
    const std::uint64_t macroGeneration = GetMacroList().GetGeneration();
    if (reusable) {
        freshImage = CBuiltLayerText::FreshImage(*m_LayerLines);
        if (built.Answers(oldLines, macroGeneration, freshImage)) {
            bytes = built.Bytes();
            return true;
        }
    }

    CKeywordLineList result;
    CLayerFileUpdater updater;
    updater.SetPath(path);
    updater.SetMacroList(&GetMacroList());
    updater.SetLoadContext(loaded);
    if (static_cast<int>(m_MergeMemos.size()) <= n)
        m_MergeMemos.resize(static_cast<std::size_t>(n) + 1);
    updater.SetMergeMemo(&m_MergeMemos[static_cast<std::size_t>(n)]);
    updater.Update(*oldLines, m_LayerLines.Mutable(), result);  // the merge works on a copy of its own
    bytes = result.StoreRawText();
    if (reusable)
        built.Remember(oldLines, macroGeneration, std::move(freshImage), bytes);
    else
        built.Forget();
    return true;
}

bool CTessaronDoc::LoadLayerFileAsZsegment(int n, double zFrom, double zTo, std::string path)
{
    if (path.empty())
        return false;
    CArchive archive;
    if (!archive.OpenLoad(path))
        return false;
    const int inUse = std::max(0, g_nZSegCount);
    if (n < 0 || n > inUse || inUse >= kZSegmentRecords) {
        AfxMessageBox(kFileDataError, MB_OK);
        return false;
    }

    // The new z-segment and a material set go in at n (the set is filled once the file has been
    // read); the records beyond the ones in use are spare, so the vector keeps its length.
    m_ZSegments.insert(m_ZSegments.begin() + n, CZSegment());
    const bool spareDropped = static_cast<int>(m_ZSegments.size()) > kZSegmentRecords;
    if (spareDropped)
        m_ZSegments.pop_back();
    const bool setInserted = n <= static_cast<int>(m_MaterialSets.size());
    if (setInserted)
        m_MaterialSets.insert(m_MaterialSets.begin() + n, CMaterialSet());
    auto undoInsert = [&]() {
        m_ZSegments.erase(m_ZSegments.begin() + n);
        if (spareDropped)
            m_ZSegments.emplace_back();
        if (setInserted)
            m_MaterialSets.erase(m_MaterialSets.begin() + n);
    };

    const bool loaded = LoadNumbered(archive, m_LayerLines, m_LoadContext, false);
    archive.Close();
    if (!loaded) {
        undoInsert();  // the load has said which include it could not read
        return false;
    }
    CLayerFileContext context = LayerFileContext(nullptr, g_nZSegCount);
    CLayerStatementReader reader(context);
    if (reader.ReadLayerStatements(n) == 0) {
        AfxMessageBox(LayerDataErrorText(path, *m_LayerLines), MB_OK);
        undoInsert();
        return false;
    }
    if (reader.HasReadUpperWidth())
        g_CurLayerParams.MarkEdgeWidthsRead();

    CZSegment& segment = m_ZSegments[static_cast<std::size_t>(n)];
    segment.m_strLayerFile = path;
    segment.m_Params.m_dZFrom = zFrom;
    segment.m_Params.m_dZTo = zTo;
    segment.m_Params.m_nZPlanes = 1;
    if (segment.GetColumnCount() > 0) {
        segment.Column(0).m_fTaperPoint[0] = 0.0f;
        segment.Column(0).m_fTaperPoint[1] = 0.0f;
    }
    if (n > 0) {
        const double previousTo = m_ZSegments[static_cast<std::size_t>(n) - 1].m_Params.m_dZTo;
        if (segment.m_Params.m_dZFrom < previousTo)
            segment.m_Params.m_dZFrom = previousTo;
        if (segment.m_Params.m_dZTo < segment.m_Params.m_dZFrom)
            segment.m_Params.m_dZTo = segment.m_Params.m_dZFrom;
    }
    // The file's text becomes this z-segment's old text, so a later save merges into it and keeps
    // the comments, unknown statements and includes the user wrote there.
    if (n < static_cast<int>(m_MaterialSets.size()))
        m_MaterialSets[static_cast<std::size_t>(n)] = CMaterialSet::FromLoad(m_LoadContext, m_LayerLines, path);
    AppServices().LoadLayerMacros(path);
    return true;
}
