#pragma once
// The step dialog of the edit-box series ("Series", dialog 109) without its window: the sweep of
// one value from its initial to its final value in a number of steps (both ends included), and
// the group of values it moves with.

class CDataExchange;
class IDialogControls;

class CConditionStepDlg {
public:
    enum : int {
        IDD = 109,
        IDC_INITIAL = 1110,
        IDC_FINAL = 1111,
        IDC_STEP_NUMBER = 1012,
        IDC_GROUP_ID = 1020,
    };

    CConditionStepDlg(double initial, double final, int stepNumber, int groupId)
        : m_dInitial(initial), m_dFinal(final), m_nStepNumber(stepNumber), m_nGroupId(groupId)
    {
    }

    double m_dInitial;
    double m_dFinal;
    int m_nStepNumber;  // 2 ... 1000
    int m_nGroupId;     // 1 ... 1000

    void DoDataExchange(CDataExchange& dx);
    void OnInitDialog(IDialogControls& controls);
    // OK: true when the values are taken; false (after the message) when the dialog stays open,
    // also when the final value equals the initial one.
    bool OnOK(IDialogControls& controls);
};
