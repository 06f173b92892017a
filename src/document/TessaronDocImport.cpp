// The spreadsheet import command: the save-changes prompt, the file dialog, the reset document the
// importer fills, and the deck the 3-D editor's import is saved as.

#include "document/TessaronDoc.h"

#include "document/WorkbookImporter.h"
#include "platform/AppServices.h"
#include "platform/Path.h"
#include "platform/UserPrompts.h"
#include "platform/ViewsHub.h"

namespace {

const char kWorkbookFilter[] = "Excel Files(*.xlsx)|*.xlsx||";
const char kWorkbookExtension[] = "xlsx";

}  // namespace

void CTessaronDoc::ResetForImport()
{
    OnNewDocument();
    UpdateAllViews();
    m_ZSegments.assign(static_cast<std::size_t>(kZSegmentRecords), CZSegment());
    m_ZSegClipboard.Clear();
}

void CTessaronDoc::OnFileImportExcel()
{
    if (!m_pWorkbookImporter)
        return;
    // Cancel keeps the present document as it is.
    if (!SaveModified())
        return;
    FileDialogRequest request;
    request.open = true;
    request.filter = kWorkbookFilter;
    request.defaultExt = kWorkbookExtension;
    if (!UserPrompts().FileDialog(request) || request.chosenPaths.size() != 1)
        return;
    const std::string path = request.chosenPaths.front();
    ResetForImport();
    std::string result;
    int status = 0;
    {
        CWaitCursor wait;
        result = m_pWorkbookImporter->ImportWorkbook(*this, path, status);
    }
    if (status == 0) {
        ResetForImport();
        result.clear();
    }
    if (AppServices().Is3dMode())
        UpdateAllViews(1);
    else if (m_pViews)
        m_pViews->InitialUpdate2d();
    SetPathName(result.size() > 2 ? result : std::string(" "), true);
}

bool CTessaronDoc::SaveImportedDeck(const std::string& solPath, const std::vector<std::string>& layerPaths)
{
    if (static_cast<int>(layerPaths.size()) != g_nZSegCount)
        return false;
    // The z-segments keep the files the import wrote: each is named after its file.
    BuildSegInfoList();
    m_SegInfoList.m_nNaming = 1;
    m_SegInfoList.SetNameFromPath(solPath);
    for (int i = 0; i < m_SegInfoList.GetCount(); ++i) {
        m_ZSegments[static_cast<std::size_t>(i)].m_strLayerFile = layerPaths[static_cast<std::size_t>(i)];
        m_SegInfoList.GetAt(i)->m_strName = GetPathTitle(layerPaths[static_cast<std::size_t>(i)]);
        m_SegInfoList.GetAt(i)->m_nNamed = 1;
    }
    return SaveSolDocument(solPath);
}
