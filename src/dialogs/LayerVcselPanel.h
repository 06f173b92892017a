#pragma once
// The "Vcsel" page of the layer property sheet (dialog 106): "Input Vcsel", the create mode with
// the document's existing types, the type name, grating model, active text, mesh points, section
// loss and index, and the nine layer and index pairs. The values and their rules live in
// CLayerVcsel; this window shows them and passes on what the user does.

#include "dialogs/SheetPagePanel.h"

class CLayerVcsel;
class wxCheckBox;
class wxChoice;
class wxRadioButton;

class CLayerVcselPanel : public CSheetPagePanel {
public:
    CLayerVcselPanel(wxWindow* book, CLayerVcsel& page);

    void ShowValues() override;

protected:
    void OnInitPage() override;

private:
    void CreateControls();
    void CreatePairs();
    void FillTypes();
    void UpdateControls();
    void OnInputVcsel(wxCommandEvent& event);
    void OnEqualPrevious(wxCommandEvent& event);
    void OnNewVcsel(wxCommandEvent& event);
    void OnGratingModel(wxCommandEvent& event);
    void OnActive(wxCommandEvent& event);
    void OnTypes(wxCommandEvent& event);

    CLayerVcsel& m_vcsel;
    wxCheckBox* m_pInput = nullptr;
    wxRadioButton* m_pEqualPrevious = nullptr;
    wxRadioButton* m_pNewVcsel = nullptr;
    wxChoice* m_pTypes = nullptr;
    wxChoice* m_pGratingModel = nullptr;
    wxChoice* m_pActive = nullptr;
};
