#pragma once
// One cell of the grid control and the small records the grid speaks in: a cell's address, a
// rectangle of cells, client points and rectangles, the font a cell is drawn with and the item
// record that reads and writes several fields of a cell at once.

#include "model/SeriesTarget.h"

#include <cstdint>
#include <ostream>
#include <string>

// Colours are 0x00BBGGRR; this value means "the grid's default colour".
constexpr unsigned GRID_DEFAULT_COLOUR = 0xFF000000u;
constexpr unsigned GridRgb(int r, int g, int b) { return unsigned(r) | unsigned(g) << 8 | unsigned(b) << 16; }

// State bits of a cell.
enum : unsigned {
    GVIS_FOCUSED = 0x01,
    GVIS_SELECTED = 0x02,
    GVIS_DROPHILITED = 0x04,
    GVIS_READONLY = 0x08,
    GVIS_MODIFIED = 0x20,
};

// Text format bits of a cell, as the text drawing routine takes them.
enum : unsigned {
    DT_LEFT = 0x00,
    DT_CENTER = 0x01,
    DT_RIGHT = 0x02,
    DT_VCENTER = 0x04,
    DT_BOTTOM = 0x08,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOPREFIX = 0x800,
};

// Which fields of a GRID_ITEM are read or written.
enum : unsigned {
    GVIF_TEXT = 0x01,
    GVIF_IMAGE = 0x02,
    GVIF_PARAM = 0x04,
    GVIF_STATE = 0x08,
    GVIF_BKCLR = 0x10,
    GVIF_FGCLR = 0x20,
    GVIF_FORMAT = 0x40,
    GVIF_FONT = 0x80,
};

// A cell by row and column, from 0; (-1, -1) no cell.
struct CCellId {
    int row = -1;
    int col = -1;
    bool operator==(const CCellId& o) const { return row == o.row && col == o.col; }
    bool operator!=(const CCellId& o) const { return !(*this == o); }
    bool operator<(const CCellId& o) const { return row != o.row ? row < o.row : col < o.col; }
};

// A rectangle of cells, both corners included; invalid when a bound is below 0 or first > last.
struct CCellRange {
    int minRow = -1, minCol = -1, maxRow = -1, maxCol = -1;
    bool Contains(int row, int col) const { return row >= minRow && row <= maxRow && col >= minCol && col <= maxCol; }
    bool operator==(const CCellRange& o) const
    {
        return minRow == o.minRow && minCol == o.minCol && maxRow == o.maxRow && maxCol == o.maxCol;
    }
};

struct CGridPoint {
    int x = 0, y = 0;
    bool operator==(const CGridPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CGridPoint& o) const { return !(*this == o); }
};

struct CGridSize {
    int cx = 0, cy = 0;
};

// Client pixels. A cell's rectangle includes its right and bottom pixel (right = left + width - 1).
struct CGridRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const CGridRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// The font of a cell or of the grid: the face, the size in points and the weight (400 normal, 600
// semibold, 700 bold).
struct CGridFont {
    std::string faceName;
    int pointSize = 9;
    int weight = 400;
    bool italic = false;
    bool operator==(const CGridFont& o) const
    {
        return faceName == o.faceName && pointSize == o.pointSize && weight == o.weight && italic == o.italic;
    }
};

class CGridCell {
public:
    virtual ~CGridCell() = default;

    CSeriesTarget m_target;   // what a right click offers to sweep; the grid does not read it otherwise
    unsigned m_nState = 0;
    unsigned m_nFormat = 0;
    std::string m_strText;
    int m_nImage = -1;
    unsigned m_crBkClr = GRID_DEFAULT_COLOUR;
    unsigned m_crFgClr = GRID_DEFAULT_COLOUR;
    CGridFont m_font;
    std::uint32_t m_lParam = 0;   // free for the caller
};

// Several fields of a cell at once; `mask` says which.
struct GRID_ITEM {
    int row = 0;
    int col = 0;
    unsigned mask = 0;
    unsigned state = 0;
    unsigned nFormat = 0;
    std::string szText;
    int iImage = -1;
    unsigned crBkClr = GRID_DEFAULT_COLOUR;
    unsigned crFgClr = GRID_DEFAULT_COLOUR;
    std::uint32_t lParam = 0;
    CGridFont lfFont;
};

inline void PrintTo(const CCellId& c, std::ostream* os) { *os << "(" << c.row << ", " << c.col << ")"; }
inline void PrintTo(const CCellRange& r, std::ostream* os)
{
    *os << "(" << r.minRow << ", " << r.minCol << ")-(" << r.maxRow << ", " << r.maxCol << ")";
}
inline void PrintTo(const CGridRect& r, std::ostream* os)
{
    *os << "[" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "]";
}
