#pragma once
// The text the grid exchanges through the clipboard and drag and drop.
//
// Written: the rows of the selected range, one line each, joined by "\n" (none after the last);
// in a line the range's cells joined by "\t": a selected cell's text (" " when it is empty), nothing
// for a cell of the range that is not selected.
//
// Read: lines end at "\n"; within a line, cells are separated by runs of "\t", "," and "\n", and
// each cell loses its leading and trailing white space (so a "\r" before the "\n" goes). An empty
// line followed by "\n" is one empty cell. The text ends at its length or at a NUL, whichever comes
// first; nothing is read past either.

#include <string>
#include <vector>

class CGridExchangeText {
public:
    // The cells of each line, in order.
    static std::vector<std::vector<std::string>> Read(const std::string& data);
    // A line of cells, with those not selected given as null.
    static std::string WriteRow(const std::vector<const std::string*>& cells);
};
