// Saving a ".sol" deck of 40 z-segments, each a ".layer" file of 20 columns x 50 layers, through
// the document: the save as it is, with its commit point (every file written and synced, the
// intent record written and synced, the renames, the folder synced, the record removed), next to,
// in the same run, the same save with the commit point switched off (each file renamed and its
// folder synced in turn), as saves were made before it. Every figure is the median of several
// repetitions; the run ends with the ratio of the two.

#include "DocumentBenchSupport.h"
#include "MedianReporter.h"
#include "platform/FileIO.h"
#include "platform/FileTransaction.h"
#include "platform/NumberText.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kZSegments = 40;
constexpr int kColumns = 20;
constexpr int kLayers = 50;
constexpr int kRepetitions = 9;

// Writes the forty ".layer" files and the deck that names them; returns the deck's path.
std::string WriteDeck()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tessaron_bench_sol_save";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    CTessaronDoc doc;
    BuildBenchDevice(doc, 1, kColumns, kLayers);
    std::string text = "$ a deck of forty z-segments\r\nbegin\r\n3d_solution_method 3d_flow=no\r\n";
    std::string meshes;
    for (int i = 1; i <= kZSegments; ++i) {
        const std::string name = StrFormat("deck%d", i);
        doc.SaveCurrentZsegmentLayerFile((folder / (name + ".layer")).string());
        text += StrFormat("z_structure zseg_num=%d uniform_zseg_from=%d uniform_zseg_to=%d\r\n", i, 12 * i,
                          12 * i + 10);
        meshes += StrFormat("load_mesh mesh_inf=%s.msh zseg_num=%d\r\n", name.c_str(), i);
    }
    text += meshes + "end\r\n";
    const std::string path = (folder / "deck.sol").string();
    WriteFileAtomic(path, text);
    return path;
}

// The deck opened once in a document that the benchmarks save again and again.
CTessaronDoc& OpenedDeck()
{
    static std::unique_ptr<CTessaronDoc> doc = [] {
        BenchBuilderApp* app = new BenchBuilderApp;  // lives as long as the process
        (void)app;
        const std::string path = WriteDeck();
        ResetProcessState();
        auto opened = std::make_unique<CTessaronDoc>();
        if (!opened->OnOpenDocument(path) || g_nZSegCount != kZSegments)
            std::fprintf(stderr, "the deck did not open\n");
        return opened;
    }();
    return *doc;
}

void SaveDeck(benchmark::State& state, bool commitPoint)
{
    CTessaronDoc& doc = OpenedDeck();
    CFileTransaction::UseCommitPoint(commitPoint);
    for (auto _ : state) {
        doc.SetModifiedFlag();
        if (!doc.OnFileSave())
            state.SkipWithError("the save failed");
    }
    CFileTransaction::UseCommitPoint(true);
    state.counters["z-segments"] = kZSegments;
}

void BM_SaveDeck(benchmark::State& state) { SaveDeck(state, true); }
BENCHMARK(BM_SaveDeck)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions)->ReportAggregatesOnly();

void BM_SaveDeckWithoutCommitPoint(benchmark::State& state) { SaveDeck(state, false); }
BENCHMARK(BM_SaveDeckWithoutCommitPoint)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv)
{
    // The repetitions of the two saves take turns, so that the disk's moods fall on both alike.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    argc = static_cast<int>(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    OpenedDeck();  // the files are written before anything is timed
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const std::string suffix = "/repeats:" + std::to_string(kRepetitions);
    const auto with = reporter.medians.find("BM_SaveDeck" + suffix);
    const auto without = reporter.medians.find("BM_SaveDeckWithoutCommitPoint" + suffix);
    if (with == reporter.medians.end() || without == reporter.medians.end() || without->second <= 0) return 0;
    std::printf("\nsaving the deck of %d z-segments: %.2f ms with the commit point, %.2f ms without; %.3fx\n",
                kZSegments, with->second, without->second, with->second / without->second);
    return 0;
}
