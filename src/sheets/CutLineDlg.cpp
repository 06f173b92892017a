#include "sheets/CutLineDlg.h"

#include "platform/NumberText.h"
#include "platform/UserPrompts.h"
#include "sheets/DataExchange.h"
#include "sheets/DialogControls.h"

std::string CCutLineDlg::GetPromptText() const
{
    return m_bVertical ? "  set cut line value between 0 and layer width:"
                       : "  set cut line value between 0 and layer heigth:";
}

std::string CCutLineDlg::GetRangeText() const { return StrFormat("From 0.0 to %.2f", m_dLimit); }

void CCutLineDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_VALUE, m_dValue);
    dx.MinMaxDouble(m_dValue, kMinValue, kMaxValue);
}

void CCutLineDlg::OnInitDialog(IDialogControls& controls)
{
    controls.SetControlText(IDC_PROMPT, GetPromptText());
    controls.SetControlText(IDC_RANGE, GetRangeText());
    CDataExchange dx(controls, false);
    DoDataExchange(dx);
}

bool CCutLineDlg::OnOK(IDialogControls& controls)
{
    CDataExchange dx(controls, true);
    DoDataExchange(dx);
    if (dx.Failed())
        return false;
    if (m_dValue >= m_dLimit) {
        AfxMessageBox("Input value is too big", MB_OK);
        return false;
    }
    return true;
}
