// The application's macro list: the two libraries and the contact macro at start-up, the macros
// of the open file joining and leaving it.

#include "AppHarness.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/MacroLibrary.h"

#include <gtest/gtest.h>

namespace {

const std::string kMacros = std::string(TESSARON_FIXTURES) + "/macros/";

// Names of the valid definitions of a list whose keyword is `keyword`, in list order.
std::vector<std::string> SpecialNames(CMacroList& list, const std::string& keyword)
{
    std::vector<std::string> names;
    list.ResetCursor();
    CMacroDef def;
    while (list.GetNext(def))
        if (def.IsValid() && def.GetToken(0) == keyword)
            names.push_back(def.GetToken(3));
    return names;
}

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

}  // namespace

TEST(AppMacros, IndexesListTheFirstLibraryThenTheSecondThenTheContactMacro)
{
    AppTree tree;
    tree.Replace("veltrane.mac", kMacros + "two_blocks.mac");
    tree.Replace("more.mac", kMacros + "crlf_free_style.mac");
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    CMacroList first, second;
    first.SetPath(tree.Root() + "veltrane.mac");
    first.Reload();
    second.SetPath(tree.Root() + "more.mac");
    second.Reload();
    CMacroLibrary contact;
    contact.AddContactMacro();
    CTessaronApp& app = TestApp();
    EXPECT_EQ(app.m_macros.GetCount(), first.GetCount() + second.GetCount() + contact.GetMacroList().GetCount());
    for (const char* keyword : {"load_macro", "get_active_layer"}) {
        SCOPED_TRACE(keyword);
        const auto expected = Concat({SpecialNames(first, keyword), SpecialNames(second, keyword),
                                      SpecialNames(contact.GetMacroList(), keyword)});
        const CMacroIndexList& index = std::string(keyword) == "load_macro" ? app.m_loadMacroIndex
                                                                             : app.m_activeLayerMacroIndex;
        EXPECT_EQ(index.m_names, expected);
        EXPECT_EQ(index.m_paramCounts.size(), expected.size());
    }
    EXPECT_FALSE(app.m_loadMacroIndex.m_names.empty());
    EXPECT_FALSE(app.m_activeLayerMacroIndex.m_names.empty());
    StopApp();
}

TEST(AppMacros, ClearingGoesBackToTheStartUpListAfterAnyNumberOfFiles)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    CTessaronApp& app = TestApp();
    const int startCount = app.m_macros.GetCount();
    const auto startLoad = app.m_loadMacroIndex.m_names;
    const auto startActive = app.m_activeLayerMacroIndex.m_names;

    app.LoadLayerMacros(kMacros + "user_macros.layer");
    const int derived = app.m_layerMacros.GetMacroList().GetCount();
    ASSERT_GT(derived, 0);
    EXPECT_EQ(app.m_macros.GetCount(), startCount + derived);
    EXPECT_GT(app.m_loadMacroIndex.GetCount(), int(startLoad.size()));
    // A second file without a new document between: its macros join those of the first.
    app.LoadLayerMacros(std::string(TESSARON_FIXTURES) + "/layer/ridge_two_columns.layer");
    EXPECT_EQ(app.m_macros.GetCount(), startCount + derived + app.m_layerMacros.GetMacroList().GetCount());

    app.ClearLayerMacros();
    EXPECT_EQ(app.m_macros.GetCount(), startCount);
    EXPECT_EQ(app.m_layerMacros.GetMacroList().GetCount(), 0);
    EXPECT_EQ(app.m_loadMacroIndex.m_names, startLoad);
    EXPECT_EQ(app.m_activeLayerMacroIndex.m_names, startActive);

    app.LoadLayerMacros(kMacros + "two_blocks.mac");  // not a ".layer" file: nothing joins
    EXPECT_EQ(app.m_macros.GetCount(), startCount);
    StopApp();
}
