#pragma once
// The "$" comment statements of a ".layer" file, kept on the records so that a save puts them back
// in front of the statements they stood before: five blocks of the z-segment (before "begin_layer",
// before the columns, before the bottom contacts, before the top contacts, before "end_layer") and
// one block per layer row, kept on the row's first-column layer (on the first column that has
// the row, when the first column is shorter).
//
// A block holds whole comment lines, each ended by kCommentLineEnd. A comment's own text can hold
// "$" (a "$ cost $5" line), so the lines cannot be told apart by their "$" alone; the line end
// never occurs inside a parsed comment, whose line breaks became blanks.

#include <string>

#include "textfiles/LayerFileContext.h"

class CLayerComments {
public:
    static constexpr char kCommentLineEnd = '\n';
    enum Block { BeforeBegin = 0, BeforeColumns, BeforeBottomContacts, BeforeTopContacts, BeforeEnd };

    explicit CLayerComments(CLayerFileContext& ctx) : m_ctx(ctx) {}

    // Gathers the comments of the statement list into the blocks of z-segment nZSeg and the rows'
    // first-column layers. Returns 1.
    int CollectComments(int nZSeg);

    // Takes the first comment line off the block and returns it ("" for an empty block).
    static std::string PopCommentLine(std::string& block);
    // Appends one comment line to a block.
    static void AppendCommentLine(std::string& block, const std::string& line);
    // The layer that keeps the comment block of a row: the row's layer in the first column that has
    // the row in use (the first column, unless it is shorter than another); null when none has.
    static CLayerRec* RowCommentHolder(CZSegment& z, int row);
    // The same for reading (the writer): it copies nothing an undo snapshot shares.
    static const CLayerRec* RowCommentHolder(const CZSegment& z, int row);

private:
    CLayerFileContext& m_ctx;
};
