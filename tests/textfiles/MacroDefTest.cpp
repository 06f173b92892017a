#include "textfiles/MacroDef.h"
#include "textfiles/MacroList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Tokens = std::vector<std::string>;

Tokens TokensOf(const CMacroDef& def)
{
    Tokens out;
    for (int i = 0; i < def.GetTokenCount(); ++i)
        out.push_back(def.GetToken(i));
    return out;
}

Tokens ParamsOf(const CMacroDef& def)
{
    Tokens out;
    for (int i = 0; i < def.GetParamEntryCount(); ++i)
        out.push_back(def.GetParamEntry(i));
    return out;
}

// A definition built the way the library parsers build one.
CMacroDef Build(const std::string& usage, const std::string& comment)
{
    CMacroLib lib;
    lib.ParseMacroText(usage, comment);
    return lib.GetDef(0);
}

const std::string kAlgaas = "$  load_macro name=algaas mater=#m var1=#x var2=#y";

}  // namespace

TEST(MacroDef, TokenizeCutsSpecialCharactersAndBlanksOnly)
{
    struct Case {
        std::string usage;
        Tokens tokens;
    } cases[] = {
        {"var1=#x", {"var1", "=", "#", "x"}},
        {"name=algaas", {"name", "=", "algaas"}},
        {"   a  b ", {"a", "b"}},
        {"a\tb=c", {"a\tb", "=", "c"}},
        {"x-y/z.w_v", {"x-y/z.w_v"}},
        {"~`!@#$%^*&()+?=\\|{}[];:\"'<,>", {"~", "`", "!", "@", "#", "$", "%", "^", "*", "&",
                                            "(", ")", "+", "?", "=", "\\", "|", "{", "}", "[",
                                            "]", ";", ":", "\"", "'", "<", ",", ">"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        CMacroDef def(c.usage);
        EXPECT_EQ(def.Tokenize(g_specialChars, g_nSpecialChars), static_cast<int>(c.tokens.size()))
            << c.usage;
        EXPECT_EQ(TokensOf(def), c.tokens) << c.usage;
    }
    CMacroDef def("  a=b");
    def.Tokenize(g_specialChars, g_nSpecialChars);
    EXPECT_EQ(def.GetUsage(), "a=b");
}

TEST(MacroDef, RemoveTripleTakesOutTheMaterRun)
{
    CMacroDef def("load_macro name=n mater=m var1=x mater=m");
    def.Tokenize(g_specialChars, g_nSpecialChars);
    def.RemoveTriple("mater", "m", "=");
    EXPECT_EQ(TokensOf(def), (Tokens{"load_macro", "name", "=", "n", "var1", "=", "x"}));
}

TEST(MacroDef, BuiltDefinitionsNameParamsAndStyle)
{
    struct Case {
        std::string usage, comment;
        Tokens tokens, params;
        int paramCount;
    } cases[] = {
        // Old style: the name carries "_old_style"; the parameter entries keep the plain name.
        {kAlgaas, "$ AlGaAs\r\n",
         {"load_macro", "name", "=", "algaas_old_style", "var1", "=", "x", "var2", "=", "y"},
         {"load_macro", "name", "=", "algaas", "var1", "=", "x", "var2", "=", "y"}, 2},
        // Free style: the symbol triples leave the parameter entries only.
        {kAlgaas + " var_symbol1=x var_symbol2=y", "$ algaas free-style\r\n",
         {"load_macro", "name", "=", "algaas", "var1", "=", "x", "var2", "=", "y", "var_symbol1",
          "=", "x", "var_symbol2", "=", "y"},
         {"load_macro", "name", "=", "algaas", "var1", "=", "x", "var2", "=", "y"}, 2},
        // The style test ignores case.
        {"load_macro name=q var1=#a", "Free-Style",
         {"load_macro", "name", "=", "q", "var1", "=", "a"},
         {"load_macro", "name", "=", "q", "var1", "=", "a"}, 1},
        // A "temper" symbol also takes the variable whose name holds "var" + its last digit after
        // the first character; a variable named exactly var3 stays.
        {"load_macro name=t var3=#a avar3=#b var_symbol3=temper", "free-style",
         {"load_macro", "name", "=", "t", "var3", "=", "a", "avar3", "=", "b", "var_symbol3", "=",
          "temper"},
         {"load_macro", "name", "=", "t", "var3", "=", "a"}, 1},
        {"load_macro name", "", {"load_macro", "name"}, {"load_macro", "name"}, -1},
        {"load_macro name=", "", {"load_macro", "name", "="}, {"load_macro", "name", "="}, -1},
        {"", "", {}, {}, -1},
    };
    for (const Case& c : cases) {
        const CMacroDef def = Build(c.usage, c.comment);
        EXPECT_EQ(TokensOf(def), c.tokens) << c.usage;
        EXPECT_EQ(ParamsOf(def), c.params) << c.usage;
        EXPECT_EQ(def.GetParamCount(), c.paramCount) << c.usage;
        EXPECT_EQ(def.GetComment(), c.comment);
    }
}

TEST(MacroDef, ParameterAccessors)
{
    const CMacroDef def = Build(kAlgaas + " var_symbol1=x var_symbol2=y", "free-style");
    EXPECT_EQ(def.GetKeyword(), "load_macro");
    EXPECT_EQ(def.GetMacroName(), "algaas");
    EXPECT_EQ(def.GetTokenCount(), 16);
    EXPECT_EQ(def.GetParamEntryCount(), 10);
    EXPECT_EQ(def.GetParamName(1), "var2");
    EXPECT_EQ(def.GetParamValue(0), "x");
    EXPECT_EQ(def.GetTokenParamName(2), "var_symbol1");
    EXPECT_EQ(def.GetParamToken(3), "y");
    EXPECT_EQ(def.FindParamValue("var_symbol2"), "y");
    EXPECT_EQ(def.FindParamValue("var1"), "x");
    EXPECT_EQ(def.FindParamValue("var3"), "");
    EXPECT_EQ(def.GetParamName(2), "");  // past the end: nothing
    EXPECT_EQ(CMacroDef().GetParamCount(), -1);
}

TEST(MacroDef, Validity)
{
    struct Case {
        std::string usage;
        bool valid;
    } cases[] = {
        {kAlgaas, true},
        {"load_macro", true},
        {"load_macro name=", false},               // three tokens
        {"load_macro name=x var1", false},         // not 3k + 1 tokens
        {"load_macro name=x var1 x y", false},     // "=" missing in a triple
        {"load_macro name=x var1=-", false},       // a lone hyphen-minus value
        {"load_macro name=x var1=/", false},       // a lone solidus value
        {"load_macro name=x -=a", false},          // a lone hyphen-minus name
        {"- name=x", false},                       // a lone hyphen-minus keyword
        {"load_macro name=x var1=a-b", true},      // inside a word they are fine
        {"load_macro name=x var1=[", false},       // a cut-out character as value
        {"load_macro name=x var1==", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Build(c.usage, "").IsValid(), c.valid) << c.usage;
}

TEST(MacroDef, SetNameReplacesTokenThree)
{
    CMacroDef def = Build(kAlgaas, "free-style");
    def.SetName("gaas");
    EXPECT_EQ(def.GetMacroName(), "gaas");
    EXPECT_EQ(def.GetParamEntry(3), "algaas");
}

TEST(MacroList, LookupsByNameAndCursor)
{
    CMacroList list;
    list.ParseMacroText(kAlgaas, "");
    list.ParseMacroText(kAlgaas + " var_symbol1=x var_symbol2=y", "free-style");
    list.ParseMacroText("$  get_active_layer name=gain1 mater=#m var1=#w", "free-style");

    CMacroDef def;
    EXPECT_TRUE(list.Find("algaas_old_style", def));
    EXPECT_EQ(def.GetTokenCount(), 10);
    EXPECT_TRUE(list.GetNext(def));  // the cursor stays behind the found definition
    EXPECT_EQ(def.GetTokenCount(), 16);
    EXPECT_TRUE(list.Find("gain1", def));
    EXPECT_FALSE(list.GetNext(def));
    EXPECT_FALSE(list.Find("ALGAAS", def));

    struct Case {
        std::string name;
        int count;
    } counts[] = {{"algaas", 2}, {"algaas_old_style", 2}, {"gain1", 1}, {"gaas", 0}, {"", 0}};
    for (const Case& c : counts)
        EXPECT_EQ(list.GetParamCountOf(c.name), c.count) << c.name;
}

TEST(MacroList, AddAllAndRemoveLast)
{
    CMacroList app, derived;
    app.ParseMacroText(kAlgaas, "");
    derived.ParseMacroText("load_macro name=u1 var1=#a", "free-style");
    derived.ParseMacroText("load_macro name=u2 var1=#a", "free-style");

    CMacroDef def;
    derived.GetNext(def);
    app.AddAll(derived);
    ASSERT_EQ(app.GetCount(), 3);
    EXPECT_EQ(app.GetDef(1).GetMacroName(), "u1");
    EXPECT_EQ(app.GetDef(2).GetMacroName(), "u2");
    EXPECT_TRUE(derived.GetNext(def));  // AddAll restarted the other list's cursor
    EXPECT_EQ(def.GetMacroName(), "u1");

    app.AddAll(app);
    EXPECT_EQ(app.GetCount(), 6);

    app.RemoveLast(derived);
    EXPECT_EQ(app.GetCount(), 4);
    CMacroList big;
    for (int i = 0; i < 9; ++i)
        big.ParseMacroText("load_macro name=b", "");
    app.RemoveLast(big);  // never more than the list holds
    EXPECT_EQ(app.GetCount(), 0);
}
