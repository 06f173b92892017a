#include "spreadsheet/WorkbookExportService.h"

#include "platform/AppServices.h"
#include "spreadsheet/ExcelExporter.h"

bool CWorkbookExportService::ExportWorkbook(CTessaronDoc& doc, const std::string& path, bool open)
{
    CExcelExporter exporter(AppServices().Is3dMode(), &doc);
    return exporter.Export(path, open);
}
