#include "CommandIds.h"
#include "EditCommandsFixture.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const int kEditIds[] = {ID_COLUMN_COPY,         ID_COLUMN_CUT,           ID_COLUMN_PASTE,
                        ID_LAYER_COPY,          ID_LAYER_CUT,            ID_LAYER_PASTE,
                        ID_LAYER_MODIFY,        ID_LAYER_PASTE_MATERIAL, ID_LAYER_PASTE_ROW_MATERIAL,
                        ID_LAYER_PASTE_COLUMN_MATERIAL, ID_INSERT_HORI_LINE, ID_INSERT_VERTI_LINE,
                        ID_ZSEG_PROPERTY,       ID_ZSEG_COPY,            ID_ZSEG_PASTE,
                        ID_ZSEG_COPY_MATERIAL,  ID_ZSEG_PASTE_MATERIAL,  ID_ALT_S};

// Z-segment 1 with columns {gaas, void} and {inp}; both clipboards of z-segment 1 filled.
class EditRules : public EditCommands {
protected:
    void SetUp() override
    {
        UseZSegments(1);
        AddColumn(0, {"gaas", "void"});
        AddColumn(0, {"inp"});
        Seg(0).m_LayerClipboard.assign(1, MakeLayer("clip"));
        Seg(0).m_ColumnClipboard = MakeColumn({MakeLayer("clip")});
        g_nClipboardZSeg = 1;
    }
    std::map<int, bool> States()
    {
        std::map<int, bool> states;
        for (int id : kEditIds) {
            const CommandState state = doc().QueryCommand(id);
            EXPECT_TRUE(state.handled) << id;
            states[id] = state.enabled;
        }
        return states;
    }
    // The ids whose state differs from `enabled`.
    std::vector<int> Except(bool enabled)
    {
        std::vector<int> ids;
        for (const auto& [id, state] : States())
            if (state != enabled)
                ids.push_back(id);
        return ids;
    }
};

}  // namespace

TEST_F(EditRules, ASelectedLayerEnablesEveryCommand)
{
    Select(0, 0, 0);
    EXPECT_EQ(Except(true), std::vector<int>{ID_ZSEG_PASTE_MATERIAL});
}

TEST_F(EditRules, WithoutACurrentZSegmentOnlyTheZSegmentCopiesAndScaleAllStay)
{
    Select(0, 0, 0);
    g_nCurZSeg = 0;
    EXPECT_EQ(Except(false), (std::vector<int>{ID_ALT_S, ID_ZSEG_COPY, ID_ZSEG_PASTE}));
}

TEST_F(EditRules, AnEmptyLayerCannotBeCopied)
{
    Select(0, 0, 1);
    EXPECT_FALSE(Enabled(ID_LAYER_COPY));
    EXPECT_TRUE(Enabled(ID_LAYER_CUT));
}

TEST_F(EditRules, ASubstituteSelectionLocksAllButColumnCutAndTheZSegmentCommands)
{
    Select(0, 0, 0);
    doc().m_nForcedSelection = 1;
    EXPECT_EQ(Except(false), (std::vector<int>{ID_COLUMN_CUT, ID_ZSEG_PROPERTY, ID_ZSEG_COPY_MATERIAL, ID_ZSEG_COPY,
                                               ID_ZSEG_PASTE}));
}

TEST_F(EditRules, AColumnWithoutARowServesTheColumnCopyAndTheCutLines)
{
    Select(0, 1, -1);
    EXPECT_TRUE(Enabled(ID_COLUMN_COPY));
    EXPECT_TRUE(Enabled(ID_INSERT_HORI_LINE));
    EXPECT_TRUE(Enabled(ID_INSERT_VERTI_LINE));
    EXPECT_FALSE(Enabled(ID_COLUMN_CUT));
    EXPECT_FALSE(Enabled(ID_LAYER_PASTE));
    EXPECT_FALSE(Enabled(ID_LAYER_MODIFY));
}

TEST_F(EditRules, PastesNeedAClipboardOfAZSegmentInUse)
{
    Select(0, 0, 0);
    g_nClipboardZSeg = 2;
    EXPECT_FALSE(Enabled(ID_LAYER_PASTE));
    EXPECT_FALSE(Enabled(ID_COLUMN_PASTE));
    g_nClipboardZSeg = 1;
    Seg(0).m_LayerClipboard.clear();
    EXPECT_FALSE(Enabled(ID_LAYER_PASTE_MATERIAL));
    EXPECT_TRUE(Enabled(ID_COLUMN_PASTE));
}

TEST_F(EditRules, TheCommandsRunFromTheirIds)
{
    Select(0, 1, 0);
    EXPECT_TRUE(doc().OnCommand(ID_COLUMN_CUT));
    // The row left empty everywhere goes with the tidy-up.
    EXPECT_EQ(Bulks(0), (Device{{"gaas"}}));
    EXPECT_EQ(doc().QueryCommand(ID_FILE_NEW).handled, false);
}
