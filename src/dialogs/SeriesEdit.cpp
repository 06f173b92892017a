#include "dialogs/SeriesEdit.h"

#include "MenuResources.h"
#include "model/ProcessState.h"

#include <wx/menu.h>
#include <wx/toplevel.h>

#include <memory>

CSeriesEdit::CSeriesEdit(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size)
    : wxTextCtrl(parent, id, wxEmptyString, pos, size)
{
    Bind(wxEVT_RIGHT_DOWN, &CSeriesEdit::OnRightDown, this);
    Bind(wxEVT_RIGHT_UP, &CSeriesEdit::OnRightUp, this);
}

wxMenu* CSeriesEdit::CreateSeriesMenu()
{
    auto* menu = new wxMenu;
    for (const MenuItemRes& item : SeriesPopupMenu().items)
        menu->Append(WxId(item.id), wxString::FromUTF8(item.label));
    return menu;
}

// The text box's own menu would open on the button press: the press is taken here.
void CSeriesEdit::OnRightDown(wxMouseEvent&) {}

void CSeriesEdit::OnRightUp(wxMouseEvent&)
{
    g_nSeriesParamId = m_nParamId;
    PopupSeriesMenu(this);
}

void CSeriesEdit::PopupSeriesMenu(wxWindow* source)
{
    wxWindow* owner = wxGetTopLevelParent(source);
    if (!owner)
        owner = source;
    std::unique_ptr<wxMenu> menu(CreateSeriesMenu());
    owner->PopupMenu(menu.get(), owner->ScreenToClient(wxGetMousePosition()));
}
