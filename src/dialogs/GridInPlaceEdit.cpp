#include "dialogs/GridInPlaceEdit.h"

#include "dialogs/GridCtrlWnd.h"
#include "dialogs/GridPainter.h"

#include <wx/dcclient.h>

namespace {

long AlignmentStyle(unsigned alignment)
{
    return alignment == DT_RIGHT ? wxTE_RIGHT : alignment == DT_CENTER ? wxTE_CENTRE : wxTE_LEFT;
}

wxRect ToWx(const CGridRect& r) { return wxRect(wxPoint(r.left, r.top), wxPoint(r.right, r.bottom)); }

}  // namespace

CGridInPlaceEdit::CGridInPlaceEdit(CGridCtrlWnd* grid, const CGridEditorRequest& request)
    : wxTextCtrl(grid, 8, wxEmptyString, ToWx(request.rect).GetPosition(), ToWx(request.rect).GetSize(),
                 wxBORDER_SIMPLE | wxTE_PROCESS_ENTER | wxTE_PROCESS_TAB | wxWANTS_CHARS | AlignmentStyle(request.alignment)),
      CGridInPlaceEditor(grid, request)
{
    SetFont(grid->GetFont());
    const CGridEditorState::COpening opening = m_state.Opening();
    ChangeValue(wxString::FromUTF8(opening.text));
    SetFocus();
    if (opening.selectAll)
        SelectAll();
    else
        SetInsertionPointEnd();
    Bind(wxEVT_CHAR_HOOK, &CGridInPlaceEdit::OnCharHook, this);
    Bind(wxEVT_TEXT, &CGridInPlaceEdit::OnTextChanged, this);
    Bind(wxEVT_KILL_FOCUS, &CGridInPlaceEdit::OnKillFocus, this);
}

void CGridInPlaceEdit::OnCharHook(wxKeyEvent& event)
{
    if (!HandleKey(event))
        event.Skip();
}

// A text wider than the box widens it, up to the grid's right edge.
void CGridInPlaceEdit::OnTextChanged(wxCommandEvent& event)
{
    event.Skip();
    if (IsFinished())
        return;
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    const int textWidth = dc.GetTextExtent(GetValue() + "  ").x;
    const wxRect rect = GetRect();
    const int right = CGridEditorState::GrownRight(rect.x, rect.GetRight(), textWidth, m_pGrid->GetClientSize().cx);
    if (right != rect.GetRight())
        SetSize(rect.x, rect.y, right - rect.x + 1, rect.height);
}
