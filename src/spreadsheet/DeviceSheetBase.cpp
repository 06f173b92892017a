#include "spreadsheet/DeviceSheetBase.h"

#include "model/ColumnRec.h"
#include "platform/NumberText.h"
#include "model/VoidMacroName.h"
#include "textfiles/MacroList.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMacroValues = 6;       // the variables a layer holds per macro
constexpr double kSameWidth = 0.001;
constexpr const char kUnformatted[] = "0.0";

// A difference of exactly the tolerance still counts as the same width.
bool SameWidth(double a, double b) { return std::fabs(a - b) <= kSameWidth; }

template <class Range>
std::string FormatRanges(const char* label, const std::vector<Range>& ranges)
{
    std::string text = label;
    if (ranges.empty())
        return text + "void";
    for (const Range& range : ranges)
        text += StrFormat("%s, %.1f-%.1f", range.m_strType.c_str(), double(range.m_fFrom), double(range.m_fTo));
    return text;
}

} // namespace

std::string CDeviceSheetBase::FormatWidthList(float columnWidth, const CLayerRec& layer, NumberForm form)
{
    std::string text = NumberText(layer.m_fHeight, form, true);
    const double lower = layer.m_fLowerWidth, upper = layer.m_fUpperWidth;
    if (SameWidth(upper, lower) && SameWidth(lower, columnWidth) && SameWidth(upper, columnWidth))
        return text;
    return text + ", " + NumberText(lower, form, true) + ", " + NumberText(upper, form, true);
}

void CDeviceSheetBase::GetLayerWidths(const CLayerRec& layer, float& width, float& thickness)
{
    thickness = layer.m_fHeight;
    width = std::fabs(double(layer.m_fUpperWidth) - layer.m_fLowerWidth) < kSameWidth ? layer.m_fUpperWidth
                                                                                      : layer.m_fWidth;
}

std::string CDeviceSheetBase::FormatMesh(const CMeshSettings& mesh, NumberForm form)
{
    if (mesh.m_nMeshNum <= 0)
        return std::string();
    std::string text = StrFormat("%d,", mesh.m_nMeshNum) + NumberText(mesh.m_fRatio, form, true);
    if (std::fabs(float(mesh.m_dShiftCenter)) >= 0.0001f)
        text += "," + NumberText(mesh.m_dShiftCenter, form, false);
    return text;
}

std::string CDeviceSheetBase::FormatColumnMesh(const CColumnRec& column, NumberForm form)
{
    return FormatMesh(column.m_Mesh, form);
}

std::string CDeviceSheetBase::FormatLayerMesh(const CLayerRec& layer, NumberForm form)
{
    return FormatMesh(layer.m_Mesh, form);
}

std::string CDeviceSheetBase::FormatTopContacts(const CColumnRec& column)
{
    return FormatRanges("Contact Top:", column.m_Contacts.GetTops());
}

std::string CDeviceSheetBase::FormatBottomContacts(const CColumnRec& column)
{
    return FormatRanges("Contact Bottom:", column.m_Contacts.GetBottoms());
}

std::string CDeviceSheetBase::MacroNameOf(std::string name)
{
    FromVoidMacroName(name);
    return name == "void" ? std::string() : name;
}

int CDeviceSheetBase::ValueCountOf(const std::string& name) const
{
    const int count = m_pMacros ? m_pMacros->GetParamCountOf(name) : 0;
    return std::clamp(count, 0, kMacroValues);
}

std::string CDeviceSheetBase::WithoutOldStyle(const std::string& name)
{
    const std::size_t suffix = name.find("_old_style");
    return suffix == std::string::npos ? name : name.substr(0, suffix);
}

std::string CDeviceSheetBase::FormatBulkMacro(const CLayerRec& layer, NumberForm form) const
{
    const std::string name = MacroNameOf(layer.m_Material.m_Bulk.m_strName);
    if (name.empty())
        return std::string();
    std::string values[kMacroValues];
    std::fill(std::begin(values), std::end(values), kUnformatted);
    const int count = ValueCountOf(name);
    for (int k = 0; k < count; ++k)
        values[k] = NumberText(layer.m_Material.m_Bulk.m_dVar[k], form, false);
    const CLayerGrading& grading = layer.m_Material.m_Grading;
    if (std::fabs(grading.m_fGradeFrom) > 0.0001f || std::fabs(grading.m_fGradeTo) > 0.0001f) {
        // A grade variable beyond the six values has no place to show.
        if (grading.m_nGradeVar >= 1 && grading.m_nGradeVar <= kMacroValues)
            values[grading.m_nGradeVar - 1] =
                NumberText(grading.m_fGradeFrom, form, true) + "-" + NumberText(grading.m_fGradeTo, form, true);
    }
    int shown = kMacroValues;
    while (shown > 0 && values[shown - 1] == kUnformatted)
        --shown;
    std::string text = WithoutOldStyle(name);
    for (int k = 0; k < shown; ++k)
        text += ", " + values[k];
    return text;
}

std::string CDeviceSheetBase::FormatActiveMacro(const CLayerRec& layer, NumberForm form) const
{
    const std::string name = MacroNameOf(layer.m_Material.m_Active->m_strName);
    if (name.empty())
        return std::string();
    std::string text = WithoutOldStyle(name);
    const int count = ValueCountOf(name);
    for (int k = 0; k < count; ++k)
        text += ", " + NumberText(layer.m_Material.m_Active->m_dVar[k], form, false);
    return text;
}
