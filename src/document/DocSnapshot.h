#pragma once
// One undo state: a copy of the process-wide edit block and of the document's model. It also
// serves the parameter series, which save the model before a sweep and put it back afterwards.
//
// Besides what the editor always restored, a snapshot keeps the material sets and the VCSEL
// section list: they follow the z-segments (one material set per z-segment, one section per name
// in use), and restoring the z-segments without them would let a later save merge a z-segment
// into another z-segment's file text or drop "vcsel_section" statements.

#include "model/ColumnRec.h"
#include "model/LayerRec.h"
#include "model/MaterialSet.h"
#include "model/SegInfoList.h"
#include "model/ZSegment.h"
#include "statements/KeywordLineList.h"
#include "statements/SharedKeywordLines.h"

#include <vector>

class CTessaronDoc;

class CDocSnapshot {
public:
    CDocSnapshot() = default;
    CDocSnapshot(const CDocSnapshot&) = default;
    CDocSnapshot& operator=(const CDocSnapshot&) = default;
    CDocSnapshot(CDocSnapshot&&) = default;
    CDocSnapshot& operator=(CDocSnapshot&&) = default;
    virtual ~CDocSnapshot() = default;

    // Copies the edit block and the document's model.
    void Capture(const CTessaronDoc& doc);
    // Copies everything back, in the same order; nothing is recomputed, no view is updated.
    void Restore(CTessaronDoc& doc) const;

    // Edit block.
    int m_ColourUsage[23][23] = {};
    int m_nZSegCount = 0;
    int m_nCurZSeg = 0;
    unsigned char m_PageFlags[5] = {0, 0, 0, 0, 0};
    CLayerRec m_EditLayer;
    CColumnRec m_EditColumn;
    CZSegment m_EditZSegment;
    int m_nLayerEditMode = 0;

    // Document.
    int m_nRefColumn = 0;
    int m_nRefLayer = 0;
    int m_nForcedSelection = 0;
    int m_nLastSheetAccepted = 0;
    CZSegment m_ZSegClipboard;
    CSharedKeywordLines m_LayerLines;
    std::vector<CZSegment> m_ZSegments;
    CSegInfoList m_SegInfoList;
    std::vector<CMaterialSet> m_MaterialSets;
    std::vector<CVcselSection> m_VcselSections;
};
