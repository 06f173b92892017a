#pragma once
// Small builders for device records in tests.

#include "model/ColumnRec.h"

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
