// A width series of 100 points on a device of 20 columns x 500 layers, generated through the
// series table as "Generate Series" runs it: the root folder's files copied into every value
// folder, the changed ".layer" file saved into each, the document restored afterwards. The
// reference, measured in the same run, is what the same output costs by hand: `cp -r` of the root
// folder 100 times plus 100 plain saves of the device. Every figure is the median of several
// repetitions; the run ends with the ratio (goal: at most 2).

#include "DocumentBenchSupport.h"
#include "platform/NumberText.h"
#include "series/ModelSeriesTable.h"
#include "series/SeriesVariable.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kColumns = 20;
constexpr int kLayers = 500;
constexpr int kPoints = 100;
constexpr int kRepetitions = 3;

double MedianOf(int repetitions, const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main()
{
    BenchBuilderApp app;
    const fs::path base = fs::temp_directory_path() / "tessaron_bench_model_series";
    fs::remove_all(base);
    const fs::path rootFolder = base / "root";
    fs::create_directories(rootFolder);
    const std::string root = (rootFolder / "dev.layer").string();

    {
        CTessaronDoc builder;
        BuildBenchDevice(builder, 1, kColumns, kLayers);
        builder.SaveCurrentZsegmentLayerFile(root);
    }
    // A companion file beside the device, as a simulator run has them.
    std::FILE* gain = std::fopen((rootFolder / "dev.gain").c_str(), "w");
    std::fputs("gain_model model=bulk temperature=300\n", gain);
    std::fclose(gain);

    ResetProcessState();
    CTessaronDoc doc;
    if (!doc.OnOpenDocument(root)) {
        std::fprintf(stderr, "the device did not open\n");
        return 1;
    }
    doc.SetPathName(root, false);
    doc.SetSelection(0, 3, 10);

    const fs::path projects = rootFolder / "projects";
    const double series = MedianOf(
        kRepetitions, [&] { fs::remove_all(projects); },
        [&] {
            CModelSeriesTable table;
            CSeriesVariable width;
            width.SetName("width");
            width.SetLabel("Col:3, Layer:10");
            width.m_nZSeg = 0;
            width.m_nColumn = 3;
            width.m_nRow = 10;
            width.m_dInitial = width.m_dCurrent = 1.5;
            width.m_dFinal = 2.5;
            table.AddVariable(width, 0);
            table.m_strSeriesName = "bench";
            table.m_nValueCount = kPoints;
            if (!table.OnOK(doc))
                std::fprintf(stderr, "the series was not generated\n");
        });

    const fs::path copies = base / "copies";
    const double reference = MedianOf(
        kRepetitions, [&] { fs::remove_all(projects); fs::remove_all(copies); fs::create_directories(copies); },
        [&] {
            for (int i = 1; i <= kPoints; ++i) {
                const std::string target = (copies / std::to_string(i)).string();
                const std::string command = "cp -r '" + rootFolder.string() + "' '" + target + "'";
                if (std::system(command.c_str()) != 0)
                    std::fprintf(stderr, "cp failed\n");
                doc.SaveCurrentZsegmentLayerFile(target + "/dev.layer");
            }
        });

    std::printf("device: 1 x %d x %d layers; root file %.1f MB\n", kColumns, kLayers,
                static_cast<double>(fs::file_size(root)) / 1e6);
    std::printf("width series of %d points through the series table: %.1f ms\n", kPoints, series);
    std::printf("reference: cp -r of the root folder %d times + %d plain saves: %.1f ms\n", kPoints, kPoints, reference);
    std::printf("RESULT series = %.3f x the reference (goal: at most 2)\n", series / reference);
    fs::remove_all(base);
    return 0;
}
