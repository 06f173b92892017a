// A grating composition the file gives without all four of its macro names (a grating of passive
// materials, with no active macro) is held by the device but not written from it until the user
// completes it. Saving the device keeps the statement as the user wrote it, in its place: as a
// deck, where every z-segment's ".layer" file is written anew beside the deck, and as a ".layer".

#include "support/DocFixture.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string Fixture(const std::string& name) { return std::string(TESSARON_FIXTURES) + "/spreadsheet/" + name; }

// The DFB fixture's composition, on the fourth row (two come from its include file) of its second column.
const char kComposition[] =
    "grating_compos d_high=0.12 d_low=0.08 d_fall=0 d_rise=0 hi_macro_name=ingaas &&\r\n"
    "   hi_var1=0.2 hi_var3=0.25 lo_macro_name=algaas lo_var1=0.35 grating_order=2 column_num=2\r\n";

class DeckSaveKeepsGrating : public DocFixture {
protected:
    DeckSaveKeepsGrating()
    {
        macros.ParseMacroText("load_macro name=gaas", "free-style");
        macros.ParseMacroText("load_macro name=algaas var1=#x var_symbol1=x", "free-style");
        macros.ParseMacroText("load_macro name=ingaas var1=#x var_symbol1=x", "free-style");
        macros.ParseMacroText("get_active_layer name=qw_gain var1=#w var2=#d var_symbol1=w var_symbol2=d",
                              "free-style");
        doc().SetMacroList(&macros);
        app.mode3d = true;
    }

    void Open(const std::string& path)
    {
        prompts.AllowUnscripted();  // the reader's remarks on the fixture
        ASSERT_TRUE(doc().OnOpenDocument(path));
        prompts.AllowUnscripted(false);
        prompts.Clear();
    }

    void OpenDfbDeck()
    {
        for (const char* name : {"dfb.sol", "dfb1.layer", "dfb2.layer", "sub.inc"})
            device.Write(name, ExistingFileBytes(Fixture(name)));
        ASSERT_NO_FATAL_FAILURE(Open(device.File("dfb.sol")));
        ASSERT_EQ(device.Read("dfb1.layer").find(kComposition) != std::string::npos, true);
    }

    // What the device holds of the composition.
    std::string Composition()
    {
        const CGratingComposRec& g = LayerAt(0, 1, 3).m_Grating;
        std::string text = std::to_string(g.m_nPresent) + " column " + std::to_string(g.m_nColumn) + " " +
                           g.m_strHiMacro + "/" + g.m_strHiActiveMacro + " " + g.m_strLoMacro + "/" +
                           g.m_strLoActiveMacro + " order " + std::to_string(g.m_nGratingOrder);
        for (double d : {g.m_dHigh, g.m_dLow, g.m_dFall, g.m_dRise}) text += " " + std::to_string(d);
        for (int k = 0; k < 5; ++k)
            text += " " + std::to_string(g.m_dHiVar[k]) + " " + std::to_string(g.m_dLoVar[k]);
        return text;
    }

    // The statement stands where it stood, with its text: after the row's material statements,
    // before its layer. (Line ends are not compared: the deck save ends its lines differently.)
    static void ExpectKeptInPlace(const std::string& file)
    {
        const std::string saved = WithoutCarriageReturns(file);
        const std::string composition = WithoutCarriageReturns(kComposition);
        const std::size_t at = saved.find(composition);
        ASSERT_NE(at, std::string::npos) << saved;
        EXPECT_EQ(saved.find("grating_compos", at + 1), std::string::npos) << saved;
        const std::string before = "layer_mater macro_name=ingaas column_num=2 active_macro=qw_gain\n";
        ASSERT_GE(at, before.size());
        EXPECT_EQ(saved.substr(at - before.size(), before.size()), before) << saved;
        EXPECT_EQ(saved.compare(at + composition.size(), 12, "layer d=0.4 "), 0) << saved;
    }

    static std::string WithoutCarriageReturns(std::string text)
    {
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        return text;
    }

    CMacroList macros;
    TempFolder device;
    TempFolder out;
};

}  // namespace

TEST_F(DeckSaveKeepsGrating, ADeckSaveKeepsACompositionWithoutActiveMacros)
{
    OpenDfbDeck();
    const std::string held = Composition();
    ASSERT_EQ(held.substr(0, 40), "1 column 1 ingaas/ algaas/ order 2 0.120");

    prompts.ChooseFileNext(out.File("dev.sol"));
    prompts.AnswerNext(IDOK);
    ASSERT_TRUE(doc().OnFileSaveAs());
    // The entry facet's taper outline has two vertices (off every column edge), the exit facet's
    // none: outlines of different counts are all set to zero, and the save says so.
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"The taper_line num in each face are not equ!\n"
                                                        "It will set the all taper_line as zero!"});
    prompts.Clear();
    ExpectKeptInPlace(out.Read("dev.layer"));
    // Still held, not written from the device: the layer is not marked as embedding a grating.
    EXPECT_EQ(Composition(), held);
    EXPECT_EQ(out.Read("dev.layer").find("embedded_structure=1"), std::string::npos);

    // The saved deck opens into the same composition, and a second save keeps it again.
    Open(out.File("dev.sol"));
    EXPECT_EQ(Composition(), held);
    doc().SetModifiedFlag();
    ASSERT_TRUE(doc().OnFileSave());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
    ExpectKeptInPlace(out.Read("dev.layer"));
    Open(out.File("dev.sol"));
    EXPECT_EQ(Composition(), held);
}

TEST_F(DeckSaveKeepsGrating, ALayerSaveKeepsACompositionWithoutActiveMacros)
{
    OpenDfbDeck();
    const std::string held = Composition();
    prompts.AllowUnscripted();  // the remark that the save type is ".layer"
    ASSERT_TRUE(doc().OnSaveDocument(out.File("dev.layer")));
    ExpectKeptInPlace(out.Read("dev.layer"));
    Open(out.File("dev.layer"));
    EXPECT_EQ(Composition(), held);
}
