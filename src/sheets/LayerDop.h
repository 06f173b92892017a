#pragma once
// The "Doping" page (dialog 226) without its window, as far as the sheet's OK processing reads
// it: the doping type, concentration, Gauss tail, the two new-doping indexes and the new-doping
// text. The type text goes into g_EditLayer as soon as a type is chosen; the numbers stay in the
// page until the sheet collects them.

#include "sheets/SheetPage.h"

#include <string>

class CLayerDoping;

class CLayerDop : public CSheetPage {
public:
    enum : int { IDC_CONCENTRATION = 1025, IDC_GAUSS_TAIL = 1027 };
    enum DopingType { NONE = 0, N = 1, P = 2 };

    // New columns and layers (edit modes 1 and 2) start undoped, and so does the edit layer;
    // a modified layer shows its own doping.
    CLayerDop();

    std::string m_strNewDoping;
    float m_fConcentration = 0.0f;   // m^-3
    float m_fGaussTail = 0.001f;     // micron
    int m_nDopingType = NONE;
    int m_nNNewDopingIndex = 0;
    int m_nPNewDopingIndex = 0;

    // The sheet's collection on OK: everything but the type text.
    void CollectInto(CLayerDoping& doping) const;
};
