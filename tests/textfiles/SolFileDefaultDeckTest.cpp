// The default decks of the corvex and the lumivo simulator: byte for byte for the fixture devices,
// the rules of their rows, and the companion files their material blocks write.

#include "platform/FileSystem.h"
#include "platform/NumberText.h"
#include "support/FakeAppServices.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/SolDeckHarness.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct GoldenDeck {
    const char* fixture;     // folder below kSolFixtures
    const char* deck;        // the deck read to make the device
    int productCode;         // the simulator written for
    const char* golden;      // below kSolFixtures + "golden/"
};

void PrintTo(const GoldenDeck& c, std::ostream* os) { *os << c.golden; }

class DefaultDecks : public ::testing::TestWithParam<GoldenDeck> {
protected:
    ScriptedPrompts prompts;
    FakeAppServices app;
    SolDeckHarness deck;
};

}  // namespace

TEST_P(DefaultDecks, OfAFixtureDeviceAreTheGoldenBytes)
{
    const GoldenDeck& c = GetParam();
    const std::string path = deck.Stage(c.fixture, c.deck);
    // The deck's own simulator, so reading shows no warning.
    deck.doc.productCode = CSolFile::DetectDeckSimulator(path);
    ASSERT_EQ(deck.sol.ReadSolFile(path), 1);
    deck.doc.productCode = c.productCode;
    deck.sol.SetDestinationPath(path);

    CKeywordLineList written;
    ASSERT_TRUE(deck.sol.WriteDefaultDeck(written));
    EXPECT_EQ(DeckText(written), ExistingFileBytes(kSolFixtures + "golden/" + c.golden));
    EXPECT_TRUE(prompts.Texts().empty());
}

INSTANTIATE_TEST_SUITE_P(SolFileDefaultDeck, DefaultDecks,
                         ::testing::Values(GoldenDeck{"corvex_pos", "ridge.sol", 1, "ridge_corvex.sol"},
                                           GoldenDeck{"corvex_pos", "ridge.sol", 2, "ridge_lumivo.sol"},
                                           GoldenDeck{"lumivo_len", "taper.sol", 1, "taper_corvex.sol"},
                                           GoldenDeck{"lumivo_len", "taper.sol", 2, "taper_lumivo.sol"}));

namespace {

class SolFileDefaultDeck : public ::testing::Test {
protected:
    // Gives z-segments 1..count the extents from, from + 10, from + 20, ... each 8 long, with a
    // ".layer" path in the temporary folder.
    void UseZSegments(int count)
    {
        deck.doc.settings.zsegCount = count;
        for (int i = 0; i < count; ++i) {
            CZSegmentParams& params = deck.Seg(i).m_Params;
            params.m_dZFrom = 10.0 * i;
            params.m_dZTo = 10.0 * i + 8.0;
            deck.Seg(i).m_strLayerFile = deck.folder.File(StrFormat("seg%d.layer", i + 1));
        }
    }
    std::vector<std::string> StatementsOf(const CKeywordLineList& list, const std::string& keyword) const
    {
        std::vector<std::string> texts;
        for (const CKeywordLine& line : list.m_lines)
            if (line.m_strKeyword == keyword)
                texts.push_back(line.FormatParams());
        return texts;
    }

    ScriptedPrompts prompts;
    SolDeckHarness deck;
};

}  // namespace

TEST_F(SolFileDefaultDeck, TheTargetChoosesTheWriter)
{
    UseZSegments(1);
    struct Case {
        int code;
        bool written;
        bool sections;  // the lumivo deck
    };
    for (const Case& c : {Case{1, true, false}, Case{0, true, false}, Case{-3, true, false}, Case{2, true, true},
                          Case{3, false, false}}) {
        CKeywordLineList list;
        list.Append(CKeywordLine());
        deck.doc.productCode = c.code;
        EXPECT_EQ(deck.sol.WriteDefaultDeck(list), c.written) << c.code;
        if (!c.written) {
            EXPECT_EQ(list.GetCount(), 1) << "a deck of no simulator leaves the list as it was";
            continue;
        }
        EXPECT_EQ(list.GetKeyword(0), "$***********") << c.code;
        EXPECT_EQ(list.CountKeyword("begin_zsol"), c.sections ? 1 : 0) << c.code;
    }
    // Without a document the lumivo deck is the target, with no z-segment to write.
    CSolFile alone;
    EXPECT_EQ(alone.GetSimulatorTarget(), 2);
}

TEST_F(SolFileDefaultDeck, WithoutZSegmentsTheListStaysEmpty)
{
    CKeywordLineList list;
    list.Append(CKeywordLine());
    EXPECT_TRUE(deck.sol.WriteCorvexDeck(list));
    EXPECT_TRUE(list.IsEmpty());
}

TEST_F(SolFileDefaultDeck, ZStructureCarriesOnlyWhatIsSetAndTheLastHasNoTaperLength)
{
    UseZSegments(2);
    deck.doc.settings.lengthForm = 1;
    deck.Seg(0).m_Params.m_strTaperLink = "";
    deck.Seg(1).m_Params.m_nZPlanes = 1;
    CKeywordLineList list;
    ASSERT_TRUE(deck.sol.WriteCorvexDeck(list));
    EXPECT_EQ(StatementsOf(list, "z_structure"),
              (std::vector<std::string>{"z_structure uniform_length=8.000000 taper_length=2.000000 zseg_num=1",
                                        "z_structure uniform_length=8.000000 zseg_num=2 link_taper_contact=yes"}));

    // One z-segment in the length form: no gap after it.
    UseZSegments(1);
    ASSERT_TRUE(deck.sol.WriteCorvexDeck(list));
    EXPECT_EQ(StatementsOf(list, "z_structure"),
              std::vector<std::string>{"z_structure uniform_length=8.000000 zseg_num=1"});
}

TEST_F(SolFileDefaultDeck, FlowRowsFollowTheMethodExactly)
{
    UseZSegments(3);
    deck.sol.SetDestinationPath(deck.folder.File("device.sol"));
    struct Case {
        const char* method;
        std::vector<std::string> outputs;
        std::size_t scans;
        std::vector<std::string> steps;  // equilibrium and rtgain_phase of the lumivo deck, in order
    };
    const Case cases[] = {
        {"yes", {"output sol_outf=device.out zseg_num=1"}, 1,
         {"equilibrium zseg_num=1", "rtgain_phase density=0.0000E+00 zseg_num=1",
          "rtgain_phase density=0.0000E+00 zseg_num=2", "rtgain_phase density=0.0000E+00 zseg_num=3"}},
        // Only "yes" exactly is the flow method.
        {"Yes",
         {"output sol_outf=seg1.out zseg_num=1", "output sol_outf=seg2.out zseg_num=2",
          "output sol_outf=seg3.out zseg_num=3"},
         3,
         {"equilibrium zseg_num=1", "rtgain_phase density=0.0000E+00 zseg_num=1", "equilibrium zseg_num=2",
          "rtgain_phase density=0.0000E+00 zseg_num=2", "equilibrium zseg_num=3",
          "rtgain_phase density=0.0000E+00 zseg_num=3"}},
    };
    for (const Case& c : cases) {
        deck.doc.settings.isolatedMethod = c.method;
        CKeywordLineList list;
        ASSERT_TRUE(deck.sol.WriteLumivoDeck(list));
        EXPECT_EQ(StatementsOf(list, "output"), c.outputs) << c.method;
        EXPECT_EQ(StatementsOf(list, "scan").size(), 2 * c.scans) << c.method;
        EXPECT_EQ(StatementsOf(list, "scan3d").size(), c.scans) << c.method;
        std::vector<std::string> steps;
        for (const CKeywordLine& line : list.m_lines)
            if (line.m_strKeyword == "equilibrium" || line.m_strKeyword == "rtgain_phase")
                steps.push_back(line.FormatParams());
        EXPECT_EQ(steps, c.steps) << c.method;
        EXPECT_EQ(list[2].FormatParams(), std::string("3d_solution_method 3d_flow=") + c.method);
    }
}

TEST_F(SolFileDefaultDeck, LumivoSectionsOfNoLengthAreLeftOutAndNumberingRunsOn)
{
    UseZSegments(2);
    auto section = [](int kind, float ratio, const char* text) {
        CSectionRecord record;
        record.m_nKind = kind;
        record.m_fRatio = ratio;
        record.SetText(text);
        return record;
    };
    // z-segment 1 is 0..8 with a gap of 2; z-segment 2 is 10..18 with none after it.
    deck.Seg(0).m_Sections = {section(0, 0.5f, "section length=1 sec_num=9 mesh_points=3"),
                              section(0, 0.0f, "section length=1 sec_num=9 mesh_points=4"),
                              section(0, 0.5f, "section length=1 sec_num=9 mesh_points=5"),
                              section(1, 1.0f, "section length=1 mesh_points=2")};
    deck.Seg(1).m_Sections = {section(0, 1.0f, "section length=1 sec_num=1 mesh_points=6"),
                              section(1, 1.0f, "section length=1 sec_num=2 mesh_points=1")};
    CKeywordLineList list;
    ASSERT_TRUE(deck.sol.WriteLumivoDeck(list));
    EXPECT_EQ(StatementsOf(list, "section"),
              (std::vector<std::string>{"section length=4.000000e-006 sec_num=1 mesh_points=3",
                                        "section length=4.000000e-006 sec_num=2 mesh_points=5",
                                        "section length=2.000000e-006 mesh_points=2 sec_num=3",
                                        "section length=8.000000e-006 sec_num=4 mesh_points=6"}));
}

TEST_F(SolFileDefaultDeck, MaterialBlocksNameTheZSegmentsFilesAndWriteItsCompanions)
{
    UseZSegments(2);
    CZSegment& second = deck.Seg(1);
    deck.folder.Write("old.gain", "gain_model model=bulk\r\n");
    CLoadContext context;
    second.LoadStatementGroup(GROUP_GAIN, deck.folder.File("old.gain"), context);
    CKeywordLine include;
    include.Parse(std::string("include file=old.gain"));
    second.AddZmaterLine(include);
    include.Parse(std::string("include file=old"));  // no extension: the file value is the whole title
    second.AddZmaterLine(include);

    CKeywordLineList corvex;
    ASSERT_TRUE(deck.sol.WriteCorvexDeck(corvex));
    EXPECT_EQ(StatementsOf(corvex, "include"),
              (std::vector<std::string>{"include file=seg1.mater", "include file=seg1.doping",
                                        "include file=seg2.gain", "include file=seg2old"}));
    // Only the groups with lines are written; an empty group writes no file.
    EXPECT_EQ(deck.folder.Read("seg2.gain"), "gain_model model=bulk\r\n");
    EXPECT_FALSE(FileExists(deck.folder.File("seg2.doping")));
    EXPECT_FALSE(FileExists(deck.folder.File("seg1.gain")));

    CKeywordLineList lumivo;
    ASSERT_TRUE(deck.sol.WriteLumivoDeck(lumivo));
    EXPECT_EQ(StatementsOf(lumivo, "include")[0], "include file=seg1.gain");
    // The corvex deck has an empty line after each block; it stores as nothing.
    EXPECT_EQ(corvex.CountKeyword(""), 2);
    EXPECT_EQ(lumivo.CountKeyword(""), 0);
}

TEST_F(SolFileDefaultDeck, ACompanionFileThatCannotBeWrittenIsReportedAndFailsTheDeck)
{
    UseZSegments(1);
    CZSegment& only = deck.Seg(0);
    only.m_strLayerFile = deck.folder.File("gone/seg1.layer");  // a folder that does not exist
    CKeywordLine line;
    line.Parse(std::string("doping_profile kind=uniform"));
    only.m_DopingLines.Append(line);
    line.Parse(std::string("include file=seg1.doping"));
    only.AddZmaterLine(line);

    prompts.AnswerNext(IDOK);
    CKeywordLineList list;
    EXPECT_FALSE(deck.sol.WriteCorvexDeck(list));
    ASSERT_EQ(prompts.Texts().size(), 1u);
    const std::string expected = "Can't create file!\n" + deck.folder.File("gone/seg1.doping") + ": ";
    EXPECT_EQ(prompts.Texts()[0].substr(0, expected.size()), expected);
    EXPECT_GT(prompts.Texts()[0].size(), expected.size()) << "the reason follows";
    EXPECT_FALSE(FileExists(deck.folder.File("gone")));
}

TEST_F(SolFileDefaultDeck, CompanionFilesOfAReadDeviceAreWrittenFromItsGroups)
{
    const std::string path = deck.Stage("corvex_pos", "ridge.sol");
    deck.doc.productCode = 1;
    ASSERT_EQ(deck.sol.ReadSolFile(path), 1);
    for (const char* name : {"ridge1.gain", "ridge1.doping", "ridge2.gain", "ridge2.doping", "ridge2.mater"})
        ASSERT_TRUE(DeleteFilePath(deck.folder.File(name)));

    CKeywordLineList list;
    ASSERT_TRUE(deck.sol.WriteCorvexDeck(list));
    const std::string fixtures = kSolFixtures + "corvex_pos/";
    EXPECT_EQ(deck.folder.Read("ridge1.gain"), FileBytes(fixtures + "ridge1.gain"));
    EXPECT_EQ(deck.folder.Read("ridge1.doping"), FileBytes(fixtures + "ridge1.doping"));
    EXPECT_FALSE(FileExists(deck.folder.File("ridge1.mater")));
    // z-segment 2's doping came from extra.doping; it is written under the z-segment's own name.
    EXPECT_EQ(deck.folder.Read("ridge2.doping"), FileBytes(fixtures + "extra.doping"));
    EXPECT_EQ(deck.folder.Read("ridge2.gain"), FileBytes(fixtures + "ridge2.gain"));
    EXPECT_EQ(deck.folder.Read("ridge2.mater"), FileBytes(fixtures + "ridge2.mater"));
}
