#pragma once
// The window of the layer property sheet: a notebook of the pages that have windows, OK and
// Cancel (no Apply, no Help), and the banner text painted beside the buttons. It shows a CGeneral,
// which does the sheet's work; the window commits pages, activates them, runs the VCSEL type
// choice and closes on the CGeneral's request.
//
// The sheet opens where it was last closed ("CGenearlDlg"/"left-top"), right-aligned on the
// screen the first time. The Enter key does nothing in the sheet: only the OK button accepts.
// Commands of the pages' menus that the sheet does not handle go on to the main frame; a command
// nobody handles shows disabled.

#include "sheets/LayerSheetWindow.h"

#include <wx/font.h>
#include <wx/propdlg.h>

#include <vector>

class CGeneral;
class CSheetPagePanel;
class wxBookCtrlEvent;
class wxButton;

class CGeneralSheet : public wxPropertySheetDialog, public ILayerSheetWindow {
public:
    CGeneralSheet(wxWindow* parent, CGeneral& general);
    ~CGeneralSheet() override;

    // What the sheet does as it opens: its place on the screen, the start page shown, the
    // CGeneral's opening steps. Call before ShowModal.
    void Open();

    // The page window of a page index of the layer form; null for a page without a window.
    CSheetPagePanel* FindPagePanel(int pageIndex) const;
    // Where the banner text goes: from the notebook's left edge to the OK button, as high as the
    // button, in client coordinates.
    wxRect GetBannerRect() const;
    const wxFont& GetBannerFont() const { return m_fontBanner; }

    // ILayerSheetWindow.
    bool CommitActivePage() override;
    bool ReadPage(int pageIndex) override;
    void RefreshPage(int pageIndex) override;
    void ActivatePage(int pageIndex, int focusControl) override;
    int RunVcselTypeExistsDlg() override;
    void EndOk() override;

    void EndModal(int retCode) override;

protected:
    bool TryAfter(wxEvent& event) override;

private:
    void AddPage(int pageIndex, CSheetPagePanel* panel, const char* caption);
    void CreateButtonRow();
    void PlaceOnScreen();
    CSheetPagePanel* ActivePanel() const;
    void OnOk(wxCommandEvent& event);
    void OnPageChanging(wxBookCtrlEvent& event);
    void OnPageChanged(wxBookCtrlEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnCharHook(wxKeyEvent& event);

    struct Page {
        int index;
        CSheetPagePanel* panel;
    };

    CGeneral& m_general;
    std::vector<Page> m_pages;
    wxButton* m_pOk = nullptr;
    wxFont m_fontBanner;
    int m_nReturnPage = -1;   // a page that refused to be left, to be shown again
};
