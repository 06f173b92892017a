#include "model/ProcessState.h"

#include <gtest/gtest.h>

TEST(ProcessState, OneResetPutsEveryProcessWideStateBack)
{
    g_EditLayer.m_fHeight = 2.5f;
    g_EditColumn.m_Size.m_fLowerWidth = 3.0f;
    g_EditZSegment.m_nTotalXMesh = 7;
    g_CurLayerParams.m_bHeightChanged = 1;
    g_nLayerEditMode = 3;
    g_nCurZSeg = 2;
    g_nZSegCount = 4;
    g_nClipboardZSeg = 2;
    g_ColourUsage[22][22] = 9;
    g_strIsolatedMethod = "yes";
    g_bZSegByLengths = true;
    g_layerParamFlags["d"] = false;

    ResetProcessState();

    const CCurLayerParams fresh;
    EXPECT_EQ(g_EditLayer.m_fHeight, fresh.m_EditLayer.m_fHeight);
    EXPECT_EQ(g_EditColumn.m_Size.m_fLowerWidth, fresh.m_EditColumn.m_Size.m_fLowerWidth);
    EXPECT_EQ(g_EditZSegment.m_nTotalXMesh, fresh.m_EditZSegment.m_nTotalXMesh);
    EXPECT_EQ(g_CurLayerParams.m_bHeightChanged, 0);
    EXPECT_EQ(g_nLayerEditMode, 0);
    EXPECT_EQ(g_nCurZSeg, 0);
    EXPECT_EQ(g_nZSegCount, 0);
    EXPECT_EQ(g_nClipboardZSeg, 0);
    EXPECT_EQ(g_ColourUsage[22][22], 0);
    EXPECT_EQ(g_strIsolatedMethod, "no");
    EXPECT_FALSE(g_bZSegByLengths);
    EXPECT_TRUE(g_layerParamFlags.empty()) << "filled again at start-up or when next read";
}
