#include "dialogs/CompositionGradingWindow.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/SeriesEdit.h"
#include "sheets/CompositionGradingDlg.h"
#include "sheets/DataExchange.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

CCompositionGradingWindow::CCompositionGradingWindow(wxWindow* parent, CCompositionGradingDlg& values)
    : wxDialog(parent, wxID_ANY, "DialogBox Of Composition_grading"), m_values(values), m_controls(*this)
{
    const CDialogUnits du(this);
    new wxStaticText(this, wxID_ANY, "grading_from:", du.Point(10, 12), du.Size(50, 9));
    auto* from = new CSeriesEdit(this, CCompositionGradingDlg::IDC_FROM, du.Point(64, 10), du.Size(50, 12));
    new wxStaticText(this, wxID_ANY, "grading_to:", du.Point(10, 30), du.Size(50, 9));
    auto* to = new CSeriesEdit(this, CCompositionGradingDlg::IDC_TO, du.Point(64, 28), du.Size(50, 12));
    from->SetParamId(values.GetFromParamId());
    to->SetParamId(values.GetToParamId());
    from->SetEditable(!values.AreBoxesReadOnly());
    to->SetEditable(!values.AreBoxesReadOnly());

    new wxStaticBox(this, wxID_ANY, "Direction", du.Point(124, 4), du.Size(60, 60));
    for (int i = 0; i < CCompositionGradingDlg::kDirections; ++i)
        new wxRadioButton(this, CCompositionGradingDlg::IDC_PLUS_X + i,
                          wxString::FromUTF8(CCompositionGradingDlg::DirectionText(i)), du.Point(132, 14 + i * 12),
                          du.Size(40, 10), i == 0 ? wxRB_GROUP : 0);
    // Checked when no direction is chosen: a radio group of the toolkit always has one checked.
    m_pNoDirection = new wxRadioButton(this, wxID_ANY, "", du.Point(132, 14));
    m_pNoDirection->Hide();

    auto* ok = new wxButton(this, wxID_OK, "OK", du.Point(10, 72), du.Size(50, 14));
    ok->SetDefault();
    new wxButton(this, wxID_CANCEL, "Cancel", du.Point(70, 72), du.Size(50, 14));
    SetClientSize(du.Size(192, 94));
    Bind(wxEVT_BUTTON, &CCompositionGradingWindow::OnOk, this, wxID_OK);
    CentreOnParent();

    ShowValues();
    if (const int focus = values.GetInitialFocus())
        FindWindow(focus)->SetFocus();
}

void CCompositionGradingWindow::ShowValues()
{
    CDataExchange dx(m_controls, false);
    m_values.DoDataExchange(dx);
    if (m_values.m_nDirection < 0)
        m_pNoDirection->SetValue(true);
}

void CCompositionGradingWindow::OnOk(wxCommandEvent&)
{
    if (m_values.OnOK(m_controls))
        EndModal(wxID_OK);
}
