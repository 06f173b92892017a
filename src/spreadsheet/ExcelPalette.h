#pragma once
// The spreadsheet's standard palette of 56 colours, addressed by colour index 1 to 56 as the
// interior of a range takes them.

#include <cstdint>

// 0xRRGGBB of a colour index; -1 for an index outside 1..56.
std::int32_t PaletteColour(int colourIndex);
