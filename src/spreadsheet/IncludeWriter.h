#pragma once
// Checks an include reference of a layer row ('3;["sub.layer"]') and finds the heading row of the
// included-structure block it names ('["sub.layer"]' in the same column, further down).

#include "spreadsheet/ImportSheet.h"
#include "spreadsheet/SheetIOBase.h"

#include <string>

class CIncludeWriter : public CSheetIOBase {
public:
    // The heading row of the referenced block, or -1; when the reference has the form of one,
    // reference becomes the bare file name (every '[', ']' and '"' taken out).
    int ResolveReference(const CImportSheet& sheet, int row, int block, std::string& reference);
    // The row below `row` whose cell at offset 0 equals tag exactly, searched through the sheet's
    // used range; -1 when there is none.
    int FindBlockRow(const CImportSheet& sheet, int row, int block, const std::string& tag);
    // A name that may become a file beside the workbook: relative, without "..", one token.
    static bool IsPlainRelativeName(const std::string& name);
};
