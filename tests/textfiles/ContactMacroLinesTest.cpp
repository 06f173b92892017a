#include "textfiles/ContactMacroLines.h"
#include "statements/KeywordLineList.h"
#include "support/ParsedStatement.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Params = std::vector<std::pair<std::string, std::string>>;

// A statement built in memory, as the layer writer builds them: keyword and parameters, no text.
CKeywordLine Built(const std::string& keyword, const Params& params)
{
    CKeywordLine line;
    line.m_strKeyword = keyword;
    for (const auto& p : params)
        line.SetParam(p.first, p.second, false);
    return line;
}

Params ParamsOf(const CKeywordLine& line)
{
    Params out;
    for (const CKeywordParam& p : line.m_params)
        out.emplace_back(p.m_strName, p.m_strValue);
    return out;
}

CKeywordLineList ListOf(const CKeywordLine& line)
{
    CKeywordLineList list;
    list.Append(line);
    return list;
}

}  // namespace

TEST(ContactMacroLines, ReadGivesModelForm)
{
    struct Case {
        std::string statement;
        Params params;
        std::string text;
    } cases[] = {
        {"layer_mater macro_name=contact column_num=1 contact_num=3 contact_type=schottky barrier=0.7 "
         "work_function=4.1",
         {{"macro_name", "contact"}, {"column_num", "1"}, {"var1", "3"}, {"var2", "1.0"}, {"var3", "0.7"},
          {"var4", "4.1"}},
         "layer_mater macro_name=contact column_num=1 var1=3 var2=1. var3=0.7 var4=4.1"},
        {"layer_mater macro_name=contact2 contact_num=1 barrier=0.50",
         {{"macro_name", "contact2"}, {"var1", "1"}, {"var3", "0.50"}, {"contact_type", "ohmic"}},
         "layer_mater macro_name=contact2 var1=1 var3=0.5 contact_type=ohmic"},
        {"layer_mater macro_name=contact contact_type=tunnel",
         {{"macro_name", "contact"}, {"var2", "0.0"}},
         "layer_mater macro_name=contact var2=0"},
        {"layer_mater macro_name=contact contact_type=ohmic",
         {{"macro_name", "contact"}, {"var2", "0.0"}},
         "layer_mater macro_name=contact var2=0"},
        // Not contact statements: untouched.
        {"layer_mater macro_name=xcontact contact_num=1", {{"macro_name", "xcontact"}, {"contact_num", "1"}},
         "layer_mater macro_name=xcontact contact_num=1"},
        {"top_contact  macro_name=contact contact_num=1", {{"macro_name", "contact"}, {"contact_num", "1"}},
         "top_contact  macro_name=contact contact_num=1"},
    };
    for (const Case& c : cases) {
        CKeywordLineList list = ListOf(Parsed(c.statement));
        ReadContactMacroLines(list);
        EXPECT_EQ(ParamsOf(list[0]), c.params) << c.statement;
        EXPECT_EQ(list[0].GetText(), c.text) << c.statement;
    }
}

TEST(ContactMacroLines, WriteGivesFileForm)
{
    struct Case {
        Params model, file;
        std::string text;
    } cases[] = {
        {{{"macro_name", "contact"}, {"column_num", "1"}, {"var1", "3"}, {"var2", "1.0"}, {"var3", "0.7"},
          {"var4", "4.1"}},
         {{"macro_name", "contact"}, {"column_num", "1"}, {"contact_num", "3"}, {"contact_type", "schottky"},
          {"barrier", "0.7"}, {"work_function", "4.1"}},
         // Wrapped at 80 characters.
         "layer_mater macro_name=contact column_num=1 contact_num=3 &&\r\n"
         "   contact_type=schottky barrier=0.7 work_function=4.1"},
        {{{"macro_name", "contact"}, {"var1", "3.9"}, {"var2", "0.5"}, {"var3", "-9999.000000"},
          {"var4", "-9998.995"}, {"var5", "1"}, {"active_macro", "qw"}},
         {{"macro_name", "contact"}, {"contact_num", "3"}, {"contact_type", "ohmic"}},
         "layer_mater macro_name=contact contact_num=3 contact_type=ohmic"},
        {{{"macro_name", "contactA"}, {"var2", "0.000001"}, {"var3", "-9998.5"}},
         {{"macro_name", "contactA"}, {"contact_type", "ohmic"}, {"barrier", "-9998.5"}},
         "layer_mater macro_name=contactA contact_type=ohmic barrier=-9998.5"},
        {{{"macro_name", "contact"}, {"var2", "0.999999"}},
         {{"macro_name", "contact"}, {"contact_type", "schottky"}},
         "layer_mater macro_name=contact contact_type=schottky"},
        {{{"macro_name", "gaas"}, {"var1", "3.9"}}, {{"macro_name", "gaas"}, {"var1", "3.9"}}, ""},
    };
    for (const Case& c : cases) {
        CKeywordLineList list = ListOf(Built("layer_mater", c.model));
        WriteContactMacroLines(list);
        EXPECT_EQ(ParamsOf(list[0]), c.file) << c.text;
        EXPECT_EQ(list[0].GetText(), c.text);
    }
}

TEST(ContactMacroLines, ReadThenWriteRestoresTheFileForm)
{
    const std::string file = "layer_mater macro_name=contact contact_num=3 contact_type=schottky";
    CKeywordLineList list = ListOf(Parsed(file));
    ReadContactMacroLines(list);
    // The model edits values through the variables, as the pages would, then the writer runs.
    CKeywordLineList written = ListOf(Built("layer_mater", ParamsOf(list[0])));
    WriteContactMacroLines(written);
    EXPECT_EQ(written[0].GetText(), file);
}

TEST(ContactMacroLines, NormalizeContactStatementsKeepsPlace)
{
    const std::string contact = "layer_mater  macro_name=contact column_num=2 contact_num=3 "
                                "contact_type=ohmic barrier=-9999 work_function=4.10 var5=1";
    struct Case {
        std::string statement;
        bool identityOnly;
        std::string text;
    } cases[] = {
        {contact, true, "layer_mater macro_name=contact column_num=2"},
        {contact, false, "layer_mater macro_name=contact column_num=2 contact_num=3 contact_type=ohmic &&\r\n"
                         "   work_function=4.10"},
        // Other material statements are parsed again and laid out as read.
        {"layer_mater   macro_name=gaas  var1=0.10", true, "layer_mater macro_name=gaas var1=0.10"},
        {"layer  d=0.10", true, "layer  d=0.10"},
    };
    for (const Case& c : cases) {
        CKeywordLine line = Parsed(c.statement);
        line.m_nLine = 7;
        line.m_nSource = 501;
        CKeywordLineList list = ListOf(line);
        NormalizeContactMacroParams(list, c.identityOnly);
        EXPECT_EQ(list[0].GetText(), c.text) << c.statement;
        EXPECT_EQ(list[0].m_nLine, 7);
        EXPECT_EQ(list[0].m_nSource, 501);
    }
}

TEST(ContactMacroLines, NormalizeTopBottomContactsDropsBarrierAndWorkFunction)
{
    struct Case {
        std::string statement, text;
    } cases[] = {
        {"top_contact from=0 to=1 barrier=0.8 contact_num=2 work_function=4 barrier=1",
         "top_contact from=0 to=1 contact_num=2"},
        {"bottom_contact  from=0.50 to=1", "bottom_contact from=0.50 to=1"},
        {"left_contact from=0 barrier=0.8", "left_contact from=0 barrier=0.8"},
    };
    for (const Case& c : cases) {
        CKeywordLine line = Parsed(c.statement);
        line.m_nLine = 4;
        line.m_nSource = 0;
        CKeywordLineList list = ListOf(line);
        NormalizeTopBottomContacts(list);
        EXPECT_EQ(list[0].GetText(), c.text) << c.statement;
        EXPECT_EQ(list[0].m_nLine, 4);
    }
}

TEST(KeywordLine, SetParamNameAndValueChangeNothingElse)
{
    CKeywordLine line = Parsed("k a=1 b=2");
    line.SetParamName(1, "c");
    line.SetParamValue(0, "9");
    EXPECT_EQ(ParamsOf(line), (Params{{"a", "9"}, {"c", "2"}}));
    EXPECT_EQ(line.GetText(), "k a=1 b=2");
    EXPECT_EQ(line.m_bModified, 0);
}
