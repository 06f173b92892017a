// "Current z-segment property": the layer property sheet with the z-segment page alone on the
// current z-segment. It edits the z range, z planes, taper link and rotation angle, and the taper
// line of the selected column; the later z-segments move with the z end.
//
// Without a layer selected the sheet runs on a substitute selection (column 0, row 0) under the
// forced-selection flag; the selection and the flag are given back on every way out.

#include "document/TessaronDoc.h"

#include "platform/SheetRunner.h"

namespace {

// The selection a sheet run may replace, with what it replaced, given back when the run ends.
class CSubstituteSelection {
public:
    CSubstituteSelection(CZSegment& segment, int& forcedSelection)
        : m_segment(segment), m_forcedSelection(forcedSelection), m_nFlag(forcedSelection),
          m_nRow(segment.m_nSelectedRow), m_nColumn(segment.m_nSelectedColumn)
    {
        m_bActive = m_nRow < 0 || m_nColumn < 0 || m_nFlag != 0;
        if (!m_bActive)
            return;
        segment.m_nSelectedRow = 0;
        segment.m_nSelectedColumn = 0;
        forcedSelection = 1;
        if (segment.GetColumnCount() > 0)
            m_nColumnSelectedLayer = segment.GetColumn(0).m_nSelectedLayer;
    }
    ~CSubstituteSelection()
    {
        if (!m_bActive)
            return;
        m_forcedSelection = m_nFlag;
        m_segment.m_nSelectedRow = m_nRow;
        m_segment.m_nSelectedColumn = m_nColumn;
        if (m_segment.GetColumnCount() > 0)
            m_segment.Column(0).m_nSelectedLayer = m_nColumnSelectedLayer;
    }
    CSubstituteSelection(const CSubstituteSelection&) = delete;
    CSubstituteSelection& operator=(const CSubstituteSelection&) = delete;

    bool IsActive() const { return m_bActive; }

private:
    CZSegment& m_segment;
    int& m_forcedSelection;
    bool m_bActive = false;
    int m_nFlag;
    int m_nRow;
    int m_nColumn;
    int m_nColumnSelectedLayer = -1;
};

// Sets a value for the lifetime of the object and gives the old one back.
class CScopedValue {
public:
    CScopedValue(int& value, int during) : m_value(value), m_nOld(value) { value = during; }
    ~CScopedValue() { m_value = m_nOld; }
    CScopedValue(const CScopedValue&) = delete;
    CScopedValue& operator=(const CScopedValue&) = delete;

private:
    int& m_value;
    int m_nOld;
};

}  // namespace

void CTessaronDoc::OnCurrentZsegmentProperty()
{
    CZSegment* current = GetCurrentZSegment();
    if (!current)
        return;
    CZSegment& segment = *current;
    const int zseg = g_nCurZSeg - 1;
    CheckPoint();
    bool firstExtent = false;
    {
        // Given back before the views update, so they draw the selection the user had.
        const CSubstituteSelection substitute(segment, m_nForcedSelection);
        const int c = segment.m_nSelectedColumn;
        const int r = segment.m_nSelectedRow;
        // A z-segment without a layer there still has its z values to edit.
        const bool hasLayer = segment.HasLayer(c, r);
        if (hasLayer) {
            segment.Column(c).m_nSelectedLayer = r;
            FillEditImages(segment, c, r);
        }
        LoadZsegmentImage(segment);
        g_EditZSegment.m_Params.m_dAngle = segment.m_Params.m_dAngle;
        g_nLayerEditMode = 3;

        LayerSheetRequest request;
        request.caption = "Modify Z Panels";
        request.allPages = false;
        request.zSegmentPageIndex = substitute.IsActive() ? 0 : 1;
        // The page counts the taper length from here: the end of the z-segment before, z = 0 for
        // the first, as the position dialog counts it.
        request.previousZEnd = zseg > 0 ? m_ZSegments[zseg - 1].m_Params.m_dZTo : 0.0;
        request.contactUpdateMode = &m_nContactUpdateMode;
        const double oldZEnd = segment.m_Params.m_dZTo;
        bool accepted = false;
        {
            const CScopedValue lock(m_nDrawingLock, 1);
            accepted = SheetRunner().RunLayerSheet(request);
        }
        if (!accepted) {
            DiscardLastCheckPoint();
            return;
        }
        firstExtent = ApplyZsegmentSheet(segment, hasLayer ? c : -1, r, !substitute.IsActive(), oldZEnd);
    }
    SetModifiedFlag(true);
    if (firstExtent)
        UpdateAllViews(1);
    UpdateSegInfoFromZsegments();
    UpdateAllViews(0);
}

bool CTessaronDoc::ApplyZsegmentSheet(CZSegment& segment, int c, int r, bool realSelection, double oldZEnd)
{
    const int zseg = g_nCurZSeg - 1;
    const bool firstExtent = ApplyIsolatedLayerRule(static_cast<float>(g_EditZSegment.m_Params.m_dZFrom),
                                                    static_cast<float>(g_EditZSegment.m_Params.m_dZTo));
    if (c >= 0 && realSelection)
        segment.Column(c).m_nTaperLine = g_EditColumn.m_nTaperLine;
    segment.m_Params.m_strTaperLink = g_EditZSegment.m_Params.m_strTaperLink;
    segment.m_Params.m_dAngle = g_EditZSegment.m_Params.m_dAngle;

    const bool emptyTopLayer = c >= 0 && segment.GetColumn(c).GetLayer(r).m_Material.m_Bulk.m_strName == "void" &&
                               r == segment.GetColumn(c).GetLayersInUse() - 1;
    if (emptyTopLayer) {
        // An empty top layer is not written back as a row: its macro goes back, and the row goes
        // when it is empty in every column that has it.
        segment.Column(c).Layer(r).m_Material.m_Bulk = g_EditLayer.m_Material.m_Bulk;
        if (RemoveEmptyLayerRow(r)) {
            --segment.m_nSelectedRow;
            if (!segment.HasLayer(segment.m_nSelectedColumn, segment.m_nSelectedRow)) {
                segment.m_nSelectionKind = 0;
                segment.m_nSelectedColumn = -1;
                segment.m_nSelectedRow = -1;
            }
        }
        TakeEditZRange(zseg, oldZEnd, false);
    } else {
        if (c >= 0) {
            ApplyRegularColumnRule(segment.Column(c));
            TakeEditColumnContacts(zseg, c);
        }
        TakeEditZRange(zseg, oldZEnd, false);
        if (c >= 0) {
            segment.Column(c).m_fTaperPoint[0] = g_EditColumn.m_fTaperPoint[0];
            segment.Column(c).m_fTaperPoint[1] = g_EditColumn.m_fTaperPoint[1];
            WriteBackEditLayer(segment, c, r);
            if (realSelection) {
                segment.Column(c).m_nSelectedLayer = r;
                segment.Column(c).Layer(r).m_nSelected = 1;
            }
        }
    }
    return firstExtent;
}
