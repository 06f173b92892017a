#include "sheets/DataExchange.h"
#include "support/FakeDialogControls.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct RealCase {
    const char* text;
    bool accepted;
    double value;
};

void PrintTo(const RealCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ReadingANumberBox : public ::testing::TestWithParam<RealCase> {};

}  // namespace

TEST_P(ReadingANumberBox, TakesOneWholeNumberOrRefusesWithItsMessage)
{
    const RealCase& c = GetParam();
    ScriptedPrompts prompts;
    if (!c.accepted)
        prompts.AnswerNext(IDOK);
    FakeDialogControls controls;
    controls.texts[1000] = c.text;
    double value = -1.0;
    CDataExchange dx(controls, true);
    dx.Text(1000, value);
    EXPECT_EQ(dx.Failed(), !c.accepted);
    if (c.accepted) {
        EXPECT_DOUBLE_EQ(value, c.value);
        EXPECT_TRUE(prompts.Texts().empty());
    } else {
        EXPECT_EQ(value, -1.0);  // the member keeps its value
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Please enter a number."});
        EXPECT_EQ(controls.focused, std::vector<int>{1000});
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadingANumberBox,
                         ::testing::Values(RealCase{"2.5", true, 2.5}, RealCase{"  1e-3\t", true, 1e-3},
                                           RealCase{"-4", true, -4.0}, RealCase{"0", true, 0.0},
                                           RealCase{"", false, 0}, RealCase{"abc", false, 0},
                                           RealCase{"2.5um", false, 0}, RealCase{"2,5", false, 0},
                                           RealCase{".0", false, 0}));

TEST(DataExchange, IntegersRefuseFractionsAndWords)
{
    const struct {
        const char* text;
        bool accepted;
        int value;
    } cases[] = {{"12", true, 12}, {" -3 ", true, -3}, {"+7", true, 7}, {"1.5", false, 0},
                 {"", false, 0},   {"x", false, 0},    {"99999999999", false, 0}};
    for (const auto& c : cases) {
        int value = 0;
        EXPECT_EQ(CDataExchange::ReadInt(c.text, value), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
    ScriptedPrompts prompts;
    prompts.AnswerNext(IDOK);
    FakeDialogControls controls;
    controls.texts[5] = "1.5";
    int value = 0;
    CDataExchange dx(controls, true);
    dx.Text(5, value);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Please enter an integer."});
}

TEST(DataExchange, ShowingWritesNumbersInTheirShortForm)
{
    FakeDialogControls controls;
    float height = 2.4f;
    double shift = 0.1;
    int count = 42;
    std::string name = "gaas";
    CDataExchange dx(controls, false);
    dx.Text(1, height);
    dx.Text(2, shift);
    dx.Text(3, count);
    dx.Text(4, name);
    dx.MinMaxFloat(height, 5.0f, 6.0f);  // ranges are not checked while showing
    EXPECT_FALSE(dx.Failed());
    EXPECT_EQ(controls.texts, (std::map<int, std::string>{{1, "2.4"}, {2, "0.1"}, {3, "42"}, {4, "gaas"}}));
    EXPECT_EQ(CDataExchange::FloatText(1e-5f), "1e-005");
    EXPECT_EQ(CDataExchange::FloatText(1000.0f), "1000");
}

TEST(DataExchange, AValueOutOfRangeShowsTheRangeAndStopsTheExchange)
{
    ScriptedPrompts prompts;
    prompts.AnswerNext(IDOK);
    FakeDialogControls controls;
    controls.texts = {{1000, "0"}, {1002, "oops"}};
    float height = 1.0f, width = 1.0f;
    CDataExchange dx(controls, true);
    dx.Text(1000, height);
    dx.MinMaxFloat(height, 1e-5f, 1000.0f);
    dx.Text(1002, width);  // after the first refusal nothing more is read or shown
    EXPECT_TRUE(dx.Failed());
    EXPECT_EQ(height, 0.0f);
    EXPECT_EQ(width, 1.0f);
    ASSERT_EQ(prompts.Shown_().size(), 1u);
    EXPECT_EQ(prompts.Shown_()[0].text, "Please enter a number between 1e-005 and 1000.");
    EXPECT_EQ(prompts.Shown_()[0].type & MB_ICONMASK, unsigned(MB_ICONEXCLAMATION));
    EXPECT_EQ(controls.focused, std::vector<int>{1000});
}

TEST(DataExchange, IntegerAndDoubleRangesUseTheirOwnMessages)
{
    ScriptedPrompts prompts;
    prompts.AnswerNext(IDOK);
    prompts.AnswerNext(IDOK);
    FakeDialogControls controls;
    {
        CDataExchange dx(controls, true);
        dx.MinMaxInt(101, 1, 100);
    }
    {
        CDataExchange dx(controls, true);
        dx.MinMaxDouble(-1.0, 1e-20, 100000.0);
    }
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"Please enter an integer between 1 and 100.",
                                                         "Please enter a number between 1e-020 and 100000."}));
}

TEST(DataExchange, ATextLongerThanItsLimitIsRefusedWhileShowingIsNot)
{
    ScriptedPrompts prompts;
    prompts.AnswerNext(IDOK);
    FakeDialogControls controls;
    controls.texts = {{1259, std::string(129, 'a')}};
    std::string name;
    {
        CDataExchange dx(controls, false);
        std::string shown(200, 'b');
        dx.Text(1259, shown);
        dx.MaxChars(shown, 128);
        EXPECT_FALSE(dx.Failed());
    }
    CDataExchange dx(controls, true);
    controls.texts[1259] = std::string(128, 'a');
    dx.Text(1259, name);
    dx.MaxChars(name, 128);
    EXPECT_FALSE(dx.Failed());
    controls.texts[1259] += "a";
    dx.Text(1259, name);
    dx.MaxChars(name, 128);
    EXPECT_TRUE(dx.Failed());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Please enter no more than 128 characters."});
    EXPECT_EQ(controls.focused, std::vector<int>{1259});
}
