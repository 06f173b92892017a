// The model-based series on the document: the width series through the series table and the
// composition series, each writing one saved structure file per value beside copies of the root
// folder's files, and giving the document back exactly as it was.

#include "CommandIds.h"
#include "FakeModelSeriesWindows.h"
#include "platform/FileSystem.h"
#include "series/ModelSeriesCommands.h"
#include "support/DocFixture.h"
#include "support/FileBytes.h"
#include "support/GoldenFile.h"
#include "support/TempFolder.h"
#include "textfiles/MacroLibrary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string SeriesFixture(const std::string& name) { return std::string(TESSARON_FIXTURES) + "/series/" + name; }
std::string SolFixture(const std::string& name) { return std::string(TESSARON_FIXTURES) + "/sol/" + name; }

class ModelSeries : public DocFixture {
protected:
    ModelSeries()
    {
        app.mode3d = false;
        doc().SetMacroList(&macros);
        doc().SetModelSeriesHandler(&commands);
    }

    // dev.layer with a file of its own beside it, opened, and the layer of column 1, row 2 selected.
    void OpenDevice()
    {
        root = work.Write("dev.layer", FileBytes(SeriesFixture("dev.layer")));
        work.Write("notes.txt", "beside the device\n");
        // The macros the file defines, as the application derives them when it opens the file.
        CMacroLibrary derived;
        derived.LoadFromLayerFile(root);
        macros = derived.GetMacroList();
        ASSERT_TRUE(doc().OnOpenDocument(root));
        doc().SetPathName(root, false);
        doc().SetSelection(0, 0, 1);
        ASSERT_TRUE(doc().HasSelectedLayer());
    }

    // The document as a save writes it, with its flag and undo history.
    struct State {
        std::string bytes;
        bool modified;
        int snapshots;
        int cursor;
        int selectedColumn, selectedRow;
    };
    State Capture(const std::string& name)
    {
        const std::string path = scratch.File(name);
        EXPECT_TRUE(doc().SaveCurrentZsegmentLayerFile(path));
        const CZSegment& segment = doc().m_ZSegments.at(static_cast<std::size_t>(g_nCurZSeg - 1));
        return {scratch.Read(name), doc().IsModified(), doc().UndoHistory().GetSnapshotCount(),
                doc().UndoHistory().GetCursor(), segment.m_nSelectedColumn, segment.m_nSelectedRow};
    }
    void ExpectSameState(const State& before, const State& after)
    {
        EXPECT_EQ(after.bytes, before.bytes);
        EXPECT_EQ(after.modified, before.modified);
        EXPECT_EQ(after.snapshots, before.snapshots);
        EXPECT_EQ(after.cursor, before.cursor);
        EXPECT_EQ(after.selectedColumn, before.selectedColumn);
        EXPECT_EQ(after.selectedRow, before.selectedRow);
    }

    // The width of a layer of a saved file, read by a document of its own (without touching the
    // process-wide state of the document under test).
    float WidthIn(const std::string& path, int column, int row)
    {
        // A document's construction resets the process-wide z-segment numbers: they are put back.
        const int zsegCount = g_nZSegCount;
        const int current = g_nCurZSeg;
        float width = -1.0f;
        {
            CTessaronDoc reader;
            reader.SetMacroList(&macros);
            EXPECT_EQ(reader.ReadLayerFileRecords(path).m_status, CLayerFileRead::read) << path;
            width = reader.m_ZSegments.at(0).GetColumn(column).GetLayer(row).m_fUpperWidth;
        }
        g_nZSegCount = zsegCount;
        g_nCurZSeg = current;
        return width;
    }

    CMacroList macros;
    FakeModelSeriesWindows windows;
    CModelSeriesCommands commands{windows};
    TempFolder work;
    TempFolder scratch;
    std::string root;
};

}  // namespace

TEST_F(ModelSeries, AWidthSeriesSavesOneFilePerPointAndGivesTheDocumentBack)
{
    OpenDevice();
    doc().CheckPoint();  // an undo entry of an earlier edit, which the series must keep
    const State before = Capture("before.layer");

    windows.itemAnswer = {{2.0, 3.0}};
    EXPECT_TRUE(doc().OnCommand(ID_SERI_COLUMN_WIDTH));
    ASSERT_EQ(windows.itemRequests.size(), 1u);
    EXPECT_EQ(windows.itemRequests[0].caption, "width");
    EXPECT_EQ(windows.itemRequests[0].initial, 2.0);  // the layer's width, as current and final too
    EXPECT_EQ(windows.itemRequests[0].current, 2.0);
    ASSERT_TRUE(windows.table);
    CModelSeriesTable& table = *windows.table;
    ASSERT_EQ(table.GetRowCount(), 1);
    EXPECT_EQ(table.GetItemText(0, 0), "width");
    EXPECT_EQ(table.GetItemText(0, 1), "2");
    EXPECT_EQ(table.GetItemText(0, 2), "3");
    EXPECT_EQ(table.GetItemText(0, 3), "Col:0, Layer:1");
    EXPECT_EQ(table.m_strSeriesName.compare(0, 10, "width_2_3_"), 0) << table.m_strSeriesName;

    table.m_strSeriesName = "widths";
    table.m_nValueCount = 3;
    EXPECT_TRUE(table.OnOK(doc()));
    EXPECT_TRUE(prompts.Texts().empty());

    const std::string series = "projects/widths/";
    const float widths[] = {2.0f, 2.5f, 3.0f};
    for (int i = 0; i < 3; ++i) {
        const std::string folder = series + std::to_string(i + 1) + "/";
        ExpectGoldenFile(work.Read(folder + "dev.layer"), SeriesFixture("golden/width_" + std::to_string(i + 1) + ".layer"));
        EXPECT_EQ(work.Read(folder + "notes.txt"), "beside the device\n");
        EXPECT_FLOAT_EQ(WidthIn(work.File(folder + "dev.layer"), 0, 1), widths[i]);
    }
    EXPECT_TRUE(FileExists(work.File("series_infos.info")));
    ExpectSameState(before, Capture("after.layer"));
}

TEST_F(ModelSeries, TheTableAdmitsOneVariablePerLayerAndRefusesWhileTheDocumentIsModified)
{
    OpenDevice();
    windows.itemAnswer = {{2.0, 3.0}};
    doc().OnCommand(ID_SERI_COLUMN_WIDTH);
    doc().OnCommand(ID_SERI_COLUMN_WIDTH);  // the same layer again: dropped without a question
    EXPECT_EQ(windows.itemRequests.size(), 1u);
    doc().SetSelection(0, 0, 0);
    doc().OnCommand(ID_SERI_COLUMN_WIDTH);  // another row of the same column
    EXPECT_EQ(windows.table->GetRowCount(), 2);
    windows.itemAnswer.reset();
    doc().SetSelection(0, 1, 0);
    doc().OnCommand(ID_SERI_COLUMN_WIDTH);  // cancelled in the item dialog
    EXPECT_EQ(windows.table->GetRowCount(), 2);

    windows.table->DeleteRow(0);
    ASSERT_EQ(windows.table->GetRowCount(), 1);
    EXPECT_EQ(windows.table->GetItemText(0, 3), "Col:0, Layer:0");

    doc().SetModifiedFlag(true);
    prompts.AnswerNext(IDOK);
    doc().OnCommand(ID_SERI_COLUMN_WIDTH);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Please save your modify first!"});

    // A value count below 1 keeps the table open with its message.
    prompts.Clear();
    prompts.AnswerNext(IDOK);
    windows.table->m_nValueCount = 0;
    EXPECT_FALSE(windows.table->OnOK(doc()));
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"You must input a integer value greater than 1 in value count box. "});
}

TEST_F(ModelSeries, AVariableOfTheSecondZsegmentReachesThatZsegmentsFile)
{
    app.mode3d = true;
    for (const char* name : {"dev.sol", "dev.layer", "dev2.layer", "dev.gain"})
        work.Write(name, FileBytes(SolFixture(std::string("saved/new_corvex/") + name)));
    root = work.File("dev.sol");
    ASSERT_TRUE(doc().OnOpenDocument(root));
    doc().SetPathName(root, false);
    doc().SelectZsegment(1);
    doc().SetSelection(1, 0, 1);
    ASSERT_TRUE(doc().HasSelectedLayer());
    const State before = Capture("before.layer");

    windows.itemAnswer = {{5.0, 6.0}};
    doc().OnCommand(ID_SERI_COLUMN_WIDTH);
    ASSERT_TRUE(windows.table);
    windows.table->m_strSeriesName = "exit";
    windows.table->m_nValueCount = 2;
    EXPECT_TRUE(windows.table->OnOK(doc()));

    for (int i = 1; i <= 2; ++i) {
        const std::string folder = "projects/exit/" + std::to_string(i) + "/";
        EXPECT_FLOAT_EQ(WidthIn(work.File(folder + "dev2.layer"), 0, 1), 4.0f + i);
        ExpectGoldenFile(work.Read(folder + "dev2.layer"), SeriesFixture("golden/deck_" + std::to_string(i) + ".layer"));
        // The first z-segment's file is the unchanged copy of the root folder's.
        EXPECT_EQ(work.Read(folder + "dev.layer"), work.Read("dev.layer"));
        EXPECT_EQ(work.Read(folder + "dev.sol"), work.Read("dev.sol"));
    }
    ExpectSameState(before, Capture("after.layer"));
}

TEST_F(ModelSeries, BulkAndActiveCompositionSeriesChangeTheMacroVariable)
{
    OpenDevice();
    const State before = Capture("before.layer");

    windows.composAnswer = FakeModelSeriesWindows::Compos{1, 0.1, 0.3, 0.1};
    EXPECT_TRUE(doc().OnCommand(ID_SERI_BULK_COMPOS));
    ASSERT_EQ(windows.composRequests.size(), 1u);
    EXPECT_EQ(windows.composRequests[0].macroName, "myalloy");
    EXPECT_EQ(windows.composRequests[0].values[0], 0.3);
    const char* bulkFolders[] = {"0.1", "0.2", "0.3"};
    for (const char* value : bulkFolders) {
        const std::string file = std::string("projects/dev-Bulk-var2-/") + value + "/dev.layer";
        ExpectGoldenFile(work.Read(file), SeriesFixture(std::string("golden/bulk_var2_") + value + ".layer"));
        EXPECT_EQ(work.Read(std::string("projects/dev-Bulk-var2-/") + value + "/notes.txt"), "beside the device\n");
    }

    windows.composAnswer = FakeModelSeriesWindows::Compos{0, 8, 10, 2};
    EXPECT_TRUE(doc().OnCommand(ID_SERI_ACTIVE_COMPOS));
    EXPECT_EQ(windows.composRequests.back().macroName, "mywell");
    ExpectGoldenFile(work.Read("projects/dev-Active-var1-/10/dev.layer"), SeriesFixture("golden/active_var1_10.layer"));
    EXPECT_EQ(work.Read("projects/dev-Active-var1-/8/dev.layer").empty(), false);
    EXPECT_TRUE(prompts.Texts().empty());
    ExpectSameState(before, Capture("after.layer"));

    // Cancelled: nothing is made.
    windows.composAnswer.reset();
    doc().SetSelection(0, 1, 1);
    doc().OnCommand(ID_SERI_BULK_COMPOS);
    EXPECT_FALSE(FolderExists(work.File("projects/dev-Bulk-var1-")));
}

TEST_F(ModelSeries, CompositionSeriesRefusals)
{
    OpenDevice();
    doc().SetSelection(0, 0, 0);  // gaas: a macro without parameters
    prompts.AnswerNext(IDOK);
    doc().OnCommand(ID_SERI_BULK_COMPOS);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"No Parameter"});
    EXPECT_TRUE(windows.composRequests.empty());

    // A device without a file of its own: nothing is written anywhere.
    prompts.Clear();
    doc().SetPathName("", false);
    doc().SetSelection(0, 0, 1);
    windows.composAnswer = FakeModelSeriesWindows::Compos{0, 0.1, 0.2, 0.1};
    prompts.AnswerNext(IDOK);
    doc().OnCommand(ID_SERI_BULK_COMPOS);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Please save your device first!"});
    EXPECT_FALSE(FolderExists(work.File("projects")));

    // Nothing selected: the commands are disabled and do nothing.
    doc().SetSelection(-1, -1, -1);
    EXPECT_FALSE(doc().QueryCommand(ID_SERI_BULK_COMPOS).enabled);
    EXPECT_FALSE(doc().QueryCommand(ID_SERI_COLUMN_WIDTH).enabled);
}
