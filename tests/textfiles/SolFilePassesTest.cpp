// The passes of a deck conversion, one behaviour each: the z-segment statements, the material
// blocks and the small statement passes, on decks written here line by line.

#include "platform/Archive.h"
#include "platform/NumberText.h"
#include "support/FakeAppServices.h"
#include "support/FileBytes.h"
#include "support/RecordBuilders.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/SolDeckHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

namespace {

CKeywordLineList Deck(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    CArchive archive;
    archive.OpenLoadFromMemory(bytes, "deck.sol");
    CKeywordLineList list;
    list.SerializeFlat(archive);
    return list;
}

// The statements the store writes, each as keyword and parameters (blank lines as "").
std::vector<std::string> Written(const CKeywordLineList& list)
{
    std::vector<std::string> texts;
    for (const CKeywordLine& line : list.m_lines)
        if (line.m_nLine >= 0)
            texts.push_back(line.FormatParams());
    return texts;
}

class SolFilePasses : public ::testing::Test {
protected:
    // z-segments 1..count with ".layer" files seg<k>.layer in the temporary folder.
    void UseZSegments(int count)
    {
        deck.doc.settings.zsegCount = count;
        for (int i = 0; i < count; ++i) {
            deck.Seg(i).m_Params.m_dZFrom = 10.0 * i;
            deck.Seg(i).m_Params.m_dZTo = 10.0 * i + 8.0;
            deck.Seg(i).m_strLayerFile = deck.folder.File(StrFormat("seg%d.layer", i + 1));
        }
    }

    ScriptedPrompts prompts;
    FakeAppServices app;
    SolDeckHarness deck;
};

}  // namespace

// ------------------------------------------------------------------------------------------------
// Material blocks

TEST_F(SolFilePasses, MergingReplacesEachBlockByTheDefaultDecksAndDropsBlocksItHasNot)
{
    CKeywordLineList list = Deck({"begin", "begin_zmater zseg_num=1", "include file=a.gain", "end_zmater",
                                  "begin_zmater zseg_num=2", "include file=b.gain", "end_zmater",
                                  "begin_zmater zseg_num=3", "include file=c.gain", "end_zmater", "end"});
    const CKeywordLineList defaults = Deck({"begin_zmater zseg_num=1", "include file=x1.doping", "end_zmater", "",
                                            "begin_zmater zseg_num=2", "include file=x2.doping", "end_zmater"});
    CSolFile::MergeZmaterBlocks(list, defaults);
    EXPECT_EQ(Written(list), (std::vector<std::string>{"begin", "begin_zmater zseg_num=1", "include file=x1.doping",
                                                       "end_zmater", "begin_zmater zseg_num=2",
                                                       "include file=x2.doping", "end_zmater", "end"}));
}

struct EndlessBlocks {
    const char* what;
    std::vector<std::string> deck;
    std::vector<std::string> merged;
};

void PrintTo(const EndlessBlocks& c, std::ostream* os) { *os << c.what; }

class MergeEnds : public ::testing::TestWithParam<EndlessBlocks> {};

TEST_P(MergeEnds, EvenWhenBlocksShareANumberOrAreNeverClosed)
{
    CKeywordLineList list = Deck(GetParam().deck);
    const CKeywordLineList defaults = Deck({"begin_zmater zseg_num=1", "include file=x1.doping", "end_zmater"});
    CSolFile::MergeZmaterBlocks(list, defaults);
    EXPECT_EQ(Written(list), GetParam().merged);
}

INSTANTIATE_TEST_SUITE_P(
    SolFilePasses, MergeEnds,
    ::testing::Values(
        // The default deck's block holds what both blocks held when the deck was read.
        EndlessBlocks{"two blocks of one number",
                      {"begin_zmater zseg_num=1", "include file=a.gain", "end_zmater", "begin_zmater zseg_num=1",
                       "include file=b.gain", "end_zmater", "end"},
                      {"begin_zmater zseg_num=1", "include file=x1.doping", "end_zmater", "end"}},
        EndlessBlocks{"a block never closed",
                      {"begin_zmater zseg_num=1", "include file=a.gain", "end_zmater", "begin_zmater zseg_num=2",
                       "include file=b.gain"},
                      {"begin_zmater zseg_num=1", "include file=x1.doping", "end_zmater", "begin_zmater zseg_num=2",
                       "include file=b.gain"}}));

TEST_F(SolFilePasses, ARepeatedIncludeGoesOnlyWithinItsOwnBlock)
{
    CKeywordLineList list = Deck({"begin_zmater zseg_num=1", "include file=a.gain", "include file=a.gain",
                                  "include file=a.doping", "end_zmater", "begin_zmater zseg_num=2",
                                  "include file=a.gain", "end_zmater", "include file=a.gain"});
    CSolFile::RemoveDuplicateIncludes(list);
    EXPECT_EQ(Written(list), (std::vector<std::string>{"begin_zmater zseg_num=1", "include file=a.gain",
                                                       "include file=a.doping", "end_zmater",
                                                       "begin_zmater zseg_num=2", "include file=a.gain",
                                                       "end_zmater", "include file=a.gain"}));
}

TEST_F(SolFilePasses, MaterialIncludesOutsideBlocksGo)
{
    CKeywordLineList list = Deck({"include file=a.gain", "include file=a.inc", "begin_zmater zseg_num=1",
                                  "include file=b.mater", "end_zmater", "include file=c.doping"});
    CSolFile::RemoveLooseMaterialIncludes(list);
    EXPECT_EQ(Written(list), (std::vector<std::string>{"include file=a.inc", "begin_zmater zseg_num=1",
                                                       "include file=b.mater", "end_zmater"}));
}

// ------------------------------------------------------------------------------------------------
// The z-segment statements

TEST_F(SolFilePasses, ABlockOfAZSegmentTheDefaultDeckHasNotIsNotWrittenAndOthersAreRenumbered)
{
    CKeywordLineList read = Deck({"begin", "begin_zmater zseg_num=3", "include file=a.gain", "end_zmater",
                                  "begin_zmater zseg_num=5", "include file=b.gain", "end_zmater", "end"});
    CKeywordLineList defaults = Deck({"z_structure zseg_num=1", "z_structure zseg_num=5"});
    deck.sol.UpdateZmaterBlocks(read, defaults);
    EXPECT_EQ(Written(read), (std::vector<std::string>{"begin", "begin_zmater zseg_num=2", "include file=b.gain",
                                                       "end_zmater", "end"}));
}

TEST_F(SolFilePasses, MissingBlocksAreAppendedAfterTheLastBlockWithTheirZSegmentsFiles)
{
    UseZSegments(4);
    CKeywordLineList read = Deck({"begin", "output sol_outf=a.out zseg_num=1", "begin_zmater zseg_num=1",
                                  "include file=old.gain", "end_zmater", "begin_zmater zseg_num=2",
                                  "include file=old.doping", "end_zmater", "newton_par", "end"});
    deck.sol.CompleteZmaterBlocks(read);
    EXPECT_EQ(Written(read),
              (std::vector<std::string>{"begin", "output sol_outf=a.out zseg_num=1", "begin_zmater zseg_num=1",
                                        "include file=seg1.gain", "end_zmater", "begin_zmater zseg_num=2",
                                        "include file=seg2.doping", "end_zmater", "begin_zmater zseg_num=3",
                                        "include file=seg3.gain", "include file=seg3.doping", "end_zmater",
                                        "begin_zmater zseg_num=4", "include file=seg4.gain",
                                        "include file=seg4.doping", "end_zmater", "newton_par", "end"}));
}

TEST_F(SolFilePasses, TheIncludesOfABlockNumberedForNoZSegmentStayAsTheyAre)
{
    UseZSegments(1);
    CKeywordLineList read = Deck({"begin_zmater zseg_num=1", "include file=old.gain", "end_zmater",
                                  "begin_zmater zseg_num=45", "include file=far.gain", "end_zmater"});
    deck.sol.CompleteZmaterBlocks(read);
    EXPECT_EQ(Written(read), (std::vector<std::string>{"begin_zmater zseg_num=1", "include file=seg1.gain",
                                                       "end_zmater", "begin_zmater zseg_num=45",
                                                       "include file=far.gain", "end_zmater"}));
}

TEST_F(SolFilePasses, TheSolutionMethodIsSetOrInsertedAfterTheLastBegin)
{
    deck.doc.settings.isolatedMethod = "yes";
    CKeywordLineList without = Deck({"$ c", "begin", "newton_par", "end"});
    deck.sol.WriteSolutionMethod(without);
    EXPECT_EQ(Written(without), (std::vector<std::string>{"$ c", "begin", "3d_solution_method 3d_flow=yes",
                                                          "newton_par", "end"}));
    CKeywordLineList with = Deck({"begin", "3d_solution_method 3d_flow=no", "end"});
    deck.sol.WriteSolutionMethod(with);
    EXPECT_EQ(Written(with), (std::vector<std::string>{"begin", "3d_solution_method 3d_flow=yes", "end"}));
}

TEST_F(SolFilePasses, TaperCountsThatDifferBecomeZeroAfterOneMessage)
{
    UseZSegments(3);
    for (int z = 0; z < 3; ++z) {
        for (int c = 0; c < 3; ++c) {
            deck.Seg(z).AppendColumn(MakeColumn({MakeLayer("gaas")}));
            deck.Seg(z).Column(c).m_nTaperLine = c < 2 || z == 2 ? 1 : 0;
        }
        deck.Seg(z).LayoutColumns(false, 0.0f, 0.0, 0.0);
    }
    prompts.AnswerNext(IDOK);
    deck.sol.CheckTaperLineCounts();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"The taper_line num in each face are not equ!\n"
                                                        "It will set the all taper_line as zero!"});
    for (int z = 0; z < 3; ++z)
        EXPECT_EQ(deck.Seg(z).m_Params.m_nTaperPointCount, 0) << z;
}

TEST_F(SolFilePasses, ScansOfZSegmentOneAreRepeatedForEveryZSegmentAfterTheLastOfTheirVar)
{
    UseZSegments(3);
    CKeywordLineList list = Deck({"begin", "equilibrium zseg_num=1", "equilibrium zseg_num=2",
                                  "equilibrium zseg_num=3", "scan var=voltage_1 zseg_num=1",
                                  "scan var=current_1 zseg_num=1", "end"});
    deck.sol.AddSegmentStatementsIsolated(list);
    EXPECT_EQ(Written(list),
              (std::vector<std::string>{"begin", "equilibrium zseg_num=1", "equilibrium zseg_num=2",
                                        "equilibrium zseg_num=3", "rtgain_phase zseg_num=1",
                                        "rtgain_phase zseg_num=2", "rtgain_phase zseg_num=3",
                                        "scan var=voltage_1 zseg_num=1", "scan var=voltage_1 zseg_num=2",
                                        "scan var=voltage_1 zseg_num=3", "scan var=current_1 zseg_num=1",
                                        "scan var=current_1 zseg_num=2", "scan var=current_1 zseg_num=3", "end"}));
}

// ------------------------------------------------------------------------------------------------
// Statement passes

TEST_F(SolFilePasses, TheCylindricalStatementFollowsTheSetting)
{
    deck.doc.settings.cylinder = 1;
    CKeywordLineList on = Deck({"$ comment", "begin", "z_structure zseg_num=1", "end"});
    deck.sol.UpdateCylindrical(on);
    EXPECT_EQ(Written(on), (std::vector<std::string>{"$ comment", "begin", "cylindrical", "z_structure zseg_num=1",
                                                     "end"}));
    deck.doc.settings.cylinder = 0;
    deck.sol.UpdateCylindrical(on);
    EXPECT_EQ(Written(on), (std::vector<std::string>{"$ comment", "begin", "z_structure zseg_num=1", "end"}));
}

TEST_F(SolFilePasses, OutputsFollowTheSolutionMethod)
{
    deck.doc.settings.isolatedMethod = "yes";
    CKeywordLineList flow = Deck({"output sol_outf=a.out zseg_num=1", "output sol_outf=b.out zseg_num=2",
                                  "output sol_outf=c.out zseg_num=3"});
    deck.sol.UpdateOutputZsegNum(flow);
    EXPECT_EQ(Written(flow), std::vector<std::string>{"output sol_outf=a.out"});
    deck.doc.settings.isolatedMethod = "no";
    CKeywordLineList isolated = Deck({"output sol_outf=a.out"});
    deck.sol.UpdateOutputZsegNum(isolated);
    EXPECT_EQ(Written(isolated), std::vector<std::string>{"output sol_outf=a.out zseg_num=1"});
}

TEST_F(SolFilePasses, AZeroTaperLengthGoesAndOthersStay)
{
    CKeywordLineList list = Deck({"z_structure zseg_num=1 uniform_length=10 taper_length=0.0",
                                  "z_structure zseg_num=2 uniform_length=5 taper_length=2.5"});
    deck.sol.UpdateTaperLength(list);
    EXPECT_EQ(Written(list), (std::vector<std::string>{"z_structure zseg_num=1 uniform_length=10",
                                                       "z_structure zseg_num=2 uniform_length=5 taper_length=2.5"}));
}

TEST_F(SolFilePasses, SectionsAreNumberedInOrderLeavingOutThoseNotWritten)
{
    CKeywordLineList list = Deck({"section length=1e-6 sec_num=4", "section length=1e-6 sec_num=9",
                                  "section length=1e-6 sec_num=7", "section length=1e-6 sec_num=2"});
    list[2].m_nLine = -1;
    CSolFile::RenumberSections(list);
    EXPECT_EQ(Written(list), (std::vector<std::string>{"section length=1e-6 sec_num=1",
                                                       "section length=1e-6 sec_num=2",
                                                       "section length=1e-6 sec_num=3"}));
}

TEST_F(SolFilePasses, TheZsolBlockGoesForTheCorvexSimulatorOnly)
{
    const std::vector<std::string> lines{"end", "begin_zsol", "section length=1e-6", "end_zsol"};
    for (int target : {1, 2}) {
        deck.doc.productCode = target;
        CKeywordLineList list = Deck(lines);
        deck.sol.RemoveZsolBlock(list);
        EXPECT_EQ(Written(list).size(), target == 2 ? 4u : 1u) << target;
    }
}

// ------------------------------------------------------------------------------------------------
// The z-segment files

TEST_F(SolFilePasses, PreviousLayerChainsEachFileToTheOneBefore)
{
    UseZSegments(3);
    for (int k = 1; k <= 3; ++k)
        deck.folder.Write(StrFormat("seg%d.layer", k),
                          std::string("$ c\r\n") + (k == 1 ? "previous_layer file=x.layer\r\n" : "") +
                              "begin_layer\r\ncolumn column_num=1 w=1\r\nend_layer\r\n");
    deck.sol.UpdatePreviousLayer();
    EXPECT_EQ(deck.folder.Read("seg1.layer"), "$ c\nbegin_layer\ncolumn column_num=1 w=1\nend_layer\n");
    EXPECT_EQ(deck.folder.Read("seg2.layer"),
              "$ c\nbegin_layer\nprevious_layer  file=seg1.layer\ncolumn column_num=1 w=1\nend_layer\n");
    EXPECT_EQ(deck.folder.Read("seg3.layer"),
              "$ c\nbegin_layer\nprevious_layer  file=seg2.layer\ncolumn column_num=1 w=1\nend_layer\n");
}

TEST_F(SolFilePasses, RangeLinesAreReplacedWholeAndALongLineStaysWhole)
{
    UseZSegments(1);
    deck.Seg(0).AppendColumn(MakeColumn({MakeLayer("gaas", 2.0f, 3.0f)}));
    const std::string longComment = "$ " + std::string(300, 'x') + " $xrange inside a long comment\r\n";
    deck.folder.Write("seg1.layer", "begin_layer\r\n" + longComment + "$yrange 0 1\r\nend_layer\r\n");
    deck.sol.RewriteRanges(0);
    EXPECT_EQ(deck.folder.Read("seg1.layer"),
              "begin_layer\r\n$xrange 0.000000 3.000000\r\n$yrange 0.000000 2.000000\r\nend_layer\r\n");
}

TEST_F(SolFilePasses, AFileThatCannotBeReadIsNeverWrittenBackEmpty)
{
    UseZSegments(2);
    deck.folder.Write("seg1.gain", "include file=old.doping\r\n");
    // seg2.gain is a folder: it cannot be read.
    std::filesystem::create_directory(deck.folder.File("seg2.gain"));
    deck.sol.RenameCompanionIncludes(".gain");
    EXPECT_EQ(deck.folder.Read("seg1.gain"), "include  file=seg1.doping\r\n");
    EXPECT_TRUE(std::filesystem::is_directory(deck.folder.File("seg2.gain")));
}

// ------------------------------------------------------------------------------------------------
// Merging the default deck into the read deck

TEST_F(SolFilePasses, TheDefaultDecksStatementsLandRightAfterTheOldOnesWhichAreNotWritten)
{
    UseZSegments(1);
    CKeywordLineList read = Deck({"$ c", "begin", "z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=5 mine=7",
                                  "load_mesh mesh_inf=x.msh zseg_num=1", "newton_par", "end"});
    CKeywordLineList defaults = Deck({"z_structure uniform_zseg_from=0 uniform_zseg_to=8 zseg_num=1",
                                      "load_mesh mesh_inf=seg1.msh zseg_num=1", "output sol_outf=seg1.out zseg_num=1",
                                      "section length=8e-6 sec_num=1"});
    deck.sol.StripZStructureLengths(read);
    deck.sol.UpdateZmaterBlocks(read, defaults);
    deck.sol.InsertDefaultStatements(read, defaults);
    // The old statement's own parameters went into the default one; its extent did not.
    EXPECT_EQ(Written(read),
              (std::vector<std::string>{"$ c", "begin", "output sol_outf=seg1.out zseg_num=1",
                                        "z_structure uniform_zseg_from=0 uniform_zseg_to=8 zseg_num=1 mine=7",
                                        "load_mesh mesh_inf=seg1.msh zseg_num=1", "newton_par", "end", "begin_zsol",
                                        "section length=8e-6 sec_num=1", "end_zsol"}));
}

TEST_F(SolFilePasses, MergingParametersKeepsTheDefaultStatementsOwnValues)
{
    CKeywordLineList defaults = Deck({"z_structure zseg_num=1 zplanes=2", "z_structure zseg_num=2"});
    CKeywordLine old;
    old.Parse("z_structure zseg_num=2 zplanes=5 mine=yes");
    CSolFile::MergeStatementParams(old, defaults);
    EXPECT_EQ(Written(defaults), (std::vector<std::string>{"z_structure zseg_num=1 zplanes=2",
                                                           "z_structure zseg_num=2 zplanes=5 mine=yes"}));
    old.Parse("z_structure zplanes=9");  // no number: z-segment 1
    CSolFile::MergeStatementParams(old, defaults);
    EXPECT_EQ(defaults[0].FormatParams(), "z_structure zseg_num=1 zplanes=2");
}

TEST_F(SolFilePasses, StatementsOfZSegmentsNoLongerThereAreNotWritten)
{
    UseZSegments(2);
    CKeywordLineList list = Deck({"equilibrium zseg_num=1", "equilibrium zseg_num=3", "scan var=v",
                                  "begin_zmater zseg_num=3", "end_zmater"});
    deck.sol.DropStatementsBeyondSegments(list);
    EXPECT_EQ(Written(list), (std::vector<std::string>{"equilibrium zseg_num=1", "scan var=v",
                                                       "begin_zmater zseg_num=3", "end_zmater"}));
}

TEST_F(SolFilePasses, TheMacroDefaultsGoWithoutWritingAStatementMarkedNotWritten)
{
    CKeywordLineList list = Deck({"z_structure zseg_num=1 link_taper_contact=yes",
                                  "z_structure zseg_num=2 link_taper_contact=yes", "begin"});
    list[0].m_nLine = -1;
    deck.sol.UpdateLayerMacros(list);
    EXPECT_EQ(Written(list), (std::vector<std::string>{"z_structure zseg_num=2", "begin"}));
}

TEST_F(SolFilePasses, AMissingEquilibriumLandsAfterTheLastOfASmallerNumberOrTheFirstNewtonPar)
{
    CKeywordLineList list = Deck({"begin", "newton_par a=1", "equilibrium zseg_num=1", "newton_par a=2",
                                  "equilibrium zseg_num=4", "end"});
    const CKeywordLineList defaults = Deck({"equilibrium zseg_num=1", "equilibrium zseg_num=2",
                                            "equilibrium zseg_num=5"});
    CSolFile::InsertMissingEquilibrium(list, defaults);
    EXPECT_EQ(Written(list), (std::vector<std::string>{"begin", "newton_par a=1", "equilibrium zseg_num=1",
                                                       "equilibrium zseg_num=2", "newton_par a=2",
                                                       "equilibrium zseg_num=4", "equilibrium zseg_num=5", "end"}));
}

TEST_F(SolFilePasses, ANewLumivoFlowDeckHasGainStepsForEveryZSegmentAndTheRestForTheFirst)
{
    UseZSegments(3);
    deck.doc.productCode = 2;
    deck.doc.settings.isolatedMethod = "yes";
    const std::string path = deck.folder.File("flow.sol");
    ASSERT_TRUE(deck.sol.ConvertSolFile("", path, true));
    CKeywordLineList stored;
    ASSERT_TRUE(CSolFile::ReadDeckFile(path, stored));
    std::vector<std::string> steps;
    for (const CKeywordLine& line : stored.m_lines)
        if (line.m_strKeyword == "equilibrium" || line.m_strKeyword == "rtgain_phase" ||
            line.m_strKeyword == "scan" || line.m_strKeyword == "scan3d" || line.m_strKeyword == "output")
            steps.push_back(line.m_strKeyword + " " + line.GetParam("zseg_num"));
    EXPECT_EQ(steps, (std::vector<std::string>{"output ", "equilibrium 1", "rtgain_phase 1", "rtgain_phase 2",
                                               "rtgain_phase 3", "scan 1", "scan 1", "scan3d 1"}));
}

struct DeckSource {
    const char* previous;
    bool newDeck;
};

void PrintTo(const DeckSource& c, std::ostream* os) { *os << '"' << c.previous << '"'; }

class DeckSources : public ::testing::TestWithParam<DeckSource> {};

TEST_P(DeckSources, AreConvertedOnlyWhenTheyNameADeck)
{
    EXPECT_EQ(CSolFile::IsNewDeckSource(GetParam().previous), GetParam().newDeck);
}

INSTANTIATE_TEST_SUITE_P(SolFilePasses, DeckSources,
                         ::testing::Values(DeckSource{"a.sol", false}, DeckSource{"/d/DEV.SOL", false},
                                           DeckSource{"ab", true}, DeckSource{"", true},
                                           DeckSource{"/d/dev.layer", true}, DeckSource{".sol", true}));

TEST_F(SolFilePasses, ACompanionFileIsCopiedToTheNewNameButNeverOverAFile)
{
    deck.folder.Write("old.gain", "gain\r\n");
    deck.folder.Write("kept.gain", "mine\r\n");
    deck.sol.CopyCompanionFiles(deck.folder.File("old.layer"), deck.folder.File("new.layer"), ".gain");
    deck.sol.CopyCompanionFiles(deck.folder.File("old.layer"), deck.folder.File("kept.layer"), ".gain");
    deck.sol.CopyCompanionFiles(deck.folder.File("gone.layer"), deck.folder.File("none.layer"), ".gain");
    EXPECT_EQ(deck.folder.Read("new.gain"), "gain\r\n");
    EXPECT_EQ(deck.folder.Read("kept.gain"), "mine\r\n");
    EXPECT_EQ(deck.folder.List(), "kept.gain new.gain old.gain");
}
