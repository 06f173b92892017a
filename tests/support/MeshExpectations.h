#pragma once
// Checks of mesh triangles shared by the mesh tests.

#include "model/MeshElement.h"

#include <gtest/gtest.h>

// The triangle's region: z-segment, column and row (-1 each for none).
inline void ExpectRegion(const CMeshElement& e, int zseg, int column, int row)
{
    EXPECT_EQ(e.m_nZSeg, zseg);
    EXPECT_EQ(e.m_nColumn, column);
    EXPECT_EQ(e.m_nRow, row);
}
