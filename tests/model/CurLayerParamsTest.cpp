#include "model/ProcessState.h"

#include <gtest/gtest.h>

TEST(CurLayerParams, ImagesLiveInTheEditBlock)
{
    EXPECT_EQ(&g_EditLayer, &g_CurLayerParams.m_EditLayer);
    EXPECT_EQ(&g_EditColumn, &g_CurLayerParams.m_EditColumn);
    EXPECT_EQ(&g_EditZSegment, &g_CurLayerParams.m_EditZSegment);

    // A copy of the block (as an undo snapshot takes it) carries the images and the page flags.
    CCurLayerParams saved = g_CurLayerParams;
    g_EditLayer.m_fHeight = 2.5f;
    g_CurLayerParams.m_bWidthChanged = 1;
    CCurLayerParams copy = g_CurLayerParams;
    g_CurLayerParams = saved;
    EXPECT_FLOAT_EQ(copy.m_EditLayer.m_fHeight, 2.5f);
    EXPECT_EQ(copy.m_bWidthChanged, 1);
    EXPECT_FLOAT_EQ(g_EditLayer.m_fHeight, saved.m_EditLayer.m_fHeight);
}
