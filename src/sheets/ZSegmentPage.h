#pragma once
// The "Z-segment" page (dialog 334) without its window: the only page of the property sheet in
// its z-segment form, for a new z-segment (edit mode 1) and for the current one (edit mode 3).
// It edits the z range (as From and To, or as a segment length and a taper length counted from
// the end of the z-segment before), the number of z planes, the taper-contact link, the rotation
// angle, whether the selected column has a taper line, and the device's 3-D solution method.
//
// The page loads from g_EditZSegment and g_EditColumn when it opens; the sheet copies its values
// back on OK (CheckAndStore, then StoreInto). The solution method is device-wide and not part of
// an undo step, so the choice is held by the page and reaches g_strIsolatedMethod only when the
// sheet closes through OK: a choice made and cancelled changes nothing.
//
// The position radio pair is shared with the z-segment position dialog through g_bZSegByLengths.

#include "model/ZSegmentParams.h"
#include "sheets/SheetPage.h"

#include <string>

class CColumnRec;
class CZSegment;

class CZSegmentPage : public CSheetPage {
public:
    enum : int {
        IDD = 334,
        IDC_BY_POSITION = 1105,
        IDC_BY_LENGTHS = 1106,
        IDC_FROM = 1178,
        IDC_TO = 1179,
        IDC_ZPLANES = 1180,
        IDC_LINK_TAPER_CONTACT = 1194,
        IDC_SOLUTION_METHOD = 1203,
        IDC_TAPER_LINE = 1206,
        IDC_SEGMENT_LENGTH = 1257,
        IDC_TAPER_LENGTH = 1261,
        IDC_ROTATION_ANGLE = 1273,
    };
    // Selections of the solution-method combo: its entries are "3d-isolated-layer", "3d-flow"
    // and an empty one.
    enum : int { ISOLATED_LAYER = 0, FLOW = 1 };
    static constexpr double kMaxPosition = 10000.0;
    static constexpr int kMaxZPlanes = 1000;
    static constexpr double kMaxAngle = 360.0;
    static const char kCaption[];             // "Z-segment"
    static const char kTooManyIsolatedPlanes[];  // the two-line refusal of z planes under the isolated method

    // The page's own copy of the z-segment parameters (link, z range, z planes, angle).
    CZSegmentParams m_Params;
    // 1: the selected column has a taper line.
    int m_nTaperLine = 0;
    // Whether the taper-line choice may be changed (only with a real column selected).
    bool m_bTaperLineEditable = false;
    // The end of the z-segment before, from which the taper length counts (0 for the first).
    double m_dPreviousZEnd = 0.0;
    // The solution method chosen: "no" the isolated-layer method, anything else the flow method.
    std::string m_strMethod;

    // The exchanged values.
    double m_dFrom = 0.0;
    double m_dTo = 0.0;
    int m_nZPlanes = 0;
    double m_dSegmentLength = 0.0;
    double m_dTaperLength = 0.0;
    double m_dAngle = 0.0;

    void SetTaperLineEditable(bool editable) { m_bTaperLineEditable = editable; }
    void SetPreviousZEnd(double end) { m_dPreviousZEnd = end; }

    // The page opens: its values come from the edit images by g_nLayerEditMode (a new z-segment
    // also clears the column image's taper-line flag), the method from g_strIsolatedMethod.
    void OnInitPage();
    void DoDataExchange(CDataExchange& dx) override;

    // What the three combos select.
    int GetLinkSelection() const;
    int GetMethodSelection() const;
    int GetTaperLineSelection() const;
    // The user chose another entry (-1: none).
    void OnSelChangeLinkTaperContact(int selection);
    void OnSelChangeSolutionMethod(int selection);
    void OnSelChangeTaperLine(int selection);

    // The position radio pair, as in the z-segment position dialog.
    int GetPositionRadio() const;
    void OnRadioPosition();
    void OnRadioLengths();
    // From and To with the position entry, the two lengths with the lengths entry, the taper-line
    // choice when it is editable; every other control always.
    bool IsControlEnabled(int id) const;

    // OK, after the controls were read: false (after the message) when the isolated-layer method
    // is chosen with more than one z plane; the z planes are then not taken.
    bool CheckAndStore();
    // After CheckAndStore: the z range (from the lengths when they are the entry in use), z planes,
    // link and angle into the z-segment image, the taper-line flag into the column image.
    void StoreInto(CZSegment& image, CColumnRec& column) const;
    // The method chosen becomes the device's; the sheet calls it when it closes through OK.
    void ApplySolutionMethod() const;

private:
    void LoadFrom(const CZSegment& image);
};
