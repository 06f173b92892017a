// The drawing data that follows from the device's structure: layer indices and exposed-edge flags,
// brought up to date by the document after loads and edits rather than by the views while they
// paint.

#include "model/TessaronDoc.h"

#include "platform/ViewsHub.h"

std::uint16_t CTessaronDoc::ExposedEdgeFlags(const CZSegment& segment, int z, int c, int r, int last)
{
    std::uint16_t flags = 0;
    const int columns = segment.GetColumnCount();
    if (r == segment.GetColumn(c).GetLayersInUse() - 1)
        flags |= EDGE_TOP_LAYER;
    if (r == 0)
        flags |= EDGE_BOTTOM_LAYER;
    if (c == 0 || segment.GetColumn(c - 1).GetLayersInUse() <= r)
        flags |= EDGE_LEFT_FACE;
    if (c == columns - 1 || segment.GetColumn(c + 1).GetLayersInUse() <= r)
        flags |= EDGE_RIGHT_FACE;
    if (z == last)
        flags |= EDGE_LAST_ZSEG;
    if (z == 0)
        flags |= EDGE_FIRST_ZSEG;
    return flags;
}

void CTessaronDoc::StampLayers(bool exact)
{
    const int inUse = GetZSegmentsInUse();
    for (int z = 0; z < inUse; ++z) {
        CZSegment& segment = m_ZSegments[z];
        for (int c = 0; c < segment.GetColumnCount(); ++c) {
            CColumnRec& column = segment.Column(c);
            for (int r = 0; r < column.GetLayersInUse(); ++r) {
                CLayerRec& layer = column.Layer(r);
                layer.m_nZSeg = z;
                layer.m_nColumn = c;
                layer.m_nRow = r;
                const std::uint16_t flags = ExposedEdgeFlags(segment, z, c, r, g_nZSegCount - 1);
                layer.m_wEdgeFlags = exact ? flags : std::uint16_t(layer.m_wEdgeFlags | flags);
            }
        }
    }
}

void CTessaronDoc::RefreshLayerEdges() { StampLayers(true); }

void CTessaronDoc::UpdateAllViews(int hint)
{
    RefreshLayerEdges();
    CDocumentBase::UpdateAllViews(hint);
}
