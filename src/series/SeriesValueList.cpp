#include "series/SeriesValueList.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// A step this small against the values adds nothing to them in double precision.
bool BelowResolution(double initial, double final, double step)
{
    const double magnitude = std::max(std::fabs(initial), std::fabs(final));
    return std::fabs(step) <= magnitude * 4 * DBL_EPSILON || std::fabs(step) < DBL_MIN;
}

}  // namespace

CSeriesValueList::Status CSeriesValueList::Count(double initial, double final, double step, std::size_t& count)
{
    count = 0;
    if (!std::isfinite(initial) || !std::isfinite(final) || !std::isfinite(step) || step == 0.0 ||
        BelowResolution(initial, final, step))
        return stepTooSmall;
    const double steps = (final - initial) / step;
    if (steps < -kEndTolerance)
        return emptyRange;
    if (steps > static_cast<double>(kMaxValues))
        return tooMany;
    const double whole = std::floor(steps + kEndTolerance);
    count = static_cast<std::size_t>(whole) + 1;
    // final lies between two steps: it is a value of its own.
    if (steps - whole > kEndTolerance)
        ++count;
    if (count > kMaxValues) {
        count = 0;
        return tooMany;
    }
    return built;
}

CSeriesValueList::Status CSeriesValueList::Build(double initial, double final, double step, std::vector<double>& values)
{
    values.clear();
    std::size_t count = 0;
    const Status status = Count(initial, final, step, count);
    if (status != built)
        return status;
    values.reserve(count);
    for (std::size_t k = 0; k < count; ++k)
        values.push_back(initial + static_cast<double>(k) * step);
    // The last value is final itself, not a sum that lies a rounding error beside it.
    values.back() = final;
    return built;
}
