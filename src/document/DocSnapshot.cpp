#include "document/DocSnapshot.h"

#include "model/ProcessState.h"
#include "document/TessaronDoc.h"

#include <cstring>

void CDocSnapshot::Capture(const CTessaronDoc& doc)
{
    std::memcpy(m_ColourUsage, g_ColourUsage, sizeof m_ColourUsage);
    m_nZSegCount = g_nZSegCount;
    m_nCurZSeg = g_nCurZSeg;
    m_PageFlags[0] = g_CurLayerParams.m_bLowerWidthChanged;
    m_PageFlags[1] = g_CurLayerParams.m_bUpperWidthChanged;
    m_PageFlags[2] = g_CurLayerParams.m_bSpareChanged;
    m_PageFlags[3] = g_CurLayerParams.m_bHeightChanged;
    m_PageFlags[4] = g_CurLayerParams.m_bWidthChanged;
    m_EditLayer = g_EditLayer;
    m_EditColumn = g_EditColumn;
    m_EditZSegment = g_EditZSegment;
    m_nLayerEditMode = g_nLayerEditMode;

    m_nRefColumn = doc.m_nRefColumn;
    m_nRefLayer = doc.m_nRefLayer;
    m_nForcedSelection = doc.m_nForcedSelection;
    m_nLastSheetAccepted = doc.m_nLastSheetAccepted;
    m_ZSegClipboard = doc.m_ZSegClipboard;
    m_LayerLines = doc.m_LayerLines;
    m_ZSegments = doc.m_ZSegments;
    m_SegInfoList = doc.m_SegInfoList;
    m_MaterialSets = doc.m_MaterialSets;
    m_VcselSections = doc.m_VcselSections;
}

void CDocSnapshot::Restore(CTessaronDoc& doc) const
{
    std::memcpy(g_ColourUsage, m_ColourUsage, sizeof m_ColourUsage);
    g_nZSegCount = m_nZSegCount;
    g_nCurZSeg = m_nCurZSeg;
    g_CurLayerParams.m_bLowerWidthChanged = m_PageFlags[0];
    g_CurLayerParams.m_bUpperWidthChanged = m_PageFlags[1];
    g_CurLayerParams.m_bSpareChanged = m_PageFlags[2];
    g_CurLayerParams.m_bHeightChanged = m_PageFlags[3];
    g_CurLayerParams.m_bWidthChanged = m_PageFlags[4];
    g_EditLayer = m_EditLayer;
    g_EditColumn = m_EditColumn;
    g_EditZSegment = m_EditZSegment;
    g_nLayerEditMode = m_nLayerEditMode;

    doc.m_nRefColumn = m_nRefColumn;
    doc.m_nRefLayer = m_nRefLayer;
    doc.m_nForcedSelection = m_nForcedSelection;
    doc.m_nLastSheetAccepted = m_nLastSheetAccepted;
    doc.m_ZSegClipboard = m_ZSegClipboard;
    doc.m_LayerLines = m_LayerLines;
    doc.m_ZSegments = m_ZSegments;
    doc.m_SegInfoList = m_SegInfoList;
    doc.m_MaterialSets = m_MaterialSets;
    doc.m_VcselSections = m_VcselSections;
}
