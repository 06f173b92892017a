#include "sheets/LayerSize.h"

#include "document/TessaronDoc.h"
#include "sheets/DataExchange.h"
#include "support/FakeDialogControls.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

class SizePage : public ::testing::Test {
protected:
    SizePage()
    {
        ResetProcessState();
        g_EditLayer.m_fHeight = 2.4f;
        g_EditLayer.m_fWidth = 6.0f;
        g_EditLayer.m_fUpperWidth = 6.0f;
        g_EditLayer.m_fLowerWidth = 6.0f;
    }
    ~SizePage() override { ResetProcessState(); }

    static std::vector<int> Flags()
    {
        const CCurLayerParams& p = g_CurLayerParams;
        return {p.m_bLowerWidthChanged, p.m_bUpperWidthChanged, p.m_bSpareChanged, p.m_bHeightChanged,
                p.m_bWidthChanged};
    }
};

struct PositionCase {
    float value;
    int position;
};

void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.value << " -> " << c.position; }

class ScrollPositionOfValue : public ::testing::TestWithParam<PositionCase> {};

struct ScrollCase {
    const char* name;
    int start;
    CLayerSize::ScrollCode code;
    int reported;
    int expected;
};

void PrintTo(const ScrollCase& c, std::ostream* os) { *os << c.name; }

class ScrollingABar : public SizePage, public ::testing::WithParamInterface<ScrollCase> {};

}  // namespace

TEST_P(ScrollPositionOfValue, IsTwentyPerMicronWithinOneTo200)
{
    EXPECT_EQ(CLayerSize::ScrollPositionOf(GetParam().value), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Values, ScrollPositionOfValue,
                         ::testing::Values(PositionCase{-3.0f, 1}, PositionCase{0.0f, 1}, PositionCase{0.05f, 1},
                                           PositionCase{0.1f, 2}, PositionCase{2.4f, 48}, PositionCase{2.425f, 48},
                                           PositionCase{2.426f, 49}, PositionCase{10.0f, 200},
                                           PositionCase{55.0f, 200}));

TEST_P(ScrollingABar, MovesFromTheBarsPositionAndSetsTheValue)
{
    const ScrollCase& c = GetParam();
    g_EditLayer.m_fHeight = c.start * 0.05f;
    CLayerSize page;
    page.OnInitPage();
    ASSERT_EQ(page.GetScrollPosition(CLayerSize::IDC_HEIGHT_SCROLL), c.start);
    EXPECT_EQ(page.OnHScroll(CLayerSize::IDC_HEIGHT_SCROLL, c.code, c.reported), CLayerSize::IDC_HEIGHT);
    EXPECT_EQ(page.GetScrollPosition(CLayerSize::IDC_HEIGHT_SCROLL), c.expected);
    EXPECT_FLOAT_EQ(page.m_fHeight, c.expected * 0.05f);
    EXPECT_EQ(Flags(), (std::vector<int>{0, 0, 0, 1, 0}));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ScrollingABar,
    ::testing::Values(ScrollCase{"LineLeft", 48, CLayerSize::SB_LINELEFT, 0, 47},
                      ScrollCase{"LineLeftAtOne", 1, CLayerSize::SB_LINELEFT, 0, 1},
                      ScrollCase{"LineRight", 48, CLayerSize::SB_LINERIGHT, 0, 49},
                      ScrollCase{"LineRightAt200", 200, CLayerSize::SB_LINERIGHT, 0, 200},
                      ScrollCase{"PageLeft", 5, CLayerSize::SB_PAGELEFT, 0, 1},
                      ScrollCase{"PageRight", 195, CLayerSize::SB_PAGERIGHT, 0, 200},
                      ScrollCase{"ThumbReleased", 48, CLayerSize::SB_THUMBPOSITION, 120, 120},
                      ScrollCase{"ThumbDragged", 48, CLayerSize::SB_THUMBTRACK, 120, 48},
                      ScrollCase{"EndOfScroll", 48, CLayerSize::SB_ENDSCROLL, 0, 48}));

TEST_F(SizePage, ConstructionClearsTheFlagsAndTakesTheEditLayer)
{
    g_CurLayerParams.m_bHeightChanged = g_CurLayerParams.m_bSpareChanged = 1;
    CLayerSize page;
    EXPECT_EQ(Flags(), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(page.m_nRegular, 1);
    EXPECT_FLOAT_EQ(page.m_fHeight, 2.4f);
    EXPECT_FLOAT_EQ(page.m_fWidth, 6.0f);
    EXPECT_STREQ(page.GetConvertButtonText(), "Convert To Irregular Graph");
}

TEST_F(SizePage, EdgesThatDifferAtAllMakeAnIrregularPageButShowOneWidthBelowAThousandth)
{
    g_EditLayer.m_fWidth = 7.0f;
    g_EditLayer.m_fUpperWidth = 2.0f;
    g_EditLayer.m_fLowerWidth = 2.0004f;
    CLayerSize page;
    EXPECT_EQ(page.m_nRegular, 0);
    EXPECT_FLOAT_EQ(page.m_fWidth, 2.0f);
    EXPECT_FLOAT_EQ(page.m_fUpperWidth, 2.0f);
    EXPECT_FLOAT_EQ(page.m_fLowerWidth, 2.0004f);
    EXPECT_STREQ(page.GetConvertButtonText(), "Convert To Regular Graph");

    g_EditLayer.m_fLowerWidth = 3.0f;
    CLayerSize trapezoid;
    EXPECT_FLOAT_EQ(trapezoid.m_fWidth, 7.0f);  // the layer's own width
}

TEST_F(SizePage, TheModeEnablesEitherTheWidthOrTheTwoEdgeWidths)
{
    CLayerSize page;
    const int widthControls[] = {CLayerSize::IDC_WIDTH, CLayerSize::IDC_WIDTH_SCROLL, CLayerSize::IDC_WIDTH_LABEL,
                                 CLayerSize::IDC_WIDTH_UNIT};
    const int edgeControls[] = {CLayerSize::IDC_UPPER_WIDTH, CLayerSize::IDC_UPPER_SCROLL,
                                CLayerSize::IDC_UPPER_LABEL, CLayerSize::IDC_UPPER_UNIT,
                                CLayerSize::IDC_LOWER_WIDTH, CLayerSize::IDC_LOWER_SCROLL,
                                CLayerSize::IDC_LOWER_LABEL, CLayerSize::IDC_LOWER_UNIT};
    for (int regular : {1, 0}) {
        for (int id : widthControls)
            EXPECT_EQ(page.IsControlEnabled(id), regular == 1) << id;
        for (int id : edgeControls)
            EXPECT_EQ(page.IsControlEnabled(id), regular == 0) << id;
        EXPECT_TRUE(page.IsControlEnabled(CLayerSize::IDC_HEIGHT));
        EXPECT_TRUE(page.IsControlEnabled(CLayerSize::IDC_HEIGHT_SCROLL));
        page.ToggleRegular();
    }
}

TEST_F(SizePage, ConvertingShowsTheEdgeWidthsOnTheirBars)
{
    g_EditLayer.m_fUpperWidth = 3.0f;
    g_EditLayer.m_fLowerWidth = 5.0f;
    CLayerSize page;
    page.OnInitPage();
    EXPECT_EQ(page.GetScrollPosition(CLayerSize::IDC_UPPER_SCROLL), 60);
    EXPECT_EQ(page.GetScrollPosition(CLayerSize::IDC_LOWER_SCROLL), 100);
    page.m_fWidth = 4.0f;
    page.ToggleRegular();
    EXPECT_EQ(page.GetScrollPosition(CLayerSize::IDC_WIDTH_SCROLL), 80);
}

TEST_F(SizePage, CollectingARegularPageGivesBothEdgesTheWidth)
{
    g_EditLayer.m_fUpperWidth = 3.0f;
    g_EditLayer.m_fLowerWidth = 5.0f;
    CLayerSize page;
    page.m_fWidth = 4.5f;
    page.m_fHeight = 0.8f;
    CLayerRec layer;
    page.CollectInto(layer);
    EXPECT_FLOAT_EQ(layer.m_fUpperWidth, 3.0f);  // irregular: the edges as the page holds them
    EXPECT_FLOAT_EQ(layer.m_fLowerWidth, 5.0f);
    page.ToggleRegular();
    page.CollectInto(layer);
    EXPECT_FLOAT_EQ(layer.m_fHeight, 0.8f);
    EXPECT_FLOAT_EQ(layer.m_fWidth, 4.5f);
    EXPECT_FLOAT_EQ(layer.m_fUpperWidth, 4.5f);
    EXPECT_FLOAT_EQ(layer.m_fLowerWidth, 4.5f);
}

TEST_F(SizePage, EditingABoxSetsItsOwnFlag)
{
    const struct {
        int box;
        std::vector<int> flags;
    } cases[] = {{CLayerSize::IDC_HEIGHT, {0, 0, 0, 1, 0}},
                 {CLayerSize::IDC_WIDTH, {0, 0, 0, 0, 1}},
                 {CLayerSize::IDC_UPPER_WIDTH, {0, 1, 0, 0, 0}},
                 {CLayerSize::IDC_LOWER_WIDTH, {1, 0, 0, 0, 0}}};
    for (const auto& c : cases) {
        CLayerSize page;
        page.OnBoxChanged(c.box);
        EXPECT_EQ(Flags(), c.flags) << c.box;
    }
}

TEST_F(SizePage, TheWaveEquationChoiceGoesIntoTheEditLayerAtOnce)
{
    g_EditLayer.m_nSolveWave = 0;
    CLayerSize page;
    EXPECT_EQ(page.GetWaveEquationSelection(), 0);
    page.OnWaveEquationChanged(1);
    EXPECT_EQ(g_EditLayer.m_nSolveWave, 1);
    EXPECT_EQ(page.GetWaveEquationSelection(), 1);
    page.OnWaveEquationChanged(0);
    EXPECT_EQ(g_EditLayer.m_nSolveWave, 0);
}

TEST_F(SizePage, TheExchangeChecksEveryBoxAgainstItsRange)
{
    CLayerSize page;
    FakeDialogControls controls;
    CDataExchange show(controls, false);
    page.DoDataExchange(show);
    EXPECT_EQ(controls.texts, (std::map<int, std::string>{{1000, "2.4"}, {1002, "6"}, {1030, "6"}, {1031, "6"}}));

    controls.texts[1000] = "3.25";
    controls.texts[1031] = "1001";
    ScriptedPrompts prompts;
    prompts.AnswerNext(IDOK);
    CDataExchange read(controls, true);
    page.DoDataExchange(read);
    EXPECT_TRUE(read.Failed());
    EXPECT_FLOAT_EQ(page.m_fHeight, 3.25f);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Please enter a number between 1e-005 and 1000."});
    EXPECT_EQ(controls.focused, std::vector<int>{1031});
}
