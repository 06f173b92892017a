// Layer colours: the usage table of (colour, pattern) pairs, the choice of a pair for a new or
// changed layer, the recount of the table, and the pass that gives equal layers equal pairs.

#include "document/TessaronDoc.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kColours = 23;
constexpr int kPatternsPicked = 15;   // the choice hands out patterns 0..14
constexpr int kStepsPerThreshold = 400;
constexpr int kThresholds = 10;

bool IsCountedPair(int colour, int pattern)
{
    return colour >= 0 && colour < kColours && pattern >= 0 && pattern < kColours;
}

void CountPair(int colour, int pattern)
{
    if (IsCountedPair(colour, pattern))
        ++g_ColourUsage[colour][pattern];
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

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

// Where a layer stands: z-segment, column, row.
struct LayerPlace {
    int zseg;
    int column;
    int row;
};

}  // namespace

void CTessaronDoc::PickLayerColour(const CLayerMaterial& material, const CLayerDoping& doping, int& colour,
                                   int& pattern, int skipColumn, int skipRow, int skipZSeg)
{
    // An equal layer anywhere lends its pair, so equal layers look alike.
    const int inUse = GetZSegmentsInUse();
    for (int s = 0; s < inUse; ++s) {
        const CZSegment& segment = m_ZSegments[s];
        for (int k = 0; k < segment.GetColumnCount(); ++k) {
            const CSharedLayers& layers = segment.GetColumn(k).GetLayers();
            for (int j = 0; j < static_cast<int>(layers.size()); ++j) {
                if (k == skipColumn && j == skipRow && s == skipZSeg)
                    continue;
                const CLayerRec& layer = layers[j];
                if (material == layer.m_Material && doping == layer.m_Doping) {
                    colour = layer.m_nColour;
                    pattern = layer.m_nPattern;
                    CountPair(colour, pattern);
                    return;
                }
            }
        }
    }
    // A new kind takes the least used pair: one continuous walk over (step mod 23, step mod 15),
    // accepting at threshold t the first pair counted at most t times.
    for (int step = 0; step < kThresholds * kStepsPerThreshold; ++step) {
        const int c = step % kColours;
        const int p = step % kPatternsPicked;
        if (g_ColourUsage[c][p] <= step / kStepsPerThreshold) {
            colour = c;
            pattern = p;
            ++g_ColourUsage[c][p];
            return;
        }
    }
    // Every pair is used ten times or more: the least used one, first in walk order.
    int best = 0;
    for (int step = 1; step < kColours * kPatternsPicked; ++step) {
        if (g_ColourUsage[step % kColours][step % kPatternsPicked] <
            g_ColourUsage[best % kColours][best % kPatternsPicked])
            best = step;
    }
    colour = best % kColours;
    pattern = best % kPatternsPicked;
    ++g_ColourUsage[colour][pattern];
}

void CTessaronDoc::CountLayerColour(const CLayerRec& layer, int delta)
{
    if (IsCountedPair(layer.m_nColour, layer.m_nPattern))
        g_ColourUsage[layer.m_nColour][layer.m_nPattern] += delta;
}

void CTessaronDoc::RecountLayerColours()
{
    const int inUse = GetZSegmentsInUse();
    for (int s = 0; s < inUse; ++s)
        CountZsegmentColours(s, 1);
}

void CTessaronDoc::CountZsegmentColours(int zseg, int step)
{
    if (zseg < 0 || zseg >= static_cast<int>(m_ZSegments.size()))
        return;
    for (const CColumnRec& column : m_ZSegments[zseg].GetColumns()) {
        for (const CLayerRec& layer : column.GetLayers()) {
            if (IsCountedPair(layer.m_nColour, layer.m_nPattern))
                g_ColourUsage[layer.m_nColour][layer.m_nPattern] += step;
        }
    }
}

int CTessaronDoc::AssignLayerColours()
{
    // Each layer takes the pair of the last identical layer before it in this walk: z-segments up
    // to its own and in each the columns up to its column's index; in its very column only the
    // rows below, in the others the rows below its column's row count. The layers seen so far are
    // kept in buckets of possibly identical ones, in walk order, so the search runs backwards
    // through one bucket instead of through every earlier layer.
    std::unordered_map<std::size_t, std::vector<LayerPlace>> seen;
    int colourCounter = 0;
    int patternCounter = 0;
    const int inUse = GetZSegmentsInUse();
    for (int s = 0; s < inUse; ++s) {
        CZSegment& segment = m_ZSegments[s];
        for (int c = 0; c < segment.GetColumnCount(); ++c) {
            const int rows = segment.GetColumn(c).GetLayersInUse();
            for (int j = 0; j < rows; ++j) {
                const CLayerRec& layer = segment.GetColumn(c).GetLayer(j);
                std::vector<LayerPlace>& bucket = seen[ColourBucket(layer)];
                int colour = 0;
                int pattern = 0;
                if (s != 0 || c != 0 || j != 0) {
                    const CLayerRec* earlier = nullptr;
                    for (auto it = bucket.rbegin(); it != bucket.rend() && !earlier; ++it) {
                        const bool ownColumn = it->zseg == s && it->column == c;
                        if (!ownColumn && (it->column > c || it->row >= rows))
                            continue;
                        const CLayerRec& candidate = m_ZSegments[it->zseg].GetColumn(it->column).GetLayer(it->row);
                        if (IsIdenticalForColours(candidate, layer))
                            earlier = &candidate;
                    }
                    if (earlier) {
                        colour = earlier->m_nColour;
                        pattern = earlier->m_nPattern;
                    } else {
                        // Every layer after the first has been compared with some earlier one.
                        patternCounter = (patternCounter + 1) % kColours;
                        colourCounter = (colourCounter + 1) % kColours;
                        colour = colourCounter;
                        pattern = patternCounter;
                    }
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
    return 1;
}
