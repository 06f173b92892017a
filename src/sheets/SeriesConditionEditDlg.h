#pragma once
// The "Edit" dialog of the series list (dialog 183) without its window: one item's file, line and
// variable shown read-only, its initial and final value, its group and the group's step number.
// The values are doubles, as the item keeps them.

#include <string>

class CDataExchange;
class IDialogControls;

class CSeriesConditionEditDlg {
public:
    enum : int {
        IDD = 183,
        IDC_FILE_NAME = 1032,
        IDC_LINE = 1030,
        IDC_VARIABLE = 1031,
        IDC_INITIAL = 1027,
        IDC_FINAL = 1028,
        IDC_STEP_NUMBER = 1012,
        IDC_GROUP_ID = 1033,
    };

    std::string m_strFileName;
    int m_nLine = 0;
    std::string m_strVariable;
    double m_dInitial = 0.0;
    double m_dFinal = 0.0;
    int m_nStepNumber = 2;  // 2 ... 1000
    int m_nGroupId = 1;     // 1 ... 1000, checked before the step number

    void DoDataExchange(CDataExchange& dx);
    void OnInitDialog(IDialogControls& controls);
    // OK: true when the values are taken; false (after the message) when the dialog stays open.
    bool OnOK(IDialogControls& controls);
};
