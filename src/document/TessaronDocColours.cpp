// Layer colours: the usage table of (colour, pattern) pairs, the choice of a pair for a new or
// changed layer, the recount of the table, and the pass that gives equal layers equal pairs (its
// walk is CLayerColourWalk).

#include "document/TessaronDoc.h"

#include "document/LayerColourWalk.h"


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
    CLayerColourWalk walk;
    const int inUse = GetZSegmentsInUse();
    for (int s = 0; s < inUse; ++s)
        walk.WalkZsegment(m_ZSegments, s);
    return 1;
}
