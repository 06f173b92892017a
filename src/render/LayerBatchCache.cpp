#include "render/LayerBatchCache.h"

#include "render/Scene2d.h"

const CFlatLayerBatch& CLayerBatchCache::Batch(const CZSegment& segment, int segmentIndex, int currentZSeg,
                                               std::uint64_t revision)
{
    const std::size_t index = segmentIndex < 0 ? 0 : static_cast<std::size_t>(segmentIndex);
    if (m_entries.size() <= index)
        m_entries.resize(index + 1);
    Entry& entry = m_entries[index];
    if (!entry.built || entry.revision != revision || entry.currentZSeg != currentZSeg) {
        FillLayerBatch2d(segment, currentZSeg, entry.batch);
        entry.revision = revision;
        entry.currentZSeg = currentZSeg;
        entry.built = true;
        ++m_nBuilds;
    }
    return entry.batch;
}
