// New and Delete z-segment. A device is a row of z-segments along z: New z-segment makes the first
// one of an empty document, or puts one right after the current z-segment, read from an existing
// ".layer" file or copied from the current one; the z-segments after it move along z by its
// length. Delete z-segment removes the current one and moves those after it back.

#include "document/TessaronDoc.h"

#include "document/ColourUsageCopy.h"
#include "platform/AppServices.h"
#include "platform/SheetRunner.h"
#include "platform/UserPrompts.h"

#include <algorithm>
#include <cstring>

namespace {

const char kPositionTooSmall[] = "Your input value must be bigger \nthan the previous one .\n";
// The column template of a copied z-segment: at least this many column slots.
const int kTemplateColumnSlots = 20;
const double kPositionTolerance = 1e-6;

}  // namespace

void CTessaronDoc::OnNewZsegment()
{
    if (g_nZSegCount >= kZSegmentRecords) {
        AfxMessageBox(CZSegment::kFullDeviceMessage, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CheckPoint();
    const CColourUsageCopy usage;
    const int previous = g_nCurZSeg;
    std::memset(g_ColourUsage, 0, sizeof g_ColourUsage);
    g_nLayerEditMode = 1;
    g_EditZSegment.Clear();
    g_EditZSegment.m_strLayerFile.clear();
    g_EditZSegment.m_Params.m_nMethod = -1;
    g_EditZSegment.m_Sections.clear();

    bool imported = false;
    const bool made = g_nZSegCount == 0 ? NewFirstZsegment() : NewFurtherZsegment(previous, imported);
    if (!made) {
        // Nothing was made: the colours count what they counted, and no undo entry stays.
        usage.Restore();
        DiscardLastCheckPoint();
    } else if (g_nZSegCount > 1) {
        AssignDefaultLabels(g_nCurZSeg - 1);
    }
    SetModifiedFlag(true);
    UpdateAllViews(0);
    // A z-segment read from a ".layer" file is told about as an opened file is: the values in it
    // that are not numbers or not sizes, once the device shows it.
    if (imported)
        ReportUnusableNumbers(g_nCurZSeg - 1, g_nCurZSeg);
}

bool CTessaronDoc::NewFirstZsegment()
{
    // Fresh records: nothing of a z-segment deleted earlier comes back in the new one.
    m_ZSegments.assign(kZSegmentRecords, CZSegment());
    for (CZSegment& segment : m_ZSegments)
        segment.Clear();
    g_nZSegCount = 1;
    g_nCurZSeg = 1;

    g_EditLayer.m_nZSeg = 1;
    g_EditLayer.m_nRow = 0;
    g_EditLayer.m_fWidth = 6.0f;
    g_EditLayer.m_fUpperWidth = 6.0f;
    g_EditLayer.m_fLowerWidth = 6.0f;
    g_EditLayer.m_Mesh.Unset();
    g_EditLayer.m_Mesh.m_dShiftCenter = 0.0;
    g_EditLayer.m_Grating.SetDefault();
    g_EditLayer.m_strComment.clear();
    g_EditLayer.m_nSolveWave = 1;
    g_EditZSegment.m_nTotalXMesh = 0;
    g_EditZSegment.m_nTotalYMesh = 0;
    g_EditZSegment.m_Params.m_dZFrom = 0.0;
    g_EditZSegment.m_Params.m_dZTo = 0.0;
    g_EditZSegment.m_Params.m_nZPlanes = 1;

    if (AppServices().Is3dMode())
        NewZsegmentSheet();
    else
        NewColumnSheet();
    if (m_nLastSheetAccepted != 1) {
        g_nZSegCount = 0;
        g_nCurZSeg = 0;
        return false;
    }
    SetSelection(0, g_EditLayer.m_nColumn, g_EditLayer.m_nRow);
    TidyCurrentZsegment();
    BuildSegInfoList();
    return true;
}

bool CTessaronDoc::NewFurtherZsegment(int previous, bool& imported)
{
    // Without a current z-segment the new one goes after the last.
    if (previous < 1 || previous > GetZSegmentsInUse())
        previous = GetZSegmentsInUse();
    const CZSegment& before = m_ZSegments[previous - 1];
    MakeZsegmentTemplate(before);

    std::string layerFile;
    double from = 0.0;
    double to = 0.0;
    if (!AskZsegmentPosition(before, layerFile, from, to))
        return false;

    // The new z-segment spans the previous one's length from its end; the seg-info list moves
    // the following ones on by that length.
    const double end = before.m_Params.m_dZTo;
    const double length = before.m_Params.m_dZTo - before.m_Params.m_dZFrom;
    m_ZSegClipboard.m_Params.m_dZFrom = end;
    m_ZSegClipboard.m_Params.m_dZTo = end + length;

    // A file that cannot be read leaves the z-segments as they were; the copy is made instead.
    imported = LoadLayerFileAsZsegment(previous, from, to, layerFile);
    if (!imported)
        InsertZsegmentCopy(previous);
    ++g_nZSegCount;
    g_nCurZSeg = previous + 1;
    m_ZSegments[previous].ClearKeywordLists();
    if (imported) {
        std::memset(g_ColourUsage, 0, sizeof g_ColourUsage);
        RenumberContacts();
        RecountLayerColours();
        SetSelection(-1, -1, -1);
    }
    InsertZsegmentSegInfo(previous, imported, layerFile);
    return true;
}

bool CTessaronDoc::AskZsegmentPosition(const CZSegment& previous, std::string& layerFile, double& from, double& to)
{
    const double end = previous.m_Params.m_dZTo;
    ZSegPositionRequest request;
    request.from = end;
    request.to = end;
    request.previousEnd = end;
    for (;;) {
        if (!SheetRunner().RunZSegPositionDlg(request))
            return false;
        if (request.from + kPositionTolerance > end && request.from - kPositionTolerance < request.to)
            break;
        if (AfxMessageBox(kPositionTooSmall, MB_OK) != IDOK)
            return false;
        // Shown again as it opened first; the lengths and the file name stay as entered.
        request.from = end;
        request.to = end;
    }
    layerFile = request.layerFileName;
    from = request.from;
    to = request.to;
    return true;
}

void CTessaronDoc::MakeZsegmentTemplate(const CZSegment& previous)
{
    // The template has room for every column of the z-segment it copies.
    m_ZSegClipboard = previous;
    m_ZSegClipboard.m_nColumnSlots = std::max(kTemplateColumnSlots, previous.GetColumnCount());
    for (int c = 0; c < m_ZSegClipboard.GetColumnCount(); ++c)
        m_ZSegClipboard.Column(c).SetLayerCount(CColumnRec::kMaxLayers);
}

void CTessaronDoc::InsertZsegmentCopy(int index)
{
    m_ZSegClipboard.m_Sections.clear();
    CZSegment copy = m_ZSegClipboard;
    copy.m_Params.m_nZPlanes = 1;
    m_ZSegments.insert(m_ZSegments.begin() + index, copy);
    // The device keeps its block of records: the last one, beyond those in use, goes.
    if (static_cast<int>(m_ZSegments.size()) > kZSegmentRecords)
        m_ZSegments.pop_back();
    CountZsegmentColours(index, 1);
}

void CTessaronDoc::InsertZsegmentSegInfo(int index, bool imported, const std::string& layerFile)
{
    CSegInfo record;
    record.m_dZBegin = m_ZSegClipboard.m_Params.m_dZFrom;
    record.m_dZEnd = m_ZSegClipboard.m_Params.m_dZTo;
    if (imported) {
        record.m_strName = layerFile;
        record.m_nNamed = 1;
        // The document's layer lines hold the imported file's statements now.
        record.m_MaterialSet = CMaterialSet::FromLoad(m_LoadContext, m_LayerLines, layerFile);
    }
    m_SegInfoList.InsertSegment(index, record);
    UpdateZsegmentsFromSegInfo();
}

void CTessaronDoc::OnDeleteZsegment()
{
    if (g_nCurZSeg < 1 || g_nCurZSeg > GetZSegmentsInUse())
        return;
    CheckPoint();
    const int current = g_nCurZSeg - 1;
    m_SegInfoList.DeleteSegment(current);
    CountZsegmentColours(current, -1);
    // The later z-segments move down one place; the record that was last in use keeps its copy.
    for (int i = g_nCurZSeg; i < g_nZSegCount; ++i)
        m_ZSegments[i - 1] = m_ZSegments[i];
    if (g_nCurZSeg == g_nZSegCount)
        --g_nCurZSeg;
    --g_nZSegCount;
    SetSelection(-1, -1, -1);
    UpdateZsegmentsFromSegInfo();
    SetModifiedFlag(true);
    UpdateAllViews(0);
}
