#include "dialogs/GridInPlaceEditor.h"

#include "dialogs/GridCtrlWnd.h"

#include <wx/utils.h>

bool CGridInPlaceEditor::TakeFinalText(std::string& text)
{
    if (m_bFinished)
        return false;
    m_bFinished = true;
    if (m_state.Restored())
        SetEditorText(m_state.InitialText());
    text = EditorText();
    return true;
}

void CGridInPlaceEditor::FinishEdit()
{
    std::string text;
    if (!TakeFinalText(text))
        return;
    const int row = m_state.Row(), col = m_state.Col(), lastKey = m_state.LastKey();
    const bool shift = wxGetKeyState(WXK_SHIFT);
    wxWindow* window = Window();
    window->Hide();
    // The grid takes the text after the event in hand, when no handler of this editor runs.
    CGridCtrlWnd* grid = m_pGrid;
    grid->CallAfter([grid, row, col, text, lastKey, shift] { grid->EndEdit(row, col, text, lastKey, shift); });
    window->CallAfter([window] { window->Destroy(); });
}

void CGridInPlaceEditor::CommitNow()
{
    std::string text;
    if (!TakeFinalText(text))
        return;
    wxWindow* window = Window();
    window->Hide();
    m_pGrid->EndEdit(m_state.Row(), m_state.Col(), text, 0, false);
    window->CallAfter([window] { window->Destroy(); });
}

bool CGridInPlaceEditor::HandleKey(const wxKeyEvent& event)
{
    const int key = CGridCtrlWnd::VirtualKey(event.GetKeyCode());
    bool ends = false;
    if (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE)
        ends = m_state.OnChar(key);
    else if (key != 0)
        ends = m_state.OnKeyDown(key, event.ControlDown());
    if (!ends)
        return false;
    FinishEdit();
    m_pGrid->SetFocus();
    return true;
}

void CGridInPlaceEditor::OnKillFocus(wxFocusEvent& event)
{
    event.Skip();
    FinishEdit();
}
