#pragma once
// The text a swept value is written with: the "%g" text with the fewest significant digits (six
// to 15) that reads back to the value as its 15 significant digits give it, so that close values
// stay distinct (1.0000001 and 1.0000002) and round ones stay short (0.1, 0.3, 2, 1e-005).

#include <string>

std::string ShortestNumberText(double value);
