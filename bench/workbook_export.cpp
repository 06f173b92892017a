// Exporting the largest device (40 z-segments of 20 columns x 500 layers) as a workbook, against,
// in the same run, writing that device's ".layer" files (one per z-segment, as a deck save writes
// them). Prints the median time of each, the export as a multiple of the files, and the peak
// resident memory each needs above what the device itself holds.

#include "DocumentBenchSupport.h"
#include "PeakMemory.h"
#include "platform/TempFolder.h"
#include "platform/UserPrompts.h"
#include "spreadsheet/ExcelExporter.h"

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr int kZSegments = 40;
constexpr int kColumns = 20;
constexpr int kLayers = 500;
constexpr int kRepetitions = 3;

}  // namespace

int main()
{
    BenchBuilderApp app;
    SetMessageBoxCaption("bench");
    CTessaronDoc doc;
    BuildBenchDevice(doc, kZSegments, kColumns, kLayers);
    CTempFolder folder;
    if (!folder.Create("workbook-bench")) {
        std::fprintf(stderr, "no scratch folder: %s\n", folder.ErrorText().c_str());
        return 1;
    }
    auto file = [&](const std::string& name) { return folder.Path() + name; };

    auto writeLayerFiles = [&] {
        for (int z = 0; z < kZSegments; ++z)
            if (!doc.SaveZsegmentLayerFile(z, file("z" + std::to_string(z + 1) + ".layer")))
                std::fprintf(stderr, "z-segment %d was not written\n", z + 1);
    };
    auto exportWorkbook = [&] {
        CExcelExporter exporter(true, &doc);
        if (!exporter.Export(file("device.xlsx"), false))
            std::fprintf(stderr, "the workbook was not written\n");
    };

    const double layerMs = MedianMs(kRepetitions, writeLayerFiles);
    const double exportMs = MedianMs(kRepetitions, exportWorkbook);
    const double layerPeak = PeakMbOf(writeLayerFiles);
    const double exportPeak = PeakMbOf(exportWorkbook);

    std::printf("device: %d z-segments x %d columns x %d layers\n", kZSegments, kColumns, kLayers);
    std::printf("%-22s %10.0f ms  peak memory +%8.1f MB\n", ".layer files", layerMs, layerPeak);
    std::printf("%-22s %10.0f ms  peak memory +%8.1f MB\n", "workbook export", exportMs, exportPeak);
    std::printf("export / .layer files: %.1f x time, %.1f x memory\n", exportMs / layerMs,
                layerPeak > 0 ? exportPeak / layerPeak : 0.0);
    return 0;
}
