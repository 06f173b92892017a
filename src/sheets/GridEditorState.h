#pragma once
// What an in-place editor of the grid does, without its window: how it opens for the key or click
// that started it, which keys end it and with what, and how far the edit box and the drop-down list
// grow. The window (dialogs/GridInPlaceEdit) holds one and reports the end to the grid with the
// text and the last key.
//
//   first character     edit box                           drop-down list
//   click or Enter      caret after the text               the same
//   Backspace           caret after the text, last deleted the same
//   Tab                 whole text selected                whole text selected
//   space               whole text selected                text replaced by the space
//   Page Up .. Down     whole text selected                whole text selected
//   any other           text replaced by the character     the same
//
// Enter and Tab end the edit keeping the text, Escape ends it with the text the cell had. The
// arrows and Page Up/Down end it (moving on to the neighbour) in an edit started by typing, or with
// Ctrl held; otherwise they move the caret (box) or the choice (list).

#include "sheets/GridWindow.h"

#include <string>
#include <vector>

class CGridEditorState {
public:
    explicit CGridEditorState(const CGridEditorRequest& request);

    struct COpening {
        std::string text;      // the editor's text once the first character is handled
        bool selectAll = false;  // the whole text selected, else the caret after it
        int listSelection = -1;  // the choice selected in a list; -1 none
    };
    COpening Opening() const;

    // A key pressed in the editor; true when it ends the edit (the focus goes back to the grid).
    bool OnKeyDown(int key, bool ctrl);
    // A character typed; true when it ends the edit. Escape puts the cell's text back: Text() then
    // is what the editor must show.
    bool OnChar(int ch);
    int LastKey() const { return m_nLastKey; }
    bool Restored() const { return m_bRestored; }

    int Row() const { return m_request.row; }
    int Col() const { return m_request.col; }
    bool IsList() const { return m_request.isList; }
    const std::string& InitialText() const { return m_request.text; }
    const CGridEditorRequest& Request() const { return m_request; }

    // The index of the first choice that begins with the text, ignoring case; -1 none.
    static int FindChoice(const std::vector<std::string>& choices, const std::string& text);
    // The edit box's right edge for a text of `textWidth` (measured with two spaces after it):
    // wider when the text does not fit, never past the grid's client right edge, never narrower.
    static int GrownRight(int left, int right, int textWidth, int gridRight);
    // The drop-down list's width: scroll bar, the widest choice and a space each side; never
    // narrower than the cell.
    static int ListWidth(int cellWidth, int widestChoice, int spaceWidth, int scrollBarWidth);

private:
    CGridEditorRequest m_request;
    bool m_bExitOnArrows;
    int m_nLastKey = 0;
    bool m_bRestored = false;
};
