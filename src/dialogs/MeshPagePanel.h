#pragma once
// The "Column_Mesh" and "Layer_Mesh" pages of the layer property sheet (dialogs 233 and 227):
// mesh number, mesh ratio and shift of the mesh centre, the hidden extra-mesh choices, and on the
// column page the z-segment's Total_X_Mesh and Total_Y_Mesh. The values live in CCMesh and CMesh;
// a box the focus leaves hands its value to the page at once.

#include "dialogs/SheetPagePanel.h"

class CCMesh;
class CMesh;

class CMeshPagePanel : public CSheetPagePanel {
public:
    CMeshPagePanel(wxWindow* book, CCMesh& page);
    CMeshPagePanel(wxWindow* book, CMesh& page);

private:
    struct Ids;
    void CreateControls(const Ids& ids);
    void OnKillFocus(wxFocusEvent& event);
    void OnCloseUp(wxCommandEvent& event);

    CCMesh* m_pColumn = nullptr;
    CMesh* m_pLayer = nullptr;
    bool m_bInKillFocus = false;
};
