#pragma once
// The grid control without its window: a table of text cells with fixed heading rows at the top
// and fixed columns at the left that never scroll, and a scrolling body of normal cells that the
// user selects, edits in place, copies, pastes, drags and prints.
//
// The class keeps the cells, the row heights and column widths, the focus cell and the selection,
// the scroll positions and the mouse mode, and turns the window's input (presses, moves, keys,
// scroll requests, the end of an in-place edit, drops) into changes of them. What it needs of a
// window it asks through IGridWindow (sheets/GridWindow.h); the GUI's window (dialogs/GridCtrlWnd)
// paints from it. Without a window the grid keeps its cells and sizes, hit tests nothing and
// draws nothing.
//
// The owner tells the grid its settings through the public members below, and learns of cell
// events through the window's notifications (GVN_* codes).

#include "sheets/GridCell.h"
#include "sheets/GridWindow.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

// Mouse modes of the grid.
enum class EGridMouseMode {
    Nothing = 0,
    SelectAll = 1,
    SelectColumns = 2,
    SelectRows = 3,
    SelectCells = 4,
    OverRowDivide = 6,
    SizingRow = 7,
    OverColDivide = 8,
    SizingCol = 9,
    PrepareEdit = 10,
    PrepareDrag = 11,
    Dragging = 12,
};

// A mouse event as the grid reads it: the client point and the keys held.
struct CGridMouse {
    CGridPoint point;
    bool shift = false;
    bool ctrl = false;
    bool leftButton = false;   // held during a move
};

// What a paste or drop did: cells written, and cells that could not be placed because they fall
// outside the grid or on a read-only or fixed cell.
struct CGridPasteResult {
    bool done = false;
    int written = 0;
    int outside = 0;
    int readOnly = 0;
    int NotPlaced() const { return outside + readOnly; }
};

class CGridCtrl {
public:
    explicit CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    virtual ~CGridCtrl();
    CGridCtrl(const CGridCtrl&) = delete;
    CGridCtrl& operator=(const CGridCtrl&) = delete;

    // The window the grid is shown in (null: none). Attaching applies the window's font metrics
    // through SetFontMetrics, which the window calls; Create sizes rows and columns afresh.
    void AttachWindow(IGridWindow* window);
    IGridWindow* GetWindow() const { return m_pWindow; }
    // What creating the window does to the grid: every row and column gets the default size, and
    // the scroll bars are reset.
    void OnCreate();

    // The grid font and the measures made from it: the width of a space (the cell margin), the
    // line height (text height with external leading) and the average character width.
    void SetGridFont(const CGridFont& font, int spaceWidth, int lineHeight, int averageCharWidth);
    const CGridFont& GetGridFont() const { return m_Logfont; }
    int GetMargin() const { return m_nMargin; }
    int GetDefaultRowHeight() const { return m_nDefCellHeight; }
    int GetDefaultColumnWidth() const { return m_nDefCellWidth; }

    // The system colours the defaults come from: window text, window, 3-D face, 3-D shadow. A grid
    // colour still equal to the colour it was derived from follows the new one.
    void OnSysColorChange(unsigned windowText, unsigned window, unsigned face3d, unsigned shadow3d);

    // Counts.
    bool SetRowCount(int nRows);
    bool SetColumnCount(int nCols);
    bool SetFixedRowCount(int nFixedRows);
    bool SetFixedColumnCount(int nFixedCols);
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    int InsertRow(const std::string& heading, int nRow = -1);
    bool DeleteRow(int nRow);
    bool DeleteAllCells();

    // Cells.
    bool SetItem(const GRID_ITEM& item);
    bool GetItem(GRID_ITEM& item) const;
    bool SetItemText(int nRow, int nCol, const std::string& text);
    virtual std::string GetItemText(int nRow, int nCol) const;
    bool SetItemState(int nRow, int nCol, unsigned state);
    unsigned GetItemState(int nRow, int nCol) const;
    unsigned GetItemFormat(int nRow, int nCol) const;
    int GetItemImage(int nRow, int nCol) const;
    bool SetItemFont(int nRow, int nCol, const CGridFont& font);
    CGridFont GetItemFont(int nRow, int nCol) const;
    void SetItemAttributes(int nRow, int nCol, const CSeriesTarget& target);
    void MarkModified(bool modified, int nRow = -1, int nCol = -1);
    const CGridCell* GetCell(int nRow, int nCol) const;

    // Sizes.
    int GetRowHeight(int nRow) const;
    int GetColumnWidth(int nCol) const;
    bool SetRowHeight(int nRow, int height);
    bool SetColumnWidth(int nCol, int width);
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    int GetTotalHeight() const;
    int GetTotalWidth() const;
    void AutoSize();
    bool AutoSizeRow(int nRow);
    bool AutoSizeColumn(int nCol);
    CGridSize GetCellExtent(int nRow, int nCol) const;
    CGridSize MeasureText(const std::string& text, bool semibold) const;

    // Geometry (client pixels; false for a cell out of range or scrolled out of view).
    bool GetCellTopLeft(int nRow, int nCol, CGridPoint& p) const;
    bool GetCellRect(int nRow, int nCol, CGridRect& rect) const;
    bool GetCellTextRect(int nRow, int nCol, CGridRect& rect) const;

    // Redrawing single cells.
    bool RepaintCell(int nRow, int nCol);
    bool InvalidateCell(int nRow, int nCol);

    // Focus and selection.
    CCellId SetFocusCell(int nRow, int nCol);
    CCellId SetFocusCell(CCellId cell) { return SetFocusCell(cell.row, cell.col); }
    CCellId GetFocusCell() const { return m_idCurrentCell; }
    void SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol);
    void SetSelectedRange(const CCellRange& range)
    {
        SetSelectedRange(range.minRow, range.minCol, range.maxRow, range.maxCol);
    }
    void ClearSelection();
    CCellRange GetSelectionBounds() const;
    const std::set<CCellId>& GetSelectedCells() const { return m_SelectedCells; }
    virtual void SelectAllCells();
    void SelectTowards(CCellId cell);
    void SelectColumns(CCellId cell);
    void SelectRows(CCellId cell);
    void SelectCells(CCellId cell);

    bool IsValid(int nRow, int nCol) const;
    bool IsValid(CCellId cell) const { return IsValid(cell.row, cell.col); }
    bool IsValid(const CCellRange& range) const;
    bool IsCellVisible(int nRow, int nCol) const;
    bool IsCellEditable(int nRow, int nCol) const;
    bool IsCellFixed(int nRow, int nCol) const { return nRow < m_nFixedRows || nCol < m_nFixedCols; }
    CCellId HitTestCell(CGridPoint point, bool allowFixed = true) const;
    CCellId GetFirstScrolledCell() const;
    CCellRange GetVisibleRange(CGridRect* rect = nullptr) const;
    CCellRange GetFullyVisibleRange() const;
    bool IsOverRowDivider(CGridPoint point) const;
    bool IsOverColumnDivider(CGridPoint point) const;

    // Scrolling. Positions are pixels of the non-fixed area.
    void ResetScrollBars();
    int GetScrollPosition(EGridBar bar) const;
    int GetScrollMax(EGridBar bar) const;
    int GetScrollPage(EGridBar bar) const;
    void SetScrollPosition(EGridBar bar, int position);
    void OnHScroll(int code, int trackPosition = 0);
    void OnVScroll(int code, int trackPosition = 0);
    void EnsureVisible(int nRow, int nCol);
    void OnMouseWheel(int delta);
    void SetWheelScrollLines(unsigned lines) { m_nRowsPerWheelNotch = lines; }

    // Mouse and keys.
    void OnLButtonDown(const CGridMouse& mouse);
    void ClickAt(CGridPoint point);
    void OnMouseMove(const CGridMouse& mouse);
    void OnLButtonUp(const CGridMouse& mouse);
    void OnRButtonUp(const CGridMouse& mouse);
    void OnLButtonDblClk(const CGridMouse& mouse);
    EGridCursor CursorAt(CGridPoint point) const;
    // The auto-scroll timer with the mouse at `point` (client pixels).
    void OnTimer(CGridPoint point);
    void OnCaptureChanged(bool toGrid);
    void OnKeyDown(int key, bool shift, bool ctrl);
    void OnChar(int ch, bool ctrl);
    bool WantsTab(bool ctrl) const { return m_bTakeTab && !ctrl; }
    void OnKillFocus();
    EGridMouseMode GetMouseMode() const { return m_MouseMode; }
    CCellId GetClickDownCell() const { return m_LeftClickDownCell; }
    CGridPoint GetLastMousePoint() const { return m_LastMousePoint; }
    bool SortRowsByText(int nCol, bool ascending);
    bool SortRowsByText(int nCol, bool ascending, int low, int high);
    virtual void OnFixedRowClick(CCellId cell);
    virtual void OnFixedColumnClick(CCellId cell);

    // In-place editing.
    void SetCellOptions(int nCol, std::vector<std::string> options);
    const std::vector<std::string>* GetCellOptions(int nCol) const;
    virtual void OnEditCell(int nRow, int nCol, int firstChar);
    virtual void CreateInPlaceEditControl(const CGridRect& rect, unsigned alignment, int nRow, int nCol,
                                          const std::string& text, int firstChar);
    // An editor ended with its text and the key that ended it (0 none).
    void OnEndInPlaceEditNotify(int nRow, int nCol, const std::string& text, int lastKey, bool shift = false);
    virtual void OnEndInPlaceEdit(int nRow, int nCol, const std::string& text);

    // Clipboard, drag and drop.
    std::string CopyTextFromGrid(bool* any = nullptr) const;
    virtual void CopySelectedText();
    virtual void CutSelectedText();
    virtual void PasteText();
    virtual void ClearSelectedCells();
    // Pastes the exchange text (bytes and their length) at the cell; reports cells not placed.
    CGridPasteResult PasteFromText(CCellId cell, const std::string& data);
    bool CanCopy() const;
    bool CanCut() const;
    bool CanPaste() const;
    bool CanSelectAll() const { return m_bSelectEnabled; }
    void StartDrag();
    int OnDragEnter(bool offersText, bool ctrl, CGridPoint point);
    int OnDragOver(bool offersText, bool ctrl, CGridPoint point);
    void OnDragLeave();
    bool OnDrop(const std::string& data);
    CCellId GetLastDragOverCell() const { return m_LastDragOverCell; }

    // The title tip for the cell under a point: false when none is offered there.
    bool TitleTipAt(CGridPoint point, CGridRect& textRect, std::string& text, CGridRect& hover,
                    CGridFont& font) const;

    // Settings, set by the owner.
    bool m_bEditEnabled = true;       // cells may be edited, cleared, cut and pasted
    bool m_bDragDropEnabled = false;  // cells may be dragged out of and dropped into the grid
    bool m_bWholeRowMode = false;     // whole rows are selected; header clicks sort
    bool m_bSingleRowOnly = false;
    bool m_bDrawEnabled = true;       // drawing and scroll-bar updates are done at all
    bool m_bSelectEnabled = true;
    bool m_bHeaderSort = true;
    bool m_bTakeTab = true;           // the grid takes Tab itself
    bool m_bOffscreenPaint = true;
    bool m_bShowTitleTips = true;
    bool m_bRowResize = true;
    bool m_bColumnResize = true;
    int m_nGridLineMode = 3;          // 0 no lines, 1 horizontal, 2 vertical, 3 both
    bool m_bUserChanged = false;      // the user changed some cell

    // Colours (0x00BBGGRR); the system's until the window reads them (OnSysColorChange).
    unsigned m_crCellText;
    unsigned m_crCellBack;            // normal cells whose own background is the default
    unsigned m_crGridBack;            // the area outside all cells
    unsigned m_crFixedText;
    unsigned m_crFixedBack;
    unsigned m_crLineColour = GridRgb(192, 192, 192);

    int GetSortColumn() const { return m_nSortColumn; }
    bool IsSortAscending() const { return m_bAscending; }

protected:
    virtual std::unique_ptr<CGridCell> CreateCell(int nRow, int nCol) const;
    virtual void ClearCell(int nRow, int nCol);

private:
    CGridCell* Cell(int nRow, int nCol);
    void RedrawFixedCellsOfColumn(int nCol);
    void RedrawFixedCellsOfRow(int nRow);
    void ScrollBy(EGridBar bar, int code, int trackPosition);
    void SelectRangeFromMode(CCellId next, bool shift);
    void OfferSeries();
    void ReportPasteResult(const CGridPasteResult& result) const;
    int DropEffect(bool ctrl) const { return ctrl ? DROPEFFECT_COPY : DROPEFFECT_MOVE; }

    IGridWindow* m_pWindow = nullptr;

    // Cells by row and column; sizes per row and column.
    std::vector<std::vector<std::unique_ptr<CGridCell>>> m_RowData;
    std::vector<int> m_arRowHeights;
    std::vector<int> m_arColWidths;
    int m_nRows = 0, m_nCols = 0, m_nFixedRows = 0, m_nFixedCols = 0;

    CGridFont m_Logfont;
    int m_nMargin = 0;
    int m_nDefCellHeight = 10;
    int m_nDefCellWidth = 30;
    int m_nLineHeight = 0;

    // The system colours as they were last read.
    unsigned m_crSysWindowText, m_crSysWindow, m_crSys3dFace, m_crSys3dShadow;

    struct CChoiceList {
        int col;
        std::vector<std::string> options;
    };
    std::vector<CChoiceList> m_arColumnOptions;

    CCellId m_idCurrentCell;
    CCellId m_SelectionStartCell;
    CCellId m_LeftClickDownCell;
    CGridPoint m_LeftClickDownPoint;
    CGridPoint m_LastMousePoint;
    EGridMouseMode m_MouseMode = EGridMouseMode::Nothing;
    std::set<CCellId> m_SelectedCells;
    std::set<CCellId> m_PrevSelectedCells;
    unsigned m_nRowsPerWheelNotch = 3;
    int m_nResizeCaptureRange = 3;
    int m_nSortColumn = -1;
    bool m_bAscending = true;

    int m_nHScrollPos = 0, m_nVScrollPos = 0;
    int m_nHScrollMax = 0, m_nVScrollMax = 0;
    int m_nHScrollPage = 0, m_nVScrollPage = 0;

    CCellId m_LastDragOverCell;
    // Cells written by drops while this grid's own drag runs: a move does not clear them.
    std::set<CCellId> m_DropWrittenDuringDrag;
    bool m_bOwnDragRunning = false;
};
