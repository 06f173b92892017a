#pragma once
// The "Vcsel" page (dialog 106) without its window: whether the edited layer is a VCSEL layer
// ("Input Vcsel"), how its section is made ("Equal Previous" copies a type of the document's list,
// "New Vcsel" gives a new type) and the section's values (active text, grating model, type name,
// mesh points, section loss, section index and up to nine layer and index pairs), with the type
// the layer had when the page opened.
//
// A modified layer shows its own section, taken from the edit image. The existing-types choice
// selects the list entry of exactly the layer's type name, or nothing when no entry carries it,
// so a layer whose type the list lacks keeps its own values.
//
// The window keeps the check box, the create-mode radios, the two text choices and the
// existing-types choice in the members as the user changes them; the boxes travel by the data
// exchange.

#include "model/LayerBlocks.h"
#include "sheets/SheetPage.h"

#include <string>
#include <vector>

class CLayerRec;

class CLayerVcsel : public CSheetPage {
public:
    enum : int {
        IDC_GRATING_MODEL = 1176,
        IDC_ACTIVE = 1177,
        IDC_TYPE_NAME = 1178,
        IDC_SECTION_LOSS = 1179,
        IDC_SECTION_INDEX = 1180,
        IDC_MESH_POINTS = 1181,
        IDC_INPUT_VCSEL = 1191,
        IDC_EQUAL_PREVIOUS = 1192,
        IDC_NEW_VCSEL = 1193,
        IDC_TYPES = 1194,
        IDC_FIRST_PAIR = 2000,  // Layer1, Index1, Layer2, Index2, ... up to 2017
    };
    enum CreateMode { EQUAL_PREVIOUS = 0, NEW_VCSEL = 1 };
    static constexpr int kPairs = 9;
    static const char kNoTypes[];  // "No Vcsel Templet"
    // The entries of the two text choices.
    static const char* const kGratingModels[kPairs];
    static const char* const kActiveTexts[2];

    // New columns and layers (edit modes 1 and 2) make a new type and give the edit layer the
    // page's empty section; a modified layer starts from its flag and its own section.
    CLayerVcsel();

    // The document's VCSEL type list the page's window offers (the sheet sets it).
    void SetTypeList(const std::vector<CVcselSection>* types) { m_pTypes = types; }
    const std::vector<CVcselSection>& GetTypeList() const;

    // Set when the page opens: the index of the layer's type in the document's list and its name;
    // -1 and empty for a layer that was no VCSEL layer. The index is -1 too for a VCSEL layer whose
    // type the list lacks.
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
    float m_fIndex[kPairs] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    double m_dLayer[kPairs] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    // The entry chosen among the document's types; -1 none.
    int m_nSelectedType = 0;

    void DoDataExchange(CDataExchange& dx) override;

    // The series parameter id of a numeric box (0 for a box without one).
    static int ParamIdOf(int controlId);
    // The entries of the existing-types choice: the types' names, or kNoTypes for an empty list.
    static std::vector<std::string> TypeEntries(const std::vector<CVcselSection>& types);
    // The grating model entry the page shows: the first that begins with the model text, searched
    // from the second entry on and round to the first (the first for an empty text); -1 none.
    int GetGratingModelSelection() const;

    // The page opens: a VCSEL layer's type is looked up among the document's types (exact name).
    void OnInitPage(const std::vector<CVcselSection>& types);
    // "Input Vcsel" ticked or cleared (the flag already holds the box's state).
    void OnInputVcsel(const std::vector<CVcselSection>& types);
    void OnEqualPrevious(const std::vector<CVcselSection>& types);
    void OnNewVcsel();
    // A grating model was chosen by its entry index (-1 none).
    void OnSelChangeGratingModel(int selection);
    // The existing-types choice moved to `index`: that type is loaded.
    void OnSelChangeTypes(int index, const std::vector<CVcselSection>& types);
    // Loads the type the existing-types choice selects (nothing for an empty list or no selection).
    void OnSelChangeTemplate(const std::vector<CVcselSection>& types);
    // Shows the values of the type at index (nothing when the list is empty).
    void SelectType(int index, const std::vector<CVcselSection>& types);
    // The sheet's "Load" choice: the page copies the existing type at index.
    void LoadExistingType(int index, const std::vector<CVcselSection>& types);

    // The number of layer and index pairs in use: 0 for "1layer", no model or no VCSEL flag.
    int GetPairCount() const;
    // What the controls allow in the page's present state.
    bool IsControlEnabled(int id) const;
    bool IsControlReadOnly(int id) const;

    CVcselSection GetSection() const;
    // The sheet's collection on OK: type name, flag and section into the layer.
    void CollectInto(CLayerRec& layer) const;

private:
    void LoadSection(const CVcselSection& section);
    void ShowGratingModelEntry();
    // A model with layer pairs has no section index of its own.
    void ClearUnusedSectionIndex();
    bool HasTypes() const { return m_bHasTypes; }

    bool m_bHasTypes = false;
    const std::vector<CVcselSection>* m_pTypes = nullptr;
};
