// Start-up with a document: how long a fresh process takes from its start until it has opened a
// ".layer" file and laid the device out (read, records built, layout and drawing state updated, no
// window), and the peak resident memory of that process. The 20 x 500 file is measured against the
// small example, alternately in the same rounds; each measurement is a process of its own (this
// program started again with "--open <file>"), so that neither file's heap is counted for the other.
// bench_start_up_window measures the program itself, with its window.

#include "StartMeasure.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

constexpr int kRounds = 15;

// Opens the file as the program does and says it is ready; the exit status tells whether it
// opened.
int OpenOnly(const char* path)
{
    BenchBuilderApp app;
    CTessaronDoc doc;
    const bool opened = doc.OnOpenDocument(path) && g_nZSegCount == 1;
    PrintReady();
    return opened ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--open") == 0) return OpenOnly(argv[2]);

    namespace fs = std::filesystem;
    const std::string self = fs::absolute(argv[0]).string();
    const std::string small = std::string(TESSARON_EXAMPLES) + "/ridge.layer";
    const std::string folder = (fs::temp_directory_path() / "tessaron_bench_start_up").string();
    fs::create_directories(folder);
    const std::string large = WriteLargeLayerFile(folder);

    StartFigures f;
    if (!MeasureStarts(self, "--open", small, large, kRounds, f)) {
        std::fprintf(stderr, "a file did not open\n");
        return 1;
    }
    fs::remove_all(folder);

    // A process that only opens the file has almost nothing to do for the small example, so the
    // time ratio is far from the program's: the start-up goals are the program's own
    // (bench_start_up_window). The memory figure is the document's share of the program's peak.
    PrintStartFigures(f, kRounds, "document only: ", "(the goals are the program's: bench_start_up_window)");
    return 0;
}
