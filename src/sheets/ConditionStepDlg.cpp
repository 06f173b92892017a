#include "sheets/ConditionStepDlg.h"

#include "platform/UserPrompts.h"
#include "sheets/DataExchange.h"
#include "sheets/DialogControls.h"

void CConditionStepDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_INITIAL, m_dInitial);
    dx.Text(IDC_FINAL, m_dFinal);
    dx.Text(IDC_STEP_NUMBER, m_nStepNumber);
    dx.MinMaxInt(m_nStepNumber, 2, 1000);
    dx.Text(IDC_GROUP_ID, m_nGroupId);
    dx.MinMaxInt(m_nGroupId, 1, 1000);
}

void CConditionStepDlg::OnInitDialog(IDialogControls& controls)
{
    CDataExchange dx(controls, false);
    DoDataExchange(dx);
}

bool CConditionStepDlg::OnOK(IDialogControls& controls)
{
    CDataExchange dx(controls, true);
    DoDataExchange(dx);
    if (dx.Failed())
        return false;
    if (m_dFinal == m_dInitial) {
        AfxMessageBox("Final value can't equal Initial value!", MB_OK);
        return false;
    }
    return true;
}
