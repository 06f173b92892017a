#pragma once
// What the document's import command needs of the spreadsheet exchange, which sits above the
// document: the exchange implements it and the application hands it to the document.

#include <string>

class CTessaronDoc;

class IWorkbookImporter {
public:
    virtual ~IWorkbookImporter() = default;
    // Converts the workbook at path into structure files, loads them into the document (reset by
    // the caller) and returns the name of the main file; status is 0 when the import failed (the
    // importer has said why), 1 when it went through.
    virtual std::string ImportWorkbook(CTessaronDoc& doc, const std::string& path, int& status) = 0;
};
