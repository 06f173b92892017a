#include "sheets/LayerVcsel.h"

#include "model/ProcessState.h"
#include "platform/StringUtil.h"

#include <algorithm>

namespace {

// The entry that shows a type name among the names listed: the entry of that exact name, else, as
// the list box searches, the first entry beginning with it counted from the second entry on and
// wrapping round to the first; the first entry when none matches.
int FindTypeEntry(const std::vector<CVcselSection>& types, const std::string& name)
{
    const int count = static_cast<int>(types.size());
    if (count == 0)
        return 0;
    for (int i = 0; i < count; ++i)
        if (types[i].m_strVcselType == name)
            return i;
    for (int k = 1; k <= count; ++k) {
        const int i = k % count;
        if (StartsWith(types[i].m_strVcselType, name))
            return i;
    }
    return 0;
}

}  // namespace

CLayerVcsel::CLayerVcsel()
{
    if (g_nLayerEditMode == 1 || g_nLayerEditMode == 2) {
        m_nCreateMode = NEW_VCSEL;
        g_EditLayer.m_Vcsel = GetSection();
        return;
    }
    m_nCreateMode = EQUAL_PREVIOUS;
    m_nVcselFlag = g_EditLayer.m_nVcselFlag;
    m_strTypeName = g_EditLayer.m_Vcsel.m_strVcselType;
}

void CLayerVcsel::OnInitPage(const std::vector<CVcselSection>& types)
{
    m_nSelectedType = 0;
    if (!m_nVcselFlag) {
        m_nTypeIndexAtOpen = -1;
        m_strTypeNameAtOpen.clear();
        return;
    }
    SelectType(FindTypeEntry(types, m_strTypeName), types);
    m_nTypeIndexAtOpen = m_nSelectedType;
    m_strTypeNameAtOpen = m_strTypeName;
}

void CLayerVcsel::SelectType(int index, const std::vector<CVcselSection>& types)
{
    m_nSelectedType = index;
    if (index < 0 || index >= static_cast<int>(types.size()))
        return;
    const CVcselSection& type = types[index];
    m_strActive = type.m_strActive;
    m_strTypeName = type.m_strVcselType;
    m_nMeshPoints = type.m_nMeshPoints;
    m_fSectionLoss = type.m_fSectionLoss;
    m_fSectionIndex = type.m_fSectionIndex;
    std::copy(std::begin(type.m_fIndex), std::end(type.m_fIndex), m_fIndex);
    std::copy(std::begin(type.m_dLayer), std::end(type.m_dLayer), m_dLayer);
    m_strGratingModel = type.m_strGratingModel;
}

void CLayerVcsel::LoadExistingType(int index, const std::vector<CVcselSection>& types)
{
    m_nCreateMode = EQUAL_PREVIOUS;
    SelectType(index, types);
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
