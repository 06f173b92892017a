#pragma once
// The process-wide edit block shared by the document, the property pages and the undo snapshots:
// the images of one z-segment, column and layer that the pages edit, the size page's flags, the
// edit mode, the z-segment counters, the colour usage table and the parameter id of the numeric box
// right-clicked last.

#include "model/ColumnRec.h"
#include "model/LayerRec.h"
#include "model/ZSegment.h"

class CCurLayerParams {
public:
    CZSegment m_EditZSegment;
    CColumnRec m_EditColumn;
    CLayerRec m_EditLayer;
    // The size page's flags, in order: lower width, upper width, (unused), height, width edited.
    unsigned char m_bLowerWidthChanged = 0;
    unsigned char m_bUpperWidthChanged = 0;
    unsigned char m_bSpareChanged = 0;
    unsigned char m_bHeightChanged = 0;
    unsigned char m_bWidthChanged = 0;
};

extern CCurLayerParams g_CurLayerParams;
// The three images, as the pages and the document name them.
extern CZSegment& g_EditZSegment;
extern CColumnRec& g_EditColumn;
extern CLayerRec& g_EditLayer;

// What the property sheet edits: 1 a new column or z-segment, 2 a new layer, 3 a modification.
extern int g_nLayerEditMode;
// The current z-segment, counted from 1; 0 none.
extern int g_nCurZSeg;
// Number of z-segments in use.
extern int g_nZSegCount;
// The z-segment (from 1) the last copy command was made in; 0 none.
extern int g_nClipboardZSeg;
// How many layers use each (colour, pattern) pair.
extern int g_ColourUsage[23][23];
// The parameter id of the numeric box right-clicked last (200 for a value of the contact grid);
// the edit-box series command reads it. -1 before any right click.
extern int g_nSeriesParamId;
