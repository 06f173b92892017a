#pragma once
// "Set cut line value" (dialog 350) without its window: where a layer is cut in two, as a height
// inside the layer (a horizontal cut line) or a distance across its width (a vertical one). The
// caller sets the limit (the layer's height or width) and the direction before the dialog runs;
// the dialog only takes and checks the one number, the document does the cutting.
//
// The value is accepted when it lies between 1e-20 and 100000 (the standard range check, with
// its message) and below the limit ("Input value is too big"); otherwise the dialog stays open.

#include <string>

class CDataExchange;
class IDialogControls;

class CCutLineDlg {
public:
    enum : int {
        IDD = 350,
        IDC_PROMPT = 1113,
        IDC_VALUE = 1029,
        IDC_RANGE = 1262,
    };
    static constexpr double kMinValue = 1e-20;
    static constexpr double kMaxValue = 100000.0;

    // 1: the cut line runs vertically and the value is a distance across the layer; 0: it runs
    // horizontally and the value is a height in the layer.
    int m_bVertical = 0;
    // The layer's width or height: the value must stay below it.
    double m_dLimit = 10000.0;
    double m_dValue = 0.0;

    // The prompt and the allowed range the dialog shows.
    std::string GetPromptText() const;
    std::string GetRangeText() const;

    void DoDataExchange(CDataExchange& dx);
    // The dialog opens: the prompt, the range and the value go into the controls.
    void OnInitDialog(IDialogControls& controls);
    // The user pressed OK: true when the value is accepted and the dialog closes with IDOK;
    // false (after its message) when it stays open.
    bool OnOK(IDialogControls& controls);

    double GetValue() const { return m_dValue; }
};
