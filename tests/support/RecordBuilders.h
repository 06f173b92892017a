#pragma once
// Small builders for device records in tests.

#include "model/ColumnRec.h"
#include "model/ZSegment.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

// A layer of the given bulk macro, height and widths (lower width also as its width).
inline CLayerRec MakeLayer(const std::string& bulk, float height, float lower, float upper)
{
    CLayerRec layer;
    layer.m_Material.m_Bulk.m_strName = bulk;
    layer.m_fHeight = height;
    layer.m_fWidth = lower;
    layer.m_fLowerWidth = lower;
    layer.m_fUpperWidth = upper;
    return layer;
}

// A rectangular layer of the given bulk macro ("void" for an empty layer) and size.
inline CLayerRec MakeLayer(const std::string& bulk, float height = 1.0f, float width = 2.0f)
{
    return MakeLayer(bulk, height, width, width);
}

// A column of full capacity holding the layers from row 0 up.
inline CColumnRec MakeColumn(std::initializer_list<CLayerRec> layers)
{
    CColumnRec column;
    column.SetLayerCount(CColumnRec::kMaxLayers);
    for (const CLayerRec& layer : layers)
        EXPECT_TRUE(column.AppendLayer(layer));
    return column;
}

// A z-segment of three columns ("gaas", "inp", "algaas"), each two layers of heights 1 and 0.5,
// for tests of what copies of a z-segment share.
inline CZSegment MakeThreeColumnSegment()
{
    CZSegment segment;
    for (const char* bulk : {"gaas", "inp", "algaas"})
        segment.AppendColumn(MakeColumn({MakeLayer(bulk, 1.0f, 2.0f), MakeLayer(bulk, 0.5f, 2.0f)}));
    segment.m_Params.m_dZTo = 3.0;
    return segment;
}
