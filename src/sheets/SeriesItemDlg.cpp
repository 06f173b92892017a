#include "sheets/SeriesItemDlg.h"

#include "platform/UserPrompts.h"
#include "sheets/DataExchange.h"
#include "sheets/DialogControls.h"

#include <cmath>

bool ValidateSeriesRange(double initial, double final, double step)
{
    const auto refuse = [](const char* text) {
        AfxMessageBox(text, MB_OK | MB_ICONWARNING);
        return false;
    };
    if (final == initial)
        return refuse("Initial value can not equal to final value!");
    if (!(initial > 0.0))
        return refuse("The initial value must greater than 0!");
    if (!(final > 0.0))
        return refuse("The final must greater than 0!");
    if (step == 0.0)
        return refuse("The step value can not equal to 0!");
    const double points = std::floor((std::fabs(final - initial) + std::fabs(step) - 1e-9) / std::fabs(step)) + 1.0;
    if (points > 10.0 &&
        AfxMessageBox("more than 10 series points to be created, continue?  cancel?", MB_OKCANCEL | MB_ICONWARNING) ==
            IDCANCEL)
        return false;
    return true;
}

void CSeriesItemDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_INITIAL, m_dInitial);
    dx.Text(IDC_CURRENT, m_dCurrent);
    dx.Text(IDC_STEP, m_dStep);
    dx.Text(IDC_FINAL, m_dFinal);
    if (!dx.IsSaving())
        dx.Text(IDC_CAPTION, m_strCaption);  // only shown
}

void CSeriesItemDlg::OnInitDialog(IDialogControls& controls)
{
    CDataExchange dx(controls, false);
    DoDataExchange(dx);
}

bool CSeriesItemDlg::OnOK(IDialogControls& controls)
{
    CDataExchange dx(controls, true);
    DoDataExchange(dx);
    if (dx.Failed())
        return false;
    if (m_strCaption.compare(0, 5, "point") == 0) {
        if (m_dFinal < m_dInitial) {
            AfxMessageBox("The to value can not less than from value!", MB_OK | MB_ICONWARNING);
            return false;
        }
        return true;
    }
    return ValidateSeriesRange(m_dInitial, m_dFinal, m_dStep);
}
