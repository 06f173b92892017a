#pragma once
// The open document, set aside while File Open reads another file into the document in its place.
// Setting it aside moves the device out (the z-segments, their statements and material sets, the
// seg-info list, the clipboards and the undo history) and copies what the read may change besides
// (the edit block and the other process-wide state, the name, the modified flag, the settings), so
// the read starts from a fresh document. When the read fails, PutBack restores all of it: a file
// that cannot be opened never costs the user the device on screen.
//
// While it is set aside the document has no views, so they never show a half-read file; they are
// given back by Keep (the read succeeded) or PutBack, and at the latest on destruction.

#include "document/UndoHistory.h"
#include "model/CurLayerParams.h"
#include "model/MaterialSet.h"
#include "model/SegInfoList.h"
#include "model/ZSegment.h"
#include "statements/LoadContext.h"
#include "statements/SharedKeywordLines.h"

#include <string>
#include <vector>

class CTessaronDoc;
class IViewsHub;

class CSetAsideDocument {
public:
    explicit CSetAsideDocument(CTessaronDoc& doc);
    ~CSetAsideDocument();
    CSetAsideDocument(const CSetAsideDocument&) = delete;
    CSetAsideDocument& operator=(const CSetAsideDocument&) = delete;

    // The read succeeded: what was set aside is dropped and the views come back.
    void Keep();
    // The read failed: the document is again what it was before, its macros derived again from its
    // files, and its views come back.
    void PutBack();

private:
    void SetAside();
    void GiveViewsBack();
    void ReloadMacros() const;

    CTessaronDoc& m_doc;
    IViewsHub* m_pViews = nullptr;
    bool m_bViewsGiven = false;

    // Moved out of the document.
    std::vector<CZSegment> m_ZSegments;
    std::vector<CMaterialSet> m_MaterialSets;
    std::vector<CVcselSection> m_VcselSections;
    CSegInfoList m_SegInfoList;
    CZSegment m_ZSegClipboard;
    CSharedKeywordLines m_LayerLines;
    CSharedKeywordLines m_LoadedLines;
    CUndoHistory m_UndoHistory;
    std::vector<std::vector<int>> m_AutoMeshTags;

    // Copied from the document.
    CLoadContext m_LoadContext;
    std::string m_strPathName;
    std::string m_strTitle;
    bool m_bModified = false;
    unsigned char m_bHasSelection = 0;
    int m_nForcedSelection = 0;
    int m_nLastSheetAccepted = 0;
    int m_nRefColumn = 0;
    int m_nRefLayer = 0;
    int m_nProductCode = 0;
    int m_nTargetSimulator = 0;
    int m_nContactUpdateMode = -1;
    int m_nCylinder = 0;
    double m_dScale[2] = {0.0, 0.0};

    // Copied from the process-wide state.
    CCurLayerParams m_EditBlock;
    int m_nLayerEditMode = 0;
    int m_nCurZSeg = 0;
    int m_nZSegCount = 0;
    int m_nClipboardZSeg = 0;
    int m_ColourUsage[23][23] = {};
    std::string m_strIsolatedMethod;
    int m_nZStructureLengthForm = 1;
};
