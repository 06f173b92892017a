#pragma once
// A text dump of a workbook as read back from its file, for byte-exact comparison with golden
// files: every sheet with its column widths and row heights, then every cell in row order with its
// name, format (font, size, bold, wrap, fill colour, border weight) and text.

#include <string>

class CWorkbookData;

std::string DumpWorkbook(const CWorkbookData& workbook);
