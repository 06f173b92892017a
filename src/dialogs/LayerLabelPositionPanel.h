#pragma once
// The "Label Postion" page of the layer property sheet (dialog 360): the layer's labels on the
// left, its column's labels on the right, each with a list, a name box, a location choice, a
// distance box and the buttons "<=Add", "Remove=>" and "<=Set". The lists and their rules live in
// CLayerLabelPosition; this window shows them and passes on what the user does.

#include "dialogs/SheetPagePanel.h"
#include "sheets/LayerLabelPosition.h"

class wxChoice;
class wxListBox;

class CLayerLabelPositionPanel : public CSheetPagePanel {
public:
    CLayerLabelPositionPanel(wxWindow* book, CLayerLabelPosition& page);

    void ShowValues() override;

protected:
    void OnInitPage() override;

private:
    struct SideControls {
        wxListBox* list = nullptr;
        wxChoice* location = nullptr;
        int deltaId = 0;
    };

    void CreateSide(CLayerLabelPosition::Kind kind, int x);
    void FillList(CLayerLabelPosition::Kind kind);
    void UpdateDeltaEnable(CLayerLabelPosition::Kind kind);
    CLayerLabelPosition::Kind KindOf(int controlId) const;
    void OnListSelection(wxCommandEvent& event);
    void OnLocation(wxCommandEvent& event);
    void OnAdd(wxCommandEvent& event);
    void OnRemove(wxCommandEvent& event);
    void OnSet(wxCommandEvent& event);

    CLayerLabelPosition& m_labels;
    SideControls m_side[2];
};
