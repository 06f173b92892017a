// Generating an edit-box series of 100 points (two groups of 10 steps: the thickness of two layers)
// over a saved 20 x 500-layer device, against what the same files cost written plainly: a `cp -r`
// of the 100 point folders the generation wrote plus 100 saves of the device through the document,
// all measured in the same rounds. Prints the medians and the generation as a multiple of the
// reference.

#include "DocumentBenchSupport.h"
#include "platform/FileIO.h"
#include "platform/UserPrompts.h"
#include "series/EditBoxSeries.h"
#include "series/SeriesConditionDlg.h"
#include "series/SeriesGenerator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kRounds = 5;

// The prompts of a batch run: every question answered Yes, nothing shown.
class YesPrompts : public IUserPrompts {
public:
    int MessageBox(const std::string& text, const std::string&, unsigned) override
    {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return IDYES;
    }
    bool FileDialog(FileDialogRequest&) override { return false; }
};

// No windows: the step dialog is never run here, the dialog is driven directly.
class NoWindows : public ISeriesWindows {
public:
    bool RunConditionStep(CSeriesStep&) override { return false; }
    void ShowConditionDialog(CSeriesConditionDlg&) override {}
    void DestroyConditionDialog(CSeriesConditionDlg&) override {}
};

double Seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

CSeriesItem ThicknessItem(const CLayerFileIndex& index, int row, int group)
{
    CLayerFileItem found;
    index.FindItem(0, 0, row, 0, "", found);
    CSeriesItem item;
    item.m_nLine = found.m_nLine;
    item.m_nStart = found.m_nStart;
    item.m_nEnd = found.m_nEnd;
    item.m_strFile = found.m_strFile;
    item.m_strVariable = found.m_strParam;
    item.m_strValueText = found.m_strValue;
    item.m_dInitial = 0.05;
    item.m_dFinal = 0.5;
    item.m_nGroupId = group;
    return item;
}

}  // namespace

int main()
{
    BenchBuilderApp app;
    YesPrompts prompts;
    SetUserPrompts(&prompts);
    const std::filesystem::path root = std::filesystem::temp_directory_path() /
                                       ("tessaron-series-bench-" + std::to_string(::getpid()));
    const std::string source = (root / "Device").string() + "/";
    std::filesystem::create_directories(source);

    CTessaronDoc doc;
    BuildBenchDevice(doc, 1, 20, 500);
    if (!doc.OnSaveDocument(source + "Bench.layer")) {
        std::fprintf(stderr, "the device could not be saved\n");
        return 1;
    }
    WriteFileAtomic(source + "notes.txt", "bench notes\n");
    const CLayerFileIndex& index = doc.GetLayerFileIndex(0);
    std::printf("device: %ju bytes, %zu indexed values\n",
                static_cast<std::uintmax_t>(std::filesystem::file_size(source + "Bench.layer")), index.m_Items.size());

    std::vector<double> generation, copy, saves;
    for (int round = 0; round < kRounds; ++round) {
        CSeriesConditionDlg dialog(source);
        dialog.List().AddItem(ThicknessItem(index, 0, 1), 10);
        dialog.List().AddItem(ThicknessItem(index, 250, 2), 10);
        dialog.AddDeviceFiles(index.m_LineFiles);
        dialog.m_strSeriesName = "Run";
        std::filesystem::remove_all(source + "Projects");
        generation.push_back(Seconds([&] {
            if (!dialog.OnGenerate())
                std::fprintf(stderr, "the generation failed\n");
        }));

        const std::string from = source + "Projects/Run";
        const std::string to = (root / "Copy").string();
        std::filesystem::remove_all(to);
        copy.push_back(Seconds([&] {
            const std::string command = "cp -r '" + from + "' '" + to + "'";
            if (std::system(command.c_str()) != 0)
                std::fprintf(stderr, "cp failed\n");
        }));

        const std::string saved = (root / "Saves").string() + "/";
        std::filesystem::create_directories(saved);
        saves.push_back(Seconds([&] {
            for (int i = 0; i < 100; ++i)
                doc.SaveZsegmentLayerFile(0, saved + std::to_string(i) + ".layer");
        }));
        std::filesystem::remove_all(saved);
    }
    const double g = Median(generation), c = Median(copy), s = Median(saves);
    std::printf("series of 100 points: %.3f s; cp -r of its files %.3f s + 100 saves %.3f s = %.3f s; ratio %.2f x\n",
                g, c, s, c + s, g / (c + s));
    std::filesystem::remove_all(root);
    SetUserPrompts(nullptr);
    return 0;
}
