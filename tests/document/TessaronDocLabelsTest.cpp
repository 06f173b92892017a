#include "support/DocFixture.h"

#include <gtest/gtest.h>

namespace {

CLabelRec Label(const std::string& text, int location = 0) { return CLabelRec{text, location, -9999.0}; }

std::vector<std::string> Texts(const std::vector<CLabelRec>& labels)
{
    std::vector<std::string> texts;
    for (const CLabelRec& label : labels)
        texts.push_back(label.m_strText);
    return texts;
}

class Labels : public DocFixture {
protected:
    // Two z-segments: z-segment 0 with columns {gaas, void} and {void, inp}; z-segment 1 with one
    // column {gaas}.
    void SetUp() override
    {
        UseZSegments(2);
        AddColumn(0, {"gaas", "void"});
        AddColumn(0, {"void", "inp"});
        AddColumn(1, {"gaas"});
    }
};

}  // namespace

TEST_F(Labels, CollectTakesColumnLabelsAndEachRowUpToItsFirstRealLayer)
{
    Seg(0).Column(0).m_Labels = {Label("C1")};
    LayerAt(0, 0, 0).m_Labels = {Label("R0a")};
    LayerAt(0, 0, 1).m_Labels = {Label("R1void")};
    LayerAt(0, 1, 0).m_Labels = {Label("R0b")};   // row 0 already taken by a real layer
    LayerAt(0, 1, 1).m_Labels = {Label("R1b")};
    Seg(0).Column(1).m_Labels = {Label("C2")};

    std::vector<CLabelLocation> got;
    doc().CollectLabelsExceptRow(0, -1, got);
    std::vector<std::tuple<std::string, int, int>> where;
    for (const CLabelLocation& l : got)
        where.emplace_back(l.m_strText, l.m_nColumn, l.m_nRow);
    EXPECT_EQ(where, (std::vector<std::tuple<std::string, int, int>>{
                         {"C1", 0, -1}, {"R0a", 0, 0}, {"R1void", 0, 1}, {"C2", 1, -1}, {"R1b", 1, 1}}));

    doc().CollectLabelsExceptRow(0, 1, got);
    EXPECT_EQ(got.size(), 3u);
    doc().CollectLabelsExceptColumn(0, 0, got);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].m_strText, "C2");
    EXPECT_EQ(got[1].m_strText, "R0b");
    doc().CollectLabelsExceptRow(2, -1, got);
    EXPECT_TRUE(got.empty());
}

TEST_F(Labels, FreeTestsLeaveOutTheEditedRowOrColumn)
{
    LayerAt(0, 0, 0).m_Labels = {Label("A")};
    Seg(1).Column(0).m_Labels = {Label("B")};
    EXPECT_FALSE(doc().IsLabelFree("A"));
    EXPECT_FALSE(doc().IsLabelFree("B"));
    EXPECT_TRUE(doc().IsLabelFree("a"));
    EXPECT_TRUE(doc().IsRowLabelFree(0, 0, "A"));
    EXPECT_FALSE(doc().IsRowLabelFree(1, 0, "A"));
    EXPECT_TRUE(doc().IsColumnLabelFree(1, 0, "B"));
    EXPECT_FALSE(doc().IsColumnLabelFree(0, 0, "B"));
}

TEST_F(Labels, DefaultLabelsRenumberColumnLabelsAndRowLabelsUsedElsewhere)
{
    struct Case {
        const char* label;
        std::vector<const char*> elsewhere;  // column labels of z-segment 1
        const char* expect;
    };
    const Case cases[] = {
        {"C3", {}, "C4"},
        {"C3", {"C4"}, "C5"},
        {"gate", {}, "gate1"},
        {"gate", {"gate1", "gate2"}, "gate3"},
        {" x7 ", {}, "x7"},
    };
    for (const Case& c : cases) {
        Seg(0).Column(0).m_Labels = {Label(c.label)};
        Seg(1).Column(0).m_Labels.clear();
        for (const char* other : c.elsewhere)
            Seg(1).Column(0).m_Labels.push_back(Label(other));
        doc().AssignDefaultLabels(0);
        EXPECT_EQ(Seg(0).Column(0).m_Labels[0].m_strText, c.expect) << c.label;
    }
}

TEST_F(Labels, DefaultRowLabelsKeepFreeTextsAndNeverRepeatWithinARow)
{
    LayerAt(0, 0, 0).m_Labels = {Label("top")};
    LayerAt(0, 1, 1).m_Labels = {Label("m", 0), Label("m1", 1), Label("R3", 2)};
    LayerAt(1, 0, 0).m_Labels = {Label("top")};
    doc().AssignDefaultLabels(0);
    // A text without a number is numbered from 1; the row's labels go to every layer of the row.
    EXPECT_EQ(Texts(LayerAt(0, 0, 0).m_Labels), (std::vector<std::string>{"top1"}));
    EXPECT_EQ(Texts(LayerAt(0, 1, 0).m_Labels), (std::vector<std::string>{"top1"}));
    // Two labels of one row never get the same text; a free numbered text stays.
    EXPECT_EQ(Texts(LayerAt(0, 1, 1).m_Labels), (std::vector<std::string>{"m2", "m1", "R3"}));
    EXPECT_EQ(Texts(LayerAt(1, 0, 0).m_Labels), (std::vector<std::string>{"top"}));
}

TEST_F(Labels, RowLabelsAreTheUnionOfTheRowsRealLayers)
{
    LayerAt(0, 0, 1).m_Labels = {Label("v")};  // "void" layer: not read
    LayerAt(0, 1, 1).m_Labels = {Label("a"), Label("b")};
    std::vector<CLabelRec> got;
    doc().CollectLayerLabels(0, 1, got);
    EXPECT_EQ(Texts(got), (std::vector<std::string>{"a", "b"}));
    doc().SetRowLabels(0, 1, {Label("z")});
    EXPECT_EQ(Texts(LayerAt(0, 0, 1).m_Labels), (std::vector<std::string>{"z"}));  // written to "void" too

    doc().SetSelection(0, 1, 0);
    doc().CollectEditLayerLabels(got);
    EXPECT_EQ(Texts(got), (std::vector<std::string>{"z"}));  // labels of the row above
    doc().SetSelection(-1, -1, -1);
    doc().CollectEditLayerLabels(got);
    EXPECT_TRUE(got.empty());
}

TEST_F(Labels, MergeKeepsOwnEntriesThenAddsEntriesOfNewPlacements)
{
    std::vector<CLabelRec> b = {Label("x", 0), Label("y", 1)};
    CTessaronDoc::MergeLabelLists({Label("x", 0), Label("w", 1), Label("v", 2)}, b);
    EXPECT_EQ(Texts(b), (std::vector<std::string>{"y", "x", "v"}));
}

TEST_F(Labels, DuplicateReportShowsEachPairAndStopsOnNo)
{
    Seg(0).Column(0).m_Labels = {Label("A")};
    Seg(1).Column(0).m_Labels = {Label("A")};
    LayerAt(0, 1, 1).m_Labels = {Label("A")};
    const std::string first = "(Face 1 column 1) column label is same as \n(Face 1 layer 2) layer label";
    const std::string question = "Do you want to see next label error prompt?";
    prompts.AnswerNext(IDOK);
    prompts.AnswerNext(IDNO);
    doc().CheckLabelsUnique();
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{first, question}));
    EXPECT_EQ(prompts.Shown_()[1].type, unsigned(MB_YESNO | MB_ICONQUESTION));

    prompts.Clear();
    for (int i = 0; i < 3; ++i) {
        prompts.AnswerNext(IDOK);
        prompts.AnswerNext(IDYES);
    }
    doc().CheckLabelsUnique();
    EXPECT_EQ(prompts.Texts(),
              (std::vector<std::string>{first, question,
                                        "(Face 1 column 1) column label is same as \n(Face 2 column 1) column label",
                                        question,
                                        "(Face 1 layer 2) layer label is same as \n(Face 2 column 1) column label",
                                        question}));
}
