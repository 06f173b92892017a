// The program's own macro libraries, read through the real loader as start-up reads them.
#include "textfiles/MacroList.h"

#include "support/ShippedMacros.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {


}  // namespace

TEST(MacroData, ShippedLibrariesLoadValidDefinitions)
{
    CMacroList macros = LoadShippedMacroLibraries();
    ASSERT_EQ(macros.GetCount(), 19);
    std::set<std::string> names;
    for (int i = 0; i < macros.GetCount(); ++i) {
        const CMacroDef& def = macros.GetDef(i);
        EXPECT_TRUE(def.IsValid()) << def.GetUsage();
        EXPECT_LE(def.GetParamCount(), 6) << def.GetUsage();  // a layer holds six variables
        EXPECT_NE(def.GetMacroName().substr(0, 7), "contact") << "the contact macros are built in";
        EXPECT_TRUE(names.insert(def.GetMacroName()).second) << "twice: " << def.GetMacroName();
    }
    // veltrane.mac comes first, more.mac after it.
    EXPECT_EQ(macros.GetDef(0).GetMacroName(), "gaas");
    EXPECT_EQ(macros.GetDef(18).GetMacroName(), "mqw_ingaasp_old_style");
}

TEST(MacroData, LookupsInShippedLibraries)
{
    CMacroList macros = LoadShippedMacroLibraries();
    struct Case {
        std::string name, keyword;
        int params;
    } cases[] = {
        {"gaas", "load_macro", 1},          {"gaas_old_style", "load_macro", 1},
        {"algaas", "load_macro", 2},        {"algaas_old_style", "load_macro", 2},
        {"ingaas", "load_macro", 2},        {"inp", "load_macro", 1},
        {"inp_old_style", "load_macro", 1}, {"ingaasp", "load_macro", 4},
        {"ingaasp_old_style", "load_macro", 3},
        {"sio2", "load_macro", 1},          {"tio2", "load_macro", 1},
        {"vacuum", "load_macro", 0},        {"air", "load_macro", 0},
        {"sin", "load_macro", 1},           {"alas_oxide", "load_macro", 1},
        {"fe_inp", "load_macro", 1},
        {"qw_gaas", "get_active_layer", 3}, {"mqw_ingaasp_old_style", "get_active_layer", 4},
    };
    for (const Case& c : cases) {
        CMacroDef def;
        ASSERT_TRUE(macros.Find(c.name, def)) << c.name;
        EXPECT_EQ(def.GetKeyword(), c.keyword) << c.name;
        EXPECT_EQ(def.GetParamCount(), c.params) << c.name;
    }
    CMacroDef def;
    ASSERT_TRUE(macros.Find("ingaasp", def));
    EXPECT_EQ(def.FindParamValue("var_symbol4"), "wavelength");  // from a continued function line
    EXPECT_EQ(def.GetParamValue(2), "strain");
    EXPECT_FALSE(macros.Find("ingaas_old_style", def));
}
