#pragma once
// The window of the series table (dialog 222, "Series table"): modeless and at most one. It shows
// the series name, the list of variables (a report list with grid lines and whole-row selection),
// the number of points, "Edit", "Delete", "Generate Series" and "Cancel". The variables and what
// the buttons do live in CModelSeriesTable; the window closes (and is destroyed with its variables)
// after "Generate Series" or "Cancel".

#include "series/ModelSeriesTable.h"

#include <wx/dialog.h>

class CTessaronDoc;
class wxListCtrl;
class wxListEvent;

class CSeriesTableDlg : public wxDialog {
public:
    // The one open table, or nullptr.
    static CSeriesTableDlg* s_pOpen;

    CSeriesTableDlg(wxWindow* parent, CTessaronDoc& doc);
    ~CSeriesTableDlg() override;

    CModelSeriesTable& Table() { return m_table; }
    // The list and the boxes show the table again.
    void ExchangeToControls();
    // The name and the value count boxes into the table; false (after the message) when the count
    // is no number.
    bool ExchangeFromControls();
    wxListCtrl* List() const { return m_pList; }

    void OnEdit(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnGenerate(wxCommandEvent& event);
    void OnCancelButton(wxCommandEvent& event);

private:
    void OnListActivated(wxListEvent& event);
    void OnClose(wxCloseEvent& event);
    // The one selected row, or -1 when none or several are selected.
    int SingleSelectedRow() const;
    // Destroys the window and the table with it; the frame repaints.
    void CloseTable();

    CTessaronDoc& m_doc;
    CModelSeriesTable m_table;
    wxListCtrl* m_pList = nullptr;
};
