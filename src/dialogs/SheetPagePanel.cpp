#include "dialogs/SheetPagePanel.h"

#include "sheets/DataExchange.h"
#include "sheets/SheetPage.h"

#include <wx/choice.h>
#include <wx/textctrl.h>

CSheetPagePanel::CSheetPagePanel(wxWindow* book, CSheetPage& page) : wxPanel(book, wxID_ANY), m_page(page) {}

void CSheetPagePanel::InitialiseOnFirstShow()
{
    if (m_page.IsInitialised())
        return;
    m_page.MarkInitialised();
    OnInitPage();
    ShowValues();
}

bool CSheetPagePanel::ReadValues()
{
    CDataExchange dx(*this, true);
    m_page.DoDataExchange(dx);
    return !dx.Failed();
}

void CSheetPagePanel::ShowValues()
{
    CDataExchange dx(*this, false);
    m_page.DoDataExchange(dx);
}

std::string CSheetPagePanel::GetControlText(int id) const
{
    wxWindow* control = FindWindow(id);
    if (auto* text = dynamic_cast<wxTextCtrl*>(control))
        return text->GetValue().ToStdString(wxConvUTF8);
    if (auto* choice = dynamic_cast<wxChoice*>(control))
        return choice->GetStringSelection().ToStdString(wxConvUTF8);
    return {};
}

void CSheetPagePanel::SetControlText(int id, const std::string& text)
{
    wxWindow* control = FindWindow(id);
    if (auto* box = dynamic_cast<wxTextCtrl*>(control))
        box->ChangeValue(wxString::FromUTF8(text));
    else if (auto* choice = dynamic_cast<wxChoice*>(control))
        choice->SetStringSelection(wxString::FromUTF8(text));
}

void CSheetPagePanel::FocusControl(int id)
{
    wxWindow* control = FindWindow(id);
    if (!control)
        return;
    control->SetFocus();
    if (auto* text = dynamic_cast<wxTextCtrl*>(control))
        text->SelectAll();
}
