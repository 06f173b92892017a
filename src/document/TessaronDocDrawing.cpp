// The drawing update: the data the views draw from (layer indices, exposed-edge flags, the layout
// of every column, side contacts within their rows), brought up to date by the document after loads
// and edits rather than by the views while they paint.

#include "document/TessaronDoc.h"

#include <algorithm>

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
    for (int z = 0; z < inUse; ++z)
        StampZsegment(z, g_nZSegCount - 1, exact);
}

void CTessaronDoc::StampZsegment(int z, int last, bool exact)
{
    CZSegment& segment = m_ZSegments[static_cast<std::size_t>(z)];
    for (int c = 0; c < segment.GetColumnCount(); ++c) {
        // Read first and written only where a stamp changes: a column an undo snapshot shares is
        // copied only when it must be.
        const int rows = segment.GetColumn(c).GetLayersInUse();
        for (int r = 0; r < rows; ++r) {
            const CLayerRec& stamped = segment.GetColumn(c).GetLayer(r);
            const std::uint16_t flags = ExposedEdgeFlags(segment, z, c, r, last);
            const std::uint16_t edges = exact ? flags : std::uint16_t(stamped.m_wEdgeFlags | flags);
            if (stamped.m_nZSeg == z && stamped.m_nColumn == c && stamped.m_nRow == r && stamped.m_wEdgeFlags == edges)
                continue;
            CLayerRec& layer = segment.Column(c).Layer(r);
            layer.m_nZSeg = z;
            layer.m_nColumn = c;
            layer.m_nRow = r;
            layer.m_wEdgeFlags = edges;
        }
    }
}

void CTessaronDoc::RefreshLayerEdges() { StampLayers(true); }

void CTessaronDoc::UpdateDrawing()
{
    RefreshLayerEdges();
    // The layout is drawing support: until a view draws the device, the records stay as they were
    // read or edited.
    if (!m_ThinLayerSettings.empty()) {
        bool clamp = false;
        float height = 0.0f;
        for (const auto& setting : m_ThinLayerSettings) {
            if (!setting.second.first)
                continue;
            height = clamp ? std::max(height, setting.second.second) : setting.second.second;
            clamp = true;
        }
        PrepareDrawing(clamp, height);
        ClampSideContactExtents();
    }
    ++m_nDrawingRevision;
}

void CTessaronDoc::UpdateAllViews(int hint)
{
    UpdateDrawing();
    CDocumentBase::UpdateAllViews(hint);
}

void CTessaronDoc::SetThinLayerHeight(int view, bool clamp, float minHeight)
{
    const auto known = m_ThinLayerSettings.find(view);
    if (known != m_ThinLayerSettings.end() && known->second == std::make_pair(clamp, minHeight))
        return;
    m_ThinLayerSettings[view] = {clamp, minHeight};
    UpdateDrawing();
}
