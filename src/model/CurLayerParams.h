#pragma once
// The edit block shared by the document, the property pages and the undo snapshots: the images of
// one z-segment, column and layer that the pages edit, and the size page's flags. The program has
// one, g_CurLayerParams (model/ProcessState.h), with the edit mode and the z-segment counters.

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

    // A file read gave a layer an upper edge width of its own: both edge widths count as edited,
    // the plain width as not.
    void MarkEdgeWidthsRead()
    {
        m_bLowerWidthChanged = 1;
        m_bUpperWidthChanged = 1;
        m_bWidthChanged = 0;
    }
};
