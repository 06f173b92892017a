#pragma once
// "Seri Compos" (dialog 341) without its window: one row per parameter of a material macro, named
// after the parameters of the macro's definition, with From, To and Step each; the user picks one
// row and its range. Only the picked row's boxes can be edited.

#include <string>

class CDataExchange;
class CMacroList;
class IDialogControls;

class CSeriComposDlg {
public:
    static constexpr int kRows = 6;
    enum : int { IDD = 341, IDC_COMMENT = 1058 };
    // The controls of each row, row 1 first.
    static constexpr int kRadioIds[kRows] = {1105, 1106, 1107, 1108, 1109, 1223};
    static constexpr int kNameIds[kRows] = {1059, 1060, 1061, 1062, 1063, 1064};
    static constexpr int kFromCaptionIds[kRows] = {1224, 1225, 1226, 1227, 1228, 1229};
    static constexpr int kFromIds[kRows] = {1052, 1053, 1054, 1055, 1056, 1057};
    static constexpr int kToCaptionIds[kRows] = {1230, 1231, 1232, 1233, 1234, 1235};
    static constexpr int kToIds[kRows] = {1242, 1243, 1244, 1245, 1246, 1247};
    static constexpr int kStepCaptionIds[kRows] = {1236, 1237, 1238, 1239, 1240, 1241};
    static constexpr int kStepIds[kRows] = {1248, 1249, 1250, 1251, 1252, 1253};
    static constexpr double kMinStep = 1e-5;

    explicit CSeriComposDlg(std::string macroName = std::string()) : m_strMacroName(std::move(macroName)) {}

    int m_nSelectedRow = 0;  // 0 to 5
    // The result, filled when OK is accepted.
    int m_nRow = 0;
    double m_dFrom = 0.0;
    double m_dTo = 0.0;
    double m_dStep = 0.0;
    std::string m_strMacroName;
    std::string m_strNames[kRows];
    std::string m_strComment;
    double m_dFroms[kRows] = {};
    double m_dTos[kRows] = {};
    double m_dSteps[kRows] = {};
    // The number of parameters FillRows found (-1 before, or for a macro missing from the list).
    int m_nParamCount = -1;

    // From and To of every row take the macro's values; the count is not used.
    void SetRows(const double values[kRows], int count);
    void GetRows(int& row, double& from, double& to, double& step) const;
    // The macro's definition from the list: its comment and the names of its parameters.
    void FillRows(CMacroList& macros);
    // Whether a control of row k (from 0) is shown: the name and the From box follow the
    // parameter count up to six (beyond, they keep their state: shown); the radio button, the
    // captions and the To and Step boxes are shown for the rows up to the count.
    bool IsNameShown(int k) const;
    bool IsRowShown(int k) const;
    // Only the selected row's From, To and Step boxes are enabled.
    bool IsRowEnabled(int k) const { return k == m_nSelectedRow; }

    void DoDataExchange(CDataExchange& dx);
    void OnInitDialog(IDialogControls& controls);
    // True when the dialog closes with OK: the values read, the selected row's range taken and its
    // step not below 1e-5 ("Step is too samll!").
    bool OnOK(IDialogControls& controls);
};
