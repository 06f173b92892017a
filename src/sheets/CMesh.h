#pragma once
// The "Column_Mesh" page (dialog 233) without its window, as far as the sheet's OK processing
// reads it: the horizontal mesh of the edited column and the z-segment's Total_X_Mesh and
// Total_Y_Mesh.
//
// The totals start from the z-segment's own (g_EditZSegment) in every edit mode, so a sheet whose
// user never touched them hands them back unchanged.

#include "sheets/SheetPage.h"

class CColumnRec;
class CZSegment;

class CCMesh : public CSheetPage {
public:
    enum : int {
        IDC_MESH_NUMBER = 1163,
        IDC_MESH_RATIO = 1164,
        IDC_TOTAL_X_MESH = 1168,
        IDC_TOTAL_Y_MESH = 1169,
        IDC_SHIFT_CENTER = 1170,
    };

    CCMesh();

    int m_nExtraLeft = 0;
    int m_nExtraRight = 0;
    float m_fRatio = 0.0f;
    int m_nMeshNum = 0;
    int m_nTotalXMesh = 0;
    int m_nTotalYMesh = 0;
    double m_dShiftCenter = 0.0;

    // The sheet's collection on OK: the column's mesh number and ratio, the z-segment's totals.
    void CollectInto(CColumnRec& column, CZSegment& zsegment) const;
};
