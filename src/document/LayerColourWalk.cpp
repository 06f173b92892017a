#include "document/LayerColourWalk.h"

#include "platform/StringUtil.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

namespace {

constexpr int kColours = 23;  // the pairs handed out run over 23 colours and patterns

// Identical for the colour pass: contact macros match each other whatever follows "contact";
// every number exactly equal; the grading direction does not count.
bool IsIdenticalForColours(const CLayerRec& a, const CLayerRec& b)
{
    // The doping first: layers of one colour bucket mostly differ there.
    if (a.m_Doping != b.m_Doping)
        return false;
    const CLayerMaterial& ma = a.m_Material;
    const CLayerMaterial& mb = b.m_Material;
    const bool bulkNamesMatch = (StartsWith(ma.m_Bulk.m_strName, "contact") &&
                                 StartsWith(mb.m_Bulk.m_strName, "contact")) ||
                                ma.m_Bulk.m_strName == mb.m_Bulk.m_strName;
    if (!bulkNamesMatch)
        return false;
    for (int i = 0; i < 6; ++i) {
        if (ma.m_Active->m_dVar[i] != mb.m_Active->m_dVar[i] || ma.m_Bulk.m_dVar[i] != mb.m_Bulk.m_dVar[i])
            return false;
    }
    return ma.m_Grading->m_fGradeFrom == mb.m_Grading->m_fGradeFrom &&
           ma.m_Grading->m_fGradeTo == mb.m_Grading->m_fGradeTo &&
           ma.m_Grading->m_nGradeVar == mb.m_Grading->m_nGradeVar &&
           ma.m_Active->m_strName == mb.m_Active->m_strName;
}

// A number for the bucket of layers that can be identical for the colour pass: it is built from
// the parts IsIdenticalForColours compares exactly, so identical layers always share a bucket. The
// doping value (compared within a tolerance) is left out; the buckets only shorten the search.
std::size_t ColourBucket(const CLayerRec& layer)
{
    const CLayerMaterial& m = layer.m_Material;
    std::size_t h = StartsWith(m.m_Bulk.m_strName, "contact") ? 0x9e3779b9u : std::hash<std::string>()(m.m_Bulk.m_strName);
    const auto mix = [&h](std::size_t v) { h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2); };
    // Numbers that compare equal hash alike: -0 as 0.
    const auto number = [&mix](double v) {
        const double same = v == 0.0 ? 0.0 : v;
        std::uint64_t bits = 0;
        std::memcpy(&bits, &same, sizeof bits);
        mix(static_cast<std::size_t>(bits));
    };
    for (int i = 0; i < 6; ++i) {
        number(m.m_Active->m_dVar[i]);
        number(m.m_Bulk.m_dVar[i]);
    }
    number(m.m_Grading->m_fGradeFrom);
    number(m.m_Grading->m_fGradeTo);
    mix(static_cast<std::size_t>(m.m_Grading->m_nGradeVar));
    mix(std::hash<std::string>()(m.m_Active->m_strName));
    mix(std::hash<std::string>()(layer.m_Doping.m_strKind));
    mix(std::hash<std::string>()(layer.m_Doping.m_strNewDoping));
    return h;
}

}  // namespace

// The earlier layers a layer is compared with: z-segments up to its own and in each the columns up
// to its column's index; in its very column only the rows below, in the others the rows below its
// column's row count. Inline: the walk asks for every layer.
inline bool CLayerColourWalk::FindEarlierPair(const std::vector<CZSegment>& zsegs,
                                              const std::vector<LayerPlace>& bucket, const CLayerRec& layer, int s,
                                              int c, int rows, int& colour, int& pattern) const
{
    for (auto it = bucket.rbegin(); it != bucket.rend(); ++it) {
        const bool ownColumn = it->zseg == s && it->column == c;
        if (!ownColumn && (it->column > c || it->row >= rows))
            continue;
        const CLayerRec& candidate = zsegs[static_cast<std::size_t>(it->zseg)].GetColumn(it->column).GetLayer(it->row);
        if (IsIdenticalForColours(candidate, layer)) {
            colour = candidate.m_nColour;
            pattern = candidate.m_nPattern;
            return true;
        }
    }
    return false;
}

void CLayerColourWalk::WalkZsegment(std::vector<CZSegment>& zsegs, int s)
{
    CZSegment& segment = zsegs[static_cast<std::size_t>(s)];
    for (int c = 0; c < segment.GetColumnCount(); ++c) {
        const int rows = segment.GetColumn(c).GetLayersInUse();
        for (int j = 0; j < rows; ++j) {
            const CLayerRec& layer = segment.GetColumn(c).GetLayer(j);
            std::vector<LayerPlace>& bucket = m_seen[ColourBucket(layer)];
            int colour = 0;
            int pattern = 0;
            if ((s != 0 || c != 0 || j != 0) && !FindEarlierPair(zsegs, bucket, layer, s, c, rows, colour, pattern)) {
                // Every layer after the first has been compared with some earlier one.
                m_nPatternCounter = (m_nPatternCounter + 1) % kColours;
                m_nColourCounter = (m_nColourCounter + 1) % kColours;
                colour = m_nColourCounter;
                pattern = m_nPatternCounter;
            }
            bucket.push_back(LayerPlace{s, c, j});
            // Written only where the pair changes: a layer an undo snapshot shares stays shared.
            if (layer.m_nColour != colour || layer.m_nPattern != pattern) {
                CLayerRec& written = segment.Column(c).Layer(j);
                written.m_nColour = colour;
                written.m_nPattern = pattern;
            }
        }
    }
}

