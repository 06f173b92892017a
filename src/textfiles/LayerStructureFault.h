#pragma once
// Why the statements of a ".layer" file make no device, in a few words for the second line of
// "File data error!": the reader refuses a text without a "column" statement, one that does not fit
// the records, and one that is cut off, and this names which of these it met.

#include "statements/KeywordLineList.h"

#include <string>

// "" when the statements do make a device.
std::string DescribeLayerStructureFault(const CKeywordLineList& lines);
// "File data error!" with the path of the ".layer" file and, when known, the fault on a second
// line.
std::string LayerDataErrorText(const std::string& path, const CKeywordLineList& lines);
