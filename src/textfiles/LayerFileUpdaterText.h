#pragma once
// Small text tests shared by the source files of CLayerFileUpdater.

#include "statements/KeywordLine.h"

#include <string>

namespace layer_updater {

// "begin_layer", "end_layer", "begin", "end", "begin_zsol", "end_zsol", ignoring case.
bool IsBlockKeyword(const std::string& keyword);

// The merge kind that covers a fresh statement ("column", "layer", "bottom_contact",
// "top_contact", "vcsel_section"), or "" for a statement no kind covers.
std::string KindCovering(const CKeywordLine& line);

// The statements regenerated from the model on every save and placed after their anchors.
bool IsRegeneratedStatement(const CKeywordLine& line);

// The "file" value of an include statement, blanks trimmed.
std::string IncludeFileName(const CKeywordLine& line);

// A parameter name without its trailing digits ("var3" gives "var").
std::string StripTrailingDigits(std::string name);

}  // namespace layer_updater
