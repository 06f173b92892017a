#include "support/DocFixture.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "textfiles/LayerFileHarness.h"
#include "textfiles/LayerParamFlags.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

const std::string kFixtures = TESSARON_FIXTURES "/";

class DocLayerFile : public DocFixture {
protected:
    DocLayerFile()
    {
        FillLayerParamFlags();
        doc().SetMacroList(&harness.macros);
    }
    std::string Stage(const std::string& fixture)
    {
        return folder.Write(fixture.substr(fixture.find('/') + 1), FileBytes(kFixtures + fixture));
    }
    // Opens the ridge fixture as the document: one z-segment with its material set.
    void OpenRidge()
    {
        ASSERT_TRUE(doc().OnOpenDocument(Stage("layer/ridge_two_columns.layer")));
        prompts.Clear();
    }

    LayerFileHarness harness;
    TempFolder folder;
};

}  // namespace

TEST_F(DocLayerFile, StatementsAreReadOnlyFromLayerFiles)
{
    const std::string good = Stage("layer/ridge_two_columns.layer");
    const std::string capitals = folder.Write("shout.LAYER", FileBytes(good));
    const std::string missingInclude = folder.Write("broken.layer", "begin_layer\r\ninclude file=gone.inc\r\nend_layer\r\n");
    prompts.AllowUnscripted();  // the load names the include it cannot read
    const struct {
        std::string path;
        bool read;
    } cases[] = {{"", false}, {folder.File("none.layer"), false}, {capitals, false}, {good, true}, {missingInclude, false}};
    for (const auto& c : cases) {
        CKeywordLineList list;
        EXPECT_EQ(doc().LoadLayerStatements(c.path, list), c.read) << c.path;
        EXPECT_EQ(list.IsEmpty(), !c.read) << c.path;
    }
}

TEST_F(DocLayerFile, LoadedZSegmentKeepsItsTextAtItsOwnIndex)
{
    OpenRidge();
    const std::string other = Stage("layer/three_columns_include.layer");
    Stage("layer/one_row.inc");
    doc().LoadZsegmentLayerFile(other, 1);
    EXPECT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(g_nCurZSeg, 2);
    EXPECT_EQ(Seg(1).GetColumnCount(), 3);
    EXPECT_EQ(Seg(1).m_Params.m_dZTo, 0.0);
    ASSERT_EQ(doc().m_MaterialSets.size(), 2u);
    EXPECT_EQ(doc().m_MaterialSets[1].m_Lines->GetNthLineParam("column", 3, "xp2"), "1");
    EXPECT_EQ(doc().m_MaterialSets[1].m_Includes.size(), 1u);
    EXPECT_EQ(doc().m_MaterialSets[0].m_Lines->CountColumnLines(), 2);
}

TEST_F(DocLayerFile, SavingAZSegmentMergesIntoItsRecordedText)
{
    OpenRidge();
    const std::string out = folder.File("saved.layer");
    ASSERT_TRUE(doc().SaveZsegmentLayerFile(0, out));
    const std::string first = FileBytes(out);
    EXPECT_EQ(first, FileBytes(kFixtures + "updater/golden/ridge_two_columns_unchanged.layer"));
    // A second save merges into the text as loaded again, not into the file the first one wrote.
    ASSERT_TRUE(doc().SaveZsegmentLayerFile(0, out));
    EXPECT_EQ(FileBytes(out), first);
    EXPECT_FALSE(doc().SaveZsegmentLayerFile(0, folder.File("no/such/folder/x.layer")));
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(DocLayerFile, NewZSegmentFromAFileGoesInWithTheFileAsItsMaterialSet)
{
    OpenRidge();
    Seg(0).m_Params.m_dZTo = 2.0;
    const std::string other = Stage("layer/three_columns_include.layer");
    Stage("layer/one_row.inc");
    const struct {
        double from, to;
        double wantFrom, wantTo;
    } cases[] = {{3.0, 5.0, 3.0, 5.0}, {1.0, 5.0, 2.0, 5.0}, {1.0, 1.5, 2.0, 2.0}};
    for (const auto& c : cases) {
        ASSERT_TRUE(doc().LoadLayerFileAsZsegment(1, c.from, c.to, other));
        EXPECT_EQ(Seg(1).m_Params.m_dZFrom, c.wantFrom);
        EXPECT_EQ(Seg(1).m_Params.m_dZTo, c.wantTo);
        EXPECT_EQ(Seg(1).m_strLayerFile, other);
        EXPECT_EQ(Seg(1).GetColumnCount(), 3);
        // The material set of z-segment 1 is the file as read; z-segment 0 keeps its own.
        ASSERT_GE(doc().m_MaterialSets.size(), 2u);
        EXPECT_EQ(doc().m_MaterialSets[1].m_Lines->CountColumnLines(), 3);
        EXPECT_EQ(doc().m_MaterialSets[0].m_Lines->CountColumnLines(), 2);
        EXPECT_EQ(doc().m_ZSegments.size(), 40u);
        EXPECT_EQ(g_nZSegCount, 1);  // the caller counts the new z-segment
        doc().m_ZSegments.erase(doc().m_ZSegments.begin() + 1);
        doc().m_ZSegments.emplace_back();
        doc().m_MaterialSets.erase(doc().m_MaterialSets.begin() + 1);
    }
}

TEST_F(DocLayerFile, ANewZSegmentFromAFileSavesIntoThatFilesText)
{
    OpenRidge();
    const std::string other = Stage("layer/three_columns_include.layer");
    Stage("layer/one_row.inc");
    ASSERT_TRUE(doc().LoadLayerFileAsZsegment(1, 3.0, 5.0, other));
    ++g_nZSegCount;
    // Comments and the user's own parameters of the file survive its save.
    TempFolder elsewhere;
    const std::string out = elsewhere.File("copy.layer");
    ASSERT_TRUE(doc().SaveZsegmentLayerFile(1, out));
    EXPECT_EQ(FileBytes(out), FileBytes(kFixtures + "updater/golden/three_columns_include_unchanged.layer"));
}

TEST_F(DocLayerFile, AFailedNewZSegmentLeavesTheDeviceAsItWas)
{
    OpenRidge();
    const std::string garbage = folder.Write("garbage.layer", "begin_layer\r\nlayer d=1\r\nend_layer\r\n");
    const std::string good = Stage("layer/ridge_two_columns.layer");
    const struct {
        const char* what;
        int count;
        std::string path;
        bool message;
        std::string text;
    } cases[] = {
        {"statements that are no device", 1, garbage, true, "File data error!\n" + garbage + ": it has no column statement."},
        {"no room for another z-segment", 40, good, true, "File data error!"},
        {"no such file", 1, folder.File("none.layer"), false, ""},
    };
    for (const auto& c : cases) {
        g_nZSegCount = c.count;
        const int columns = Seg(1).GetColumnCount();
        prompts.Clear();
        if (c.message)
            prompts.AnswerNext(IDOK);
        EXPECT_FALSE(doc().LoadLayerFileAsZsegment(1, 0.0, 1.0, c.path)) << c.what;
        EXPECT_EQ(prompts.Texts(), c.message ? std::vector<std::string>{c.text} : std::vector<std::string>{})
            << c.what;
        EXPECT_EQ(g_nZSegCount, c.count) << c.what;
        EXPECT_EQ(doc().m_ZSegments.size(), 40u) << c.what;
        EXPECT_EQ(Seg(0).GetColumnCount(), 2) << c.what;
        EXPECT_EQ(Seg(1).GetColumnCount(), columns) << c.what;
        EXPECT_EQ(doc().m_MaterialSets.size(), 1u) << c.what;
    }
}

namespace {

// A device whose middle rows come from an included file, and what saving it unchanged writes: the
// include statement stands as it was read.
std::string DeviceIncluding(const std::string& includeName)
{
    return "begin_layer\r\nrotation angle=0\r\ncolumn column_num=1 w=2 mesh_num=4 r=1\r\n$ first row\r\n"
           "layer_mater macro_name=gaas column_num=1\r\nlayer d=1 n=4 r=1\r\n"
           "include file=" + includeName + "\r\n"
           "$ last row\r\nlayer_mater macro_name=algaas column_num=1 var1=0.3\r\nlayer d=0.5 n=3 r=1\r\nend_layer\r\n";
}

std::string SavedDeviceIncluding(const std::string& includeName)
{
    return "begin_layer\r\nrotation angle=0.00\r\ncolumn column_num=1 w=2 mesh_num=4 r=1\r\n$ first row\r\n"
           "layer_mater macro_name=gaas column_num=1\r\nlayer d=1 n=4 r=1\r\n"
           "include file=" + includeName + "\r\n"
           "$ last row\r\nlayer_mater macro_name=algaas column_num=1 var1=0.3\r\nlayer d=0.5 n=3 r=1\r\nend_layer\r\n";
}

const char kRowsInc[] = "$ second row\r\nlayer_mater macro_name=inp column_num=1\r\nlayer d=2 n=5 r=1\r\n";

}  // namespace

// Two z-segment files in different folders include files of the same name; the second was read
// last. Saving the first elsewhere copies the include it was read with, not the other one.
TEST_F(DocLayerFile, SaveAsCopiesIncludesFromTheZSegmentsOwnFolder)
{
    const std::string otherRows = std::string("$ the other device's second row") + std::strchr(kRowsInc, '\r');
    const std::string first = folder.Write("first/device.layer", DeviceIncluding("rows.inc"));
    folder.Write("first/rows.inc", kRowsInc);
    const std::string second = folder.Write("second/device.layer", DeviceIncluding("rows.inc"));
    folder.Write("second/rows.inc", otherRows);
    std::filesystem::create_directory(folder.File("third"));
    app.mode3d = false;
    ASSERT_TRUE(doc().OnOpenDocument(first));
    doc().LoadZsegmentLayerFile(second, 1);
    ASSERT_EQ(g_nZSegCount, 2);
    g_nCurZSeg = 1;
    prompts.Clear();
    prompts.ChooseFileNext(folder.File("third/device.layer"));
    ASSERT_TRUE(doc().OnFileSaveAs());
    EXPECT_EQ(folder.Read("third/device.layer"), SavedDeviceIncluding("rows.inc"));
    EXPECT_EQ(folder.Read("third/rows.inc"), kRowsInc);
    EXPECT_EQ(folder.Read("second/rows.inc"), otherRows);
    EXPECT_TRUE(prompts.Texts().empty());
}

// An included file that includes another from its own subfolder: the load's last include folder is
// that subfolder, but a save elsewhere still finds both files and carries them along.
TEST_F(DocLayerFile, SaveAsCarriesNestedIncludesFromASubfolder)
{
    const std::string rows = "$ second row\r\nlayer_mater macro_name=inp column_num=1\r\nlayer d=2 n=5 r=1\r\n"
                             "include file=inner.inc\r\n";
    const std::string inner = "$ third row\r\nlayer_mater macro_name=gaas column_num=1\r\nlayer d=0.5 n=3 r=1\r\n";
    const std::string path = folder.Write("device/nested.layer", DeviceIncluding("parts\\rows.inc"));
    folder.Write("device/parts/rows.inc", rows);
    folder.Write("device/parts/inner.inc", inner);
    std::filesystem::create_directory(folder.File("copy"));
    app.mode3d = false;
    ASSERT_TRUE(doc().OnOpenDocument(path));
    prompts.Clear();
    prompts.ChooseFileNext(folder.File("copy/nested.layer"));
    ASSERT_TRUE(doc().OnFileSaveAs());
    EXPECT_EQ(folder.Read("copy/nested.layer"), SavedDeviceIncluding("parts\\rows.inc"));
    EXPECT_EQ(folder.Read("copy/parts/rows.inc"), rows);
    EXPECT_EQ(folder.Read("copy/parts/inner.inc"), inner);
    EXPECT_TRUE(prompts.Texts().empty());
}

// A device with an included file saved into one new folder and then, unchanged, into another: the
// second save carries the included file along too, though it writes the same text as the first.
TEST_F(DocLayerFile, EachSaveAsIntoANewFolderCarriesTheIncludedFile)
{
    const std::string path = folder.Write("device/device.layer", DeviceIncluding("rows.inc"));
    folder.Write("device/rows.inc", kRowsInc);
    app.mode3d = false;
    ASSERT_TRUE(doc().OnOpenDocument(path));
    prompts.Clear();
    for (const char* copy : {"first", "second"}) {
        std::filesystem::create_directory(folder.File(copy));
        prompts.ChooseFileNext(folder.File(std::string(copy) + "/device.layer"));
        ASSERT_TRUE(doc().OnFileSaveAs()) << copy;
        EXPECT_EQ(folder.Read(std::string(copy) + "/device.layer"), SavedDeviceIncluding("rows.inc")) << copy;
        EXPECT_EQ(folder.Read(std::string(copy) + "/rows.inc"), kRowsInc) << copy;
    }
    EXPECT_TRUE(prompts.Texts().empty());
}
