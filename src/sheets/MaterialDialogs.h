#pragma once
// The modal dialogs the material page opens: the macro parameter dialog, the composition grading
// dialog and the contact parameter dialog. The GUI runs the real windows over the page; tests
// script them, editing the dialog's members as a user would.

class CCompositionGradingDlg;
class CContactParamDlg;
class CMacroParamDlg;

class IMaterialDialogs {
public:
    virtual ~IMaterialDialogs() = default;
    // Each runs its dialog modally; true when it ended with OK (its members then hold the values).
    virtual bool RunMacroParamDlg(CMacroParamDlg& dialog) = 0;
    virtual bool RunGradingDlg(CCompositionGradingDlg& dialog) = 0;
    virtual bool RunContactParamDlg(CContactParamDlg& dialog) = 0;
};
