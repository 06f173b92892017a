#include "textfiles/LayerFileContext.h"

#include "model/UnsetValue.h"
#include "platform/NumberText.h"

#include <cassert>
#include <charconv>
#include <cmath>

namespace {

// A keyword of letters, digits and "_" parses to itself without parameters: such statements (the
// writer's own keywords) are built without the parser.
bool IsPlainKeyword(const std::string& text)
{
    if (text.empty())
        return false;
    for (const char c : text) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!plain)
            return false;
    }
    return true;
}

}  // namespace

CKeywordLine NewStatement(const std::string& keyword)
{
    CKeywordLine line;
    if (IsPlainKeyword(keyword)) {
        line.m_strKeyword = keyword;
        return line;
    }
    std::string text = keyword;
    line.Parse(text);
    line.SetText(std::string());
    return line;
}

CKeywordLine NewStatement(const std::string& keyword, std::size_t params)
{
    CKeywordLine line = NewStatement(keyword);
    line.m_params.reserve(params);
    return line;
}

void AppendParam(CKeywordLine& line, const std::string& name, const std::string& value)
{
    line.SetParam(name, value, true);
}

void AppendNewParam(CKeywordLine& line, std::string name, std::string value)
{
    assert(line.FindParamValue(name) == nullptr);
    line.m_params.emplace_back(std::move(name), std::move(value));
    line.m_bModified = 1;
}

const std::array<std::string, 6>& VariableNames(bool active)
{
    static const std::array<std::string, 6> names[2] = {{"var1", "var2", "var3", "var4", "var5", "var6"},
                                                        {"avar1", "avar2", "avar3", "avar4", "avar5", "avar6"}};
    return names[active ? 1 : 0];
}

const std::array<std::string, 6>& VariableSymbolNames(bool active)
{
    static const std::array<std::string, 6> names[2] = {
        {"var_symbol1", "var_symbol2", "var_symbol3", "var_symbol4", "var_symbol5", "var_symbol6"},
        {"avar_symbol1", "avar_symbol2", "avar_symbol3", "avar_symbol4", "avar_symbol5", "avar_symbol6"}};
    return names[active ? 1 : 0];
}

std::string NumberedName(std::string_view prefix, int number)
{
    char digits[16];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
    std::string name(prefix);
    name.append(digits, end.ptr);
    return name;
}

namespace {

// A text "reads back" when its value differs from the number by no more than the rounding noise of
// arithmetic (a stepped 0.1 + 0.2 is 0.30000000000000004): such noise is not worth a 17-digit text,
// a lost digit the user typed is.
constexpr double kReadBackTolerance = 1e-12;

template <typename Number>
std::string ExactFixedText(Number value)
{
    auto readsBack = [value](const std::string& text) {
        const Number back = static_cast<Number>(AtoF(text));
        return back == value ||
               std::fabs(static_cast<double>(back) - static_cast<double>(value)) <=
                   kReadBackTolerance * std::fabs(static_cast<double>(value));
    };
    const std::string fixed = FixedText(static_cast<double>(value), 6);
    if (readsBack(fixed) || !std::isfinite(value))
        return fixed;
    for (int digits = 1; digits <= 17; ++digits) {
        std::string shortest = StrFormat("%.*g", digits, static_cast<double>(value));
        if (readsBack(shortest))
            return shortest;
    }
    return fixed;
}

}  // namespace

std::string FileNumber(double value) { return ExactFixedText(value); }

std::string FileNumberOfFloat(float value) { return ExactFixedText(value); }

namespace {

// Barrier and work function are given when above the unset value -9999.
bool IsSetContactValue(double value) { return value - kUnsetValue > 0.0001; }

}  // namespace

void AppendContactParams(CKeywordLine& line, float from, float to, int contactNum, const std::string& type,
                         double barrier, double workFunction)
{
    AppendParam(line, "from", FileNumberOfFloat(from));
    AppendParam(line, "to", FileNumberOfFloat(to));
    AppendParam(line, "contact_num", StrFormat("%d", contactNum));
    if (type == "ohmic" || type == "schottky")
        AppendParam(line, "contact_type", type);
    if (IsSetContactValue(barrier))
        AppendParam(line, "barrier", FileNumber(barrier));
    if (IsSetContactValue(workFunction))
        AppendParam(line, "work_function", FileNumber(workFunction));
}
