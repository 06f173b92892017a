#include "dialogs/GridPrintout.h"

#include "dialogs/GridPainter.h"
#include "sheets/GridCtrl.h"

#include <wx/app.h>
#include <wx/datetime.h>
#include <wx/dc.h>

CGridPrintout::CGridPrintout(const CGridCtrl& grid, wxWindow* titleWindow)
    : wxPrintout(wxString::FromUTF8("Grid")), m_grid(grid), m_pTitleWindow(titleWindow)
{
}

void CGridPrintout::OnBeginPrinting()
{
    wxPrintout::OnBeginPrinting();
    wxDC* dc = GetDC();
    m_layout.reset();
    if (!dc || m_grid.GetFixedRowCount() >= m_grid.GetRowCount())
        return;
    m_printerFont = wxFont(wxFontInfo(9).Family(wxFONTFAMILY_ROMAN).FaceName("Times New Roman"));
    dc->SetFont(m_printerFont);
    const wxSize letters = dc->GetTextExtent("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    m_metrics.charWidth = letters.x / 52;
    m_metrics.charHeight = letters.y;
    const wxSize page = dc->GetSize();
    m_metrics.horzRes = page.x;
    m_metrics.vertRes = page.y;
    // The page count is worked out afresh each time printing begins.
    m_layout = std::make_unique<CGridPrintLayout>(m_grid, m_metrics);
}

void CGridPrintout::OnEndPrinting()
{
    m_printerFont = wxNullFont;
    wxPrintout::OnEndPrinting();
}

bool CGridPrintout::HasPage(int page) { return m_layout && page >= 1 && page <= m_layout->PageCount(); }

void CGridPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo)
{
    const int count = m_layout ? m_layout->PageCount() : 0;
    *minPage = count > 0 ? 1 : 0;
    *maxPage = count;
    *pageFrom = *minPage;
    *pageTo = count;
}

bool CGridPrintout::OnPrintPage(int page)
{
    wxDC* dc = GetDC();
    if (!dc || !HasPage(page))
        return false;
    const CGridPrintLayout& layout = *m_layout;
    const int cw = m_metrics.charWidth, ch = m_metrics.charHeight;
    dc->SetFont(m_printerFont);
    // The page's logical width and height fill the printable area; four character widths of
    // margin at the left.
    dc->SetUserScale(double(m_metrics.horzRes) / layout.PageWidth(), double(m_metrics.vertRes) / layout.PageHeight());
    dc->SetLogicalOrigin(-4 * cw, 0);
    const int width = layout.PageWidth() - 8 * cw;
    PrintHeader(*dc, wxRect(0, 0, width, 2 * ch));
    dc->SetLogicalOrigin(-4 * cw, -3 * ch);
    PrintColumnHeadings(*dc);
    dc->SetLogicalOrigin(-4 * cw, -3 * ch - m_grid.GetFixedRowHeight());
    PrintRows(*dc, page);
    // The footer band at the foot of the page.
    dc->SetLogicalOrigin(-4 * cw, 2 * ch - layout.PageHeight());
    PrintFooter(*dc, wxRect(0, 0, width, 2 * ch), page);
    dc->SetLogicalOrigin(0, 0);
    dc->SetUserScale(1, 1);
    return true;
}

wxString CGridPrintout::WindowTitle() const
{
    for (wxWindow* w = m_pTitleWindow ? m_pTitleWindow->GetParent() : nullptr; w; w = w->GetParent())
        if (!w->GetLabel().empty())
            return w->GetLabel();
    return wxString();
}

void CGridPrintout::PrintHeader(wxDC& dc, const wxRect& rect) const
{
    wxFont bold = m_printerFont;
    bold.SetWeight(wxFONTWEIGHT_BOLD);
    dc.SetFont(bold);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(*wxBLACK);
    const wxString app = wxTheApp ? wxTheApp->GetAppDisplayName() : wxString();
    dc.DrawLabel(app, rect, wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
    dc.DrawLabel(WindowTitle(), rect, wxALIGN_CENTER_HORIZONTAL | wxALIGN_CENTER_VERTICAL);
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(rect.GetLeft(), rect.GetBottom(), rect.GetRight(), rect.GetBottom());
    dc.SetFont(m_printerFont);
}

void CGridPrintout::DrawRowLines(wxDC& dc, int row, int top, int bottom, bool firstOnPage, bool heading) const
{
    const int mode = m_grid.m_nGridLineMode;
    dc.SetPen(wxPen(CGridPainter::Colour(m_grid.m_crLineColour)));
    int left = 0;
    for (int c = 0; c < m_grid.GetColumnCount(); ++c) {
        const int right = left + m_grid.GetColumnWidth(c) - 1;
        if (mode == 3 || mode == 1) {
            dc.DrawLine(c == 0 ? left : left - 1, bottom, right + 1, bottom);
            if (row == 0)
                dc.DrawLine(c == 0 ? left : left - 1, top, right + 1, top);
        }
        if (mode == 3 || mode == 2) {
            const int from = heading ? (row == 0 ? top : top - 1) : (firstOnPage ? top : top - 1);
            dc.DrawLine(right, from, right, bottom + 1);
            if (c == 0)
                dc.DrawLine(left, from, left, bottom + 1);
        }
        left = right + 1;
    }
}

void CGridPrintout::PrintColumnHeadings(wxDC& dc) const
{
    const CGridPainter painter(m_grid);
    dc.SetFont(m_printerFont);
    int top = 0;
    for (int r = 0; r < m_grid.GetFixedRowCount(); ++r) {
        const int bottom = top + m_grid.GetRowHeight(r) - 1;
        int left = 0;
        for (int c = 0; c < m_grid.GetColumnCount(); ++c) {
            const int right = left + m_grid.GetColumnWidth(c) - 1;
            painter.DrawFixedCell(dc, r, c, {left, top, right, bottom}, true);
            left = right + 1;
        }
        DrawRowLines(dc, r, top, bottom, r == 0, true);
        top = bottom + 1;
    }
}

void CGridPrintout::PrintRows(wxDC& dc, int page) const
{
    const CGridPainter painter(m_grid);
    dc.SetFont(m_printerFont);
    int top = 0;
    for (int r = m_layout->FirstRow(page); r < m_layout->EndRow(page); ++r) {
        const int bottom = top + m_grid.GetRowHeight(r) - 1;
        int left = 0;
        for (int c = 0; c < m_grid.GetColumnCount(); ++c) {
            const int right = left + m_grid.GetColumnWidth(c) - 1;
            painter.DrawCell(dc, r, c, {left, top, right, bottom}, true);
            left = right + 1;
        }
        DrawRowLines(dc, r, top, bottom, r == m_layout->FirstRow(page), false);
        top = bottom + 1;
    }
}

void CGridPrintout::PrintFooter(wxDC& dc, const wxRect& band, int page) const
{
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(band.GetLeft(), band.GetTop(), band.GetRight(), band.GetTop());
    const wxRect rect = band.Inflate(0, m_metrics.charHeight / 2);
    wxFont bold = m_printerFont;
    bold.SetWeight(wxFONTWEIGHT_BOLD);
    dc.SetFont(bold);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(*wxBLACK);
    dc.DrawLabel(wxString::Format("Page %d of %d", page, m_layout->PageCount()), rect,
                 wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    dc.DrawLabel(wxDateTime::Now().Format("%c"), rect, wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
    dc.SetFont(m_printerFont);
}
