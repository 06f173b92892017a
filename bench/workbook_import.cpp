// Importing the largest device's workbook (40 z-segments of 20 columns x 500 layers, as the export
// writes it) in the 3-D editor: every worksheet converted to its ".layer" file, loaded, and the
// deck saved. Against, in the same run, opening that device's ".layer" files (one per z-segment)
// into a document. Prints the median time of each, the import as a multiple of the opening, and
// the peak resident memory each needs above what was resident before it.

#include "DocumentBenchSupport.h"
#include "PeakMemory.h"
#include "platform/FileSystem.h"
#include "platform/TempFolder.h"
#include "platform/UserPrompts.h"
#include "spreadsheet/ExcelExporter.h"
#include "spreadsheet/ExcelImporter.h"

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kZSegments = 40;
constexpr int kColumns = 20;
constexpr int kLayers = 500;
constexpr int kRepetitions = 3;

// Median in ms of `work`, each run after `prepare` (not timed), after one run that is not counted.
double MedianMsPrepared(const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i <= kRepetitions; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (i > 0)
            times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main()
{
    BenchBuilderApp app;
    SetMessageBoxCaption("bench");
    CTempFolder folder;
    if (!folder.Create("workbook-import-bench")) {
        std::fprintf(stderr, "no scratch folder: %s\n", folder.ErrorText().c_str());
        return 1;
    }
    auto file = [&](const std::string& name) { return folder.Path() + name; };
    {
        CTessaronDoc device;
        BuildBenchDevice(device, kZSegments, kColumns, kLayers);
        for (int z = 0; z < kZSegments; ++z)
            device.SaveZsegmentLayerFile(z, file("z" + std::to_string(z + 1) + ".layer"));
        CExcelExporter exporter(true, &device);
        if (!exporter.Export(file("device.xlsx"), false)) {
            std::fprintf(stderr, "the workbook was not written\n");
            return 1;
        }
    }

    // Every run imports into a document of its own and finds no earlier output to ask about.
    auto removeImported = [&] {
        std::filesystem::remove(file("device.sol"));
        std::filesystem::remove(file("device.layer"));
        for (int z = 1; z < kZSegments; ++z)
            std::filesystem::remove(file("device" + std::to_string(z) + ".layer"));
    };
    auto import = [&] {
        CTessaronDoc doc;
        doc.m_ZSegments.assign(CTessaronDoc::kZSegmentRecords, CZSegment());
        CExcelImporter importer(true);
        importer.SetDocument(&doc);
        importer.Import(file("device.xlsx"));
        if (importer.GetStatus() == 0 || g_nZSegCount != kZSegments)
            std::fprintf(stderr, "the import failed\n");
    };
    auto openLayerFiles = [&] {
        CTessaronDoc doc;
        doc.m_ZSegments.assign(CTessaronDoc::kZSegmentRecords, CZSegment());
        for (int z = 0; z < kZSegments; ++z)
            doc.LoadZsegmentLayerFile(file("z" + std::to_string(z + 1) + ".layer"), z);
        if (g_nZSegCount != kZSegments)
            std::fprintf(stderr, "the .layer files were not opened\n");
    };

    const double openMs = MedianMsPrepared([] {}, openLayerFiles);
    const double importMs = MedianMsPrepared(removeImported, import);
    const double openPeak = PeakMbOf(openLayerFiles);
    removeImported();
    const double importPeak = PeakMbOf(import);

    std::printf("device: %d z-segments x %d columns x %d layers\n", kZSegments, kColumns, kLayers);
    std::printf("%-22s %10.0f ms  peak memory +%8.1f MB\n", "open .layer files", openMs, openPeak);
    std::printf("%-22s %10.0f ms  peak memory +%8.1f MB\n", "workbook import", importMs, importPeak);
    std::printf("import / open .layer files: %.1f x time, %.1f x memory\n", importMs / openMs,
                openPeak > 0 ? importPeak / openPeak : 0.0);
    return 0;
}
