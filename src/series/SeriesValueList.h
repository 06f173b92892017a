#pragma once
// The values a model-based series runs through: initial + k * step for k = 0, 1, ... as long as
// the value does not pass final, then final itself unless the last value already lies on it.
//
// Every value is computed from initial afresh in double precision rather than by adding the step
// again and again, so ten steps of 0.01 from 0.01 end on 0.1 and no value is lost or repeated to
// rounding. The end is found with a tolerance relative to the step. A step of 0, or one too small
// to move the values at all, would never reach the end: it is refused, and so is a list longer
// than kMaxValues; from kAskAbove values on the callers ask the user first.

#include <cstddef>
#include <vector>

class CSeriesValueList {
public:
    enum Status {
        built,
        stepTooSmall,  // 0, of the wrong sign or below the resolution of the values
        emptyRange,    // the step points away from final
        tooMany,       // more than kMaxValues values
    };
    static constexpr std::size_t kAskAbove = 1000;
    static constexpr std::size_t kMaxValues = 100000;
    // Relative to the step: a value this close to final is final.
    static constexpr double kEndTolerance = 1e-9;

    // The number of values the list will have (0 unless built).
    static Status Count(double initial, double final, double step, std::size_t& count);
    // Fills values (emptied first); step may be negative for a range that counts down.
    static Status Build(double initial, double final, double step, std::vector<double>& values);
};
