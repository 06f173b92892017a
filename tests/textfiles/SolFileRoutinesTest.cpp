// The deck routines: which simulator and which z-extent form a deck was written for, the warning
// when it does not match the target, the cylinder flag, and the material blocks of 3-D and 2-D decks.

#include "platform/FileSystem.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/SolDeckHarness.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct DetectCase {
    const char* name;
    const char* text;  // nullptr: no such file
    int expected;
};

void PrintTo(const DetectCase& c, std::ostream* os) { *os << c.name; }

class DetectDeckSimulator : public ::testing::TestWithParam<DetectCase> {
protected:
    TempFolder folder;
};

}  // namespace

TEST_P(DetectDeckSimulator, TellsTheSimulatorFromTheStatements)
{
    const DetectCase& c = GetParam();
    const std::string path = c.text ? folder.Write(c.name, c.text) : folder.File(c.name);
    EXPECT_EQ(CSolFile::DetectDeckSimulator(path), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    SolFileRoutines, DetectDeckSimulator,
    ::testing::Values(DetectCase{"deck.txt", "begin\r\nbegin_zsol\r\nend\r\n", -1},  // not read at all
                      DetectCase{"comments.sol", "$ a deck\r\nbegin\r\n$ nothing\r\nend\r\n", -1},
                      DetectCase{"gone.sol", nullptr, -1},
                      DetectCase{"corvex.sol", "$ x\r\nbegin\r\nequilibrium zseg_num=1\r\nend\r\n", 1},
                      DetectCase{"lumivo.sol", "begin\r\nequilibrium\r\nend\r\nbegin_zsol\r\nend_zsol\r\n", 2},
                      DetectCase{"UPPER.SOL", "begin\r\nbegin_zsol\r\n", 2},
                      DetectCase{"dev.sol.layer", "begin_layer\r\nend_layer\r\n", 1}));

namespace {

class SolFileRoutines : public ::testing::Test {
protected:
    ScriptedPrompts prompts;
    SolDeckHarness deck;
};

}  // namespace

TEST_F(SolFileRoutines, TheFirstZStructureWithAnExtentTellsTheForm)
{
    struct Case {
        std::vector<std::string> lines;
        int form;
    };
    const Case cases[] = {
        {{"z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=5"}, 0},
        {{"z_structure zseg_num=1 uniform_length=5"}, 1},
        {{"z_structure zseg_num=1 zplanes=2", "z_structure zseg_num=2 uniform_length=5",
          "z_structure zseg_num=3 uniform_zseg_from=9"},
         1},
        {{"z_structure zseg_num=1 uniform_zseg_from=0 uniform_length=5"}, 0},
        {{"z_structure zseg_num=1", "load_mesh uniform_length=3"}, 0},
        {{}, 0},
    };
    for (const Case& c : cases) {
        deck.LoadDeck(c.lines);
        EXPECT_EQ(CSolFile::ReadUniformZStructure(deck.layers.lines), c.form) << ::testing::PrintToString(c.lines);
    }
}

TEST_F(SolFileRoutines, AMismatchOfDeckAndTargetIsWarnedWithItsText)
{
    const std::string corvexWarning = "Your open the corvex3d example, but you select lumivo option,\n"
                                      "Please use menu item options->Corvex3d to select corvex3d!";
    const std::string lumivoWarning = "Your open the lumivo3d example, but you select corvex3d option,\n"
                                      "Please use menu item options->Lumivo to select lumivo!";
    struct Case {
        bool sections;
        int target;
        std::string warning;
    };
    const Case cases[] = {{false, 2, corvexWarning}, {true, 1, lumivoWarning}, {true, 0, lumivoWarning},
                          {false, 1, ""},            {true, 2, ""},           {false, 3, ""}};
    for (const Case& c : cases) {
        prompts.Clear();
        deck.LoadDeck(c.sections ? std::vector<std::string>{"begin", "end", "begin_zsol", "end_zsol"}
                                 : std::vector<std::string>{"begin", "end"});
        deck.doc.productCode = c.target;
        if (!c.warning.empty())
            prompts.AnswerNext(IDOK);
        deck.sol.CheckSimulatorMatch();
        if (c.warning.empty()) {
            EXPECT_TRUE(prompts.Texts().empty()) << c.target;
            continue;
        }
        ASSERT_EQ(prompts.Shown_().size(), 1u);
        EXPECT_EQ(prompts.Shown_()[0].text, c.warning);
        EXPECT_EQ(prompts.Shown_()[0].type, unsigned(MB_OK | MB_ICONEXCLAMATION));
    }
}

TEST_F(SolFileRoutines, TheCylinderFlagFollowsACylindricalStatement)
{
    deck.LoadDeck({"begin", "cylindrical", "end"});
    deck.sol.ReadCylindrical();
    EXPECT_EQ(deck.doc.settings.cylinder, 1);
    deck.LoadDeck({"begin", "$ cylindrical", "end"});
    deck.sol.ReadCylindrical();
    EXPECT_EQ(deck.doc.settings.cylinder, 0);
}

TEST_F(SolFileRoutines, MaterialBlocksFillTheirZSegmentsWithTheCompanionFiles)
{
    deck.folder.Write("seg2.gain", "gain_model model=bulk\r\n");
    deck.folder.Write("seg2.doping", "doping_profile a=1\r\ndoping_profile b=2\r\n");
    deck.folder.Write("seg3.mater", "mater_table name=inp\r\n");
    deck.LoadDeck({"begin", "include file=loose.gain", "begin_zmater zseg_num=2", "include file=seg2.gain",
                   "include file=seg2.doping", "end_zmater", "begin_zmater zseg_num=3", "include file=seg3.mater",
                   "end_zmater", "begin_zmater", "$ still z-segment 3", "end_zmater", "end"});
    const int before = deck.layers.lines.GetCount();
    deck.sol.ReadZmaterBlocks(deck.folder.File("dev.sol"));

    EXPECT_EQ(deck.layers.lines.GetCount(), before) << "the deck's statements stay";
    EXPECT_TRUE(deck.Seg(0).m_MaterialLines.IsEmpty()) << "an include outside a block is no z-segment's";
    const CZSegment& second = deck.Seg(1);
    EXPECT_EQ(second.m_MaterialLines.GetCount(), 2);
    EXPECT_EQ(second.m_GainLines.GetCount(), 1);
    EXPECT_EQ(second.m_DopingLines.GetCount(), 2);
    EXPECT_EQ(second.m_MaterLines.GetCount(), 0);
    const CZSegment& third = deck.Seg(2);
    EXPECT_EQ(third.m_MaterialLines.GetCount(), 2);
    EXPECT_EQ(third.m_MaterialLines[1].m_strKeyword, "$ still z-segment 3");
    EXPECT_EQ(third.m_MaterLines.GetCount(), 1);
}

TEST_F(SolFileRoutines, ALaterIncludeWithoutCompanionFilesKeepsWhatAnEarlierOneLoaded)
{
    deck.folder.Write("a.gain", "gain_model model=a\r\n");
    deck.folder.Write("a.doping", "doping_profile from=a\r\n");
    deck.folder.Write("b.doping", "doping_profile from=b\r\n");
    deck.LoadDeck({"begin_zmater zseg_num=1", "include file=a.gain", "include file=b.doping", "include file=c.mater",
                   "end_zmater"});
    deck.sol.ReadZmaterBlocks(deck.folder.File("dev.sol"));
    const CZSegment& first = deck.Seg(0);
    EXPECT_EQ(first.m_MaterialLines.GetCount(), 3);
    EXPECT_EQ(first.m_GainLines[0].GetParam("model"), "a");
    EXPECT_EQ(first.m_DopingLines[0].GetParam("from"), "b") << "a later file of its own replaces the group";
    EXPECT_TRUE(first.m_MaterLines.IsEmpty());
}

TEST_F(SolFileRoutines, ABlockWithoutItsEndTakesTheRestOfTheDeck)
{
    deck.LoadDeck({"begin_zmater zseg_num=4", "include file=x.gain", "newton_par a=1", "end"});
    deck.sol.ReadZmaterBlocks(deck.folder.File("dev.sol"));
    EXPECT_EQ(deck.Seg(3).m_MaterialLines.GetCount(), 3);
}

TEST_F(SolFileRoutines, ATwoDimensionalDeckKeepsItsNonCompanionIncludesInTheDeck)
{
    deck.folder.Write("dev.gain", "gain_model model=bulk\r\n");
    deck.LoadDeck({"begin", "include file=dev.gain", "include file=dev.layer", "end"});
    deck.doc.settings.zsegCount = 0;
    deck.sol.Read2DMaterials(deck.folder.File("dev.sol"));

    EXPECT_EQ(deck.doc.settings.zsegCount, 1);
    const CZSegment& only = deck.Seg(0);
    EXPECT_EQ(only.m_strLayerFile, deck.folder.File("dev.layer"));
    ASSERT_EQ(only.m_MaterialLines.GetCount(), 2);
    EXPECT_EQ(only.m_MaterialLines[0].GetParam("file"), "dev.gain");
    EXPECT_EQ(only.m_MaterialLines[1].GetParam("file"), "dev.layer");
    EXPECT_EQ(only.m_GainLines.GetCount(), 1);
    ASSERT_EQ(deck.layers.lines.GetCount(), 3);
    EXPECT_EQ(deck.layers.lines[1].GetParam("file"), "dev.layer");
}

TEST_F(SolFileRoutines, ADeckThatCannotBeOpenedGivesAnEmptyList)
{
    CKeywordLineList list;
    list.Append(CKeywordLine());
    EXPECT_FALSE(CSolFile::ReadDeckFile(deck.folder.File("gone.sol"), list));
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_TRUE(prompts.Texts().empty());
}
