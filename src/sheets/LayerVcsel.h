#pragma once
// The "Vcsel" page (dialog 106) without its window, as far as the sheet's OK processing uses it:
// whether the edited layer is a VCSEL layer ("Input Vcsel"), how its section is made ("Equal
// Previous" copies a type of the document's list, "New Vcsel" gives a new type) and the section's
// values, with the type the layer had when the page opened.

#include "model/LayerBlocks.h"
#include "sheets/SheetPage.h"

#include <string>
#include <vector>

class CLayerRec;

class CLayerVcsel : public CSheetPage {
public:
    enum : int { IDC_TYPE_NAME = 1178 };
    enum CreateMode { EQUAL_PREVIOUS = 0, NEW_VCSEL = 1 };

    // New columns and layers (edit modes 1 and 2) make a new type and give the edit layer the
    // page's empty section; a modified layer starts from its flag and type name.
    CLayerVcsel();

    // Set when the page opens: the index of the layer's type in the document's list and its name;
    // -1 and empty for a layer that was no VCSEL layer.
    int m_nTypeIndexAtOpen = -1;
    std::string m_strTypeNameAtOpen;

    int m_nVcselFlag = 0;
    std::string m_strActive = "no";
    std::string m_strGratingModel = "1layer";
    int m_nMeshPoints = 0;
    float m_fSectionLoss = 0.0f;
    std::string m_strTypeName;
    float m_fSectionIndex = 0.0f;
    int m_nCreateMode = NEW_VCSEL;
    float m_fIndex[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    double m_dLayer[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    // The entry chosen among the document's types.
    int m_nSelectedType = 0;

    // The page opens: a VCSEL layer's type is looked up among the document's types and loaded.
    void OnInitPage(const std::vector<CVcselSection>& types);
    // Shows the values of the type at index (nothing when the list is empty).
    void SelectType(int index, const std::vector<CVcselSection>& types);
    // The sheet's "Load" choice: the page copies the existing type at index.
    void LoadExistingType(int index, const std::vector<CVcselSection>& types);

    CVcselSection GetSection() const;
    // The sheet's collection on OK: type name, flag and section into the layer.
    void CollectInto(CLayerRec& layer) const;
};
