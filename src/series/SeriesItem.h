#pragma once
// One value of an edit-box series: where its text stands in a saved structure file (file, physical
// line, character span), the text it had when it was indexed, the sweep from the initial to the
// final value and the group it moves with. Generation substitutes the group's current value for
// the text in a copy of the file.

#include <string>

struct CSeriesItem {
    int m_nLine = 0;             // physical line in the file, from 0
    int m_nStart = 0;            // first character of the value in that line
    int m_nEnd = 0;              // one past its last character
    double m_dInitial = 0.0;
    double m_dFinal = 0.0;
    int m_nGroupId = 1;
    std::string m_strFile;       // the file that holds the value
    std::string m_strVariable;   // the parameter's name
    // The value's text as the index found it: a file whose span holds another text has changed
    // since it was saved and is not substituted.
    std::string m_strValueText;
    double m_dCurrent = 0.0;     // the value of the point being written
};
