#include "textfiles/MacroLib.h"
#include "textfiles/MacroList.h"

#include "platform/Archive.h"
#include "platform/Profile.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kFixtures = TESSARON_FIXTURES "/macros/";
const std::string kHeader = "$*****\n$ library\n$*****\n";
const std::string kFree = "$=====\n$ AlGaAs free-style\n$=====\n";
const std::string kOld = "$=====\n$ AlGaAs\n$=====\n";

struct Expected {
    std::string name;   // the lookup name (token 3)
    std::string usage;
};

// A library read from text.
CMacroLib ReadText(const std::string& text)
{
    CMacroLib lib;
    CArchive archive;
    archive.OpenLoadFromMemory(text, "test.mac");
    lib.Read(archive);
    return lib;
}

std::vector<Expected> Parse(const std::string& text)
{
    const CMacroLib lib = ReadText(text);
    std::vector<Expected> out;
    for (int i = 0; i < lib.GetCount(); ++i)
        out.push_back({lib.GetDef(i).GetMacroName(), lib.GetDef(i).GetUsage()});
    return out;
}

bool operator==(const Expected& a, const Expected& b) { return a.name == b.name && a.usage == b.usage; }
std::ostream& operator<<(std::ostream& os, const Expected& e) { return os << e.name << " | " << e.usage; }

}  // namespace

TEST(MacroLib, ReadsBlocks)
{
    const std::string algaasFree =
        "$  load_macro name=algaas mater=#m var1=#x var2=#y var_symbol1=x var_symbol2=y";
    const std::string algaasOld = "$  load_macro name=algaas mater=#m var1=#x var2=#y";
    struct Case {
        const char* what;
        std::string text;
        std::vector<Expected> defs;
    } cases[] = {
        {"free-style block, repeated and doping names dropped",
         kHeader + kFree + "begin_macro\nany\nfunction f(x, y, doping_n, x)\nend_macro algaas\n",
         {{"algaas", algaasFree}}},
        {"old-style block", kHeader + kOld + "begin_macro\nany\nfunction f(x, y)\nend_macro algaas\n",
         {{"algaas_old_style", algaasOld}}},
        {"temper dropped in a free-style block only, Doping_ and trap_ in both",
         kHeader + kFree + "begin_macro\nany\nfunction f(x, temper, Doping_x, trap_d)\nend_macro a\n"
             + kOld + "begin_macro\nany\nfunction f(x, temper, Doping_x, TRAP_d)\nend_macro b\n",
         {{"a", "$  load_macro name=a mater=#m var1=#x var_symbol1=x"},
          {"b_old_style", "$  load_macro name=b mater=#m var1=#x var2=#temper"}}},
        {"active-layer block",
         kHeader + kFree + "begin_active_layer\nany\nfunction g(w)\nend_active_layer gain1\n",
         {{"gain1", "$  get_active_layer name=gain1 mater=#m var1=#w var_symbol1=w"}}},
        {"function lines add up; the line after the begin line is ignored",
         kHeader + kOld + "begin_macro\nfunction f(a)\nfunction g(b, c)\n  body\nfunction h(c, d)\nend_macro m\n",
         {{"m_old_style", "$  load_macro name=m mater=#m var1=#b var2=#c var3=#d"}}},
        {"Free-Style counts only for the name, not for the symbols",
         kHeader + "$=====\n$ Free-Style\n$=====\nbegin_macro\nany\nfunction f(x)\nend_macro q\n",
         {{"q", "$  load_macro name=q mater=#m var1=#x"}}},
        {"no frame line: nothing", kOld.substr(6) + "begin_macro\nany\nfunction f(x)\nend_macro q\n", {}},
        {"header only", kHeader, {}},
        {"block cut off by the end of the file",
         kHeader + kOld + "begin_macro\nany\nfunction f(x)\n", {}},
        {"end line with one word gives an empty name",
         kHeader + "begin_macro\nany\nend_macro\n", {{"", "$  load_macro name= mater=#m"}}},
        {"end keyword anywhere in the line: the name is still the second word",
         kHeader + "begin_macro\nany\nx end_macro y\n",
         {{"end_macro_old_style", "$  load_macro name=end_macro mater=#m"}}},
        {"long words of an end line are kept whole",
         kHeader + "begin_macro\nany\nend_macro " + std::string(100, 'n') + "\n",
         {{std::string(100, 'n') + "_old_style", "$  load_macro name=" + std::string(100, 'n') + " mater=#m"}}},
        {"a line without \"(\" is read from its start; an empty list names nothing",
         kHeader + "begin_macro\nany\nfunction f()\nfunction  p,q)\nend_macro m\n",
         {{"m_old_style", "$  load_macro name=m mater=#m var1=#function  p var2=#q"}}},
        {"continued function line",
         kHeader + kFree + "begin_macro\nany\nfunction f(x, &&\n   y)\nend_macro z\n",
         {{"z", "$  load_macro name=z mater=#m var1=#x var2=#y var_symbol1=x var_symbol2=y"}}},
        {"a pending comment goes to the next block, then is used up",
         kHeader + kFree + "some other line\n\nbegin_macro\nany\nend_macro a\nbegin_macro\nany\nend_macro b\n",
         {{"a", "$  load_macro name=a mater=#m"}, {"b_old_style", "$  load_macro name=b mater=#m"}}},
        {"a later frame line replaces a pending comment",
         kHeader + kFree + "other line\n" + kOld + "begin_macro\nany\nend_macro a\n",
         {{"a_old_style", "$  load_macro name=a mater=#m"}}},
        {"indented begin and end lines", kHeader + kFree + "   begin_macro  \nany\n\tend_macro   c  \n",
         {{"c", "$  load_macro name=c mater=#m"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Parse(c.text), c.defs) << c.what;
}

TEST(MacroLib, CommentBlocks)
{
    struct Case {
        std::string text, comment;
    } cases[] = {
        {kHeader + kFree + "begin_macro\nany\nend_macro a\n",
         "$=====\r\n$ AlGaAs free-style\r\n$=====\r\n"},
        // Short lines and a bare "$" are passed over; "$ *" starts a block as well.
        {kHeader + "$ *****\n$\n\n$ab\n  $ note  \n$ *****\nbegin_macro\nany\nend_macro a\n",
         "$ *****\r\n$ note\r\n$ *****\r\n"},
        // A comment block is only looked for after the header.
        {"$*\n$=====\n$ a\n$=====\nbegin_macro\nany\nend_macro a\n", ""},
    };
    for (const Case& c : cases) {
        const CMacroLib lib = ReadText(c.text);
        ASSERT_EQ(lib.GetCount(), 1) << c.text;
        EXPECT_EQ(lib.GetDef(0).GetComment(), c.comment) << c.text;
    }
}

TEST(MacroLib, CommentFrameLinesAndKeptNames)
{
    struct Frame {
        std::string line;
        bool frame;
    } frames[] = {{"$***", true}, {"$===", true}, {"$ \t*x", true}, {"$**", false},
                  {"$ab*", false}, {" $***", false}, {"$   ", false}, {"#***", false}};
    for (const Frame& f : frames)
        EXPECT_EQ(CMacroLib::IsCommentFrameLine(f.line), f.frame) << f.line;

    struct Kept {
        std::string name;
        bool freeStyle, kept;
    } names[] = {{"x", true, true},           {"temper", false, true},   {"Temperature", true, false},
                 {"doping_n", false, false},  {"n_Doping_", false, false}, {"trap_e", true, false},
                 {"doping", false, true},     {"trap", true, true}};
    for (const Kept& k : names)
        EXPECT_EQ(CMacroLib::IsKeptMacroParam(k.name, k.freeStyle), k.kept) << k.name;

    std::vector<std::string> list;
    for (const char* name : {" x ", "y", "x", "doping_n", "", "  ", "temper"})
        CMacroLib::AddParamName(name, list, true);
    // An empty name is appended once, like any other name.
    EXPECT_EQ(list, (std::vector<std::string>{"x", "y", ""}));
}

TEST(MacroLib, AnEmptyParameterNameMakesTheMacroInvalid)
{
    struct Case {
        const char* what;
        std::string text;
        Expected def;
        bool valid;
    } cases[] = {
        {"between two names", kHeader + kOld + "begin_macro\nany\nfunction f(x, , y)\nend_macro m\n",
         {"m_old_style", "$  load_macro name=m mater=#m var1=#x var2=# var3=#y"}, false},
        {"after the last comma", kHeader + kFree + "begin_macro\nany\nfunction f(x,)\nend_macro m\n",
         {"m", "$  load_macro name=m mater=#m var1=#x var2=# var_symbol1=x var_symbol2="}, false},
        {"a function without parameters names none", kHeader + kOld + "begin_macro\nany\nfunction f( )\nend_macro m\n",
         {"m_old_style", "$  load_macro name=m mater=#m"}, true},
    };
    for (const Case& c : cases) {
        const CMacroLib lib = ReadText(c.text);
        ASSERT_EQ(lib.GetCount(), 1) << c.what;
        EXPECT_EQ((Expected{lib.GetDef(0).GetMacroName(), lib.GetDef(0).GetUsage()}), c.def) << c.what;
        // The application lists only valid definitions among its load and active-layer macros.
        EXPECT_EQ(lib.GetDef(0).IsValid(), c.valid) << c.what;
    }
}

TEST(MacroLib, LoadsFilesAndAppends)
{
    CMacroList lib;
    lib.SetPath(kFixtures + "crlf_free_style.mac");
    lib.Load();
    ASSERT_EQ(lib.GetCount(), 1);
    EXPECT_EQ(lib.GetDef(0).GetUsage(),
              "$  load_macro name=algaas mater=#m var1=#x var2=#y var_symbol1=x var_symbol2=y");
    EXPECT_EQ(lib.GetDef(0).GetComment(), "$=====\r\n$ AlGaAs free-style\r\n$=====\r\n");

    lib.SetPath(kFixtures + "two_blocks.mac");
    lib.Reload();
    lib.Reload();
    ASSERT_EQ(lib.GetCount(), 5);
    EXPECT_EQ(lib.GetDef(1).GetMacroName(), "gaas_old_style");
    EXPECT_EQ(lib.GetDef(1).GetParamCount(), 1);
    EXPECT_EQ(lib.GetDef(2).GetKeyword(), "get_active_layer");
    EXPECT_EQ(lib.GetDef(2).GetUsage(), "$  get_active_layer name=gain1 mater=#m var1=#width var_symbol1=width");
    EXPECT_EQ(lib.GetDef(3).GetMacroName(), "gaas_old_style");
}

TEST(MacroLib, MissingFileOffersSearch)
{
    const std::string missing = kFixtures + "no_such.mac";
    const std::string question = "Can't Find " + missing + ",Search and load it?";
    CMemoryProfile profile;
    SetProfile(&profile);

    struct Case {
        int answer;
        std::string chosen;  // "" cancels the dialog
        int defs;
        std::string path, macPath;
    } cases[] = {
        {IDNO, "", 0, missing, ""},
        {IDYES, "", 0, missing, ""},
        {IDYES, kFixtures + "two_blocks.mac", 2, kFixtures + "two_blocks.mac", kFixtures},
    };
    for (const Case& c : cases) {
        ScriptedPrompts prompts;
        prompts.AnswerNext(c.answer);
        if (c.answer == IDYES)
            prompts.ChooseFileNext(c.chosen);
        profile.Clear();
        CMacroLib lib;
        lib.SetPath(missing);
        lib.Load();
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{question});
        ASSERT_EQ(prompts.Shown_().size(), 1u);
        EXPECT_EQ(prompts.Shown_()[0].type & MB_TYPEMASK, static_cast<unsigned>(MB_YESNO));
        if (c.answer == IDYES) {
            ASSERT_EQ(prompts.FileDialogs().size(), 1u);
            EXPECT_TRUE(prompts.FileDialogs()[0].open);
            EXPECT_EQ(prompts.FileDialogs()[0].filter, "Macro Files (*.mac)|*.mac|All Files (*.*)|*.*||");
        }
        EXPECT_EQ(lib.GetCount(), c.defs);
        EXPECT_EQ(lib.GetPath(), c.path);
        EXPECT_EQ(profile.GetProfileString("Settings", "macPath", ""), c.macPath);
    }
    SetProfile(nullptr);
}
