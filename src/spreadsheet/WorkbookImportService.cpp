#include "spreadsheet/WorkbookImportService.h"

#include "platform/AppServices.h"
#include "spreadsheet/ExcelImporter.h"

std::string CWorkbookImportService::ImportWorkbook(CTessaronDoc& doc, const std::string& path, int& status)
{
    CExcelImporter importer(AppServices().Is3dMode());
    importer.SetDocument(&doc);
    const std::string result = importer.Import(path);
    status = importer.GetStatus();
    return result;
}
