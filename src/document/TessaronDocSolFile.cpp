// Opening and saving a ".sol" deck. Opening: the deck handler reads the deck and every z-segment's
// ".layer" file into the records; the document then takes over the deck's settings and names the
// z-segments after their files. Saving: every z-segment's ".layer" file beside the deck, the deck
// itself (new, or converted from the one the document came from) and the companion files are
// prepared in one file set and put in place together, so that a failure or a crash leaves every
// old file or every new one. A deck reached through a symbolic link is the file the link leads to:
// its folder holds every file of the deck.

#include "document/TessaronDoc.h"

#include "document/ColourUsageCopy.h"
#include "document/DeckSaveRollback.h"
#include "document/InterruptedSaves.h"
#include "document/LayerColourWalk.h"
#include "document/UnnamedCompanions.h"
#include "platform/FileTransaction.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "textfiles/SolFile.h"

namespace {

const char kFaceNumError[] = "face num is error!";
const char kCantCreate[] = "Can't create file!";

}  // namespace

CSolDocument CTessaronDoc::SolDocument()
{
    CDeckSettings settings;
    settings.zsegCount = g_nZSegCount;
    settings.isolatedMethod = g_strIsolatedMethod;
    settings.lengthForm = g_nZStructureLengthForm;
    settings.cylinder = m_nCylinder;
    return CSolDocument{m_ZSegments, m_LayerLines.Mutable(), m_MaterialSets, m_VcselSections, GetMacroList(), m_nProductCode,
                        settings};
}

void CTessaronDoc::ApplyDeckSettings(const CDeckSettings& settings)
{
    g_nZSegCount = settings.zsegCount;
    g_strIsolatedMethod = settings.isolatedMethod;
    g_nZStructureLengthForm = settings.lengthForm;
    m_nCylinder = settings.cylinder;
}

bool CTessaronDoc::OpenSolFile(const std::string& pathGiven, int simulator)
{
    const std::string path = ResolveDocumentPath(pathGiven);
    OnNewDocument();
    m_SegInfoList.Clear();
    m_SegInfoList.m_nNaming = 1;
    m_SegInfoList.SetNameFromPath(path);

    CSolDocument deck = SolDocument();
    // The deck is read for the simulator it was written for.
    if (simulator >= 0)
        deck.productCode = simulator;
    // Each z-segment's layers get their colour pairs, are counted in the colour usage and get
    // their indices and edge flags as soon as its file is read: the pairs and stamps are those
    // passes over the whole device give, but a deck of many z-segments is far larger than the
    // cache, and a pass afterwards would fetch every layer record back from memory.
    CLayerColourWalk colours;
    const CColourUsageCopy usage;
    deck.segmentRead = [&](int i) {
        colours.WalkZsegment(m_ZSegments, i);
        CountZsegmentColours(i, 1);
        StampZsegment(i, deck.settings.zsegCount - 1, true);
    };
    CSolFile reader;
    reader.SetDocument(&deck);
    if (!reader.ReadSolFile(path)) {
        // The records hold part of the deck: nothing of it may stay, nor in the colour usage.
        usage.Restore();
        m_ZSegments.clear();
        OnNewDocument();
        return false;
    }
    ApplyDeckSettings(deck.settings);
    g_nCurZSeg = 1;
    if (reader.HasReadUpperWidth())
        g_CurLayerParams.MarkEdgeWidthsRead();

    BuildSegInfoList();
    for (int i = 0; i < m_SegInfoList.GetCount(); ++i)
        m_SegInfoList.GetAt(i)->m_nNamed = 1;
    SetSelection(-1, -1, -1);
    MarkLayerFileIndexesStale();
    // The views are updated by the open once the document has its path.
    return true;
}

std::string CTessaronDoc::ZsegmentFileTitle(int i)
{
    CSegInfo& record = *m_SegInfoList.GetAt(i);
    // A z-segment read from a ".layer" file by New z-segment is named by that file's path: its
    // file beside the deck takes the file's title, not the whole path.
    if (FindLastSeparator(record.m_strName) != std::string::npos || PathNamesKind(record.m_strName, ".layer"))
        record.m_strName = GetPathTitle(record.m_strName);
    // Two z-segments never share a file: a name an earlier z-segment has is numbered on.
    for (int k = 0; k < i; ++k)
        if (m_SegInfoList.GetAt(k)->m_strName == record.m_strName) {
            record.m_strName = m_SegInfoList.MakeUniqueName(i);
            break;
        }
    return record.m_strName;
}

bool CTessaronDoc::SaveAllZsegmentFiles(const std::string& solPath, CSolFile& sol, CFileTransaction& files)
{
    if (m_SegInfoList.GetCount() != g_nZSegCount) {
        AfxMessageBox(kFaceNumError, MB_OK);
        return false;
    }
    const std::string folder = PathFolder(solPath);
    for (int i = 0; i < GetZSegmentsInUse(); ++i) {
        AutoMeshZsegment(i);
        m_SegInfoList.SetNameFromPath(solPath);
        m_SegInfoList.RenameAfterInsert(0);
        const std::string layerPath = folder + ZsegmentFileTitle(i) + ".layer";
        std::string bytes;
        m_strWriteError.clear();
        if (!BuildZsegmentLayerText(i, layerPath, bytes)) {
            // Nothing is written yet: the whole deck is refused rather than saved without a file.
            AfxMessageBox(std::string(kCantCreate) + "\n" + layerPath + ": " + m_strWriteError, MB_OK);
            return false;
        }
        files.Stage(layerPath, bytes);
        CZSegment& segment = m_ZSegments[static_cast<std::size_t>(i)];
        // The first z-segment's gain file goes along under its new name.
        if (i == 0)
            sol.CopyCompanionFiles(segment.m_strLayerFile, layerPath, ".gain");
        segment.m_strLayerFile = layerPath;
        sol.RewriteRanges(i);
    }
    return true;
}

bool CTessaronDoc::SaveSolDocument(const std::string& pathGiven)
{
    const std::string path = ResolveDocumentPath(pathGiven);
    if (!SettleInterruptedSaves(path, m_pViews, std::string(kCantCreate) + "\n" + pathGiven))
        return false;
    // A failed save leaves the device, the z-segments' files and names as they were.
    CDeckSaveRollback rollback;
    rollback.Capture(m_ZSegments, GetZSegmentsInUse(), m_SegInfoList);
    auto putBack = [&]() {
        rollback.Restore(m_ZSegments, m_SegInfoList);
        return false;
    };

    CFileTransaction files;
    CSolDocument deck = SolDocument();
    CSolFile sol;
    sol.SetDocument(&deck);
    sol.SetFileTransaction(&files);
    if (!SaveAllZsegmentFiles(path, sol, files))
        return putBack();
    const std::string previous = Trim(GetDocFileName());
    if (!sol.ConvertSolFile(previous, path, CSolFile::IsNewDeckSource(previous)))
        return putBack();
    sol.UpdatePreviousLayer();
    if (!ConfirmReplacingUnnamedCompanions(files, previous))
        return putBack();
    if (!files.Commit()) {
        AfxMessageBox(std::string(kCantCreate) + "\n" + files.FailureText(), MB_OK);
        return putBack();
    }
    SetPathName(pathGiven, true);
    return true;
}
