#pragma once
// Expectations shared by the sharing tests: a layout of columns that share their records with a
// snapshot places every layer where a layout of unshared columns places it.

#include "model/ZSegment.h"

#include <gtest/gtest.h>

inline void ExpectSameLayout(const CZSegment& laidOut, const CZSegment& reference, int columns, int rows)
{
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r) {
            const CLayerRec& a = laidOut.GetColumn(c).GetLayer(r);
            const CLayerRec& b = reference.GetColumn(c).GetLayer(r);
            EXPECT_EQ(a.m_A.x, b.m_A.x) << c << r;
            EXPECT_EQ(a.m_A.y, b.m_A.y) << c << r;
            EXPECT_EQ(a.m_D.x, b.m_D.x) << c << r;
            EXPECT_EQ(a.m_fZFrom, b.m_fZFrom) << c << r;
            EXPECT_EQ(a.m_fZTo, b.m_fZTo) << c << r;
        }
}
