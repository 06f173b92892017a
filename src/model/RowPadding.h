#pragma once
// A z-segment's rows as its ".layer" file holds them. The file gives every column as many rows as
// the tallest one and stores one thickness per row: a column shorter than the tallest is written
// with empty ("void") layers in the rows it lacks, and every layer of a row reads back as thick as
// the row's layer in the first of the tallest columns. The writer makes those filler layers as it
// writes; the commands that build a device put the same layers into the document, in the form the
// reader gives them back, so that what the views show is what a save reopens to.

#include "model/LayerRec.h"

#include <vector>

class CZSegment;

class CRowPadding {
public:
    // The first column with the most layers in use: the file takes each row's thickness and mesh
    // from it. 0 for a z-segment without columns.
    static int ReferenceColumn(const CZSegment& segment);

    // The empty layer the writer writes in row `row` of column `column` when the column lacks that
    // row: the row's thickness and mesh from the reference column's layer, as wide as `below` (the
    // column's layer or filler of the row below; null in row 0, where the column's own lower width
    // is taken).
    static CLayerRec WrittenFiller(const CZSegment& segment, int column, int row, int reference,
                                   const CLayerRec* below);

    // Makes the segment what a save and a reopen of it give: rows at the top that hold only empty
    // layers are dropped down to row keptRow (the row of the layer the command has just made, which
    // the user may have left empty on purpose; row 0 always stays), every layer of a row takes the
    // row's thickness, and each column shorter than the tallest gets, in the rows it lacks, the
    // empty layer the reader makes of the writer's filler. Colours are not touched: the caller
    // runs the colour pass.
    static void PadAsSaved(CZSegment& segment, int keptRow);

    // What a save reads back in place of a new layer's blanks: a layer without a bulk macro is
    // written as an empty one and one without an active macro reads back with the empty active
    // macro, both in the record form "void macro"; a layer without a doping kind reads back with
    // "none". Equal layers are told by these when the colours are given, so a new layer holds them
    // before it gets its colour.
    static void FillBlanksAsReadBack(CLayerRec& layer);

private:
    static void TrimEmptyTopRows(CZSegment& segment, int keptRow);
    static void AlignRowHeights(CZSegment& segment);
    static std::vector<CLabelRec> WrittenRowLabels(const CZSegment& segment, int row);
    static CLayerRec ReadBackFiller(const CZSegment& segment, int column, int row, int reference,
                                    const CLayerRec& below);
};
