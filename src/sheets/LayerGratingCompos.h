#pragma once
// The "DFB/DBR grating setting" page (dialog 332) without its window. It edits the grating
// composition record of the edited layer: whether the layer carries one ("Input grating_compos"),
// the four distances of the index profile (high index, fall, low index, rise), the bulk and active
// macro names of the high-index and the low-index section with five parameter values each (one
// value box per macro shows the slot its choice selects), and the grating order. The column is
// shown but never edited.
//
// The sheet seeds the page with a copy of the edit layer's record and, on OK, reads the page's
// controls, checks the record (CheckComplete) and takes it back. While the page is shown its
// window draws the index profile the distances describe (GetProfile).

#include "model/LayerBlocks.h"
#include "sheets/SheetPage.h"

#include <string>
#include <vector>

class CLayerGratingCompos : public CSheetPage {
public:
    enum : int {
        IDC_HIGH = 1029,
        IDC_FALL = 1078,
        IDC_LOW = 1079,
        IDC_RISE = 1080,
        IDC_HI_MACRO = 1081,
        IDC_HI_VAR = 1082,
        IDC_HI_VAR_CHOICE = 1194,
        IDC_HI_ACTIVE_MACRO = 1202,
        IDC_HI_AVAR_CHOICE = 1203,
        IDC_HI_AVAR = 1204,
        IDC_LO_MACRO = 1205,
        IDC_LO_VAR_CHOICE = 1206,
        IDC_LO_VAR = 1207,
        IDC_LO_ACTIVE_MACRO = 1208,
        IDC_LO_AVAR_CHOICE = 1209,
        IDC_LO_AVAR = 1210,
        IDC_ORDER = 1211,
        IDC_COLUMN = 1212,
        IDC_INPUT = 1213,
        IDC_PROFILE = 1214,
    };
    // The four macros of the record, each with its name box, parameter choice and value box.
    enum Macro { HI_VAR = 0, HI_AVAR = 1, LO_VAR = 2, LO_AVAR = 3 };
    static constexpr int kMacros = 4;
    static constexpr int kSlots = 5;
    // The four distances in profile order: high, fall, low, rise.
    static constexpr int kDistances = 4;
    static const int kDistanceBoxes[kDistances];
    static const int kNameBoxes[kMacros];
    static const int kValueBoxes[kMacros];
    static const int kParamChoices[kMacros];
    // Series parameter ids of the distance and value boxes.
    static const int kDistanceParamIds[kDistances];
    static const int kValueParamIds[kMacros];
    // Every control "Input grating_compos" enables (all but the check box and the column box).
    static const std::vector<int>& InputControls();
    // The entries of a macro's parameter choice ("hi_var1".."hi_var5", ...).
    static std::vector<std::string> ParamEntries(Macro macro);

    void SetValues(const CGratingComposRec& record) { m_Record = record; }
    CGratingComposRec GetValues() const { return m_Record; }

    void DoDataExchange(CDataExchange& dx) override;

    // The page opens: the boxes take the record's values (slot 1 of each macro); an order other
    // than 1 or 2 is reported and shown as 1.
    void OnInitPage();
    // A parameter choice moved to `slot`. With the controls read, the value shown goes into the
    // slot that was selected before; the box then shows the new slot's value.
    void OnSelChangeParam(Macro macro, int slot, bool controlsRead);
    void OnSelChangeOrder(int selection) { m_Record.m_nGratingOrder = selection + 1; }
    // "Input grating_compos" ticked or cleared.
    void OnInputChanged(bool ticked) { m_Record.m_nPresent = ticked ? 1 : 0; }
    bool IsControlEnabled(int id) const;

    // With "Input grating_compos" set (after the controls were read): the distances, names and
    // shown values go into the record, the names are trimmed, and each empty one is warned about
    // (the composition then is not valid, but the sheet goes on).
    bool CheckComplete();

    // The index profile in a picture w x h pixels, as an open polyline: high level from the left,
    // falling to the low level, and rising again, each part as wide as its share of the four
    // distances, between 10% and 90% of the picture either way. Without any positive distance it
    // is a fixed schematic of a fall, a low level and a rise.
    struct Point {
        int x;
        int y;
        bool operator==(const Point& other) const { return x == other.x && y == other.y; }
    };
    static std::vector<Point> GetProfile(const double distances[kDistances], int width, int height);

    int m_nSlot[kMacros] = {0, 0, 0, 0};
    int m_nOrderSelection = 0;
    CGratingComposRec m_Record;
    std::string m_strName[kMacros];
    double m_dValue[kMacros] = {0, 0, 0, 0};
    int m_nColumn = 0;
    double m_dDistance[kDistances] = {0, 0, 0, 0};

private:
    double* Slots(Macro macro);
    std::string& RecordName(Macro macro);
};
