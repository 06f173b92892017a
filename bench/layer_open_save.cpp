// Opening and saving a large ".layer" document (20 columns x 500 layers) through the document,
// beside plain reading and writing of the same bytes, so the cost of the statement model, the
// reader, the writer and the merge shows against the file I/O itself.

#include "document/TessaronDoc.h"
#include "platform/AppServices.h"
#include "platform/FileIO.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr int kColumns = 20;
constexpr int kLayers = 500;

// The layer builder, so a save shows no notice.
class BuilderApp : public IAppServices {
public:
    bool Is3dMode() const override { return false; }
    void ClearLayerMacros() override {}
    void LoadLayerMacros(const std::string&) override {}
    void AddToRecentFileList(const std::string&) override {}
};

struct LargeFile {
    std::string path;
    std::string bytes;
};

// Writes the device once through the document (no earlier text: every statement canonical).
const LargeFile& GetLargeFile()
{
    static LargeFile file = [] {
        LargeFile made;
        made.path = (std::filesystem::temp_directory_path() / "tessaron_bench_large.layer").string();
        ResetProcessState();
        CTessaronDoc doc;
        doc.m_ZSegments.assign(CTessaronDoc::kZSegmentRecords, CZSegment());
        CZSegment& segment = doc.m_ZSegments[0];
        for (int c = 0; c < kColumns; ++c) {
            CColumnRec column;
            column.SetLayerCount(CColumnRec::kMaxLayers);
            column.m_Mesh.m_nMeshNum = 4;
            column.m_Mesh.m_fRatio = 1.0f;
            column.m_Size.m_fLowerWidth = 1.5f;
            for (int r = 0; r < kLayers; ++r) {
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
        g_nZSegCount = 1;
        g_nCurZSeg = 1;
        doc.SaveCurrentZsegmentLayerFile(made.path);
        ReadFileBytes(made.path, made.bytes);
        return made;
    }();
    return file;
}

void SetCounters(benchmark::State& state, const LargeFile& file)
{
    state.counters["bytes"] = double(file.bytes.size());
    state.counters["layers"] = kColumns * kLayers;
}

void BM_OpenLayerDocument(benchmark::State& state)
{
    BuilderApp app;
    SetAppServices(&app);
    const LargeFile& file = GetLargeFile();
    for (auto _ : state) {
        CTessaronDoc doc;
        if (!doc.OnOpenDocument(file.path))
            state.SkipWithError("open failed");
    }
    SetCounters(state, file);
    SetAppServices(nullptr);
}
BENCHMARK(BM_OpenLayerDocument)->Unit(benchmark::kMillisecond);

void BM_SaveLayerDocument(benchmark::State& state)
{
    BuilderApp app;
    SetAppServices(&app);
    const LargeFile& file = GetLargeFile();
    CTessaronDoc doc;
    doc.OnOpenDocument(file.path);
    const std::string copy = file.path + ".saved.layer";
    for (auto _ : state) {
        if (!doc.OnSaveDocument(copy))
            state.SkipWithError("save failed");
    }
    SetCounters(state, file);
    std::remove(copy.c_str());
    SetAppServices(nullptr);
}
BENCHMARK(BM_SaveLayerDocument)->Unit(benchmark::kMillisecond);

void BM_PlainRead(benchmark::State& state)
{
    const LargeFile& file = GetLargeFile();
    for (auto _ : state) {
        std::string bytes;
        ReadFileBytes(file.path, bytes);
        benchmark::DoNotOptimize(bytes);
    }
    SetCounters(state, file);
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

void BM_PlainWrite(benchmark::State& state)
{
    const LargeFile& file = GetLargeFile();
    const std::string copy = file.path + ".plain.layer";
    for (auto _ : state)
        WriteFileAtomic(copy, file.bytes);
    SetCounters(state, file);
    std::remove(copy.c_str());
}
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);

}  // namespace
