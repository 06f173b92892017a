#pragma once
// The " Size_Info" page (dialog 216) without its window: the edited layer's height and width, or
// the widths of its upper and lower edges for an irregular (trapezoidal) layer, each with a
// numeric box and a scroll bar, and whether the layer takes part in solving the wave equation.
//
// The values come from g_EditLayer when the page is constructed; the sheet copies them back on OK
// (CollectInto). The wave-equation choice goes into g_EditLayer at once. The page keeps the
// geometry change flags of the edit block: cleared on construction, set when the user edits or
// scrolls a value.
//
// Scroll bars run from 1 to 200; position p stands for p * 0.05 micron.

#include "sheets/SheetPage.h"

class CLayerRec;

class CLayerSize : public CSheetPage {
public:
    enum : int {
        IDC_HEIGHT = 1000,
        IDC_HEIGHT_SCROLL = 1001,
        IDC_WIDTH = 1002,
        IDC_WIDTH_SCROLL = 1003,
        IDC_UPPER_WIDTH = 1030,
        IDC_LOWER_WIDTH = 1031,
        IDC_UPPER_SCROLL = 1139,
        IDC_LOWER_SCROLL = 1140,
        IDC_CONVERT = 1143,
        IDC_UPPER_LABEL = 1146,
        IDC_LOWER_LABEL = 1147,
        IDC_UPPER_UNIT = 1149,
        IDC_LOWER_UNIT = 1150,
        IDC_WIDTH_LABEL = 1151,
        IDC_WIDTH_UNIT = 1152,
        IDC_WAVE_EQUATION = 1194,
    };
    // Series parameter ids of the four boxes, in the order height, width, upper, lower.
    static constexpr int kParamIds[4] = {0, 1, 2, 3};
    static constexpr int kScrollMin = 1;
    static constexpr int kScrollMax = 200;

    // What a scroll bar reports.
    enum ScrollCode {
        SB_LINELEFT,
        SB_LINERIGHT,
        SB_PAGELEFT,
        SB_PAGERIGHT,
        SB_THUMBPOSITION,  // the thumb was released at the reported position
        SB_THUMBTRACK,
        SB_LEFT,
        SB_RIGHT,
        SB_ENDSCROLL,
    };

    CLayerSize();

    float m_fHeight = 0.0f;
    float m_fWidth = 0.0f;
    float m_fUpperWidth = 0.0f;
    float m_fLowerWidth = 0.0f;
    // 1: a rectangle (both edges as wide as the width); 0: an irregular layer.
    int m_nRegular = 1;

    void DoDataExchange(CDataExchange& dx) override;

    // The page opens: its bars show the values of its mode.
    void OnInitPage() { UpdateGraphButton(); }
    // The wave-equation choice the page opens with: 1 ("yes") when the layer solves it, else 0.
    int GetWaveEquationSelection() const;
    // A new choice (0 "no", 1 "yes", -1 none) goes into the edit layer at once.
    void OnWaveEquationChanged(int selection);
    // The user changed the text of one of the four boxes: its change flag is set.
    void OnBoxChanged(int boxId);
    // The convert button: regular <-> irregular.
    void ToggleRegular();
    // Scrolls one bar; returns the id of the box whose value changed (0 for an unknown bar).
    int OnHScroll(int barId, ScrollCode code, int reportedPosition);

    // The value a box shows (0 for an unknown box).
    float GetBoxValue(int boxId) const;
    // The bars' positions as the page set them.
    int GetScrollPosition(int barId) const;
    // Whether a control is enabled in the page's present mode (the height controls always are).
    bool IsControlEnabled(int id) const;
    const char* GetConvertButtonText() const;

    // The sheet's collection on OK: height, width and both edge widths into the layer.
    void CollectInto(CLayerRec& layer) const;

    // The bar position that shows a value: the value limited to 1e-5 .. 1000, times 20, rounded at
    // .51 and limited to 1 .. 200.
    static int ScrollPositionOf(float value);

private:
    void UpdateGraphButton();
    int BarIndex(int barId) const;
    int BoxIndex(int boxId) const;
    // The value of box or bar index 0..3: height, width, upper, lower.
    const float& Value(int index) const;
    float& Value(int index) { return const_cast<float&>(static_cast<const CLayerSize&>(*this).Value(index)); }

    int m_nScrollPos[4] = {kScrollMin, kScrollMin, kScrollMin, kScrollMin};
};
