#pragma once
// The About box: the mode's product picture and the version texts of the program file. The seven
// texts start as the names of their version keys and show the values the program carries under
// them; in the layer builder the product name is "Brenvik".

#include <wx/bitmap.h>
#include <wx/dialog.h>

class CAboutDlg : public wxDialog {
public:
    // Controls, in order: product name, product version, private build, special build, legal
    // copyright, company name, comments; and where the picture is painted.
    enum : int {
        IDC_PRODUCT_NAME = 3000,
        IDC_PRODUCT_VERSION = 3001,
        IDC_PRIVATE_BUILD = 3002,
        IDC_SPECIAL_BUILD = 3003,
        IDC_LEGAL_COPYRIGHT = 3004,
        IDC_COMPANY_NAME = 3005,
        IDC_COMMENTS = 3006,
    };
    static constexpr int kPictureX = 10;
    static constexpr int kPictureY = 15;

    CAboutDlg() = default;
    // Builds the box; false (no window) when the picture cannot be loaded.
    bool Create(wxWindow* parent);

    // The picture: 297 in the layer builder, 277 in the 3-D editor.
    static int PictureId();
    const wxBitmap& GetPicture() const { return m_bitmap; }
    // The text of control `id` (3000 to 3006).
    wxString GetControlText(int id) const;

private:
    void CreateControls();
    // Puts the program's version texts into the controls that name their keys.
    void OnInitDialog();
    void OnPaint(wxPaintEvent& event);

    wxBitmap m_bitmap;
};
