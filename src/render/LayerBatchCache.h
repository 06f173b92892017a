#pragma once
// The 2-D scene's flat-layer batches, one per z-segment, each kept for as long as the document's
// drawing revision stays what it was built at: a frame without an edit draws the batch it has
// instead of gathering every layer again. A view keeps one for its own frames.

#include "render/LayerDrawing.h"

#include <cstdint>
#include <vector>

class CZSegment;

class CLayerBatchCache {
public:
    // The layers of the z-segment (index from 0) as DrawLayers2d batches them, built again when the
    // revision or the current z-segment differs from the ones the batch was built for.
    const CFlatLayerBatch& Batch(const CZSegment& segment, int segmentIndex, int currentZSeg, std::uint64_t revision);
    // How many batches were built since construction (a frame that reuses one builds none).
    int GetBuildCount() const { return m_nBuilds; }

private:
    struct Entry {
        CFlatLayerBatch batch;
        std::uint64_t revision = 0;
        int currentZSeg = 0;
        bool built = false;
    };
    std::vector<Entry> m_entries;  // by z-segment index
    int m_nBuilds = 0;
};
