#include "sheets/SeriComposDlg.h"

#include "platform/UserPrompts.h"
#include "sheets/DataExchange.h"
#include "sheets/DialogControls.h"
#include "textfiles/MacroDef.h"
#include "textfiles/MacroList.h"

void CSeriComposDlg::SetRows(const double values[kRows], int /*count*/)
{
    for (int k = 0; k < kRows; ++k) {
        m_dFroms[k] = values[k];
        m_dTos[k] = values[k];
    }
}

void CSeriComposDlg::GetRows(int& row, double& from, double& to, double& step) const
{
    row = m_nRow;
    from = m_dFrom;
    to = m_dTo;
    step = m_dStep;
}

void CSeriComposDlg::FillRows(CMacroList& macros)
{
    CMacroDef def;
    m_nParamCount = -1;
    if (!macros.Find(m_strMacroName, def))
        return;
    m_strComment = def.GetComment();
    m_nParamCount = def.GetParamCount();
    if (m_nParamCount > kRows)
        return;
    for (int k = 0; k < m_nParamCount; ++k)
        m_strNames[k] = def.GetParamValue(k);
}

bool CSeriComposDlg::IsNameShown(int k) const { return m_nParamCount > kRows || k < m_nParamCount; }

bool CSeriComposDlg::IsRowShown(int k) const { return k < m_nParamCount; }

void CSeriComposDlg::DoDataExchange(CDataExchange& dx)
{
    // The names and the comment are only shown.
    if (!dx.IsSaving())
        dx.Text(IDC_COMMENT, m_strComment);
    for (int k = 0; k < kRows; ++k) {
        if (!dx.IsSaving())
            dx.Text(kNameIds[k], m_strNames[k]);
        dx.Text(kFromIds[k], m_dFroms[k]);
        dx.Text(kToIds[k], m_dTos[k]);
        dx.Text(kStepIds[k], m_dSteps[k]);
        dx.MinMaxDouble(m_dSteps[k], 0.0, 10000.0);
    }
}

void CSeriComposDlg::OnInitDialog(IDialogControls& controls)
{
    CDataExchange dx(controls, false);
    DoDataExchange(dx);
}

bool CSeriComposDlg::OnOK(IDialogControls& controls)
{
    CDataExchange dx(controls, true);
    DoDataExchange(dx);
    if (dx.Failed())
        return false;
    m_nRow = m_nSelectedRow;
    m_dFrom = m_dFroms[m_nSelectedRow];
    m_dTo = m_dTos[m_nSelectedRow];
    m_dStep = m_dSteps[m_nSelectedRow];
    if (m_dStep < kMinStep) {
        AfxMessageBox("Step is too samll!", MB_OK | MB_ICONWARNING);
        return false;
    }
    return true;
}
