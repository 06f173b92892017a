#include "dialogs/SeriesConditionWindow.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/SeriesConditionEditDialog.h"
#include "series/SeriesConditionDlg.h"
#include "sheets/SeriesConditionEditDlg.h"

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CSeriesConditionWindow::CSeriesConditionWindow(wxWindow* parent, CSeriesConditionDlg& dialog,
                                               std::function<void()> onClose)
    : wxDialog(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_dialog(dialog), m_onClose(std::move(onClose))
{
    using Dlg = CSeriesConditionDlg;
    const CDialogUnits du(this);
    new wxStaticText(this, wxID_ANY, "Series name:", du.Point(7, 9), du.Size(46, 8));
    m_pName = new wxTextCtrl(this, Dlg::IDC_SERIES_NAME, "", du.Point(56, 7), du.Size(250, 13));
    // The list takes the place of the hidden button 1011.
    const wxPoint listPlace = du.Point(7, 26);
    const wxSize listSize = du.Size(380, 120);
    m_pList = new wxListCtrl(this, CSeriesListCtrl::IDC_LIST, listPlace, listSize,
                             wxLC_REPORT | wxLC_HRULES | wxLC_VRULES | wxBORDER_SUNKEN);
    for (int c = 0; c < CSeriesListCtrl::kColumnCount; ++c)
        m_pList->AppendColumn(CSeriesListCtrl::ColumnHeading(c), wxLIST_FORMAT_LEFT, CSeriesListCtrl::ColumnWidth(c));
    m_pProgress = new wxGauge(this, Dlg::IDC_PROGRESS, 1, du.Point(7, 150), du.Size(380, 8));
    m_pProgress->Hide();
    const struct {
        int id;
        const char* label;
    } buttons[] = {{Dlg::IDC_EDIT, "Edit"},
                   {Dlg::IDC_DELETE, "Delete"},
                   {Dlg::IDC_SAVE_SETTING, "Save setting"},
                   {wxID_CANCEL, "Cancel"},
                   {wxID_OK, "Generate Series"}};
    int x = 7;
    for (const auto& button : buttons) {
        new wxButton(this, button.id, button.label, du.Point(x, 162), du.Size(66, 14));
        x += 78;
    }
    static_cast<wxButton*>(FindWindow(wxID_OK))->SetDefault();
    SetClientSize(du.Size(394, 184));

    Bind(wxEVT_BUTTON, &CSeriesConditionWindow::OnEdit, this, Dlg::IDC_EDIT);
    Bind(wxEVT_BUTTON, &CSeriesConditionWindow::OnDelete, this, Dlg::IDC_DELETE);
    Bind(wxEVT_BUTTON, &CSeriesConditionWindow::OnSaveSetting, this, Dlg::IDC_SAVE_SETTING);
    Bind(wxEVT_BUTTON, &CSeriesConditionWindow::OnGenerate, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CSeriesConditionWindow::OnCancel, this, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, &CSeriesConditionWindow::OnCloseWindow, this);
    Bind(wxEVT_LIST_ITEM_ACTIVATED, &CSeriesConditionWindow::OnListActivated, this);
    // What the user types is the series name, whatever adds to the list later.
    m_pName->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
        m_dialog.m_strSeriesName = m_pName->GetValue().ToStdString(wxConvUTF8);
    });
    m_dialog.m_Progress = [this](long long done, long long total) {
        m_pProgress->SetRange(static_cast<int>(total));
        m_pProgress->SetValue(static_cast<int>(done));
        m_pProgress->Update();
    };
    CentreOnParent();
}

void CSeriesConditionWindow::RefreshFromDialog()
{
    m_pName->ChangeValue(wxString::FromUTF8(m_dialog.m_strSeriesName));
    m_pList->DeleteAllItems();
    const CSeriesListCtrl& list = m_dialog.List();
    for (int row = 0; row < list.Table().GetCount(); ++row) {
        m_pList->InsertItem(row, wxString::FromUTF8(list.CellText(row, 0)));
        for (int c = 1; c < CSeriesListCtrl::kColumnCount; ++c)
            m_pList->SetItem(row, c, wxString::FromUTF8(list.CellText(row, c)));
    }
}

std::vector<int> CSeriesConditionWindow::SelectedRows() const
{
    std::vector<int> rows;
    for (long row = m_pList->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); row != -1;
         row = m_pList->GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
        rows.push_back(static_cast<int>(row));
    return rows;
}

void CSeriesConditionWindow::OnEdit(wxCommandEvent&)
{
    const int row = m_dialog.RowToEdit(SelectedRows());
    if (row < 0)
        return;
    const CSeriesTable& table = m_dialog.List().Table();
    const CSeriesItem& item = table.GetItem(row);
    CSeriesConditionEditDlg values;
    values.m_strFileName = item.m_strFile;
    values.m_nLine = item.m_nLine;
    values.m_strVariable = item.m_strVariable;
    values.m_dInitial = item.m_dInitial;
    values.m_dFinal = item.m_dFinal;
    values.m_nGroupId = item.m_nGroupId;
    values.m_nStepNumber = table.FindGroup(item.m_nGroupId);
    CSeriesConditionEditDialog edit(this, values);
    if (edit.ShowModal() != wxID_OK)
        return;
    m_dialog.ApplyEdit(row, values.m_dInitial, values.m_dFinal, values.m_nGroupId, values.m_nStepNumber);
    RefreshFromDialog();
}

void CSeriesConditionWindow::OnListActivated(wxListEvent&)
{
    wxCommandEvent event;
    OnEdit(event);
}

void CSeriesConditionWindow::OnDelete(wxCommandEvent&)
{
    m_dialog.OnDelete(SelectedRows());
    RefreshFromDialog();
}

void CSeriesConditionWindow::OnSaveSetting(wxCommandEvent&) { m_dialog.OnSaveSetting(); }

void CSeriesConditionWindow::OnGenerate(wxCommandEvent&)
{
    m_dialog.m_strSeriesName = m_pName->GetValue().ToStdString(wxConvUTF8);
    m_pProgress->Show();
    const bool written = m_dialog.OnGenerate();
    m_pProgress->Hide();
    if (written)
        m_onClose();
}

void CSeriesConditionWindow::OnCancel(wxCommandEvent&) { m_onClose(); }

void CSeriesConditionWindow::OnCloseWindow(wxCloseEvent&) { m_onClose(); }
