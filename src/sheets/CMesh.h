#pragma once
// The "Column_Mesh" page (dialog 233) without its window: the horizontal mesh of the edited column
// (mesh number, ratio, shift of the mesh centre, the two hidden extra-mesh flags) and the
// z-segment's Total_X_Mesh and Total_Y_Mesh. Number, ratio and shift go into g_EditColumn as soon
// as their box loses the focus; the sheet collects number, ratio and the totals on OK.
//
// The totals start from the z-segment's own (g_EditZSegment) in every edit mode, so a sheet whose
// user never touched them hands them back unchanged.

#include "sheets/SheetPage.h"

#include <string>

class CColumnRec;
class CZSegment;
class IDialogControls;

class CCMesh : public CSheetPage {
public:
    enum : int {
        IDD = 233,
        IDC_MESH_NUMBER = 1163,
        IDC_MESH_RATIO = 1164,
        IDC_EXTRA_LEFT = 1165,   // hidden
        IDC_EXTRA_RIGHT = 1166,  // hidden
        IDC_TOTAL_X_MESH = 1168,
        IDC_TOTAL_Y_MESH = 1169,
        IDC_SHIFT_CENTER = 1170,
    };
    static constexpr int kRatioParamId = 51;
    static constexpr int kShiftCenterParamId = 52;

    CCMesh();

    int m_nExtraLeft = 0;
    int m_nExtraRight = 0;
    float m_fRatio = 0.0f;
    int m_nMeshNum = 0;
    std::string m_strExtraRight = "no";
    std::string m_strExtraLeft = "no";
    int m_nTotalXMesh = 0;
    int m_nTotalYMesh = 0;
    double m_dShiftCenter = 0.0;

    void DoDataExchange(CDataExchange& dx) override;

    // The focus left a box: the page reads its controls and, for the number, ratio and shift
    // boxes, the edit column takes that value (the totals wait for OK). A value that does not
    // read changes nothing.
    void OnKillFocus(int boxId, IDialogControls& controls);
    // An extra-mesh combo's list closed on `text`: its flag follows, in the page and the column.
    void OnCloseUp(int comboId, const std::string& text);

    // The sheet's collection on OK: the column's mesh number and ratio, the z-segment's totals.
    void CollectInto(CColumnRec& column, CZSegment& zsegment) const;
};
