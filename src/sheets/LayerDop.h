#pragma once
// The "Doping" page (dialog 226) without its window: the doping type (none, n or p), the
// concentration and Gaussian tail, the indexes of the n and p new-doping profiles and the
// new-doping text. The type text goes into g_EditLayer as soon as a type is chosen; the numbers
// stay in the page until the sheet collects them (and asks for them when a doped layer has
// neither a concentration nor a tail).

#include "sheets/SheetPage.h"

#include <string>

class CLayerDoping;
class IDialogControls;

class CLayerDop : public CSheetPage {
public:
    enum : int {
        IDD = 226,
        IDC_NONE = 1021,  // type radios 1021..1023: NONE, N, P
        IDC_N = 1022,
        IDC_P = 1023,
        IDC_CONCENTRATION = 1025,
        IDC_GAUSS_TAIL = 1027,
        IDC_NEW_DOPING = 1184,  // hidden
        IDC_N_INDEX = 1219,
        IDC_P_INDEX = 1220,
    };
    enum DopingType { NONE = 0, N = 1, P = 2 };
    static constexpr int kConcentrationParamId = 40;
    static constexpr int kGaussTailParamId = 41;

    // New columns and layers (edit modes 1 and 2) start undoped, and so does the edit layer;
    // a modified layer shows its own doping.
    CLayerDop();

    std::string m_strNewDoping;
    float m_fConcentration = 0.0f;   // m^-3
    float m_fGaussTail = 0.001f;     // micron
    int m_nDopingType = NONE;
    int m_nNNewDopingIndex = 0;
    int m_nPNewDopingIndex = 0;

    void DoDataExchange(CDataExchange& dx) override;

    // A type radio was clicked. N and P take the values in the controls first (a value that does
    // not read changes nothing); NONE clears the page's numbers. The controls then show the page.
    void OnType(DopingType type, IDialogControls& controls);
    // Whether a box is read-only for the present type.
    bool IsReadOnly(int id) const;
    // The control that takes the focus for the present type; 0 to leave it where it is.
    int GetFocusControl() const { return m_nDopingType == NONE ? 0 : IDC_CONCENTRATION; }

    // The sheet's collection on OK: everything but the type text.
    void CollectInto(CLayerDoping& doping) const;
};
