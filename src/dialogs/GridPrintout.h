#pragma once
// A grid printed page by page: a header band (the application's title on the right, the grid's
// window title in the middle, a line under them), the heading rows, as many normal rows as fit,
// and a footer band ("Page n of m" and the date and time), every page in the same layout
// (sheets/GridPrintLayout.h), in a 9-unit serif font. The printing framework, or a test with a
// PostScript file, drives it.

#include "sheets/GridPrintLayout.h"

#include <wx/font.h>
#include <wx/print.h>

#include <memory>

class CGridCtrl;

class CGridPrintout : public wxPrintout {
public:
    // `titleWindow`: the grid's window; the header shows its parent's title (or the nearest
    // ancestor's that has one).
    CGridPrintout(const CGridCtrl& grid, wxWindow* titleWindow);

    void OnBeginPrinting() override;
    void OnEndPrinting() override;
    bool OnPrintPage(int page) override;
    bool HasPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;

private:
    void PrintHeader(wxDC& dc, const wxRect& rect) const;
    void PrintColumnHeadings(wxDC& dc) const;
    void PrintRows(wxDC& dc, int page) const;
    void PrintFooter(wxDC& dc, const wxRect& rect, int page) const;
    void DrawRowLines(wxDC& dc, int row, int top, int bottom, bool firstOnPage, bool heading) const;
    wxString WindowTitle() const;

    const CGridCtrl& m_grid;
    wxWindow* m_pTitleWindow;
    wxFont m_printerFont;
    CGridPrintMetrics m_metrics;
    std::unique_ptr<CGridPrintLayout> m_layout;
};
