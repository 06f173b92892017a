#include "FrameCommands.h"

#include "app/MainFrame.h"

#include <wx/menu.h>

void UpdateMenus(CMainFrame* frame)
{
    wxMenuBar* bar = frame->GetMenuBar();
    for (size_t m = 0; m < bar->GetMenuCount(); ++m)
        bar->GetMenu(m)->UpdateUI(frame);
}
