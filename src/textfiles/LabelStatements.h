#pragma once
// Column and layer labels of a z-segment and their ".layer" statements, "column_position" and
// "layer_position". A column label lives in its column's list; a layer label belongs to a row, and
// every column's layer of that row carries its own copy.

#include <vector>

#include "textfiles/LayerFileContext.h"

class CLabelStatements {
public:
    explicit CLabelStatements(CLayerFileContext& ctx) : m_ctx(ctx) {}

    // Empties the labels of every column of z-segment n and of every layer in use.
    void ClearZsegmentLabels(int n);
    // Rebuilds all labels of z-segment n from the statement list: a "column_position" belongs to
    // the "column" statement before it, a "layer_position" to the "layer" statement before it. A
    // statement without a position the reader knows gives no label (CUnreadStatements).
    void ReadLabelPositions(int n);
    // The row's labels: the union, by text, over the row's layers in use that are not "void".
    void CollectLayerLabels(int n, int row, std::vector<CLabelRec>& out) const;
    // The statements of one column's labels / of one row's labels, in order.
    void WriteColumnLabels(int n, int column, std::vector<CKeywordLine>& out) const;
    void WriteLayerLabels(int n, int row, std::vector<CKeywordLine>& out) const;

    // One statement into a label (text "", location -1, offset -9999.0 when it says nothing).
    static void ParseLabelPosition(bool column, const CKeywordLine& line, CLabelRec& out);
    // A label into its statement; false (nothing built) for a label without a location.
    static bool FormatLabelPosition(bool column, CKeywordLine& out, const CLabelRec& label);

private:
    bool IsInUse(int n) const { return n >= 0 && n < m_ctx.zsegCount && n < static_cast<int>(m_ctx.zsegs.size()); }
    CLayerFileContext& m_ctx;
};
