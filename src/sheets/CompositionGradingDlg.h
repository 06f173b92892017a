#pragma once
// "DialogBox Of Composition_grading" (dialog 194) without its window: the range a graded
// composition variable runs over (grading_from, grading_to) and the direction it runs in (+x, -x,
// +y, -y; none chosen until the caller sets one). Slot k (0..3) is the graded variable's place:
// its boxes carry the series ids 30 + 2k and 31 + 2k.
//
// Mode 1 puts the focus on grading_from when the dialog opens; mode 2 makes both boxes read-only.

#include <string>

class CDataExchange;
class IDialogControls;

class CCompositionGradingDlg {
public:
    enum : int {
        IDD = 194,
        IDC_PLUS_X = 1031,  // direction radios 1031..1034: "+x", "-x", "+y", "-y"
        IDC_FROM = 1035,
        IDC_TO = 1036,
    };
    enum Mode { FOCUS_FROM = 1, READ_ONLY = 2 };
    static constexpr int kDirections = 4;

    int m_nSlot = 0;
    float m_fFrom = 0.0f;
    float m_fTo = 0.0f;
    int m_nDirection = -1;
    int m_nMode = FOCUS_FROM;

    int GetFromParamId() const { return 30 + 2 * m_nSlot; }
    int GetToParamId() const { return 31 + 2 * m_nSlot; }
    bool AreBoxesReadOnly() const { return m_nMode == READ_ONLY; }
    // The control that takes the focus when the dialog opens; 0 for the default.
    int GetInitialFocus() const { return m_nMode == FOCUS_FROM ? IDC_FROM : 0; }

    void DoDataExchange(CDataExchange& dx);
    // OK: the boxes and the direction are read; false (after the message) when a box is not a number.
    bool OnOK(IDialogControls& controls);

    // "+x" 0, "-x" 1, "+y" 2, "-y" 3; -1 for any other text.
    static int DirectionIndex(const std::string& text);
    // The text of direction 0..3; empty for none.
    static std::string DirectionText(int index);
};
