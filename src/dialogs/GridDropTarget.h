#pragma once
// The grid window as a drop target for text: while a drag hovers, the cell under it is
// highlighted and the drop copies with Ctrl held and moves without; the text dropped is pasted at
// that cell.

#include <wx/dnd.h>

class CGridCtrlWnd;

class CGridDropTarget : public wxDropTarget {
public:
    explicit CGridDropTarget(CGridCtrlWnd* grid);

    wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult def) override;
    wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult def) override;
    void OnLeave() override;
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult def) override;

private:
    CGridCtrlWnd* m_pGrid;
};
