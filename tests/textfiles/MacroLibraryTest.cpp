#include "textfiles/MacroLibrary.h"

#include "platform/StringUtil.h"

#include "support/ParsedStatement.h"
#include "support/ShippedMacros.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kFixtures = TESSARON_FIXTURES "/macros/";
const std::string kOpen = "/" + std::string(48, '*') + " \r\n";
const std::string kClose = std::string(48, '*') + "/ \r\n";

std::vector<std::string> Names(CMacroList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.GetCount(); ++i)
        names.push_back(list.GetDef(i).GetMacroName());
    return names;
}

}  // namespace

TEST(MacroLibrary, UserMacroFromStatement)
{
    struct Case {
        const char* what;
        std::string statement;
        bool active;
        bool made;
        std::string name, usage;
    } cases[] = {
        {"old style: variables named after themselves", "layer_mater macro_name=gaas var1=0.1 var3=2", false,
         true, "gaas_old_style", "$  load_macro name=gaas mater=#m var1=#var1 var3=#var3"},
        {"free style: the symbol names the variable",
         "layer_mater macro_name=gaas var1=0.1 var3=2 var_symbol1=x", false, true, "gaas",
         "$  load_macro name=gaas mater=#m var_symbol1=x var1=#x var3=#var3"},
        {"only variables 1 to 6", "layer_mater macro_name=m var6=1 var7=2 var_symbol7=z", false, true,
         "m_old_style", "$  load_macro name=m mater=#m var6=#var6"},
        {"no macro name", "layer_mater var1=1", false, false, "", ""},
        {"active macro, free style, named var like a bulk macro",
         "layer_mater macro_name=gaas active_macro=qw avar1=5 avar_symbol1=w avar2=1", true, true, "qw",
         "$  get_active_layer  name=qw mater=#m var_symbol1=w var1=#w var2=#var2"},
        {"active macro, old style", "layer_mater active_macro=qw avar2=1 var_symbol1=s", true, true,
         "qw_old_style", "$  get_active_layer  name=qw mater=#m var2=#var2"},
        {"no active macro", "layer_mater macro_name=gaas avar1=1", true, false, "", ""},
    };
    for (const Case& c : cases) {
        CMacroLibrary library;
        const CKeywordLine line = Parsed(c.statement);
        const bool made = c.active ? library.MakeActiveLayerMacro(line) : library.MakeUserMacro(line);
        EXPECT_EQ(made, c.made) << c.what;
        ASSERT_EQ(library.GetMacroList().GetCount(), c.made ? 1 : 0) << c.what;
        if (!c.made)
            continue;
        const CMacroDef& def = library.GetMacroList().GetDef(0);
        EXPECT_EQ(def.GetMacroName(), c.name) << c.what;
        EXPECT_EQ(def.GetUsage(), c.usage) << c.what;
        EXPECT_TRUE(def.IsValid()) << c.what;
        EXPECT_EQ(def.GetKeyword(), c.active ? "get_active_layer" : "load_macro") << c.what;
    }
}

TEST(MacroLibrary, UserMacroComment)
{
    CMacroLibrary library;
    library.MakeUserMacro(Parsed("layer_mater macro_name=gaas var1=0.1 var_symbol1=x"));
    library.MakeUserMacro(Parsed("layer_mater macro_name=inp var2=0.1"));
    EXPECT_EQ(library.GetMacroList().GetDef(0).GetComment(),
              kOpen + " User macro, created by Brenvik/Tessaron \r\n" + "   [free-style] \r\n"
                  + "$  load_macro name=gaas mater=#m var_symbol1=x var1=#x\r\n" + kClose);
    EXPECT_EQ(library.GetMacroList().GetDef(1).GetComment(),
              kOpen + " User macro, created by Brenvik/Tessaron \r\n"
                  + "$  load_macro name=inp mater=#m var2=#var2\r\n" + kClose);
}

TEST(MacroLibrary, NoMacroForNamesAListDefines)
{
    CMacroList app;
    app.ParseMacroText("$  load_macro name=gaas mater=#m var1=#x var_symbol1=x", "free-style");
    app.ParseMacroText("$  load_macro name=inp mater=#m var1=#x", "");
    CMacroLibrary library;
    library.SetApplicationMacros(&app);
    struct Case {
        std::string statement;
        bool made;
    } cases[] = {
        {"layer_mater macro_name=gaas var1=1 var_symbol1=s", false},  // the application's "gaas"
        {"layer_mater macro_name=gaas var1=1", true},                 // no "gaas_old_style" there
        {"layer_mater macro_name=gaas var2=1", false},                // made just before
        {"layer_mater macro_name=inp var1=1", false},                 // "inp_old_style"
        {"layer_mater macro_name=inp var1=1 var_symbol1=s", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(library.MakeUserMacro(Parsed(c.statement)), c.made) << c.statement;
    EXPECT_EQ(app.GetCount(), 2);
}

TEST(MacroLibrary, MacrosOfALayerFile)
{
    CMacroList app = LoadShippedMacroLibraries();
    CMacroLibrary contact;
    contact.AddContactMacro();
    app.AddAll(contact.GetMacroList());

    CMacroLibrary library;
    library.SetApplicationMacros(&app);
    library.LoadFromLayerFile(kFixtures + "user_macros.layer");
    // The statements at the end that only mention "layer_mater" (in a comment, in capitals, in a
    // longer keyword, as a value) make none.
    EXPECT_EQ(Names(library.GetMacroList()),
              (std::vector<std::string>{"myalloy", "mywell", "void_old_style"}));
    CMacroDef def;
    ASSERT_TRUE(library.GetMacroList().Find("mywell", def));
    EXPECT_EQ(def.GetUsage(), "$  get_active_layer  name=mywell mater=#m var_symbol1=w var1=#w "
                              "var_symbol2=xb var2=#xb");

    // Not a ".layer" path (the test is exact): nothing, and the earlier macros are gone.
    library.LoadFromLayerFile(kFixtures + "user_macros.LAYER");
    EXPECT_EQ(library.GetMacroList().GetCount(), 0);

    // A ".layer" file that cannot be read derives nothing, not the previous file's macros again.
    library.LoadFromLayerFile(kFixtures + "user_macros.layer");
    ASSERT_EQ(library.GetMacroList().GetCount(), 3);
    library.LoadFromLayerFile(kFixtures + "missing.layer");
    EXPECT_EQ(library.GetMacroList().GetCount(), 0);
}

TEST(MacroLibrary, BuiltInContactMacros)
{
    CMacroLibrary library;
    library.MakeUserMacro(Parsed("layer_mater macro_name=gaas var1=1"));
    library.AddContactMacro();
    library.AddContactMacro();  // empties the list first
    CMacroList& list = library.GetMacroList();
    ASSERT_EQ(Names(list), (std::vector<std::string>{"contact_old_style", "contact"}));

    const std::string usage1 = "load_macro macro_name=contact mater=#m  var1=#contact_num var2=#contact_type  "
                               "var3=#barrier     var4=#work_function ";
    const std::string head = kOpen + " Contact macro\r\n contact_type: 0 is ohmic, 1 is schottky\r\n";
    EXPECT_EQ(list.GetDef(0).GetUsage(), usage1);
    EXPECT_EQ(list.GetDef(0).GetComment(), head + usage1 + "\r\n" + kClose);
    const std::string usage2 = usage1 + "var_symbol1=contact_num var_symbol2=contact_type    "
                                        "var_symbol3=barrier var_symbol4=work_function";
    EXPECT_EQ(list.GetDef(1).GetUsage(), usage2);
    EXPECT_EQ(list.GetDef(1).GetComment(), head + "   [free-style] \r\n" + usage2 + "\r\n" + kClose);

    const char* symbols[] = {"contact_num", "contact_type", "barrier", "work_function"};
    for (int d = 0; d < 2; ++d) {
        const CMacroDef& def = list.GetDef(d);
        EXPECT_TRUE(def.IsValid());
        EXPECT_EQ(def.GetKeyword(), "load_macro");
        ASSERT_EQ(def.GetParamCount(), 4);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(def.GetParamName(i), "var" + std::to_string(i + 1));
            EXPECT_EQ(def.GetParamValue(i), symbols[i]);
        }
    }
    EXPECT_EQ(list.GetDef(1).FindParamValue("var_symbol3"), "barrier");
    EXPECT_EQ(list.GetParamCountOf("contact"), 4);
}
