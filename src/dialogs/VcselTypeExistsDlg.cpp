#include "dialogs/VcselTypeExistsDlg.h"

#include "dialogs/DialogUnits.h"
#include "platform/UserPrompts.h"

#include <wx/button.h>
#include <wx/stattext.h>

namespace {

const int kWidth = 264;
const int kHeight = 150;
const int kTextWidth = 250;

}  // namespace

CVcselTypeExistsDlg::CVcselTypeExistsDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, "Dialog")
{
    const CDialogUnits du(this);
    m_strMessage = MessageText();
    auto* message = new wxStaticText(this, IDC_MESSAGE, wxString::FromUTF8(m_strMessage), du.Point(7, 7),
                                     du.Size(kTextWidth, 110));
    message->Wrap(du.Size(kTextWidth, 0).x);
    const struct {
        int id;
        const char* label;
    } buttons[] = {{IDC_NEW_TEMPLET, "New Templet"}, {wxID_OK, "Overwrite"}, {IDC_LOAD, "Load"}, {wxID_CANCEL, "Cancel"}};
    int x = 7;
    for (const auto& b : buttons) {
        new wxButton(this, b.id, b.label, du.Point(x, 128), du.Size(56, 14));
        x += 64;
    }
    Bind(wxEVT_BUTTON, &CVcselTypeExistsDlg::OnOwnButton, this, IDC_NEW_TEMPLET);
    Bind(wxEVT_BUTTON, &CVcselTypeExistsDlg::OnOwnButton, this, IDC_LOAD);
    SetClientSize(du.Size(kWidth, kHeight));
    CentreOnParent();
}

std::string CVcselTypeExistsDlg::MessageText()
{
    return "Vcsel type already exists!\nPlease use a new type or overwrite the parameters' values of the exisiting "
           "type.\n\n\"New Templet\" to use a new vcsel type\n\n\"Overwrite\" to overwrite the parameters' values, "
           "this will apply to all the layers with the identical type;\n\n\"Load\" to use the existing type's "
           "parameters;";
}

int CVcselTypeExistsDlg::ChoiceOf(int endCode)
{
    switch (endCode) {
    case wxID_OK: return IDOK;
    case IDC_NEW_TEMPLET:
    case IDC_LOAD: return endCode;
    default: return IDCANCEL;
    }
}

void CVcselTypeExistsDlg::OnOwnButton(wxCommandEvent& event)
{
    if (Validate() && TransferDataFromWindow())
        EndModal(event.GetId());
}
