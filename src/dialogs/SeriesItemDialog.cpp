#include "dialogs/SeriesItemDialog.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/WindowControls.h"
#include "sheets/SeriesItemDlg.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CSeriesItemDialog::CSeriesItemDialog(wxWindow* parent, CSeriesItemDlg& values)
    : wxDialog(parent, wxID_ANY, "Series Item"), m_values(values)
{
    const CDialogUnits du(this);
    new wxStaticText(this, CSeriesItemDlg::IDC_CAPTION, "Doping Concentration", du.Point(7, 7), du.Size(90, 9));
    new wxTextCtrl(this, CSeriesItemDlg::IDC_CURRENT, "", du.Point(100, 5), du.Size(60, 13), wxTE_READONLY);
    new wxStaticText(this, wxID_ANY, "Initial", du.Point(7, 26), du.Size(30, 9));
    new wxTextCtrl(this, CSeriesItemDlg::IDC_INITIAL, "", du.Point(40, 24), du.Size(60, 13));
    auto* stepCaption = new wxStaticText(this, wxID_ANY, "Step", du.Point(7, 44), du.Size(30, 9));
    auto* step = new wxTextCtrl(this, CSeriesItemDlg::IDC_STEP, "", du.Point(40, 42), du.Size(60, 13));
    stepCaption->Hide();
    step->Hide();
    new wxStaticText(this, wxID_ANY, "Final", du.Point(7, 62), du.Size(30, 9));
    new wxTextCtrl(this, CSeriesItemDlg::IDC_FINAL, "", du.Point(40, 60), du.Size(60, 13));
    auto* ok = new wxButton(this, wxID_OK, "OK", du.Point(120, 24), du.Size(40, 14));
    ok->SetDefault();
    new wxButton(this, wxID_CANCEL, "Cancel", du.Point(120, 42), du.Size(40, 14));
    SetClientSize(du.Size(168, 82));
    Bind(wxEVT_BUTTON, &CSeriesItemDialog::OnOk, this, wxID_OK);
    CentreOnParent();

    CWindowControls controls(*this);
    m_values.OnInitDialog(controls);
    FindWindow(CSeriesItemDlg::IDC_INITIAL)->SetFocus();
}

void CSeriesItemDialog::OnOk(wxCommandEvent&)
{
    CWindowControls controls(*this);
    if (m_values.OnOK(controls))
        EndModal(wxID_OK);
}
