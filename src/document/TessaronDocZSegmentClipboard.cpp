// Copy and paste of z-segments: Copy z-segment remembers a z-segment's number and Paste z-segment
// inserts a copy of it after the current one; Copy z-segment material takes the whole current
// z-segment into the document's z-segment clipboard and Paste z-segment material puts it in place
// of the current one, which keeps its own z-segment parameters.

#include "document/TessaronDoc.h"

#include "platform/UserPrompts.h"

#include <algorithm>
#include <cstring>

namespace {

// The fewest column slots a pasted z-segment gets.
constexpr int kPastedColumnSlots = 20;

}  // namespace

void CTessaronDoc::OnCopyZsegment() { g_nClipboardZSeg = g_nCurZSeg; }

void CTessaronDoc::OnCopyZsegmentMaterial()
{
    if (const CZSegment* current = GetCurrentZSegment())
        m_ZSegClipboard = *current;
}

void CTessaronDoc::OnPasteZsegmentMaterial()
{
    CZSegment* current = GetCurrentZSegment();
    if (!current)
        return;
    CheckPoint();
    const CZSegmentParams params = current->m_Params;
    *current = m_ZSegClipboard;
    current->m_Params = params;
    AssignDefaultLabels(g_nCurZSeg - 1);
    SetModifiedFlag(true);
    UpdateAllViews(0);
}

void CTessaronDoc::OnPasteZsegment()
{
    const int k = g_nClipboardZSeg;
    if (g_nZSegCount == 0) {
        AfxMessageBox("face num is zero!", MB_OK);
        return;
    }
    if (k <= 0) {
        AfxMessageBox("Please selet a face to copy first!", MB_OK);
        return;
    }
    if (k > g_nZSegCount || k > GetZSegmentsInUse()) {
        AfxMessageBox("Copy face num is invalid!", MB_OK);
        return;
    }
    if (g_nZSegCount >= kZSegmentRecords) {
        AfxMessageBox(CZSegment::kFullDeviceMessage, MB_OK);
        return;
    }
    const int c = g_nCurZSeg;
    if (c < 1 || c > g_nZSegCount)
        return;
    CheckPoint();
    // From here on the usage counts only the pasted z-segment's layers.
    std::memset(g_ColourUsage, 0, sizeof g_ColourUsage);

    const CZSegment& source = m_ZSegments[k - 1];
    m_ZSegClipboard = source;
    m_ZSegClipboard.m_nColumnSlots = std::max(kPastedColumnSlots, source.GetColumnCount());
    // The copy goes in behind the current z-segment, so it starts where that one ends (the same
    // place when the copied z-segment is the current one) and keeps the copied one's length.
    const double length = source.m_Params.m_dZTo - source.m_Params.m_dZFrom;
    const double start = m_ZSegments[c - 1].m_Params.m_dZTo;
    m_ZSegClipboard.m_Params.m_dZFrom = start;
    m_ZSegClipboard.m_Params.m_dZTo = std::max(start + length, start);
    m_ZSegClipboard.m_Sections.clear();

    // The records beyond the ones in use are spare: the vector keeps its length.
    CZSegment pasted = m_ZSegClipboard;
    pasted.m_Params.m_nZPlanes = 1;
    for (const CColumnRec& column : pasted.GetColumns()) {
        for (const CLayerRec& layer : column.GetLayers())
            CountLayerColour(layer, +1);
    }
    CSegInfo record = k - 1 < m_SegInfoList.GetCount() ? m_SegInfoList.GetCopy(k - 1) : CSegInfo();
    record.m_strName = k - 1 < m_SegInfoList.GetCount() ? m_SegInfoList.MakeUniqueName(k - 1) : std::string();
    record.m_dZBegin = pasted.m_Params.m_dZFrom;
    record.m_dZEnd = pasted.m_Params.m_dZTo;

    m_ZSegments.insert(m_ZSegments.begin() + c, std::move(pasted));
    if (static_cast<int>(m_ZSegments.size()) > kZSegmentRecords)
        m_ZSegments.pop_back();
    ++g_nZSegCount;
    g_nCurZSeg = c + 1;

    m_SegInfoList.InsertSegment(c, record);
    UpdateZsegmentsFromSegInfo();
    AssignDefaultLabels(g_nCurZSeg - 1);
    SetModifiedFlag(true);
    UpdateAllViews(0);
}
