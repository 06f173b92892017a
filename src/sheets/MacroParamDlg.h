#pragma once
// "Set Macro Parameter" (dialog 272) without its window: the six values of a material macro, each
// in a numeric box labelled with the name the macro's usage line gives that variable, and the
// macro's text. The material page owns one for the bulk macro (kind 0, series ids 10..15) and
// one for the active macro (kind 1, ids 20..25), sets name and values before each run and reads
// the values back after OK.
//
// A macro keeps at most six variables: a macro with more shows its first six, labelled, and a
// line saying only six are kept; one with fewer shows only its own boxes.

#include <string>

class CDataExchange;
class CMacroList;
class IDialogControls;

class CMacroParamDlg {
public:
    enum : int {
        IDD = 272,
        IDC_VALUE1 = 1052,  // boxes 1052..1057
        IDC_MACRO_TEXT = 1058,
        IDC_LABEL1 = 1059,  // labels 1059..1064, label n beside box n
        IDC_SIX_KEPT = 1065,
    };
    enum Kind { BULK = 0, ACTIVE = 1 };
    static constexpr int kValues = 6;

    explicit CMacroParamDlg(const std::string& name = std::string());

    int m_bHasParams = 0;
    int m_nKind = BULK;
    std::string m_strName;
    std::string m_strLabel[kValues];
    double m_dValue[kValues] = {0, 0, 0, 0, 0, 0};
    std::string m_strMacroText;

    void SetParams(const double values[kValues]);
    void GetParams(double values[kValues]) const;

    // The series parameter id of box i (0..5): 10 + i for the bulk macro, 20 + i for the active.
    int GetParamId(int box) const;

    void DoDataExchange(CDataExchange& dx);
    // The dialog opens: the macro's text from the macro list.
    void OnInitDialog(CMacroList& macros);
    // The dialog is shown: the labels and which boxes show, from the macro's definition.
    void OnShowWindow(CMacroList& macros);
    // Whether box i (0..5) and its label are shown.
    bool IsBoxShown(int box) const { return box >= 0 && box < kValues && box < m_nShownBoxes; }
    // Whether the line saying only six variables are kept is shown.
    bool IsSixKeptShown() const { return m_nParamCount > kValues; }
    static std::string SixKeptText();
    // OK: the boxes are read; false (after the message) when one is not a number.
    bool OnOK(IDialogControls& controls);

private:
    int m_nParamCount = 0;
    int m_nShownBoxes = kValues;
};
