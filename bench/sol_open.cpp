// Opening a ".sol" deck of 40 z-segments, each a ".layer" file of 20 columns x 50 layers, through
// the document, next to opening the same forty ".layer" files one after the other, in the same
// rounds. Every figure is the median of the rounds; the run ends with the deck's time as a multiple
// of the forty files'.

#include "DocumentBenchSupport.h"
#include "platform/FileIO.h"
#include "platform/NumberText.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kZSegments = 40;
constexpr int kColumns = 20;
constexpr int kLayers = 50;
constexpr int kRounds = 15;  // medians of this many timings of each

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

// Opens the deck, as a user does, and drops the document.
void OpenDeck(const Deck& deck)
{
    ResetProcessState();
    CTessaronDoc doc;
    if (!doc.OnOpenDocument(deck.path) || g_nZSegCount != kZSegments)
        std::fprintf(stderr, "the deck did not open\n");
}

// Opens the forty ".layer" files one after the other, each into a document of its own.
void OpenFortyLayerFiles(const Deck& deck)
{
    for (const std::string& file : deck.layerFiles) {
        ResetProcessState();
        CTessaronDoc doc;
        if (!doc.OnOpenDocument(file))
            std::fprintf(stderr, "a .layer file did not open\n");
    }
}

}  // namespace

// Every round opens the deck and then the forty files, so that what else the machine does weighs
// on both alike; the first round is not counted.
int main()
{
    const Deck& deck = GetDeck();  // the files are written before anything is timed
    std::vector<double> deckMs, filesMs;
    for (int round = 0; round <= kRounds; ++round) {
        const double d = TimeMs([&] { OpenDeck(deck); });
        const double f = TimeMs([&] { OpenFortyLayerFiles(deck); });
        if (round == 0)
            continue;
        deckMs.push_back(d);
        filesMs.push_back(f);
    }
    const double d = Median(deckMs), f = Median(filesMs);
    std::printf("opening the deck: %.2f ms; the forty .layer files alone: %.2f ms; %.2fx (medians of %d rounds)\n",
                d, f, d / f, kRounds);
    return 0;
}
