#pragma once
// How a grid is laid out on printed pages: the page, in logical units, is as wide as all columns
// plus a margin of four character widths each side, and as high as the printer's page aspect
// gives; every page shows a header band of three character heights, the heading rows and, at the
// bottom, a footer band of three character heights; the normal rows fill the rest, each page
// starting with the row that did not fit on the one before.

#include <vector>

class CGridCtrl;

struct CGridPrintMetrics {
    int charWidth = 0;   // the average width of the letters a-z and A-Z in the printer font
    int charHeight = 0;  // the printer font's height
    int horzRes = 0;     // the printable page in device pixels
    int vertRes = 0;
};

class CGridPrintLayout {
public:
    CGridPrintLayout(const CGridCtrl& grid, const CGridPrintMetrics& metrics);

    int PageWidth() const { return m_nPageWidth; }
    int PageHeight() const { return m_nPageHeight; }
    int UsableHeight() const { return m_nUsableHeight; }
    int PageCount() const { return int(m_firstRows.size()); }
    // The normal rows printed on a page (from 1): first, and one past the last.
    int FirstRow(int page) const;
    int EndRow(int page) const;

private:
    int m_nPageWidth = 0;
    int m_nPageHeight = 0;
    int m_nUsableHeight = 0;
    int m_nRows = 0;
    std::vector<int> m_firstRows;
};
