#pragma once
// What the two in-place editors of the grid share: the editor's state (sheets/GridEditorState.h)
// and its end. An editor ends once, when a key ends it, when it loses the keyboard focus or when
// the grid takes the focus back: it hides, hands its text and last key to the grid window and
// destroys itself after the event in hand.

#include "sheets/GridEditorState.h"

#include <wx/window.h>

class CGridCtrlWnd;

class CGridInPlaceEditor {
public:
    CGridInPlaceEditor(CGridCtrlWnd* grid, const CGridEditorRequest& request) : m_pGrid(grid), m_state(request) {}
    virtual ~CGridInPlaceEditor() = default;

    // Ends the edit; later calls do nothing.
    void FinishEdit();
    // Ends the edit and hands the text to the grid before returning, with no key carrying the edit
    // on: for an owner that reads the grid at once (a page being left while a cell is edited).
    void CommitNow();
    bool IsFinished() const { return m_bFinished; }
    const CGridEditorState& State() const { return m_state; }

protected:
    // The editor's window and its text.
    virtual wxWindow* Window() = 0;
    virtual std::string EditorText() const = 0;
    virtual void SetEditorText(const std::string& text) = 0;
    // The keys that end an edit, as the editor's window sees them first; true when handled.
    bool HandleKey(const wxKeyEvent& event);
    void OnKillFocus(wxFocusEvent& event);

    CGridCtrlWnd* m_pGrid;
    CGridEditorState m_state;

private:
    // Marks the edit ended and gives its final text (the initial one after Escape); false when it
    // had already ended.
    bool TakeFinalText(std::string& text);

    bool m_bFinished = false;
};
