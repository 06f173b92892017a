#pragma once
// The "Doping" page of the layer property sheet (dialog 226): the doping type radios, the
// concentration and Gauss tail boxes and the two new-doping indexes. The values and rules live in
// CLayerDop; this window shows them, with the boxes the type does not use read-only.

#include "dialogs/SheetPagePanel.h"

class CLayerDop;

class CLayerDopPanel : public CSheetPagePanel {
public:
    CLayerDopPanel(wxWindow* book, CLayerDop& page);

protected:
    void OnInitPage() override;

private:
    void CreateControls();
    void ShowControlStates();
    void OnType(wxCommandEvent& event);

    CLayerDop& m_doping;
};
