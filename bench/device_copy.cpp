// Cost of one whole-device copy, the unit of every undo snapshot: 40 z-segments of 20 columns of
// 50 layers. Reports the time of the copy and the bytes it allocates next to the size of the layer
// records in use; the copy should stay within twice the in-use records.

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <vector>

#include "model/ZSegment.h"

namespace {

// Bytes the heap hands out at the moment, malloc's own bookkeeping included.
long long HeapBytesInUse() { return static_cast<long long>(mallinfo2().uordblks); }

const int kZSegments = 40;
const int kColumns = 20;
const int kLayers = 50;

std::vector<CZSegment> MakeDevice()
{
    std::vector<CZSegment> device(kZSegments);
    for (int z = 0; z < kZSegments; ++z) {
        CZSegment& seg = device[z];
        seg.Clear();
        seg.m_Params.m_dZFrom = z * 10.0;
        seg.m_Params.m_dZTo = z * 10.0 + 10.0;
        for (int c = 0; c < kColumns; ++c) {
            CColumnRec column;
            column.SetLayerCount(CColumnRec::kMaxLayers);
            column.m_nColumnIndex = c;
            for (int r = 0; r < kLayers; ++r) {
                CLayerRec layer;
                layer.m_nZSeg = z;
                layer.m_nColumn = c;
                layer.m_nRow = r;
                layer.m_fHeight = 0.1f;
                layer.m_fWidth = layer.m_fUpperWidth = layer.m_fLowerWidth = 2.0f;
                layer.m_Material.m_Bulk.m_strName = r % 2 ? "algaas" : "gaas";
                layer.m_Material.m_Active.Edit().m_strName = "void";
                layer.m_Doping.m_strKind = "n";
                column.AppendLayer(layer);
            }
            seg.AppendColumn(column);
        }
        seg.m_nColumnSlots = kColumns;
    }
    return device;
}

}  // namespace

static void BM_WholeDeviceCopy(benchmark::State& state)
{
    const std::vector<CZSegment> device = MakeDevice();
    const double inUseBytes = double(kZSegments) * kColumns * kLayers * sizeof(CLayerRec);
    long long copyBytes = 0;
    for (auto _ : state) {
        long long before = HeapBytesInUse();
        std::vector<CZSegment> snapshot = device;
        copyBytes = HeapBytesInUse() - before;
        benchmark::DoNotOptimize(snapshot.data());
    }
    state.counters["copy_MB"] = copyBytes / 1e6;
    state.counters["in_use_layers_MB"] = inUseBytes / 1e6;
    state.counters["copy_per_in_use"] = copyBytes / inUseBytes;
    state.counters["layer_record_bytes"] = sizeof(CLayerRec);
}
BENCHMARK(BM_WholeDeviceCopy)->Unit(benchmark::kMillisecond);
