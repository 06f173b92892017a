#pragma once
// What the ".layer" reader and writer need of the document: its z-segments, the statement list of
// the open ".layer" text (and the copy kept beside it), the VCSEL section definitions read with the
// file, and the application's macro list. The document builds one for each read or write; the
// statement classes of the ".layer" file work only through it, so they run without a document.

#include <cstddef>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/LayerBlocks.h"
#include "model/ZSegment.h"
#include "statements/KeywordLine.h"
#include "statements/KeywordLineList.h"
#include "textfiles/MacroList.h"

struct CLayerFileContext {
    std::vector<CZSegment>& zsegs;             // the document's z-segments, from 0
    int zsegCount;                             // how many of them are in use
    CKeywordLineList& lines;                   // statements of the open ".layer" text
    CKeywordLineList* copyLines;               // the copy kept beside them; may be null
    std::vector<CVcselSection>& vcselSections; // the document's VCSEL section definitions
    CMacroList& macros;                        // the application's macro list
};

// A statement built in memory: keyword and parameters, numbers 0, no raw text.
CKeywordLine NewStatement(const std::string& keyword);
// The same with room for `params` parameters: the document keeps the statements the writer builds,
// and a list grown one parameter at a time would carry up to twice the room it needs.
CKeywordLine NewStatement(const std::string& keyword, std::size_t params);
// Appends a parameter (name and value) at the end of a statement built in memory; a name the
// statement has already gets the value instead.
void AppendParam(CKeywordLine& line, const std::string& name, const std::string& value);
// Appends a parameter whose name the statement cannot have yet, without looking for it: for the
// writer, whose statements get each name once, every parameter of a file passes here.
void AppendNewParam(CKeywordLine& line, std::string name, std::string value);
// A numbered parameter name: the prefix followed by the number ("var3", "lower_w12").
std::string NumberedName(std::string_view prefix, int number);
// The names of the six variables of a material statement's bulk macro ("var1".."var6") or of its
// active macro ("avar1".."avar6"), and those of their symbols ("var_symbol1", "avar_symbol1"..):
// the reader and the writer name them for every material statement, so they come from tables.
const std::array<std::string, 6>& VariableNames(bool active);
const std::array<std::string, 6>& VariableSymbolNames(bool active);

// A number as the ".layer" file writes it: the "%f" text the file has always had ("0.500000") as
// long as it reads back as the value; a value that text would change (1e-7 reads back as 0,
// 0.1234567 as 0.123457) gets the shortest "%g" text that reads back instead. "Reads back" allows
// the rounding noise of arithmetic (one part in 1e12), so a stepped 0.1 + 0.2 stays "0.300000". A
// double reads back as a double, a float as a float, as the reader stores them.
std::string FileNumber(double value);
std::string FileNumberOfFloat(float value);

// Appends the parameters every contact statement carries, in file order: from, to, contact_num,
// then contact_type, barrier and work_function only when they are given. The range is stored in
// floats, barrier and work function in doubles.
void AppendContactParams(CKeywordLine& line, float from, float to, int contactNum, const std::string& type,
                         double barrier, double workFunction);
