#pragma once
// -9999 marks a double a record does not give: a contact's barrier and work function, the grating
// variables, a label offset. Such values pass through number texts, so each reader tests for the
// mark with the tolerance its kind of value has always had.

#include <cmath>

constexpr double kUnsetValue = -9999.0;

// How far a value lies from the unset mark.
inline double UnsetDistance(double value) { return std::fabs(value - kUnsetValue); }
