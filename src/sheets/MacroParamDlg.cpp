#include "sheets/MacroParamDlg.h"

#include "sheets/DataExchange.h"
#include "textfiles/MacroList.h"

#include <algorithm>

namespace {

const int kBulkParamId = 10;
const int kActiveParamId = 20;

}  // namespace

CMacroParamDlg::CMacroParamDlg(const std::string& name) : m_strName(name) {}

void CMacroParamDlg::SetParams(const double values[kValues]) { std::copy(values, values + kValues, m_dValue); }

void CMacroParamDlg::GetParams(double values[kValues]) const { std::copy(m_dValue, m_dValue + kValues, values); }

int CMacroParamDlg::GetParamId(int box) const { return (m_nKind == ACTIVE ? kActiveParamId : kBulkParamId) + box; }

void CMacroParamDlg::DoDataExchange(CDataExchange& dx)
{
    for (int i = 0; i < kValues; ++i)
        dx.Text(IDC_VALUE1 + i, m_dValue[i]);
    // The labels and the macro text are shown, never read back.
    if (dx.IsSaving())
        return;
    for (int i = 0; i < kValues; ++i)
        dx.Text(IDC_LABEL1 + i, m_strLabel[i]);
    dx.Text(IDC_MACRO_TEXT, m_strMacroText);
}

void CMacroParamDlg::OnInitDialog(CMacroList& macros)
{
    CMacroDef def;
    macros.Find(m_strName, def);
    m_strMacroText = def.GetComment();
}

void CMacroParamDlg::OnShowWindow(CMacroList& macros)
{
    CMacroDef def;
    macros.Find(m_strName, def);
    m_nParamCount = def.GetParamCount();
    m_bHasParams = m_nParamCount > 0 ? 1 : 0;
    // Each label names its own box's variable; the labels of a previous macro never stay.
    m_nShownBoxes = std::clamp(m_nParamCount, 0, static_cast<int>(kValues));
    for (int i = 0; i < kValues; ++i)
        m_strLabel[i] = i < m_nShownBoxes ? def.GetParamValue(i) : std::string();
}

std::string CMacroParamDlg::SixKeptText() { return "This macro has more than six variables: only the first six are kept."; }

bool CMacroParamDlg::OnOK(IDialogControls& controls)
{
    CDataExchange dx(controls, true);
    DoDataExchange(dx);
    return !dx.Failed();
}
