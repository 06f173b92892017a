#pragma once
// What the document's export commands need of the spreadsheet exchange, which sits above the
// document: the exchange implements it and the application hands it to the document.

#include <string>

class CTessaronDoc;

class IWorkbookExporter {
public:
    virtual ~IWorkbookExporter() = default;
    // Writes the document's device into a workbook at path and, with open, opens it with the
    // default program; false when nothing was written (the exporter has said why).
    virtual bool ExportWorkbook(CTessaronDoc& doc, const std::string& path, bool open) = 0;
};
