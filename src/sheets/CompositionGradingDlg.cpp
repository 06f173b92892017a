#include "sheets/CompositionGradingDlg.h"

#include "sheets/DataExchange.h"

namespace {

const char* const kDirectionTexts[CCompositionGradingDlg::kDirections] = {"+x", "-x", "+y", "-y"};

}  // namespace

void CCompositionGradingDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_FROM, m_fFrom);
    dx.Text(IDC_TO, m_fTo);
    dx.Radio(IDC_PLUS_X, kDirections, m_nDirection);
}

bool CCompositionGradingDlg::OnOK(IDialogControls& controls)
{
    CDataExchange dx(controls, true);
    DoDataExchange(dx);
    return !dx.Failed();
}

int CCompositionGradingDlg::DirectionIndex(const std::string& text)
{
    for (int i = 0; i < kDirections; ++i)
        if (text == kDirectionTexts[i])
            return i;
    return -1;
}

std::string CCompositionGradingDlg::DirectionText(int index)
{
    return index >= 0 && index < kDirections ? kDirectionTexts[index] : std::string();
}
