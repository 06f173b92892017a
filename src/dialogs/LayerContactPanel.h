#pragma once
// The "Contact" page of the layer property sheet (dialog 221): the contact grid, the buttons
// "Remove" and "Remove all" and the note on the drop-down lists. The rows and their conversion
// live in CLayerContact; this window shows its grid and, before the page is left or a button acts
// on the rows, stores a cell still being edited, so that nothing typed is lost.

#include "dialogs/SheetPagePanel.h"

class CGridCtrlWnd;
class CLayerContact;

class CLayerContactPanel : public CSheetPagePanel {
public:
    CLayerContactPanel(wxWindow* book, CLayerContact& page);

    // The page is being left: the rows are converted; false keeps the user on the page.
    bool ReadValues() override;
    CGridCtrlWnd* GetGridWindow() const { return m_pGrid; }

protected:
    void OnInitPage() override;

private:
    void CreateControls();
    void OnRemove(wxCommandEvent& event);
    void OnRemoveAll(wxCommandEvent& event);

    CLayerContact& m_contact;
    CGridCtrlWnd* m_pGrid = nullptr;
};
