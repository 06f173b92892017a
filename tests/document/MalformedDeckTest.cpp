// Decks that are wrong in one way each, opened through the document: each is refused with its
// message, or opens and then saves as any deck does. Numbers of any size are read without
// overflow, and every z-segment number is checked against the records.

#include "support/DocFixture.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "textfiles/LayerFileHarness.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

const char kDataError[] = "File data error!";
const char kBadSection[] = "The section length is not correct!";
const char kNoLayerFile[] = "Can't find correct layer file!";

struct MalformedDeck {
    const char* what;
    std::vector<std::string> lines;  // the deck's statements between "begin" and "end"
    const char* message;             // the first message the open shows; "" none
    bool opens;
    int line = 0;  // for the deck's data error: the line of the statement it names ("begin" is line 1)
};

void PrintTo(const MalformedDeck& c, std::ostream* os) { *os << c.what; }

// The statements of a sound one-z-segment deck, with one statement put in place of another or
// added.
std::vector<std::string> Deck(const std::string& zStructure = "z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10",
                              const std::vector<std::string>& more = {})
{
    std::vector<std::string> lines = {zStructure, "load_mesh mesh_inf=dev1.msh zseg_num=1",
                                      "output sol_outf=dev1.out zseg_num=1", "begin_zmater zseg_num=1",
                                      "end_zmater", "equilibrium zseg_num=1",
                                      "scan var=voltage_1 zseg_num=1 voltage_to=1.5 steps=10"};
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

std::vector<std::string> Sections(int count, const std::string& length)
{
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back("section length=" + length + " sec_num=" + std::to_string(i + 1) + " mesh_points=3");
    return lines;
}

std::vector<std::string> With(std::vector<std::string> lines, const std::vector<std::string>& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

std::vector<std::string> Without(std::vector<std::string> lines, const std::string& keyword)
{
    std::vector<std::string> kept;
    for (const std::string& line : lines)
        if (line.compare(0, keyword.size() + 1, keyword + " ") != 0)
            kept.push_back(line);
    return kept;
}

std::vector<std::string> ZStructures(int count)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back("z_structure zseg_num=" + std::to_string(i) + " uniform_zseg_from=" + std::to_string(i * 10) +
                        " uniform_zseg_to=" + std::to_string(i * 10 + 5));
    return lines;
}

const std::string k20Digits = "99999999999999999999";

const MalformedDeck kDecks[] = {
    {"a sound deck", Deck(), "", true},
    {"a 20-digit z_structure number", Deck("z_structure zseg_num=" + k20Digits + " uniform_zseg_from=0 uniform_zseg_to=10"),
     kDataError, false, 2},
    {"a negative 20-digit z_structure number",
     Deck("z_structure zseg_num=-" + k20Digits + " uniform_zseg_from=0 uniform_zseg_to=10"), kDataError, false, 2},
    {"a 29-digit z_structure number that reads as 9 when it wraps",
     Deck("z_structure zseg_num=18446744073709551616000000009 uniform_zseg_from=0 uniform_zseg_to=10"), kDataError,
     false, 2},
    {"z_structure number INT_MIN", Deck("z_structure zseg_num=-2147483648 uniform_zseg_from=0 uniform_zseg_to=10"),
     kDataError, false, 2},
    {"z_structure number 0", Deck("z_structure zseg_num=0 uniform_zseg_from=0 uniform_zseg_to=10"), kDataError, false, 2},
    {"z_structure number 41", Deck("z_structure zseg_num=41 uniform_zseg_from=0 uniform_zseg_to=10"), kDataError, false, 2},
    {"z_structure without a number", Deck("z_structure uniform_zseg_from=0 uniform_zseg_to=10"), kDataError, false, 2},
    {"41 z_structure statements", With(Without(Deck(), "z_structure"), ZStructures(41)), kDataError, false, 48},
    {"load_mesh number INT_MIN", With(Without(Deck(), "load_mesh"), {"load_mesh mesh_inf=dev1.msh zseg_num=-2147483648"}),
     kDataError, false, 8},
    {"a 20-digit load_mesh number", With(Without(Deck(), "load_mesh"), {"load_mesh mesh_inf=dev1.msh zseg_num=" + k20Digits}),
     kDataError, false, 8},
    {"output number INT_MIN", With(Without(Deck(), "output"), {"output sol_outf=dev1.out zseg_num=-2147483648"}),
     kDataError, false, 8},
    {"a 20-digit scan number", With(Without(Deck(), "scan"), {"scan var=voltage_1 zseg_num=" + k20Digits}), kDataError,
     false, 8},
    {"begin_zmater number INT_MIN", {"z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10",
                                      "load_mesh mesh_inf=dev1.msh zseg_num=1", "begin_zmater zseg_num=-2147483648",
                                      "end_zmater"},
     kDataError, false, 4},
    {"equilibrium number 41", With(Without(Deck(), "equilibrium"), {"equilibrium zseg_num=41"}), kDataError, false, 8},
    {"an output number that is no number", With(Without(Deck(), "output"), {"output sol_outf=dev1.out zseg_num=one"}),
     kDataError, false, 8},
    {"201 sections", Deck("z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=1000", Sections(201, "1.e-6")),
     kDataError, false, 209},
    {"201 sections that do not fit either: counted first",
     Deck("z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10", Sections(201, "1.e-3")), kDataError, false, 209},
    {"200 sections", Deck("z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=1000", Sections(200, "1.e-6")), "",
     true},
    {"sections without a z extent that go back", {"load_mesh mesh_inf=dev1.msh zseg_num=1", "section length=2",
                                                    "section length=-4"},
     kBadSection, false},
    {"sections without a z extent", {"load_mesh mesh_inf=dev1.msh zseg_num=1", "section length=2.e-6",
                                      "section length=3.e-6"},
     "", true},
    {"a section longer than the device", Deck("z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10",
                                              {"section length=1.e-3 sec_num=1"}),
     kBadSection, false},
    {"a load_mesh file that is not there", With(Without(Deck(), "load_mesh"), {"load_mesh mesh_inf=nothing.msh zseg_num=1"}),
     kNoLayerFile, false},
    {"ten taper points", Deck("z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10 taper_line=10"),
     "Your taper lines are more than 9!", true},
    {"taper points INT_MIN", Deck("z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10 taper_line=-2147483648"),
     "", true},
    {"a 20-digit taper point count", Deck("z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10 taper_line=" + k20Digits),
     "Your taper lines are more than 9!", true},
    {"z planes INT_MIN", Deck("z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10 zplanes=-2147483648"), "",
     true},
    {"a 20-digit z plane count", Deck("z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10 zplanes=" + k20Digits),
     "", true},
    {"z extents as 20-digit lengths", Deck("z_structure zseg_num=1 uniform_length=" + k20Digits), "", true},
    {"a z extent that ends before it starts", Deck("z_structure zseg_num=1 uniform_zseg_from=10 uniform_zseg_to=2"), "",
     true},
    {"a material block never ended", {"z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10",
                                       "load_mesh mesh_inf=dev1.msh zseg_num=1", "begin_zmater zseg_num=1"},
     "", true},
};

// The deck's one z-segment file.
const char kLayerFile[] =
    "begin_layer\r\n"
    "column column_num=1 w=2 mesh_num=4 r=1\r\n"
    "layer_mater macro_name=gaas column_num=1 n_doping=1.e+24\r\n"
    "layer d=1 n=4 r=1\r\n"
    "end_layer\r\n";

class MalformedDecks : public DocFixture, public ::testing::WithParamInterface<MalformedDeck> {
protected:
    MalformedDecks() { doc().SetMacroList(&layers.macros); }

    std::string WriteDeck() const
    {
        folder.Write("dev1.layer", kLayerFile);
        std::string text = "begin\r\n";
        for (const std::string& line : GetParam().lines)
            text += line + "\r\n";
        text += "end\r\n";
        return folder.Write("dev.sol", text);
    }

    // The message with the file it names on its second line: the deck, with the line and the
    // statement, for its own data errors; the file looked for when a z-segment's file is missing.
    std::string NamedMessage(const std::string& message, const std::string& deckPath) const
    {
        const MalformedDeck& deck = GetParam();
        if (message == kDataError)
            return message + "\n" + deckPath + ", line " + std::to_string(deck.line) + ": " +
                   deck.lines.at(static_cast<std::size_t>(deck.line) - 2);
        if (message == kNoLayerFile)
            return message + "\n" + folder.File("nothing.layer");
        return message;
    }

    LayerFileHarness layers;
    TempFolder folder;
};

}  // namespace

TEST_P(MalformedDecks, OpenWithTheirMessageOrReadAndSave)
{
    const MalformedDeck& deck = GetParam();
    const std::string path = WriteDeck();
    prompts.AllowUnscripted();
    const bool opened = doc().OnOpenDocument(path);
    EXPECT_EQ(opened, deck.opens);
    const std::vector<std::string> shown = prompts.Texts();
    if (std::string(deck.message).empty()) {
        EXPECT_EQ(shown, std::vector<std::string>());
    } else {
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.front(), NamedMessage(deck.message, path));
    }
    if (!opened) {
        EXPECT_EQ(g_nZSegCount, 0);
        return;
    }
    // A deck that opens saves as any other: every z-segment's file and the deck, and it opens again.
    const std::string copy = folder.File("copy.sol");
    ASSERT_TRUE(doc().OnSaveDocument(copy));
    EXPECT_EQ(prompts.Texts(), shown) << "the save says nothing";
    ASSERT_TRUE(doc().OnOpenDocument(copy));
    EXPECT_GE(g_nZSegCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Decks, MalformedDecks, ::testing::ValuesIn(kDecks));
