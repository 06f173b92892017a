#pragma once
// The " Size_Info" page of the layer property sheet (dialog 216): height, width and edge widths
// each with a numeric box and a scroll bar, the regular/irregular switch and the wave-equation
// choice. The values and their rules live in CLayerSize; this window shows them.

#include "dialogs/SheetPagePanel.h"

class CLayerSize;
class CSeriesEdit;
class wxButton;
class wxChoice;
class wxScrollBar;
class wxScrollEvent;

class CLayerSizePanel : public CSheetPagePanel {
public:
    CLayerSizePanel(wxWindow* book, CLayerSize& page);

protected:
    void OnInitPage() override;

private:
    void CreateControls();
    void UpdateGraphButton();
    void ShowBarPosition(int barId);
    void OnBoxText(wxCommandEvent& event);
    void OnWaveEquation(wxCommandEvent& event);
    void OnConvert(wxCommandEvent& event);
    void OnScroll(wxScrollEvent& event);

    CLayerSize& m_size;
    wxChoice* m_pWaveEquation = nullptr;
    wxButton* m_pConvert = nullptr;
};
