#include "platform/FileIO.h"
#include "platform/FileSystem.h"
#include "support/DocFixture.h"
#include "support/FileBytes.h"
#include "support/FatalExitTrap.h"
#include "support/FaultyFileCalls.h"
#include "support/RecordingClock.h"
#include "support/TempFolder.h"
#include "textfiles/LayerFileHarness.h"
#include "textfiles/LayerParamFlags.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kFixtures = TESSARON_FIXTURES "/";
const char kNoData[] = "No data! Can't save.";
const char kUnsupported[] = "Now it do not support this foramt!";
const char kTwoD[] = "It will open 2d sol file!";

class DocumentFile : public DocFixture {
protected:
    DocumentFile() { doc().SetMacroList(&harness.macros); }
    // Copies fixture files into the temporary folder; returns the path of the first.
    std::string Stage(std::initializer_list<std::string> names)
    {
        std::string first;
        for (const std::string& name : names) {
            const std::string path = folder.Write(name.substr(name.find('/') + 1), FileBytes(kFixtures + name));
            if (first.empty())
                first = path;
        }
        return first;
    }

    LayerFileHarness harness;
    TempFolder folder;
};

}  // namespace

TEST_F(DocumentFile, OpeningALayerFileMakesItZSegmentOne)
{
    const std::string path = Stage({"layer/ridge_two_columns.layer"});
    doc().CheckPoint();
    views.prompts.clear();
    ASSERT_TRUE(doc().OnOpenDocument(path));
    EXPECT_EQ(doc().m_ZSegments.size(), 40u);
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(g_nCurZSeg, 1);
    EXPECT_EQ(Seg(0).GetColumnCount(), 2);
    EXPECT_EQ(Seg(0).m_strLayerFile, path);
    EXPECT_EQ(Seg(0).m_Params.m_dZTo, 0.0);
    EXPECT_EQ(doc().m_MaterialSets.size(), 1u);
    EXPECT_EQ(doc().m_LoadedLines->GetCount(), doc().m_LayerLines->GetCount());
    ASSERT_EQ(doc().m_SegInfoList.GetCount(), 1);
    EXPECT_EQ(doc().m_SegInfoList.GetAt(0)->m_strName, "ridge_two_columns");
    EXPECT_EQ(doc().UndoHistory().GetSnapshotCount(), 0);
    EXPECT_EQ(doc().m_bHasSelection, 0);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(doc().GetPathName(), path);
    // The file is read with the views set aside: they see only the opened document.
    EXPECT_EQ(views.prompts, (std::vector<int>{5}));
    EXPECT_EQ(app.calls.back(), "LoadLayerMacros " + path);
    EXPECT_EQ(app.recentFiles.back(), path);
    // The colour usage counts the layers read, and the sweep index knows the file.
    int counted = 0;
    for (auto& row : g_ColourUsage)
        for (int cell : row)
            counted += cell;
    EXPECT_EQ(counted, 8);
    EXPECT_TRUE(Seg(0).m_SweepIndex.m_bStale);
    EXPECT_EQ(doc().GetLayerFileIndex(0).m_strPath, path);
    EXPECT_FALSE(Seg(0).m_SweepIndex.m_Items.empty());
    EXPECT_FALSE(Seg(0).m_SweepIndex.m_bStale);
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(DocumentFile, AFileThatGivesALayerItsOwnUpperWidthMarksBothEdgeWidthsEdited)
{
    struct Case {
        const char* fixture;
        unsigned char lower, upper, width;  // the size page's flags after the open
    } cases[] = {{"layer/ridge_two_columns.layer", 1, 1, 0}, {"updater/device.layer", 0, 0, 1}};
    for (const Case& c : cases) {
        g_CurLayerParams.m_bLowerWidthChanged = 0;
        g_CurLayerParams.m_bUpperWidthChanged = 0;
        g_CurLayerParams.m_bWidthChanged = 1;
        ASSERT_TRUE(doc().OnOpenDocument(Stage({c.fixture}))) << c.fixture;
        EXPECT_EQ(g_CurLayerParams.m_bLowerWidthChanged, c.lower) << c.fixture;
        EXPECT_EQ(g_CurLayerParams.m_bUpperWidthChanged, c.upper) << c.fixture;
        EXPECT_EQ(g_CurLayerParams.m_bWidthChanged, c.width) << c.fixture;
    }
}

TEST_F(DocumentFile, SavingAnOpenedFileMergesIntoItsOwnText)
{
    app.mode3d = false;
    const std::string path = Stage({"updater/device.layer"});
    ASSERT_TRUE(doc().OnOpenDocument(path));
    doc().SetModifiedFlag();
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_EQ(FileBytes(path), FileBytes(kFixtures + "updater/golden/device_unchanged.layer"));
    EXPECT_FALSE(doc().IsModified());
    EXPECT_TRUE(prompts.Texts().empty());
}

// Open, edit through the records, save: the same bytes as the merge of the same edit gives.
TEST_F(DocumentFile, SavesOfEditedFixturesGiveTheMergedFiles)
{
    FillLayerParamFlags();  // as the program does at start-up
    app.mode3d = false;
    struct Edit {
        const char* name;
        void (*apply)(CZSegment&);
    };
    const Edit edits[] = {
        {"unchanged", [](CZSegment&) {}},
        {"thickness",
         [](CZSegment& z) {
             for (int c = 0; c < z.GetColumnCount(); ++c)
                 if (z.Column(c).HasRow(1))
                     z.Column(c).Layer(1).m_fHeight = 1.25f;
         }},
        {"label",
         [](CZSegment& z) {
             for (int c = 0; c < z.GetColumnCount(); ++c)
                 if (z.Column(c).HasRow(0))
                     for (CLabelRec& label : z.Column(c).Layer(0).m_Labels)
                         label.m_strText = "base";
         }},
        {"contact", [](CZSegment& z) { z.Column(0).m_Contacts.Bottom(0).m_fTo = 2.0f; }},
    };
    // Unlike the bare merge, a document save first raises layer mesh counts below 3 to 3.
    struct Fixture {
        std::vector<std::string> files;
        std::string golden;
        std::string mergedText, savedText;  // what the raise changes in the merged file
    };
    const Fixture fixtures[] = {
        {{"layer/ridge_two_columns.layer"}, "ridge_two_columns", "layer d=0.2 n=2 ", "layer d=0.2 n=3 "},
        {{"layer/three_columns_include.layer", "layer/one_row.inc"}, "three_columns_include", "", ""},
    };
    for (const Fixture& fixture : fixtures) {
        for (const Edit& edit : edits) {
            const std::string golden = kFixtures + "updater/golden/" + fixture.golden + "_" + edit.name + ".layer";
            SCOPED_TRACE(golden);
            TempFolder out;
            std::string path;
            for (const std::string& name : fixture.files) {
                const std::string staged = out.Write(name.substr(name.find('/') + 1), FileBytes(kFixtures + name));
                if (path.empty())
                    path = staged;
            }
            prompts.Clear();
            prompts.AllowUnscripted();  // the writer's remarks on macros the fixtures leave incomplete
            ASSERT_TRUE(doc().OnOpenDocument(path));
            edit.apply(Seg(0));
            doc().SetModifiedFlag();
            ASSERT_TRUE(doc().OnFileSave());
            std::string expected = FileBytes(golden);
            ASSERT_FALSE(expected.empty());
            if (!fixture.mergedText.empty()) {
                const auto at = expected.find(fixture.mergedText);
                ASSERT_NE(at, std::string::npos);
                expected.replace(at, fixture.mergedText.size(), fixture.savedText);
            }
            EXPECT_EQ(FileBytes(path), expected);
            EXPECT_FALSE(doc().IsModified());
        }
    }
    const std::string device = Stage({"updater/device.layer"});
    ASSERT_TRUE(doc().OnOpenDocument(device));
    doc().SetModifiedFlag();
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_EQ(FileBytes(device), FileBytes(kFixtures + "updater/golden/device_unchanged.layer"));
}

TEST_F(DocumentFile, AnEditedDeviceSurvivesSaveAndReopen)
{
    app.mode3d = false;
    const std::string path = Stage({"layer/ridge_two_columns.layer"});
    ASSERT_TRUE(doc().OnOpenDocument(path));
    // Rows are aligned across the columns: a row's thickness is every column's.
    LayerAt(0, 0, 1).m_fHeight = LayerAt(0, 1, 1).m_fHeight = 0.75f;
    LayerAt(0, 1, 0).m_Material.m_Bulk.m_strName = "inp";
    Seg(0).Column(0).m_Labels.push_back(CLabelRec{"mid", 1, -9999.0});
    doc().SetModifiedFlag();
    const std::string saved = folder.File("saved.layer");
    prompts.ChooseFileNext(saved);
    ASSERT_TRUE(doc().OnFileSaveAs());
    EXPECT_EQ(doc().GetPathName(), saved);
    EXPECT_EQ(Seg(0).m_strLayerFile, saved);
    const CZSegment edited = Seg(0);

    CTessaronDoc reopened;
    reopened.SetMacroList(&harness.macros);
    ASSERT_TRUE(reopened.OnOpenDocument(saved));
    ExpectSameZSegment(edited, reopened.m_ZSegments[0]);
}

TEST_F(DocumentFile, SavingAgainWritesTheSameBytes)
{
    app.mode3d = false;
    const std::string path = Stage({"updater/device.layer"});
    for (int round = 0; round < 2; ++round) {
        CTessaronDoc again;
        again.SetMacroList(&harness.macros);
        ASSERT_TRUE(again.OnOpenDocument(path));
        again.SetModifiedFlag();
        ASSERT_TRUE(again.OnFileSave());
        EXPECT_EQ(FileBytes(path), FileBytes(kFixtures + "updater/golden/device_unchanged.layer")) << round;
    }
}

TEST_F(DocumentFile, AFileThatCannotBeOpenedLeavesTheDocumentAsItWas)
{
    const std::string missing = folder.File("missing.layer");
    UseZSegments(2);
    g_nCurZSeg = 2;
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(doc().OnOpenDocument(missing));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Can't open file " + missing});
    EXPECT_FALSE(FileExists(missing));
    EXPECT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(g_nCurZSeg, 2);
    EXPECT_EQ(doc().GetDocFileName(), "");
}

TEST_F(DocumentFile, FormatsThatAreNotReadAndUntranslatableFilesFail)
{
    struct Case {
        const char* name;
        const char* text;
        std::vector<std::string> messages;
    };
    // A name holding ".sol" is a deck, whatever follows: a deck without z-segments is read as a 2-D
    // deck whose ".layer" file is named after it.
    const Case cases[] = {
        {"dev.SOL", "title\r\n", {kTwoD, "Can't find correct layer file!\n" + folder.File("dev.layer")}},
        {"dev.zdim", "x\r\n", {kUnsupported}},
        {"dev.sol.layer", "begin_layer\r\nend_layer\r\n", {kTwoD, "File data error!\n" + folder.File("dev.sol.layer") + ": it has no column statement."}},
        {"flat.layer", "begin_layer\r\nlayer d=1\r\nend_layer\r\n", {"File data error!\n" + folder.File("flat.layer") + ": it has no column statement."}},
    };
    for (const Case& c : cases) {
        prompts.Clear();
        for (std::size_t i = 0; i < c.messages.size(); ++i)
            prompts.AnswerNext(IDOK);
        EXPECT_FALSE(doc().OnOpenDocument(folder.Write(c.name, c.text))) << c.name;
        EXPECT_EQ(prompts.Texts(), c.messages) << c.name;
        EXPECT_EQ(g_nZSegCount, 0) << c.name;
        EXPECT_EQ(doc().GetDocFileName(), "") << c.name;
    }
    // A file with no known extension reads nothing but is named and gives its macros.
    const std::string other = folder.Write("notes.txt", "anything\r\n");
    EXPECT_TRUE(doc().OnOpenDocument(other));
    EXPECT_EQ(doc().GetPathName(), other);
    EXPECT_EQ(app.calls.back(), "LoadLayerMacros " + other);
}

TEST_F(DocumentFile, AnUnreadableLayerFileIsRetriedTenTimesThenEndsTheProgram)
{
    RecordingClock clock;
    FatalExitTrap trap;
    prompts.AnswerNext(IDOK);
    try {
        doc().ReadLayerFile(folder.File("gone.layer"));
        ADD_FAILURE() << "the program went on";
    } catch (const CFatalExitCalled& exit) {
        EXPECT_EQ(exit.code, -1);
    }
    EXPECT_EQ(clock.sleeps, std::vector<unsigned>(10, 500u));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"cannt read layer file!"});
}

namespace {

// A clock that puts the file in place during the n-th wait.
class AppearingFileClock : public RecordingClock {
public:
    AppearingFileClock(std::string path, std::string bytes, std::size_t at)
        : m_path(std::move(path)), m_bytes(std::move(bytes)), m_at(at) {}
    void Sleep(unsigned milliseconds) override
    {
        RecordingClock::Sleep(milliseconds);
        if (sleeps.size() == m_at)
            WriteFileAtomic(m_path, m_bytes);
    }

private:
    std::string m_path, m_bytes;
    std::size_t m_at;
};

}  // namespace

TEST_F(DocumentFile, ALayerFileThatBecomesReadableIsRead)
{
    const std::string path = folder.File("late.layer");
    AppearingFileClock clock(path, FileBytes(kFixtures + "updater/device.layer"), 3);
    EXPECT_TRUE(doc().ReadLayerFile(path));
    EXPECT_EQ(clock.sleeps.size(), 3u);
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(Seg(0).GetColumnCount(), 2);
}

TEST_F(DocumentFile, SaveWarnsWithoutDataAndDoesNothingWhenUnmodified)
{
    EXPECT_TRUE(doc().OnFileSave());  // not modified: nothing at all
    doc().SetModifiedFlag();
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(doc().OnFileSave());
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(doc().OnFileSaveAs());
    ASSERT_EQ(prompts.Shown_().size(), 2u);
    for (const auto& shown : prompts.Shown_()) {
        EXPECT_EQ(shown.text, kNoData);
        EXPECT_EQ(shown.caption, "Warning");
        EXPECT_EQ(shown.type, unsigned(MB_OK | MB_ICONEXCLAMATION));
    }
    EXPECT_TRUE(doc().IsModified());
    EXPECT_TRUE(prompts.FileDialogs().empty());
}

TEST_F(DocumentFile, SaveAsOffersTheModesFiltersAndKeepsTheNamingFlag)
{
    for (bool threeD : {true, false}) {
        app.mode3d = threeD;
        const std::string path = Stage({"updater/device.layer"});
        ASSERT_TRUE(doc().OnOpenDocument(path));
        doc().m_SegInfoList.m_nNaming = 1;
        prompts.Clear();
        prompts.ChooseFileNext("");
        EXPECT_FALSE(doc().OnFileSaveAs());  // cancelled
        const std::string target = folder.File(threeD ? "as3d.layer" : "as2d.layer");
        prompts.ChooseFileNext(target);
        if (threeD)
            prompts.AnswerNext(IDOK);
        ASSERT_TRUE(doc().OnFileSaveAs());
        ASSERT_EQ(prompts.FileDialogs().size(), 2u);
        const FileDialogRequest& request = prompts.FileDialogs()[0];
        EXPECT_FALSE(request.open);
        EXPECT_EQ(request.defaultExt, threeD ? "sol" : "layer");
        EXPECT_EQ(request.initialPath, folder.Path() + "/");  // the document's folder
        EXPECT_EQ(request.filter, threeD ? "3d Sol Files (*.sol)|*.sol|Layer Files (*.layer)|*.layer||"
                                         : "Layer Files (*.layer)|*.layer||");
        EXPECT_EQ(prompts.Texts(),
                  threeD ? std::vector<std::string>{" Now your save type is layer. \n"
                                                    "You can use save as menu to save as sol type!"}
                         : std::vector<std::string>{});
        EXPECT_EQ(FileBytes(target), FileBytes(kFixtures + "updater/golden/device_unchanged.layer"));
        EXPECT_EQ(doc().m_SegInfoList.m_nNaming, 1);
    }
}

TEST_F(DocumentFile, AFailedWriteReportsKeepsTheFlagAndTheOldFile)
{
    app.mode3d = false;
    const std::string path = Stage({"updater/device.layer"});
    ASSERT_TRUE(doc().OnOpenDocument(path));
    doc().SetModifiedFlag();
    struct Case {
        std::string target;
        bool existsBefore;
        std::string reason;
    };
    std::filesystem::create_directory(folder.File("taken.layer"));
    const Case cases[] = {
        {folder.File("no_such_folder/dev.layer"), false, "No such file or directory"},
        // a folder stands where the file would go
        {folder.File("taken.layer"), true, "It is not a regular file."},
    };
    for (const Case& c : cases) {
        prompts.Clear();
        prompts.AnswerNext(IDOK);
        EXPECT_FALSE(doc().OnSaveDocument(c.target)) << c.target;
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Can't create file!\n" + c.target + ": " + c.reason});
        EXPECT_TRUE(doc().IsModified());
        EXPECT_EQ(doc().GetPathName(), path);
        EXPECT_EQ(Seg(0).m_strLayerFile, path);
        EXPECT_EQ(std::filesystem::is_directory(c.target), c.existsBefore);
    }
    EXPECT_EQ(FileBytes(path), FileBytes(kFixtures + "updater/device.layer"));
    // A name of no known type would write nothing: it fails without touching the flag.
    for (const char* name : {"dev.txt", "dev"}) {
        prompts.Clear();
        prompts.AnswerNext(IDOK);
        EXPECT_FALSE(doc().OnSaveDocument(folder.File(name))) << name;
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{kUnsupported}) << name;
        EXPECT_FALSE(FileExists(folder.File(name))) << name;
        EXPECT_TRUE(doc().IsModified()) << name;
        EXPECT_EQ(doc().GetPathName(), path) << name;
    }
}

TEST_F(DocumentFile, DecliningTheMeshQuestionWritesNothing)
{
    app.mode3d = false;
    const std::string path = Stage({"updater/device.layer"});
    ASSERT_TRUE(doc().OnOpenDocument(path));
    LayerAt(0, 1, 0).m_Mesh.m_nMeshNum = 0;
    doc().SetModifiedFlag();
    const std::string question = "Mesh for facet 1 layer 1 has not been set, Do you still wish to save?";
    prompts.AnswerNext(IDNO);
    EXPECT_FALSE(doc().OnFileSave());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{question});
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(FileBytes(path), FileBytes(kFixtures + "updater/device.layer"));

    // Closing: "Yes, save", then No to the mesh question: the close does not go on.
    prompts.Clear();
    prompts.AnswerNext(IDYES);
    prompts.AnswerNext(IDNO);
    EXPECT_FALSE(doc().SaveModified());
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"Save changes to " + path + "?", question}));
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(FileBytes(path), FileBytes(kFixtures + "updater/device.layer"));
}

TEST_F(DocumentFile, AFailedOpenAfterAnOpenDocumentKeepsIt)
{
    app.mode3d = false;
    struct Case {
        const char* name;
        const char* text;  // nullptr: the file does not exist
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"dev.sol", "title\r\n", {kTwoD, "Can't find correct layer file!\n" + folder.File("dev.layer")}},
        {"old.sol", "begin\r\ntaper3d zseg_num=1\r\nend\r\n", {"It is the old sol file!"}},
        {"dev.zdim", "x\r\n", {kUnsupported}},
        {"flat.layer", "begin_layer\r\nlayer d=1\r\nend_layer\r\n", {"File data error!\n" + folder.File("flat.layer") + ": it has no column statement."}},
        {"gone.layer", nullptr, {"Can't open file " + folder.File("gone.layer")}},
        {"noinc.layer", "begin_layer\r\ninclude file=gone.inc\r\nend_layer\r\n",
         {"Can't open file " + folder.File("gone.inc")}},
    };
    for (const Case& c : cases) {
        const std::string good = Stage({"updater/device.layer"});
        ASSERT_TRUE(doc().OnOpenDocument(good)) << c.name;
        // A change made after the open, with its undo entry: the failed open keeps both.
        doc().CheckPoint();
        LayerAt(0, 0, 0).m_fHeight = 7.5f;
        doc().SetModifiedFlag();
        const CZSegment before = Seg(0);
        const std::size_t recent = app.recentFiles.size();
        const std::size_t shownPrompts = views.prompts.size();
        const std::string path = c.text ? folder.Write(c.name, c.text) : folder.File(c.name);
        prompts.Clear();
        for (std::size_t i = 0; i < c.messages.size(); ++i)
            prompts.AnswerNext(IDOK);
        EXPECT_FALSE(doc().OnOpenDocument(path)) << c.name;
        EXPECT_EQ(prompts.Texts(), c.messages) << c.name;
        EXPECT_EQ(g_nZSegCount, 1) << c.name;
        EXPECT_EQ(g_nCurZSeg, 1) << c.name;
        EXPECT_EQ(doc().GetDocFileName(), good) << c.name;
        EXPECT_EQ(doc().GetTitle(), "device.layer") << c.name;
        ASSERT_EQ(doc().m_ZSegments.size(), 40u) << c.name;
        EXPECT_EQ(Seg(0).GetColumnCount(), before.GetColumnCount()) << c.name;
        EXPECT_EQ(LayerAt(0, 0, 0).m_fHeight, 7.5f) << c.name;
        EXPECT_EQ(doc().m_MaterialSets.size(), 1u) << c.name;
        EXPECT_EQ(doc().m_SegInfoList.GetCount(), 1) << c.name;
        EXPECT_TRUE(doc().IsModified()) << c.name;
        EXPECT_TRUE(doc().UndoHistory().CanUndo()) << c.name;
        // Nothing of it reached the recent files or the views, and the file's macros are back.
        EXPECT_EQ(app.recentFiles.size(), recent) << c.name;
        EXPECT_EQ(views.prompts.size(), shownPrompts) << c.name;
        EXPECT_EQ(app.calls.back(), "LoadLayerMacros " + good) << c.name;
        // The kept document saves as it stands.
        ASSERT_TRUE(doc().OnFileSave()) << c.name;
        CTessaronDoc reopened;
        reopened.SetMacroList(&harness.macros);
        ASSERT_TRUE(reopened.OnOpenDocument(good)) << c.name;
        EXPECT_EQ(reopened.m_ZSegments[0].GetColumn(0).GetLayer(0).m_fHeight, 7.5f) << c.name;
        ASSERT_TRUE(doc().OnOpenDocument(good)) << c.name;
    }
}

TEST_F(DocumentFile, ALayerSaveWithoutACurrentZSegmentWritesNothing)
{
    app.mode3d = false;
    const std::string path = Stage({"updater/device.layer"});
    ASSERT_TRUE(doc().OnOpenDocument(path));
    g_nCurZSeg = 0;
    doc().SetModifiedFlag();
    const std::string target = folder.File("other.layer");
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(doc().OnSaveDocument(target));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{kNoData});
    EXPECT_FALSE(FileExists(target));
    EXPECT_TRUE(doc().IsModified());
}

TEST_F(DocumentFile, SweepIndexesAreReloadedAndAnUnreadableIncludeIsReported)
{
    UseZSegments(2);
    Seg(0).m_strLayerFile = folder.Write("a.layer", "column w=1.5\r\nlayer d=2\r\n");
    Seg(1).m_strLayerFile = folder.Write("b.layer", "column w=1\r\ninclude file=gone.inc\r\n");
    prompts.AnswerNext(IDOK);
    doc().RefreshLayerFileIndexes();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Can't open file " + folder.File("gone.inc")});
    ASSERT_FALSE(Seg(0).m_SweepIndex.m_Items.empty());
    const CLayerFileItem& width = Seg(0).m_SweepIndex.m_Items[0];
    EXPECT_EQ(width.m_strFile, Seg(0).m_strLayerFile);
    EXPECT_EQ(width.m_nLine, 0);
    EXPECT_EQ(width.m_nStart, 9);
    EXPECT_EQ(width.m_nEnd, 12);
    EXPECT_EQ(width.m_nZSeg, 0);
    EXPECT_TRUE(Seg(1).m_SweepIndex.m_Items.empty());
    EXPECT_EQ(Seg(1).m_SweepIndex.m_strPath, Seg(1).m_strLayerFile);
}

TEST_F(DocumentFile, ASweepIndexMarkedStaleIsReloadedWhenFirstAskedFor)
{
    UseZSegments(2);
    Seg(0).m_strLayerFile = folder.Write("a.layer", "column w=1.5\r\nlayer d=2\r\n");
    Seg(1).m_strLayerFile = folder.Write("b.layer", "column w=1\r\ninclude file=gone.inc\r\n");
    doc().MarkLayerFileIndexesStale();
    EXPECT_TRUE(Seg(0).m_SweepIndex.m_Items.empty());
    EXPECT_TRUE(prompts.Texts().empty());

    const CLayerFileIndex& first = doc().GetLayerFileIndex(0);
    ASSERT_FALSE(first.m_Items.empty());
    EXPECT_EQ(first.m_Items[0].m_strValue, "1.5");
    EXPECT_TRUE(prompts.Texts().empty());
    // Built once: a file changed since is not read again until the index is marked stale.
    folder.Write("a.layer", "column w=2.25\r\nlayer d=2\r\n");
    EXPECT_EQ(doc().GetLayerFileIndex(0).m_Items[0].m_strValue, "1.5");
    doc().MarkLayerFileIndexesStale();
    EXPECT_EQ(doc().GetLayerFileIndex(0).m_Items[0].m_strValue, "2.25");

    prompts.AnswerNext(IDOK);
    EXPECT_TRUE(doc().GetLayerFileIndex(1).m_Items.empty());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Can't open file " + folder.File("gone.inc")});
}

TEST_F(DocumentFile, TheFileNameNotItsFolderTellsTheType)
{
    app.mode3d = false;
    const std::string bytes = FileBytes(kFixtures + "updater/device.layer");
    struct Case {
        const char* file;
        bool layer;  // read as a ".layer" file
    };
    const Case cases[] = {
        {"runs.sol/dev.layer", true},
        {"old.zdim/dev.layer", true},
        {"dev.layer.d/readme.txt", false},
    };
    for (const Case& c : cases) {
        const std::string path = folder.Write(c.file, bytes);
        EXPECT_TRUE(doc().OnOpenDocument(path)) << c.file;
        EXPECT_EQ(g_nZSegCount, c.layer ? 1 : 0) << c.file;
        EXPECT_EQ(doc().GetPathName(), path) << c.file;
    }
    ASSERT_TRUE(doc().OnOpenDocument(folder.File("runs.sol/dev.layer")));
    doc().SetModifiedFlag();
    const std::string saved = folder.File("runs.sol/saved.layer");
    ASSERT_TRUE(doc().OnSaveDocument(saved));
    EXPECT_EQ(FileBytes(saved), FileBytes(kFixtures + "updater/golden/device_unchanged.layer"));
    EXPECT_TRUE(prompts.Texts().empty());
}

// ---------------------------------------------------------------------------------------------
// Saving and opening as a careful program does

namespace {

const std::string kUnchanged = kFixtures + "updater/golden/device_unchanged.layer";

class CarefulFile : public DocumentFile {
protected:
    CarefulFile() { app.mode3d = false; }
    // Opens the device fixture from the temporary folder and marks it changed.
    std::string OpenChanged(const std::string& name = "device.layer")
    {
        const std::string path = folder.Write(name, FileBytes(kFixtures + "updater/device.layer"));
        EXPECT_TRUE(doc().OnOpenDocument(path));
        doc().SetModifiedFlag();
        return path;
    }
    std::string CantCreate(const std::string& path, const std::string& reason) const
    {
        return "Can't create file!\n" + path + ": " + reason;
    }
};

}  // namespace

TEST_F(CarefulFile, SaveAsOntoANameThatDiffersOnlyInCaseWritesThatName)
{
    const std::string path = OpenChanged();
    prompts.ChooseFileNext(folder.File("DEVICE.layer"));
    ASSERT_TRUE(doc().OnFileSaveAs());
    EXPECT_EQ(FileBytes(folder.File("DEVICE.layer")), FileBytes(kUnchanged));
    EXPECT_EQ(FileBytes(path), FileBytes(kFixtures + "updater/device.layer"));
    EXPECT_EQ(folder.List(), "DEVICE.layer device.layer");
    EXPECT_EQ(doc().GetPathName(), folder.File("DEVICE.layer"));
}

TEST_F(CarefulFile, ASaveOverAReadOnlyFileIsRefusedAndChangesNothing)
{
    const std::string path = OpenChanged();
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(doc().OnFileSave());
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{CantCreate(path, "Permission denied (the file is read-only)")});
    EXPECT_EQ(FileBytes(path), FileBytes(kFixtures + "updater/device.layer"));
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(folder.List(), "device.layer");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
}

TEST_F(CarefulFile, ASaveThroughALinkWritesTheFileItLeadsTo)
{
    folder.Write("real/device.layer", FileBytes(kFixtures + "updater/device.layer"));
    const std::string link = folder.File("link.layer");
    ASSERT_EQ(::symlink("real/device.layer", link.c_str()), 0);
    ASSERT_TRUE(doc().OnOpenDocument(link));
    doc().SetModifiedFlag();
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(FileBytes(folder.File("real/device.layer")), FileBytes(kUnchanged));
    EXPECT_EQ(doc().GetPathName(), link);
    EXPECT_EQ(folder.List(), "link.layer real");
}

TEST_F(CarefulFile, EveryFailingStepOfASaveKeepsTheOldFileAndTheDocumentModified)
{
    const std::string path = OpenChanged();
    FaultyFileCalls calls;
    calls.maxWrite = 256;  // the device's text in several writes
    calls.FailCall(0);
    ASSERT_TRUE(doc().SaveZsegmentLayerFile(0, folder.File("probe.layer")));
    const std::vector<std::string> steps = calls.steps;
    ASSERT_GE(std::count(steps.begin(), steps.end(), "write"), 3);
    ASSERT_EQ(steps.size(), std::size_t(std::count(steps.begin(), steps.end(), "write")) + 4);  // create, sync, close, rename

    for (std::size_t k = 1; k <= steps.size(); ++k) {
        calls.FailCall(static_cast<int>(k), ENOSPC);
        prompts.Clear();
        prompts.AnswerNext(IDOK);
        EXPECT_FALSE(doc().OnFileSave()) << steps[k - 1] << " " << k;
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{CantCreate(path, "No space left on device")})
            << steps[k - 1] << " " << k;
        EXPECT_EQ(FileBytes(path), FileBytes(kFixtures + "updater/device.layer")) << steps[k - 1] << " " << k;
        EXPECT_EQ(folder.List(), "device.layer probe.layer") << steps[k - 1] << " " << k;
        EXPECT_TRUE(doc().IsModified()) << steps[k - 1] << " " << k;
    }
    calls.FailCall(0);
    prompts.Clear();
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_EQ(calls.steps, steps);
    EXPECT_EQ(FileBytes(path), FileBytes(kUnchanged));
    EXPECT_FALSE(doc().IsModified());
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(CarefulFile, TheNextSaveRemovesTheLeftoversOfASaveKilledPartWay)
{
    const std::string path = OpenChanged();
    folder.Write(".device.layer.saving-k1LLed", "half a file");
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_EQ(folder.List(), "device.layer");
    EXPECT_EQ(FileBytes(path), FileBytes(kUnchanged));
}

TEST_F(CarefulFile, OnlyRegularFilesOfASaneSizeAreOpened)
{
    ASSERT_EQ(::mkfifo(folder.File("pipe.layer").c_str(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", folder.File("zero.layer").c_str()), 0);
    std::filesystem::create_directory(folder.File("folder.layer"));
    const std::string huge = folder.File("huge.layer");
    std::filesystem::resize_file(folder.Write("huge.layer", ""), kMaxLayerFileBytes + 1);  // sparse
    struct Case {
        std::string path;
        std::string reason;
    };
    const Case cases[] = {
        {folder.File("pipe.layer"), "It is not a regular file."},
        {folder.File("zero.layer"), "It is not a regular file."},
        {folder.File("folder.layer"), "It is not a regular file."},
        {huge, "It is larger than 256 MB."},
    };
    for (const Case& c : cases) {
        OpenChanged();
        prompts.Clear();
        prompts.AnswerNext(IDOK);
        EXPECT_FALSE(doc().OnOpenDocument(c.path)) << c.path;
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Can't open file " + c.path + "\n" + c.reason});
        // The refused file leaves the open document as it was.
        EXPECT_EQ(g_nZSegCount, 1) << c.path;
        EXPECT_EQ(doc().GetDocFileName(), folder.File("device.layer")) << c.path;
        EXPECT_TRUE(doc().IsModified()) << c.path;
    }
}

TEST_F(CarefulFile, ANameWithABackslashOpensAndSavesAsItStands)
{
    const std::string path = OpenChanged("back\\slash.layer");
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(Seg(0).GetColumnCount(), 2);
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_EQ(FileBytes(path), FileBytes(kUnchanged));
    EXPECT_EQ(folder.List(), "back\\slash.layer");
}

TEST_F(CarefulFile, ABareNameTypedInTheBuildersSaveAsIsALayerFile)
{
    OpenChanged();
    prompts.ChooseFileNext(folder.File("bare"));
    ASSERT_TRUE(doc().OnFileSaveAs());
    EXPECT_EQ(FileBytes(folder.File("bare.layer")), FileBytes(kUnchanged));
    EXPECT_EQ(doc().GetPathName(), folder.File("bare.layer"));
    EXPECT_TRUE(prompts.Texts().empty());
    // A document never saved (the two blanks of a new one) has no folder to start in.
    doc().SetPathName("  ", false);
    prompts.ChooseFileNext("");
    EXPECT_FALSE(doc().OnFileSaveAs());
    EXPECT_EQ(prompts.FileDialogs().back().initialPath, "");
}
