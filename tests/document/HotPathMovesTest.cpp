// The records that opening, saving and undo move around really move: a move that silently falls
// back to a copy (a virtual destructor hides the implicit moves) costs a deep copy of a whole file's
// statements, and a move that may throw makes every growth of a vector of them copy instead.

#include "document/DocSnapshot.h"
#include "model/ColumnRec.h"
#include "model/LayerBlocks.h"
#include "model/LayerFileIndex.h"
#include "model/LayerRec.h"
#include "model/MaterialSet.h"
#include "model/SegInfoList.h"
#include "model/ZSegment.h"
#include "statements/KeywordLine.h"
#include "statements/KeywordLineList.h"
#include "statements/SharedKeywordLines.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

namespace {

template <typename T>
constexpr bool kMovesWithoutThrowing =
    std::is_nothrow_move_constructible<T>::value && std::is_nothrow_move_assignable<T>::value;

static_assert(kMovesWithoutThrowing<CKeywordParam>, "CKeywordParam");
static_assert(kMovesWithoutThrowing<CKeywordLine>, "CKeywordLine");
static_assert(kMovesWithoutThrowing<CKeywordLineList>, "CKeywordLineList");
static_assert(kMovesWithoutThrowing<CSharedKeywordLines>, "CSharedKeywordLines");
static_assert(kMovesWithoutThrowing<CMaterialSet>, "CMaterialSet");
static_assert(kMovesWithoutThrowing<CSegInfo>, "CSegInfo");
static_assert(kMovesWithoutThrowing<CSegInfoList>, "CSegInfoList");
static_assert(kMovesWithoutThrowing<CVcselSection>, "CVcselSection");
static_assert(kMovesWithoutThrowing<CGratingComposRec>, "CGratingComposRec");
static_assert(kMovesWithoutThrowing<CLayerRec>, "CLayerRec");
static_assert(kMovesWithoutThrowing<CColumnRec>, "CColumnRec");
static_assert(kMovesWithoutThrowing<CLayerFileIndex>, "CLayerFileIndex");
static_assert(kMovesWithoutThrowing<CZSegment>, "CZSegment");
static_assert(kMovesWithoutThrowing<CDocSnapshot>, "CDocSnapshot");

CKeywordLineList ThreeStatements()
{
    CKeywordLineList list;
    for (const char* text : {"column w=1.5", "layer d=2", "layer_mater macro_name=gaas column_num=1"}) {
        CKeywordLine line;
        line.Parse(std::string(text));
        list.Append(std::move(line));
    }
    return list;
}

// A move hands over the statements themselves: the moved-to list holds the very storage the
// moved-from list had, so nothing was copied.
TEST(HotPathMoves, AStatementListMovesItsStatements)
{
    CKeywordLineList from = ThreeStatements();
    const CKeywordLine* statements = from.m_lines.data();
    CKeywordLineList constructed(std::move(from));
    EXPECT_EQ(constructed.m_lines.data(), statements);
    CKeywordLineList assigned;
    assigned = std::move(constructed);
    EXPECT_EQ(assigned.m_lines.data(), statements);
    EXPECT_EQ(assigned.GetCount(), 3);
}

TEST(HotPathMoves, AMaterialSetAndASegInfoListMoveTheirStatements)
{
    CMaterialSet set;
    set.m_Lines = CSharedKeywordLines(ThreeStatements());
    const CKeywordLineList* statements = &*set.m_Lines;
    CSegInfo record;
    record.m_MaterialSet = std::move(set);
    EXPECT_EQ(&*record.m_MaterialSet.m_Lines, statements);

    CSegInfoList list;
    list.Append(std::move(record));
    CSegInfoList moved(std::move(list));
    ASSERT_EQ(moved.GetCount(), 1);
    EXPECT_EQ(&*moved.GetAt(0)->m_MaterialSet.m_Lines, statements);
}

}  // namespace
