#include "model/LayerBlocks.h"

#include <cmath>

#include "model/UnsetValue.h"

namespace {

const double kMaterialTolerance = 1e-4;
const double kLabelOffsetTolerance = 1e-5;
const double kVcselIndexTolerance = 1e-4;
const double kVcselLayerTolerance = 1e-10;

bool Near(double a, double b) { return std::fabs(a - b) < kMaterialTolerance; }

bool StartsWithContact(const std::string& name) { return name.compare(0, 7, "contact") == 0; }

bool SameVariables(const double (&a)[6], const double (&b)[6])
{
    for (int i = 0; i < 6; ++i)
        if (!Near(a[i], b[i]))
            return false;
    return true;
}

void FillUnset(double (&values)[5])
{
    for (double& v : values)
        v = kUnsetValue;
}

}  // namespace

bool CLayerMaterial::operator==(const CLayerMaterial& other) const
{
    // All contact macros stand for one material: the contact itself lives in the variables.
    bool bothContacts = StartsWithContact(m_Bulk.m_strName) && StartsWithContact(other.m_Bulk.m_strName);
    if (!bothContacts && m_Bulk.m_strName != other.m_Bulk.m_strName)
        return false;
    if (!SameVariables(m_Bulk.m_dVar, other.m_Bulk.m_dVar))
        return false;
    if (m_Grading->m_nGradeVar != other.m_Grading->m_nGradeVar)
        return false;
    if (m_Grading->m_strDirection != other.m_Grading->m_strDirection)
        return false;
    if (!Near(m_Grading->m_fGradeFrom, other.m_Grading->m_fGradeFrom) ||
        !Near(m_Grading->m_fGradeTo, other.m_Grading->m_fGradeTo))
        return false;
    if (m_Active->m_strName != other.m_Active->m_strName)
        return false;
    return SameVariables(m_Active->m_dVar, other.m_Active->m_dVar);
}

bool CLayerDoping::operator==(const CLayerDoping& other) const
{
    return m_strKind == other.m_strKind && Near(m_fValue, other.m_fValue) &&
           m_strNewDoping == other.m_strNewDoping;
}

bool CVcselSection::IsSame(const CVcselSection& other) const
{
    for (int i = 0; i < 9; ++i) {
        if (std::fabs(m_fIndex[i] - other.m_fIndex[i]) > kVcselIndexTolerance)
            return false;
        if (std::fabs(m_dLayer[i] - other.m_dLayer[i]) > kVcselLayerTolerance)
            return false;
    }
    return m_strGratingModel == other.m_strGratingModel && m_strActive == other.m_strActive &&
           m_strVcselType == other.m_strVcselType && m_nMeshPoints == other.m_nMeshPoints &&
           std::fabs(m_fSectionLoss - other.m_fSectionLoss) < kVcselIndexTolerance &&
           std::fabs(m_fSectionIndex - other.m_fSectionIndex) < kVcselIndexTolerance;
}

CGratingComposRec::CGratingComposRec()
{
    Reset();
}

void CGratingComposRec::Reset()
{
    m_nPresent = 0;
    m_strHiMacro.clear();
    m_strHiActiveMacro.clear();
    m_strLoMacro.clear();
    m_strLoActiveMacro.clear();
    m_dHigh = 0.1;
    m_dFall = 0.0;
    m_dLow = 0.1;
    m_dRise = 0.0;
    FillUnset(m_dHiVar);
    FillUnset(m_dHiAVar);
    FillUnset(m_dLoVar);
    FillUnset(m_dLoAVar);
    m_nGratingOrder = 1;
    m_nColumn = -1;
}

bool CLabelRec::SamePlacement(const CLabelRec& other) const
{
    if (m_nLocation != other.m_nLocation)
        return false;
    if (m_nLocation >= 3)
        return std::fabs(m_dOffset - other.m_dOffset) <= kLabelOffsetTolerance;
    return true;
}

bool CLabelRec::operator==(const CLabelRec& other) const
{
    return m_strText == other.m_strText && SamePlacement(other);
}
