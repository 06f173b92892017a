// A save writes the device; it does not copy it. The columns and layers an undo snapshot shares
// with the document stay shared through a ".layer" save, a Save As and a ".sol" deck save, and a
// save after an edit copies nothing the edit did not: a column that is still the snapshot's is one
// that has not changed since.
//
// A save does store a few values of its own in the device: the first save after an open fills in
// the material tags of the automatic mesh counts and raises mesh counts below their floor. So each
// case saves once before its checkpoint; from then on a save finds nothing to change.

#include "CommandIds.h"
#include "platform/NumberText.h"
#include "support/DocFixture.h"
#include "support/FakeSheetRunner.h"
#include "support/FileBytes.h"
#include "textfiles/SolDeckHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Records = std::vector<std::string>;

// Where a z-segment no longer shares its records with the snapshot's copy of it: "column c" for a
// column that is a copy of its own, then "column c row r" for each layer of it that is one too.
// Empty when the z-segment holds exactly the snapshot's columns.
Records CopiedRecords(const CZSegment& now, const CZSegment& snapshot)
{
    Records copied;
    EXPECT_EQ(now.GetColumnCount(), snapshot.GetColumnCount());
    for (int c = 0; c < now.GetColumnCount() && c < snapshot.GetColumnCount(); ++c) {
        const CColumnRec& column = now.GetColumn(c);
        const CColumnRec& kept = snapshot.GetColumn(c);
        if (&column == &kept) {
            EXPECT_TRUE(now.GetColumns().IsShared(static_cast<std::size_t>(c))) << c;
            continue;
        }
        copied.push_back(StrFormat("column %d", c + 1));
        for (int r = 0; r < column.GetLayersInUse() && r < kept.GetLayersInUse(); ++r) {
            if (&column.GetLayer(r) == &kept.GetLayer(r))
                EXPECT_TRUE(column.GetLayers().IsShared(static_cast<std::size_t>(r))) << c << " " << r;
            else
                copied.push_back(StrFormat("column %d row %d", c + 1, r + 1));
        }
    }
    return copied;
}

// The statement of a saved file that starts with the text given, its continued lines (ended by
// "&&") included; "" when there is none.
std::string StatementStarting(const std::string& bytes, const std::string& start)
{
    std::size_t at = bytes.find(start);
    std::string statement;
    while (at != std::string::npos && at < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", at);
        statement += bytes.substr(at, end - at);
        if (end == std::string::npos || statement.size() < 2 || statement.compare(statement.size() - 2, 2, "&&") != 0)
            break;
        at = end + 2;
    }
    return statement;
}

class SaveKeepsUndoSharing : public DocFixture {
protected:
    SaveKeepsUndoSharing() { doc().SetMacroList(&files.layers.macros); }

    // The ridge fixture (two columns of four rows) as the layer builder's ".layer" document, saved
    // once.
    void OpenRidgeLayerFile()
    {
        app.mode3d = false;
        ridgePath = files.folder.Write("ridge.layer", ExistingFileBytes(kLayerFixtures + "ridge_two_columns.layer"));
        ASSERT_TRUE(doc().OnOpenDocument(ridgePath));
        SaveAgain();
    }

    // Saves the document under its own name, as File Save does once it has been changed.
    void SaveAgain()
    {
        doc().SetModifiedFlag();
        ASSERT_TRUE(doc().OnFileSave()) << ::testing::PrintToString(prompts.Texts());
    }

    // What the z-segments in use no longer share with the snapshot of the last checkpoint.
    Records CopiedSinceCheckPoint()
    {
        const CUndoHistory& history = doc().UndoHistory();
        const CDocSnapshot& snapshot = history.GetSnapshot(history.GetSnapshotCount() - 1);
        Records copied;
        for (int z = 0; z < g_nZSegCount; ++z)
            for (const std::string& record : CopiedRecords(Seg(z), snapshot.m_ZSegments.at(z)))
                copied.push_back(StrFormat("z-segment %d ", z + 1) + record);
        return copied;
    }

    // Modify Layer on (column, row) of the current z-segment, with a user who edits the layer and
    // presses OK.
    void ModifyLayer(int column, int row, std::function<void()> edit)
    {
        const std::size_t sheetsRun = sheets.sheetsRun.size();
        doc().SetSelection(g_nCurZSeg - 1, column, row);
        sheets.AcceptNextSheet(std::move(edit));
        doc().OnCommand(ID_LAYER_MODIFY);
        ASSERT_EQ(sheets.sheetsRun.size(), sheetsRun + 1);
    }

    SolDeckHarness files;  // the macros of the fixtures, the temporary folder, the staged decks
    FakeSheetRunner sheets;
    std::string ridgePath;
};

struct LayerSave {
    const char* name;
    // Saves the open ".layer" document as a user would; false when it did not save.
    std::function<bool(CTessaronDoc&, ScriptedPrompts&, const TempFolder&)> save;
};

void PrintTo(const LayerSave& c, std::ostream* os) { *os << c.name; }

class LayerSaves : public SaveKeepsUndoSharing, public ::testing::WithParamInterface<LayerSave> {};

}  // namespace

TEST_P(LayerSaves, LeaveEveryColumnAndLayerSharedWithTheUndoSnapshot)
{
    OpenRidgeLayerFile();
    doc().CheckPoint();
    ASSERT_EQ(CopiedSinceCheckPoint(), Records{});

    ASSERT_TRUE(GetParam().save(doc(), prompts, files.folder));
    EXPECT_TRUE(prompts.Texts().empty()) << ::testing::PrintToString(prompts.Texts());
    EXPECT_EQ(CopiedSinceCheckPoint(), Records{});
}

INSTANTIATE_TEST_SUITE_P(
    SaveKeepsUndoSharing, LayerSaves,
    ::testing::Values(LayerSave{"Save",
                                [](CTessaronDoc& doc, ScriptedPrompts&, const TempFolder&) {
                                    doc.SetModifiedFlag();
                                    return doc.OnFileSave();
                                }},
                      LayerSave{"SaveAs",
                                [](CTessaronDoc& doc, ScriptedPrompts& prompts, const TempFolder& folder) {
                                    prompts.ChooseFileNext(folder.File("copy.layer"));
                                    return doc.OnFileSaveAs();
                                }}));

TEST_F(SaveKeepsUndoSharing, ADeckSaveLeavesEveryZSegmentSharedWithTheUndoSnapshot)
{
    const std::string deck = files.Stage("corvex_pos", "ridge.sol");
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    ASSERT_EQ(g_nZSegCount, 2);
    prompts.AllowUnscripted();  // the deck's taper-line counts differ: the save says so each time
    SaveAgain();
    doc().CheckPoint();

    SaveAgain();
    EXPECT_EQ(CopiedSinceCheckPoint(), Records{});
}

// Modify Layer writes its row in every column (a row has one height and one mesh); a record written
// outside a command changes that one layer. Either way the save after it copies nothing more.
TEST_F(SaveKeepsUndoSharing, ASaveAfterAnEditCopiesOnlyWhatTheEditChanged)
{
    OpenRidgeLayerFile();
    ModifyLayer(1, 2, [] { g_EditLayer.m_Material.m_Bulk.m_dVar[0] = 0.25; });
    const Records edited = CopiedSinceCheckPoint();
    ASSERT_NE(std::find(edited.begin(), edited.end(), "z-segment 1 column 2 row 3"), edited.end())
        << ::testing::PrintToString(edited);
    SaveAgain();
    EXPECT_EQ(CopiedSinceCheckPoint(), edited);

    doc().CheckPoint();
    Seg(0).Column(1).Layer(1).m_Material.m_Bulk.m_strName = "inp";
    SaveAgain();
    EXPECT_EQ(CopiedSinceCheckPoint(), (Records{"z-segment 1 column 2", "z-segment 1 column 2 row 2"}));
    EXPECT_NE(FileBytes(ridgePath).find("layer_mater macro_name=inp column_num=2"), std::string::npos);
}

// A save sets a layer's embedded flag from its grating composition. When that changes the flag of
// a layer an undo snapshot shares, the layer is copied in the middle of the writing, and the flag
// written is the copy's: the file says what a save without the snapshot says.
TEST_F(SaveKeepsUndoSharing, AnEmbeddedFlagTheSaveChangesIsWrittenAsChangedWhileTheLayerIsShared)
{
    const std::string written = "layer_mater macro_name=mystery_alloy column_num=2";
    std::string bytes[2];
    for (int checkPoint = 0; checkPoint < 2; ++checkPoint) {
        OpenRidgeLayerFile();
        ASSERT_EQ(Seg(0).GetColumn(1).GetLayer(2).m_nEmbedded, 1);
        // The user takes the grating away: the composition is no longer complete.
        ModifyLayer(1, 2, [] { g_EditLayer.m_Grating.Edit().m_nPresent = 0; });
        ASSERT_EQ(Seg(0).GetColumn(1).GetLayer(2).m_nEmbedded, 1);
        if (checkPoint)
            doc().CheckPoint();
        SaveAgain();
        EXPECT_EQ(Seg(0).GetColumn(1).GetLayer(2).m_nEmbedded, 0) << checkPoint;
        bytes[checkPoint] = FileBytes(ridgePath);
        // The flag is 0 now, the value a "layer_mater" statement leaves out.
        const std::string statement = StatementStarting(bytes[checkPoint], written);
        EXPECT_EQ(statement.find("embedded_structure"), std::string::npos) << statement;
    }
    EXPECT_EQ(bytes[1], bytes[0]);
}
