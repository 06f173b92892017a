// Reading ".sol" decks into the records: the fixture decks of both simulators and both z-extent
// forms, and the decks the reader refuses.

#include "platform/FileSystem.h"
#include "platform/NumberText.h"
#include "support/FakeAppServices.h"
#include "support/FatalExitTrap.h"
#include "support/RecordingClock.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/SolDeckHarness.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

const char kBadSection[] = "The section length is not correct!";
// The deck's own data error names the deck, and the line and statement it cannot use; "{deck}"
// and "{folder}" stand for the deck's path and folder in the expected texts.
const std::string kDeckDataError = "File data error!\n{deck}";

struct SectionExpectation {
    int kind;
    float ratio;
    std::string text;
};

void ExpectSections(const CZSegment& segment, const std::vector<SectionExpectation>& expected, const char* what)
{
    ASSERT_EQ(segment.m_Sections.size(), expected.size()) << what;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(segment.m_Sections[i].m_nKind, expected[i].kind) << what << " " << i;
        EXPECT_FLOAT_EQ(segment.m_Sections[i].m_fRatio, expected[i].ratio) << what << " " << i;
        EXPECT_EQ(segment.m_Sections[i].GetText(), expected[i].text) << what << " " << i;
    }
}

std::vector<std::string> Keywords(const CKeywordLineList& lines)
{
    std::vector<std::string> keywords;
    for (const CKeywordLine& line : lines.m_lines)
        keywords.push_back(line.m_strKeyword);
    return keywords;
}

class SolFileRead : public ::testing::Test {
protected:
    ScriptedPrompts prompts;
    FakeAppServices app;
    SolDeckHarness deck;
};

}  // namespace

TEST_F(SolFileRead, ACorvexDeckInPositionsGivesEachZSegmentItsExtentTaperFileAndMaterials)
{
    const std::string path = deck.Stage("corvex_pos", "ridge.sol");
    deck.doc.productCode = 1;
    ASSERT_EQ(deck.sol.ReadSolFile(path), 1);
    EXPECT_TRUE(prompts.Texts().empty());

    EXPECT_EQ(deck.doc.settings.zsegCount, 2);
    EXPECT_EQ(deck.doc.settings.isolatedMethod, "no");
    EXPECT_EQ(deck.doc.settings.lengthForm, 0);
    EXPECT_EQ(deck.doc.settings.cylinder, 0);
    EXPECT_EQ(deck.layers.zsegs.size(), 40u);

    const CZSegment& first = deck.Seg(0);
    EXPECT_EQ(first.m_strLayerFile, deck.folder.File("ridge1.layer"));
    EXPECT_EQ(first.m_Params.m_dZFrom, 5.0);
    EXPECT_EQ(first.m_Params.m_dZTo, 15.0);
    EXPECT_EQ(first.m_Params.m_nZPlanes, 1);
    EXPECT_EQ(first.m_Params.m_strTaperLink, "no");
    ASSERT_EQ(first.m_Params.m_nTaperPointCount, 1);
    EXPECT_EQ(first.m_Params.m_fTaperPoints[0][0], 2.5f);
    EXPECT_EQ(first.m_Params.m_fTaperPoints[0][1], 2.5f);
    ASSERT_EQ(first.GetColumnCount(), 2);
    // The first column's right edge (2.5 at the bottom and at the top) is the taper vertex.
    EXPECT_EQ(first.GetColumn(0).m_nTaperLine, 1);
    EXPECT_EQ(first.GetColumn(1).m_nTaperLine, 0);
    ExpectSections(first, {{0, 1.0f, CSectionRecord::kDefaultText}, {1, 1.0f, CSectionRecord::kDefaultText}}, "first");

    const CZSegment& second = deck.Seg(1);
    EXPECT_EQ(second.m_strLayerFile, deck.folder.File("ridge2.layer"));
    EXPECT_EQ(second.m_Params.m_dZFrom, 17.0);
    EXPECT_EQ(second.m_Params.m_dZTo, 25.0);
    EXPECT_EQ(second.m_Params.m_strTaperLink, "yes");
    EXPECT_EQ(second.m_Params.m_nTaperPointCount, 0);
    ASSERT_EQ(second.GetColumnCount(), 1);
    EXPECT_EQ(second.GetColumn(0).GetLayersInUse(), 3);
    EXPECT_EQ(deck.Seg(2).GetColumnCount(), 0);

    // Material blocks: the block's statements, and the companion files of its includes.
    EXPECT_EQ(Keywords(first.m_MaterialLines),
              (std::vector<std::string>{"$ the materials of the entry facet", "include", "include"}));
    EXPECT_EQ(first.m_GainLines.GetCount(), 2);
    EXPECT_EQ(first.m_DopingLines.GetCount(), 1);
    EXPECT_EQ(first.m_MaterLines.GetCount(), 0);  // no ridge1.mater
    EXPECT_EQ(Keywords(second.m_MaterialLines), (std::vector<std::string>{"include", "include"}));
    EXPECT_EQ(second.m_GainLines[0].GetParam("model"), "quantum_well");
    // The second include (extra.doping) brings its own doping; it has no ".gain" or ".mater", and
    // the groups the first include loaded stay.
    EXPECT_EQ(second.m_DopingLines[0].GetParam("kind"), "step");
    EXPECT_EQ(second.m_MaterLines.GetCount(), 2);

    // One material set per ".layer" file; each file numbered on its own from 1.
    ASSERT_EQ(deck.materialSets.size(), 2u);
    for (const CMaterialSet& set : deck.materialSets) {
        const CKeywordLineList& lines = *set.m_Lines;
        ASSERT_FALSE(lines.IsEmpty());
        EXPECT_EQ(lines[0].m_nLine, 1);
        EXPECT_EQ(lines[lines.GetCount() - 1].m_nLine, lines.GetCount());
        EXPECT_EQ(set.m_strIncludeFolder, deck.folder.Path() + "/");
    }
    // The statement list holds the deck again.
    EXPECT_EQ(deck.layers.lines.CountKeyword("z_structure"), 2);
    EXPECT_EQ(deck.layers.lines.CountKeyword("column"), 0);
    EXPECT_EQ(app.calls, (std::vector<std::string>{"LoadLayerMacros " + deck.folder.File("ridge1.layer"),
                                                   "LoadLayerMacros " + deck.folder.File("ridge2.layer")}));
}

TEST_F(SolFileRead, ALumivoDeckInLengthsGivesRunningExtentsSectionsAndTheFlowMethod)
{
    const std::string path = deck.Stage("lumivo_len", "taper.sol");
    ASSERT_EQ(deck.sol.ReadSolFile(path), 1);
    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(deck.doc.settings.zsegCount, 3);
    EXPECT_EQ(deck.doc.settings.isolatedMethod, "yes");
    EXPECT_EQ(deck.doc.settings.lengthForm, 1);
    EXPECT_EQ(deck.doc.settings.cylinder, 1);

    // 10 long with a gap of 2, then 5 with a gap of 3, then 4.
    const double extents[3][2] = {{0, 10}, {12, 17}, {20, 24}};
    const int planes[3] = {3, 2, 1};
    const char* links[3] = {"yes", "no", "yes"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(deck.Seg(i).m_Params.m_dZFrom, extents[i][0]) << i;
        EXPECT_EQ(deck.Seg(i).m_Params.m_dZTo, extents[i][1]) << i;
        EXPECT_EQ(deck.Seg(i).m_Params.m_nZPlanes, planes[i]) << i;
        EXPECT_EQ(deck.Seg(i).m_Params.m_strTaperLink, links[i]) << i;
    }
    const CZSegmentParams& tapered = deck.Seg(0).m_Params;
    ASSERT_EQ(tapered.m_nTaperPointCount, 2);
    EXPECT_EQ(tapered.m_fTaperPoints[1][0], 3.5f);
    EXPECT_EQ(tapered.m_fTaperPoints[1][1], 3.0f);
    // Only (1.5 1.5) is a column edge: the second column ends at 3.5 at the top as well.
    EXPECT_EQ(deck.Seg(0).GetColumn(0).m_nTaperLine, 1);
    EXPECT_EQ(deck.Seg(0).GetColumn(1).m_nTaperLine, 0);

    ExpectSections(deck.Seg(0),
                   {{0, 0.4f, "section length=4e-6 sec_num=1 mesh_points=5"},
                    {0, 0.6f, "section length=6e-6 sec_num=2 mesh_points=7"},
                    {1, 1.0f, "section length=2e-6 sec_num=3 mesh_points=3"}},
                   "first");
    ExpectSections(deck.Seg(1),
                   {{0, 1.0f, "section length=5e-6 sec_num=4 mesh_points=6"},
                    {1, 1.0f, "section length=3e-6 sec_num=5 mesh_points=3"}},
                   "second");
    ExpectSections(deck.Seg(2),
                   {{0, 1.0f, "section length=4e-6 sec_num=6 mesh_points=5"}, {1, 1.0f, CSectionRecord::kDefaultText}},
                   "third");

    // A "begin_zmater" without "zseg_num" goes on with the z-segment of the block before it.
    const CZSegment& second = deck.Seg(1);
    EXPECT_EQ(second.m_MaterialLines.GetCount(), 2);
    EXPECT_EQ(second.m_MaterialLines[1].GetParam("file"), "taper2.mater");
    EXPECT_EQ(second.m_GainLines.GetCount(), 2);
    EXPECT_EQ(second.m_MaterLines.GetCount(), 1);
    EXPECT_EQ(second.m_DopingLines.GetCount(), 0);
    EXPECT_TRUE(deck.Seg(2).m_MaterialLines.IsEmpty());
}

TEST_F(SolFileRead, ATwoDimensionalDeckIsOneZSegmentNamedAfterTheDeck)
{
    const std::string path = deck.Stage("flat2d", "flat.sol");
    deck.doc.productCode = 1;
    prompts.AnswerNext(IDOK);
    ASSERT_EQ(deck.sol.ReadSolFile(path), 1);
    ASSERT_EQ(prompts.Shown_().size(), 1u);
    EXPECT_EQ(prompts.Shown_()[0].text, "It will open 2d sol file!");
    EXPECT_EQ(prompts.Shown_()[0].type, unsigned(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(deck.doc.settings.zsegCount, 1);
    const CZSegment& only = deck.Seg(0);
    EXPECT_EQ(only.m_strLayerFile, deck.folder.File("flat.layer"));
    EXPECT_EQ(only.GetColumnCount(), 1);
    EXPECT_EQ(only.m_Params.m_dZFrom, 0.0);
    EXPECT_EQ(only.m_Params.m_dZTo, 0.0);
    EXPECT_EQ(Keywords(only.m_MaterialLines), (std::vector<std::string>{"include", "include"}));
    EXPECT_EQ(only.m_GainLines.GetCount(), 1);
    ExpectSections(only, {{0, 1.0f, CSectionRecord::kDefaultText}, {1, 1.0f, CSectionRecord::kDefaultText}}, "2-D");
}

TEST_F(SolFileRead, ADeckWithSectionsButNoZStructureIsOneZSegmentAsLongAsTheSections)
{
    deck.Stage("flat2d", "flat.sol");
    const std::string path = deck.WriteDeck("cut.sol", {"begin", "load_mesh mesh_inf=flat.msh", "end", "begin_zsol",
                                                        "section length=3e-6 mesh_points=4",
                                                        "section length=1e-6 mesh_points=2", "end_zsol"});
    ASSERT_EQ(deck.sol.ReadSolFile(path), 1);
    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(deck.doc.settings.zsegCount, 1);
    EXPECT_EQ(deck.Seg(0).m_strLayerFile, deck.folder.File("flat.layer"));  // "load_mesh" without a number
    EXPECT_EQ(deck.Seg(0).m_Params.m_dZFrom, 0.0);
    EXPECT_FLOAT_EQ(float(deck.Seg(0).m_Params.m_dZTo), 4.0f);
    ExpectSections(deck.Seg(0),
                   {{0, 0.75f, "section length=3e-6 mesh_points=4"},
                    {0, 0.25f, "section length=1e-6 mesh_points=2"},
                    {1, 1.0f, CSectionRecord::kDefaultText}},
                   "sections only");
}

namespace {

struct RefusedDeck {
    const char* what;
    std::vector<std::string> deck;        // the deck's lines (ridge1.layer and ridge2.layer lie beside it)
    std::vector<std::string> messages;    // what the reader says, in order
};

void PrintTo(const RefusedDeck& c, std::ostream* os) { *os << c.what; }

std::vector<std::string> RidgeDeck(const std::string& firstZStructure)
{
    return {"begin",
            firstZStructure,
            "z_structure zseg_num=2 uniform_zseg_from=12 uniform_zseg_to=20",
            "load_mesh mesh_inf=ridge1.msh zseg_num=1",
            "load_mesh mesh_inf=ridge2.msh zseg_num=2",
            "end"};
}

std::vector<std::string> With(std::vector<std::string> lines, const std::vector<std::string>& more)
{
    lines.insert(lines.end() - 1, more.begin(), more.end());
    return lines;
}

// A deck of count statements made from format, numbered 1 to 40 and round again.
std::vector<std::string> Repeated(const std::string& format, int count)
{
    std::vector<std::string> lines{"begin"};
    for (int i = 0; i < count; ++i)
        lines.push_back(StrFormat(format.c_str(), i % CZSegment::kMaxZSegments + 1));
    lines.push_back("end");
    return lines;
}

const std::string kFirst = "z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10";

class RefusedDecks : public ::testing::TestWithParam<RefusedDeck> {
protected:
    ScriptedPrompts prompts;
    FakeAppServices app;
    SolDeckHarness deck;
};

}  // namespace

TEST_P(RefusedDecks, AreRefusedWithTheirMessage)
{
    const RefusedDeck& c = GetParam();
    deck.Stage("corvex_pos", "ridge.sol");
    deck.folder.Write("empty.layer", "begin_layer\r\nlayer d=1 n=2\r\nend_layer\r\n");
    deck.folder.Write("noinc.layer", "begin_layer\r\ninclude file=gone.inc\r\nend_layer\r\n");
    deck.doc.productCode = 1;
    for (std::size_t i = 0; i < c.messages.size(); ++i)
        prompts.AnswerNext(IDOK);
    const std::string path = deck.WriteDeck("refused.sol", c.deck);
    EXPECT_EQ(deck.sol.ReadSolFile(path), 0);
    std::vector<std::string> expected = c.messages;
    for (std::string& text : expected) {
        if (text == "Can't open file gone.inc")
            text = "Can't open file " + deck.folder.File("gone.inc");
        for (const auto& [mark, value] : {std::pair<std::string, std::string>{"{deck}", path},
                                          std::pair<std::string, std::string>{"{folder}", deck.folder.File("")}}) {
            const std::size_t at = text.find(mark);
            if (at != std::string::npos)
                text.replace(at, mark.size(), value);
        }
    }
    EXPECT_EQ(prompts.Texts(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    SolFileRead, RefusedDecks,
    ::testing::Values(
        RefusedDeck{"old form", With(RidgeDeck(kFirst), {"taper3d zseg_num=1"}), {"It is the old sol file!"}},
        // Sections 0-4, 4-10, the gap 10-12, then 12-21, past the end of z-segment 2.
        RefusedDeck{"section past the last z-segment",
                    With(RidgeDeck(kFirst), {"section length=4e-6", "section length=6e-6", "section length=2e-6",
                                             "section length=9e-6"}),
                    {kBadSection}},
        RefusedDeck{"section across a z-segment's end", With(RidgeDeck(kFirst), {"section length=11e-6"}),
                    {kBadSection}},
        RefusedDeck{"z_structure without zseg_num", RidgeDeck("z_structure uniform_zseg_from=0 uniform_zseg_to=10"),
                    {kDeckDataError + ", line 2: z_structure uniform_zseg_from=0 uniform_zseg_to=10"}},
        RefusedDeck{"z_structure zseg_num 41", RidgeDeck("z_structure zseg_num=41 uniform_zseg_from=0"),
                    {kDeckDataError + ", line 2: z_structure zseg_num=41 uniform_zseg_from=0"}},
        RefusedDeck{"z_structure zseg_num 0", RidgeDeck("z_structure zseg_num=0 uniform_zseg_from=0"),
                    {kDeckDataError + ", line 2: z_structure zseg_num=0 uniform_zseg_from=0"}},
        RefusedDeck{"load_mesh zseg_num 41", With(RidgeDeck(kFirst), {"load_mesh mesh_inf=x.msh zseg_num=41"}),
                    {kDeckDataError + ", line 6: load_mesh mesh_inf=x.msh zseg_num=41"}},
        RefusedDeck{"begin_zmater zseg_num 0", With(RidgeDeck(kFirst), {"begin_zmater zseg_num=0", "end_zmater"}),
                    {kDeckDataError + ", line 6: begin_zmater zseg_num=0"}},
        // The line counts the blank and remark lines before the statement and the continued lines
        // of those before it; the statement is shown as the reader joins it.
        RefusedDeck{"a continued statement after blank lines and a remark",
                    {"begin", "", kFirst + " &&", "   taper_length=0", "$ the mesh", "", "load_mesh mesh_inf=x.msh &&",
                     "  zseg_num=41", "end"},
                    {kDeckDataError + ", line 7: load_mesh mesh_inf=x.msh zseg_num=41"}},
        RefusedDeck{"41 z_structure statements",
                    Repeated("z_structure zseg_num=%d uniform_zseg_from=0 uniform_zseg_to=0", 41),
                    {kDeckDataError + ", line 42: z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=0"}},
        RefusedDeck{"201 sections", Repeated("section length=1e-6 sec_num=%d", 201),
                    {kDeckDataError + ", line 202: section length=1e-6 sec_num=1"}},
        RefusedDeck{"z-segment without load_mesh", {"begin", kFirst, "end"},
                    {"Can't find correct layer file!\nz-segment 1 names no file (no load_mesh statement)"}},
        RefusedDeck{"missing layer file",
                    {"begin", kFirst, "load_mesh mesh_inf=gone.msh zseg_num=1", "end"},
                    {"Can't find correct layer file!\n{folder}gone.layer"}},
        RefusedDeck{"layer file without columns",
                    {"begin", kFirst, "load_mesh mesh_inf=empty.msh zseg_num=1", "end"},
                    {"File data error!\n{folder}empty.layer: it has no column statement."}},
        RefusedDeck{"layer file with a missing include",
                    {"begin", kFirst, "load_mesh mesh_inf=noinc.msh zseg_num=1", "end"},
                    {"Can't open file gone.inc"}},
        // Checked statement by statement, the extents are 0-10 and 12-20; read in the form of
        // the first, the second has no length and so no extent: the last section has no place.
        RefusedDeck{"sections of a deck that mixes the forms",
                    {"begin", "z_structure zseg_num=1 uniform_length=10 taper_length=2",
                     "z_structure zseg_num=2 uniform_zseg_from=12 uniform_zseg_to=20",
                     "load_mesh mesh_inf=ridge1.msh zseg_num=1", "load_mesh mesh_inf=ridge2.msh zseg_num=2", "end",
                     "section length=10e-6", "section length=2e-6", "section length=8e-6"},
                    {kBadSection}}));

TEST_F(SolFileRead, ADeckThatStaysUnreadableEndsTheProgramAfterElevenTries)
{
    RecordingClock clock;
    FatalExitTrap trap;
    prompts.AnswerNext(IDOK);
    try {
        deck.sol.ReadSolFile(deck.folder.File("gone.sol"));
        ADD_FAILURE() << "the program went on";
    } catch (const CFatalExitCalled& exit) {
        EXPECT_EQ(exit.code, -1);
    }
    EXPECT_EQ(clock.sleeps, std::vector<unsigned>(10, 500u));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"cannt read 3d sol file!"});
}

namespace {

// Removes the deck once the first z-segment's ".layer" file has been read.
class DeckRemovingApp : public FakeAppServices {
public:
    void LoadLayerMacros(const std::string& path) override
    {
        FakeAppServices::LoadLayerMacros(path);
        DeleteFilePath(deck);
    }
    std::string deck;
};

}  // namespace

TEST_F(SolFileRead, ADeckThatCannotBeOpenedAgainAfterItsLayerFilesIsAFailedRead)
{
    DeckRemovingApp remover;
    remover.deck = deck.Stage("corvex_pos", "ridge.sol");
    deck.doc.productCode = 1;
    prompts.AnswerNext(IDOK);
    EXPECT_EQ(deck.sol.ReadSolFile(remover.deck), 0);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"cannt read 3d sol file!"});
}
