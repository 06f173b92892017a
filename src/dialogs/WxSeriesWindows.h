#pragma once
// The windows of the edit-box series in the running program: the step dialog as a modal dialog and
// the series condition dialog as one modeless window over the main window.

#include "series/EditBoxSeries.h"

class CSeriesConditionWindow;
class wxWindow;

class CWxSeriesWindows : public ISeriesWindows {
public:
    bool RunConditionStep(CSeriesStep& step) override;
    void ShowConditionDialog(CSeriesConditionDlg& dialog) override;
    void DestroyConditionDialog(CSeriesConditionDlg& dialog) override;

    // The host whose series the window closes (Cancel, a generation that was written).
    void SetHost(CEditBoxSeries* host) { m_pHost = host; }
    // The open series dialog's window, nullptr when none is open.
    CSeriesConditionWindow* GetWindow() const { return m_pWindow; }

private:
    CEditBoxSeries* m_pHost = nullptr;
    CSeriesConditionWindow* m_pWindow = nullptr;
};
