// Z extents, taper points, sections and the solution method of a deck's statements.

#include "platform/NumberText.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/SolDeckHarness.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct TaperText {
    const char* text;
    int result;
    float first;
    float second;
};

void PrintTo(const TaperText& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class TaperPoints : public ::testing::TestWithParam<TaperText> {};

}  // namespace

TEST_P(TaperPoints, ReadAsBottomAndTopX)
{
    const TaperText& c = GetParam();
    float first = -1.0f;
    float second = -1.0f;
    EXPECT_EQ(CSolFile::ParseTaperPoint(c.text, &first, &second), c.result);
    if (c.result == 0)
        return;
    EXPECT_FLOAT_EQ(first, c.first);
    EXPECT_FLOAT_EQ(second, c.second);
}

INSTANTIATE_TEST_SUITE_P(SolFileZStructure, TaperPoints,
                         ::testing::Values(TaperText{"(1.5 2.25)", 1, 1.5f, 2.25f}, TaperText{"(7)", 1, 0.0f, 7.0f},
                                           TaperText{"  (-1 3e-1)  ", 1, -1.0f, 0.3f}, TaperText{"()", 1, 0.0f, 0.0f},
                                           TaperText{"", 0, 0, 0}, TaperText{"   ", 0, 0, 0}));

namespace {

struct Section {
    int kind;
    float ratio;
};

class SolFileZStructure : public ::testing::Test {
protected:
    // Checks and reads the z structure of a deck's statements.
    int CheckAndRead(const std::vector<std::string>& lines)
    {
        deck.LoadDeck(lines);
        if (!deck.sol.CheckZStructure())
            return 0;
        return deck.sol.ReadZStructure();
    }
    void ExpectSections(int zseg, const std::vector<Section>& expected)
    {
        const std::vector<CSectionRecord>& sections = deck.Seg(zseg).m_Sections;
        ASSERT_EQ(sections.size(), expected.size()) << "z-segment " << zseg + 1;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(sections[i].m_nKind, expected[i].kind) << "z-segment " << zseg + 1 << " section " << i;
            EXPECT_NEAR(sections[i].m_fRatio, expected[i].ratio, 1e-5) << "z-segment " << zseg + 1 << " section " << i;
        }
    }

    ScriptedPrompts prompts;
    SolDeckHarness deck;
};

const std::string kZ1 = "z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10";
const std::string kZ2 = "z_structure zseg_num=2 uniform_zseg_from=12 uniform_zseg_to=20";

}  // namespace

TEST_F(SolFileZStructure, SectionsFallIntoZSegmentsAndGapsWithTheirShares)
{
    ASSERT_EQ(CheckAndRead({kZ1, kZ2, "section length=4e-6", "section length=6e-6", "section length=2e-6",
                            "section length=8e-6"}),
              1);
    EXPECT_TRUE(prompts.Texts().empty());
    ExpectSections(0, {{0, 0.4f}, {0, 0.6f}, {1, 1.0f}});
    ExpectSections(1, {{0, 1.0f}, {1, 1.0f}});
    EXPECT_EQ(deck.Seg(1).m_Sections[1].GetText(), CSectionRecord::kDefaultText);
    EXPECT_EQ(deck.Seg(0).m_Sections[2].GetText(), "section length=2e-6");
}

TEST_F(SolFileZStructure, ExtentsAreComparedAsIfTheFirstZSegmentStartedAtZero)
{
    ASSERT_EQ(CheckAndRead({"z_structure zseg_num=1 uniform_zseg_from=5 uniform_zseg_to=10",
                            "z_structure zseg_num=2 uniform_zseg_from=10 uniform_zseg_to=20", "section length=5e-6",
                            "section length=10e-6"}),
              1);
    ExpectSections(0, {{0, 1.0f}, {1, 1.0f}});
    ExpectSections(1, {{0, 1.0f}, {1, 1.0f}});
    EXPECT_EQ(deck.Seg(0).m_Params.m_dZFrom, 5.0) << "the extents themselves are kept";
}

TEST_F(SolFileZStructure, AZSegmentWithOnlyAGapSectionStartsWithADefaultInside)
{
    ASSERT_EQ(CheckAndRead({"z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=0",
                            "z_structure zseg_num=2 uniform_zseg_from=2 uniform_zseg_to=10", "section length=2e-6",
                            "section length=8e-6"}),
              1);
    ExpectSections(0, {{0, 1.0f}, {1, 1.0f}});
    EXPECT_EQ(deck.Seg(0).m_Sections[0].GetText(), CSectionRecord::kDefaultText);
    EXPECT_EQ(deck.Seg(0).m_Sections[1].GetText(), "section length=2e-6");
}

TEST_F(SolFileZStructure, ASectionThatPassesTheCheckWithinTheToleranceIsPlaced)
{
    // 0.0005 past the end of z-segment 1: within the tolerance, so it is z-segment 1's.
    ASSERT_EQ(CheckAndRead({kZ1, kZ2, "section length=10.0005e-6", "section length=1.9995e-6", "section length=8e-6"}),
              1);
    EXPECT_TRUE(prompts.Texts().empty());
    ExpectSections(0, {{0, 1.00005f}, {1, 0.99975f}});
    ExpectSections(1, {{0, 1.0f}, {1, 1.0f}});
    // 0.002 past it is too far.
    prompts.AnswerNext(IDOK);
    EXPECT_EQ(CheckAndRead({kZ1, kZ2, "section length=10.002e-6"}), 0);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"The section length is not correct!"});
}

TEST_F(SolFileZStructure, MoreThanNineTaperLinesAreCutToNineAfterAMessage)
{
    std::string statement = "z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=4 taper_line=12";
    for (int p = 1; p <= 12; ++p)
        statement += StrFormat(" taper_points%d=(%d %d)", p, p, p + 1);
    prompts.AnswerNext(IDOK);
    ASSERT_EQ(CheckAndRead({statement}), 1);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Your taper lines are more than 9!"});
    const CZSegmentParams& params = deck.Seg(0).m_Params;
    EXPECT_EQ(params.m_nTaperPointCount, 9);
    EXPECT_EQ(params.m_fTaperPoints[8][0], 9.0f);
    EXPECT_EQ(params.m_fTaperPoints[8][1], 10.0f);
}

TEST_F(SolFileZStructure, ATaperPointThatIsNotGivenKeepsItsValue)
{
    deck.Seg(0).m_Params.m_fTaperPoints[1][0] = 4.0f;
    ASSERT_EQ(CheckAndRead({"z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=4 taper_line=2 "
                            "taper_points1=(1 2)"}),
              1);
    EXPECT_EQ(deck.Seg(0).m_Params.m_nTaperPointCount, 2);
    EXPECT_EQ(deck.Seg(0).m_Params.m_fTaperPoints[0][1], 2.0f);
    EXPECT_EQ(deck.Seg(0).m_Params.m_fTaperPoints[1][0], 4.0f);
}

TEST_F(SolFileZStructure, ExtentsAreStoredByZSegmentNumber)
{
    ASSERT_EQ(CheckAndRead({"z_structure zseg_num=2 uniform_length=10 taper_length=2",
                            "z_structure zseg_num=1 uniform_length=5"}),
              1);
    EXPECT_EQ(deck.Seg(1).m_Params.m_dZFrom, 0.0);
    EXPECT_EQ(deck.Seg(1).m_Params.m_dZTo, 10.0);
    EXPECT_EQ(deck.Seg(0).m_Params.m_dZFrom, 12.0);
    EXPECT_EQ(deck.Seg(0).m_Params.m_dZTo, 17.0);
    EXPECT_EQ(deck.Seg(0).m_Params.m_nZPlanes, 1);
}

TEST_F(SolFileZStructure, TheLastSolutionMethodStatementWins)
{
    struct Case {
        std::vector<std::string> lines;
        const char* method;
    };
    const Case cases[] = {{{"begin", "end"}, "no"},
                          {{"3d_solution_method"}, ""},
                          {{"3d_solution_method 3d_flow=no", "3d_solution_method 3d_flow=yes"}, "yes"}};
    for (const Case& c : cases) {
        deck.LoadDeck(c.lines);
        deck.sol.ReadSolutionMethod();
        EXPECT_EQ(deck.doc.settings.isolatedMethod, c.method);
    }
}

TEST_F(SolFileZStructure, LoadMeshNamesEachZSegmentsLayerFileInTheDecksFolder)
{
    deck.LoadDeck({"load_mesh mesh_inf=dev1.msh", "load_mesh mesh_inf=a.b.msh zseg_num=2", "load_mesh zseg_num=3",
                   "load_mesh mesh_inf=plain zseg_num=4", "load_mesh mesh_inf=later.msh zseg_num=2"});
    deck.sol.ReadLoadMeshStatements("runs/");
    EXPECT_EQ(deck.Seg(0).m_strLayerFile, "runs/dev1.layer");
    EXPECT_EQ(deck.Seg(1).m_strLayerFile, "runs/later.layer");  // a later statement wins
    EXPECT_EQ(deck.Seg(2).m_strLayerFile, "");                  // no mesh file named
    EXPECT_EQ(deck.Seg(3).m_strLayerFile, "runs/plain.layer");
}

TEST_F(SolFileZStructure, SectionTextsAreRebuiltFromTheirParameters)
{
    deck.LoadDeck({"section  length = 4e-6   sec_num=1", "section length=1e-6 mesh_points=3"});
    EXPECT_EQ(deck.sol.GetSectionText(0), "section length=4e-6 sec_num=1");
    EXPECT_EQ(deck.sol.GetSectionText(1), "section length=1e-6 mesh_points=3");
    EXPECT_EQ(deck.sol.GetSectionText(2), "");
    EXPECT_FLOAT_EQ(deck.sol.ReadSectionLengths(), 5.0f);
}
