#include "spreadsheet/SheetIOBase.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"

void CSheetIOBase::TrimNumberText(std::string& text)
{
    text = ToLowerAscii(Trim(text));
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return;
    const std::size_t exponent = text.find('e');
    const std::size_t end = exponent == std::string::npos ? text.size() : exponent;
    std::size_t keep = end;
    while (keep > point + 1 && text[keep - 1] == '0')
        --keep;
    // Nothing but zeros after the point: a plain number loses the point as well.
    if (exponent == std::string::npos && keep == point + 1)
        keep = point;
    text.erase(keep, end - keep);
}

std::string CSheetIOBase::TrimmedNumber(double value)
{
    std::string text = StrFormat("%f", value);
    TrimNumberText(text);
    return text;
}
