#pragma once
// The "Material" page (dialog 218) without its window: the edited layer's bulk material macro and
// its active-layer macro, chosen from the macro definitions of the application's macro list, their
// parameters (the macro parameter dialog, or for the built-in "contact" macro the contact
// parameter dialog), and the grading of one composition variable (the grading dialog).
//
// Everything the page decides goes straight into the material block of g_EditLayer: a list
// selection alone changes nothing, a commit (the "Show ... Param" button or a double-click) and a
// grading choice do. The sheet collects nothing from this page.
//
// The lists show macro names without their "_old_style" suffix, old-style or free-style ones as
// the list's radio pair says; a committed old-style name gets the suffix back.

#include "sheets/MacroParamDlg.h"
#include "sheets/SheetPage.h"

#include <functional>
#include <string>
#include <vector>

class CMacroList;
class IMaterialDialogs;

class CLayerBulkActive : public CSheetPage {
public:
    enum : int {
        IDD = 218,
        IDC_BULK_NAME = 1006,
        IDC_BULK_LIST = 1007,
        IDC_GRADING_NONE = 1009,  // grading radios 1009..1013: "0" .. "4"
        IDC_ACTIVE_NAME = 1018,
        IDC_ACTIVE_LIST = 1019,
        IDC_BULK_OLD_STYLE = 1105,
        IDC_BULK_FREE_STYLE = 1106,
        IDC_ACTIVE_OLD_STYLE = 1107,
        IDC_ACTIVE_FREE_STYLE = 1108,
        IDC_SHOW_BULK_PARAM = 1188,
        IDC_SHOW_ACTIVE_PARAM = 1189,
    };
    // The two lists, also the kinds of their parameter dialogs.
    enum Macro { BULK = CMacroParamDlg::BULK, ACTIVE = CMacroParamDlg::ACTIVE };
    static constexpr int kGradingChoices = 5;

    static const char kNoParameter[];   // "No Parameter"
    static const char kOldStyle[];      // "_old_style"

    // New columns and layers (edit modes 1 and 2) start as "algaas" without active macro or
    // grading, in the page and in the edit layer; a modified layer shows its own macros.
    CLayerBulkActive();

    // Where the page finds the macro definitions, and the dialogs it runs (without them: no
    // definitions, every dialog cancelled).
    void SetMacroList(CMacroList* macros) { m_pMacros = macros; }
    void SetDialogs(IMaterialDialogs* dialogs) { m_pDialogs = dialogs; }
    // Called when the contact dialog stored a contact layer's parameters (the document's
    // contact-update mark then becomes 0).
    void SetContactStored(std::function<void()> onStored) { m_onContactStored = std::move(onStored); }

    std::string m_strBulkName;
    std::string m_strActiveName;
    int m_nGradingChoice = -1;
    // The graded variable the layer has, updated by every grading choice.
    int m_nGradingInForce = 0;
    // Which style each list shows: 1 old style, 0 free style.
    int m_bOldStyle[2] = {0, 0};

    CMacroParamDlg m_ActiveDlg;
    CMacroParamDlg m_BulkDlg;

    void DoDataExchange(CDataExchange& dx) override;

    // The page opens: names cut of their style suffix, the style radios set, both lists filled.
    void OnInitPage();
    const std::vector<std::string>& GetListEntries(Macro list) const { return m_entries[list]; }
    // A list's selection changed: the entry becomes the list's name.
    void OnListSelection(Macro list, const std::string& entry);
    // A style radio was clicked: the list shows that style.
    void OnStyle(Macro list, bool oldStyle);
    // The "Show ... Param" button or a double-click: the list's name goes into the layer, with
    // its parameters from the parameter (or contact) dialog.
    void CommitMacro(Macro list);
    // A grading radio (0..4) was clicked.
    void OnGradingChoice(int choice);

    std::string& Name(Macro list) { return list == BULK ? m_strBulkName : m_strActiveName; }
    CMacroParamDlg& ParamDlg(Macro list) { return list == BULK ? m_BulkDlg : m_ActiveDlg; }
    // The macro definitions the page and its parameter dialogs look names up in.
    CMacroList& Macros();

private:
    void FillList(Macro list);
    void CommitContact();
    IMaterialDialogs& Dialogs();

    CMacroList* m_pMacros = nullptr;
    IMaterialDialogs* m_pDialogs = nullptr;
    std::function<void()> m_onContactStored;
    std::vector<std::string> m_entries[2];
};
