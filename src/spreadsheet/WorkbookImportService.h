#pragma once
// The spreadsheet exchange's side of the document's import command: an importer for the running
// mode reads the workbook into the document.

#include "document/WorkbookImporter.h"

class CWorkbookImportService : public IWorkbookImporter {
public:
    std::string ImportWorkbook(CTessaronDoc& doc, const std::string& path, int& status) override;
};
