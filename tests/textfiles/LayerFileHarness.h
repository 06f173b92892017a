#pragma once
// A document-free setting for the ".layer" reader and writer: 40 z-segments, the statement list
// with its copy, the VCSEL section list and a macro list with the macros the layer fixtures use.

#include <string>
#include <vector>

#include "model/ZSegment.h"
#include "support/FileBytes.h"
#include "statements/KeywordLineList.h"
#include "textfiles/LayerFileContext.h"
#include "textfiles/MacroList.h"

extern const std::string kLayerFixtures;  // folder of the ".layer" fixtures, with its separator

class LayerFileHarness {
public:
    LayerFileHarness();

    // Numbered load (includes expanded) of a fixture file into the statement list and its copy.
    bool LoadFixture(const std::string& name);
    // The same for text in memory, named as a file of the fixture folder.
    bool LoadText(const std::string& text, const std::string& name = "memory.layer");
    // Reads the statement list into z-segment n.
    int Read(int n = 0);
    // Empties the statement list and writes z-segment n into it.
    void Write(int n = 0);
    // The bytes of the statement list as a save without an old file stores them: every statement
    // rebuilt from its parameters (canonical numbers) and wrapped, then stored raw.
    std::string Render() const;
    // Write and Render.
    std::string WriteText(int n = 0);

    std::vector<CZSegment> zsegs;
    CKeywordLineList lines;
    CKeywordLineList copy;
    CLoadContext loaded;  // what the last load left: load numbers, include table and folder
    std::vector<CVcselSection> vcsel;
    CMacroList macros;
    CLayerFileContext ctx;
};

// Compares every record field the reader sets; reports differences as test failures.
void ExpectSameZSegment(const CZSegment& expected, const CZSegment& actual);
