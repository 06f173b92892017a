#pragma once
// The values of a ".layer" file that the reader reads as numbers but that are none, or that are
// sizes no device can have: "w=abc" reads as 0 and "d=-1" as a layer of negative height, and the
// device then draws as nothing. The reader keeps reading them as it always has; the open names
// them, all in one message, so that the user knows which file, line and parameter to mend.
//
// The statements are checked as they were loaded (includes expanded). Only when some value is
// found is the file read once more for the file and physical line of each statement (the sweep
// index reader keeps both), so a sound file costs no second read.

#include "statements/KeywordLineList.h"

#include <string>
#include <vector>

struct CUnusableNumber {
    std::string m_strFile;    // the file that holds the statement (an included file for its lines)
    int m_nLine = 0;          // the statement's physical line there, from 1; 0 when not known
    std::string m_strParam;
    std::string m_strText;    // the value as written
    std::string m_strReason;  // "not a number, read as 0", "less than 0.00001"
};

class CUnusableNumbers {
public:
    // The least size (height or width) the layer property sheet takes; a size below it is refused.
    static constexpr float kLeastSize = 1e-5f;
    // The report names at most this many values and counts the rest.
    static constexpr int kMostReported = 30;

    // Adds the unusable values of the statements loaded from the ".layer" file at path.
    void Collect(const CKeywordLineList& lines, const std::string& path);

    bool IsEmpty() const { return m_Values.empty(); }
    const std::vector<CUnusableNumber>& Values() const { return m_Values; }
    // The message: a first line, then one line per value ("<file>, line <n>: <param>=<text>
    // (<reason>)").
    std::string Report() const;

private:
    std::vector<CUnusableNumber> m_Values;
};
