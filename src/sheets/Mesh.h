#pragma once
// The "Layer_Mesh" page (dialog 227) without its window, as far as the sheet's OK processing reads
// it: the vertical mesh of the edited layer (mesh number, ratio, shift centre, the two extra-mesh
// flags).

#include "sheets/SheetPage.h"

struct CMeshSettings;

class CMesh : public CSheetPage {
public:
    enum : int { IDC_MESH_NUMBER = 1131, IDC_MESH_RATIO = 1130, IDC_SHIFT_CENTER = 1170 };

    // From g_EditLayer; a new column or layer (edit modes 1 and 2) starts without extra mesh, in
    // the page and in the edit layer.
    CMesh();

    int m_nExtraLower = 0;
    int m_nExtraUpper = 0;
    float m_fRatio = 0.0f;
    int m_nMeshNum = 0;
    double m_dShiftCenter = 0.0;

    // The sheet's collection on OK: mesh number and ratio.
    void CollectInto(CMeshSettings& mesh) const;
};
