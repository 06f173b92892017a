#include "textfiles/LayerFileContext.h"

#include "model/UnsetValue.h"
#include "platform/NumberText.h"

CKeywordLine NewStatement(const std::string& keyword)
{
    CKeywordLine line;
    std::string text = keyword;
    line.Parse(text);
    line.SetText(std::string());
    return line;
}

void AppendParam(CKeywordLine& line, const std::string& name, const std::string& value)
{
    line.SetParam(name, value, true);
}

namespace {

// Barrier and work function are given when above the unset value -9999.
bool IsSetContactValue(double value) { return value - kUnsetValue > 0.0001; }

}  // namespace

void AppendContactParams(CKeywordLine& line, double from, double to, int contactNum, const std::string& type,
                         double barrier, double workFunction)
{
    AppendParam(line, "from", StrFormat("%8.6f", from));
    AppendParam(line, "to", StrFormat("%8.6f", to));
    AppendParam(line, "contact_num", StrFormat("%d", contactNum));
    if (type == "ohmic" || type == "schottky")
        AppendParam(line, "contact_type", type);
    if (IsSetContactValue(barrier))
        AppendParam(line, "barrier", StrFormat("%8.6f", barrier));
    if (IsSetContactValue(workFunction))
        AppendParam(line, "work_function", StrFormat("%8.6f", workFunction));
}
