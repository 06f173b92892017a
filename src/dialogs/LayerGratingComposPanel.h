#pragma once
// The "DFB/DBR grating setting" page of the layer property sheet (dialog 332): the four distances
// of the index profile with the profile drawn beside them, the macro names and parameter values of
// the high-index and the low-index section, the grating order, the column and "Input
// grating_compos". The values and their rules live in CLayerGratingCompos; this window shows them
// and draws the profile again every 200 ms from what the distance boxes hold.

#include "dialogs/SheetPagePanel.h"

#include <wx/timer.h>

class CLayerGratingCompos;
class wxCheckBox;
class wxChoice;
class wxPaintEvent;
class wxTimerEvent;

class CLayerGratingComposPanel : public CSheetPagePanel {
public:
    CLayerGratingComposPanel(wxWindow* book, CLayerGratingCompos& page);
    ~CLayerGratingComposPanel() override;

    void ShowValues() override;
    // The profile picture (control 1214).
    wxWindow* GetProfileWindow() const { return m_pProfile; }

protected:
    void OnInitPage() override;

private:
    void CreateControls();
    void CreateDistanceGroup();
    void CreateSection(int firstMacro, int y, const char* title, const char* const* labels);
    void UpdateEnabling();
    // The distances the boxes hold now; a box that holds no number shows the page's value.
    void ReadShownDistances(double distances[]) const;
    void OnParamChoice(wxCommandEvent& event);
    void OnOrderChoice(wxCommandEvent& event);
    void OnInputBox(wxCommandEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnPaintProfile(wxPaintEvent& event);

    CLayerGratingCompos& m_grating;
    wxChoice* m_pParam[4] = {nullptr, nullptr, nullptr, nullptr};
    wxChoice* m_pOrder = nullptr;
    wxCheckBox* m_pInput = nullptr;
    wxWindow* m_pProfile = nullptr;
    wxTimer m_timer;
};
