// Saving ".sol" decks through the document: a device saved as a new deck, the fixture decks opened,
// edited and saved (their decks converted), and a save that fails part-way leaving every old file.
// Every file a save writes is compared byte for byte with a golden file under
// tests/fixtures/sol/saved/<case>/.

#include "CommandIds.h"
#include "DeckFolder.h"
#include "platform/FileSystem.h"
#include "platform/NumberText.h"
#include "support/DocFixture.h"
#include "support/FakeSheetRunner.h"
#include "support/FaultyFileCalls.h"
#include "support/FileBytes.h"
#include "textfiles/SolDeckHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <functional>
#include <map>
#include <ostream>

namespace {

// The golden files of the saves, one folder per case.
std::string SavedFixtures() { return kSolFixtures + "saved/"; }

class DocumentSolSave : public DocFixture {
protected:
    DocumentSolSave() { doc().SetMacroList(&files.layers.macros); }

    std::string Work(const std::string& name) const { return files.folder.File(name); }

    // Every golden file of the case equals the file of that name the save wrote.
    void ExpectGoldenFiles(const std::string& goldenFolder)
    {
        for (const std::string& name : FolderNames(SavedFixtures() + goldenFolder))
            EXPECT_EQ(ExistingFileBytes(Work(name)), ExistingFileBytes(SavedFixtures() + goldenFolder + "/" + name))
                << goldenFolder << "/" << name;
    }

    // A device of two z-segments made from the ridge's ".layer" files, as a document that never
    // had a deck: z-segment 1 is the ".layer" document, z-segment 2 added from the other file.
    void MakeTwoSegmentDevice()
    {
        const std::string first = files.Stage("corvex_pos", "ridge1.layer");
        ASSERT_TRUE(doc().OnOpenDocument(first));
        Seg(0).m_Params.m_dZTo = 10.0;
        ASSERT_TRUE(doc().LoadLayerFileAsZsegment(1, 12.0, 20.0, Work("ridge2.layer")));
        g_nZSegCount = 2;
        doc().BuildSegInfoList();
        doc().SetModifiedFlag();
    }

    SolDeckHarness files;  // stages the fixture decks
    FakeSheetRunner sheets;
};

}  // namespace

// ------------------------------------------------------------------------------------------------
// A new deck

struct NewDeck {
    int productCode;
    int lengthForm;
    const char* golden;
};

void PrintTo(const NewDeck& c, std::ostream* os) { *os << c.golden; }

class NewDecks : public DocumentSolSave, public ::testing::WithParamInterface<NewDeck> {};

TEST_P(NewDecks, ADeviceSavedAsANewDeckGivesTheGoldenFilesAndReopensIntoTheSameDevice)
{
    const NewDeck& c = GetParam();
    MakeTwoSegmentDevice();
    doc().m_nProductCode = c.productCode;
    g_nZStructureLengthForm = c.lengthForm;
    const std::string deck = Work("dev.sol");
    prompts.ChooseFileNext(deck);
    ASSERT_TRUE(doc().OnFileSaveAs());
    EXPECT_TRUE(prompts.Texts().empty());

    // Every z-segment file is named after the new deck, the first one's gain file goes along.
    for (const char* name : {"dev.sol", "dev.layer", "dev2.layer", "dev.gain"})
        EXPECT_TRUE(FileExists(Work(name))) << name;
    ExpectGoldenFiles(c.golden);
    EXPECT_EQ(doc().GetPathName(), deck);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(Seg(0).m_strLayerFile, Work("dev.layer"));
    EXPECT_EQ(Seg(1).m_strLayerFile, Work("dev2.layer"));
    EXPECT_EQ(FolderNames(files.folder.Path()).size(), FolderNames(kSolFixtures + "corvex_pos").size() + 4);

    const std::string saved = DeviceOutline(doc());
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    EXPECT_EQ(DeviceOutline(doc()), saved);
    EXPECT_EQ(g_nZStructureLengthForm, c.lengthForm);
}

INSTANTIATE_TEST_SUITE_P(DocumentSolSave, NewDecks,
                         ::testing::Values(NewDeck{1, 0, "new_corvex"}, NewDeck{2, 1, "new_lumivo"}));

// ------------------------------------------------------------------------------------------------
// Converted decks

struct EditedDeck {
    const char* name;
    const char* fixture;
    const char* deck;
    std::function<void(CTessaronDoc&, const TempFolder&, FakeSheetRunner&)> edit;
    std::vector<std::string> expectedTexts;  // messages the save shows
    // A companion file in the fixture that the deck does not name and the save replaces: the save
    // asks first (and is answered Yes).
    const char* unnamedCompanion;
};

// The question a save asks before it replaces a companion file the deck does not name.
std::string ReplaceQuestion(const std::string& path)
{
    return "The save would replace this file, which is not one of the deck's files:\n" + path + "\nReplace it?";
}

void PrintTo(const EditedDeck& c, std::ostream* os) { *os << c.name; }

const char kTaperCounts[] = "The taper_line num in each face are not equ!\nIt will set the all taper_line as zero!";

class EditedDecks : public DocumentSolSave, public ::testing::WithParamInterface<EditedDeck> {};

TEST_P(EditedDecks, AreConvertedKeepingEveryStatementTheProgramDoesNotOwn)
{
    const EditedDeck& c = GetParam();
    const std::string deck = files.Stage(c.fixture, c.deck);
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    c.edit(doc(), files.folder, sheets);
    doc().SetModifiedFlag();
    prompts.AllowUnscripted();
    ASSERT_TRUE(doc().OnFileSave()) << ::testing::PrintToString(prompts.Texts());
    std::vector<std::string> expectedTexts = c.expectedTexts;
    if (c.unnamedCompanion)
        expectedTexts.push_back(ReplaceQuestion(Work(c.unnamedCompanion)));
    EXPECT_EQ(prompts.Texts(), expectedTexts);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(doc().GetPathName(), deck);
    ExpectGoldenFiles(c.name);
    // Nothing else is left in the folder: no temporary file, no second name of an old file.
    std::vector<std::string> expected = FolderNames(kSolFixtures + c.fixture);
    for (const std::string& name : FolderNames(SavedFixtures() + c.name))
        expected.push_back(name);
    std::sort(expected.begin(), expected.end());
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    EXPECT_EQ(FolderNames(files.folder.Path()), expected);

    // The converted deck reads back into the device that was saved.
    const std::string saved = DeviceOutline(doc());
    prompts.Clear();
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    EXPECT_EQ(DeviceOutline(doc()), saved);
}

INSTANTIATE_TEST_SUITE_P(
    DocumentSolSave, EditedDecks,
    ::testing::Values(
        EditedDeck{"ridge_zrange", "corvex_pos", "ridge.sol",
                   [](CTessaronDoc& doc, const TempFolder&, FakeSheetRunner&) {
                       doc.m_ZSegments[1].m_Params.m_dZFrom = 18.0;
                       doc.m_ZSegments[1].m_Params.m_dZTo = 30.0;
                   },
                   {kTaperCounts}, "ridge2.doping"},
        EditedDeck{"ridge_taper", "corvex_pos", "ridge.sol",
                   [](CTessaronDoc& doc, const TempFolder&, FakeSheetRunner&) {
                       // The second facet's column edge becomes a taper vertex too: both facets
                       // then have one.
                       doc.m_ZSegments[1].Column(0).m_nTaperLine = 1;
                       doc.UpdateAllViews();
                   },
                   {}, "ridge2.doping"},
        EditedDeck{"ridge_method", "corvex_pos", "ridge.sol",
                   [](CTessaronDoc&, const TempFolder&, FakeSheetRunner&) { g_strIsolatedMethod = "yes"; }, {kTaperCounts},
                   "ridge2.doping"},
        EditedDeck{"taper_new_zseg", "lumivo_len", "taper.sol",
                   [](CTessaronDoc& doc, const TempFolder& folder, FakeSheetRunner& sheets) {
                       // A fourth facet read from the third one's ".layer" file, after it: it is
                       // saved in a file of its own.
                       doc.SelectZsegment(2);
                       sheets.AcceptNextPosition(24.0, 28.0, folder.File("taper3.layer"));
                       doc.OnCommand(ID_ZSEG_NEW);
                       ASSERT_EQ(g_nZSegCount, 4);
                   },
                   {kTaperCounts}, nullptr},
        EditedDeck{"taper_delete_zseg", "lumivo_len", "taper.sol",
                   [](CTessaronDoc& doc, const TempFolder&, FakeSheetRunner&) {
                       doc.SelectZsegment(1);
                       doc.OnCommand(ID_ZSEG_DELETE);
                       ASSERT_EQ(g_nZSegCount, 2);
                   },
                   {kTaperCounts}, nullptr}));

// A deck whose facets' taper outlines each have a vertex off every column edge, as the program
// saves it: opened and saved again, every file comes back byte for byte, those vertices included.
TEST_F(DocumentSolSave, ADeckWithTaperVerticesOffTheColumnEdgesSavesByteForByte)
{
    const std::string deck = files.Stage("off_edge_taper", "taper.sol");
    const std::map<std::string, std::string> before = FolderBytes(files.folder.Path());
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    const std::string outline = DeviceOutline(doc());
    doc().SetModifiedFlag();
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    const std::map<std::string, std::string> after = FolderBytes(files.folder.Path());
    for (const auto& [name, bytes] : before)
        EXPECT_EQ(after.count(name) ? after.at(name) : std::string("(missing)"), bytes) << name;
    EXPECT_EQ(FolderNames(files.folder.Path()), FolderNames(kSolFixtures + "off_edge_taper"));

    ASSERT_TRUE(doc().OnOpenDocument(deck));
    EXPECT_EQ(DeviceOutline(doc()), outline);
    EXPECT_NE(outline.find("(2.5 2.5) (1.25 1.75)"), std::string::npos) << outline;
    EXPECT_NE(outline.find("(2.5 2.5) (1.5 2)"), std::string::npos) << outline;
}

// Two z-segments holding the same device, read from files that lay one statement out differently:
// each save writes each z-segment into its own file's text, also once the first z-segment is
// deleted and the second takes its place.
TEST_F(DocumentSolSave, AZSegmentThatTakesAnothersPlaceIsSavedIntoItsOwnText)
{
    const std::string ridge = ExistingFileBytes(kSolFixtures + "corvex_pos/ridge1.layer");
    const std::string plain = "column column_num=2 w=4 mesh_num=6 r=1";
    const std::string spaced = "column  column_num=2   w=4 mesh_num=6 r=1";
    ASSERT_NE(ridge.find(plain), std::string::npos);
    std::string relaid = ridge;
    relaid.replace(relaid.find(plain), plain.size(), spaced);
    ASSERT_TRUE(doc().OnOpenDocument(files.folder.Write("plain.layer", ridge)));
    Seg(0).m_Params.m_dZTo = 10.0;
    ASSERT_TRUE(doc().LoadLayerFileAsZsegment(1, 12.0, 20.0, files.folder.Write("spaced.layer", relaid)));
    g_nZSegCount = 2;
    doc().BuildSegInfoList();
    doc().SetModifiedFlag();
    prompts.ChooseFileNext(Work("dev.sol"));
    ASSERT_TRUE(doc().OnFileSaveAs());
    ASSERT_NE(ExistingFileBytes(Seg(0).m_strLayerFile).find(plain), std::string::npos);
    ASSERT_NE(ExistingFileBytes(Seg(1).m_strLayerFile).find(spaced), std::string::npos);

    doc().SelectZsegment(0);
    doc().OnCommand(ID_ZSEG_DELETE);
    ASSERT_EQ(g_nZSegCount, 1);
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_NE(ExistingFileBytes(Seg(0).m_strLayerFile).find(spaced), std::string::npos);
    EXPECT_TRUE(prompts.Texts().empty());
}

// A pasted z-segment brings its taper vertices off the column edges along; the undo of the paste
// takes them away with it, and the saved deck gives the copy the outline of its original.
TEST_F(DocumentSolSave, APastedZSegmentKeepsItsTaperVerticesOffTheColumnEdges)
{
    const std::string deck = files.Stage("off_edge_taper", "taper.sol");
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    const auto offEdge = [&](int zseg) {
        std::string text;
        for (const auto& [bottom, top] : Seg(zseg).m_OffEdgeTaperPoints)
            text += StrFormat("(%g %g)", double(bottom), double(top));
        return text;
    };
    ASSERT_EQ(offEdge(0), "(1.25 1.75)");
    ASSERT_EQ(offEdge(1), "(1.5 2)");

    doc().SelectZsegment(0);
    doc().OnCommand(ID_ZSEG_COPY);
    doc().SelectZsegment(1);
    doc().OnCommand(ID_ZSEG_PASTE);
    ASSERT_EQ(g_nZSegCount, 3);
    EXPECT_EQ(offEdge(2), "(1.25 1.75)");
    doc().OnEditUndo();
    ASSERT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(offEdge(1), "(1.5 2)");
    EXPECT_TRUE(Seg(2).m_OffEdgeTaperPoints.empty());
    doc().OnEditRedo();
    ASSERT_EQ(g_nZSegCount, 3);
    EXPECT_EQ(offEdge(2), "(1.25 1.75)");

    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    ASSERT_EQ(g_nZSegCount, 3);
    EXPECT_EQ(offEdge(2), "(1.25 1.75)");
    EXPECT_EQ(Seg(2).m_Params.m_nTaperPointCount, 2);
    EXPECT_EQ(Seg(2).GetColumn(0).m_nTaperLine, 1);
}

// ------------------------------------------------------------------------------------------------
// Failures

TEST_F(DocumentSolSave, AFailurePartWayLeavesEveryOldFileAsItWas)
{
    const std::string deck = files.Stage("corvex_pos", "ridge.sol");
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    Seg(1).m_Params.m_dZTo = 30.0;
    doc().SetModifiedFlag();
    const std::map<std::string, std::string> before = FolderBytes(files.folder.Path());
    prompts.AllowUnscripted();

    FaultyFileCalls calls;
    calls.FailCall(5);
    EXPECT_FALSE(doc().OnFileSave());
    // The fifth call is the second file's creation: the first file was written, but nothing is
    // put in place until all are.
    ASSERT_GE(calls.steps.size(), 5u);
    EXPECT_EQ(calls.steps[4], "create");
    EXPECT_EQ(prompts.Texts().back(), "Can't create file!\n" + Work("ridge2.layer") + ": Input/output error");
    EXPECT_EQ(FolderBytes(files.folder.Path()), before);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(Seg(1).m_strLayerFile, Work("ridge2.layer"));
}

TEST_F(DocumentSolSave, EveryStepOfTheSaveCanFailWithoutTouchingAnOldFile)
{
    const std::string deck = files.Stage("corvex_pos", "ridge.sol");
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    Seg(1).m_Params.m_dZTo = 30.0;
    const std::map<std::string, std::string> before = FolderBytes(files.folder.Path());
    prompts.AllowUnscripted();

    FaultyFileCalls calls;
    int failing = 1;
    for (;; ++failing) {
        doc().SetModifiedFlag();
        prompts.Clear();
        calls.FailCall(failing);
        if (doc().OnFileSave())
            break;
        SCOPED_TRACE(calls.steps.back());
        EXPECT_EQ(FolderBytes(files.folder.Path()), before) << "call " << failing;
        EXPECT_TRUE(doc().IsModified());
        EXPECT_NE(prompts.Texts().back().find("Can't create file!"), std::string::npos);
    }
    // Eight files (the deck, two ".layer" files, five companion files: ".gain" and ".doping" of the
    // first z-segment, ".gain", ".doping" and ".mater" of the second), each created, written,
    // synced and closed; the eight old files kept under a second name; the intent record created,
    // written, synced and closed; the folder synced; the eight renames. Once they are made the save
    // is made: a failing folder sync after them leaves the record for the next open to clear.
    EXPECT_EQ(failing, 8 * 4 + 8 + 4 + 1 + 8 + 1);
    EXPECT_EQ(calls.steps[static_cast<std::size_t>(failing) - 1], "syncfolder");
    EXPECT_NE(FolderBytes(files.folder.Path()), before);
    calls.FailCall(0);
    const std::map<std::string, std::string> saved = FolderBytes(files.folder.Path());
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    EXPECT_EQ(FolderNames(files.folder.Path()).size(), before.size());
    for (const auto& [name, bytes] : FolderBytes(files.folder.Path()))
        EXPECT_EQ(bytes, saved.at(name)) << name;
}

TEST_F(DocumentSolSave, EveryFileThatCannotBeWrittenIsNamed)
{
    const std::string deck = files.Stage("corvex_pos", "ridge.sol");
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    const std::map<std::string, std::string> before = FolderBytes(files.folder.Path());
    // Two of the files are read-only: the save names both and replaces none.
    ::chmod(Work("ridge1.layer").c_str(), 0444);
    ::chmod(Work("ridge2.gain").c_str(), 0444);
    doc().SetModifiedFlag();
    prompts.AllowUnscripted();
    EXPECT_FALSE(doc().OnFileSave());
    const std::string reason = "Permission denied (the file is read-only)";
    EXPECT_EQ(prompts.Texts().back(), "Can't create file!\n" + Work("ridge1.layer") + ": " + reason + "\n" +
                                          Work("ridge2.gain") + ": " + reason);
    EXPECT_EQ(FolderBytes(files.folder.Path()), before);
    EXPECT_TRUE(doc().IsModified());
}

TEST_F(DocumentSolSave, ASegInfoListThatDoesNotMatchStopsTheSave)
{
    const std::string deck = files.Stage("corvex_pos", "ridge.sol");
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    const std::map<std::string, std::string> before = FolderBytes(files.folder.Path());
    doc().m_SegInfoList.DeleteSegment(1);
    doc().SetModifiedFlag();
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(doc().OnFileSave());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"face num is error!"});
    EXPECT_EQ(FolderBytes(files.folder.Path()), before);
    EXPECT_TRUE(doc().IsModified());
}

TEST_F(DocumentSolSave, ASourceDeckThatCannotBeReadStopsTheConversion)
{
    const std::string deck = files.Stage("corvex_pos", "ridge.sol");
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    std::filesystem::remove(deck);
    const std::map<std::string, std::string> before = FolderBytes(files.folder.Path());
    doc().SetModifiedFlag();
    prompts.AllowUnscripted();
    EXPECT_FALSE(doc().OnFileSave());
    EXPECT_EQ(prompts.Texts().back(), "Can't open file " + deck);
    EXPECT_EQ(FolderBytes(files.folder.Path()), before);
    EXPECT_FALSE(FileExists(deck));
    EXPECT_TRUE(doc().IsModified());
}

