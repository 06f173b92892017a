#pragma once
// A small z-segment for the drawing tests, built in memory, and a document holding it as its only
// (and current) z-segment, so the tests lay it out exactly as the document's update does.

#include "model/ProcessState.h"
#include "document/TessaronDoc.h"
#include "model/ZSegment.h"
#include "render/LayerDrawing.h"

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

// The colour table's entry for a colour index: how an unmarked, non-empty layer is filled.
inline CRgb TableColour(int index)
{
    CRgb c;
    MaterialIndexColour(index, c.r, c.g, c.b);
    return c;
}

// A side contact on the left (side 0) or right (side 1) face of a row, in the row's group.
inline CContactRec& AddSideContact(CZSegment& seg, int row, int side, float from, float to, int link = 0)
{
    CContactList* group = nullptr;
    for (CContactList& g : seg.m_SideContacts)
        if (g.m_nRow == row) group = &g;
    if (!group) {
        seg.m_SideContacts.emplace_back();
        group = &seg.m_SideContacts.back();
        group->m_nRow = row;
    }
    CContactRec contact;
    contact.m_nSide = side;
    contact.m_fFrom = from;
    contact.m_fTo = to;
    contact.m_nLink = link;
    group->m_Contacts.push_back(contact);
    return group->m_Contacts.back();
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

// Makes the fixture the document's only z-segment, current; returns it.
inline CZSegment& UseFixtureSegment(CTessaronDoc& doc)
{
    doc.m_ZSegments.assign(1, MakeFixtureSegment());
    g_nZSegCount = 1;
    g_nCurZSeg = 1;
    return doc.m_ZSegments[0];
}
