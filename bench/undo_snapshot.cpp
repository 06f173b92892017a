// Undo snapshots of a large device: 40 z-segments x 20 columns x 50 layers (40 000 layers).
// Measures one capture, one restore, and the checkpoint an editing command takes (capture plus
// the history's bookkeeping at its cap of six snapshots).

#include "document/TessaronDoc.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kZSegs = 40;
constexpr int kColumns = 20;
constexpr int kLayers = 50;

void BuildDevice(CTessaronDoc& doc)
{
    ResetProcessState();
    doc.m_ZSegments.assign(CTessaronDoc::kZSegmentRecords, CZSegment());
    for (int z = 0; z < kZSegs; ++z) {
        CZSegment& segment = doc.m_ZSegments[z];
        for (int c = 0; c < kColumns; ++c) {
            CColumnRec column;
            column.SetLayerCount(CColumnRec::kMaxLayers);
            for (int r = 0; r < kLayers; ++r) {
                CLayerRec layer;
                layer.m_Material.m_Bulk.m_strName = r % 2 ? "algaas" : "gaas";
                layer.m_fHeight = 0.1f;
                layer.m_fWidth = layer.m_fUpperWidth = layer.m_fLowerWidth = 1.0f;
                column.AppendLayer(layer);
            }
            segment.AppendColumn(column);
        }
    }
    g_nZSegCount = kZSegs;
    g_nCurZSeg = 1;
}

void SetCounters(benchmark::State& state)
{
    state.counters["layers"] = kZSegs * kColumns * kLayers;
    state.counters["layer_bytes"] = double(sizeof(CLayerRec)) * kZSegs * kColumns * kLayers;
}

void BM_CaptureSnapshot(benchmark::State& state)
{
    CTessaronDoc doc;
    BuildDevice(doc);
    for (auto _ : state) {
        CDocSnapshot snapshot;
        snapshot.Capture(doc);
        benchmark::DoNotOptimize(snapshot);
    }
    SetCounters(state);
}
BENCHMARK(BM_CaptureSnapshot)->Unit(benchmark::kMillisecond);

void BM_RestoreSnapshot(benchmark::State& state)
{
    CTessaronDoc doc;
    BuildDevice(doc);
    CDocSnapshot snapshot;
    snapshot.Capture(doc);
    for (auto _ : state) {
        snapshot.Restore(doc);
        benchmark::ClobberMemory();
    }
    SetCounters(state);
}
BENCHMARK(BM_RestoreSnapshot)->Unit(benchmark::kMillisecond);

void BM_CheckPointAtCap(benchmark::State& state)
{
    CTessaronDoc doc;
    BuildDevice(doc);
    for (int i = 0; i < CUndoHistory::kMaxSnapshots; ++i)
        doc.CheckPoint();
    for (auto _ : state)
        doc.CheckPoint();
    SetCounters(state);
}
BENCHMARK(BM_CheckPointAtCap)->Unit(benchmark::kMillisecond);

void BM_UndoRedo(benchmark::State& state)
{
    CTessaronDoc doc;
    BuildDevice(doc);
    for (int i = 0; i < 3; ++i)
        doc.CheckPoint();
    doc.UndoHistory().Undo();
    for (auto _ : state) {
        doc.UndoHistory().Undo();
        doc.UndoHistory().Redo();
    }
    SetCounters(state);
}
BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMillisecond);

}  // namespace
