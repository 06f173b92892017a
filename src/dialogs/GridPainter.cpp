#include "dialogs/GridPainter.h"

#include "sheets/GridCtrl.h"

#include <wx/dc.h>
#include <wx/settings.h>

#include <vector>

namespace {

wxRect ToWx(const CGridRect& r) { return wxRect(wxPoint(r.left, r.top), wxPoint(r.right, r.bottom)); }

// The words of a text broken into the lines that fit the width; explicit line ends kept.
std::vector<wxString> WrappedLines(wxDC& dc, const wxString& text, int width)
{
    std::vector<wxString> lines;
    for (const wxString& paragraph : wxSplit(text, '\n', '\0')) {
        wxString line;
        for (const wxString& word : wxSplit(paragraph, ' ', '\0')) {
            const wxString candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && dc.GetTextExtent(candidate).x > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

wxColour CGridPainter::Colour(unsigned c) { return wxColour(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

wxFont CGridPainter::Font(const CGridFont& font)
{
    wxFontInfo info(font.pointSize);
    if (!font.faceName.empty())
        info.FaceName(wxString::FromUTF8(font.faceName));
    info.Weight(font.weight).Italic(font.italic);
    return wxFont(info);
}

CGridFont CGridPainter::GridFont(const wxFont& font)
{
    CGridFont f;
    f.faceName = font.GetFaceName().ToStdString();
    f.pointSize = font.GetPointSize();
    f.weight = font.GetNumericWeight();
    f.italic = font.GetStyle() == wxFONTSTYLE_ITALIC;
    return f;
}

void CGridPainter::DrawText(wxDC& dc, const std::string& text, const wxRect& rect, unsigned format)
{
    if (text.empty() || rect.width <= 0)
        return;
    const wxString wide = wxString::FromUTF8(text);
    const std::vector<wxString> lines =
        (format & DT_WORDBREAK) && !(format & DT_SINGLELINE) ? WrappedLines(dc, wide, rect.width) : std::vector<wxString>{wide};
    const int lineHeight = dc.GetCharHeight();
    int y = rect.y;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        y = rect.y + (rect.height - lineHeight) / 2;
    else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM))
        y = rect.GetBottom() - lineHeight + 1;
    dc.SetClippingRegion(rect);
    for (const wxString& line : lines) {
        const int width = dc.GetTextExtent(line).x;
        int x = rect.x;
        if (format & DT_RIGHT)
            x = rect.GetRight() + 1 - width;
        else if (format & DT_CENTER)
            x = rect.x + (rect.width - width) / 2;
        dc.DrawText(line, x, y);
        y += lineHeight;
    }
    dc.DestroyClippingRegion();
}

bool CGridPainter::DrawFixedCell(wxDC& dc, int row, int col, const CGridRect& cellRect, bool printing) const
{
    const CGridCell* cell = m_grid.GetCell(row, col);
    if (!m_grid.m_bDrawEnabled || !cell)
        return false;
    wxRect rect = ToWx(cellRect);
    const wxColour back = Colour(cell->m_crBkClr == GRID_DEFAULT_COLOUR ? m_grid.m_crFixedBack : cell->m_crBkClr);
    if (!printing) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(back));
        dc.DrawRectangle(rect);
    }
    dc.SetTextForeground(Colour(cell->m_crFgClr == GRID_DEFAULT_COLOUR ? m_grid.m_crFixedText : cell->m_crFgClr));

    // The headings of the focus cell stand out: sunken and semibold.
    const CCellId focus = m_grid.GetFocusCell();
    const bool focusLine = m_grid.IsValid(focus) && (focus.row == row || focus.col == col);
    CGridFont font = cell->m_font;
    if (focusLine)
        font.weight = 600;
    const wxColour light = wxSystemSettings::GetColour(wxSYS_COLOUR_3DHIGHLIGHT);
    const wxColour dark = wxSystemSettings::GetColour(wxSYS_COLOUR_3DDKSHADOW);
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_3DSHADOW);
    const int l = rect.x, t = rect.y, r = rect.GetRight(), b = rect.GetBottom();
    if (focusLine) {
        // A sunken inner edge over the rectangle grown by one pixel right and down.
        dc.SetPen(wxPen(shadow));
        dc.DrawLine(r + 1, t, l, t);
        dc.DrawLine(l, t, l, b + 2);
        dc.SetPen(wxPen(light));
        dc.DrawLine(l, b + 1, r + 1, b + 1);
        dc.DrawLine(r + 1, t, r + 1, b + 2);
    } else {
        dc.SetPen(wxPen(light));
        dc.DrawLine(r, t, l, t);
        dc.DrawLine(l, t, l, b + 1);
        dc.SetPen(wxPen(dark));
        dc.DrawLine(r, t, r, b);
        dc.DrawLine(r, b, l - 1, b);
    }
    rect.Deflate(1);
    rect.x += m_grid.GetMargin();
    rect.width -= 2 * m_grid.GetMargin();
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    if (!printing)
        dc.SetFont(Font(font));
    DrawText(dc, cell->m_strText, rect, cell->m_nFormat);
    return true;
}

bool CGridPainter::DrawCell(wxDC& dc, int row, int col, const CGridRect& cellRect, bool printing) const
{
    const CGridCell* cell = m_grid.GetCell(row, col);
    if (!m_grid.m_bDrawEnabled || !cell)
        return false;
    wxRect rect = ToWx(cellRect);
    const wxRect grown(rect.x, rect.y, rect.width + 1, rect.height + 1);
    const wxColour back = Colour(cell->m_crBkClr == GRID_DEFAULT_COLOUR ? m_grid.m_crCellBack : cell->m_crBkClr);
    wxColour text = Colour(cell->m_crFgClr == GRID_DEFAULT_COLOUR ? m_grid.m_crCellText : cell->m_crFgClr);
    dc.SetPen(*wxTRANSPARENT_PEN);
    if ((cell->m_nState & GVIS_FOCUSED) && !printing) {
        dc.SetBrush(wxBrush(back));
        dc.DrawRectangle(grown);
        dc.SetPen(*wxBLACK_PEN);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(rect);
        rect.Deflate(1);
    } else if ((cell->m_nState & GVIS_SELECTED) && !printing) {
        dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT)));
        dc.DrawRectangle(grown);
        text = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT);
    } else {
        dc.SetBrush(wxBrush(back));
        dc.DrawRectangle(grown);
    }
    if ((cell->m_nState & GVIS_DROPHILITED) && !printing) {
        dc.SetPen(*wxBLACK_PEN);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(rect);
    }
    dc.SetTextForeground(text);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    if (!printing)
        dc.SetFont(Font(cell->m_font));
    rect.x += m_grid.GetMargin();
    rect.width -= 2 * m_grid.GetMargin();
    DrawText(dc, cell->m_strText, rect, cell->m_nFormat);
    return true;
}

void CGridPainter::FillBackground(wxDC& dc, const wxRect& clip) const
{
    CGridRect visibleRect;
    m_grid.GetVisibleRange(&visibleRect);
    const wxRect v(0, 0, visibleRect.right, visibleRect.bottom);
    const int fixedWidth = m_grid.GetFixedColumnWidth(), fixedHeight = m_grid.GetFixedRowHeight();
    const int cl = clip.x, ct = clip.y, cr = clip.GetRight() + 1, cb = clip.GetBottom() + 1;
    const int vr = visibleRect.right, vb = visibleRect.bottom;
    dc.SetPen(*wxTRANSPARENT_PEN);
    const auto fill = [&](unsigned colour, int l, int t, int r, int b) {
        if (r <= l || b <= t)
            return;
        dc.SetBrush(wxBrush(Colour(colour)));
        dc.DrawRectangle(l, t, r - l, b - t);
    };
    if (cl < fixedWidth && ct < vb)
        fill(m_grid.m_crFixedBack, cl, ct, fixedWidth, vb);
    if (ct < fixedHeight && cr > fixedWidth && cl < vr)
        fill(m_grid.m_crFixedBack, fixedWidth - 1, ct, vr, fixedHeight);
    const wxRect body = v.Intersect(clip);
    if (!body.IsEmpty())
        fill(m_grid.m_crCellBack, std::max(body.x, fixedWidth), std::max(body.y, fixedHeight), body.GetRight() + 1,
             body.GetBottom() + 1);
    if (vr < cr)
        fill(m_grid.m_crGridBack, vr, ct, cr, cb);
    if (vb < cb && cl < vr)
        fill(m_grid.m_crGridBack, cl, vb, vr, cb);
}

void CGridPainter::DrawGrid(wxDC& dc, const wxRect& clip) const
{
    if (clip.IsEmpty())
        return;
    FillBackground(dc, clip);
    const CCellRange visible = m_grid.GetVisibleRange();
    const int fixedRows = m_grid.GetFixedRowCount(), fixedCols = m_grid.GetFixedColumnCount();
    const int fixedWidth = m_grid.GetFixedColumnWidth(), fixedHeight = m_grid.GetFixedRowHeight();
    const int clipRight = clip.GetRight(), clipBottom = clip.GetBottom();
    const auto rowHeight = [&](int r) { return m_grid.GetRowHeight(r); };
    const auto colWidth = [&](int c) { return m_grid.GetColumnWidth(c); };

    // The fixed corner.
    int top = 0;
    for (int r = 0; r < fixedRows; ++r) {
        int left = 0;
        for (int c = 0; c < fixedCols; ++c) {
            DrawFixedCell(dc, r, c, {left, top, left + colWidth(c) - 1, top + rowHeight(r) - 1}, false);
            left += colWidth(c);
        }
        top += rowHeight(r);
    }
    // The fixed rows across the visible columns.
    top = 0;
    for (int r = 0; r < fixedRows && m_grid.IsValid(visible); ++r) {
        int left = fixedWidth;
        for (int c = visible.minCol; c <= visible.maxCol && left <= clipRight; ++c) {
            if (left + colWidth(c) - 1 >= clip.x)
                DrawFixedCell(dc, r, c, {left, top, left + colWidth(c) - 1, top + rowHeight(r) - 1}, false);
            left += colWidth(c);
        }
        top += rowHeight(r);
    }
    // The fixed columns down the visible rows.
    top = fixedHeight;
    for (int r = visible.minRow; m_grid.IsValid(visible) && r <= visible.maxRow && top <= clipBottom; ++r) {
        int left = 0;
        if (top + rowHeight(r) - 1 >= clip.y)
            for (int c = 0; c < fixedCols; ++c) {
                DrawFixedCell(dc, r, c, {left, top, left + colWidth(c) - 1, top + rowHeight(r) - 1}, false);
                left += colWidth(c);
            }
        top += rowHeight(r);
    }
    // The visible normal cells.
    top = fixedHeight;
    for (int r = visible.minRow; m_grid.IsValid(visible) && r <= visible.maxRow && top <= clipBottom; ++r) {
        if (top + rowHeight(r) - 1 >= clip.y) {
            int left = fixedWidth;
            for (int c = visible.minCol; c <= visible.maxCol && left <= clipRight; ++c) {
                if (left + colWidth(c) - 1 >= clip.x)
                    DrawCell(dc, r, c, {left, top, left + colWidth(c) - 1, top + rowHeight(r) - 1}, false);
                left += colWidth(c);
            }
        }
        top += rowHeight(r);
    }
    if (m_grid.IsValid(visible))
        DrawGridLines(dc);
}

void CGridPainter::DrawGridLines(wxDC& dc) const
{
    CGridRect visibleRect;
    const CCellRange visible = m_grid.GetVisibleRange(&visibleRect);
    const int fixedWidth = m_grid.GetFixedColumnWidth(), fixedHeight = m_grid.GetFixedRowHeight();
    dc.SetPen(wxPen(Colour(m_grid.m_crLineColour)));
    const int mode = m_grid.m_nGridLineMode;
    if (mode == 3 || mode == 2) {
        int x = fixedWidth;
        for (int c = visible.minCol; c <= visible.maxCol; ++c) {
            x += m_grid.GetColumnWidth(c);
            dc.DrawLine(x - 1, fixedHeight, x - 1, visibleRect.bottom);
        }
    }
    if (mode == 3 || mode == 1) {
        int y = fixedHeight;
        for (int r = visible.minRow; r <= visible.maxRow; ++r) {
            y += m_grid.GetRowHeight(r);
            dc.DrawLine(fixedWidth, y - 1, visibleRect.right, y - 1);
        }
    }
    dc.SetPen(wxNullPen);
}
