#pragma once
// The small records a layer is made of: mesh, material macros with grading, doping, VCSEL data,
// grating composition and labels. Plain values, copied member by member.

#include <string>

#include "model/CopyOnWrite.h"
#include "model/UnsetValue.h"

// Vertical mesh of a layer ("n", "r", "xp1", "xp2", "shift_center") or horizontal mesh of a column
// ("mesh_num", "r", "xp1", "xp2", "shift_center").
struct CMeshSettings {
    int m_nMeshNum = 0;        // 0: not set yet (the automatic mesh counts fill it)
    float m_fRatio = 0.0f;     // grading ratio "r"
    int m_nExtraLow = 0;       // "xp1": lower edge of a layer, left edge of a column
    int m_nExtraHigh = 0;      // "xp2": upper edge of a layer, right edge of a column
    double m_dShiftCenter = 0.0;  // micrometres; not written when 0

    // No mesh set: number 0, ratio 1.0, no extra mesh at either edge. The shift center stays.
    void Unset()
    {
        m_nMeshNum = 0;
        m_fRatio = 1.0f;
        m_nExtraLow = 0;
        m_nExtraHigh = 0;
    }
    // The number, ratio and extra mesh of another mesh (rows share them); the shift center stays.
    void TakeCounts(const CMeshSettings& other)
    {
        m_nMeshNum = other.m_nMeshNum;
        m_fRatio = other.m_fRatio;
        m_nExtraLow = other.m_nExtraLow;
        m_nExtraHigh = other.m_nExtraHigh;
    }
};

// A macro name with its six variables ("var1".."var6", or "avar1".."avar6" for the active macro).
struct CMacroParamSet {
    std::string m_strName;
    double m_dVar[6] = {0, 0, 0, 0, 0, 0};
};

struct CLayerGrading {
    int m_nGradeVar = 0;          // "grade_var": which variable is graded, 0 none
    std::string m_strDirection;   // "+x", "-x", "+y", "-y"
    float m_fGradeFrom = 0.0f;    // "grade_from"
    float m_fGradeTo = 0.0f;      // "grade_to"
};

class CLayerMaterial {
public:
    CMacroParamSet m_Bulk;
    // The grading: held apart and shared like the active macro, most layers being ungraded.
    CCopyOnWrite<CLayerGrading> m_Grading;
    // The active macro: most layers have none ("void", no variables), so it is held apart and
    // shared (see CopyOnWrite.h).
    CCopyOnWrite<CMacroParamSet> m_Active;
    // The bulk macro name a file marked as an insulator ("insulator_macro=yes"); "" for none. The
    // mark holds as long as the bulk macro keeps that name, wherever the material is copied.
    std::string m_strInsulatorFor;

    // True when the bulk macro is the one the file marked as an insulator.
    bool IsMarkedInsulator() const { return !m_strInsulatorFor.empty() && m_strInsulatorFor == m_Bulk.m_strName; }

    // Equal for colour picking and contact numbering: every contact macro equals every other,
    // numbers within 1e-4.
    bool operator==(const CLayerMaterial& other) const;
    bool operator!=(const CLayerMaterial& other) const { return !(*this == other); }
};

class CLayerDoping {
public:
    std::string m_strKind;          // "n", "p" or "none"; empty also means no doping
    float m_fValue = 0.0f;          // written as "%4.2e"
    float m_fGaussianTail = 0.001f; // "gaussian_tail"
    int m_nNNewDopingIndex = 0;     // "n_newdoping_index"
    int m_nPNewDopingIndex = 0;     // "p_newdoping_index"
    std::string m_strNewDoping;     // raw text of the "new_doping" statement after the layer, if any

    // Kind and new-doping text equal, values within 1e-4; tail and indices do not count.
    bool operator==(const CLayerDoping& other) const;
    bool operator!=(const CLayerDoping& other) const { return !(*this == other); }
};

// The VCSEL block of a layer, also one entry of the document's list of VCSEL section definitions.
class CVcselSection {
public:
    std::string m_strActive = "no";     // "active"
    std::string m_strGratingModel;      // "grating_model"
    std::string m_strVcselType;         // "vcsel_type": the section the layer belongs to, empty none
    float m_fIndex[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};     // "index1".."index9"
    double m_dLayer[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};    // "layer1".."layer9" thicknesses
    int m_nMeshPoints = 0;              // "mesh_points"
    float m_fSectionLoss = 0.0f;        // "section_loss"
    float m_fSectionIndex = 0.0f;       // "section_index"

    CVcselSection() = default;
    CVcselSection(const CVcselSection&) = default;
    CVcselSection& operator=(const CVcselSection&) = default;
    CVcselSection(CVcselSection&&) = default;
    CVcselSection& operator=(CVcselSection&&) = default;
    virtual ~CVcselSection() = default;
    // The same type with the same values: texts and mesh points exact, index values, section loss
    // and section index within 1e-4, layer thicknesses within 1e-10.
    bool IsSame(const CVcselSection& other) const;
};

// The "grating_compos" statement of a layer.
class CGratingComposRec {
public:
    int m_nPresent = 0;             // 1 once a "grating_compos" statement was read for the layer
    std::string m_strHiMacro;       // "hi_macro_name"
    std::string m_strHiActiveMacro; // "hi_active_macro"
    std::string m_strLoMacro;       // "lo_macro_name"
    std::string m_strLoActiveMacro; // "lo_active_macro"
    double m_dHigh = 0.1;           // "d_high"
    double m_dFall = 0.0;           // "d_fall"
    double m_dLow = 0.1;            // "d_low"
    double m_dRise = 0.0;           // "d_rise"
    double m_dHiVar[5];             // "hi_var1".., -9999.0 not given
    double m_dHiAVar[5];            // "hi_avar1"..
    double m_dLoVar[5];             // "lo_var1"..
    double m_dLoAVar[5];            // "lo_avar1"..
    int m_nGratingOrder = 1;        // "grating_order"
    int m_nColumn = -1;             // column the composition belongs to, from 0; -1 none

    CGratingComposRec();
    CGratingComposRec(const CGratingComposRec&) = default;
    CGratingComposRec& operator=(const CGratingComposRec&) = default;
    CGratingComposRec(CGratingComposRec&&) = default;
    CGratingComposRec& operator=(CGratingComposRec&&) = default;
    virtual ~CGratingComposRec() = default;
    // Back to the values of a fresh record.
    void Reset();
};

// A column label ("column_position") or layer label ("layer_position").
// Location of a column label: 0 left, 1 middle, 2 right, 3 offset from the left, 4 from the right.
// Of a layer label: 0 top, 1 middle, 2 bottom, 3 offset from the bottom, 4 from the top. -1 none.
struct CLabelRec {
    std::string m_strText;
    int m_nLocation = -1;
    double m_dOffset = kUnsetValue;  // meaningful for locations 3 and 4 only

    // Same location, and offsets within 1e-5 when the location is an offset.
    bool SamePlacement(const CLabelRec& other) const;
    bool operator==(const CLabelRec& other) const;
    bool operator!=(const CLabelRec& other) const { return !(*this == other); }
    bool IsSameLabel(const CLabelRec& other) const { return *this == other; }
    bool IsSamePosition(const CLabelRec& other) const { return SamePlacement(other); }
};
