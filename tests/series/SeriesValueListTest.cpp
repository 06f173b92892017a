// The values a model-based series runs through, and the refusals of ranges that would never end
// or would be too long to build.

#include "series/SeriesValueList.h"
#include "support/DocFixture.h"
#include "series/SeriesVariable.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <vector>

namespace {

struct ValueListCase {
    const char* what;
    double initial;
    double final;
    double step;
    CSeriesValueList::Status status;
    std::vector<double> values;
};

void PrintTo(const ValueListCase& c, std::ostream* os) { *os << c.what; }

class ValueLists : public ::testing::TestWithParam<ValueListCase> {};

}  // namespace

TEST_P(ValueLists, GiveTheExpectedValuesOrRefuse)
{
    const ValueListCase& c = GetParam();
    std::vector<double> values{42.0};
    EXPECT_EQ(CSeriesValueList::Build(c.initial, c.final, c.step, values), c.status);
    ASSERT_EQ(values.size(), c.values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_DOUBLE_EQ(values[i], c.values[i]) << "value " << i;
    // Every value is distinct: no rounding repeats one.
    for (std::size_t i = 1; i < values.size(); ++i)
        EXPECT_NE(values[i], values[i - 1]);
}

INSTANTIATE_TEST_SUITE_P(
    Series, ValueLists,
    ::testing::Values(
        ValueListCase{"1 to 2 by 0.3 ends on final", 1, 2, 0.3, CSeriesValueList::built, {1, 1.3, 1.6, 1.9, 2}},
        ValueListCase{"1 to 2 by 0.5", 1, 2, 0.5, CSeriesValueList::built, {1, 1.5, 2}},
        ValueListCase{"1 to 3 by 1", 1, 3, 1, CSeriesValueList::built, {1, 2, 3}},
        ValueListCase{"1 to 3.5 by 1 adds final", 1, 3.5, 1, CSeriesValueList::built, {1, 2, 3, 3.5}},
        ValueListCase{"0.1 to 0.5 by 0.1", 0.1, 0.5, 0.1, CSeriesValueList::built, {0.1, 0.2, 0.3, 0.4, 0.5}},
        ValueListCase{"0.01 to 0.1 by 0.01 gives ten values",
                      0.01, 0.1, 0.01, CSeriesValueList::built,
                      {0.01, 0.02, 0.03, 0.04, 0.05, 0.06, 0.07, 0.08, 0.09, 0.1}},
        ValueListCase{"2 down to 1 by -0.4", 2, 1, -0.4, CSeriesValueList::built, {2, 1.6, 1.2, 1}},
        ValueListCase{"negative range -3 to 3 by 3", -3, 3, 3, CSeriesValueList::built, {-3, 0, 3}},
        ValueListCase{"negative range counting down", -1, -2, -0.5, CSeriesValueList::built, {-1, -1.5, -2}},
        ValueListCase{"one point", 5, 5, 1, CSeriesValueList::built, {5}},
        ValueListCase{"step 0 never ends", 1, 2, 0, CSeriesValueList::stepTooSmall, {}},
        ValueListCase{"step 0 on one point", 1, 1, 0, CSeriesValueList::stepTooSmall, {}},
        ValueListCase{"a step below the values' resolution", 1e6, 2e6, 1e-12, CSeriesValueList::stepTooSmall, {}},
        ValueListCase{"a step that points away", 2, 1, 0.5, CSeriesValueList::emptyRange, {}},
        ValueListCase{"10^7 values", 1, 1e7, 1, CSeriesValueList::tooMany, {}},
        ValueListCase{"not a number", 1, 2, std::numeric_limits<double>::quiet_NaN(),
                      CSeriesValueList::stepTooSmall, {}}));

TEST(SeriesValueList, CountsWithoutBuilding)
{
    std::size_t count = 0;
    EXPECT_EQ(CSeriesValueList::Count(1, 1000, 1, count), CSeriesValueList::built);
    EXPECT_EQ(count, 1000u);
    EXPECT_EQ(CSeriesValueList::Count(1, 1e12, 1, count), CSeriesValueList::tooMany);
    EXPECT_EQ(count, 0u);
}

class SeriesVariableTest : public DocFixture {};

TEST_F(SeriesVariableTest, BuildsItsListOnFirstUseAndIgnoresIndexesOutsideIt)
{
    CSeriesVariable variable;
    variable.SetName("concentration");
    double bound = -1.0;
    variable.m_pBound = &bound;
    variable.m_dInitial = 1.0;
    variable.m_dFinal = 2.0;
    variable.m_dStep = 0.5;
    variable.m_dCurrent = 7.0;
    CTessaronDoc& document = doc();
    variable.ApplyValueAt(document, 2);
    EXPECT_EQ(bound, 2.0);
    EXPECT_EQ(variable.m_Values, (std::vector<double>{1.0, 1.5, 2.0}));
    variable.ApplyValueAt(document, 3);
    variable.ApplyValueAt(document, -1);
    EXPECT_EQ(bound, 2.0);
    variable.ApplyCurrent(document);
    EXPECT_EQ(bound, 7.0);

    // A range of one point (initial equal to final, step 0 as the table makes it) is that value.
    variable.m_Values.clear();
    variable.m_dFinal = variable.m_dInitial;
    variable.m_dStep = 0.0;
    variable.BuildValues();
    EXPECT_EQ(variable.m_Values, std::vector<double>{1.0});
}
