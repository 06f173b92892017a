#include "statements/SharedKeywordLines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CKeywordLineList Statements(std::initializer_list<const char*> texts)
{
    CKeywordLineList list;
    for (const char* text : texts) {
        CKeywordLine line;
        line.Parse(std::string(text));
        list.Append(std::move(line));
    }
    return list;
}

}  // namespace

TEST(SharedKeywordLines, ACopySharesTheListUntilOneOfThemIsWritten)
{
    CSharedKeywordLines lines(Statements({"column w=1.5", "layer d=2"}));
    const CSharedKeywordLines snapshot = lines;
    EXPECT_TRUE(lines.SharesWith(snapshot));
    EXPECT_EQ(&*lines, &*snapshot);

    lines.Mutable()[1].SetParam("d", "3", true);
    EXPECT_FALSE(lines.SharesWith(snapshot));
    EXPECT_EQ(lines->GetLineParam(1, "d"), "3");
    EXPECT_EQ(snapshot->GetLineParam(1, "d"), "2");

    // Once it is the only holder, the list is written in place.
    const CKeywordLineList* own = &lines.Mutable();
    lines.Mutable().Append(CKeywordLine());
    EXPECT_EQ(&lines.Mutable(), own);
    EXPECT_EQ(snapshot->GetCount(), 2);
}

TEST(SharedKeywordLines, RemoveAllLeavesASharerItsStatementsAndEmptiesAnOwnListInPlace)
{
    CSharedKeywordLines lines(Statements({"column w=1.5", "layer d=2"}));
    const CSharedKeywordLines snapshot = lines;
    lines.RemoveAll();
    EXPECT_TRUE(lines->IsEmpty());
    EXPECT_EQ(snapshot->GetCount(), 2);

    CKeywordLineList& written = lines.Mutable();
    written.Append(CKeywordLine());
    lines.RemoveAll();
    // A reference taken for writing stays the list's own.
    EXPECT_EQ(&lines.Mutable(), &written);
    EXPECT_TRUE(written.IsEmpty());
}

TEST(SharedKeywordLines, AnEmptyListAllocatesNothingUntilWritten)
{
    const CSharedKeywordLines empty;
    EXPECT_TRUE(empty->IsEmpty());
    CSharedKeywordLines other;
    EXPECT_TRUE(other.SharesWith(empty));
    other.Mutable().Append(CKeywordLine());
    EXPECT_EQ(other->GetCount(), 1);
    EXPECT_TRUE(empty->IsEmpty());
}
