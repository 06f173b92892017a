#include "sheets/SeriesConditionEditDlg.h"

#include "platform/UserPrompts.h"
#include "sheets/DataExchange.h"
#include "sheets/DialogControls.h"

void CSeriesConditionEditDlg::DoDataExchange(CDataExchange& dx)
{
    // The read-only boxes are only shown.
    if (!dx.IsSaving()) {
        dx.Text(IDC_FILE_NAME, m_strFileName);
        dx.Text(IDC_LINE, m_nLine);
        dx.Text(IDC_VARIABLE, m_strVariable);
    }
    dx.Text(IDC_INITIAL, m_dInitial);
    dx.Text(IDC_FINAL, m_dFinal);
    dx.Text(IDC_GROUP_ID, m_nGroupId);
    dx.MinMaxInt(m_nGroupId, 1, 1000);
    dx.Text(IDC_STEP_NUMBER, m_nStepNumber);
    dx.MinMaxInt(m_nStepNumber, 2, 1000);
}

void CSeriesConditionEditDlg::OnInitDialog(IDialogControls& controls)
{
    CDataExchange dx(controls, false);
    DoDataExchange(dx);
}

bool CSeriesConditionEditDlg::OnOK(IDialogControls& controls)
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
