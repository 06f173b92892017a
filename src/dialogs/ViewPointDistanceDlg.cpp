#include "dialogs/ViewPointDistanceDlg.h"

#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cerrno>
#include <cstdlib>

CViewPointDistanceDlg::CViewPointDistanceDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "Setting View Point Distance")
{
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxStaticText(this, wxID_ANY, "Set View Point Distance"), 0, wxALL, ConvertDialogToPixels(wxSize(7, 0)).x);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    m_pEdit = new wxTextCtrl(this, kEditId, "", wxDefaultPosition, ConvertDialogToPixels(wxSize(40, 12)));
    row->Add(m_pEdit, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, ConvertDialogToPixels(wxSize(7, 0)).x);
    row->Add(new wxStaticText(this, wxID_ANY, "From 30 to 100"), 0, wxALIGN_CENTER_VERTICAL);
    column->Add(row, 0, wxLEFT | wxRIGHT | wxBOTTOM, ConvertDialogToPixels(wxSize(7, 0)).x);
    column->Add(CreateSeparatedButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, ConvertDialogToPixels(wxSize(7, 0)).x);
    SetSizerAndFit(column);
    CentreOnParent();
}

bool CViewPointDistanceDlg::ParseInteger(const std::string& text, int& value)
{
    const std::string t = Trim(text);
    size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
    if (i == t.size()) return false;
    for (size_t k = i; k < t.size(); ++k)
        if (!IsDigit(t[k])) return false;
    errno = 0;
    const long v = std::strtol(t.c_str(), nullptr, 10);
    if (errno == ERANGE || v < -2147483647L - 1 || v > 2147483647L) return false;
    value = int(v);
    return true;
}

bool CViewPointDistanceDlg::DoDataExchange(bool save)
{
    if (!save) {
        m_pEdit->ChangeValue(wxString::Format("%d", m_nValue));
        return true;
    }
    int value = 0;
    if (!ParseInteger(m_pEdit->GetValue().ToStdString(), value)) {
        AfxMessageBox("Please enter an integer.", MB_OK | MB_ICONEXCLAMATION);
        m_pEdit->SetFocus();
        return false;
    }
    if (value < kMinValue || value > kMaxValue) {
        AfxMessageBox("Please enter an integer between 30 and 100.", MB_OK | MB_ICONEXCLAMATION);
        m_pEdit->SetFocus();
        return false;
    }
    m_nValue = value;
    return true;
}
