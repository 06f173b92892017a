#include "app/AboutDlg.h"

#include "PictureResources.h"
#include "app/PictureBitmap.h"
#include "app/TessaronApp.h"
#include "platform/VersionInfo.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/stattext.h>

namespace {

// The layout in dialog units: 256 x 128, the static texts named by their version keys.
struct StaticRes {
    int id;
    const char* key;
    int x, y, width, height;
    bool noPrefix;   // "&" stands for itself
};

const StaticRes kStatics[] = {
    {CAboutDlg::IDC_PRODUCT_NAME, "ProductName", 166, 13, 46, 8, false},
    {CAboutDlg::IDC_PRODUCT_VERSION, "ProductVersion", 206, 13, 50, 8, false},
    {CAboutDlg::IDC_PRIVATE_BUILD, "PrivateBuild", 165, 30, 33, 8, false},
    {CAboutDlg::IDC_SPECIAL_BUILD, "SpecialBuild", 201, 30, 45, 8, false},
    {CAboutDlg::IDC_COMPANY_NAME, "CompanyName", 161, 48, 85, 8, true},
    {CAboutDlg::IDC_LEGAL_COPYRIGHT, "LegalCopyright", 162, 60, 86, 8, false},
    {CAboutDlg::IDC_COMMENTS, "Comments", 168, 72, 65, 9, false},
};

const wxSize kDialogUnits(256, 128);
const wxPoint kOkPosition(178, 95);
const wxSize kOkSize(53, 14);

bool IsBuilder()
{
    const CTessaronApp* app = TheApp();
    return app && app->m_bBuilder;
}

void SetStaticText(wxStaticText* control, const wxString& text, bool noPrefix)
{
    if (noPrefix)
        control->SetLabelText(text);
    else
        control->SetLabel(text);
}

}  // namespace

int CAboutDlg::PictureId() { return IsBuilder() ? IDB_ABOUT_BUILDER : IDB_ABOUT_3D; }

bool CAboutDlg::Create(wxWindow* parent)
{
    if (!CPictureBitmap::Load(PictureId(), m_bitmap))
        return false;
    if (!wxDialog::Create(parent, wxID_ANY, "About Brenvik", wxDefaultPosition, wxDefaultSize,
                          wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX))
        return false;
    CreateControls();
    OnInitDialog();
    Bind(wxEVT_PAINT, &CAboutDlg::OnPaint, this);
    CentreOnParent();
    return true;
}

void CAboutDlg::CreateControls()
{
    SetClientSize(ConvertDialogToPixels(kDialogUnits));
    for (const StaticRes& s : kStatics) {
        auto* text = new wxStaticText(this, s.id, wxEmptyString, ConvertDialogToPixels(wxPoint(s.x, s.y)),
                                      ConvertDialogToPixels(wxSize(s.width, s.height)), wxST_NO_AUTORESIZE);
        SetStaticText(text, s.key, s.noPrefix);
    }
    auto* ok = new wxButton(this, wxID_OK, "OK", ConvertDialogToPixels(kOkPosition), ConvertDialogToPixels(kOkSize));
    ok->SetDefault();
    ok->SetFocus();
}

void CAboutDlg::OnInitDialog()
{
    // Each text names the version key whose value it shows; a key the program file carries no
    // value for keeps its name.
    for (const StaticRes& s : kStatics) {
        auto* control = static_cast<wxStaticText*>(FindWindow(s.id));
        std::string value;
        if (control && CVersionInfo::QueryValue(control->GetLabelText().ToStdString(wxConvUTF8), value))
            SetStaticText(control, wxString::FromUTF8(value), s.noPrefix);
    }
    if (IsBuilder())
        static_cast<wxStaticText*>(FindWindow(IDC_PRODUCT_NAME))->SetLabel("Brenvik");
}

wxString CAboutDlg::GetControlText(int id) const
{
    const auto* control = dynamic_cast<const wxStaticText*>(FindWindow(id));
    return control ? control->GetLabelText() : wxString();
}

void CAboutDlg::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    dc.DrawBitmap(m_bitmap, kPictureX, kPictureY, false);
}
