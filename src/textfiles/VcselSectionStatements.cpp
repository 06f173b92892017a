#include "textfiles/VcselSectionStatements.h"

#include <algorithm>
#include <cmath>

#include "platform/NumberText.h"

namespace {

std::string OrDefault(const std::string& text, const char* fallback)
{
    return text.empty() ? std::string(fallback) : text;
}

}  // namespace

void CVcselSectionStatements::ReadLayerSection(const CKeywordLine& s, CLayerRec& layer)
{
    CVcselSection& section = layer.m_Vcsel.Edit();
    layer.m_nVcselFlag = 1;
    section.m_strGratingModel = OrDefault(s.GetParam("grating_model"), "1layer");
    section.m_strActive = OrDefault(s.GetParam("active"), "no");
    section.m_fSectionLoss = static_cast<float>(AtoF(s.GetParam("section_loss")));
    section.m_nMeshPoints = AtoI(s.GetParam("mesh_points"));
    section.m_fSectionIndex = static_cast<float>(AtoF(s.GetParam("section_index")));
    for (int i = 0; i < 9; ++i) {
        section.m_dLayer[i] = AtoF(s.GetParam(StrFormat("layer%d", i + 1)));
        section.m_fIndex[i] = static_cast<float>(AtoF(s.GetParam(StrFormat("index%d", i + 1))));
    }
}

void CVcselSectionStatements::RebuildSectionList()
{
    std::vector<CVcselSection>& list = m_ctx.vcselSections;
    const CKeywordLineList& lines = m_ctx.lines;
    list.clear();
    const int count = lines.CountKeyword("vcsel_section");
    for (int i = 1; i <= count; ++i) {
        auto param = [&](const std::string& name) { return lines.GetNthLineParam("vcsel_section", i, name); };
        CVcselSection section;
        section.m_strVcselType = param("vcsel_type");
        section.m_strGratingModel = OrDefault(param("grating_model"), "1layer");
        section.m_strActive = OrDefault(param("active"), "no");
        section.m_fSectionLoss = static_cast<float>(AtoF(param("section_loss")));
        // Truncated toward zero, and kept inside int for absurd values.
        const double meshPoints = std::trunc(AtoF(param("mesh_points")));
        section.m_nMeshPoints = static_cast<int>(std::clamp(meshPoints, -2147483648.0, 2147483647.0));
        section.m_fSectionIndex = static_cast<float>(AtoF(param("section_index")));
        for (int j = 0; j < 9; ++j) {
            section.m_dLayer[j] = AtoF(param(StrFormat("layer%d", j + 1)));
            section.m_fIndex[j] = static_cast<float>(AtoF(param(StrFormat("index%d", j + 1))));
        }
        list.push_back(section);
    }
}

CKeywordLine CVcselSectionStatements::FormatSection(const CVcselSection& s)
{
    CKeywordLine line = NewStatement("vcsel_section");
    AppendParam(line, "vcsel_type", s.m_strVcselType);
    AppendParam(line, "grating_model", s.m_strGratingModel);
    AppendParam(line, "active", s.m_strActive);
    const int m = AtoI(s.m_strGratingModel.substr(0, 1));
    if (m >= 2) {
        for (int i = 0; i < m && i < 9; ++i) {
            if (s.m_dLayer[i] == 0.0 && s.m_fIndex[i] == 0.0f) continue;
            AppendParam(line, StrFormat("layer%d", i + 1), StrFormat("%e", s.m_dLayer[i]));
            AppendParam(line, StrFormat("index%d", i + 1), StrFormat("%f", static_cast<double>(s.m_fIndex[i])));
        }
    } else if (s.m_fSectionIndex != 0.0f) {
        AppendParam(line, "section_index", StrFormat("%f", static_cast<double>(s.m_fSectionIndex)));
    }
    // The loss is read and edited with the other section values, so a save must keep it too.
    if (s.m_fSectionLoss != 0.0f)
        AppendParam(line, "section_loss", StrFormat("%f", static_cast<double>(s.m_fSectionLoss)));
    if (s.m_nMeshPoints != 0) AppendParam(line, "mesh_points", StrFormat("%d", s.m_nMeshPoints));
    return line;
}

void CVcselSectionStatements::WriteVcselSections(std::vector<std::string>& written, int n, int row)
{
    const CZSegment& z = m_ctx.zsegs[n];
    if (z.GetColumnCount() == 0) return;
    const std::string type = z.GetColumn(0).GetLayer(row).m_Vcsel->m_strVcselType;
    if (type.empty() || std::find(written.begin(), written.end(), type) != written.end()) return;
    written.push_back(type);
    for (const CVcselSection& section : m_ctx.vcselSections)
        if (section.m_strVcselType == type) m_ctx.lines.Append(FormatSection(section));
}
