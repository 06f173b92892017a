#pragma once
// The walk that gives equal layers equal (colour, pattern) pairs, z-segment by z-segment in order.
// A layer takes the pair of the last identical layer before it in the walk; the walk keeps what it
// has seen, so a z-segment can be walked as soon as it is read, while its records are still in the
// cache, and gets the pairs a walk over the whole device gives it. The z-segments walked before
// must not change in between.

#include "model/ZSegment.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

class CLayerColourWalk {
public:
    // Gives every layer in use of zsegs[s] its pair; s follows the z-segment walked last (the
    // first walked is 0).
    void WalkZsegment(std::vector<CZSegment>& zsegs, int s);

private:
    // Where a layer stands: z-segment, column, row.
    struct LayerPlace {
        int zseg;
        int column;
        int row;
    };

    // The pair an identical earlier layer has; false when none is found.
    bool FindEarlierPair(const std::vector<CZSegment>& zsegs, const std::vector<LayerPlace>& bucket,
                         const CLayerRec& layer, int s, int c, int rows, int& colour, int& pattern) const;

    // The layers seen so far in buckets of possibly identical ones, in walk order, so the search
    // runs backwards through one bucket instead of through every earlier layer.
    std::unordered_map<std::size_t, std::vector<LayerPlace>> m_seen;
    int m_nColourCounter = 0;
    int m_nPatternCounter = 0;
};
