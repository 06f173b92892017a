#pragma once
// The statements of the program's own kinds that a save cannot write back from the model, because
// the ".layer" reader does not take them in or takes them where the writer never looks:
//
//   "column_position", "layer_position"   a location the reader does not know and no distance
//                                         ("location=center"), before the first "column" or
//                                         "layer" statement, after a "column" statement whose
//                                         number names no column, or on a row no column reaches
//   "left_contact", "right_contact"       before the first "layer" statement
//   "bottom_contact", "top_contact"       a "column_num" that names no column
//   "grating_compos"                      no column, a column without a layer in that row, or
//                                         after the last "layer" statement
//
// The updater keeps them as the user wrote them, where they stand, through every save. The reader
// and this list follow the same rules (a test reads a file with and without them).

#include "statements/KeywordLineList.h"

#include <vector>

class CUnreadStatements {
public:
    // One flag per line of the list: true for a statement a save cannot write from the model.
    static std::vector<bool> Find(const CKeywordLineList& lines);

    // True for a label statement that gives no position the reader knows.
    static bool HasNoPosition(bool column, const CKeywordLine& line);
};
