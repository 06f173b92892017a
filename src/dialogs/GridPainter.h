#pragma once
// Draws a grid control's cells on a device context, for its window and for printing: heading
// cells raised (sunken and semibold in the focus cell's row and column), normal cells in their
// own or the grid's colours, the focus cell framed in black, selected cells in the highlight
// colour, a drop target framed; each text inside the margin in the cell's font and format.

#include "sheets/GridCell.h"

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/gdicmn.h>

class CGridCtrl;
class wxDC;

class CGridPainter {
public:
    explicit CGridPainter(const CGridCtrl& grid) : m_grid(grid) {}

    // The rectangle includes its right and bottom pixel, as the grid's cell rectangles do.
    bool DrawFixedCell(wxDC& dc, int row, int col, const CGridRect& rect, bool printing) const;
    bool DrawCell(wxDC& dc, int row, int col, const CGridRect& rect, bool printing) const;
    // Everything the window shows: backgrounds, cells that meet the clip box, grid lines.
    void DrawGrid(wxDC& dc, const wxRect& clip) const;

    static wxColour Colour(unsigned colorref);
    static wxFont Font(const CGridFont& font);
    static CGridFont GridFont(const wxFont& font);
    // The text in the rectangle as the format word says: left, centred or right; word-wrapped or
    // one line; from the top, or centred or at the bottom for a single line.
    static void DrawText(wxDC& dc, const std::string& text, const wxRect& rect, unsigned format);

private:
    void FillBackground(wxDC& dc, const wxRect& clip) const;
    void DrawGridLines(wxDC& dc) const;

    const CGridCtrl& m_grid;
};
