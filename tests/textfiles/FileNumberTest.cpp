// The number texts of the ".layer" writer: the "%f" text the files have always had whenever it
// reads back as the value (arithmetic noise aside), else the shortest "%g" text that does.

#include "textfiles/LayerFileContext.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct FileNumberCase {
    double value;
    const char* asDouble;  // FileNumber
    const char* asFloat;   // FileNumberOfFloat of the value narrowed to a float
};

const FileNumberCase kCases[] = {
    {0.5, "0.500000", "0.500000"},
    {1234.5, "1234.500000", "1234.500000"},
    {0.0, "0.000000", "0.000000"},
    {-3.25, "-3.250000", "-3.250000"},
    // A float of 0.1 is not a double of 0.1, but its "%f" text reads back as that float.
    {0.1, "0.100000", "0.100000"},
    {1e-7, "1e-007", "1e-007"},
    {-2.5e-9, "-2.5e-009", "-2.5e-009"},
    {0.1234567, "0.1234567", "0.1234567"},
    // The rounding noise of stepped values keeps the fixed text; a twelfth digit does not.
    {0.1 + 0.2, "0.300000", "0.300000"},
    {3e-7 + 1e-23, "3e-007", "3e-007"},
    {1.00000000001, "1.00000000001", "1.000000"},
    // "%f" gives every digit of a large value: it reads back as itself.
    {1e24, "999999999999999983222784.000000", "1000000013848427855085568.000000"},
};

TEST(FileNumber, KeepsTheFixedTextUnlessItLosesTheValue)
{
    for (const FileNumberCase& c : kCases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FileNumber(c.value), c.asDouble);
        EXPECT_EQ(FileNumberOfFloat(static_cast<float>(c.value)), c.asFloat);
    }
}

TEST(FileNumber, ANumberThatIsNoneKeepsItsFixedText)
{
    EXPECT_EQ(FileNumber(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(FileNumberOfFloat(-std::numeric_limits<float>::infinity()), "-inf");
}

}  // namespace
