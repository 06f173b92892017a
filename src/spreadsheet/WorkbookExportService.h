#pragma once
// The spreadsheet exchange's side of the document's export commands: an exporter for the running
// mode (the 3-D editor's sheets get the 3d-Geometry block) writes the workbook.

#include "document/WorkbookExporter.h"

class CWorkbookExportService : public IWorkbookExporter {
public:
    bool ExportWorkbook(CTessaronDoc& doc, const std::string& path, bool open) override;
};
