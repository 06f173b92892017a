#include "document/SetAsideDocument.h"

#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "platform/AppServices.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"

#include <cstring>
#include <utility>

CSetAsideDocument::CSetAsideDocument(CTessaronDoc& doc) : m_doc(doc), m_UndoHistory(doc) { SetAside(); }

CSetAsideDocument::~CSetAsideDocument() { GiveViewsBack(); }

void CSetAsideDocument::SetAside()
{
    m_pViews = m_doc.GetViews();
    m_doc.SetViews(nullptr);

    m_ZSegments.swap(m_doc.m_ZSegments);
    m_MaterialSets.swap(m_doc.m_MaterialSets);
    m_VcselSections.swap(m_doc.m_VcselSections);
    std::swap(m_SegInfoList, m_doc.m_SegInfoList);
    std::swap(m_ZSegClipboard, m_doc.m_ZSegClipboard);
    std::swap(m_LayerLines, m_doc.m_LayerLines);
    std::swap(m_LoadedLines, m_doc.m_LoadedLines);
    m_UndoHistory.SwapEntries(m_doc.m_UndoHistory);
    m_AutoMeshTags.swap(m_doc.m_AutoMeshTags);

    m_LoadContext = m_doc.m_LoadContext;
    m_strPathName = m_doc.GetPathName();
    m_strTitle = m_doc.GetTitle();
    m_bModified = m_doc.IsModified();
    m_bHasSelection = m_doc.m_bHasSelection;
    m_nForcedSelection = m_doc.m_nForcedSelection;
    m_nLastSheetAccepted = m_doc.m_nLastSheetAccepted;
    m_nRefColumn = m_doc.m_nRefColumn;
    m_nRefLayer = m_doc.m_nRefLayer;
    m_nProductCode = m_doc.m_nProductCode;
    m_nTargetSimulator = m_doc.m_nTargetSimulator;
    m_nContactUpdateMode = m_doc.m_nContactUpdateMode;
    m_nCylinder = m_doc.m_nCylinder;
    m_dScale[0] = m_doc.m_dScale[0];
    m_dScale[1] = m_doc.m_dScale[1];

    m_EditBlock = g_CurLayerParams;
    m_nLayerEditMode = g_nLayerEditMode;
    m_nCurZSeg = g_nCurZSeg;
    m_nZSegCount = g_nZSegCount;
    m_nClipboardZSeg = g_nClipboardZSeg;
    std::memcpy(m_ColourUsage, g_ColourUsage, sizeof m_ColourUsage);
    m_strIsolatedMethod = g_strIsolatedMethod;
    m_nZStructureLengthForm = g_nZStructureLengthForm;
}

void CSetAsideDocument::Keep() { GiveViewsBack(); }

void CSetAsideDocument::PutBack()
{
    m_doc.m_ZSegments.swap(m_ZSegments);
    m_doc.m_MaterialSets.swap(m_MaterialSets);
    m_doc.m_VcselSections.swap(m_VcselSections);
    std::swap(m_doc.m_SegInfoList, m_SegInfoList);
    std::swap(m_doc.m_ZSegClipboard, m_ZSegClipboard);
    std::swap(m_doc.m_LayerLines, m_LayerLines);
    std::swap(m_doc.m_LoadedLines, m_LoadedLines);
    m_doc.m_UndoHistory.SwapEntries(m_UndoHistory);
    m_doc.m_AutoMeshTags.swap(m_AutoMeshTags);

    m_doc.m_LoadContext = m_LoadContext;
    // SetPathName would put the name into the recent-file list again; the title was the
    // document's own.
    m_doc.SetPathName(m_strPathName, false);
    m_doc.SetTitle(m_strTitle);
    m_doc.SetModifiedFlag(m_bModified);
    m_doc.m_bHasSelection = m_bHasSelection;
    m_doc.m_nForcedSelection = m_nForcedSelection;
    m_doc.m_nLastSheetAccepted = m_nLastSheetAccepted;
    m_doc.m_nRefColumn = m_nRefColumn;
    m_doc.m_nRefLayer = m_nRefLayer;
    m_doc.m_nProductCode = m_nProductCode;
    m_doc.m_nTargetSimulator = m_nTargetSimulator;
    m_doc.m_nContactUpdateMode = m_nContactUpdateMode;
    m_doc.m_nCylinder = m_nCylinder;
    m_doc.m_dScale[0] = m_dScale[0];
    m_doc.m_dScale[1] = m_dScale[1];

    g_CurLayerParams = m_EditBlock;
    g_nLayerEditMode = m_nLayerEditMode;
    g_nCurZSeg = m_nCurZSeg;
    g_nZSegCount = m_nZSegCount;
    g_nClipboardZSeg = m_nClipboardZSeg;
    std::memcpy(g_ColourUsage, m_ColourUsage, sizeof g_ColourUsage);
    g_strIsolatedMethod = m_strIsolatedMethod;
    g_nZStructureLengthForm = m_nZStructureLengthForm;

    ReloadMacros();
    GiveViewsBack();
    // The views may have painted while the read showed its messages: they draw the document again.
    m_doc.UpdateAllViews(0);
}

void CSetAsideDocument::GiveViewsBack()
{
    if (m_bViewsGiven)
        return;
    m_bViewsGiven = true;
    m_doc.SetViews(m_pViews);
}

void CSetAsideDocument::ReloadMacros() const
{
    // The read dropped the macros the document's files define; they are derived again as the
    // document's own open derived them: a deck's from every z-segment's file, then from the
    // document's file.
    AppServices().ClearLayerMacros();
    const std::string path = Trim(m_strPathName);
    if (path.empty())
        return;
    if (Contains(ToLowerAscii(PathFileName(path)), ".sol"))
        for (int i = 0; i < m_nZSegCount && i < static_cast<int>(m_doc.m_ZSegments.size()); ++i) {
            const std::string& file = m_doc.m_ZSegments[static_cast<std::size_t>(i)].m_strLayerFile;
            if (!file.empty())
                AppServices().LoadLayerMacros(file);
        }
    AppServices().LoadLayerMacros(path);
}
