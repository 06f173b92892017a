#include "dialogs/SeriesTableDlg.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/SeriesItemDialog.h"
#include "dialogs/WindowControls.h"
#include "platform/AppServices.h"
#include "sheets/DataExchange.h"
#include "sheets/SeriesItemDlg.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CSeriesTableDlg* CSeriesTableDlg::s_pOpen = nullptr;

CSeriesTableDlg::CSeriesTableDlg(wxWindow* parent, CTessaronDoc& doc)
    : wxDialog(parent, wxID_ANY, "Series table"), m_doc(doc)
{
    s_pOpen = this;
    const CDialogUnits du(this);
    new wxTextCtrl(this, CModelSeriesTable::IDC_NAME, "", du.Point(7, 7), du.Size(250, 13));
    m_pList = new wxListCtrl(this, CModelSeriesTable::IDC_LIST, du.Point(7, 25), du.Size(250, 100),
                             wxLC_REPORT | wxLC_HRULES | wxLC_VRULES | wxBORDER_SUNKEN);
    new wxStaticText(this, wxID_ANY, "Step number", du.Point(7, 134), du.Size(45, 9));
    new wxTextCtrl(this, CModelSeriesTable::IDC_VALUE_COUNT, "", du.Point(55, 132), du.Size(40, 13));
    new wxButton(this, CModelSeriesTable::IDC_EDIT, "Edit", du.Point(264, 25), du.Size(60, 14));
    new wxButton(this, CModelSeriesTable::IDC_DELETE, "Delete", du.Point(264, 43), du.Size(60, 14));
    auto* generate = new wxButton(this, wxID_OK, "Generate Series", du.Point(264, 93), du.Size(60, 14));
    generate->SetDefault();
    new wxButton(this, wxID_CANCEL, "Cancel", du.Point(264, 111), du.Size(60, 14));
    SetClientSize(du.Size(331, 152));

    // Four columns over the list's client width W: W / 5 each for the first three, the rest for
    // the description.
    const int width = m_pList->GetClientSize().GetWidth();
    for (int i = 0; i < CModelSeriesTable::kListColumns; ++i)
        m_pList->AppendColumn(CModelSeriesTable::kColumnHeadings[i], wxLIST_FORMAT_LEFT,
                              i < 3 ? width / 5 : width - 3 * (width / 5));

    Bind(wxEVT_BUTTON, &CSeriesTableDlg::OnEdit, this, CModelSeriesTable::IDC_EDIT);
    Bind(wxEVT_BUTTON, &CSeriesTableDlg::OnDelete, this, CModelSeriesTable::IDC_DELETE);
    Bind(wxEVT_BUTTON, &CSeriesTableDlg::OnGenerate, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CSeriesTableDlg::OnCancelButton, this, wxID_CANCEL);
    Bind(wxEVT_LIST_ITEM_ACTIVATED, &CSeriesTableDlg::OnListActivated, this, CModelSeriesTable::IDC_LIST);
    Bind(wxEVT_CLOSE_WINDOW, &CSeriesTableDlg::OnClose, this);
    ExchangeToControls();
}

CSeriesTableDlg::~CSeriesTableDlg()
{
    if (s_pOpen == this)
        s_pOpen = nullptr;
}

void CSeriesTableDlg::ExchangeToControls()
{
    m_pList->DeleteAllItems();
    for (int row = 0; row < m_table.GetRowCount(); ++row) {
        m_pList->InsertItem(row, wxString::FromUTF8(m_table.GetItemText(row, 0)));
        for (int column = 1; column < CModelSeriesTable::kListColumns; ++column)
            m_pList->SetItem(row, column, wxString::FromUTF8(m_table.GetItemText(row, column)));
    }
    CWindowControls controls(*this);
    CDataExchange dx(controls, false);
    dx.Text(CModelSeriesTable::IDC_VALUE_COUNT, m_table.m_nValueCount);
    dx.Text(CModelSeriesTable::IDC_NAME, m_table.m_strSeriesName);
}

bool CSeriesTableDlg::ExchangeFromControls()
{
    CWindowControls controls(*this);
    CDataExchange dx(controls, true);
    dx.Text(CModelSeriesTable::IDC_VALUE_COUNT, m_table.m_nValueCount);
    dx.Text(CModelSeriesTable::IDC_NAME, m_table.m_strSeriesName);
    return !dx.Failed();
}

int CSeriesTableDlg::SingleSelectedRow() const
{
    if (m_pList->GetSelectedItemCount() != 1)
        return -1;
    return static_cast<int>(m_pList->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

void CSeriesTableDlg::OnEdit(wxCommandEvent&)
{
    const int row = SingleSelectedRow();
    if (row < 0 || row >= m_table.GetRowCount() || row >= static_cast<int>(m_table.m_Variables.size()))
        return;
    const CSeriesVariable& variable = m_table.m_Variables[static_cast<std::size_t>(row)];
    CSeriesItemDlg values;
    values.m_dInitial = m_table.m_Rows[static_cast<std::size_t>(row)].initial;
    values.m_dFinal = m_table.m_Rows[static_cast<std::size_t>(row)].final;
    values.m_dCurrent = variable.m_dCurrent;
    values.m_strCaption = variable.GetName();
    CSeriesItemDialog dialog(this, values);
    if (dialog.ShowModal() != wxID_OK)
        return;
    m_table.SetRowRange(row, values.m_dInitial, values.m_dFinal);
    m_pList->SetItem(row, 1, wxString::FromUTF8(m_table.GetItemText(row, 1)));
    m_pList->SetItem(row, 2, wxString::FromUTF8(m_table.GetItemText(row, 2)));
}

void CSeriesTableDlg::OnListActivated(wxListEvent&)
{
    wxCommandEvent event;
    OnEdit(event);
}

void CSeriesTableDlg::OnDelete(wxCommandEvent&)
{
    const int row = SingleSelectedRow();
    if (row < 0)
        return;
    m_table.DeleteRow(row);
    m_pList->DeleteItem(row);
}

void CSeriesTableDlg::OnGenerate(wxCommandEvent&)
{
    CWaitCursor wait;
    if (!ExchangeFromControls())
        return;
    if (!m_table.OnOK(m_doc)) {
        CWindowControls(*this).FocusControl(CModelSeriesTable::IDC_VALUE_COUNT);
        return;
    }
    CloseTable();
}

void CSeriesTableDlg::OnCancelButton(wxCommandEvent&) { CloseTable(); }

void CSeriesTableDlg::OnClose(wxCloseEvent&) { CloseTable(); }

void CSeriesTableDlg::CloseTable()
{
    // The table goes with its window; the frame repaints at once.
    if (s_pOpen == this)
        s_pOpen = nullptr;
    wxWindow* parent = GetParent();
    Destroy();
    if (parent)
        parent->Refresh();
}
