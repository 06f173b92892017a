// Layer colours: the usage table of (colour, pattern) pairs, the choice of a pair for a new or
// changed layer, the recount of the table, and the pass that gives equal layers equal pairs.

#include "document/TessaronDoc.h"

#include <algorithm>

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
    const CLayerMaterial& ma = a.m_Material;
    const CLayerMaterial& mb = b.m_Material;
    const bool bulkNamesMatch = (StartsWith(ma.m_Bulk.m_strName, "contact") &&
                                 StartsWith(mb.m_Bulk.m_strName, "contact")) ||
                                ma.m_Bulk.m_strName == mb.m_Bulk.m_strName;
    if (!bulkNamesMatch)
        return false;
    for (int i = 0; i < 6; ++i) {
        if (ma.m_Active.m_dVar[i] != mb.m_Active.m_dVar[i] || ma.m_Bulk.m_dVar[i] != mb.m_Bulk.m_dVar[i])
            return false;
    }
    return ma.m_Grading.m_fGradeFrom == mb.m_Grading.m_fGradeFrom &&
           ma.m_Grading.m_fGradeTo == mb.m_Grading.m_fGradeTo &&
           ma.m_Grading.m_nGradeVar == mb.m_Grading.m_nGradeVar &&
           ma.m_Active.m_strName == mb.m_Active.m_strName && a.m_Doping == b.m_Doping;
}

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
    int colourCounter = 0;
    int patternCounter = 0;
    const int inUse = GetZSegmentsInUse();
    for (int s = 0; s < inUse; ++s) {
        CZSegment& segment = m_ZSegments[s];
        for (int c = 0; c < segment.GetColumnCount(); ++c) {
            CColumnRec& column = segment.Column(c);
            for (int j = 0; j < column.GetLayersInUse(); ++j) {
                CLayerRec& layer = column.Layer(j);
                if (s == 0 && c == 0 && j == 0) {
                    layer.m_nColour = 0;
                    layer.m_nPattern = 0;
                    continue;
                }
                // Earlier layers: z-segments up to this one and in each the columns up to this
                // column's index; in this very column only the rows below. Rows of a column end
                // at its first missing layer. The last identical one in that order lends its pair,
                // so the walk runs backwards and stops at the first find.
                bool found = false;
                bool compared = false;
                for (int s2 = s; s2 >= 0 && !found; --s2) {
                    const CZSegment& other = m_ZSegments[s2];
                    for (int c2 = c; c2 >= 0 && !found; --c2) {
                        const bool ownColumn = s2 == s && c2 == c;
                        const int rows = ownColumn ? j : column.GetLayersInUse();
                        const int present = std::min(rows, c2 < other.GetColumnCount()
                                                               ? other.GetColumn(c2).GetLayersInUse()
                                                               : 0);
                        compared = compared || rows > 0;
                        for (int j2 = present - 1; j2 >= 0; --j2) {
                            const CLayerRec& earlier = other.GetColumn(c2).GetLayer(j2);
                            if (IsIdenticalForColours(earlier, layer)) {
                                layer.m_nColour = earlier.m_nColour;
                                layer.m_nPattern = earlier.m_nPattern;
                                found = true;
                                break;
                            }
                        }
                    }
                }
                const int differ = compared && !found ? 1 : 0;
                if (!found && differ > 0) {
                    patternCounter = (patternCounter + 1) % kColours;
                    colourCounter = (colourCounter + 1) % kColours;
                    layer.m_nColour = colourCounter;
                    layer.m_nPattern = patternCounter;
                }
            }
        }
    }
    return 1;
}
