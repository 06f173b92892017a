#pragma once
// "Set contact parameter" (dialog 348) without its window: the four values of a contact layer,
// whose bulk macro is the built-in "contact": contact number (1..100), type ("ohmic" or
// "schottky") and, for a schottky contact, either a barrier or a work function. The material page
// seeds it from the layer's var1..var4 and takes them back after OK:
//
//   var1 contact number (the integer as a double), var2 type (0.0 ohmic, 1.0 schottky),
//   var3 barrier, var4 work function (-9999.0 when not given).
//
// The type list and the two radios (barrier given / work function given) are control states the
// window reports through the handlers; the dialog says which controls are enabled.

#include <string>

class CDataExchange;
class IDialogControls;

class CContactParamDlg {
public:
    enum : int {
        IDD = 348,
        IDC_CONTACT_NUM = 1029,
        IDC_TYPE_TEXT = 1078,  // hidden: carries the type text
        IDC_BARRIER = 1079,
        IDC_WORK_FUNCTION = 1080,
        IDC_BARRIER_GIVEN = 1105,
        IDC_WORK_FUNCTION_GIVEN = 1106,
        IDC_TYPE = 1194,
    };
    static constexpr int kBarrierParamId = 28;
    static constexpr int kWorkFunctionParamId = 29;
    static constexpr int kMinContact = 1;
    static constexpr int kMaxContact = 100;

    int m_nContactNum = 1;
    std::string m_strType = "ohmic";
    double m_dWorkFunction = -9999.0;
    double m_dBarrier = -9999.0;

    // Control states: the type list's selection (0 "ohmic", 1 "schottky", -1 none) and which of
    // the two radios is checked.
    int m_nTypeSelection = 0;
    bool m_bBarrierGiven = false;

    // Before the dialog runs: the layer's four values. A contact number below 0.01 leaves the
    // dialog as constructed.
    void SetFromRecord(const double values[4]);
    // After OK: the four values back into the layer's variables.
    void GetToRecord(double values[4]) const;

    void DoDataExchange(CDataExchange& dx);
    // The dialog opens: the controls show the members, the type list and the radios are set and
    // the controls enabled to suit them (which reads the controls back: a seeded contact number
    // out of range shows its message at once).
    void OnInitDialog(IDialogControls& controls);
    // A radio was clicked or another type chosen.
    void OnBarrierGiven(IDialogControls& controls, bool barrierGiven);
    void OnTypeSelected(IDialogControls& controls, int selection);
    // OK: true when the dialog closes with IDOK; false (after a message) when it stays open.
    bool OnOK(IDialogControls& controls);

    bool IsControlEnabled(int id) const;

    static std::string TypeMessage();

private:
    void UpdateControls(IDialogControls& controls);
    void ClearUnusedValue(IDialogControls& controls);
    bool Read(IDialogControls& controls);
    void Show(IDialogControls& controls);

    // As the dialog template creates them: everything enabled.
    bool m_bRadiosEnabled = true;
    bool m_bBarrierEnabled = true;
    bool m_bWorkFunctionEnabled = true;
};
