#include "platform/Archive.h"
#include "support/ParsedStatement.h"
#include "statements/KeywordLine.h"

#include <gtest/gtest.h>

namespace {

struct P {
    std::string name, value, prefix;
    bool operator==(const P& o) const { return name == o.name && value == o.value && prefix == o.prefix; }
};

std::ostream& operator<<(std::ostream& out, const P& p)
{
    return out << "{" << p.name << "|" << p.value << "|" << p.prefix << "}";
}

std::vector<P> ParamsOf(const CKeywordLine& line)
{
    std::vector<P> params;
    for (const CKeywordParam& p : line.m_params)
        params.push_back({p.m_strName, p.m_strValue, p.m_strSourcePrefix});
    return params;
}

const char* const kMaterText =
    "layer_mater macro_name=algaas var1=0.300000 var2=1.000000 var3=2.500000e+017 column_num=1 solve_wave=yes";

}  // namespace

TEST(KeywordLine, ParsesStatements)
{
    struct Case {
        std::string text;
        std::string keyword;
        std::vector<P> params;
    };
    const Case cases[] = {
        {"layer  d = 0.1   n=5", "layer", {{"d", "0.1", " d = "}, {"n", "5", " n="}}},
        {"k a=[1  2] b=3", "k", {{"a", "[1 2]", " a="}, {"b", "3", " b="}}},
        {"k x=(1 (2) 3)", "k", {{"x", "(1 (2)", " x="}}},
        {"k w=[1 2", "k", {{"w", "[1 2]", " w="}}},
        {"k g={a b} h=1", "k", {{"g", "{a b}", " g="}, {"h", "1", " h="}}},
        {"k a= b=2", "k", {{"a", "b=2", " a= "}}},
        {"k junk b=2", "k", {{"junk b", "2", " junk b="}}},
        {"k a=", "k", {}},
        {"k a=1 tail", "k", {{"a", "1", " a="}}},
        {"layer\td=1", "layer", {{"d", "1", "\td="}}},
        {"$ note & more", "$ note more", {}},
        {"$SourceFile file=x", "$SourceFile", {{"file", "x", " file="}}},
        {"$ see $SourceFile here=1", "$", {{"see $SourceFile here", "1", " see $SourceFile here="}}},
        {"column column_num=1 &&\r\n   w=2", "column", {{"column_num", "1", " column_num="}, {"w", "2", " w="}}},
        {"  end  \t", "end", {}},
        {"k a=1 a=2", "k", {{"a", "1", " a="}, {"a", "2", " a="}}},
        {"&k a=1", "k", {{"a", "1", " a="}}},  // a leading "&" reads as a blank before the keyword
    };
    for (const Case& c : cases) {
        CKeywordLine line;
        line.m_nSource = 7;
        line.m_nLine = 3;
        line.m_bModified = 1;
        std::string text = c.text;
        EXPECT_TRUE(line.Parse(text)) << c.text;
        EXPECT_EQ(line.m_strKeyword, c.keyword) << c.text;
        EXPECT_EQ(ParamsOf(line), c.params) << c.text;
        EXPECT_EQ(line.m_strText, text) << c.text;  // the trimmed text
        EXPECT_EQ(line.m_nLine, 0);
        EXPECT_EQ(line.m_bModified, 0);
        EXPECT_EQ(line.m_nSource, 7);  // the source is the list's business
    }
}

TEST(KeywordLine, EmptyStatement)
{
    CKeywordLine line = Parsed("k a=1");
    std::string text = " \t\r\n";
    EXPECT_FALSE(line.Parse(text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(line.m_strKeyword, "");
    EXPECT_TRUE(line.m_params.empty());
    EXPECT_EQ(line.m_strText, "\r\n");
    EXPECT_EQ(line.CanonicalLines(), "");
    CArchive out;
    out.OpenStoreToMemory();
    line.Write(out);
    EXPECT_EQ(out.StoredBytes(), "");
}

TEST(KeywordLine, ParameterAccess)
{
    CKeywordLine line = Parsed("layer_mater macro_name=gaas n_doping2=1e18 column_num=2");
    EXPECT_EQ(line.GetParam("column_num"), "2");
    EXPECT_EQ(line.GetParam("Column_num"), "");
    EXPECT_EQ(line.FindParamContaining("doping"), "n_doping2");
    EXPECT_EQ(line.IndexOfParamContaining("doping"), 1);
    EXPECT_EQ(line.IndexOfParamContaining("p_doping"), -1);
    EXPECT_EQ(line.FindParamContaining("p_doping"), "");
    EXPECT_EQ(line.FormatParams(), "layer_mater macro_name=gaas n_doping2=1e18 column_num=2");

    std::string word;
    EXPECT_TRUE(GetFirstWord("  \tfirst\tsecond", word));
    EXPECT_EQ(word, "first");
    EXPECT_FALSE(GetFirstWord(" \r\n", word));
}

TEST(KeywordLine, ValueLookupsWithoutCopyAgreeWithGetParam)
{
    CKeywordLine edited = Parsed("layer d=1");
    edited.SetParam("empty", "", true);  // a parameter that is there with an empty value
    struct Case {
        CKeywordLine line;
        std::string name;
        const char* expected;  // null: no parameter of that name
    };
    const Case cases[] = {
        {Parsed("layer_mater macro_name=gaas n_doping2=1e18 column_num=2"), "column_num", "2"},
        {Parsed("layer_mater macro_name=gaas n_doping2=1e18 column_num=2"), "column", nullptr},
        {Parsed("layer_mater macro_name=gaas n_doping2=1e18 column_num=2"), "Column_num", nullptr},
        {Parsed("k a=1 a=2"), "a", "1"},  // the first of repeated names
        {Parsed("k w=1 w1=2"), "w1", "2"},
        {Parsed("k w1=2 w=1"), "w", "1"},
        {Parsed("k  d = 0.5 "), "d", "0.5"},  // the trimmed name
        {Parsed("k a=[1  2] b=3"), "a", "[1 2]"},
        {Parsed("$ note a=1"), "a", nullptr},  // a comment has no parameters
        {Parsed(""), "a", nullptr},
        {edited, "empty", ""},
        {edited, "d", "1"},
    };
    for (const Case& c : cases) {
        const std::string what = c.line.m_strText + " / " + c.name;
        const std::string* found = c.line.FindParamValue(c.name);
        ASSERT_EQ(found != nullptr, c.expected != nullptr) << what;
        EXPECT_EQ(c.line.ParamValue(c.name), c.line.GetParam(c.name)) << what;
        EXPECT_EQ(c.line.GetParam(c.name), c.expected ? c.expected : "") << what;
        if (found) {
            EXPECT_EQ(*found, c.expected) << what;
            // The value is the statement's own, not a copy.
            EXPECT_EQ(&c.line.ParamValue(c.name), found) << what;
        }
    }
}

TEST(KeywordLine, ParseAsReadKeepsTheRawTextAndParsesTheLogicalOne)
{
    struct Case {
        std::string logical, raw;
    };
    const Case cases[] = {
        {"layer d=1 n=5", "layer d=1 n=5"},
        {"column column_num=1 w=2", "\r\ncolumn column_num=1 &&\r\n  w=2"},  // blank line and continuation
        {"  layer d=1\t", "  layer d=1\t"},
        {"$ note & more", "$ note & more"},
        {"", "\r\n"},  // nothing but a "&&" the file ended after
    };
    for (const Case& c : cases) {
        CKeywordLine expected;
        std::string logical = c.logical;
        const bool parsed = expected.Parse(logical);
        expected.m_strText = c.raw;

        CKeywordLine line;
        line.m_nLine = 4;
        line.m_bModified = 1;
        line.m_nSource = 7;
        std::string raw = c.raw;
        EXPECT_EQ(line.ParseAsRead(c.logical, std::move(raw)), parsed) << c.logical;
        EXPECT_EQ(line.m_strKeyword, expected.m_strKeyword) << c.logical;
        EXPECT_EQ(ParamsOf(line), ParamsOf(expected)) << c.logical;
        EXPECT_EQ(line.m_strText, c.raw) << c.logical;
        EXPECT_EQ(line.m_nLine, 0);
        EXPECT_EQ(line.m_bModified, 0);
        EXPECT_EQ(line.m_nSource, 7);
    }
}

TEST(KeywordLine, SetParamChangesTheValueButKeepsTheTextAsRead)
{
    CKeywordLine line = Parsed("layer d=0.10 n=5");
    line.SetParam("d", "0.2", true);
    EXPECT_EQ(line.m_bModified, 1);
    EXPECT_EQ(ParamsOf(line), (std::vector<P>{{"d", "0.2", " d="}, {"n", "5", " n="}}));
    EXPECT_EQ(line.m_strText, "layer d=0.10 n=5");  // not rebuilt by SetParam
    line.WrapText();
    EXPECT_EQ(line.m_strText, "layer d=0.10 n=5");  // the as-read form still shows the old value
    EXPECT_EQ(line.CanonicalLines(), "layer  d=0.2  n=5\r\n");

    CKeywordLine kept = Parsed("layer d=0.10");
    kept.SetParam("d", "9", false);
    EXPECT_EQ(kept.GetParam("d"), "0.10");
    EXPECT_EQ(kept.m_bModified, 0);
    kept.SetParam("w", "2.50", false);
    EXPECT_EQ(kept.m_bModified, 1);
    kept.RebuildText(ParamTextForm::asRead);
    EXPECT_EQ(kept.m_strText, "layer d=0.10 w=2.5");  // an appended parameter has no text as read
    kept.RebuildText(ParamTextForm::canonical);
    EXPECT_EQ(kept.m_strText, "layer d=0.1 w=2.5");

    CKeywordLine untouched = Parsed("layer d=1");
    untouched.RemoveParamByName("w");
    EXPECT_EQ(untouched.m_bModified, 0);
    EXPECT_EQ(untouched.m_strText, "layer d=1");
}

TEST(KeywordLine, ThreeWrapRules)
{
    // Rule C (Write): canonical texts, break when length + text + 1 > 77, four blanks on the next line.
    EXPECT_EQ(Parsed(kMaterText).CanonicalLines(),
              "layer_mater  macro_name=algaas  var1=0.3  var2=1.  var3=2.5e+17  column_num=1 &&\r\n"
              "    solve_wave=yes\r\n");

    // Rule B (WrapText): as-read texts, single blanks, three blanks on the next line.
    CKeywordLine wrapped = Parsed(kMaterText);
    wrapped.WrapText();
    EXPECT_EQ(wrapped.m_strText,
              "layer_mater macro_name=algaas var1=0.300000 var2=1.000000 var3=2.500000e+017 &&\r\n"
              "   column_num=1 solve_wave=yes");
    EXPECT_EQ(wrapped.m_bModified, 0);
    CKeywordLine shortLine = Parsed("layer  d=0.10   n=5");
    shortLine.WrapText();
    EXPECT_EQ(shortLine.m_strText, "layer d=0.10 n=5");

    // Rule A (RemoveParam): breaks measured on the as-read texts, canonical texts placed.
    CKeywordLine removed = Parsed(kMaterText);
    removed.RemoveParamByName("var2");
    EXPECT_EQ(removed.m_strText,
              "layer_mater  macro_name=algaas  var1=0.3  var3=2.5e+17  column_num=1 &&\r\n"
              "   solve_wave=yes");
    EXPECT_EQ(removed.m_bModified, 1);
    CKeywordLine small = Parsed("layer d=0.1 n=5 w=2.0");
    small.RemoveParam(2);
    EXPECT_EQ(small.m_strText, "layer  d=0.1  n=5");
}

TEST(KeywordLine, LongKeywordsAreCut)
{
    std::string keyword;
    for (int i = 0; i < 17; ++i)
        keyword += "abcdefghij";
    const std::string k90 = keyword.substr(0, 90);

    CKeywordLine line = Parsed(k90 + " a=1.50");
    EXPECT_EQ(line.CanonicalLines(), k90.substr(0, 77) + " &&\r\n  " + k90.substr(77) + "  a=1.5\r\n");
    line.WrapText();
    EXPECT_EQ(line.m_strText, k90.substr(0, 77) + " &&\r\n" + k90.substr(77) + " a=1.50");

    EXPECT_EQ(Parsed(keyword).CanonicalLines(), keyword.substr(0, 77) + " &&\r\n  " + keyword.substr(77, 75) +
                                                   " &&\r\n  " + keyword.substr(152) + "\r\n");
}

TEST(KeywordLine, CommentsAreNeverWrapped)
{
    const std::string comment = "$ " + std::string(120, 'c') + " end";
    CKeywordLine line = Parsed(comment);
    EXPECT_TRUE(line.IsComment());
    EXPECT_EQ(line.CanonicalLines(), comment + "\r\n");
    line.WrapText();
    EXPECT_EQ(line.m_strText, comment);

    const std::string source = "$SourceFile file=" + std::string(100, 'f') + " other=" + std::string(20, 'o');
    CKeywordLine sourceLine = Parsed(source);
    EXPECT_EQ(sourceLine.CanonicalLines(),
              "$SourceFile  file=" + std::string(100, 'f') + "  other=" + std::string(20, 'o') + "\r\n");
    sourceLine.RemoveParamByName("other");
    EXPECT_EQ(sourceLine.m_strText, "$SourceFile  file=" + std::string(100, 'f'));
    EXPECT_EQ(sourceLine.m_bModified, 1);
}

TEST(KeywordLine, WrapColumnLimits)
{
    // "k a=<n v's>": where each rule breaks before the parameter, and where a keyword is cut.
    const auto value = [](std::size_t n) { return std::string(n, 'v'); };
    enum Rule { A, B, C };
    struct Case {
        Rule rule;
        std::size_t length;
        std::string text;
    };
    const Case cases[] = {
        {A, 73, "k  a=" + value(73)},             // 1 + 76 as read = 77: no break (78 characters placed)
        {A, 74, "k &&\r\n   a=" + value(74)},
        {B, 73, "k a=" + value(73)},
        {B, 74, "k &&\r\n   a=" + value(74)},
        {C, 72, "k  a=" + value(72) + "\r\n"},    // 1 + 75 + 1 = 77
        {C, 73, "k &&\r\n    a=" + value(73) + "\r\n"},
    };
    for (const Case& c : cases) {
        CKeywordLine line = Parsed("k a=" + value(c.length) + " z=1");
        line.RemoveParamByName("z");  // rule A
        if (c.rule == B)
            line.WrapText();
        std::string text = c.rule == C ? line.CanonicalLines() : line.m_strText;
        EXPECT_EQ(text, c.text) << "rule " << "ABC"[c.rule] << ", value of " << c.length;
    }

    // Rule A measures the break on the text as read but places the canonical text.
    CKeywordLine removed = Parsed("k p=" + value(50) + " x=1.00000000000000000000 z=1");
    removed.RemoveParamByName("z");
    EXPECT_EQ(removed.m_strText, "k  p=" + value(50) + " &&\r\n   x=1.");

    // A keyword of 80 characters stays whole; from 81 on it is cut after 77.
    const std::string k80 = value(80), k81 = value(81);
    EXPECT_EQ(Parsed(k80).CanonicalLines(), k80 + "\r\n");
    EXPECT_EQ(Parsed(k81).CanonicalLines(), value(77) + " &&\r\n  " + value(4) + "\r\n");
    CKeywordLine wrapped = Parsed(k81 + " a=1");
    wrapped.WrapText();
    EXPECT_EQ(wrapped.m_strText, value(77) + " &&\r\n" + value(4) + " a=1");
    wrapped.RemoveParam(0);
    EXPECT_EQ(wrapped.m_strText, value(77) + " &&\r\n" + value(4));
}

TEST(KeywordLine, AppendingAParameterWrapsAsWrapTextDoes)
{
    // The append extends a text that already is the wrapped form on one line; every statement
    // must end as appending the parameter and wrapping the whole statement leaves it.
    const auto value = [](std::size_t n) { return std::string(n, 'v'); };
    struct Case {
        const char* name;
        std::string text;
        CKeywordParam added;
    };
    CKeywordParam asRead("x", "2");
    asRead.m_strSourcePrefix = "  x = ";
    asRead.m_strSourceValue = "2.0";
    const Case cases[] = {
        {"fits on the line", "layer_mater macro_name=gaas column_num=1", {"n_doping", "1.000000e+17"}},
        {"ends the line at 77", "k a=" + value(60), {"b", value(10)}},
        {"breaks after 77", "k a=" + value(60), {"b", value(11)}},
        {"line full already", "k a=" + value(73), {"b", "1"}},
        {"keyword alone", "layer_mater", {"p_doping", "5e17"}},
        {"user's blanks", "layer   d=0.10    n=5", {"w", "2"}},
        {"continued already", std::string(kMaterText), {"n_doping", "1e17"}},
        {"keyword of 78", value(78), {"a", "1"}},
        {"keyword cut", value(85) + " a=1", {"b", "2"}},
        {"comment", "$ a note", {"a", "1"}},
        {"with a text as read", "layer d=1", asRead},
    };
    for (const Case& c : cases) {
        CKeywordLine expected = Parsed(c.text);
        if (std::string(c.name) == "continued already")
            expected.WrapText();
        CKeywordLine appended = expected;
        expected.m_params.push_back(c.added);
        expected.WrapText();
        appended.AppendParamWrapped(c.added, c.added.GetText(ParamTextForm::asRead));
        EXPECT_EQ(appended.m_strText, expected.m_strText) << c.name;
        EXPECT_EQ(ParamsOf(appended), ParamsOf(expected)) << c.name;
    }
}
