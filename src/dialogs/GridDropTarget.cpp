#include "dialogs/GridDropTarget.h"

#include "dialogs/GridCtrlWnd.h"

#include <wx/utils.h>

namespace {

wxDragResult ToWx(int effect)
{
    return effect == DROPEFFECT_COPY ? wxDragCopy : effect == DROPEFFECT_MOVE ? wxDragMove : wxDragNone;
}

}  // namespace

CGridDropTarget::CGridDropTarget(CGridCtrlWnd* grid) : wxDropTarget(new wxTextDataObject), m_pGrid(grid) {}

wxDragResult CGridDropTarget::OnEnter(wxCoord x, wxCoord y, wxDragResult)
{
    return ToWx(m_pGrid->Grid().OnDragEnter(true, wxGetKeyState(WXK_CONTROL), {x, y}));
}

wxDragResult CGridDropTarget::OnDragOver(wxCoord x, wxCoord y, wxDragResult)
{
    return ToWx(m_pGrid->Grid().OnDragOver(true, wxGetKeyState(WXK_CONTROL), {x, y}));
}

void CGridDropTarget::OnLeave() { m_pGrid->Grid().OnDragLeave(); }

wxDragResult CGridDropTarget::OnData(wxCoord, wxCoord, wxDragResult def)
{
    if (!GetData())
        return wxDragNone;
    const wxString text = static_cast<wxTextDataObject*>(GetDataObject())->GetText();
    return m_pGrid->Grid().OnDrop(text.utf8_string()) ? def : wxDragNone;
}
