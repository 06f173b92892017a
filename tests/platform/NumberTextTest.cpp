#include "platform/Archive.h"
#include "platform/FileIO.h"
#include "platform/NumberText.h"
#include "platform/ProcessRunner.h"
#include "support/TempFolder.h"
#include "statements/KeywordLine.h"
#include "statements/KeywordLineList.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>

#include <optional>
#include <string>
#include <vector>

TEST(NumberText, LeadingNumberReading)
{
    struct Case {
        const char* text;
        double value;
        std::size_t consumed;
    };
    const Case cases[] = {
        {"1.5", 1.5, 3},       {"  -2.5e3xyz", -2500.0, 8}, {"1e", 1.0, 1},      {"1e+", 1.0, 1},
        {".5", 0.5, 2},        {"5.", 5.0, 2},              {".", 0.0, 0},       {"abc", 0.0, 0},
        {"", 0.0, 0},          {"0x1A", 0.0, 1},            {"inf", 0.0, 0},     {"nan", 0.0, 0},
        {"+7,5", 7.0, 2},      {"\t\n3", 3.0, 3},           {"1.5E-2", 0.015, 6}, {"-", 0.0, 0},
    };
    for (const Case& c : cases) {
        std::size_t used = 99;
        EXPECT_DOUBLE_EQ(StrToD(c.text, &used), c.value) << c.text;
        EXPECT_EQ(used, c.consumed) << c.text;
        EXPECT_DOUBLE_EQ(AtoF(c.text), c.value) << c.text;
    }
}

TEST(NumberText, BoundedFloatReading)
{
    // The text ends at `length` characters, whatever follows; the value is the float nearest the
    // digits, as "%f" reads it.
    struct Case {
        const char* text;
        std::size_t length;
        float value;
        std::size_t consumed;
    };
    const Case cases[] = {
        {"0.1 2", 5, 0.1f, 3},   {"  +7.25", 7, 7.25f, 7}, {"-3e2x", 5, -300.0f, 4}, {"12345", 3, 123.0f, 3},
        {"  \n5", 2, 0.0f, 0},   {"1e5", 2, 1.0f, 1},      {"abc", 3, 0.0f, 0},      {"1,5", 3, 1.0f, 1},
        {"1e39", 4, HUGE_VALF, 4}, {"16777217", 8, 16777216.0f, 8},
    };
    for (const Case& c : cases) {
        std::size_t used = 99;
        EXPECT_EQ(StrToF(c.text, c.text + c.length, &used), c.value) << c.text;
        EXPECT_EQ(used, c.consumed) << c.text;
    }
}

namespace {

// The values a file holds and the ones that test rounding: ties, negative zero, the ends of the
// range, subnormals and a spread of magnitudes.
std::vector<double> SampleValues()
{
    std::vector<double> values = {0.0,   -0.0,    0.5,      1.5,     2.5,    0.125,   0.375,  1e17,
                                  1e-5,  1e18,    -2.5e-7,  1e100,   1e300,  1e-300,  5e-324, 1.7976931348623157e308,
                                  0.001, 0.05,    0.999999, 9.9999995, 123456789.0, 0.1,   1.0 / 3.0, -7.25};
    unsigned state = 12345;
    for (int i = 0; i < 400; ++i) {
        state = state * 1103515245u + 12345u;
        const double mantissa = double(state % 1000003) / 1000.0;
        const int exponent = int(state >> 20) % 40 - 20;
        values.push_back((state & 1 ? -1 : 1) * mantissa * std::pow(10.0, exponent));
        values.push_back(float(mantissa * std::pow(10.0, exponent / 2)));  // what float records hold
    }
    return values;
}

// printf in the "C" locale, with the exponent widened to three digits as the files have it (for a
// field wider than the number the widening comes before the padding: not covered here).
std::string PrintfReference(const char* spec, double value)
{
    locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    locale_t previous = uselocale(c);
    char buffer[600];
    std::snprintf(buffer, sizeof buffer, spec, value);
    uselocale(previous);
    freelocale(c);
    std::string text = buffer;
    const std::size_t e = text.find_first_of("eE");
    if (e != std::string::npos && text.find_first_of("nN") == std::string::npos) {
        std::size_t digits = e + 1;
        if (text[digits] == '+' || text[digits] == '-')
            ++digits;
        std::size_t end = digits;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
            ++end;
        if (end - digits < 3)
            text.insert(digits, 3 - (end - digits), '0');
    }
    return text;
}

}  // namespace

TEST(NumberText, FormattingMatchesPrintfForEveryValue)
{
    const char* const specs[] = {"%f",   "%8.6f", "%4.2e", "%.2f", "%.3f", "%e",  "%E",   "%g",   "%G",
                                 "%.0f", "%.0e",  "%.0g", "%.1g", "%-12.3f", "%013.3f", "%.17g", "%5.1f"};
    for (double value : SampleValues())
        for (const char* spec : specs)
            EXPECT_EQ(StrFormat(spec, value), PrintfReference(spec, value)) << spec << " of " << value;
    for (double special : {HUGE_VAL, -HUGE_VAL, std::nan("")})
        EXPECT_EQ(StrFormat("%f|%e|%g", special, special, special),
                  PrintfReference("%f", special) + "|" + PrintfReference("%e", special) + "|" +
                      PrintfReference("%g", special));
}

TEST(NumberText, FixedAndScientificTextsMatchTheirFormats)
{
    std::vector<double> values = SampleValues();
    // Ties at the last digit kept, values just below a carry into a new digit, and the texts a
    // number that is none gets.
    for (double value : {0.0000005, 0.0000015, 0.0000025, 9.9999995e-7, 999999.9999995, 1e15 + 0.5, 0.125e-1,
                         9.995, 9.9949999999999992, 1e-320, -1e-320, 3.4028234663852886e38})
        values.push_back(value);
    for (double special : {HUGE_VAL, -HUGE_VAL, std::nan(""), -std::nan("")})
        values.push_back(special);
    for (double value : values) {
        for (int precision : {0, 1, 2, 6, 9, 17}) {
            EXPECT_EQ(FixedText(value, precision), StrFormat("%.*f", precision, value)) << precision << " of " << value;
            EXPECT_EQ(ScientificText(value, precision), StrFormat("%.*e", precision, value))
                << precision << " of " << value;
        }
        // Bit for bit printf's own texts too, three-digit exponent aside.
        EXPECT_EQ(FixedText(value, 6), PrintfReference("%f", value)) << value;
        EXPECT_EQ(ScientificText(value, 2), PrintfReference("%.2e", value)) << value;
    }
    EXPECT_EQ(FixedText(-0.0, 6), "-0.000000");
    EXPECT_EQ(ScientificText(-0.0, 2), "-0.00e+000");
    EXPECT_EQ(ScientificText(1e17, 2), "1.00e+017");
    EXPECT_EQ(FixedText(2.5, -1), "2.500000");  // a negative precision counts as none
}

TEST(NumberText, WholeNumbersAndTextsFormatAsPrintfDoes)
{
    for (int value : {0, 1, -1, 7, 42, -2147483647 - 1, 2147483647, 100000})
        for (const char* spec : {"%d", "%5d", "%-5d|", "%05d", "%i", "var%d", "%+d", "% d", "%.3d"}) {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, spec, value);
            EXPECT_EQ(StrFormat(spec, value), buffer) << spec << " of " << value;
        }
    EXPECT_EQ(StrFormat("%u %lu %lld %ld", 4000000000u, 5UL, -9000000000LL, -3L), "4000000000 5 -9000000000 -3");
    EXPECT_EQ(StrFormat("%hd", 70000), "4464");
    EXPECT_EQ(StrFormat("[%s][%8s][%-4s][%.2s]", "ab", "ab", "ab", "abc"), "[ab][      ab][ab  ][ab]");
}

// Widths and precisions given as arguments, a negative width among them, beside plain text and "%%",
// as printf writes them.
TEST(NumberText, ArgumentWidthsAndPlainTextFormatAsPrintfDoes)
{
    for (int width : {-7, -1, 0, 3, 9})
        for (const char* spec : {"[%*d]", "[%-*d]", "[%0*d]", "[%*s]", "[%-*s]", "[%*x]", "[%+*d]"}) {
            char buffer[64];
            const bool text = spec[std::strlen(spec) - 2] == 's';
            if (text)
                std::snprintf(buffer, sizeof buffer, spec, width, "ab");
            else
                std::snprintf(buffer, sizeof buffer, spec, width, 42);
            EXPECT_EQ(text ? StrFormat(spec, width, "ab") : StrFormat(spec, width, 42), buffer) << spec << " " << width;
        }
    for (int width : {-12, 12}) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "[%*.3f]", width, 2.5);
        EXPECT_EQ(StrFormat("[%*.3f]", width, 2.5), buffer) << width;
        std::snprintf(buffer, sizeof buffer, "[%*.*s]", width, 2, "abc");
        EXPECT_EQ(StrFormat("[%*.*s]", width, 2, "abc"), buffer) << width;
    }
    EXPECT_EQ(StrFormat("100%% of %s, then %c%c", "it", 'o', 'k'), "100% of it, then ok");
    EXPECT_EQ(StrFormat("plain text only"), "plain text only");
}

TEST(NumberText, ReadingRoundsAsTheCRuntimeDoes)
{
    // Every number text the formatting above gives, and texts at the edges of the range, read to
    // the very double strtod gives.
    std::vector<std::string> texts = {"1e400", "-1e400", "1e-400", "2.4703282292062328e-324", "4.9e-324",
                                      "+.5",   "-0",     "0.1e1",  "179769313486231580793728971405303415079e270"};
    for (double value : SampleValues())
        for (const char* spec : {"%.17g", "%f", "%4.2e", "%g"})
            texts.push_back(StrFormat(spec, value));
    for (const std::string& text : texts) {
        const double expected = std::strtod(text.c_str(), nullptr);
        const double read = StrToD(text);
        EXPECT_TRUE(read == expected || (std::isnan(read) && std::isnan(expected))) << text;
        EXPECT_EQ(std::signbit(read), std::signbit(expected)) << text;
    }
}

TEST(NumberText, LeadingIntegerReading)
{
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {{"12", 12},   {"  -3x", -3}, {"+4", 4},          {"2.9", 2},
                          {"", 0},      {"x1", 0},     {"99999999999", 2147483647},
                          {"-99999999999", -2147483647 - 1}};
    for (const Case& c : cases)
        EXPECT_EQ(AtoI(c.text), c.value) << c.text;
}

TEST(NumberText, IntegersOfTwentyDigitsAndMoreClampInsteadOfWrapping)
{
    struct Case {
        const char* text;
        long value;
    };
    const Case cases[] = {{"9223372036854775807", LONG_MAX},
                          {"9223372036854775808", LONG_MAX},
                          {"-9223372036854775808", LONG_MIN},
                          {"99999999999999999999", LONG_MAX},
                          {"-99999999999999999999", LONG_MIN},
                          {"18446744073709551616", LONG_MAX},
                          {"184467440737095516160", LONG_MAX},
                          {"000000000000000000000000042", 42},
                          {"999999999999999999999999999999999999999", LONG_MAX}};
    for (const Case& c : cases) {
        EXPECT_EQ(AtoL(c.text), c.value) << c.text;
        EXPECT_EQ(AtoI(c.text), c.value > 0 ? (c.value > INT_MAX ? INT_MAX : static_cast<int>(c.value))
                                            : (c.value < INT_MIN ? INT_MIN : static_cast<int>(c.value)))
            << c.text;
    }
}

TEST(NumberText, FormattingWritesThreeDigitExponents)
{
    EXPECT_EQ(StrFormat("%e", 1e18), "1.000000e+018");
    EXPECT_EQ(StrFormat("%E", -2.5e-7), "-2.500000E-007");
    EXPECT_EQ(StrFormat("%g", 1e18), "1e+018");
    EXPECT_EQ(StrFormat("%g", 1e-5), "1e-005");
    EXPECT_EQ(StrFormat("%g", 0.0001), "0.0001");
    EXPECT_EQ(StrFormat("%G", 1.5e20), "1.5E+020");
    EXPECT_EQ(StrFormat("%e", 1e100), "1.000000e+100");
    EXPECT_EQ(StrFormat("%4.2e", 1e17), "1.00e+017");
    EXPECT_EQ(StrFormat("[%12.4e]", 1.5), "[ 1.5000e+000]");
    EXPECT_EQ(StrFormat("[%-12.3e]", 1.5), "[1.500e+000  ]");
    EXPECT_EQ(StrFormat("[%013.3e]", -1.5), "[-001.500e+000]");
    EXPECT_EQ(StrFormat("[%+.1e]", 25.0), "[+2.5e+001]");
    EXPECT_EQ(StrFormat("[%*.*e]", 11, 1, 3.0), "[   3.0e+000]");
    EXPECT_EQ(StrFormat("[%.*e]", -1, 1.5), "[1.500000e+000]");  // a negative precision counts as none
    EXPECT_EQ(StrFormat("%f %.2f %.0f", 1.5, 12.3456, 2.5), "1.500000 12.35 2");
    EXPECT_EQ(StrFormat("%d,%s,%5.1f%%", 7, "ohmic", 0.25), "7,ohmic,  0.2%");
    EXPECT_EQ(StrFormat("n_doping%d=%4.2e", 1, 1.0e18), "n_doping1=1.00e+018");
    EXPECT_EQ(StrFormat("%s", "e+05 stays"), "e+05 stays");
    EXPECT_EQ(StrFormat("%ld %lu %x %c", -5L, 6UL, 255u, 'q'), "-5 6 ff q");
}

TEST(NumberText, NormalizeNumberText)
{
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"0.100000", "0.1"},        {"2.000000", "2."},          {"12.340000", "12.34"},
        {"-3.500", "-3.5"},         {"0.000000", "0"},           {"-0.0", "0"},
        {"1.00e+018", "1.e+18"},    {"1.500000e-005", "1.5e-5"}, {"2.5E+003", "2.5E+3"},
        {"1.0e+100", "1.e+100"},    {"1.0e+000", "1.e+000"},     {"12", "12"},
        {"1e5", "1e5"},             {"12.50abc", "12.50abc"},    {"ohmic", "ohmic"},
        {"", ""},                   {".50", ".5"},               {"1.5e105", "1.5e105"},
        {"1.50e+05", "1.5e+5"},     {"2.500", "2.5"},            {"0", "0"},
        {"[1.50 2]", "[1.50 2]"},   {"1.50 ", "1.50 "},          {"0abc", "0abc"},
    };
    for (const Case& c : cases) {
        std::string text = c.in;
        NormalizeNumberText(text);
        EXPECT_EQ(text, c.out) << "input '" << c.in << "'";
    }
}

namespace {

// A locale with "," as decimal separator: the system's de_DE when installed, otherwise one built
// for the test with localedef into a temporary folder.
class CommaLocale {
public:
    CommaLocale()
    {
        m_name = "de_DE.UTF-8";
        if (Try())
            return;
        ProcessRequest request;
        request.argv = {"localedef", "-i", "de_DE", "-f", "UTF-8", m_folder.File("de_DE.UTF-8")};
        ProcessResult result = ProcessRunner().Run(request);
        if (!result.started)
            return;
        // The locale is made in a folder of this object's own; the variable pointing there is put
        // back as it was when the object goes, so nothing later looks into a removed folder.
        if (const char* previous = std::getenv("LOCPATH"))
            m_previousLocPath = previous;
        m_setLocPath = true;
        ::setenv("LOCPATH", m_folder.Path().c_str(), 1);
        Try();
    }
    ~CommaLocale()
    {
        if (m_locale)
            freelocale(m_locale);
        if (!m_setLocPath)
            return;
        if (m_previousLocPath)
            ::setenv("LOCPATH", m_previousLocPath->c_str(), 1);
        else
            ::unsetenv("LOCPATH");
    }
    bool Available() const { return m_locale != static_cast<locale_t>(0); }
    const std::string& Name() const { return m_name; }

private:
    bool Try()
    {
        m_locale = newlocale(LC_ALL_MASK, m_name.c_str(), static_cast<locale_t>(0));
        return Available();
    }
    TempFolder m_folder;
    std::string m_name;
    bool m_setLocPath = false;
    std::optional<std::string> m_previousLocPath;
    locale_t m_locale = static_cast<locale_t>(0);
};

}  // namespace

TEST(NumberText, CommaDecimalLocaleChangesNothing)
{
    CommaLocale comma;
    if (!comma.Available())
        GTEST_SKIP() << "no locale with a decimal comma can be made here";
    // Restores the process locale however the test ends.
    struct LocaleRestorer {
        std::string previous = std::setlocale(LC_ALL, nullptr);
        ~LocaleRestorer() { std::setlocale(LC_ALL, previous.c_str()); }
    } restorer;
    ASSERT_NE(std::setlocale(LC_ALL, comma.Name().c_str()), nullptr);
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5");  // the process really uses the comma now

    EXPECT_EQ(StrFormat("%f %e %g", 1.5, 2.5e-7, 0.25), "1.500000 2.500000e-007 0.25");
    EXPECT_DOUBLE_EQ(AtoF("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(AtoF("1,5"), 1.0);
    std::string number = "12.340000";
    NormalizeNumberText(number);
    EXPECT_EQ(number, "12.34");
    CKeywordLine line;
    line.Parse(std::string("layer d=0.100 w=2.50e+01"));
    EXPECT_EQ(line.CanonicalLines(), "layer  d=0.1  w=2.5e+1\r\n");

    // Whole files: a load and a store of a structure file, one with a value edited from a number,
    // give the same bytes as under the "C" locale.
    const std::string fixtures = std::string(TESSARON_FIXTURES) + "/statements/";
    std::string numberedGolden, editedGolden;
    ASSERT_TRUE(ReadFileBytes(fixtures + "roundtrip.numbered.golden", numberedGolden));
    ASSERT_TRUE(ReadFileBytes(fixtures + "roundtrip.flat-edited.golden", editedGolden));
    TempFolder out;

    CLoadContext context;
    CKeywordLineList numbered;
    CArchive in;
    ASSERT_TRUE(in.OpenLoad(fixtures + "roundtrip.layer"));
    ASSERT_TRUE(numbered.Serialize(in, context, 0, 0));
    CArchive store;
    ASSERT_TRUE(store.OpenStore(out.File("numbered.layer")));
    numbered.Serialize(store);
    ASSERT_TRUE(store.Close());
    EXPECT_EQ(out.Read("numbered.layer"), numberedGolden);

    CKeywordLineList flat;
    ASSERT_TRUE(in.OpenLoad(fixtures + "roundtrip.layer"));
    ASSERT_TRUE(flat.SerializeFlat(in));
    EXPECT_DOUBLE_EQ(AtoF(flat.GetNthLineParam("column", 1, "w")), 2.5);
    flat[3].m_nLine = -1;
    flat[flat.FindNthLine("layer", 1)].SetParam("d", StrFormat("%.3f", 0.25), true);
    ASSERT_TRUE(store.OpenStore(out.File("edited.layer")));
    flat.SerializeFlat(store);
    ASSERT_TRUE(store.Close());
    EXPECT_EQ(out.Read("edited.layer"), editedGolden);
}
