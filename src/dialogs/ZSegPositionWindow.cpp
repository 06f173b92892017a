#include "dialogs/ZSegPositionWindow.h"

#include "dialogs/DialogUnits.h"
#include "sheets/DataExchange.h"
#include "sheets/ZSegPositionDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

// The boxes of the dialog with their labels, in dialog units.
struct Box {
    const char* label;
    int id;
    int labelX, labelWidth, boxX, y;
};

const Box kBoxes[] = {
    {"From:", CZSegPositionDlg::IDC_FROM, 26, 28, 56, 19},
    {"To:", CZSegPositionDlg::IDC_TO, 112, 14, 128, 19},
    {"Segment length:", CZSegPositionDlg::IDC_SEGMENT_LENGTH, 26, 58, 86, 39},
    {"Taper length:", CZSegPositionDlg::IDC_TAPER_LENGTH, 26, 58, 86, 57},
};

const int kEnabledControls[] = {CZSegPositionDlg::IDC_FROM,       CZSegPositionDlg::IDC_TO,
                                CZSegPositionDlg::IDC_SEGMENT_LENGTH, CZSegPositionDlg::IDC_TAPER_LENGTH,
                                CZSegPositionDlg::IDC_LAYER_FILE, CZSegPositionDlg::IDC_IMPORT};

}  // namespace

CZSegPositionWindow::CZSegPositionWindow(wxWindow* parent, CZSegPositionDlg& dialog)
    : wxDialog(parent, wxID_ANY, CZSegPositionDlg::kCaption), m_dialog(dialog), m_controls(*this)
{
    CreateControls();
    CDataExchange show(m_controls, false);
    m_dialog.DoDataExchange(show);
    m_pByLengths->SetValue(m_dialog.GetPositionRadio() == CZSegPositionDlg::IDC_BY_LENGTHS);
    m_pByPosition->SetValue(m_dialog.GetPositionRadio() == CZSegPositionDlg::IDC_BY_POSITION);
    m_pUseExistingFile->SetValue(m_dialog.m_bUseExistingFile);
    UpdateEnables();
    CentreOnParent();
}

void CZSegPositionWindow::CreateControls()
{
    const CDialogUnits du(this);
    new wxStaticBox(this, wxID_ANY, "Position :", du.Point(7, 7), du.Size(186, 72));
    m_pByPosition = new wxRadioButton(this, CZSegPositionDlg::IDC_BY_POSITION, "", du.Point(12, 20), wxDefaultSize,
                                      wxRB_GROUP);
    m_pByLengths = new wxRadioButton(this, CZSegPositionDlg::IDC_BY_LENGTHS, "", du.Point(12, 40));
    for (const Box& box : kBoxes) {
        new wxStaticText(this, wxID_ANY, box.label, du.Point(box.labelX, box.y + 2), du.Size(box.labelWidth, 8));
        new wxTextCtrl(this, box.id, "", du.Point(box.boxX, box.y), du.Size(48, 12));
    }
    new wxStaticBox(this, wxID_ANY, "Import layer file", du.Point(7, 85), du.Size(186, 50));
    m_pUseExistingFile = new wxCheckBox(this, CZSegPositionDlg::IDC_USE_EXISTING_FILE, "Use existing layer file",
                                        du.Point(14, 97), du.Size(100, 10));
    new wxTextCtrl(this, CZSegPositionDlg::IDC_LAYER_FILE, "", du.Point(14, 114), du.Size(128, 12));
    auto* import = new wxButton(this, CZSegPositionDlg::IDC_IMPORT, "Import", du.Point(148, 113), du.Size(40, 14));
    auto* ok = new wxButton(this, wxID_OK, "OK", du.Point(201, 7), du.Size(50, 14));
    new wxButton(this, wxID_CANCEL, "Cancel", du.Point(201, 24), du.Size(50, 14));
    ok->SetDefault();
    SetClientSize(du.Size(258, 142));

    m_pByPosition->Bind(wxEVT_RADIOBUTTON, &CZSegPositionWindow::OnRadio, this);
    m_pByLengths->Bind(wxEVT_RADIOBUTTON, &CZSegPositionWindow::OnRadio, this);
    m_pUseExistingFile->Bind(wxEVT_CHECKBOX, &CZSegPositionWindow::OnUseExistingFile, this);
    import->Bind(wxEVT_BUTTON, &CZSegPositionWindow::OnImport, this);
    ok->Bind(wxEVT_BUTTON, &CZSegPositionWindow::OnOk, this);
}

void CZSegPositionWindow::UpdateEnables()
{
    for (int id : kEnabledControls)
        if (wxWindow* control = FindWindow(id))
            control->Enable(m_dialog.IsControlEnabled(id));
}

void CZSegPositionWindow::OnRadio(wxCommandEvent& event)
{
    if (event.GetId() == CZSegPositionDlg::IDC_BY_LENGTHS)
        m_dialog.OnRadioLengths();
    else
        m_dialog.OnRadioPosition();
    UpdateEnables();
}

void CZSegPositionWindow::OnUseExistingFile(wxCommandEvent&)
{
    m_dialog.OnUseExistingLayerFile(m_pUseExistingFile->GetValue());
    UpdateEnables();
}

void CZSegPositionWindow::OnImport(wxCommandEvent&) { m_dialog.OnImport(m_controls); }

void CZSegPositionWindow::OnOk(wxCommandEvent&)
{
    if (m_dialog.OnOK(m_controls))
        EndModal(wxID_OK);
}
