#pragma once
// The window of the series condition dialog (dialog 108), modeless: the series name, the list of
// the series' items (control 8888, in the place of the hidden button 1011), a progress bar shown
// while a generation runs, and the buttons Edit, Delete, "Save setting", Cancel and "Generate
// Series". What the buttons do lives in CSeriesConditionDlg; the window closes through `onClose`
// (Cancel, and a generation that was written).

#include <wx/dialog.h>

#include <functional>
#include <vector>

class CSeriesConditionDlg;
class wxGauge;
class wxListCtrl;
class wxListEvent;
class wxTextCtrl;

class CSeriesConditionWindow : public wxDialog {
public:
    CSeriesConditionWindow(wxWindow* parent, CSeriesConditionDlg& dialog, std::function<void()> onClose);

    // The name and the rows as the dialog now has them.
    void RefreshFromDialog();
    wxListCtrl* GetList() const { return m_pList; }

private:
    std::vector<int> SelectedRows() const;
    void OnEdit(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnSaveSetting(wxCommandEvent& event);
    void OnGenerate(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    void OnListActivated(wxListEvent& event);

    CSeriesConditionDlg& m_dialog;
    std::function<void()> m_onClose;
    wxTextCtrl* m_pName = nullptr;
    wxListCtrl* m_pList = nullptr;
    wxGauge* m_pProgress = nullptr;
};
