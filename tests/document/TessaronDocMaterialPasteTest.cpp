#include "CommandIds.h"
#include "EditCommandsFixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

namespace {

struct PasteCase {
    const char* name;
    int command;
    Device expected;  // the bulk macros after the paste
};

void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

// Z-segment 1 holds the clipboard layer "mm" (colour 7, pattern 3, doped); z-segment 2 is current
// with columns {aa, void, bb} and {cc, dd}, and its empty layer (0, 1) is selected.
class MaterialPaste : public EditCommands, public ::testing::WithParamInterface<PasteCase> {
protected:
    void SetUp() override
    {
        UseZSegments(2);
        CLayerRec material = MakeLayer("mm", 5.0f, 9.0f);
        material.m_Material.m_Bulk.m_dVar[0] = 0.3;
        material.m_Doping.m_strKind = "nn";
        material.m_Doping.m_fValue = 1e18f;
        material.m_nColour = 7;
        material.m_nPattern = 3;
        material.m_Labels = {Label("clip")};
        Seg(0).m_LayerClipboard.assign(1, material);
        g_nClipboardZSeg = 1;

        AddColumn(1, {"aa", "void", "bb"});
        AddColumn(1, {"cc", "dd"});
        for (CColumnRec* column : {&Seg(1).Column(0), &Seg(1).Column(1)}) {
            for (int r = 0; r < column->GetLayersInUse(); ++r) {
                Paint(column->Layer(r), r, r);
                column->Layer(r).m_Labels = {Label("row" + std::to_string(r))};
                column->Layer(r).m_Mesh.m_nMeshNum = 4;
            }
        }
        Select(1, 0, 1);
    }
};

}  // namespace

TEST_P(MaterialPaste, TheTargetsTakeTheMaterialAndKeepEverythingElse)
{
    int usage[23][23];
    std::memcpy(usage, g_ColourUsage, sizeof usage);
    ASSERT_TRUE(Enabled(GetParam().command));
    doc().OnCommand(GetParam().command);

    EXPECT_EQ(Bulks(1), GetParam().expected);
    for (int c = 0; c < 2; ++c) {
        for (int r = 0; r < Seg(1).GetColumn(c).GetLayersInUse(); ++r) {
            const CLayerRec& layer = LayerAt(1, c, r);
            EXPECT_EQ(layer.m_fHeight, 1.0f);
            EXPECT_EQ(layer.m_fUpperWidth, 2.0f);
            EXPECT_EQ(layer.m_Mesh.m_nMeshNum, 4);
            EXPECT_EQ(Texts(layer.m_Labels), std::vector<std::string>{"row" + std::to_string(r)});
            const bool pasted = layer.m_Material.m_Bulk.m_strName == "mm";
            EXPECT_EQ(layer.m_nColour, pasted ? 7 : r) << c << "," << r;
            EXPECT_EQ(layer.m_Doping.m_strKind, pasted ? "nn" : "");
        }
    }
    EXPECT_EQ(std::memcmp(usage, g_ColourUsage, sizeof usage), 0);
    EXPECT_EQ(Seg(1).m_nSelectedColumn, 0);
    EXPECT_EQ(Seg(1).m_nSelectedRow, 1);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(views.hints, std::vector<int>{0});

    doc().OnEditUndo();
    EXPECT_EQ(Bulks(1), (Device{{"aa", "void", "bb"}, {"cc", "dd"}}));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, MaterialPaste,
    ::testing::Values(PasteCase{"SelectedLayer", ID_LAYER_PASTE_MATERIAL, {{"aa", "mm", "bb"}, {"cc", "dd"}}},
                      PasteCase{"Row", ID_LAYER_PASTE_ROW_MATERIAL, {{"aa", "void", "bb"}, {"cc", "mm"}}},
                      PasteCase{"Column", ID_LAYER_PASTE_COLUMN_MATERIAL, {{"mm", "void", "mm"}, {"cc", "dd"}}}),
    [](const ::testing::TestParamInfo<PasteCase>& info) { return std::string(info.param.name); });

TEST_F(EditCommands, TheRowPasteLeavesColumnsThatEndBelowTheRow)
{
    UseZSegments(1);
    AddColumn(0, {"aa", "bb", "cc"});
    AddColumn(0, {"dd"});
    Select(0, 1, 0);
    doc().OnLayerCopy();
    Select(0, 0, 2);
    doc().OnLayerPasteTotalLayerMaterial();
    EXPECT_EQ(Bulks(0), (Device{{"aa", "bb", "dd"}, {"dd"}}));
}
