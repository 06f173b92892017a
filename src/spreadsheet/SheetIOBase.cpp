#include "spreadsheet/SheetIOBase.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"

#include <cmath>

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

std::string CSheetIOBase::NumberText(double value, NumberForm form, bool singlePrecision)
{
    std::string text = TrimmedNumber(value);
    if (form == NumberForm::fixed)
        return text;
    auto readsBack = [value, singlePrecision](const std::string& candidate) {
        const double read = AtoF(candidate);
        return singlePrecision ? float(read) == float(value) : read == value;
    };
    if (readsBack(text) || !std::isfinite(value))
        return text;
    for (int digits = 1; digits <= 17; ++digits) {
        std::string shortest = StrFormat("%.*g", digits, value);
        if (readsBack(shortest))
            return shortest;
    }
    return text;
}

std::string CSheetIOBase::ColumnName(int block, int offset)
{
    std::string letters;
    for (int n = block * kColumnsPerBlock + offset + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}
