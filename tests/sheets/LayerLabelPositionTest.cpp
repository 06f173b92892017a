// The label page: its lists and boxes, Add, Set and Remove with every refusal, and which stored
// labels of the device a new name must not repeat in each edit mode.

#include "SheetFixture.h"
#include "sheets/LabelEditScope.h"
#include "support/FakeDialogControls.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

using Texts = std::vector<std::string>;
using Kind = CLayerLabelPosition::Kind;

namespace {

CLabelRec Label(const std::string& text, int location = 0, double offset = kUnsetValue)
{
    return CLabelRec{text, location, offset};
}

// Z-segment 1: column 0 ("colA") of rows 0..2 and column 1 ("colB") of rows 0..1; the layers of
// rows 1 and 2 carry "row1" and "row2"; in row 0 the empty ("void") layer of column 0 carries
// "voidRow0" and the layer of column 1 "row0". Z-segment 2: column "farCol" with a layer labelled
// "far". Layer (0, 1) is selected.
class LabelPage : public SheetFixture {
protected:
    LabelPage()
    {
        Seg(0).Column(0).m_Labels = {Label("colA")};
        Seg(0).Column(1).m_Labels = {Label("colB")};
        LayerAt(0, 0, 0).m_Material.m_Bulk.m_strName = "void";
        LayerAt(0, 0, 0).m_Labels = {Label("voidRow0")};
        LayerAt(0, 0, 1).m_Labels = {Label("row1")};
        LayerAt(0, 0, 2).m_Labels = {Label("row2")};
        LayerAt(0, 1, 0).m_Labels = {Label("row0")};
        LayerAt(0, 1, 1).m_Labels = {Label("row1")};
        Seg(1).Column(0).m_Labels = {Label("farCol")};
        LayerAt(1, 0, 0).m_Labels = {Label("far")};
        controls.texts = {{CLayerLabelPosition::IDC_LAYER_NAME, ""},
                          {CLayerLabelPosition::IDC_LAYER_DELTA, "0"},
                          {CLayerLabelPosition::IDC_COLUMN_NAME, ""},
                          {CLayerLabelPosition::IDC_COLUMN_DELTA, "0"}};
        prompts.AllowUnscripted();
    }

    // Opens the sheet as the document's command of `mode` would: the label lists it seeds.
    CLayerLabelPosition& Open(int mode)
    {
        Seg(0).Column(0).m_nSelectedLayer = 1;
        g_EditColumn.m_Labels = mode == 1 ? std::vector<CLabelRec>{} : Seg(0).GetColumn(0).m_Labels;
        if (mode == 1)
            g_EditLayer.m_Labels = LayerAt(0, 0, 0).m_Labels;
        else if (mode == 2)
            doc().CollectEditLayerLabels(g_EditLayer.m_Labels);
        else
            g_EditLayer.m_Labels = LayerAt(0, 0, 1).m_Labels;
        OpenSheet(mode, {CGeneral::SIZE_PAGE, CGeneral::LABEL_PAGE});
        return sheet->m_LabelPage;
    }
    CLayerLabelPosition& Page() { return sheet->m_LabelPage; }

    void Fill(Kind kind, const std::string& name, int location, const std::string& delta = "0")
    {
        const bool layer = kind == CLayerLabelPosition::LAYER_LABEL;
        controls.texts[layer ? CLayerLabelPosition::IDC_LAYER_NAME : CLayerLabelPosition::IDC_COLUMN_NAME] = name;
        controls.texts[layer ? CLayerLabelPosition::IDC_LAYER_DELTA : CLayerLabelPosition::IDC_COLUMN_DELTA] = delta;
        Page().OnSelChangeLocation(kind, location);
    }
    bool Add(Kind kind, const std::string& name, int location = 1, const std::string& delta = "0")
    {
        Fill(kind, name, location, delta);
        return Page().OnAddLabel(kind, controls);
    }
    bool Set(Kind kind, int entry, const std::string& name, int location = 1, const std::string& delta = "0")
    {
        Page().OnSelChangeList(kind, entry);
        Fill(kind, name, location, delta);
        return Page().OnSetLabel(kind, controls);
    }
    // Removes the label of that text from whichever list of the page holds it.
    void DropAnywhere(const std::string& text)
    {
        for (Kind kind : {CLayerLabelPosition::LAYER_LABEL, CLayerLabelPosition::COLUMN_LABEL}) {
            const std::vector<CLabelRec>& labels =
                kind == CLayerLabelPosition::LAYER_LABEL ? Page().m_LayerLabels : Page().m_ColumnLabels;
            for (size_t i = 0; i < labels.size(); ++i) {
                if (labels[i].m_strText == text) {
                    Page().OnSelChangeList(kind, static_cast<int>(i));
                    ASSERT_TRUE(Page().OnRemoveLabel(kind));
                    return;
                }
            }
        }
        FAIL() << "no label " << text;
    }
    static std::vector<std::string> TextsOf(const std::vector<CLabelRec>& labels)
    {
        std::vector<std::string> texts;
        for (const CLabelRec& label : labels)
            texts.push_back(label.m_strText);
        return texts;
    }

    FakeDialogControls controls;
};

constexpr Kind kLayer = CLayerLabelPosition::LAYER_LABEL;
constexpr Kind kColumn = CLayerLabelPosition::COLUMN_LABEL;

struct NameCase {
    const char* name;
    int mode;
    Kind kind;
    const char* text;
    const char* dropFirst;  // a label the page removes from its lists first ("" none)
    bool accepted;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class ANewName : public LabelPage, public ::testing::WithParamInterface<NameCase> {};

}  // namespace

TEST_P(ANewName, IsCheckedAgainstEveryStoredLabelTheOkKeeps)
{
    const NameCase& c = GetParam();
    Open(c.mode);
    if (*c.dropFirst)
        DropAnywhere(c.dropFirst);
    EXPECT_EQ(Add(c.kind, c.text), c.accepted);
    EXPECT_EQ(prompts.Texts(), c.accepted ? Texts{} : Texts{std::string(c.text) + " already exists!"});
}

INSTANTIATE_TEST_SUITE_P(
    EditModes, ANewName,
    ::testing::Values(
        // Modify Layer (0, 1): column 0's labels and row 1 are replaced, nothing else.
        NameCase{"ModifyColumnLabelAsARowLabelOfItsOwnColumn", 3, kColumn, "row2", "", false},
        NameCase{"ModifyColumnLabelAsTheEditedRowsLabel", 3, kColumn, "row1", "row1", true},
        NameCase{"ModifyLayerLabelAsTheEditedColumnsLabel", 3, kLayer, "colA", "colA", true},
        NameCase{"ModifyLayerLabelAsAnotherColumnsLabel", 3, kLayer, "colB", "", false},
        NameCase{"ModifyLayerLabelAsAnotherRowsLabel", 3, kLayer, "row2", "", false},
        NameCase{"ModifyLabelOfAnEmptyLayerInAnotherRow", 3, kColumn, "voidRow0", "", false},
        NameCase{"ModifyRowLabelOfAnotherColumnInAnotherRow", 3, kLayer, "row0", "", false},
        NameCase{"ModifyNameInAnotherZSegment", 3, kLayer, "far", "", false},
        NameCase{"ModifyColumnNameInAnotherZSegment", 3, kColumn, "farCol", "", false},
        NameCase{"ModifyNameDifferingOnlyInCase", 3, kLayer, "ROW2", "", true},
        // New Layer above (0, 1): column 0's labels and row 2 of the other columns are replaced;
        // the selected row and the layer that moves up keep theirs.
        NameCase{"NewLayerNameOfTheSelectedRow", 2, kLayer, "row1", "", false},
        NameCase{"NewLayerColumnNameOfTheSelectedRow", 2, kColumn, "row1", "", false},
        NameCase{"NewLayerNameOfTheLayerMovingUp", 2, kLayer, "row2", "row2", false},
        NameCase{"NewLayerTheSelectedColumnsLabel", 2, kColumn, "colA", "colA", true},
        NameCase{"NewLayerNameInAnotherZSegment", 2, kColumn, "far", "", false},
        // New Column beside column 0: the layers of row 0 that are not empty take the page's
        // labels; the selected column and row keep theirs.
        NameCase{"NewColumnNameOfTheSelectedColumn", 1, kColumn, "colA", "", false},
        NameCase{"NewColumnNameOfTheSelectedRow", 1, kLayer, "row1", "", false},
        NameCase{"NewColumnNameOfRowZero", 1, kColumn, "row0", "", true},
        NameCase{"NewColumnEmptyLayerOfRowZeroKeepsItsLabels", 1, kLayer, "voidRow0", "voidRow0", false},
        NameCase{"NewColumnNameInAnotherZSegment", 1, kLayer, "farCol", "", false}));

TEST_F(LabelPage, TheListsCaptionPositionsAndSelectingFillsTheBoxes)
{
    g_EditLayer.m_Labels = {Label("a", 1), Label("b", 3, 0.25)};
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::LABEL_PAGE});
    EXPECT_EQ(Page().FillLayerLabels(), (Texts{"Layer Label1", "Layer Label2"}));
    EXPECT_EQ(Page().FillColumnLabels(), (Texts{}));
    EXPECT_FALSE(Page().IsDeltaEnabled(kLayer));

    Page().OnSelChangeLayerList(0);
    EXPECT_EQ(Page().m_strLayerName, "a");
    EXPECT_EQ(Page().m_nLayerLocation, 2);
    EXPECT_EQ(Page().m_dLayerDelta, kUnsetValue);
    EXPECT_FALSE(Page().IsDeltaEnabled(kLayer));
    Page().OnSelChangeLayerList(1);
    EXPECT_EQ(Page().m_nLayerLocation, 4);
    EXPECT_DOUBLE_EQ(Page().m_dLayerDelta, 0.25);
    EXPECT_TRUE(Page().IsDeltaEnabled(kLayer));
    Page().OnSelChangeLayerLocation(-1);
    EXPECT_FALSE(Page().IsDeltaEnabled(kLayer));
}

TEST_F(LabelPage, AddStoresTheLocationCodeAndTheDistanceOnlyForDistanceLocations)
{
    Open(3);
    const struct {
        int location;
        const char* delta;
        int code;
        double offset;
    } cases[] = {{0, "1.5", -1, kUnsetValue}, {3, "1.5", 2, kUnsetValue}, {4, "1.5", 3, 1.5}, {5, "-2", 4, -2.0}};
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "n" + std::to_string(n++);
        ASSERT_TRUE(Add(kColumn, name, c.location, c.delta)) << c.location;
        const CLabelRec& added = Page().m_ColumnLabels.back();
        EXPECT_EQ(added.m_strText, name);
        EXPECT_EQ(added.m_nLocation, c.code) << c.location;
        EXPECT_EQ(added.m_dOffset, c.offset) << c.location;
        EXPECT_EQ(Page().m_nColumnSelection, -1);
    }
    EXPECT_EQ(Page().FillColumnLabels().back(), "Column Label5");
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(LabelPage, EveryRefusalShowsItsMessageAndChangesNothing)
{
    Open(3);
    const std::vector<CLabelRec> layerBefore = Page().m_LayerLabels;
    const struct {
        const char* what;
        std::function<bool()> act;
        const char* message;
    } cases[] = {
        {"no location", [&] { return Add(kLayer, "x", -1); }, "Please select label type!"},
        {"no name", [&] { return Add(kLayer, "", 1); }, "Please set label name"},
        {"a distance that is no number", [&] { return Add(kLayer, "x", 4, "abc"); }, "Please enter a number."},
        {"a name in the page's other list", [&] { return Add(kLayer, "colA", 1); }, "colA already exists!"},
        {"the selected label's own name on Add",
         [&] {
             Page().OnSelChangeLayerList(0);
             return Add(kLayer, "row1", 1);
         },
         "row1 already exists!"},
        {"Set without a selection", [&] { return Set(kLayer, -1, "x"); }, "Please select one label first!"},
        {"Set to another label's name", [&] { return Set(kColumn, 0, "row1"); }, "row1 already exists!"},
        {"Set to a stored name", [&] { return Set(kLayer, 0, "colB"); }, "colB already exists!"},
        {"Remove without a selection",
         [&] {
             Page().OnSelChangeColumnList(-1);
             return Page().OnRemoveColumnLabel();
         },
         "Please select one label!"},
    };
    for (const auto& c : cases) {
        prompts.Clear();
        EXPECT_FALSE(c.act()) << c.what;
        EXPECT_EQ(prompts.Texts(), Texts{c.message}) << c.what;
        EXPECT_EQ(Page().m_LayerLabels, layerBefore) << c.what;
        EXPECT_EQ(TextsOf(Page().m_ColumnLabels), Texts{"colA"}) << c.what;
    }
}

TEST_F(LabelPage, AddAndSetDoNothingBeforeThePageWasShown)
{
    g_EditLayer.m_Labels = {Label("a")};
    OpenSheet(3, {CGeneral::SIZE_PAGE});
    EXPECT_FALSE(Add(kLayer, "x"));
    EXPECT_FALSE(Set(kLayer, 0, "x"));
    EXPECT_TRUE(prompts.Texts().empty());
    // Without a selection Set still says so: that test comes first.
    EXPECT_FALSE(Set(kLayer, -1, "x"));
    EXPECT_EQ(prompts.Texts(), Texts{"Please select one label first!"});
    Page().OnSelChangeLayerList(0);
    EXPECT_TRUE(Page().OnRemoveLayerLabel());
    EXPECT_TRUE(Page().m_LayerLabels.empty());
}

TEST_F(LabelPage, SetKeepsItsOwnNameAndLeavesTheCaptions)
{
    Open(3);
    ASSERT_TRUE(Set(kLayer, 0, "row1", 5, "0.5"));
    ASSERT_EQ(Page().m_LayerLabels.size(), 1u);
    EXPECT_EQ(Page().m_LayerLabels[0], Label("row1", 4, 0.5));
    EXPECT_EQ(Page().m_nLayerSelection, 0);
    ASSERT_TRUE(Set(kColumn, 0, "gate", 2));
    EXPECT_EQ(Page().m_ColumnLabels[0], Label("gate", 1));
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(LabelPage, RemovingTheSecondOfThreeRenumbersTheCaptions)
{
    g_EditColumn.m_Labels = {Label("p"), Label("q"), Label("r")};
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::LABEL_PAGE});
    Page().OnSelChangeColumnList(1);
    ASSERT_TRUE(Page().OnRemoveColumnLabel());
    EXPECT_EQ(TextsOf(Page().m_ColumnLabels), (Texts{"p", "r"}));
    EXPECT_EQ(Page().FillColumnLabels(), (Texts{"Column Label1", "Column Label2"}));
    EXPECT_EQ(Page().m_nColumnSelection, -1);
}

TEST_F(LabelPage, TheSheetHandsBackWhatThePageMade)
{
    Open(3);
    ASSERT_TRUE(Add(kLayer, "mid", 2));
    DropAnywhere("colA");
    ASSERT_TRUE(Add(kColumn, "gate", 4, "0.75"));
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(g_EditLayer.m_Labels, (std::vector<CLabelRec>{Label("row1"), Label("mid", 1)}));
    EXPECT_EQ(g_EditColumn.m_Labels, (std::vector<CLabelRec>{Label("gate", 3, 0.75)}));
}

TEST(LabelEditScope, WithoutACurrentZSegmentOnlyThePageDecides)
{
    ResetProcessState();
    CLayerLabelPosition page;
    page.SetLabels({Label("a")}, {});
    EXPECT_FALSE(page.IsLabelNameFree(kColumn, "a", true));
    EXPECT_TRUE(page.IsLabelNameFree(kColumn, "b", true));
}
