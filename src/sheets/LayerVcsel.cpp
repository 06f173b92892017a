#include "sheets/LayerVcsel.h"

#include "model/ProcessState.h"
#include "platform/StringUtil.h"
#include "sheets/DataExchange.h"

#include <algorithm>

namespace {

// Series parameter ids: 100 + the box's position (section loss 0, section index 2, Layer1..9
// 3..11, Index1..9 12..20).
const int kFirstParamId = 100;
const int kSectionLossPosition = 0;
const int kSectionIndexPosition = 2;
const int kFirstLayerPosition = 3;
const int kFirstIndexPosition = 12;

int LayerBox(int pair) { return CLayerVcsel::IDC_FIRST_PAIR + 2 * pair; }
int IndexBox(int pair) { return CLayerVcsel::IDC_FIRST_PAIR + 2 * pair + 1; }

}  // namespace

const char CLayerVcsel::kNoTypes[] = "No Vcsel Templet";
const char* const CLayerVcsel::kGratingModels[kPairs] = {"1layer",  "2layers", "3layers", "4layers", "5layers",
                                                          "6layers", "7layers", "8layers", "9layers"};
const char* const CLayerVcsel::kActiveTexts[2] = {"yes", "no"};

CLayerVcsel::CLayerVcsel()
{
    if (g_nLayerEditMode == 1 || g_nLayerEditMode == 2) {
        m_nCreateMode = NEW_VCSEL;
        g_EditLayer.m_Vcsel = GetSection();
        return;
    }
    m_nCreateMode = EQUAL_PREVIOUS;
    m_nVcselFlag = g_EditLayer.m_nVcselFlag;
    LoadSection(g_EditLayer.m_Vcsel);
}

const std::vector<CVcselSection>& CLayerVcsel::GetTypeList() const
{
    static const std::vector<CVcselSection> none;
    return m_pTypes ? *m_pTypes : none;
}

void CLayerVcsel::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_MESH_POINTS, m_nMeshPoints);
    dx.Text(IDC_SECTION_LOSS, m_fSectionLoss);
    dx.Text(IDC_SECTION_INDEX, m_fSectionIndex);
    for (int k = 0; k < kPairs; ++k)
        dx.Text(IndexBox(k), m_fIndex[k]);
    dx.Text(IDC_TYPE_NAME, m_strTypeName);
    for (int k = 0; k < kPairs; ++k)
        dx.Text(LayerBox(k), m_dLayer[k]);
}

int CLayerVcsel::ParamIdOf(int controlId)
{
    if (controlId == IDC_SECTION_LOSS)
        return kFirstParamId + kSectionLossPosition;
    if (controlId == IDC_SECTION_INDEX)
        return kFirstParamId + kSectionIndexPosition;
    const int pairBox = controlId - IDC_FIRST_PAIR;
    if (pairBox < 0 || pairBox >= 2 * kPairs)
        return 0;
    const int first = pairBox % 2 == 0 ? kFirstLayerPosition : kFirstIndexPosition;
    return kFirstParamId + first + pairBox / 2;
}

std::vector<std::string> CLayerVcsel::TypeEntries(const std::vector<CVcselSection>& types)
{
    std::vector<std::string> entries;
    for (const CVcselSection& type : types)
        entries.push_back(type.m_strVcselType);
    if (entries.empty())
        entries.push_back(kNoTypes);
    return entries;
}

int CLayerVcsel::GetGratingModelSelection() const
{
    if (m_strGratingModel.empty())
        return 0;
    for (int k = 1; k <= kPairs; ++k) {
        const int i = k % kPairs;
        if (StartsWith(kGratingModels[i], m_strGratingModel))
            return i;
    }
    return -1;
}

void CLayerVcsel::OnInitPage(const std::vector<CVcselSection>& types)
{
    m_bHasTypes = !types.empty();
    m_nSelectedType = 0;
    if (!m_nVcselFlag) {
        m_nTypeIndexAtOpen = -1;
        m_strTypeNameAtOpen.clear();
    } else {
        // Only the entry of exactly the layer's type stands for it; the page keeps showing the
        // layer's own section either way.
        const auto found = std::find_if(types.begin(), types.end(), [this](const CVcselSection& type) {
            return type.m_strVcselType == m_strTypeName;
        });
        m_nSelectedType = found == types.end() ? -1 : static_cast<int>(found - types.begin());
        m_nTypeIndexAtOpen = m_nSelectedType;
        m_strTypeNameAtOpen = m_strTypeName;
    }
    ShowGratingModelEntry();
}

void CLayerVcsel::OnInputVcsel(const std::vector<CVcselSection>& types)
{
    if (!types.empty())
        OnSelChangeTemplate(types);
    else
        m_nCreateMode = NEW_VCSEL;
    ClearUnusedSectionIndex();
}

void CLayerVcsel::OnEqualPrevious(const std::vector<CVcselSection>& types)
{
    m_nCreateMode = EQUAL_PREVIOUS;
    OnSelChangeTemplate(types);
    ClearUnusedSectionIndex();
}

void CLayerVcsel::OnNewVcsel()
{
    m_nCreateMode = NEW_VCSEL;
    ClearUnusedSectionIndex();
}

void CLayerVcsel::OnSelChangeGratingModel(int selection)
{
    m_strGratingModel = selection >= 0 && selection < kPairs ? kGratingModels[selection] : "";
    ClearUnusedSectionIndex();
}

void CLayerVcsel::OnSelChangeTypes(int index, const std::vector<CVcselSection>& types)
{
    m_nSelectedType = index;
    OnSelChangeTemplate(types);
}

void CLayerVcsel::OnSelChangeTemplate(const std::vector<CVcselSection>& types)
{
    SelectType(m_nSelectedType, types);
}

void CLayerVcsel::SelectType(int index, const std::vector<CVcselSection>& types)
{
    m_nSelectedType = index;
    if (index < 0 || index >= static_cast<int>(types.size()))
        return;
    LoadSection(types[index]);
    ShowGratingModelEntry();
}

void CLayerVcsel::ShowGratingModelEntry()
{
    // The choice shows the entry the model text begins with, and reading it back gives that
    // entry's whole text.
    const int model = GetGratingModelSelection();
    m_strGratingModel = model >= 0 ? kGratingModels[model] : "";
    ClearUnusedSectionIndex();
}

void CLayerVcsel::LoadExistingType(int index, const std::vector<CVcselSection>& types)
{
    m_nCreateMode = EQUAL_PREVIOUS;
    SelectType(index, types);
}

void CLayerVcsel::LoadSection(const CVcselSection& section)
{
    m_strActive = section.m_strActive;
    m_strTypeName = section.m_strVcselType;
    m_nMeshPoints = section.m_nMeshPoints;
    m_fSectionLoss = section.m_fSectionLoss;
    m_fSectionIndex = section.m_fSectionIndex;
    std::copy(std::begin(section.m_fIndex), std::end(section.m_fIndex), m_fIndex);
    std::copy(std::begin(section.m_dLayer), std::end(section.m_dLayer), m_dLayer);
    m_strGratingModel = section.m_strGratingModel;
}

int CLayerVcsel::GetPairCount() const
{
    const int model = GetGratingModelSelection();
    return m_nVcselFlag && model > 0 ? model + 1 : 0;
}

void CLayerVcsel::ClearUnusedSectionIndex()
{
    if (m_nVcselFlag && GetGratingModelSelection() != 0)
        m_fSectionIndex = 0.0f;
}

bool CLayerVcsel::IsControlEnabled(int id) const
{
    const bool isNew = m_nCreateMode == NEW_VCSEL;
    const int pairBox = id - IDC_FIRST_PAIR;
    if (pairBox >= 0 && pairBox < 2 * kPairs)
        return pairBox < 2 * GetPairCount();
    if (id == IDC_INPUT_VCSEL)
        return true;
    if (!m_nVcselFlag)
        return false;
    switch (id) {
    case IDC_EQUAL_PREVIOUS: return HasTypes();
    case IDC_NEW_VCSEL:
    case IDC_TYPE_NAME:
    case IDC_MESH_POINTS:
    case IDC_SECTION_INDEX: return true;
    case IDC_SECTION_LOSS:
    case IDC_GRATING_MODEL:
    case IDC_ACTIVE: return isNew;
    case IDC_TYPES: return !isNew;
    default: return true;
    }
}

bool CLayerVcsel::IsControlReadOnly(int id) const
{
    const bool isNew = m_nCreateMode == NEW_VCSEL;
    const int pairBox = id - IDC_FIRST_PAIR;
    if (pairBox >= 0 && pairBox < 2 * kPairs)
        return !isNew;
    switch (id) {
    case IDC_SECTION_INDEX: return !isNew || (m_nVcselFlag && GetGratingModelSelection() != 0);
    case IDC_TYPE_NAME:
    case IDC_MESH_POINTS:
    case IDC_SECTION_LOSS: return !isNew;
    default: return false;
    }
}

CVcselSection CLayerVcsel::GetSection() const
{
    CVcselSection section;
    section.m_strActive = m_strActive;
    section.m_strGratingModel = m_strGratingModel;
    section.m_strVcselType = m_strTypeName;
    std::copy(std::begin(m_fIndex), std::end(m_fIndex), section.m_fIndex);
    std::copy(std::begin(m_dLayer), std::end(m_dLayer), section.m_dLayer);
    section.m_nMeshPoints = m_nMeshPoints;
    section.m_fSectionLoss = m_fSectionLoss;
    section.m_fSectionIndex = m_fSectionIndex;
    return section;
}

void CLayerVcsel::CollectInto(CLayerRec& layer) const
{
    layer.m_strSheetText = m_strTypeName;
    layer.m_nVcselFlag = m_nVcselFlag;
    layer.m_Vcsel = GetSection();
}
