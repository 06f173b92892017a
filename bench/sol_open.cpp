// Opening a ".sol" deck of 40 z-segments, each a ".layer" file of 20 columns x 50 layers, through
// the document, next to opening the same forty ".layer" files one after the other, in the same run.
// Every figure is the median of several repetitions; the run ends with the deck's time as a
// multiple of the forty files'.

#include "document/TessaronDoc.h"
#include "MedianReporter.h"
#include "platform/FileIO.h"
#include "platform/NumberText.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kZSegments = 40;
constexpr int kColumns = 20;
constexpr int kLayers = 50;
constexpr int kRepetitions = 7;

struct Deck {
    std::string path;
    std::vector<std::string> layerFiles;
};

// A z-segment whose layers differ a little from z-segment to z-segment, as a device's do.
CZSegment MakeZSegment(int index)
{
    CZSegment segment;
    for (int c = 0; c < kColumns; ++c) {
        CColumnRec column;
        column.SetLayerCount(CColumnRec::kMaxLayers);
        column.m_Mesh.m_nMeshNum = 4;
        column.m_Mesh.m_fRatio = 1.0f;
        column.m_Size.m_fLowerWidth = 1.5f + 0.01f * float(index);
        for (int r = 0; r < kLayers; ++r) {
            CLayerRec layer;
            layer.m_Material.m_Bulk.m_strName = (r + index) % 3 == 0 ? "algaas" : "gaas";
            layer.m_Material.m_Bulk.m_dVar[0] = 0.1 * (r % 3);
            layer.m_Doping.m_strKind = r % 2 ? "n" : "p";
            layer.m_Doping.m_fValue = 1e17f * float(1 + r % 5);
            layer.m_fHeight = 0.05f + 0.001f * float(r % 7);
            layer.m_fWidth = layer.m_fUpperWidth = layer.m_fLowerWidth = column.m_Size.m_fLowerWidth;
            layer.m_Mesh.m_nMeshNum = 3;
            layer.m_Mesh.m_fRatio = 1.0f;
            column.AppendLayer(layer);
        }
        segment.AppendColumn(column);
    }
    return segment;
}

// Writes the forty ".layer" files through the document and the deck that names them.
const Deck& GetDeck()
{
    static Deck deck = [] {
        Deck made;
        const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tessaron_bench_sol";
        std::filesystem::create_directories(folder);
        ResetProcessState();
        CTessaronDoc doc;
        doc.m_ZSegments.assign(CTessaronDoc::kZSegmentRecords, CZSegment());
        g_nZSegCount = 1;
        g_nCurZSeg = 1;
        std::string text = "$ a deck of forty z-segments\r\nbegin\r\n3d_solution_method 3d_flow=no\r\n";
        std::string meshes;
        for (int i = 1; i <= kZSegments; ++i) {
            const std::string name = StrFormat("zseg%02d", i);
            made.layerFiles.push_back((folder / (name + ".layer")).string());
            doc.m_ZSegments[0] = MakeZSegment(i);
            doc.SaveCurrentZsegmentLayerFile(made.layerFiles.back());
            text += StrFormat("z_structure zseg_num=%d uniform_zseg_from=%d uniform_zseg_to=%d\r\n", i, 12 * i,
                              12 * i + 10);
            meshes += StrFormat("load_mesh mesh_inf=%s.msh zseg_num=%d\r\n", name.c_str(), i);
        }
        text += meshes + "end\r\n";
        made.path = (folder / "forty.sol").string();
        WriteFileAtomic(made.path, text);
        return made;
    }();
    return deck;
}

void BM_OpenDeck(benchmark::State& state)
{
    const Deck& deck = GetDeck();
    for (auto _ : state) {
        ResetProcessState();
        CTessaronDoc doc;
        if (!doc.OnOpenDocument(deck.path) || g_nZSegCount != kZSegments)
            state.SkipWithError("the deck did not open");
    }
    state.counters["z-segments"] = kZSegments;
}
BENCHMARK(BM_OpenDeck)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions)->ReportAggregatesOnly();

void BM_OpenFortyLayerFiles(benchmark::State& state)
{
    const Deck& deck = GetDeck();
    for (auto _ : state) {
        for (const std::string& file : deck.layerFiles) {
            ResetProcessState();
            CTessaronDoc doc;
            if (!doc.OnOpenDocument(file))
                state.SkipWithError("a .layer file did not open");
        }
    }
    state.counters["z-segments"] = kZSegments;
}
BENCHMARK(BM_OpenFortyLayerFiles)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    GetDeck();  // the files are written before anything is timed
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto deck = reporter.medians.find("BM_OpenDeck/repeats:7");
    const auto files = reporter.medians.find("BM_OpenFortyLayerFiles/repeats:7");
    if (deck == reporter.medians.end() || files == reporter.medians.end() || files->second <= 0) return 0;
    std::printf("\nopening the deck: %.2f ms; the forty .layer files alone: %.2f ms; %.2fx\n", deck->second,
                files->second, deck->second / files->second);
    return 0;
}
