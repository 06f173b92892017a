#include "dialogs/DialogUnits.h"

#include <wx/window.h>

wxPoint CDialogUnits::Point(int x, int y) const { return m_pWindow->ConvertDialogToPixels(wxPoint(x, y)); }

wxSize CDialogUnits::Size(int width, int height) const
{
    return m_pWindow->ConvertDialogToPixels(wxSize(width, height));
}
