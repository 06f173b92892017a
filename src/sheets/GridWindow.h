#pragma once
// What the grid control needs of the window it is shown in: client size, text measuring, redraws,
// scroll bars, keyboard focus, mouse capture and cursor, the auto-scroll timer, the in-place editor,
// the title tip, the clipboard, drag and drop, the series menu and the notifications to its owner.
// The GUI implements it over a wx window; tests implement it with fixed text metrics and record
// what the grid asks for. A grid without a window keeps its cells and sizes and draws nothing.

#include "sheets/GridCell.h"

#include <string>
#include <vector>

// Keys as the grid handles them (the classic virtual-key numbers).
enum : int {
    VK_LBUTTON = 0x01,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_DELETE = 0x2E,
};

// Notification codes the grid sends its owner.
enum : int {
    GVN_SELCHANGING = -100,   // the focus leaves a cell
    GVN_SELCHANGED = -101,    // the focus arrives at a cell
    GVN_BEGINLABELEDIT = -105,
    GVN_ENDLABELEDIT = -106,
    GVN_BEGINDRAG = -109,
};

// Scroll requests, numbered as the scroll bars send them.
enum : int {
    SB_LINEUP = 0,
    SB_LINELEFT = 0,
    SB_LINEDOWN = 1,
    SB_LINERIGHT = 1,
    SB_PAGEUP = 2,
    SB_PAGELEFT = 2,
    SB_PAGEDOWN = 3,
    SB_PAGERIGHT = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_LEFT = 6,
    SB_BOTTOM = 7,
    SB_RIGHT = 7,
};

enum class EGridBar { Horizontal, Vertical };

enum class EGridCursor { Arrow, SizeWE, SizeNS };

// Drop effects of drag and drop.
enum : int { DROPEFFECT_NONE = 0, DROPEFFECT_COPY = 1, DROPEFFECT_MOVE = 2 };

// An in-place editor to open over a cell: a one-line box, or a drop-down list when `choices` is
// not empty.
struct CGridEditorRequest {
    CGridRect rect;       // the cell rectangle
    int row = -1, col = -1;
    std::string text;     // the cell's text
    int firstChar = 0;    // what started the edit: VK_LBUTTON, a key or a typed character
    unsigned alignment = DT_LEFT;  // DT_LEFT, DT_CENTER or DT_RIGHT
    bool isList = false;
    std::vector<std::string> choices;
};

// Measured text: width and height in pixels.
struct CGridTextExtent {
    int cx = 0, cy = 0;
};

class IGridWindow {
public:
    virtual ~IGridWindow() = default;

    virtual CGridSize GetClientSize() const = 0;
    // The extent of the text drawn in the font.
    virtual CGridTextExtent MeasureText(const std::string& text, const CGridFont& font) const = 0;

    virtual void InvalidateAll() = 0;
    virtual void InvalidateRect(const CGridRect& rect) = 0;
    // Page sizes and the upper ends of the ranges (from 0), with the positions as the grid keeps them.
    virtual void SetScrollBars(int hPage, int hMax, int hPos, int vPage, int vMax, int vPos) = 0;

    virtual bool HasKeyboardFocus() const = 0;
    // Takes the keyboard focus; an open in-place editor loses it and ends its edit.
    virtual void TakeKeyboardFocus() = 0;
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    virtual bool HasCapture() const = 0;
    virtual void SetCursor(EGridCursor cursor) = 0;
    virtual void StartAutoScroll() = 0;
    virtual void StopAutoScroll() = 0;

    virtual void OpenEditor(const CGridEditorRequest& request) = 0;
    // The title tip: the text rectangle, the text and the hover rectangle (client pixels).
    virtual void ShowTitleTip(const CGridRect& textRect, const std::string& text, const CGridRect& hover,
                              const CGridFont& font) = 0;
    virtual void HideTitleTip() = 0;

    // The clipboard as text: bytes and their length; the text need not end in NUL.
    virtual bool SetClipboardText(const std::string& text) = 0;
    virtual bool GetClipboardText(std::string& text) = 0;
    virtual bool ClipboardHasText() = 0;
    // Runs a drag of the text with copy and move allowed; the effect it ended with.
    virtual int DoDragDrop(const std::string& text) = 0;

    // A cell event for the grid's owner (GVN_*).
    virtual void NotifyOwner(int row, int col, int code) = 0;
    // A button went up over a valid cell: the owner gets the grid's command.
    virtual void PostCommandToOwner() = 0;
    // Offers the one-item "Series" menu at the mouse.
    virtual void ShowSeriesMenu() = 0;
};
