#include "dialogs/WxSeriesWindows.h"

#include "dialogs/ConditionStepDialog.h"
#include "dialogs/SeriesConditionWindow.h"
#include "sheets/ConditionStepDlg.h"

#include <wx/app.h>

bool CWxSeriesWindows::RunConditionStep(CSeriesStep& step)
{
    CConditionStepDlg values(step.m_dInitial, step.m_dFinal, step.m_nStepNumber, step.m_nGroupId);
    CConditionStepDialog dialog(nullptr, values);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    step.m_dInitial = values.m_dInitial;
    step.m_dFinal = values.m_dFinal;
    step.m_nStepNumber = values.m_nStepNumber;
    step.m_nGroupId = values.m_nGroupId;
    return true;
}

void CWxSeriesWindows::ShowConditionDialog(CSeriesConditionDlg& dialog)
{
    if (!m_pWindow) {
        m_pWindow = new CSeriesConditionWindow(wxTheApp->GetTopWindow(), dialog, [this] {
            if (m_pHost)
                m_pHost->CloseSeries();
        });
        // The frame takes its windows along when the program ends: a later close must not reach
        // a window that is gone.
        m_pWindow->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
            if (event.GetEventObject() == m_pWindow)
                m_pWindow = nullptr;
            event.Skip();
        });
    }
    m_pWindow->RefreshFromDialog();
    m_pWindow->Show();
    m_pWindow->Raise();
}

void CWxSeriesWindows::DestroyConditionDialog(CSeriesConditionDlg& dialog)
{
    // The dialog goes right after its window: nothing may call back into the window any more.
    dialog.m_Progress = nullptr;
    if (!m_pWindow)
        return;
    // The window may be closing from its own button: it goes once its events are handled.
    m_pWindow->Hide();
    m_pWindow->Destroy();
    m_pWindow = nullptr;
}
