// Modify Layer: the layer property sheet on the selected layer, its column and its z-segment, and
// the writing back of the edited images, in parts that the z-segment sheet shares.

#include "document/TessaronDoc.h"

#include "platform/SheetRunner.h"

namespace {

bool IsVoidName(const std::string& name) { return name == "void"; }

// The link flags of a column's ranges of one side are dropped when the previous z-segment's column
// of the same index has another number of ranges on that side: there is nothing to link them to.
template <typename Range>
void UnlinkWhenCountsDiffer(std::vector<Range> ranges, int previousCount, std::vector<Range>& out)
{
    if (static_cast<int>(ranges.size()) != previousCount) {
        for (Range& range : ranges)
            range.m_nLink = 0;
    }
    out = std::move(ranges);
}

}  // namespace

void CTessaronDoc::FillEditImages(const CZSegment& segment, int column, int row)
{
    const CColumnRec& source = segment.GetColumn(column);
    g_EditColumn.m_Mesh = source.m_Mesh;
    g_EditColumn.m_Contacts.Clear();
    g_EditColumn.m_Contacts = source.m_Contacts;
    g_EditColumn.m_fTaperPoint[0] = source.m_fTaperPoint[0];
    g_EditColumn.m_fTaperPoint[1] = source.m_fTaperPoint[1];
    g_EditColumn.m_nTaperLine = source.m_nTaperLine;

    // The Gaussian tail is a value of the row, held in its layer of column 0.
    g_EditLayer = source.GetLayer(row);
    g_EditLayer.m_Doping.m_fGaussianTail = segment.GetColumn(0).GetLayer(row).m_Doping.m_fGaussianTail;
    g_EditLayer.m_Grating.Edit().m_nColumn = g_EditLayer.m_nColumn;
}

void CTessaronDoc::ApplyRegularColumnRule(CColumnRec& column) const
{
    // A rectangle edited in a column of rectangles keeps the column regular: every layer takes its
    // width.
    if (g_EditLayer.m_fUpperWidth != g_EditLayer.m_fLowerWidth || IsVoidName(g_EditLayer.m_Material.m_Bulk.m_strName))
        return;
    for (const CLayerRec& layer : column.GetLayers()) {
        if (layer.m_fUpperWidth != layer.m_fLowerWidth)
            return;
    }
    for (int j = 0; j < column.GetLayersInUse(); ++j) {
        column.Layer(j).m_fUpperWidth = g_EditLayer.m_fLowerWidth;
        column.Layer(j).m_fLowerWidth = g_EditLayer.m_fLowerWidth;
    }
}

void CTessaronDoc::TakeEditColumnContacts(int zseg, int column)
{
    CColumnContacts& contacts = m_ZSegments[zseg].Column(column).m_Contacts;
    if (zseg == 0) {
        contacts = g_EditColumn.m_Contacts;
        return;
    }
    const CColumnContacts& previous = m_ZSegments[zseg - 1].GetColumn(column).m_Contacts;
    std::vector<CBottomContact> bottoms;
    std::vector<CTopContact> tops;
    UnlinkWhenCountsDiffer(g_EditColumn.m_Contacts.GetBottoms(), previous.GetBottomCount(), bottoms);
    UnlinkWhenCountsDiffer(g_EditColumn.m_Contacts.GetTops(), previous.GetTopCount(), tops);
    contacts.Clear();
    for (const CBottomContact& range : bottoms)
        contacts.AddBottom(range);
    for (const CTopContact& range : tops)
        contacts.AddTop(range);
}

void CTessaronDoc::TakeEditZRange(int zseg, double oldZEnd, bool singlePrecisionShift)
{
    CZSegment& segment = m_ZSegments[zseg];
    CZSegmentParams& params = segment.m_Params;
    const CZSegmentParams& edited = g_EditZSegment.m_Params;
    segment.m_nTotalXMesh = g_EditZSegment.m_nTotalXMesh;
    segment.m_nTotalYMesh = g_EditZSegment.m_nTotalYMesh;
    params.m_dZFrom = edited.m_dZFrom;
    params.m_dZTo = edited.m_dZTo;
    params.m_nZPlanes = edited.m_nZPlanes;

    if (params.m_dZTo < params.m_dZFrom)
        params.m_dZTo = params.m_dZFrom;
    if (zseg > 0) {
        const CZSegmentParams& previous = m_ZSegments[zseg - 1].m_Params;
        if (params.m_dZFrom < previous.m_dZTo)
            params.m_dZFrom = previous.m_dZTo;
        if (params.m_dZTo < previous.m_dZFrom)
            params.m_dZTo = previous.m_dZFrom;
    }
    // The z-segments after this one move along with its end.
    double shift = params.m_dZTo - oldZEnd;
    if (singlePrecisionShift)
        shift = static_cast<float>(shift);
    for (int z = zseg + 1; z < GetZSegmentsInUse(); ++z) {
        m_ZSegments[z].m_Params.m_dZFrom += shift;
        m_ZSegments[z].m_Params.m_dZTo += shift;
    }
    if (params.m_dZFrom == params.m_dZTo)
        params.m_nZPlanes = 1;
}

void CTessaronDoc::WriteBackEditLayer(CZSegment& segment, int column, int row)
{
    segment.Column(column).Layer(row) = g_EditLayer;
    if (segment.GetColumn(0).HasRow(row))
        segment.Column(0).Layer(row).m_Doping.m_fGaussianTail = g_EditLayer.m_Doping.m_fGaussianTail;
    // A row has one height and one vertical mesh across the columns.
    const float height = segment.GetColumn(column).GetLayer(row).m_fHeight;
    segment.Column(column).m_Mesh = g_EditColumn.m_Mesh;
    for (int k = 0; k < segment.GetColumnCount(); ++k) {
        if (!segment.GetColumn(k).HasRow(row))
            continue;
        CLayerRec& layer = segment.Column(k).Layer(row);
        layer.m_fHeight = height;
        layer.m_Mesh.m_nMeshNum = g_EditLayer.m_Mesh.m_nMeshNum;
        layer.m_Mesh.m_fRatio = g_EditLayer.m_Mesh.m_fRatio;
        layer.m_Mesh.m_nExtraLow = g_EditLayer.m_Mesh.m_nExtraLow;
        layer.m_Mesh.m_nExtraHigh = g_EditLayer.m_Mesh.m_nExtraHigh;
    }
}

void CTessaronDoc::OnLayerModify()
{
    CZSegment* current = GetCurrentZSegment();
    if (!current || !current->HasLayer(current->m_nSelectedColumn, current->m_nSelectedRow))
        return;
    CZSegment& segment = *current;
    const int zseg = g_nCurZSeg - 1;
    const int c = segment.m_nSelectedColumn;
    const int r = segment.m_nSelectedRow;
    CheckPoint();
    segment.Column(c).m_nSelectedLayer = r;
    FillEditImages(segment, c, r);
    LoadZsegmentImage(segment);
    g_EditColumn.m_Labels = segment.GetColumn(c).m_Labels;
    g_nLayerEditMode = 3;

    LayerSheetRequest request;
    request.caption = "Modify Layer";
    request.allPages = true;
    request.contactUpdateMode = &m_nContactUpdateMode;
    // The Contact page hands back its groups only when it was shown; until then they stay.
    std::vector<CContactList> sideContacts = segment.m_SideContacts;
    request.contactGroups = &sideContacts;
    const double oldZEnd = segment.m_Params.m_dZTo;
    if (!SheetRunner().RunLayerSheet(request)) {
        DiscardLastCheckPoint();
        return;
    }

    segment.m_SideContacts = sideContacts;
    const bool firstExtent = ApplyIsolatedLayerRule(static_cast<float>(g_EditZSegment.m_Params.m_dZFrom),
                                                    static_cast<float>(g_EditZSegment.m_Params.m_dZTo));
    CColumnRec& column = segment.Column(c);
    column.m_nTaperLine = g_EditColumn.m_nTaperLine;
    ApplyRegularColumnRule(column);
    TakeEditColumnContacts(zseg, c);

    const CLayerRec& before = column.GetLayer(r);
    if (g_EditLayer.m_Material != before.m_Material || g_EditLayer.m_Doping != before.m_Doping) {
        CountLayerColour(before, -1);
        PickLayerColour(g_EditLayer.m_Material, g_EditLayer.m_Doping, g_EditLayer.m_nColour, g_EditLayer.m_nPattern, c,
                        r, zseg);
    }
    ShiftNeighbourWidths(segment, c, r);

    segment.m_Params.m_strTaperLink = g_EditZSegment.m_Params.m_strTaperLink;
    column.m_fTaperPoint[0] = g_EditColumn.m_fTaperPoint[0];
    column.m_fTaperPoint[1] = g_EditColumn.m_fTaperPoint[1];
    TakeEditZRange(zseg, oldZEnd, true);
    WriteBackEditLayer(segment, c, r);
    ApplyEdgeWidthMarks(column.Layer(r));

    TidyCurrentZsegment();
    if (segment.m_nSelectedColumn >= 0 && segment.m_nSelectedRow >= 0)
        SetSelection(zseg, segment.m_nSelectedColumn, segment.m_nSelectedRow);
    else
        SetSelection(-1, -1, -1);
    SetModifiedFlag(true);
    if (firstExtent)
        UpdateAllViews(1);
    UpdateContacts();
    UpdateAllViews(0);
}

void CTessaronDoc::ShiftNeighbourWidths(CZSegment& segment, int c, int r)
{
    // A shared edge has one width and a row keeps its total width: what the edited layer's edge
    // gains, the neighbour across the edge loses, and the layer on the other side of the edge
    // follows.
    const CLayerRec& before = segment.GetColumn(c).GetLayer(r);
    const bool lastColumn = c == segment.GetColumnCount() - 1;
    const bool topRow = r == segment.GetColumn(c).GetLayersInUse() - 1;
    const auto adjust = [&segment](int column, int row, float CLayerRec::*edge, float delta) {
        if (segment.HasLayer(column, row))
            segment.Column(column).Layer(row).*edge += delta;
    };
    const float du = g_EditLayer.m_fUpperWidth - before.m_fUpperWidth;
    const float dl = g_EditLayer.m_fLowerWidth - before.m_fLowerWidth;
    if (!lastColumn)
        adjust(c + 1, r, &CLayerRec::m_fUpperWidth, -du);
    if (!topRow) {
        adjust(c, r + 1, &CLayerRec::m_fLowerWidth, du);
        if (!lastColumn)
            adjust(c + 1, r + 1, &CLayerRec::m_fLowerWidth, -du);
    }
    if (!lastColumn)
        adjust(c + 1, r, &CLayerRec::m_fLowerWidth, -dl);
    if (r > 0) {
        adjust(c, r - 1, &CLayerRec::m_fUpperWidth, dl);
        if (!lastColumn)
            adjust(c + 1, r - 1, &CLayerRec::m_fUpperWidth, -dl);
    }
}
