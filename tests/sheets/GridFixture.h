#pragma once
// A grid in a fake window: every column 50 pixels wide and every row 20 high, one fixed row and
// one fixed column, in a client area of 400 by 300; cell texts "r<row>c<col>" on request.

#include "FakeGridWindow.h"

#include <gtest/gtest.h>

#include <string>

class GridFixture {
public:
    static constexpr int kWidth = 50, kHeight = 20;

    GridFixture(int rows, int cols, int fixedRows = 1, int fixedCols = 1) : grid(rows, cols, fixedRows, fixedCols)
    {
        window.focus = true;
        grid.AttachWindow(&window);
        grid.SetGridFont(CGridFont{"Sans", 9, 400, false}, 3, 14, 6);
        grid.OnCreate();
        for (int r = 0; r < rows; ++r)
            grid.SetRowHeight(r, kHeight);
        for (int c = 0; c < cols; ++c)
            grid.SetColumnWidth(c, kWidth);
        grid.ResetScrollBars();
    }

    void Fill()
    {
        for (int r = 0; r < grid.GetRowCount(); ++r)
            for (int c = 0; c < grid.GetColumnCount(); ++c)
                grid.SetItemText(r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
    }

    // The middle of a cell while nothing is scrolled.
    static CGridPoint Middle(int row, int col) { return {col * kWidth + kWidth / 2, row * kHeight + kHeight / 2}; }

    void Press(CCellId cell, bool shift = false, bool ctrl = false)
    {
        grid.OnLButtonDown({Middle(cell.row, cell.col), shift, ctrl, true});
    }
    void Release(CCellId cell) { grid.OnLButtonUp({Middle(cell.row, cell.col), false, false, false}); }
    void Click(CCellId cell, bool shift = false, bool ctrl = false)
    {
        Press(cell, shift, ctrl);
        Release(cell);
    }
    // A click on a cell anywhere: it is scrolled into view first.
    void ClickCell(CCellId cell)
    {
        grid.EnsureVisible(cell.row, cell.col);
        CGridRect rect;
        ASSERT_TRUE(grid.GetCellRect(cell.row, cell.col, rect));
        const CGridPoint middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        grid.OnLButtonDown({middle, false, false, true});
        grid.OnLButtonUp({middle, false, false, false});
    }
    void DragTo(CCellId cell) { grid.OnMouseMove({Middle(cell.row, cell.col), false, false, true}); }

    FakeGridWindow window;
    CGridCtrl grid;
};
