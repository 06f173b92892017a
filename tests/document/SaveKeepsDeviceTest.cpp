// Nothing the commands can build is written in a form that loses it when the file is opened again:
// a save either writes what the reader takes back, or refuses before anything is written and says
// why.

#include "CommandIds.h"
#include "document/BuildCommandsFixture.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The layer builder: a save writes the current z-segment's ".layer" file.
class SaveKeepsDevice : public BuildCommandsFixture {
protected:
    SaveKeepsDevice() { app.mode3d = false; }

    // The bulk names of a z-segment's columns, row by row, with every empty layer named alike.
    std::vector<std::vector<std::string>> Rows(int zseg)
    {
        std::vector<std::vector<std::string>> columns;
        for (const CColumnRec& column : Seg(zseg).GetColumns()) {
            columns.emplace_back();
            for (const CLayerRec& layer : column.GetLayers())
                columns.back().push_back(layer.IsEmpty() ? "(empty)" : layer.m_Material.m_Bulk.m_strName);
        }
        return columns;
    }
};

}  // namespace

TEST_F(SaveKeepsDevice, ALayerNewLayerLeftWithoutANameKeepsItsRowThroughASave)
{
    OpenRidge();
    doc().SetSelection(0, 0, 1);
    sheets.AcceptNextSheet();  // OK without naming the material
    Run(ID_LAYER_NEW);
    // Held as the empty layer the save reads back.
    ASSERT_EQ(Seg(0).GetColumn(0).GetLayer(2).m_Material.m_Bulk.m_strName, "void macro");
    const auto before = Rows(0);

    prompts.AnswerNext(IDYES);  // the new layer's mesh is not set: saved all the same
    ASSERT_TRUE(doc().OnSaveDocument(ridgePath));
    ASSERT_TRUE(doc().OnOpenDocument(ridgePath));
    EXPECT_EQ(prompts.Texts().size(), 1u);
    const auto after = Rows(0);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0], before[0]) << "the new layer keeps its row and the top layer stays on top";
    // The other column keeps its layers where they were; the row it lacks is filled empty, before
    // the save as after it.
    ASSERT_GE(after[1].size(), before[1].size());
    EXPECT_EQ(std::vector<std::string>(after[1].begin(), after[1].begin() + before[1].size()), before[1]);
    EXPECT_EQ(after, before);
}

TEST_F(SaveKeepsDevice, ADeviceWithoutAColumnIsNotSavedAsAFileThatWouldNotOpen)
{
    OpenRidge();
    const std::string original = FileBytes(ridgePath);
    for (int k = 0; k < 2; ++k) {
        doc().SetSelection(0, 0, 0);
        Run(ID_COLUMN_CUT);
    }
    ASSERT_EQ(Seg(0).GetColumnCount(), 0);

    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(doc().OnSaveDocument(ridgePath));
    ASSERT_EQ(prompts.Texts().size(), 1u);
    EXPECT_NE(prompts.Texts()[0].find("no column"), std::string::npos) << prompts.Texts()[0];
    EXPECT_EQ(FileBytes(ridgePath), original) << "nothing written";
    EXPECT_TRUE(doc().IsModified());
}

TEST_F(SaveKeepsDevice, ADeckWithAZSegmentWithoutAColumnIsNotSaved)
{
    app.mode3d = true;
    folder.Write("dev1.layer",
                 "begin_layer\r\ncolumn column_num=1 w=2 mesh_num=4 r=1\r\n"
                 "layer_mater macro_name=gaas column_num=1\r\nlayer d=1 n=4 r=1\r\nend_layer\r\n");
    const std::string deck = folder.Write("dev.sol", "begin\r\n"
                                                     "z_structure zseg_num=1 uniform_zseg_from=0 uniform_zseg_to=10\r\n"
                                                     "load_mesh mesh_inf=dev1.msh zseg_num=1\r\n"
                                                     "end\r\n");
    ASSERT_TRUE(doc().OnOpenDocument(deck));
    doc().SetSelection(0, 0, 0);
    Run(ID_COLUMN_CUT);
    ASSERT_EQ(Seg(0).GetColumnCount(), 0);
    const std::string before = folder.List();

    prompts.AllowUnscripted();
    EXPECT_FALSE(doc().OnSaveDocument(folder.File("copy.sol")));
    ASSERT_EQ(prompts.Texts().size(), 1u);
    EXPECT_NE(prompts.Texts()[0].find("no column"), std::string::npos) << prompts.Texts()[0];
    EXPECT_EQ(folder.List(), before) << "nothing written";
}
