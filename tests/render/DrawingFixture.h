#pragma once
// A small z-segment for the drawing tests, built in memory, and the preparation the document does
// before every frame (indices, edge flags, layout with the thin-layer clamp).

#include "model/ZSegment.h"

#include <string>

struct CFixtureLayer {
    float height;
    int colour;
    const char* macro;
};

inline void AddColumn(CZSegment& seg, float width, std::initializer_list<CFixtureLayer> layers)
{
    const int c = seg.GetColumnCount();
    seg.SetColumnCount(c + 1);
    CColumnRec& column = seg.Column(c);
    column.m_nColumnIndex = c;
    column.SetLayerCount(CColumnRec::kMaxLayers);
    column.SetLayersInUse(int(layers.size()));
    int row = 0;
    for (const CFixtureLayer& f : layers) {
        CLayerRec& l = column.Layer(row++);
        l.m_fHeight = f.height;
        l.m_fWidth = l.m_fUpperWidth = l.m_fLowerWidth = width;
        l.m_nColour = f.colour;
        l.m_Material.m_Bulk.m_strName = f.macro;
    }
}

inline void AddTopContact(CZSegment& seg, int column, float from, float to)
{
    CTopContact r;
    r.m_fFrom = from;
    r.m_fTo = to;
    r.m_strType = "ohmic";
    seg.Column(column).m_Contacts.AddTop(r);
}

inline void AddBottomContact(CZSegment& seg, int column, float from, float to)
{
    CBottomContact r;
    r.m_fFrom = from;
    r.m_fTo = to;
    r.m_strType = "ohmic";
    seg.Column(column).m_Contacts.AddBottom(r);
}

// What the document's drawing preparation does for the only z-segment of a device: indices and
// edge flags of every layer in use, then the layout with the thin-layer clamp.
inline void PrepareSegment(CZSegment& seg, float leastThickness)
{
    const int columns = seg.GetColumnCount();
    for (int c = 0; c < columns; ++c) {
        CColumnRec& column = seg.Column(c);
        const int rows = column.GetLayersInUse();
        for (int r = 0; r < rows; ++r) {
            CLayerRec& l = column.Layer(r);
            l.m_nZSeg = 0;
            l.m_nColumn = c;
            l.m_nRow = r;
            l.m_wEdgeFlags |= EDGE_LAST_ZSEG | EDGE_FIRST_ZSEG;
            if (r == rows - 1) l.m_wEdgeFlags |= EDGE_TOP_LAYER;
            if (r == 0) l.m_wEdgeFlags |= EDGE_BOTTOM_LAYER;
            if (c == 0 || seg.GetColumn(c - 1).GetLayersInUse() <= r) l.m_wEdgeFlags |= EDGE_LEFT_FACE;
            if (c == columns - 1 || seg.GetColumn(c + 1).GetLayersInUse() <= r) l.m_wEdgeFlags |= EDGE_RIGHT_FACE;
        }
    }
    seg.LayoutColumns(true, leastThickness, 0.0, 0.01);
}

// Three columns (widths 4, 3 and 2, so 9 wide) over a z range 0 to 10:
//   column 0: GaAs (green, 1 thick), a thin AlAs layer (0.01, colour 6), an empty "void macro"
//             layer (1.5), a top layer of colour 12 (1); a top contact 1..3 and a bottom one 0.5..3.5
//   column 1: colour 5 (1), colour 9 beside the thin layer, an exactly "void" layer; a top contact
//             0.5..2 that sits on the colour-9 layer, the highest non-empty one
//   column 2: two empty layers; a top contact that has no layer to sit on
inline CZSegment MakeFixtureSegment()
{
    CZSegment seg;
    seg.m_Params.m_dZFrom = 0.0;
    seg.m_Params.m_dZTo = 10.0;
    AddColumn(seg, 4, {{1, 3, "GaAs"}, {0.01f, 6, "AlAs"}, {1.5f, 0, "void macro"}, {1, 12, "InP"}});
    AddColumn(seg, 3, {{1, 5, "GaAs"}, {0.01f, 9, "AlAs"}, {1.5f, 0, "void"}});
    AddColumn(seg, 2, {{1, 0, "void macro"}, {0.01f, 0, "void macro"}});
    AddTopContact(seg, 0, 1, 3);
    AddBottomContact(seg, 0, 0.5f, 3.5f);
    AddTopContact(seg, 1, 0.5f, 2);
    AddTopContact(seg, 2, 0, 2);
    return seg;
}
