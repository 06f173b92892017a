#pragma once
// A statement parsed from its text, as the readers parse one logical line.

#include "statements/KeywordLine.h"

#include <string>

inline CKeywordLine Parsed(const std::string& text)
{
    CKeywordLine line;
    line.Parse(text);
    return line;
}
