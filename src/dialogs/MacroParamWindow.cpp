#include "dialogs/MacroParamWindow.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/SeriesEdit.h"
#include "sheets/DataExchange.h"
#include "sheets/MacroParamDlg.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

const int kRowHeight = 18;
const int kFirstRow = 8;

}  // namespace

CMacroParamWindow::CMacroParamWindow(wxWindow* parent, CMacroParamDlg& values, CMacroList& macros)
    : wxDialog(parent, wxID_ANY, "Set Macro Parameter"), m_values(values), m_controls(*this)
{
    const CDialogUnits du(this);
    for (int i = 0; i < CMacroParamDlg::kValues; ++i) {
        const int y = kFirstRow + i * kRowHeight;
        new wxStaticText(this, CMacroParamDlg::IDC_LABEL1 + i, "", du.Point(7, y + 2), du.Size(60, 9));
        auto* box = new CSeriesEdit(this, CMacroParamDlg::IDC_VALUE1 + i, du.Point(70, y), du.Size(60, 12));
        box->SetParamId(values.GetParamId(i));
    }
    new wxStaticText(this, CMacroParamDlg::IDC_SIX_KEPT, wxString::FromUTF8(CMacroParamDlg::SixKeptText()),
                     du.Point(7, kFirstRow + 6 * kRowHeight), du.Size(300, 9));
    new wxTextCtrl(this, CMacroParamDlg::IDC_MACRO_TEXT, "", du.Point(140, 8), du.Size(170, 104),
                   wxTE_MULTILINE | wxTE_READONLY | wxHSCROLL);
    auto* ok = new wxButton(this, wxID_OK, "OK", du.Point(200, 130), du.Size(50, 14));
    ok->SetDefault();
    new wxButton(this, wxID_CANCEL, "Cancel", du.Point(260, 130), du.Size(50, 14));
    SetClientSize(du.Size(318, 150));
    Bind(wxEVT_BUTTON, &CMacroParamWindow::OnOk, this, wxID_OK);
    CentreOnParent();

    values.OnInitDialog(macros);
    values.OnShowWindow(macros);
    ShowLabelsAndBoxes();
    CDataExchange dx(m_controls, false);
    values.DoDataExchange(dx);
}

void CMacroParamWindow::ShowLabelsAndBoxes()
{
    for (int i = 0; i < CMacroParamDlg::kValues; ++i) {
        FindWindow(CMacroParamDlg::IDC_LABEL1 + i)->Show(m_values.IsBoxShown(i));
        FindWindow(CMacroParamDlg::IDC_VALUE1 + i)->Show(m_values.IsBoxShown(i));
    }
    FindWindow(CMacroParamDlg::IDC_SIX_KEPT)->Show(m_values.IsSixKeptShown());
}

void CMacroParamWindow::OnOk(wxCommandEvent&)
{
    if (m_values.OnOK(m_controls))
        EndModal(wxID_OK);
}
