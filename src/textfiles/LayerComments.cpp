#include "textfiles/LayerComments.h"

#include "platform/StringUtil.h"

#include <string_view>

namespace {

// The group a statement closes a comment block for, or -1.
int GroupBlockOf(std::string_view keyword)
{
    if (keyword == "column") return CLayerComments::BeforeColumns;
    if (keyword == "bottom_contact") return CLayerComments::BeforeBottomContacts;
    if (keyword == "top_contact") return CLayerComments::BeforeTopContacts;
    return -1;
}

// The first column that has the row in use; -1 when none has.
int RowCommentColumn(const CZSegment& z, int row)
{
    for (int c = 0; c < z.GetColumnCount(); ++c)
        if (z.GetColumn(c).HasRow(row)) return c;
    return -1;
}

}  // namespace

CLayerRec* CLayerComments::RowCommentHolder(CZSegment& z, int row)
{
    const int c = RowCommentColumn(z, row);
    return c < 0 ? nullptr : &z.Column(c).Layer(row);
}

const CLayerRec* CLayerComments::RowCommentHolder(const CZSegment& z, int row)
{
    const int c = RowCommentColumn(z, row);
    return c < 0 ? nullptr : &z.GetColumn(c).GetLayer(row);
}

void CLayerComments::AppendCommentLine(std::string& block, const std::string& line)
{
    block += line;
    block += kCommentLineEnd;
}

std::string CLayerComments::PopCommentLine(std::string& block)
{
    const std::size_t end = block.find(kCommentLineEnd);
    std::string piece;
    if (end == std::string::npos) {
        piece.swap(block);
    } else {
        piece = block.substr(0, end);
        block.erase(0, end + 1);
    }
    return piece;
}

int CLayerComments::CollectComments(int nZSeg)
{
    CZSegment& z = m_ctx.zsegs[nZSeg];
    for (std::string& b : z.m_strComments) b.clear();

    std::string block;
    int row = 0;
    const int count = m_ctx.lines.GetCount();
    for (int i = 0; i < count; ++i) {
        const std::string& text = m_ctx.lines.GetKeyword(i);
        // Compared as a view: a comparison with a text literal then needs no library call.
        const std::string_view keyword = text;
        if (!keyword.empty() && keyword[0] == '$') {
            // A lone "$" is a separator the writer puts between groups, not a comment of its own,
            // unless it follows a comment.
            if (!(keyword == "$" && block.empty())) AppendCommentLine(block, text);
            continue;
        }
        if (keyword == "begin_layer") {
            z.m_strComments[BeforeBegin] = block;
            block.clear();
        } else if (keyword == "end_layer") {
            z.m_strComments[BeforeEnd] = block;
            block.clear();
        } else if (GroupBlockOf(keyword) >= 0) {
            // A group of several statements keeps every block met before any of them, in order,
            // so the block written before its first statement comes back.
            z.m_strComments[GroupBlockOf(keyword)] += block;
            block.clear();
        } else if (keyword == "layer") {
            if (CLayerRec* holder = RowCommentHolder(z, row)) holder->m_strComment = block;
            block.clear();
            ++row;
        }
    }
    // Comments after "end_layer" belong to no statement of the device.
    return 1;
}
