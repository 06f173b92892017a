#pragma once
// "Series Item" (dialog 223) without its window: the range of one series variable. The caller
// sets initial, the current value, final and the caption before the dialog runs and reads initial
// and final after OK. The step box stays hidden with its 1.0.

#include <string>

class CDataExchange;
class IDialogControls;

// The range check of a series variable: final differs from initial, both lie above 0, the step is
// not 0; more than ten points are created only after the user agreed. False after a message.
bool ValidateSeriesRange(double initial, double final, double step);

class CSeriesItemDlg {
public:
    enum : int {
        IDD = 223,
        IDC_INITIAL = 1002,
        IDC_STEP = 1110,
        IDC_CURRENT = 1176,
        IDC_CAPTION = 1178,
        IDC_FINAL = 1179,
    };

    double m_dInitial = 0.0;
    double m_dCurrent = 0.0;
    double m_dStep = 1.0;
    double m_dFinal = 0.0;
    std::string m_strCaption = "Max Concentration";

    void DoDataExchange(CDataExchange& dx);
    void OnInitDialog(IDialogControls& controls);
    // True when the values are taken and the dialog closes with OK; false (after its message) when
    // it stays open: a point range whose end lies below its start, or a range the check refuses.
    bool OnOK(IDialogControls& controls);
};
