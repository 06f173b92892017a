#pragma once
// The statements and include files a z-segment's ".layer" file had when it was read: the old lines
// a later ".layer" write merges into.

#include <map>
#include <string>

class CMaterialSet {
public:
    std::map<int, std::string> m_Includes;  // source id -> raw text of the include statement
};
