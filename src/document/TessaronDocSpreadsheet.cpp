// The spreadsheet export commands: the checks and the file dialog; the workbook is written by the
// exporter the application handed over.

#include "document/TessaronDoc.h"

#include "document/WorkbookExporter.h"
#include "platform/AppServices.h"
#include "platform/UserPrompts.h"

namespace {

const char kWorkbookFilter[] = "Excel Files(*.xlsx)|*.xlsx||";
const char kWorkbookExtension[] = "xlsx";

}  // namespace

void CTessaronDoc::OnFileExportExcel(bool open)
{
    if (g_nZSegCount == 0) {
        AfxMessageBox("There has no device!", MB_OK);
        return;
    }
    if (g_nCurZSeg < 1 || g_nCurZSeg > g_nZSegCount) {
        AfxMessageBox("There has no valid face!", MB_OK);
        return;
    }
    if (!m_pWorkbookExporter)
        return;
    FileDialogRequest request;
    request.open = false;
    request.filter = kWorkbookFilter;
    request.defaultExt = kWorkbookExtension;
    if (!UserPrompts().FileDialog(request) || request.chosenPaths.empty())
        return;
    const std::string& typed = request.chosenPaths.front();
    const std::string path = WithDefaultExtension(typed, kWorkbookExtension);
    if (!ConfirmReplaceAfterExtension(typed, path, UserPrompts()))
        return;
    CWaitCursor wait;
    m_pWorkbookExporter->ExportWorkbook(*this, path, open);
}
