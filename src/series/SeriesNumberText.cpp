#include "series/SeriesNumberText.h"

#include "platform/NumberText.h"

#include <cmath>

std::string ShortestNumberText(double value)
{
    if (!std::isfinite(value))
        return StrFormat("%g", value);
    // The value to 15 significant digits, all a double holds for sure: the rounding of the step
    // arithmetic in the last bit (0.30000000000000004 for 0.3) is not the user's value.
    const double meant = StrToD(StrFormat("%.15g", value));
    // Six digits first: every value "%g" writes exactly comes out as "%g" writes it ("20", not
    // "2e+001").
    std::string text;
    for (int digits = 6; digits <= 15; ++digits) {
        text = StrFormat("%.*g", digits, value);
        if (StrToD(text) == meant)
            break;
    }
    return text;
}
