#pragma once
// What the document benchmarks share: a large device built in a document, the layer builder's
// application (a save shows no notice), one timing and the median of timings, the heap in use and
// the growth exponent of a time between two sizes.

#include "document/TessaronDoc.h"
#include "platform/AppServices.h"

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <vector>

// The layer builder, so a save shows no notice.
class BenchBuilderApp : public IAppServices {
public:
    BenchBuilderApp() { SetAppServices(this); }
    ~BenchBuilderApp() override { SetAppServices(nullptr); }
    bool Is3dMode() const override { return false; }
    void ClearLayerMacros() override {}
    void LoadLayerMacros(const std::string&) override {}
    void AddToRecentFileList(const std::string&) override {}
};

// Gives the document `zsegs` z-segments of `columns` x `layers` layers (alternating materials,
// dopings and thicknesses, mesh counts set), z-segment 1 current.
inline void BuildBenchDevice(CTessaronDoc& doc, int zsegs, int columns, int layers)
{
    ResetProcessState();
    doc.m_ZSegments.assign(CTessaronDoc::kZSegmentRecords, CZSegment());
    for (int z = 0; z < zsegs; ++z) {
        CZSegment& segment = doc.m_ZSegments[static_cast<std::size_t>(z)];
        segment.m_Params.m_dZFrom = z * 10.0;
        segment.m_Params.m_dZTo = z * 10.0 + 10.0;
        for (int c = 0; c < columns; ++c) {
            CColumnRec column;
            column.SetLayerCount(CColumnRec::kMaxLayers);
            column.m_Mesh.m_nMeshNum = 4;
            column.m_Mesh.m_fRatio = 1.0f;
            column.m_Size.m_fLowerWidth = 1.5f;
            for (int r = 0; r < layers; ++r) {
                CLayerRec layer;
                layer.m_Material.m_Bulk.m_strName = r % 3 == 0 ? "algaas" : "gaas";
                layer.m_Material.m_Bulk.m_dVar[0] = 0.1 * (r % 3);
                layer.m_Doping.m_strKind = r % 2 ? "n" : "p";
                layer.m_Doping.m_fValue = 1e17f * float(1 + r % 5);
                layer.m_fHeight = 0.05f + 0.001f * float(r % 7);
                layer.m_fWidth = layer.m_fUpperWidth = layer.m_fLowerWidth = 1.5f;
                layer.m_Mesh.m_nMeshNum = 3;
                layer.m_Mesh.m_fRatio = 1.0f;
                column.AppendLayer(layer);
            }
            segment.AppendColumn(column);
        }
    }
    g_nZSegCount = zsegs;
    g_nCurZSeg = 1;
}

// Milliseconds one call of work takes.
template <typename Work>
double TimeMs(Work&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Median of `repetitions` timings of `work` in milliseconds, after one run that is not counted.
inline double MedianMs(int repetitions, const std::function<void()>& work)
{
    work();
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Bytes the heap hands out at the moment, malloc's own bookkeeping included.
inline double HeapBytesInUse() { return static_cast<double>(mallinfo2().uordblks); }

// The exponent k of t ~ n^k between two sizes.
inline double GrowthExponent(double smallTime, double largeTime, double smallSize, double largeSize)
{
    return std::log(largeTime / smallTime) / std::log(largeSize / smallSize);
}
