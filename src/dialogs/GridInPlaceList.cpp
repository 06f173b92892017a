#include "dialogs/GridInPlaceList.h"

#include "dialogs/GridCtrlWnd.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

namespace {

// The cell rectangle widened for the widest choice (never narrowed).
wxRect ListRect(wxWindow* grid, const CGridEditorRequest& request)
{
    wxClientDC dc(grid);
    dc.SetFont(grid->GetFont());
    int widest = 0;
    for (const std::string& choice : request.choices)
        widest = std::max(widest, dc.GetTextExtent(wxString::FromUTF8(choice)).x);
    const int cellWidth = request.rect.right - request.rect.left + 1;
    const int width = CGridEditorState::ListWidth(cellWidth, widest, dc.GetTextExtent(" ").x,
                                                  wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, grid));
    return wxRect(request.rect.left, request.rect.top, width, request.rect.bottom - request.rect.top + 1);
}

wxArrayString Choices(const CGridEditorRequest& request)
{
    wxArrayString choices;
    for (const std::string& choice : request.choices)
        choices.Add(wxString::FromUTF8(choice));
    return choices;
}

}  // namespace

CGridInPlaceList::CGridInPlaceList(CGridCtrlWnd* grid, const CGridEditorRequest& request)
    : wxComboBox(grid, 8, wxEmptyString, ListRect(grid, request).GetPosition(), wxDefaultSize, Choices(request),
                 wxCB_DROPDOWN | wxTE_PROCESS_ENTER | wxWANTS_CHARS),
      CGridInPlaceEditor(grid, request)
{
    // The native list keeps its own height; the width follows the choices.
    SetSize(ListRect(grid, request).width, -1);
    SetFont(grid->GetFont());
    const CGridEditorState::COpening opening = m_state.Opening();
    if (opening.listSelection >= 0 && opening.text == request.choices[size_t(opening.listSelection)])
        SetSelection(opening.listSelection);
    else
        SetValue(wxString::FromUTF8(opening.text));
    SetFocus();
    if (opening.selectAll)
        SelectAll();
    else
        SetInsertionPointEnd();
    Bind(wxEVT_CHAR_HOOK, &CGridInPlaceList::OnCharHook, this);
    Bind(wxEVT_KILL_FOCUS, &CGridInPlaceList::OnFocusLost, this);
}

void CGridInPlaceList::OnCharHook(wxKeyEvent& event)
{
    if (!HandleKey(event))
        event.Skip();
}

// The list's own drop-down takes the focus for a moment: only a loss to another window ends it.
void CGridInPlaceList::OnFocusLost(wxFocusEvent& event)
{
    wxWindow* to = event.GetWindow();
    if (to && (to == this || IsDescendant(to))) {
        event.Skip();
        return;
    }
    OnKillFocus(event);
}
