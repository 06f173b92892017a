// Opening and saving ".layer" documents of 5 x 100 and 20 x 500 layers through the document (the
// open, a Save As of the device as opened, a save after a one-layer edit), against a plain read and
// an fsync'd write of the same bytes and a lean reference reader and writer of this file's own
// (statements split into keyword and name=value views, written back from their text), all measured
// interleaved in the same rounds. Prints the medians, open + save as a multiple of the plain I/O
// and of the lean pair, and the growth exponent of each figure between the two sizes.

#include "DocumentBenchSupport.h"
#include "platform/FileIO.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Size {
    int columns;
    int layers;
};

constexpr Size kSmall{5, 100};
constexpr Size kLarge{20, 500};
constexpr int kRounds = 21;  // medians of this many timings of each figure

// The lean reference: every statement as its raw text, its keyword and its name=value pairs.
struct LeanParam {
    std::string_view name;
    std::string_view value;
};

struct LeanStatement {
    std::string_view raw;
    std::string_view keyword;
    std::size_t firstParam = 0;
    std::size_t paramCount = 0;
};

struct LeanFile {
    std::string bytes;
    std::vector<LeanStatement> statements;
    std::vector<LeanParam> params;
};

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '&'; }

// Splits one statement's text into its keyword and its parameters.
void SplitStatement(LeanFile& file, LeanStatement& statement)
{
    const std::string_view text = statement.raw;
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && IsSeparator(text[i])) ++i;
    };
    auto word = [&] {
        const std::size_t start = i;
        while (i < text.size() && !IsSeparator(text[i]) && text[i] != '=') ++i;
        return text.substr(start, i - start);
    };
    skip();
    statement.keyword = word();
    statement.firstParam = file.params.size();
    while (true) {
        skip();
        if (i >= text.size()) break;
        const std::string_view name = word();
        skip();
        if (i >= text.size() || text[i] != '=') continue;
        ++i;
        skip();
        file.params.push_back({name, word()});
    }
    statement.paramCount = file.params.size() - statement.firstParam;
}

// Reads the file: physical lines joined where a line ends in "&&".
bool LeanRead(const std::string& path, LeanFile& file)
{
    if (!ReadFileBytes(path, file.bytes)) return false;
    file.statements.clear();
    file.params.clear();
    const std::string_view all = file.bytes;
    std::size_t pos = 0;
    while (pos < all.size()) {
        const std::size_t start = pos;
        for (;;) {
            std::size_t end = all.find('\n', pos);
            if (end == std::string_view::npos) end = all.size();
            std::size_t last = end;
            while (last > pos && (all[last - 1] == '\r' || all[last - 1] == ' ' || all[last - 1] == '\t')) --last;
            const bool continued = last >= pos + 2 && all[last - 1] == '&' && all[last - 2] == '&';
            pos = end < all.size() ? end + 1 : end;
            if (!continued || pos >= all.size()) break;
        }
        std::size_t stop = pos;
        while (stop > start && (all[stop - 1] == '\n' || all[stop - 1] == '\r')) --stop;
        LeanStatement statement;
        statement.raw = all.substr(start, stop - start);
        SplitStatement(file, statement);
        file.statements.push_back(statement);
    }
    return true;
}

// Writes every statement back from its text, each ended by CR LF, through the same safe write.
bool LeanWrite(const std::string& path, const LeanFile& file)
{
    std::string out;
    out.reserve(file.bytes.size() + file.statements.size());
    for (const LeanStatement& statement : file.statements) {
        out.append(statement.raw);
        out.append("\r\n");
    }
    return WriteFileAtomic(path, out);
}

struct Figures {
    double bytes = 0;
    double open = 0, saveAs = 0, editedSave = 0;
    double plainRead = 0, plainWrite = 0;
    double leanRead = 0, leanWrite = 0;
    double OpenSave() const { return open + editedSave; }
    double Plain() const { return plainRead + plainWrite; }
    double Lean() const { return leanRead + leanWrite; }
};

// Every round times each figure once, one after the other, so that what else the machine does
// weighs on the document and on its reference alike; the first round is not counted.
Figures Measure(Size size, int rounds)
{
    namespace fs = std::filesystem;
    const std::string folder = (fs::temp_directory_path() / "tessaron_bench_open_save").string();
    fs::create_directories(folder);
    const std::string name = std::to_string(size.columns) + "x" + std::to_string(size.layers);
    const std::string path = folder + "/" + name + ".layer";
    const std::string savedAs = folder + "/" + name + ".saved.layer";
    const std::string plainCopy = folder + "/" + name + ".plain.layer";
    const std::string leanCopy = folder + "/" + name + ".lean.layer";
    {
        // Written once through the document, with no earlier text: every statement canonical.
        CTessaronDoc doc;
        BuildBenchDevice(doc, 1, size.columns, size.layers);
        doc.SaveCurrentZsegmentLayerFile(path);
    }
    std::string bytes;
    ReadFileBytes(path, bytes);

    std::vector<double> open, saveAs, editedSave, plainRead, plainWrite, leanRead, leanWrite;
    LeanFile lean;
    for (int round = 0; round <= rounds; ++round) {
        const bool counted = round > 0;
        auto keep = [counted](std::vector<double>& times, double ms) {
            if (counted) times.push_back(ms);
        };
        keep(plainRead, TimeMs([&] {
            std::string read;
            ReadFileBytes(path, read);
        }));
        CTessaronDoc doc;
        keep(open, TimeMs([&] {
            if (!doc.OnOpenDocument(path)) std::fprintf(stderr, "open failed\n");
        }));
        keep(plainWrite, TimeMs([&] { WriteFileAtomic(plainCopy, bytes); }));
        keep(saveAs, TimeMs([&] {
            if (!doc.OnSaveDocument(savedAs)) std::fprintf(stderr, "Save As failed\n");
        }));
        keep(editedSave, TimeMs([&] {
            // A row's thickness is written from its first column (the others follow it), so the
            // edit is made there: an edit the file does not show would save the last save's bytes.
            CLayerRec& layer = doc.m_ZSegments[0].Column(0).Layer(round % size.layers);
            layer.m_fHeight += 0.001f;
            doc.UpdateAllViews(0);
            if (!doc.OnSaveDocument(savedAs)) std::fprintf(stderr, "save failed\n");
        }));
        keep(leanRead, TimeMs([&] { LeanRead(path, lean); }));
        keep(leanWrite, TimeMs([&] { LeanWrite(leanCopy, lean); }));
    }
    fs::remove_all(folder);

    Figures f;
    f.bytes = double(bytes.size());
    f.open = Median(open);
    f.saveAs = Median(saveAs);
    f.editedSave = Median(editedSave);
    f.plainRead = Median(plainRead);
    f.plainWrite = Median(plainWrite);
    f.leanRead = Median(leanRead);
    f.leanWrite = Median(leanWrite);
    return f;
}

void PrintFigures(Size size, const Figures& f)
{
    std::printf("%2d x %3d layers (%7.0f bytes): open %8.3f ms  save after a one-layer edit %8.3f ms  "
                "Save As of the unchanged device %8.3f ms\n",
                size.columns, size.layers, f.bytes, f.open, f.editedSave, f.saveAs);
    std::printf("    plain read %7.3f ms  fsync'd write %7.3f ms   lean read %7.3f ms  lean write %7.3f ms\n",
                f.plainRead, f.plainWrite, f.leanRead, f.leanWrite);
    std::printf("    open + save = %.2f x plain I/O, %.2f x the lean pair; open + Save As = %.2f x plain I/O\n",
                f.OpenSave() / f.Plain(), f.OpenSave() / f.Lean(), (f.open + f.saveAs) / f.Plain());
}

}  // namespace

int main()
{
    BenchBuilderApp app;
    const Figures small = Measure(kSmall, kRounds);
    const Figures large = Measure(kLarge, kRounds);
    PrintFigures(kSmall, small);
    PrintFigures(kLarge, large);
    const double smallLayers = kSmall.columns * kSmall.layers;
    const double largeLayers = kLarge.columns * kLarge.layers;
    std::printf("growth exponent %d -> %d layers: open %.2f  save %.2f  open + save %.2f  (plain I/O %.2f)\n",
                int(smallLayers), int(largeLayers), GrowthExponent(small.open, large.open, smallLayers, largeLayers),
                GrowthExponent(small.editedSave, large.editedSave, smallLayers, largeLayers),
                GrowthExponent(small.OpenSave(), large.OpenSave(), smallLayers, largeLayers),
                GrowthExponent(small.Plain(), large.Plain(), smallLayers, largeLayers));
    std::printf("RESULT open + save after a one-layer edit of %d x %d = %.2f x plain read + fsync'd write (goal: at "
                "most 5), %.2f x the lean pair; growth exponent %.2f (goal: at most 1.1)\n",
                kLarge.columns, kLarge.layers, large.OpenSave() / large.Plain(), large.OpenSave() / large.Lean(),
                GrowthExponent(small.OpenSave(), large.OpenSave(), smallLayers, largeLayers));
    return 0;
}
