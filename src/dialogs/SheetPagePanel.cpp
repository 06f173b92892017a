#include "dialogs/SheetPagePanel.h"

#include "sheets/DataExchange.h"
#include "sheets/SheetPage.h"

CSheetPagePanel::CSheetPagePanel(wxWindow* book, CSheetPage& page)
    : wxPanel(book, wxID_ANY), m_page(page), m_controls(*this)
{
}

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

std::string CSheetPagePanel::GetControlText(int id) const { return m_controls.GetControlText(id); }

void CSheetPagePanel::SetControlText(int id, const std::string& text) { m_controls.SetControlText(id, text); }

void CSheetPagePanel::FocusControl(int id) { m_controls.FocusControl(id); }
