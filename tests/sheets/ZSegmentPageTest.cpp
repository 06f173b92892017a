// The "Z-segment" page without its window: what it shows for a new and for the current
// z-segment, the z range it hands back by From/To and by lengths, its range checks, the refusal of
// z planes under the isolated-layer method, the solution method that changes only through OK, and
// the taper-line choice the command allows.

#include "SheetFixture.h"
#include "model/ProcessState.h"
#include "sheets/DataExchange.h"
#include "sheets/ZSegmentPage.h"
#include "support/FakeDialogControls.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using Page = CZSegmentPage;

const char kRefusal[] = "You select 3d-isolated-layer method,\nbut you set zplanes more than 1!";

// The edit images as a command fills them: a z-segment [from, to] with 3 planes, link "no",
// angle 15, a column with a taper line.
void FillImages(double from, double to)
{
    g_EditZSegment.m_Params.m_dZFrom = from;
    g_EditZSegment.m_Params.m_dZTo = to;
    g_EditZSegment.m_Params.m_nZPlanes = 3;
    g_EditZSegment.m_Params.m_strTaperLink = "no";
    g_EditZSegment.m_Params.m_dAngle = 15.0;
    g_EditColumn.m_nTaperLine = 1;
}

// The page as the sheet opens it, shown in controls a test types into.
class ZSegmentPage : public ::testing::Test {
protected:
    ZSegmentPage() { ResetProcessState(); }
    ~ZSegmentPage() override { ResetProcessState(); }

    void Open(int mode, double previousEnd = 0.0)
    {
        g_nLayerEditMode = mode;
        page.SetPreviousZEnd(previousEnd);
        page.OnInitPage();
        CDataExchange dx(controls, false);
        page.DoDataExchange(dx);
    }
    // Reads the controls as OK does, then the page's own check; true when the sheet may close.
    bool Ok()
    {
        CDataExchange dx(controls, true);
        page.DoDataExchange(dx);
        return !dx.Failed() && page.CheckAndStore();
    }

    Page page;
    FakeDialogControls controls;
    ScriptedPrompts prompts;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Opening

TEST_F(ZSegmentPage, ANewZSegmentShowsItsImageAndClearsTheColumnsTaperLine)
{
    FillImages(2.0, 5.0);
    Open(1);
    EXPECT_EQ(controls.texts[Page::IDC_FROM], "2");
    EXPECT_EQ(controls.texts[Page::IDC_TO], "5");
    EXPECT_EQ(controls.texts[Page::IDC_SEGMENT_LENGTH], "3");
    EXPECT_EQ(controls.texts[Page::IDC_TAPER_LENGTH], "2");
    EXPECT_EQ(controls.texts[Page::IDC_ZPLANES], "3");
    EXPECT_EQ(controls.texts[Page::IDC_ROTATION_ANGLE], "15");
    EXPECT_EQ(page.GetLinkSelection(), 1);
    EXPECT_EQ(page.GetTaperLineSelection(), 0);
    EXPECT_EQ(g_EditColumn.m_nTaperLine, 0) << "cleared as the page opens";
}

TEST_F(ZSegmentPage, TheCurrentZSegmentCountsItsTaperFromTheEndBeforeAndKeepsTheColumnsTaperLine)
{
    FillImages(3.5, 5.0);
    Open(3, 2.5);
    EXPECT_EQ(controls.texts[Page::IDC_SEGMENT_LENGTH], "1.5");
    EXPECT_EQ(controls.texts[Page::IDC_TAPER_LENGTH], "1");
    EXPECT_EQ(page.GetTaperLineSelection(), 1);
    EXPECT_EQ(g_EditColumn.m_nTaperLine, 1);
}

TEST_F(ZSegmentPage, AnotherEditModeLoadsNothing)
{
    FillImages(2.0, 5.0);
    Open(0);
    EXPECT_EQ(controls.texts[Page::IDC_FROM], "0");
    EXPECT_EQ(controls.texts[Page::IDC_TO], "0");
    EXPECT_EQ(controls.texts[Page::IDC_ZPLANES], "1");
    EXPECT_EQ(page.GetLinkSelection(), 0) << "yes";
}

// ---------------------------------------------------------------------------------------------
// The z range handed back

namespace {

struct RangeCase {
    const char* name;
    int mode;
    bool byLengths;
    double previousEnd;
    // Typed into the boxes; null leaves what the page showed.
    const char* from;
    const char* to;
    const char* segmentLength;
    const char* taperLength;
    double expectFrom, expectTo;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

class ZSegmentPageRange : public ZSegmentPage, public ::testing::WithParamInterface<RangeCase> {};

}  // namespace

TEST_P(ZSegmentPageRange, ComesFromTheEntryInUse)
{
    const RangeCase& c = GetParam();
    g_strIsolatedMethod = "yes";  // the flow method: the image's 3 planes stand
    FillImages(3.5, 5.0);
    g_bZSegByLengths = c.byLengths;
    Open(c.mode, c.previousEnd);
    const std::pair<int, const char*> typed[] = {{Page::IDC_FROM, c.from},
                                                 {Page::IDC_TO, c.to},
                                                 {Page::IDC_SEGMENT_LENGTH, c.segmentLength},
                                                 {Page::IDC_TAPER_LENGTH, c.taperLength}};
    for (const auto& [id, text] : typed)
        if (text)
            controls.texts[id] = text;
    ASSERT_TRUE(Ok());
    CZSegment image;
    CColumnRec column;
    page.StoreInto(image, column);
    EXPECT_EQ(image.m_Params.m_dZFrom, c.expectFrom);
    EXPECT_EQ(image.m_Params.m_dZTo, c.expectTo);
    EXPECT_EQ(image.m_Params.m_nZPlanes, 3);
    EXPECT_EQ(image.m_Params.m_strTaperLink, "no");
    EXPECT_EQ(image.m_Params.m_dAngle, 15.0);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ZSegmentPageRange,
    ::testing::Values(
        RangeCase{"NewUnchangedByPosition", 1, false, 0.0, nullptr, nullptr, nullptr, nullptr, 3.5, 5.0},
        RangeCase{"NewUnchangedByLengths", 1, true, 0.0, nullptr, nullptr, nullptr, nullptr, 3.5, 5.0},
        RangeCase{"CurrentUnchangedByPosition", 3, false, 2.5, nullptr, nullptr, nullptr, nullptr, 3.5, 5.0},
        RangeCase{"CurrentUnchangedByLengths", 3, true, 2.5, nullptr, nullptr, nullptr, nullptr, 3.5, 5.0},
        RangeCase{"NewTypedByPosition", 1, false, 0.0, "1", "7.25", nullptr, nullptr, 1.0, 7.25},
        RangeCase{"CurrentTypedByLengths", 3, true, 2.5, nullptr, nullptr, "4", "0.5", 3.0, 7.0},
        // The lengths entry ignores what stands in From and To, and the reverse.
        RangeCase{"LengthsIgnoreFromAndTo", 3, true, 2.5, "9", "9", "2", "1", 3.5, 5.5},
        RangeCase{"PositionIgnoresLengths", 3, false, 2.5, nullptr, "6", "9", "9", 3.5, 6.0},
        // Lengths have no range of their own; the document's range rules deal with the result.
        RangeCase{"NegativeTaper", 3, true, 2.5, nullptr, nullptr, "1", "-0.5", 2.0, 3.0}));

// ---------------------------------------------------------------------------------------------
// Checks

namespace {

struct CheckCase {
    int box;
    const char* text;
    const char* message;  // "" when accepted
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.box << " \"" << c.text << "\""; }

class ZSegmentPageChecks : public ZSegmentPage, public ::testing::WithParamInterface<CheckCase> {};

}  // namespace

TEST_P(ZSegmentPageChecks, RefuseOutOfRangeValuesWithTheStandardMessage)
{
    const CheckCase& c = GetParam();
    g_strIsolatedMethod = "yes";  // z planes above 1 are allowed: only the ranges are checked
    FillImages(1.0, 2.0);
    g_bZSegByLengths = true;  // From and To are checked even while their boxes are disabled
    Open(3);
    if (*c.message)
        prompts.AnswerNext(IDOK);
    controls.texts[c.box] = c.text;
    const bool accepted = Ok();
    EXPECT_EQ(accepted, std::string(c.message).empty());
    if (!accepted) {
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(controls.focused, std::vector<int>{c.box});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ZSegmentPageChecks,
    ::testing::Values(CheckCase{Page::IDC_FROM, "10000", ""},
                      CheckCase{Page::IDC_FROM, "10000.5", "Please enter a number between 0 and 10000."},
                      CheckCase{Page::IDC_TO, "-0.1", "Please enter a number between 0 and 10000."},
                      CheckCase{Page::IDC_TO, "x", "Please enter a number."},
                      CheckCase{Page::IDC_SEGMENT_LENGTH, "20000", ""},
                      CheckCase{Page::IDC_ZPLANES, "1000", ""},
                      CheckCase{Page::IDC_ZPLANES, "1001", "Please enter an integer between 0 and 1000."},
                      CheckCase{Page::IDC_ZPLANES, "-1", "Please enter an integer between 0 and 1000."},
                      CheckCase{Page::IDC_ZPLANES, "1.5", "Please enter an integer."},
                      CheckCase{Page::IDC_ROTATION_ANGLE, "-360", ""},
                      CheckCase{Page::IDC_ROTATION_ANGLE, "360.5", "Please enter a number between -360 and 360."}));

namespace {

struct PlanesCase {
    int methodSelection;  // 0 isolated layer, 1 flow, 2 the empty entry
    const char* zplanes;
    bool accepted;
};

void PrintTo(const PlanesCase& c, std::ostream* os) { *os << "method " << c.methodSelection << " zplanes " << c.zplanes; }

class ZSegmentPagePlanes : public ZSegmentPage, public ::testing::WithParamInterface<PlanesCase> {};

}  // namespace

TEST_P(ZSegmentPagePlanes, AreOneAtMostUnderTheIsolatedLayerMethod)
{
    const PlanesCase& c = GetParam();
    FillImages(1.0, 2.0);
    Open(3);
    page.OnSelChangeSolutionMethod(c.methodSelection);
    if (!c.accepted)
        prompts.AnswerNext(IDOK);
    controls.texts[Page::IDC_ZPLANES] = c.zplanes;
    controls.texts[Page::IDC_TO] = "4";
    EXPECT_EQ(Ok(), c.accepted);
    if (c.accepted) {
        EXPECT_EQ(page.m_Params.m_nZPlanes, std::stoi(c.zplanes));
        EXPECT_TRUE(prompts.Texts().empty());
    } else {
        ASSERT_EQ(prompts.Texts(), std::vector<std::string>{kRefusal});
        EXPECT_EQ(prompts.Shown_()[0].type & MB_ICONMASK, unsigned(MB_ICONWARNING));
        EXPECT_EQ(page.m_Params.m_nZPlanes, 3) << "the refused planes are not taken";
        EXPECT_EQ(page.m_Params.m_dZTo, 4.0) << "the range is";
    }
}

INSTANTIATE_TEST_SUITE_P(Methods, ZSegmentPagePlanes,
                         ::testing::Values(PlanesCase{0, "2", false}, PlanesCase{0, "1000", false},
                                           PlanesCase{0, "1", true}, PlanesCase{0, "0", true},
                                           PlanesCase{1, "1000", true}, PlanesCase{1, "0", true},
                                           PlanesCase{2, "2", true}));

TEST_F(ZSegmentPage, TheRadioPairIsSharedWithThePositionDialogAndEnablesItsBoxes)
{
    Open(3);
    EXPECT_EQ(page.GetPositionRadio(), Page::IDC_BY_POSITION);
    EXPECT_TRUE(page.IsControlEnabled(Page::IDC_FROM));
    EXPECT_FALSE(page.IsControlEnabled(Page::IDC_TAPER_LENGTH));
    page.OnRadioLengths();
    EXPECT_TRUE(g_bZSegByLengths) << "the position dialog opens by lengths next";
    EXPECT_FALSE(page.IsControlEnabled(Page::IDC_TO));
    EXPECT_TRUE(page.IsControlEnabled(Page::IDC_SEGMENT_LENGTH));
    EXPECT_TRUE(page.IsControlEnabled(Page::IDC_ZPLANES));
    page.OnRadioPosition();
    EXPECT_FALSE(g_bZSegByLengths);
}

// ---------------------------------------------------------------------------------------------
// Through the sheet: the method and the taper line

namespace {

class ZSegmentSheetForm : public SheetFixture {
protected:
    ZSegmentSheetForm()
    {
        request.caption = "Modify Z Panels";
        FillImages(1.0, 2.0);
        g_EditZSegment.m_Params.m_nZPlanes = 1;
    }
    CZSegmentPage& OpenZSegmentForm(int mode, int pageIndex)
    {
        request.zSegmentPageIndex = pageIndex;
        request.previousZEnd = 0.5;
        OpenSheet(mode, {}, false);
        CZSegmentPage& page = sheet->m_ZSegmentPage;
        page.MarkInitialised();
        page.OnInitPage();
        return page;
    }
};

}  // namespace

TEST_F(ZSegmentSheetForm, TheMethodChangesOnlyWhenTheSheetClosesThroughOk)
{
    ASSERT_EQ(g_strIsolatedMethod, "no");
    CZSegmentPage& cancelled = OpenZSegmentForm(3, 1);
    cancelled.OnSelChangeSolutionMethod(CZSegmentPage::FLOW);
    sheet.reset();  // Cancel: the sheet goes without its OK
    EXPECT_EQ(g_strIsolatedMethod, "no");

    CZSegmentPage& accepted = OpenZSegmentForm(3, 1);
    EXPECT_EQ(accepted.GetMethodSelection(), CZSegmentPage::ISOLATED_LAYER);
    accepted.OnSelChangeSolutionMethod(2);  // the empty entry
    accepted.m_nZPlanes = 4;
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(g_strIsolatedMethod, "yes");
    EXPECT_EQ(g_EditZSegment.m_Params.m_nZPlanes, 4);
    EXPECT_EQ(OpenZSegmentForm(3, 1).GetMethodSelection(), CZSegmentPage::FLOW) << "shown as 3d-flow";
}

TEST_F(ZSegmentSheetForm, ARefusedPageKeepsTheSheetOpenAndTheImagesAsTheyWere)
{
    CZSegmentPage& page = OpenZSegmentForm(3, 1);
    page.m_nZPlanes = 2;
    page.m_dTo = 9.0;
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(sheet->OnOkPressed());
    EXPECT_EQ(sheet->m_bAccepted, 0);
    EXPECT_EQ(window.calls, std::vector<std::string>{"commit"});
    EXPECT_EQ(g_EditZSegment.m_Params.m_dZTo, 2.0);
}

TEST_F(ZSegmentSheetForm, TheSheetHandsTheCommandsValuesToThePage)
{
    CZSegmentPage& page = OpenZSegmentForm(3, 1);
    EXPECT_TRUE(page.IsControlEnabled(CZSegmentPage::IDC_TAPER_LINE));
    EXPECT_EQ(page.m_dTaperLength, 0.5) << "from the end the command gave";
    page.OnSelChangeTaperLine(0);
    page.OnSelChangeLinkTaperContact(0);
    g_bZSegByLengths = true;
    page.m_dTaperLength = 1.0;
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(g_EditColumn.m_nTaperLine, 0);
    EXPECT_EQ(g_EditZSegment.m_Params.m_strTaperLink, "yes");
    EXPECT_EQ(g_EditZSegment.m_Params.m_dZFrom, 1.5);
    EXPECT_EQ(g_EditZSegment.m_Params.m_dZTo, 2.5);

    // A substitute selection (index 0) and a new z-segment (nothing passed) offer no taper line.
    EXPECT_FALSE(OpenZSegmentForm(3, 0).IsControlEnabled(CZSegmentPage::IDC_TAPER_LINE));
    EXPECT_FALSE(OpenZSegmentForm(1, 0).IsControlEnabled(CZSegmentPage::IDC_TAPER_LINE));
}
