#include "platform/Archive.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "statements/KeywordLineList.h"

#include <gtest/gtest.h>

namespace {

const std::string kFixtures = std::string(TESSARON_FIXTURES) + "/statements/";

struct Statement {
    std::string logical, raw;
    bool operator==(const Statement& o) const { return logical == o.logical && raw == o.raw; }
};

std::ostream& operator<<(std::ostream& out, const Statement& s)
{
    return out << "{" << ::testing::PrintToString(s.logical) << ", " << ::testing::PrintToString(s.raw) << "}";
}

std::vector<Statement> ReadStatements(const std::string& bytes, const std::string& name)
{
    CArchive ar;
    ar.OpenLoadFromMemory(bytes, name);
    std::vector<Statement> statements;
    Statement s;
    while (CKeywordLineList::ReadNextStatement(ar, s.logical, s.raw))
        statements.push_back(s);
    return statements;
}

CKeywordLineList FlatList(const std::string& bytes)
{
    CArchive ar;
    ar.OpenLoadFromMemory(bytes, "mem.sol");
    CKeywordLineList list;
    list.SerializeFlat(ar);
    return list;
}

// Numbered load of a file with the given load context; the list and the result.
bool LoadNumbered(const std::string& path, CKeywordLineList& list, CLoadContext& context)
{
    CArchive ar;
    if (!ar.OpenLoad(path))
        return false;
    return list.Serialize(ar, context, 0, 0);
}

// The same as the first file of a load: numbers from 1, no includes known.
bool LoadNumbered(const std::string& path, CKeywordLineList& list)
{
    CLoadContext fresh;
    return LoadNumbered(path, list, fresh);
}

struct Numbered {
    std::string keyword;
    int line, source;
    bool operator==(const Numbered& o) const { return keyword == o.keyword && line == o.line && source == o.source; }
};

std::ostream& operator<<(std::ostream& out, const Numbered& n)
{
    return out << "{" << n.keyword << ", " << n.line << ", " << n.source << "}";
}

std::vector<Numbered> NumberingOf(const CKeywordLineList& list)
{
    std::vector<Numbered> result;
    for (const CKeywordLine& line : list.m_lines)
        result.push_back({line.m_strKeyword, line.m_nLine, line.m_nSource});
    return result;
}

}  // namespace

TEST(KeywordLineList, ReadsStatementsFromPhysicalLines)
{
    struct Case {
        std::string bytes;
        std::string name;
        std::vector<Statement> statements;
    };
    const Case cases[] = {
        {"\r\n\r\nlayer d=1 &&\r\n   n=2\r\n", "a.layer",
         {{"layer d=1    n=2", "\r\n\r\nlayer d=1 &&\r\n   n=2"}}},
        {"$ comment &&\nx=1\n", "a.layer", {{"$ comment &&", "$ comment &&"}, {"x=1", "x=1"}}},
        {"$ comment &&\nx=1\n", "lib.mac", {{"$ comment x=1", "$ comment &&\r\nx=1"}}},
        {"  $ note &&\nx=1", "a.layer", {{"  $ note x=1", "  $ note &&\r\nx=1"}}},
        {"end\r\n\r\n \t\r\n\r\n", "a.layer", {{"end", "end"}}},
        {"a b=1 &&", "a.layer", {{"a b=1 ", "a b=1 &&"}}},
        {"a b=1 &&\r\n  c=2 &&\r\nd=3  \r\ne", "a.layer",
         {{"a b=1   c=2 d=3", "a b=1 &&\r\n  c=2 &&\r\nd=3  "}, {"e", "e"}}},
        {"k x=1 \t\r\n", "a.layer", {{"k x=1", "k x=1 \t"}}},
        {"", "a.layer", {}},
        {"\r\n\r\n", "a.layer", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadStatements(c.bytes, c.name), c.statements) << ::testing::PrintToString(c.bytes);

    CKeywordLineList list = FlatList("  $ note &&\nx=1");
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetKeyword(0), "$ note x=1");
    CKeywordLineList continued = FlatList("\r\n\r\nlayer d=1 &&\r\n   n=2\r\n");
    ASSERT_EQ(continued.GetCount(), 1);
    EXPECT_EQ(continued[0].m_strText, "\r\n\r\nlayer d=1 &&\r\n   n=2");
    EXPECT_EQ(continued.GetLineParam(0, "d") + "," + continued.GetLineParam(0, "n"), "1,2");
}

TEST(KeywordLineList, ReadsLogicalLines)
{
    CArchive ar;
    ar.OpenLoadFromMemory("$ a &&\r\nb  \r\n\r\nc&&", "x.layer");
    std::vector<std::string> lines;
    std::string line;
    while (CKeywordLineList::ReadLogicalLine(ar, line))
        lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"$ a b", "", "c"}));
}

TEST(KeywordLineList, RawStoreShrinksRunsOfBareDollarLines)
{
    CKeywordLineList list = FlatList("$\n$\n  $ \nx=1\n$ y\n$ y\n$\nend\n\n\n");
    CArchive out;
    out.OpenStoreToMemory();
    EXPECT_TRUE(list.Serialize(out));
    EXPECT_EQ(out.StoredBytes(), "$\r\nx=1\r\n$ y\r\n$ y\r\n$\r\nend\r\n");
}

TEST(KeywordLineList, FlatStoreOfUnmodifiedAndModifiedStatements)
{
    CKeywordLineList list = FlatList("end");
    EXPECT_EQ(list.StoreFlatText(), "end\n");

    CKeywordLineList deck = FlatList("a x=1.50\nb y=2\nc z=3\n");
    deck[0].SetParam("x", "2.000", true);
    deck[1].m_nLine = -1;
    CArchive out;
    out.OpenStoreToMemory();
    EXPECT_TRUE(deck.SerializeFlat(out));
    EXPECT_EQ(out.StoredBytes(), "a  x=2.\r\nc z=3\n");
}

TEST(KeywordLineList, NumberedLoadReplacesIncludesByTheirStatements)
{
    TempFolder temp;
    temp.Write("main.layer", "$ head\r\nbegin_layer\r\n\r\ninclude file= Part.inc \r\ncolumn column_num=1\r\nend_layer\r\n");
    temp.Write("part.inc", "layer_mater macro_name=gaas\r\nlayer d=0.1\r\n");
    CKeywordLineList list;
    CLoadContext context;
    ASSERT_TRUE(LoadNumbered(temp.File("main.layer"), list, context));
    EXPECT_EQ(NumberingOf(list), (std::vector<Numbered>{{"$ head", 1, 0},
                                                         {"begin_layer", 2, 0},
                                                         {"layer_mater", 3, 501},
                                                         {"layer", 4, 501},
                                                         {"column", 5, 0},
                                                         {"end_layer", 6, 0}}));
    EXPECT_EQ(context.m_Includes, (std::map<int, std::string>{{501, "\r\ninclude file= Part.inc "}}));
    EXPECT_EQ(context.m_strIncludeFolder, temp.Path() + "/");
    EXPECT_EQ(context.m_nLineCounter, 6);
}

TEST(KeywordLineList, NestedIncludesAreLookedForBesideTheirIncludingFile)
{
    TempFolder temp;
    temp.Write("main.layer", "a\r\ninclude file=sub\\one.inc\r\ninclude file=two.inc\r\nz\r\n");
    temp.Write("sub/one.inc", "b\r\ninclude file=deep.inc\r\nc\r\n");
    temp.Write("sub/deep.inc", "d\r\n");
    temp.Write("two.inc", "e\r\n");
    CKeywordLineList list;
    CLoadContext context;
    ASSERT_TRUE(LoadNumbered(temp.File("main.layer"), list, context));
    EXPECT_EQ(NumberingOf(list), (std::vector<Numbered>{{"a", 1, 0},
                                                         {"b", 2, 501},
                                                         {"d", 3, 1001},
                                                         {"c", 4, 501},
                                                         {"e", 5, 502},
                                                         {"z", 6, 0}}));
    EXPECT_EQ(context.m_Includes, (std::map<int, std::string>{{501, "include file=sub\\one.inc"},
                                                          {502, "include file=two.inc"},
                                                          {1001, "include file=deep.inc"}}));
    EXPECT_EQ(context.m_strIncludeFolder, temp.Path() + "/");  // the folder of the last file with an include
}

TEST(KeywordLineList, EachLoadNumbersOnFromItsOwnContext)
{
    TempFolder temp;
    temp.Write("a.layer", "a\r\nb\r\n");
    CLoadContext first;
    CLoadContext second;
    second.m_nLineCounter = 40;  // goes on from an earlier load
    CKeywordLineList one, two;
    ASSERT_TRUE(LoadNumbered(temp.File("a.layer"), one, first));
    ASSERT_TRUE(LoadNumbered(temp.File("a.layer"), two, second));
    EXPECT_EQ(NumberingOf(one), (std::vector<Numbered>{{"a", 1, 0}, {"b", 2, 0}}));
    EXPECT_EQ(NumberingOf(two), (std::vector<Numbered>{{"a", 41, 0}, {"b", 42, 0}}));
    EXPECT_EQ(first.m_nLineCounter, 2);
    EXPECT_EQ(second.m_nLineCounter, 42);
}

TEST(KeywordLineList, AFailedIncludeFailsTheWholeLoad)
{
    TempFolder temp;
    temp.Write("missing.layer", "a\r\ninclude file=gone.inc\r\nb\r\n");
    temp.Write("self.layer", "a\r\ninclude file=SELF.layer\r\n");
    temp.Write("ping.inc", "include file=pong.inc\r\n");
    temp.Write("pong.inc", "x\r\ninclude file=ping.inc\r\n");
    temp.Write("cycle.layer", "include file=ping.inc\r\n");
    temp.Write("nofile.layer", "include\r\n");
    for (int i = 0; i < kMaxIncludeDepth + 2; ++i)
        temp.Write("d" + std::to_string(i) + ".inc", "s\r\ninclude file=d" + std::to_string(i + 1) + ".inc\r\n");
    temp.Write("d" + std::to_string(kMaxIncludeDepth + 2) + ".inc", "end\r\n");
    temp.Write("deep.layer", "include file=d0.inc\r\n");

    const std::string folder = temp.Path() + "/";
    struct Case {
        std::string file;
        std::string message;
    };
    const Case cases[] = {
        {"missing.layer", "Can't open file " + folder + "gone.inc"},
        {"nofile.layer", "Can't open file " + folder},
        {"self.layer", "Include file " + folder + "SELF.layer includes itself"},
        {"cycle.layer", "Include file " + folder + "ping.inc includes itself"},
        {"deep.layer", "Include files are nested too deeply at " + folder + "d" +
                           std::to_string(kMaxIncludeDepth) + ".inc"},
    };
    for (const Case& c : cases) {
        ScriptedPrompts prompts;
        prompts.AnswerNext(IDOK);
        CKeywordLineList list;
        list.m_lines.resize(2);  // whatever the list held before is gone too
        EXPECT_FALSE(LoadNumbered(temp.File(c.file), list)) << c.file;
        EXPECT_TRUE(list.IsEmpty()) << c.file;
        EXPECT_EQ(list.GetLoadError(), c.message);
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{c.message});
    }
}

TEST(KeywordLineList, RoundTripOfAnUnmodifiedFile)
{
    const std::string numberedGolden = ExistingFileBytes(kFixtures + "roundtrip.numbered.golden");
    const std::string flatGolden = ExistingFileBytes(kFixtures + "roundtrip.flat.golden");

    // Numbered: the include (found as "Inc\Part.INC" beside the file) stands expanded, every other
    // statement exactly as read, trailing blank lines dropped.
    CKeywordLineList numbered;
    CLoadContext context;
    ASSERT_TRUE(LoadNumbered(kFixtures + "roundtrip.layer", numbered, context));
    EXPECT_EQ(context.m_Includes, (std::map<int, std::string>{{501, "\r\n\r\ninclude file=Inc\\Part.INC"}}));
    EXPECT_EQ(numbered.StoreRawText(), numberedGolden);
    // A file without include and without trailing blank lines comes back byte for byte.
    CKeywordLineList again;
    ASSERT_TRUE(LoadNumbered(kFixtures + "roundtrip.numbered.golden", again));
    EXPECT_EQ(again.StoreRawText(), numberedGolden);

    // Flat: the include stays a statement; unmodified statements end with a single LF.
    CKeywordLineList flat;
    CArchive in;
    ASSERT_TRUE(in.OpenLoad(kFixtures + "roundtrip.layer"));
    ASSERT_TRUE(flat.SerializeFlat(in));
    EXPECT_EQ(flat.StoreFlatText(), flatGolden);
    EXPECT_EQ(FlatList(flatGolden).StoreFlatText(), flatGolden);

    // Edited: a statement marked not written is left out, a changed one is rebuilt with CR LF.
    flat[3].m_nLine = -1;
    int layer = flat.FindNthLine("layer", 1);
    flat[layer].SetParam("d", "0.250", true);
    TempFolder temp;
    CArchive out;
    ASSERT_TRUE(out.OpenStore(temp.File("edited.layer")));
    flat.SerializeFlat(out);
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(temp.Read("edited.layer"), ExistingFileBytes(kFixtures + "roundtrip.flat-edited.golden"));
}

TEST(KeywordLineList, ZSegmentCountOfADeck)
{
    struct Case {
        std::string deck;
        int count;
    };
    const Case cases[] = {
        {"z_structure a=1\nz_structure a=2\ntaper3d x=1\n", -1},
        {"3dflow_segment\n", -1},
        {"z_structure a=1\nz_structure a=2\nsection\n", 2},
        {"section\nsection\n", 1},
        {"begin\nend\n", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FlatList(c.deck).GetZSegmentCount(), c.count) << c.deck;
}

TEST(KeywordLineList, FindLineWalksTheLinesOfAColumn)
{
    CKeywordLineList list = FlatList(
        "layer_mater column_num=1 macro_name=a\nlayer d=1\nlayer_mater column_num=2 macro_name=b\n"
        "layer_mater column_num=2 macro_name=c\n");
    int position = 0;
    ASSERT_TRUE(list.FindLine("layer_mater", position, 2));
    EXPECT_EQ(position, 3);
    ASSERT_TRUE(list.FindLine("layer_mater", position, 2));
    EXPECT_EQ(position, 4);
    EXPECT_FALSE(list.FindLine("layer_mater", position, 2));
    int untouched = 17;
    EXPECT_TRUE(list.FindLine("layer", untouched, 0));
    EXPECT_EQ(untouched, 17);
    EXPECT_FALSE(list.FindLine("column", untouched, -1));
    EXPECT_EQ(list.GetColumnParam("layer_mater", 2, "macro_name", 0), "b");
    EXPECT_EQ(list.GetColumnParam("layer_mater", 2, "macro_name", 3), "c");
    EXPECT_EQ(list.GetColumnParam("layer_mater", 0, "macro_name", 0), "");
}

TEST(KeywordLineList, LookupsOfTheLayerReader)
{
    CKeywordLineList list = FlatList(
        "$ first\n$ second\nbegin_layer\ncolumn column_num=1 w=2\n$ remark\nlayer_mater macro_name=gaas\n"
        "new_doping_n conc=1\nlayer_mater column_num=2 macro_name=\"\" n_doping2=5\nlayer_mater column_num=1 "
        "macro_name=inp\nlayer d=1\nvcsel_section name=a\nlayer d=2\nvcsel_section name=b\nvcsel_section name=c\n"
        "layer d=3\n");
    EXPECT_EQ(list.GetFirstComment(), " first");
    EXPECT_EQ(list.GetHeaderComment(), " second");
    EXPECT_EQ(FlatList("$ a\n$ b\n").GetHeaderComment(), "");  // needs more than two statements
    EXPECT_EQ(list.CountLayerLines(), 3);
    EXPECT_EQ(list.CountColumnLines(), 1);
    EXPECT_EQ(list.FindNthLine("layer", 2), 11);
    EXPECT_EQ(list.FindNthLine("layer", 4), -1);
    EXPECT_EQ(list.GetNthLineParam("layer", 3, "d"), "3");
    EXPECT_EQ(list.GetNthLineParam("layer", 4, "d"), "");
    EXPECT_EQ(list.GetLineParam(3, "w"), "2");
    EXPECT_EQ(list.GetKeyword(-1) + list.GetKeyword(list.GetCount()) + list.GetLineParam(99, "d"), "");
    EXPECT_EQ(list.FindNthLineParamContaining("layer_mater", 2, "doping"), "n_doping2");
    EXPECT_TRUE(list.NthLineHasParamContaining("layer_mater", 2, "doping"));
    EXPECT_FALSE(list.NthLineHasParamContaining("layer_mater", 5, "doping"));
    EXPECT_EQ(list.GetCommentBeforeNth("layer_mater", 1), "$ remark");
    EXPECT_EQ(list.GetCommentBeforeNth("layer_mater", 2), "");
    EXPECT_EQ(list.CountColumnMacroLines(0), 2);  // a missing column_num counts as column 1
    EXPECT_EQ(list.CountColumnMacroLines(1), 1);
    // The same counts for every column in one pass; columns past the asked count are left out.
    EXPECT_EQ(list.CountMacroLinesOfColumns(3), (std::vector<int>{2, 1, list.CountColumnMacroLines(2)}));
    EXPECT_EQ(list.CountMacroLinesOfColumns(1), std::vector<int>{2});
    EXPECT_TRUE(list.CountMacroLinesOfColumns(0).empty());

    CKeywordLine found;
    EXPECT_TRUE(list.FindNewDopingLine(1, found));
    EXPECT_EQ(found.GetParam("conc"), "1");
    EXPECT_FALSE(list.FindNewDopingLine(0, found));

    list.GetLineInBlock("vcsel_section", "layer", 3, found);
    EXPECT_EQ(found.GetParam("name"), "c");  // the last one of block 3 stays
    CKeywordLine none;
    list.GetLineInBlock("vcsel_section", "layer", 1, none);
    EXPECT_EQ(none.m_strKeyword, "");

    EXPECT_TRUE(list.FindLineByParam("layer", "d", "2", found));
    EXPECT_EQ(found.m_strText, "layer d=2");
    list[list.FindNthLine("layer", 2)].m_nLine = -1;
    EXPECT_FALSE(list.FindLineByParam("layer", "d", "2", found));
}

TEST(KeywordLineList, InsertRemoveAndCopy)
{
    CKeywordLineList list = FlatList("a\nd\n");
    list.InsertLines(1, FlatList("b\nc\n"));
    list.InsertLines(list.GetCount(), FlatList("e\n"));
    list.RemoveLine(-1);
    list.RemoveLine(99);
    EXPECT_EQ(list.StoreFlatText(), "a\nb\nc\nd\ne\n");
    list.RemoveLine(0);
    EXPECT_EQ(list.StoreFlatText(), "b\nc\nd\ne\n");

    CopyKeywordLines(list, list);
    EXPECT_EQ(list.GetCount(), 4);
    CKeywordLineList copy = FlatList("x\n");
    copy[0].m_nLine = 9;
    CopyKeywordLines(copy, list);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list[0].m_nLine, 9);
    CopyKeywordLines(CKeywordLineList(), list);
    EXPECT_TRUE(list.IsEmpty());
}
