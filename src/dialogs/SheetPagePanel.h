#pragma once
// The window of one page of the layer property sheet, showing a CSheetPage. The sheet's notebook
// creates every page window at once; the page counts as shown (initialised) from the first time
// it is selected: then its own initialisation runs and its controls show its members. Until then
// the sheet neither reads nor shows it.
//
// Controls are found by their dialog control ids; the data exchange reads and writes their texts
// (text boxes by their text, choices by their selected entry).

#include "dialogs/WindowControls.h"

#include <wx/panel.h>

class CSheetPage;

class CSheetPagePanel : public wxPanel, public IDialogControls {
public:
    CSheetPagePanel(wxWindow* book, CSheetPage& page);

    CSheetPage& GetPage() { return m_page; }
    // Runs the page's initialisation the first time the page is shown.
    void InitialiseOnFirstShow();
    // Controls to members; false (after its message) when a value is refused.
    virtual bool ReadValues();
    // Members to controls (a page with more than text boxes shows the rest too).
    virtual void ShowValues();

    std::string GetControlText(int id) const override;
    void SetControlText(int id, const std::string& text) override;
    void FocusControl(int id) override;

protected:
    // The page's own part of its first showing, before its controls show the members.
    virtual void OnInitPage() {}

private:
    CSheetPage& m_page;
    CWindowControls m_controls;
};
