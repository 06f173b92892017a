#pragma once
// What the ".sol" deck handler (CSolFile) works on: the document's z-segments, the statement list
// that holds the deck's statements while it is read, the material sets and VCSEL sections the
// z-segments' ".layer" files bring, the application's macro list, the simulator a deck is written
// for, and the deck settings. The document builds one for each read or write; the handler changes
// nothing process-wide, so the document applies the settings a read found only when it succeeded.

#include <functional>
#include <string>
#include <vector>

#include "model/LayerBlocks.h"
#include "model/MaterialSet.h"
#include "model/ZSegment.h"
#include "statements/KeywordLineList.h"
#include "textfiles/MacroList.h"

// The settings a deck carries besides its z-segments.
struct CDeckSettings {
    int zsegCount = 0;                  // z-segments in use, from the front
    std::string isolatedMethod = "no";  // the "3d_flow" value: "yes" one flow through all z-segments
    int lengthForm = 1;                 // z extents as lengths (1) or as positions (0)
    int cylinder = 0;                   // 1: "cylindrical", the device in cylinder coordinates
};

struct CSolDocument {
    std::vector<CZSegment>& zsegs;             // the document's z-segment records, from 0
    CKeywordLineList& lines;                   // the deck's statements while it is read
    std::vector<CMaterialSet>& materialSets;   // one appended per ".layer" file read
    std::vector<CVcselSection>& vcselSections; // the VCSEL section definitions of the last file read
    CMacroList& macros;                        // the application's macro list
    int productCode;                           // 1 the corvex simulator, 2 the lumivo simulator
    CDeckSettings settings;                    // what the writers follow and a read fills in
    // Told the index of each z-segment as soon as its ".layer" file has been read, while its
    // records are still in the cache: the document does its per-layer work on them there rather
    // than in passes over every z-segment of a large deck afterwards. The read changes nothing
    // of a z-segment after this.
    std::function<void(int)> segmentRead = nullptr;
};
