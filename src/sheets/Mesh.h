#pragma once
// The "Layer_Mesh" page (dialog 227) without its window: the vertical mesh of the edited layer
// (mesh number, ratio, shift of the mesh centre in micron, and the two extra-mesh flags, whose
// combo boxes are hidden). A value goes into g_EditLayer's mesh block as soon as its box loses
// the focus; the sheet also collects number and ratio on OK.

#include "sheets/SheetPage.h"

#include <string>

class IDialogControls;
struct CMeshSettings;

class CMesh : public CSheetPage {
public:
    enum : int {
        IDD = 227,
        IDC_MESH_RATIO = 1130,
        IDC_MESH_NUMBER = 1131,
        IDC_EXTRA_LOWER = 1135,  // hidden
        IDC_EXTRA_UPPER = 1136,  // hidden
        IDC_SHIFT_CENTER = 1170,
    };
    static constexpr int kRatioParamId = 61;
    static constexpr int kShiftCenterParamId = 62;

    // From g_EditLayer; a new column or layer (edit modes 1 and 2) starts without extra mesh, in
    // the page and in the edit layer.
    CMesh();

    int m_nExtraLower = 0;
    int m_nExtraUpper = 0;
    float m_fRatio = 0.0f;
    int m_nMeshNum = 0;
    std::string m_strExtraUpper = "no";
    std::string m_strExtraLower = "no";
    double m_dShiftCenter = 0.0;

    void DoDataExchange(CDataExchange& dx) override;

    // The focus left a box: the page reads its controls and, for the number, ratio and shift
    // boxes, the edit layer takes that value. A value that does not read changes nothing.
    void OnKillFocus(int boxId, IDialogControls& controls);
    // An extra-mesh combo's list closed on `text`: its flag follows, in the page and the layer.
    void OnCloseUp(int comboId, const std::string& text);

    // The sheet's collection on OK: mesh number and ratio.
    void CollectInto(CMeshSettings& mesh) const;
};
