#pragma once
// What the drawing benchmarks share: the offscreen context, and a benchmark that cannot have one
// is reported as skipped instead of timing nothing.

#include "model/ZSegment.h"
#include "support/OffscreenGL.h"

#include <benchmark/benchmark.h>

#include <string>

inline bool OffscreenReadyOrSkip(const COffscreenGL& gl, benchmark::State& state)
{
    if (gl.IsValid()) return true;
    state.SkipWithError(("no offscreen GL context: " + gl.Error()).c_str());
    return false;
}

// A z-segment of `columns` x `rows` layers, 1 to 1.2 wide and baseHeight + heightStep x (0..10)
// thick in a repeating pattern, coloured through the table from colourShift on; with voidEvery
// above 0 every voidEvery-th row (from row 5) is empty.
inline CZSegment MakeGridSegment(int columns, int rows, float baseHeight, float heightStep, int colourShift,
                                 int voidEvery)
{
    CZSegment seg;
    seg.SetColumnCount(columns);
    for (int c = 0; c < columns; ++c) {
        CColumnRec& column = seg.Column(c);
        column.m_nColumnIndex = c;
        column.SetLayerCount(CColumnRec::kMaxLayers);
        column.SetLayersInUse(rows);
        for (int r = 0; r < rows; ++r) {
            CLayerRec& l = column.Layer(r);
            l.m_fHeight = baseHeight + heightStep * float((r * 7 + c) % 11);
            l.m_fWidth = l.m_fUpperWidth = l.m_fLowerWidth = 1.0f + 0.1f * float(c % 3);
            l.m_nColour = (r + c + colourShift) % 23;
            l.m_Material.m_Bulk.m_strName = (voidEvery > 0 && r % voidEvery == 5) ? "void macro" : "GaAs";
        }
    }
    return seg;
}
